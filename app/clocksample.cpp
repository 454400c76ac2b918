#include "app/clocksample.h"

#include "project/gbk.h"
#include "render/fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace dotsign {

namespace {

int byteLength(const QString& text)
{
    return static_cast<int>(toGbk(text).size());
}

struct Flags
{
    bool year, month, day, week, hour, minute, second;
};

Flags flagsOf(int v)
{
    return {v >= 128,      (v % 128) >= 64, (v % 64) >= 32, (v % 32) >= 16,
            (v % 16) >= 8, (v % 8) >= 4,    (v % 4) >= 2};
}

QString dateGroup(const Flags& f, int style, const QString& y)
{
    QString d;
    switch (style) {
    case 1:
        if (f.month)
            d += QStringLiteral("05") + ((f.day || f.year) ? QStringLiteral("/") : QString());
        if (f.day)
            d += QStringLiteral("07") + (f.year ? QStringLiteral("/") : QString());
        if (f.year)
            d += y;
        return d;
    case 2:
        if (f.year)
            d += y + QStringLiteral("年");
        if (f.month)
            d += QStringLiteral("05月");
        if (f.day)
            d += QStringLiteral("07日");
        return d;
    default:
        if (f.year)
            d += y + ((f.month || f.day) ? QStringLiteral("-") : QString());
        if (f.month)
            d += QStringLiteral("05") + (f.day ? QStringLiteral("-") : QString());
        if (f.day)
            d += QStringLiteral("07");
        return d;
    }
}

QString timeGroup(const Flags& f, int style, bool multiLine)
{
    QString t;
    if (style == 2) {
        if (f.hour)
            t += QStringLiteral("08点");
        if (f.minute)
            t += QStringLiteral("06分");
        if (f.second)
            t += QStringLiteral("01秒");
        return t;
    }
    if (f.hour) {
        const bool lead = style == 1 ? !multiLine : (!multiLine && (f.year || f.month || f.day || f.week));
        t += (lead ? QStringLiteral(" 08") : QStringLiteral("08")) +
             ((f.minute || f.second) ? QStringLiteral(":") : QString());
    }
    if (f.minute)
        t += QStringLiteral("06") + (f.second ? QStringLiteral(":") : QString());
    if (f.second)
        t += QStringLiteral("01");
    return t;
}

} // namespace

ClockGroups clockSampleGroups(int clockOptions, int clockStyle, int clockYearFormat, bool multiLine)
{
    const Flags f = flagsOf(clockOptions);
    const QString y = clockYearFormat == 0 ? QStringLiteral("2009") : QStringLiteral("09");
    ClockGroups g;
    g.date = dateGroup(f, clockStyle, y);
    g.time = timeGroup(f, clockStyle, multiLine);
    g.week = f.week ? QStringLiteral("星期六") : QString();
    return g;
}

int clockOptionsFrom(bool year, bool month, bool day, bool week, bool hour, bool minute, bool second)
{
    return (year ? 128 : 0) + (month ? 64 : 0) + (day ? 32 : 0) + (week ? 16 : 0) + (hour ? 8 : 0) +
           (minute ? 4 : 0) + (second ? 2 : 0);
}

int clockPointSize(int digitSize)
{
    return digitSize == 32 ? 24 : digitSize == 12 ? 9 : 12;
}

ClockSample drawClockSample(const ClockSampleInput& in)
{
    ClockSample out;
    out.image = QImage(qMax(in.width, 0), qMax(in.height, 0), QImage::Format_RGB32);
    out.image.fill(in.background);
    if (out.image.isNull())
        return out;
    QPainter p(&out.image);
    const QFont font = ledFont(in.family, pixelsForPoints(clockPointSize(in.digitSize)));
    p.setFont(font);
    p.setPen(in.colour);
    const QFontMetrics fm(font);
    auto draw = [&](int x, int y, const QString& text) { p.drawText(x, y + fm.ascent(), text); };
    const int s = in.digitSize;
    const int c = s / 2;

    if (!in.multiLine) {
        const QString line = in.fixedText + in.groups.date + in.groups.week + in.groups.time;
        draw(in.x, in.y + in.spacing, line);
        out.textHeight = s;
        out.textWidth = byteLength(line) * s / 2;
        return out;
    }

    const bool fixedShown = !in.fixedText.trimmed().isEmpty();
    QList<QString> lines;
    if (fixedShown)
        lines << in.fixedText;
    for (const QString& g : {in.groups.date, in.groups.week, in.groups.time})
        if (!g.isEmpty())
            lines << g;
    int w = 0;
    for (const QString& l : lines)
        w = std::max(w, c * byteLength(l));

    int y = in.y + in.spacing;
    int top = -1;
    int timeTop = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& l = lines.at(i);
        draw(in.x + (w - c * byteLength(l)) / 2, y, l);
        if (top < 0)
            top = y;
        if (i == lines.size() - 1 && !in.groups.time.isEmpty())
            timeTop = y;
        // The fixed text and the line after it touch; the groups keep the spacing.
        y += (i == 0 && fixedShown) ? s : s + in.spacing;
    }
    if (top < 0)
        top = in.y + in.spacing;
    // Up to S rows below the time line, or below where a further line would start.
    const int bottom = (timeTop >= 0 ? timeTop : y) + s;
    out.textWidth = w;
    out.textHeight = bottom - top;
    return out;
}

} // namespace dotsign
