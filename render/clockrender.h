#pragma once
// Clock zones. The controller draws the changing digits itself, at positions
// the program index tells it; the zone bitmap carries everything else: the
// background, the fixed text, separators and unit characters, and "星期" of
// the weekday. The preview draws a sample clock with digits; the download
// draws the mask, the same text with every digit blanked.
//
// Positions are found by searching fixed sample values (2009-05-07 08:06:01,
// the last weekday name) in the laid-out text, so the samples never follow
// the real date: nothing here reads the clock.

#include "project/projectstate.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace dotsign {

enum ClockMode { ClockPreview = 0, ClockDownload = 1 };

struct ClockGroup
{
    QString sample;
    QString mask; // the sample with every digit a blank
};

struct ClockTexts
{
    ClockGroup date;
    ClockGroup time;
    ClockGroup week;
    bool year = false, month = false, day = false, weekday = false;
    bool hour = false, minute = false, second = false;
    QString yearSample; // "2009", or "09" for two-digit years
};

// The three groups of a zone's clock text for its style and options.
ClockTexts clockTexts(const ZoneRecord& zone, const QString& weekdaySample);

// The weekday sample: the last of `weekdayNames` ("星期六" when there are none).
QString weekdaySample(const QStringList& weekdayNames);

// Digit size in LEDs of a clock's zoneFontSize: 0 = 12, 2 = 32, otherwise 16.
int clockDigitSize(int zoneFontSize);

// Renders a clock zone (mode 0 preview sample, 1 download mask) into a
// zoneWidth x zoneHeight bitmap and writes the element positions into the
// zone (clockYearX ... clockWeekY, clockWeekPos, clockTimePos). Saving the
// bitmap, zoneFile and the copy into the planes are the caller's.
QImage ClocktoImage(ZoneRecord& zone, int mode, const QStringList& weekdayNames);

} // namespace dotsign
