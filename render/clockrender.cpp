#include "render/clockrender.h"

#include "project/gbk.h"
#include "render/fonts.h"
#include "render/gbktext.h"
#include "render/textrender.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace dotsign {

namespace {

const QString kMonth = QStringLiteral("05");
const QString kDay = QStringLiteral("07");
const QString kHour = QStringLiteral("08");
const QString kMinute = QStringLiteral("06");
const QString kSecond = QStringLiteral("01");
const QString kWeekPrefix = QStringLiteral("星期");
constexpr int kMaxClockSide = 4096;
constexpr int kMaxClockOffset = 1 << 16;

void copyClockPositions(const ZoneRecord& from, ZoneRecord& to)
{
    to.clockYearX = from.clockYearX;
    to.clockYearY = from.clockYearY;
    to.clockMonthX = from.clockMonthX;
    to.clockMonthY = from.clockMonthY;
    to.clockDayX = from.clockDayX;
    to.clockDayY = from.clockDayY;
    to.clockHourX = from.clockHourX;
    to.clockHourY = from.clockHourY;
    to.clockMinuteX = from.clockMinuteX;
    to.clockMinuteY = from.clockMinuteY;
    to.clockSecondX = from.clockSecondX;
    to.clockSecondY = from.clockSecondY;
    to.clockWeekX = from.clockWeekX;
    to.clockWeekY = from.clockWeekY;
    to.clockWeekPos = from.clockWeekPos;
    to.clockTimePos = from.clockTimePos;
}

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

void add(ClockGroup& g, const QString& sample, const QString& mask)
{
    g.sample += sample;
    g.mask += mask;
}

void add(ClockGroup& g, const QString& both)
{
    add(g, both, both);
}

void buildDate(const ClockTexts& t, int style, ClockGroup& d)
{
    const QString Y = t.yearSample;
    const QString y = blanks(int(Y.size()));
    switch (style) {
    case 1:
        if (t.month) {
            add(d, kMonth, blanks(2));
            if (t.day || t.year)
                add(d, QStringLiteral("/"));
        }
        if (t.day) {
            add(d, kDay, blanks(2));
            if (t.year)
                add(d, QStringLiteral("/"));
        }
        if (t.year)
            add(d, Y, y);
        break;
    case 2:
        if (t.year)
            add(d, Y + QStringLiteral("年"), y + QStringLiteral("年"));
        if (t.month)
            add(d, kMonth + QStringLiteral("月"), blanks(2) + QStringLiteral("月"));
        if (t.day)
            add(d, kDay + QStringLiteral("日"), blanks(2) + QStringLiteral("日"));
        break;
    default:
        if (t.year) {
            add(d, Y, y);
            if (t.month || t.day)
                add(d, QStringLiteral("-"));
        }
        if (t.month) {
            add(d, kMonth, blanks(2));
            if (t.day)
                add(d, QStringLiteral("-"));
        }
        if (t.day)
            add(d, kDay, blanks(2));
        break;
    }
}

void buildTime(const ClockTexts& t, int style, bool multiLine, ClockGroup& g)
{
    if (style == 2) {
        if (t.hour)
            add(g, kHour + QStringLiteral("点"), blanks(2) + QStringLiteral("点"));
        if (t.minute)
            add(g, kMinute + QStringLiteral("分"), blanks(2) + QStringLiteral("分"));
        if (t.second)
            add(g, kSecond + QStringLiteral("秒"), blanks(2) + QStringLiteral("秒"));
        return;
    }
    if (t.hour) {
        // On one line the time keeps a blank between itself and what precedes it.
        const bool lead = !multiLine && (style == 1 || t.year || t.month || t.day || t.weekday);
        add(g, lead ? QStringLiteral(" ") + kHour : kHour, blanks(lead ? 3 : 2));
        if (t.minute || t.second)
            add(g, QStringLiteral(":"));
    }
    if (t.minute) {
        add(g, kMinute, blanks(2));
        if (t.second)
            add(g, QStringLiteral(":"));
    }
    if (t.second)
        add(g, kSecond, blanks(2));
}

// Bytes of the GBK text before `text`'s first occurrence of `sample`, or -1.
int bytesBefore(const QString& text, const QString& sample)
{
    const int at = int(text.indexOf(sample));
    return at < 0 ? -1 : int(toGbk(text.left(at)).size());
}

int gbkLength(const QString& text)
{
    return int(toGbk(text).size());
}

QColor backColour(int zoneBackColour)
{
    switch (zoneBackColour) {
    case 1:
        return QColor(255, 0, 0);
    case 2:
        return QColor(0, 128, 0);
    case 3:
        return QColor(255, 255, 0);
    default:
        return QColor(0, 0, 0);
    }
}

class ClockPainter
{
public:
    ClockPainter(QImage& image, const ZoneRecord& zone, int S)
        : m_painter(&image), m_font(ledFont(zone.zoneFont == 0 ? kSongTi : kHeiTi, S)),
          m_ascent(QFontMetrics(m_font).ascent()), m_half(S / 2)
    {
        m_painter.setFont(m_font);
        m_painter.setPen(textColourForZone(zone.zoneColour));
    }

