#include "render/textrender.h"

#include "render/fonts.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace dotsign {

namespace {

constexpr int kMaxRows = 6144; // the most rows a program's frames can hold
// No sign is wider than 1472 LEDs; a record beyond these sizes is damaged and
// is laid out as if it had them, so no arithmetic overflows and no bitmap
// outgrows memory.
constexpr int kMaxZoneWidth = 4096;
constexpr int kMaxZoneHeight = kMaxRows;

struct SizeRow
{
    const char* text;
    LedSize size;
};

const SizeRow kSizeTable[] = {
    {"单字12个LED灯大小", {12, 9}},  {"单字16个LED灯大小", {16, 12}}, {"单字24个LED灯大小", {24, 18}},
    {"单字32个LED灯大小", {32, 24}}, {"单字40个LED灯大小", {40, 30}}, {"单字48个LED灯大小", {48, 36}},
    {"单字56个LED灯大小", {56, 42}}, {"单字64个LED灯大小", {64, 48}}, {"单字72个LED灯大小", {72, 54}},
    {"单字80个LED灯大小", {80, 60}}, {"单字96个LED灯大小", {96, 72}}, {"单字128个LED灯大小", {128, 84}},
};

int ceilDiv(qint64 a, qint64 b)
{
    return int((a + b - 1) / b);
}

int roundUpTo(qint64 value, int step)
{
    return step > 0 ? int((value + step - 1) / step * step) : int(value);
}

bool isDrawable(const QString& ch)
{
    return !ch.isEmpty() && ch.at(0).unicode() > 0x20;
}

// Draws characters on a grid of half-cells: a one-byte character takes S / 2
// columns, a two-byte one S, whatever the face's own advances are, so that
// text lines up with the byte counts of the layout in any font.
class GridWriter
{
public:
    GridWriter(QImage& target, const QString& fontName, int points, const QColor& colour)
        : m_painter(&target), m_font(ledFont(fontName, pixelsForPoints(points))),
          m_ascent(QFontMetrics(m_font).ascent())
    {
        m_painter.setFont(m_font);
        m_painter.setPen(colour);
        m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    }

    // Draws `count` characters from `first` with the line's top-left corner at (x, top).
    void drawLine(const GbkCharacter* first, int count, int x, int top, int halfCell)
    {
        const int right = m_painter.device()->width();
        for (int i = 0; i < count && x < right; ++i) {
            const GbkCharacter& ch = first[i];
            if (isDrawable(ch.text))
                m_painter.drawText(QPoint(x, top + m_ascent), ch.text);
            x += ch.bytes * halfCell;
        }
    }

private:
    QPainter m_painter;
    QFont m_font;
    int m_ascent;
};

// Characters turned a quarter turn counter-clockwise. Each glyph is drawn
// upright into a cell of its own and the cell is turned by exactly 90
// degrees, so turned text keeps the face's exact pixels.
class TurnedWriter
{
public:
    TurnedWriter(QImage& target, const QString& fontName, int points, const QColor& colour, int cell)
        : m_painter(&target), m_font(ledFont(fontName, pixelsForPoints(points))), m_colour(colour),
          m_cell(cell)
    {}

    // The character's upright top-left corner lands at (x, y): it extends to
    // the right of x and upward from y.
    void draw(const GbkCharacter& ch, int x, int y)
    {
        if (!isDrawable(ch.text))
            return;
        const QImage& glyph = turnedGlyph(ch);
        m_painter.drawImage(QPoint(x, y - glyph.height()), glyph);
    }

private:
    const QImage& turnedGlyph(const GbkCharacter& ch)
    {
        auto it = m_glyphs.find(ch.text);
        if (it != m_glyphs.end())
            return *it;
        const int width = std::max(1, ch.bytes * m_cell / 2);
        QImage upright(width, std::max(1, m_cell), QImage::Format_ARGB32_Premultiplied);
        upright.fill(Qt::transparent);
        {
            QPainter p(&upright);
            p.setFont(m_font);
            p.setPen(m_colour);
            p.drawText(QPoint(0, QFontMetrics(m_font).ascent()), ch.text);
        }
        return *m_glyphs.insert(ch.text, upright.transformed(QTransform().rotate(-90)));
    }

