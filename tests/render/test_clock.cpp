#include "render/clockrender.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace {

constexpr int kYear = 128, kMonth = 64, kDay = 32, kWeek = 16, kHour = 8, kMinute = 4, kSecond = 2;
constexpr int kAll = kYear | kMonth | kDay | kWeek | kHour | kMinute | kSecond;

ZoneRecord clockZone(int options, int style = 0, int size = 1)
{
    ZoneRecord z;
    z.zoneType = ZoneClock;
    z.zoneWidth = 256;
    z.zoneHeight = 32;
    z.clockOptions = options;
    z.clockStyle = style;
    z.zoneFontSize = size;
    z.clockYearFormat = 0;
    // Marks for positions that must stay untouched.
    z.clockYearX = z.clockMonthX = z.clockDayX = z.clockHourX = z.clockMinuteX = z.clockSecondX = -7;
    z.clockWeekX = z.clockWeekPos = z.clockTimePos = -7;
    return z;
}

bool isLit(const QImage& image, const QRect& area)
{
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return true;
    return false;
}

TEST(ClockLayout, WorkedExampleOnOneLine)
{
    ZoneRecord z = clockZone(kAll);
    const QImage image = ClocktoImage(z, ClockPreview, {});
    EXPECT_EQ(image.size(), QSize(256, 32));
    EXPECT_EQ(z.clockYearX, 0);
    EXPECT_EQ(z.clockMonthX, 40);
    EXPECT_EQ(z.clockDayX, 64);
    EXPECT_EQ(z.clockWeekX, 112);
    EXPECT_EQ(z.clockHourX, 136);
    EXPECT_EQ(z.clockMinuteX, 160);
    EXPECT_EQ(z.clockSecondX, 184);
    for (int y : {z.clockYearY, z.clockMonthY, z.clockDayY, z.clockHourY, z.clockMinuteY, z.clockSecondY,
                  z.clockWeekY, z.clockWeekPos, z.clockTimePos})
        EXPECT_EQ(y, 0);

    const ClockTexts t = clockTexts(z, QStringLiteral("星期六"));
    EXPECT_EQ(t.date.sample + t.week.sample + t.time.sample, QStringLiteral("2009-05-07星期六 08:06:01"));
    EXPECT_EQ(t.date.mask + t.week.mask + t.time.mask, QStringLiteral("    -  -  星期     :  :  "));
}

TEST(ClockLayout, PositionsFollowTheTextOrigin)
{
    ZoneRecord z = clockZone(kAll);
    z.zoneInfoX = 3;
    z.zoneInfoY = 5;
    z.zoneFontSize = 0; // 12 LEDs: c = 6
    ClocktoImage(z, ClockDownload, {});
    EXPECT_EQ(z.clockMonthX, 3 + 6 * 5);
    EXPECT_EQ(z.clockWeekX, 3 + 6 * 4 + 6 * 10);
    EXPECT_EQ(z.clockSecondX, 3 + 6 * 23);
    EXPECT_EQ(z.clockTimePos, 5);
    EXPECT_EQ(z.clockWeekPos, 5);
}

struct GroupCase
{
    const char* name;
    int options, style, multiLine, yearFormat;
    QString date, time;
};

class ClockGroups : public ::testing::TestWithParam<GroupCase>
{
};

TEST_P(ClockGroups, BuildsTheSampleTexts)
{
    const GroupCase& c = GetParam();
    ZoneRecord z = clockZone(c.options, c.style);
    z.clockMultiLine = c.multiLine;
    z.clockYearFormat = c.yearFormat;
    const ClockTexts t = clockTexts(z, QStringLiteral("星期六"));
    EXPECT_EQ(t.date.sample, c.date);
    EXPECT_EQ(t.time.sample, c.time);
    // Masks keep the length and blank every digit.
    EXPECT_EQ(t.date.mask.size(), t.date.sample.size());
    EXPECT_EQ(t.time.mask.size(), t.time.sample.size());
    for (const QString& mask : {t.date.mask, t.time.mask})
        for (QChar ch : mask)
            EXPECT_FALSE(ch.isDigit()) << mask.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClockGroups,
    ::testing::Values(
        GroupCase{"Style1MonthDay", kMonth | kDay, 1, 0, 0, QStringLiteral("05/07"), QString()},
        GroupCase{"Style1All", kAll, 1, 0, 0, QStringLiteral("05/07/2009"), QStringLiteral(" 08:06:01")},
        GroupCase{"Style1HourOnlyKeepsItsBlank", kHour, 1, 0, 0, QString(), QStringLiteral(" 08")},
        GroupCase{"Style0MonthOnly", kMonth, 0, 0, 0, QStringLiteral("05"), QString()},
        GroupCase{"Style0HourMinute", kHour | kMinute, 0, 0, 0, QString(), QStringLiteral("08:06")},
        GroupCase{"Style0YearHourMinute", kYear | kHour | kMinute, 0, 0, 0, QStringLiteral("2009"),
                  QStringLiteral(" 08:06")},
        GroupCase{"Style0MultiLineNoBlank", kAll, 0, 1, 0, QStringLiteral("2009-05-07"),
                  QStringLiteral("08:06:01")},
        GroupCase{"Style0MinuteSecond", kMinute | kSecond, 0, 0, 0, QString(), QStringLiteral("06:01")},
        GroupCase{"Style2TwoDigitYear", kYear | kMonth | kHour, 2, 1, 1, QStringLiteral("09年05月"),
                  QStringLiteral("08点")},
        GroupCase{"Style2All", kAll, 2, 0, 0, QStringLiteral("2009年05月07日"),
                  QStringLiteral("08点06分01秒")}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.name); });

