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