    QPainter m_painter;
    QFont m_font;
    QColor m_colour;
    int m_cell;
    QHash<QString, QImage> m_glyphs;
};

QImage blackImage(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    if (!image.isNull())
        image.fill(Qt::black);
    return image;
}

// Cuts a strip into zone-wide pages stacked from the top.
QImage cutStrip(const QImage& strip, int zoneWidth, int zoneHeight, int stripWidth)
{
    const int pages = (stripWidth + 1) / zoneWidth;
    QImage pagesImage = blackImage(zoneWidth, pages * zoneHeight);
    if (pagesImage.isNull())
        return pagesImage;
    QPainter p(&pagesImage);
    for (int x0 = 0, k = 0; x0 <= stripWidth && k < pages; x0 += zoneWidth, ++k)
        p.drawImage(QPoint(0, k * zoneHeight), strip, QRect(x0, 0, zoneWidth, zoneHeight));
    return pagesImage;
}

// The most pages a strip may have: whole zone heights within the sign's rows.
int maxStripPages(int zoneHeight)
{
    return std::max(1, kMaxRows / zoneHeight);
}

void pageUpright(const ZoneRecord& zone, const TextInput& in, const GbkText& text, LedSize size,
                 TextRender& out)
{
    const int S = size.leds;
    const int B = bytesPerLine(zone.zoneWidth, S);
    const bool blank = text.isBlank();
    const std::vector<TextLine> lines = blank ? std::vector<TextLine>{} : breakTextLines(text, B);
    const int L = blank ? 1 : int(lines.size());
    const bool plain = zone.zonePlainText == 1;

    qint64 H = qint64(L) * (plain ? zone.zoneHeight : S);
    if (zone.zoneHeight > 0)
        H = roundUpTo(H, zone.zoneHeight);
    H = std::max<qint64>(H, zone.zoneHeight);
    const int cap = zone.zoneHeight > 0
                        ? std::max(zone.zoneHeight, kMaxRows / zone.zoneHeight * zone.zoneHeight)
                        : kMaxRows;
    if (H > cap) {
        H = cap;
        out.truncated = true;
    }
    out.image = blackImage(zone.zoneWidth, int(H));
    out.zoneInfoHeight = int(H);
    out.PreviewHeight = int(H);
    out.PreviewWidth = zone.zoneWidth;
    if (blank || out.image.isNull())
        return;

    GridWriter writer(out.image, in.fontName, size.points, in.colour);
    for (int i = 0; i < L; ++i) {
        const qint64 y = plain ? qint64(i) * zone.zoneHeight + (zone.zoneHeight - S) / 2
                               : qint64(i) * S - (S == 32 ? 1 : 0);
        if (y >= H)
            break;
        const TextLine& line = lines[size_t(i)];
        writer.drawLine(&text.characters[size_t(line.firstCharacter)], line.characterCount, 0, int(y), S / 2);
    }
}

void pageCouplet(const ZoneRecord& zone, const TextInput& in, const GbkText& text, LedSize size,
                 TextRender& out)
{
    const int S = size.leds;
    const int N = int(text.characters.size());
    // A zone narrower than one cell still gets one character per row (clipped).
    const int C = std::max(1, zone.zoneWidth / S);
    out.PreviewWidth = zone.zoneWidth;
    if (zone.zoneHeight == 0)
        out.zoneHeight = 8;
    const int Z = zone.zoneHeight == 0 ? 8 : zone.zoneHeight;
    const bool plain = zone.zonePlainText == 1;

    const int R0 = ceilDiv(N, C);
    qint64 H = plain ? qint64(R0) * Z : roundUpTo(qint64(R0) * S, Z);
    int R = plain ? R0 : int(H / S);
    if (H < Z) {
        H = Z;
        R = 1;
    }
    if (H > kMaxRows) {
        // Rows that still fit in the 6144 rows: whole pages in the single-line
        // layout, character rows otherwise.
        H = kMaxRows;
        R = plain ? kMaxRows / Z : kMaxRows / S;
        out.truncated = true;
    }
    out.image = blackImage(zone.zoneWidth, int(H));
    out.zoneInfoHeight = int(H);
    out.PreviewHeight = int(H);
    if (out.image.isNull())
        return;

    TurnedWriter writer(out.image, in.fontName, size.points, in.colour, S);
    for (int r = 0, c = 0; r < R && c < N; ++r) {
        const int baseline = plain ? (r + 1) * Z - (Z - S) / 2 : (r + 1) * S;
        for (int x = 0, i = 0; i < C && c < N; ++i, ++c, x += S) {
            const GbkCharacter& ch = text.characters[size_t(c)];
            writer.draw(ch, x, ch.bytes == 2 ? baseline : baseline - S / 4);
        }
    }
}

// Strip width: rounded up to whole zone widths, at least one page, at most
// the pages the sign can hold.
int stripWidth(qint64 contentWidth, const ZoneRecord& zone, bool& truncated)
{
    qint64 W = std::max<qint64>(roundUpTo(contentWidth, zone.zoneWidth), zone.zoneWidth);
    const qint64 limit = qint64(maxStripPages(zone.zoneHeight)) * zone.zoneWidth;
    if (W > limit) {
        W = limit;
        truncated = true;
    }
    return int(W);
}

void strip(const ZoneRecord& zone, const TextInput& in, const GbkText& text, LedSize size, TextRender& out)
{
    const int S = size.leds;
    out.stripMode = true;
    if (zone.zoneWidth <= 0 || zone.zoneHeight <= 0)
        return;
    const qint64 content = in.couplet ? qint64(text.characters.size()) * S : qint64(text.size()) * S / 2;
    const int W = stripWidth(content, zone, out.truncated);
    out.PreviewHeight = zone.zoneHeight;
    out.PreviewWidth = W;
    out.stripImage = blackImage(W, zone.zoneHeight);
    if (out.stripImage.isNull())
        return;

    if (in.couplet) {
        ztx(out.stripImage, text, S, in.colour, size.points, in.fontName, zone.zoneHeight);
    } else {
        GridWriter writer(out.stripImage, in.fontName, size.points, in.colour);
        writer.drawLine(text.characters.data(), int(text.characters.size()), 0, (zone.zoneHeight - S) / 2 - 1,
                        S / 2);
    }
    out.image = cutStrip(out.stripImage, zone.zoneWidth, zone.zoneHeight, W);
    out.zoneInfoHeight = out.image.height();
}

} // namespace

