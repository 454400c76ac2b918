#include "app/clocksample.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace {

constexpr int Y = 128, M = 64, D = 32, W = 16, H = 8, MI = 4, S = 2;

} // namespace

TEST(ClockSample, GroupTextsByStyleAndElements)
{
    struct Case
    {
        const char* what;
        int options, style, yearFormat;
        bool multi;
        QString date, time, week;
    };
    const Case cases[] = {
        {"style 0 all, single line", Y + M + D + W + H + MI + S, 0, 0, false, QStringLiteral("2009-05-07"),
         QStringLiteral(" 08:06:01"), QStringLiteral("星期六")},
        {"style 0 month only", M, 0, 0, false, QStringLiteral("05"), QString(), QString()},
        {"style 0 hour and minute", H + MI, 0, 0, false, QString(), QStringLiteral("08:06"), QString()},
        {"style 0 year and hour", Y + H, 0, 0, false, QStringLiteral("2009"), QStringLiteral(" 08"),
         QString()},
        {"style 0 year and hour, multi-line", Y + H, 0, 0, true, QStringLiteral("2009"), QStringLiteral("08"),
         QString()},
        {"style 1 month and day", M + D, 1, 0, false, QStringLiteral("05/07"), QString(), QString()},
        {"style 1 all, two-digit year", Y + M + D + H, 1, 1, false, QStringLiteral("05/07/09"),
         QStringLiteral(" 08"), QString()},
        {"style 2 two-digit year, month, hour", Y + M + H, 2, 1, true, QStringLiteral("09年05月"),
         QStringLiteral("08点"), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ClockGroups g = clockSampleGroups(c.options, c.style, c.yearFormat, c.multi);
        EXPECT_EQ(g.date, c.date);
        EXPECT_EQ(g.time, c.time);
        EXPECT_EQ(g.week, c.week);
    }
    EXPECT_EQ(clockOptionsFrom(true, false, false, false, true, false, false), Y + H);
}

TEST(ClockSample, TextSizeForAlignment)
{
    ClockSampleInput in;
    in.width = 64;
    in.height = 16;
    in.family = QStringLiteral("宋体");
    in.digitSize = 16;
    in.groups = clockSampleGroups(H + MI + S, 0, 0, false); // "08:06:01" is 8 bytes
    ClockSample single = drawClockSample(in);
    EXPECT_EQ(single.image.size(), QSize(64, 16));
    EXPECT_EQ(single.textWidth, 64); // centring gives X = (64 - 64) / 2 = 0
    EXPECT_EQ(single.textHeight, 16);

    // Multi-line: fixed text at row Y + spacing, the next line touching it,
    // the groups after it S + spacing apart.
    in.multiLine = true;
    in.digitSize = 12;
    in.y = 2;
    in.spacing = 1;
    in.height = 64;
    in.fixedText = QStringLiteral("ABC");
    in.groups = clockSampleGroups(Y + M + D + W, 0, 0, true);
    const ClockSample multi = drawClockSample(in);
    // F at 3, D at 15, K at 28; no time line: up to S below where a further line would start (41).
    EXPECT_EQ(multi.textHeight, 41 + 12 - 3);
    EXPECT_EQ(multi.textWidth, 6 * 10); // the widest line "2009-05-07" at c = 6
}