    // One line on the byte grid with its top-left corner at (x, y).
    void draw(const QString& line, int x, int y)
    {
        for (const GbkCharacter& ch : encodeGbkText(line).characters) {
            if (!ch.text.isEmpty() && ch.text.at(0).unicode() > 0x20)
                m_painter.drawText(QPoint(x, y + m_ascent), ch.text);
            x += ch.bytes * m_half;
        }
    }

private:
    QPainter m_painter;
    QFont m_font;
    int m_ascent;
    int m_half;
};

struct ElementSlot
{
    bool shown;
    const QString* sample;
    int* x;
    int* y;
};

// Writes the positions of the elements found in `sample`, a line drawn at (x, y).
void placeElements(ZoneRecord& zone, const ClockTexts& t, const QString& sample, int x, int y, int c)
{
    const ElementSlot elements[] = {
        {t.year, &t.yearSample, &zone.clockYearX, &zone.clockYearY},
        {t.month, &kMonth, &zone.clockMonthX, &zone.clockMonthY},
        {t.day, &kDay, &zone.clockDayX, &zone.clockDayY},
        {t.hour, &kHour, &zone.clockHourX, &zone.clockHourY},
        {t.minute, &kMinute, &zone.clockMinuteX, &zone.clockMinuteY},
        {t.second, &kSecond, &zone.clockSecondX, &zone.clockSecondY},
    };
    for (const ElementSlot& s : elements) {
        const int before = s.shown ? bytesBefore(sample, *s.sample) : -1;
        if (before < 0)
            continue;
        *s.x = x + c * before;
        *s.y = y;
    }
}

void singleLine(ClockPainter& painter, ZoneRecord& zone, const ClockTexts& t, int mode, int c)
{
    const QString& F = zone.clockFixedText;
    const QString sample = F + t.date.sample + t.week.sample + t.time.sample;
    const QString drawn = mode == ClockDownload ? F + t.date.mask + t.week.mask + t.time.mask : sample;
    painter.draw(drawn, zone.zoneInfoX, zone.zoneInfoY);

    placeElements(zone, t, sample, zone.zoneInfoX, zone.zoneInfoY, c);
    if (t.weekday) {
        int before = bytesBefore(sample, kWeekPrefix);
        if (before < 0)
            before = gbkLength(F + t.date.sample);
        zone.clockWeekX = zone.zoneInfoX + c * 4 + c * before;
        zone.clockWeekY = zone.zoneInfoY;
        zone.clockWeekPos = zone.zoneInfoY;
    }
    if (t.hour || t.minute || t.second)
        zone.clockTimePos = zone.zoneInfoY;
}

void multiLine(ClockPainter& painter, ZoneRecord& zone, const ClockTexts& t, int mode, int S, int c)
{
    enum Kind { Fixed, Date, Week, Time };
    struct Line
    {
        Kind kind;
        ClockGroup group;
    };
    std::vector<Line> lines;
    if (!zone.clockFixedText.trimmed().isEmpty())
        lines.push_back({Fixed, {zone.clockFixedText, zone.clockFixedText}});
    if (t.year || t.month || t.day)
        lines.push_back({Date, t.date});
    if (t.weekday)
        lines.push_back({Week, t.week});
    if (t.hour || t.minute || t.second)
        lines.push_back({Time, t.time});

    int w = 0;
    for (const Line& line : lines)
        w = std::max(w, c * gbkLength(line.group.sample));

    int y = zone.zoneInfoY + zone.zoneInfoSpacing;
    for (const Line& line : lines) {
        const int x = zone.zoneInfoX + (w - c * gbkLength(line.group.sample)) / 2;
        painter.draw(mode == ClockDownload ? line.group.mask : line.group.sample, x, y);
        switch (line.kind) {
        case Fixed:
            // The line after the fixed text touches it.
            y = zone.zoneInfoY + S + zone.zoneInfoSpacing;
            continue;
        case Week:
            zone.clockWeekX = x + c * 4;
            zone.clockWeekY = y;
            zone.clockWeekPos = y;
            break;
        case Time:
            zone.clockTimePos = y;
            placeElements(zone, t, line.group.sample, x, y, c);
            break;
        case Date:
            placeElements(zone, t, line.group.sample, x, y, c);
            break;
        }
        y += S + zone.zoneInfoSpacing;
    }
}

} // namespace