TEST(ClockLayout, Style1MonthAndDayPositions)
{
    ZoneRecord z = clockZone(kMonth | kDay, 1);
    z.zoneInfoX = 10;
    ClocktoImage(z, ClockPreview, {});
    EXPECT_EQ(z.clockMonthX, 10);
    EXPECT_EQ(z.clockDayX, 10 + 3 * 8);
    EXPECT_EQ(z.clockTimePos, -7); // no time shown: untouched
    EXPECT_EQ(z.clockHourX, -7);
}

TEST(ClockLayout, Style2MultiLineCentresEachLine)
{
    ZoneRecord z = clockZone(kYear | kMonth | kHour, 2);
    z.clockMultiLine = 1;
    z.clockYearFormat = 1;
    z.zoneInfoX = 4;
    ClocktoImage(z, ClockPreview, {});
    // w = 8c; the date line starts at zoneInfoX, the 4-byte time line 2c further.
    EXPECT_EQ(z.clockYearX, 4);
    EXPECT_EQ(z.clockMonthX, 4 + 4 * 8);
    EXPECT_EQ(z.clockHourX, 4 + 2 * 8);
    EXPECT_EQ(z.clockYearY, 0);
    EXPECT_EQ(z.clockHourY, 16);
    EXPECT_EQ(z.clockTimePos, 16);
}

TEST(ClockLayout, MultiLineRowsAfterFixedText)
{
    ZoneRecord z = clockZone(kYear | kMonth | kDay | kWeek, 0, 0);
    z.clockMultiLine = 1;
    z.clockFixedText = QStringLiteral("ABC");
    z.zoneInfoY = 2;
    z.zoneInfoSpacing = 1;
    z.zoneHeight = 48;
    const QImage image = ClocktoImage(z, ClockPreview, {});
    EXPECT_EQ(z.clockYearY, 15); // D follows F (row 3) directly
    EXPECT_EQ(z.clockWeekY, 28);
    EXPECT_EQ(z.clockWeekPos, 28);
    // w = 10 bytes (the date); the weekday line (6 bytes) is centred: x = 2c, digits from 4c on.
    EXPECT_EQ(z.clockWeekX, 2 * 6 + 4 * 6);
    EXPECT_TRUE(isLit(image, QRect(0, 3, 256, 12))); // the fixed text
}

TEST(ClockLayout, MaskHasNoDigitsSampleHasThem)
{
    ZoneRecord z = clockZone(kAll);
    const QImage sample = ClocktoImage(z, ClockPreview, {});
    const QImage mask = ClocktoImage(z, ClockDownload, {});
    const QRect hour(z.clockHourX, 0, 16, 16);
    const QRect year(z.clockYearX, 0, 32, 16);
    EXPECT_TRUE(isLit(sample, hour));
    EXPECT_TRUE(isLit(sample, year));
    EXPECT_FALSE(isLit(mask, hour));
    EXPECT_FALSE(isLit(mask, year));
    EXPECT_TRUE(isLit(mask, QRect(96, 0, 16, 16)));   // "星期" stays
    EXPECT_TRUE(isLit(mask, QRect(32, 0, 8, 16)));    // the hyphen stays
    EXPECT_FALSE(isLit(mask, QRect(112, 0, 16, 16))); // the weekday name is the controller's
    EXPECT_TRUE(isLit(sample, QRect(112, 0, 16, 16)));
}

TEST(ClockLayout, WeekdaySampleIsTheLastName)
{
    EXPECT_EQ(weekdaySample({}), QStringLiteral("星期六"));
    EXPECT_EQ(weekdaySample({QStringLiteral("Sun"), QStringLiteral("周六")}), QStringLiteral("周六"));
    // A weekday name without "星期" still places the digits after the group's first four bytes.
    ZoneRecord z = clockZone(kWeek);
    ClocktoImage(z, ClockPreview, {QStringLiteral("周六")});
    EXPECT_EQ(z.clockWeekX, 4 * 8);
}

TEST(ClockLayout, NothingShownIsAPlainBackground)
{
    ZoneRecord z = clockZone(0);
    z.zoneBackColour = 2;
    const QImage image = ClocktoImage(z, ClockPreview, {});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, qRgb(0, 128, 0) & 0xFFFFFF);
    for (int v : {z.clockYearX, z.clockHourX, z.clockWeekX, z.clockWeekPos, z.clockTimePos})
        EXPECT_EQ(v, -7);
}

TEST(ClockLayout, RedBackgroundHidesRedText)
{
    ZoneRecord z = clockZone(kAll);
    z.zoneBackColour = 1;
    z.zoneColour = 1;
    const QImage image = ClocktoImage(z, ClockPreview, {});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, 0xFF0000u);
}

TEST(ClockLayout, ZoneWithoutSizeStillPlacesTheDigits)
{
    ZoneRecord z = clockZone(kAll);
    z.zoneWidth = 0;
    EXPECT_TRUE(ClocktoImage(z, ClockPreview, {}).isNull());
    EXPECT_EQ(z.clockSecondX, 184);
    EXPECT_EQ(clockDigitSize(0), 12);
    EXPECT_EQ(clockDigitSize(2), 32);
    EXPECT_EQ(clockDigitSize(9), 16);
}

} // namespace
