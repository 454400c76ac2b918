#pragma once
// Builds a card's content the way the download does: the index frame from a
// screen record, the data bytes from hand-made plane frames.

#include "link/downloadframes.h"
#include "project/projectstate.h"
#include "sim/signcontent.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <vector>

namespace dotsign::testing {

// Red and green rows interleaved, screenWidth / 8 bytes per row, bit 7 leftmost.
inline QByteArray encodeFrames(const std::vector<LedImage>& frames, int colours)
{
    QByteArray out;
    for (const LedImage& f : frames)
        for (int y = 0; y < f.height; ++y)
            for (int plane = 0; plane < colours; ++plane) {
                const uint8_t bit = plane == 0 ? LedImage::Red : LedImage::Green;
                for (int c = 0; c < f.width / 8; ++c) {
                    uint8_t b = 0;
                    for (int k = 0; k < 8; ++k)
                        if (f.at(c * 8 + k, y) & bit)
                            b |= static_cast<uint8_t>(0x80 >> k);
                    out.append(static_cast<char>(b));
                }
            }
    return out;
}

// A screen of one program slot per call to addProgram, single colour B card.
struct SignBuilder
{
    TprojectProp screen;
    std::vector<std::vector<LedImage>> frames;

    SignBuilder(int width, int height, int colourType = 0, const QString& card = QStringLiteral("B类卡"))
    {
        screen.screenWidth = width;
        screen.screenHeight = height;
        screen.colourType = colourType;
        screen.cardModel = card;
    }

    // A one-zone program covering the screen, with `pages` as its plane frames.
    TjiemuProp& addProgram(const std::vector<LedImage>& pages, int effect = 5, int speed = 3, int stay = 2)
    {
        const int n = ++screen.programCount;
        TjiemuProp& p = screen.program(n);
        p.zoneCount = 1;
        p.layoutTemplate = 1;
        p.startDate = p.endDate = QStringLiteral("2009-05-05");
        p.weekdays.fill(1);
        for (int i = 0; i < 5; ++i)
            p.slotStart[i] = p.slotStop[i] = QStringLiteral("00:00:00");
        ZoneRecord& z = p.zone(1);
        z.zoneFlag = 1;
        z.zoneWidth = screen.screenWidth;
        z.zoneHeight = screen.screenHeight;
        z.zoneInfoHeight = static_cast<int>(pages.size()) * screen.screenHeight;
        z.zoneEffect = effect;
        z.zoneSpeed = speed;
        z.zoneStay = stay;
        z.zoneClearFirst = 1;
        frames.push_back(pages);
        return p;
    }

    SignContent content() const
    {
        SignContent c;
        c.screenWidth = screen.screenWidth;
        c.screenHeight = screen.screenHeight;
        c.colours = screen.colourType == 0 ? 1 : 2;
        c.cardClass = screen.cardModel == QStringLiteral("A类卡") ? 'A' : 'B';
        FrameBuffer buffer;
        for (int k = 0; k < screen.programCount; ++k) {
            QString error;
            const auto index = programIndexFrame(buffer, screen, k, 1, &error);
            EXPECT_TRUE(index.has_value()) << error.toStdString();
            StoredProgram p;
            p.index = index.value_or(QByteArray());
            p.data = encodeFrames(frames[static_cast<size_t>(k)], c.colours);
            c.programs.append(p);
        }
        return c;
    }
};

// A picture with a solid vertical bar of `width` columns at x.
inline LedImage bar(int w, int h, int x, int width, uint8_t colour = LedImage::Red)
{
    LedImage img(w, h);
    for (int y = 0; y < h; ++y)
        for (int i = x; i < x + width; ++i)
            img.set(i, y, colour);
    return img;
}

// `img` moved by (dx, dy) over `under` (LEDs moved off the edge are lost).
inline LedImage shifted(const LedImage& img, int dx, int dy, const LedImage& under)
{
    LedImage out = under;
    out.blit(img, dx, dy);
    return out;
}

} // namespace dotsign::testing

#include "link/frames.h"
#include "sim/clockdigits.h"