QString weekdaySample(const QStringList& weekdayNames)
{
    return weekdayNames.isEmpty() ? QStringLiteral("星期六") : weekdayNames.last();
}

int clockDigitSize(int zoneFontSize)
{
    switch (zoneFontSize) {
    case 0:
        return 12;
    case 2:
        return 32;
    default:
        return 16;
    }
}

ClockTexts clockTexts(const ZoneRecord& zone, const QString& weekday)
{
    ClockTexts t;
    const int v = zone.clockOptions;
    t.year = v >= 128;
    t.month = v % 128 >= 64;
    t.day = v % 64 >= 32;
    t.weekday = v % 32 >= 16;
    t.hour = v % 16 >= 8;
    t.minute = v % 8 >= 4;
    t.second = v % 4 >= 2;
    t.yearSample = zone.clockYearFormat == 0 ? QStringLiteral("2009") : QStringLiteral("09");

    buildDate(t, zone.clockStyle, t.date);
    buildTime(t, zone.clockStyle, zone.clockMultiLine != 0, t.time);
    if (t.weekday)
        t.week = {weekday, kWeekPrefix + blanks(2)};
    return t;
}

QImage ClocktoImage(ZoneRecord& zone, int mode, const QStringList& weekdayNames)
{
    installLedFontSubstitutions();
    const int S = clockDigitSize(zone.zoneFontSize);
    const int c = S / 2;
    const ClockTexts t = clockTexts(zone, weekdaySample(weekdayNames));

    // Laid out on a copy whose offsets and size a damaged record cannot push
    // into overflowing arithmetic; the positions are then copied back.
    ZoneRecord layout = zone;
    layout.zoneWidth = std::clamp(zone.zoneWidth, 0, kMaxClockSide);
    layout.zoneHeight = std::clamp(zone.zoneHeight, 0, kMaxClockSide);
    layout.zoneInfoX = std::clamp(zone.zoneInfoX, -kMaxClockOffset, kMaxClockOffset);
    layout.zoneInfoY = std::clamp(zone.zoneInfoY, -kMaxClockOffset, kMaxClockOffset);
    layout.zoneInfoSpacing = std::clamp(zone.zoneInfoSpacing, -kMaxClockOffset, kMaxClockOffset);

    QImage image;
    if (layout.zoneWidth > 0 && layout.zoneHeight > 0)
        image = QImage(layout.zoneWidth, layout.zoneHeight, QImage::Format_RGB32);
    QImage scratch(1, 1, QImage::Format_RGB32); // positions are laid out even for a zone without size
    QImage& target = image.isNull() ? scratch : image;
    target.fill(backColour(zone.zoneBackColour));

    ClockPainter painter(target, layout, S);
    if (layout.clockMultiLine == 0)
        singleLine(painter, layout, t, mode, c);
    else
        multiLine(painter, layout, t, mode, S, c);
    copyClockPositions(layout, zone);
    return image;
}

} // namespace dotsign
