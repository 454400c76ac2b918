#pragma once
// The sample clock the clock editor draws while the operator edits a clock
// zone: the date, weekday and time groups built from sample digits, laid out
// on one line or one line per group, with the size of the laid-out text that
// the alignment buttons use.

#include <QColor>
#include <QImage>
#include <QString>

namespace dotsign {

struct ClockGroups
{
    QString date;
    QString time;
    QString week;
};

// The sample texts of the date, time and weekday groups for the element flags
// of `clockOptions` (128 year ... 2 second), a style 0..2, the year format
// (0 four digits) and the line mode.
ClockGroups clockSampleGroups(int clockOptions, int clockStyle, int clockYearFormat, bool multiLine);

// Element flags from the ticked boxes and back.
int clockOptionsFrom(bool year, bool month, bool day, bool week, bool hour, bool minute, bool second);

struct ClockSampleInput
{
    int width = 0;
    int height = 0;
    QColor background = Qt::black;
    QColor colour = Qt::red;
    QString family;
    int digitSize = 16; // S: 12, 16 or 32 LEDs
    int x = 0;
    int y = 0;
    int spacing = 0;
    bool multiLine = false;
    QString fixedText;
    ClockGroups groups;
};

struct ClockSample
{
    QImage image;
    int textWidth = 0;
    int textHeight = 0;
};

ClockSample drawClockSample(const ClockSampleInput& in);

// Point size for a digit size (24, 12 or 9).
int clockPointSize(int digitSize);

} // namespace dotsign
