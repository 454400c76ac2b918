#include "sim/clockdigits.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace dotsign {

namespace {

struct Pt
{
    int x, y;
};
using Stroke = std::vector<Pt>;
using Glyph = std::vector<Stroke>;

// Digits on a 4 x 8 grid.
const Glyph& digitGlyph(int d)
{
    static const Glyph glyphs[10] = {
        {{{1, 0}, {3, 0}, {4, 1}, {4, 7}, {3, 8}, {1, 8}, {0, 7}, {0, 1}, {1, 0}}},
        {{{0, 2}, {2, 0}, {2, 8}}},
        {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 3}, {0, 7}, {0, 8}, {4, 8}}},
        {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 3}, {3, 4}, {1, 4}},
         {{3, 4}, {4, 5}, {4, 7}, {3, 8}, {1, 8}, {0, 7}}},
        {{{3, 8}, {3, 0}, {0, 5}, {4, 5}}},
        {{{4, 0}, {0, 0}, {0, 4}, {3, 4}, {4, 5}, {4, 7}, {3, 8}, {1, 8}, {0, 7}}},
        {{{3, 0}, {1, 0}, {0, 1}, {0, 7}, {1, 8}, {3, 8}, {4, 7}, {4, 5}, {3, 4}, {0, 4}}},
        {{{0, 0}, {4, 0}, {4, 1}, {2, 5}, {2, 8}}},
        {{{1, 0}, {3, 0}, {4, 1}, {4, 3}, {3, 4}, {1, 4}, {0, 3}, {0, 1}, {1, 0}},
         {{1, 4}, {0, 5}, {0, 7}, {1, 8}, {3, 8}, {4, 7}, {4, 5}, {3, 4}}},
        {{{4, 4}, {1, 4}, {0, 3}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 7}, {3, 8}, {1, 8}}},
    };
    return glyphs[d];
}

// 一 二 三 四 五 六 日 on an 8 x 8 grid.
const Glyph& weekdayGlyph(int dayOfWeek)
{
    static const Glyph glyphs[7] = {
        {{{0, 4}, {8, 4}}},
        {{{1, 2}, {7, 2}}, {{0, 7}, {8, 7}}},
        {{{1, 1}, {7, 1}}, {{2, 4}, {6, 4}}, {{0, 8}, {8, 8}}},
        {{{0, 1}, {8, 1}, {8, 8}, {0, 8}, {0, 1}}, {{3, 1}, {3, 4}, {2, 6}}, {{5, 1}, {5, 5}, {7, 5}}},
        {{{1, 0}, {7, 0}}, {{3, 0}, {2, 8}}, {{2, 4}, {6, 4}, {6, 8}}, {{0, 8}, {8, 8}}},
        {{{4, 0}, {4, 1}}, {{0, 3}, {8, 3}}, {{3, 5}, {1, 8}}, {{5, 5}, {7, 8}}},
        {{{1, 0}, {7, 0}, {7, 8}, {1, 8}, {1, 0}}, {{1, 4}, {7, 4}}},
    };
    return glyphs[std::clamp(dayOfWeek, 1, 7) - 1];
}

struct Pen
{
    LedImage& image;
    uint8_t colour;
    int thickness;

    void dot(int x, int y) const
    {
        for (int dy = 0; dy < thickness; ++dy)
            for (int dx = 0; dx < thickness; ++dx)
                image.set(x + dx, y + dy, colour);
    }
    void line(Pt a, Pt b) const
    {
        const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
        const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            dot(a.x, a.y);
            if (a.x == b.x && a.y == b.y)
                return;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                a.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                a.y += sy;
            }
        }
    }
};

int penThickness(int size, bool bold)
{
    if (size >= 32)
        return bold ? 3 : 2;
    return bold ? 2 : 1;
}

int scaled(int v, int span, int grid)
{
    return (2 * v * span + grid) / (2 * grid); // rounded
}

// Draws `glyph` (gridW x gridH) into the box at (x, y) of boxW x boxH LEDs.
void drawGlyph(const Pen& pen, const Glyph& glyph, int gridW, int gridH, int x, int y, int boxW, int boxH)
{
    const int spanX = std::max(1, boxW - pen.thickness);
    const int spanY = std::max(1, boxH - pen.thickness);
    for (const Stroke& stroke : glyph)
        for (size_t i = 0; i < stroke.size(); ++i) {
            const Pt a{x + scaled(stroke[i].x, spanX, gridW), y + scaled(stroke[i].y, spanY, gridH)};
            const Pt b = i + 1 < stroke.size() ? Pt{x + scaled(stroke[i + 1].x, spanX, gridW),
                                                    y + scaled(stroke[i + 1].y, spanY, gridH)}
                                               : a;
            pen.line(a, b);
        }
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

bool shown(int options, int flag)
{
    return (options & flag) != 0;
}

} // namespace

int cardDigitSize(int fontSizeByte)
{
    switch (fontSizeByte) {
    case 0:
        return 12;
    case 2:
        return 32;
    default:
        return 16;
    }
}

uint8_t clockColour(int colourByte, int colours)
{
    if (colours != 2)
        return LedImage::Red;
    return colourByte == 2 ? LedImage::Green : (colourByte == 3 ? LedImage::Yellow : LedImage::Red);
}

void drawClockDigits(LedImage& image, int x, int y, const QString& digits, int size, bool bold,
                     uint8_t colour)
{
    const int cell = size / 2;
    const Pen pen{image, colour, penThickness(size, bold)};
    // One LED of space to the right and one row above and below each digit.
    for (int i = 0; i < digits.size(); ++i) {
        const int d = digits.at(i).digitValue();
        if (d >= 0 && d <= 9)
            drawGlyph(pen, digitGlyph(d), 4, 8, x + i * cell, y + 1, cell - 1, size - 2);
    }
}

void drawWeekday(LedImage& image, int x, int y, int dayOfWeek, int size, bool bold, uint8_t colour)
{
    const Pen pen{image, colour, penThickness(size, bold)};
    drawGlyph(pen, weekdayGlyph(dayOfWeek), 8, 8, x, y + 1, size - 1, size - 2);
}

void drawClockZone(LedImage& zone, const IndexZone& z, const QDateTime& now, int colours)
{
    const int size = cardDigitSize(z.fontSize);
    const bool bold = z.font != 0;
    const uint8_t colour = clockColour(z.colour, colours);
    const QDate d = now.date();
    const QTime t = now.time();
    const QString year = z.clockYearFormat ? twoDigits(d.year() % 100)
                                           : QString::number(d.year()).rightJustified(4, QLatin1Char('0'));
    const struct
    {
        int flag;
        ClockElement element;
        QString text;
    } parts[] = {{128, ClockYear, year},
                 {64, ClockMonth, twoDigits(d.month())},
                 {32, ClockDay, twoDigits(d.day())},
                 {8, ClockHour, twoDigits(t.hour())},
                 {4, ClockMinute, twoDigits(t.minute())},
                 {2, ClockSecond, twoDigits(t.second())}};
    for (const auto& part : parts) {
        if (!shown(z.clockOptions, part.flag))
            continue;
        const ClockPosition& p = z.clock[static_cast<size_t>(part.element)];
        drawClockDigits(zone, p.x, p.y, part.text, size, bold, colour);
    }
    if (shown(z.clockOptions, 16)) {
        const ClockPosition& p = z.clock[ClockWeek];
        drawWeekday(zone, p.x, p.y, d.dayOfWeek(), size, bold, colour);
    }
}

} // namespace dotsign