namespace dotsign::testing {

// A 64 x 32 two-colour sign: program 1 is two hand-drawn pages pushed in
// from the right; program 2 has a clock on top (hour, minute, second at 16
// LEDs) and a price below that enters by "随机".
inline SignBuilder sampleSign()
{
    SignBuilder b(64, 32, 1);
    LedImage page1(64, 32), page2(64, 32);
    for (int x = 0; x < 64; ++x) {
        page1.set(x, 0, LedImage::Green);
        page1.set(x, 31, LedImage::Green);
    }
    drawClockDigits(page1, 4, 8, QStringLiteral("2026"), 16, true, LedImage::Red);
    drawClockDigits(page1, 40, 8, QStringLiteral("12"), 16, false, LedImage::Yellow);
    for (int i = 0; i < 16; ++i) { // an arrow
        page2.set(4 + i, 16, LedImage::Yellow);
        page2.set(19 - i / 2, 16 - i / 2, LedImage::Yellow);
        page2.set(19 - i / 2, 16 + i / 2, LedImage::Yellow);
    }
    drawClockDigits(page2, 28, 8, QStringLiteral("4.98"), 16, true, LedImage::Green);
    TjiemuProp& p1 = b.addProgram({page1, page2}, 1, 1, 1);
    p1.zone(1).zoneClearFirst = 0;

    // Program 2: the clock mask is the two colons; the price is one page.
    LedImage frame(64, 32);
    for (int x : {22, 45}) {
        frame.set(x, 5, LedImage::Red);
        frame.set(x, 10, LedImage::Red);
    }
    drawClockDigits(frame, 4, 16, QStringLiteral("998"), 16, true, LedImage::Red);
    TjiemuProp& p2 = b.addProgram({frame}, 14, 2, 2);
    p2.layoutTemplate = 2;
    p2.zoneCount = 2;
    ZoneRecord& clock = p2.zone(1);
    clock.zoneHeight = 16;
    clock.zoneInfoHeight = 16;
    clock.zoneType = ZoneClock;
    clock.zoneEffect = 5;
    clock.zoneColour = 2;
    clock.zoneFontSize = 1;
    clock.clockOptions = 14;
    clock.clockHourX = 4, clock.clockMinuteX = 26, clock.clockSecondX = 48;
    ZoneRecord bottom;
    bottom.zoneFlag = 1;
    bottom.zoneY = 16;
    bottom.zoneWidth = 64;
    bottom.zoneHeight = 16;
    bottom.zoneInfoHeight = 16;
    bottom.zoneEffect = 14;
    bottom.zoneSpeed = 2;
    bottom.zoneStay = 1;
    bottom.zoneClearFirst = 1;
    p2.zone(2) = bottom;
    return b;
}

// The download file as the USB-disk export writes it: hexadecimal records and
// raw end markers. `settings` adds the screen-settings record.
inline QByteArray exportFile(const SignBuilder& b, bool settings, bool border)
{
    const SignContent c = b.content();
    auto hex = [](const QByteArray& bytes) { return bytes.toHex().toUpper(); };
    QByteArray header;
    header.append(char(0x01));
    header.append(char(b.screen.programCount));
    header.append(border ? '1' : '0');
    header.append(settings ? '1' : '0');
    QByteArray file = hex(header);
    if (settings) {
        HardwareSettings hw;
        hw.dayBrightness = 180;
        hw.nightBrightness = 40;
        QByteArray frame = screenSettingsFrame(b.screen, hw);
        frame[36] = 0x30;
        file += hex(frame);
    }
    FrameBuffer buffer;
    for (int k = 0; k < c.programs.size(); ++k) {
        file += hex(c.programs[k].index);
        int block = 1;
        for (qsizetype at = 0; at < c.programs[k].data.size(); at += 512) {
            setDataBlock(buffer, k + 1, ++block, c.programs[k].data.mid(at, 512));
            file += hex(dataBlockFrame(buffer, 1));
        }
        QByteArray marker(530, char(0xFC));
        marker[8] = char(k + 1);
        marker[9] = char(finalBlockCount(block));
        marker.replace(265, 265, QByteArray(265, char(0x97)));
        file += marker;
    }
    return file;
}

} // namespace dotsign::testing