QStringList ledSizeTexts()
{
    QStringList texts;
    for (const SizeRow& row : kSizeTable) {
        if (row.size.leds != 56)
            texts << QString::fromUtf8(row.text);
    }
    return texts;
}

LedSize ledSizeForText(const QString& sizeText)
{
    for (const SizeRow& row : kSizeTable) {
        if (sizeText == QString::fromUtf8(row.text))
            return row.size;
    }
    return LedSize{};
}

int manzu(const ZoneRecord& zone)
{
    const int e = zone.zoneEffect;
    const bool sideways = e == 1 || e == 2 || e == 6 || e == 7;
    return zone.zonePlainText > 0 && sideways && zone.zoneStay == 0 ? 88 : 0;
}

QColor textColourForZone(int zoneColour)
{
    switch (zoneColour) {
    case 2:
        return QColor(0, 128, 0);
    case 3:
        return QColor(255, 255, 0);
    default:
        return QColor(255, 0, 0);
    }
}

int bytesPerLine(int zoneWidth, int leds)
{
    return leds > 0 ? std::max(1, zoneWidth / leds * 2) : 1;
}

TextRender Button1Click(const ZoneRecord& zone, const TextInput& input)
{
    installLedFontSubstitutions();
    TextRender out;
    out.zoneHeight = zone.zoneHeight;
    ZoneRecord z = zone;
    z.zoneWidth = std::clamp(zone.zoneWidth, 0, kMaxZoneWidth);
    z.zoneHeight = std::clamp(zone.zoneHeight, 0, kMaxZoneHeight);
    const LedSize size = ledSizeForText(input.sizeText);
    const GbkText text = encodeGbkText(input.text);
    out.replacedCharacters = text.replaced;

    if (manzu(z) != 0)
        strip(z, input, text, size, out);
    else if (input.couplet)
        pageCouplet(z, input, text, size, out);
    else
        pageUpright(z, input, text, size, out);
    return out;
}

void ztx(QImage& target, const GbkText& text, int cell, const QColor& colour, int points,
         const QString& fontName, int zoneHeight)
{
    const int Z = zoneHeight;
    TurnedWriter writer(target, fontName, points, colour, cell);
    int x = 0;
    for (const GbkCharacter& ch : text.characters) {
        writer.draw(ch, x, ch.bytes == 2 ? Z - (Z - cell) / 2 : Z - (Z - cell / 2) / 2);
        x += cell;
        if (x >= target.width())
            break;
    }
}

void ztx1(QImage& target, const GbkText& text, int cell, const QColor& colour, int points,
          const QString& fontName, int baseline)
{
    TurnedWriter writer(target, fontName, points, colour, cell);
    int x = 0;
    for (const GbkCharacter& ch : text.characters) {
        writer.draw(ch, x, ch.bytes == 2 ? baseline : baseline - cell / 4);
        x += cell;
    }
}

} // namespace dotsign
