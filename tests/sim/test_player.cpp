#include "sim/clockdigits.h"
#include "sim/effects.h"
#include "sim/player.h"
#include "test_player_fixture.h"

#include <functional>
#include <set>

using namespace dotsign;
using namespace dotsign::testing;

namespace {

const QDateTime kFriday8(QDate(2026, 12, 11), QTime(8, 0, 0));

// An asymmetric picture, so that a mirrored or shifted result is told apart.
LedImage pattern(int w, int h, uint8_t colour, int seed)
{
    LedImage img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x * 7 + y * 3 + seed) % 5 == 0 || (x == 0 && y < h / 2))
                img.set(x, y, colour);
    return img;
}

LedImage rowsFrom(const LedImage& base, const LedImage& page, int y0, int y1)
{
    LedImage out = base;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < page.width; ++x)
            out.set(x, y, page.at(x, y));
    return out;
}

LedImage columnsFrom(const LedImage& base, const LedImage& page, int x0, int x1)
{
    LedImage out = base;
    for (int y = 0; y < page.height; ++y)
        for (int x = x0; x < x1; ++x)
            out.set(x, y, page.at(x, y));
    return out;
}

} // namespace

// Every effect at a step part-way in, on a 16 x 8 zone, against a picture
// built by moving the two pages by hand.
TEST(Effects, EachEffectPartWayIn)
{
    const int w = 16, h = 8;
    const LedImage before = pattern(w, h, LedImage::Green, 1);
    const LedImage page = pattern(w, h, LedImage::Red, 3);
    const LedImage blank(w, h);
    struct Case
    {
        int effect;
        int step;
        std::function<LedImage()> expected;
    };
    const std::vector<Case> cases = {
        {1, 5, [&] { return shifted(page, w - 5, 0, shifted(before, -5, 0, blank)); }},
        {2, 5, [&] { return shifted(page, 5 - w, 0, shifted(before, 5, 0, blank)); }},
        {3, 3, [&] { return shifted(page, 0, h - 3, shifted(before, 0, -3, blank)); }},
        {4, 3, [&] { return shifted(page, 0, 3 - h, shifted(before, 0, 3, blank)); }},
        {5, 0, [&] { return page; }},
        {6, 5, [&] { return shifted(page, w - 5, 0, before); }},
        {7, 5, [&] { return shifted(page, 5 - w, 0, before); }},
        {8, 3, [&] { return shifted(page, 0, h - 3, before); }},
        {9, 3, [&] { return shifted(page, 0, 3 - h, before); }},
        {10, 3, [&] { return rowsFrom(before, page, 0, 3); }},
        {11, 3, [&] { return rowsFrom(before, page, h - 3, h); }},
        {12, 5, [&] { return columnsFrom(before, page, 0, 5); }},
        {13, 5, [&] { return columnsFrom(before, page, w - 5, w); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        EXPECT_EQ(composeEntry(c.effect, before, page, c.step), c.expected());
        const int steps = effectSteps(c.effect, w, h);
        EXPECT_EQ(composeEntry(c.effect, before, page, steps), page);
        if (steps > 0) {
            EXPECT_EQ(composeEntry(c.effect, before, page, 0), before);
        }
    }
}

TEST(Effects, RandomStaysWithinTheListAndUnknownCodesFlip)
{
    std::set<int> seen;
    for (uint32_t seed = 0; seed < 400; ++seed) {
        const int e = resolveEffect(kEffectRandom, seed);
        ASSERT_GE(e, 1);
        ASSERT_LE(e, 13);
        seen.insert(e);
    }
    EXPECT_EQ(seen.size(), 13u);
    for (int code : {0, 15, 255, -1})
        EXPECT_EQ(resolveEffect(code, 7), kEffectFlip);
    EXPECT_EQ(effectName(14), QStringLiteral("随机"));
    EXPECT_EQ(effectName(6), QStringLiteral("从右向左移动"));
}

TEST(DecodeFrames, RowInterleavedTwoColoursAndShortData)
{
    // 20 columns: two bytes per row, the last four columns are never sent.
    LedImage f(20, 2);
    f.set(0, 0, LedImage::Red);
    f.set(9, 0, LedImage::Green);
    f.set(15, 1, LedImage::Yellow);
    f.set(17, 1, LedImage::Red);
    const QByteArray data = encodeFrames({f}, 2);
    ASSERT_EQ(data.toHex(), QByteArray("80000040"
                                       "00010001"));
    LedImage expected = f;
    expected.set(17, 1, LedImage::Off);
    const auto frames = decodeFrames(data, 20, 2, 2, 1);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], expected);

    // The same bytes read as one colour are twice as many rows.
    const auto red = decodeFrames(data, 16, 4, 1, 1);
    EXPECT_EQ(red[0].at(8 + 1, 1), LedImage::Red); // the green row of row 0
    // Missing bytes are dark; nothing is read beyond the data.
    const auto two = decodeFrames(data.left(3), 20, 2, 2, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].at(0, 0), LedImage::Red);
    EXPECT_EQ(two[0].at(15, 1), LedImage::Off);
    EXPECT_EQ(two[1], LedImage(20, 2));
    EXPECT_TRUE(decodeFrames(data, 0, 2, 1, 3).empty());
}

// Three pages sliding in from the right: 32 steps of 30 ms (speed 3), then
// two seconds standing; after the last page the program starts again.
TEST(Player, PageSequenceAndTiming)
{
    const int w = 32, h = 16;
    const std::vector<LedImage> pages = {bar(w, h, 0, 2), bar(w, h, 10, 3), bar(w, h, 25, 4)};
    SignBuilder b(w, h);
    b.addProgram(pages, 6, 3, 2);
    Player player(b.content(), kFriday8);
    ASSERT_TRUE(player.problems().isEmpty()) << player.problems().join(QLatin1Char('\n')).toStdString();
    const LedImage blank(w, h);
    struct Instant
    {
        qint64 ms;
        LedImage expected;
        int page;
        bool entering;
    };
    const std::vector<Instant> instants = {
        {0, blank, 1, true},
        {29, blank, 1, true},
        {30, shifted(pages[0], w - 1, 0, blank), 1, true},
        {480, shifted(pages[0], w - 16, 0, blank), 1, true},
        {960, pages[0], 1, false},
        {2959, pages[0], 1, false},
        {2960 + 300, shifted(pages[1], w - 10, 0, pages[0]), 2, true},
        {5000, pages[1], 2, false},
        {5920 + 960, pages[2], 3, false},
        {8879, pages[2], 3, false},
        // The program starts over: the zone is cleared before its first page.
        {8880 + 60, shifted(pages[0], w - 2, 0, blank), 1, true},
    };
    for (const Instant& at : instants) {
        SCOPED_TRACE(at.ms);
        EXPECT_EQ(player.frameAt(at.ms).hash(), at.expected.hash());
        const PlayerStatus s = player.status();
        ASSERT_EQ(s.zones.size(), 1u);
        EXPECT_EQ(s.program, 1);
        EXPECT_EQ(s.zones[0].page, at.page);
        EXPECT_EQ(s.zones[0].entering, at.entering);
    }
    // Going back in time replays from the start.
    EXPECT_EQ(player.frameAt(480), shifted(pages[0], w - 16, 0, blank));
}

// One instant inside the entry of each effect class, and its duration.
TEST(Player, EffectClassesOnASmallZone)
{
    const int w = 16, h = 8;
    const LedImage p1 = pattern(w, h, LedImage::Red, 0), p2 = pattern(w, h, LedImage::Red, 2);
    struct Case
    {
        int effect;
        qint64 entryMs; // speed 1: 10 ms per step
        LedImage halfway;
    };
    const std::vector<Case> cases = {
        {5, 0, p2},
        {1, 160, shifted(p2, w / 2, 0, shifted(p1, -w / 2, 0, LedImage(w, h)))},
        {8, 80, shifted(p2, 0, h / 2, p1)},
        {10, 80, rowsFrom(p1, p2, 0, h / 2)},
        {13, 160, columnsFrom(p1, p2, w / 2, w)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.effect);
        SignBuilder b(w, h);
        b.addProgram({p1, p2}, c.effect, 1, 1);
        Player player(b.content(), kFriday8);
        const qint64 second = c.entryMs + 1000; // page 2 starts to enter here
        EXPECT_EQ(player.frameAt(second + c.entryMs / 2).hash(), c.halfway.hash());
        EXPECT_EQ(player.frameAt(second + c.entryMs).hash(), p2.hash());
        EXPECT_EQ(player.msToNextEvent(), 1000);
    }
}

TEST(Player, RandomEffectIsRepeatableAndNamed)
{
    const int w = 16, h = 8;
    SignBuilder b(w, h);
    b.addProgram({pattern(w, h, 1, 0), pattern(w, h, 1, 1), pattern(w, h, 1, 2)}, kEffectRandom, 1, 0);
    Player a(b.content(), kFriday8), c(b.content(), kFriday8);
    std::set<int> played;
    for (qint64 ms = 0; ms < 20000; ms += 37) {
        ASSERT_EQ(a.frameAt(ms), c.frameAt(ms));
        const PlayerStatus status = a.status();
        const ZoneStatus* z = status.mainZone();
        ASSERT_NE(z, nullptr);
        EXPECT_EQ(z->effectCode, kEffectRandom);
        played.insert(z->effect);
    }
    EXPECT_GT(played.size(), 3u);
    EXPECT_TRUE(a.status().line().contains(QStringLiteral("（随机）")));
}

TEST(Player, FixedPageStandsAndSpeedFollowsTheCardClass)
{
    const int w = 16, h = 8;
    const LedImage p1 = bar(w, h, 0, 1), p2 = bar(w, h, 8, 1);
    SignBuilder fixed(w, h);
    fixed.addProgram({p1, p2}, 5, 3, 255);
    Player player(fixed.content(), kFriday8);
    EXPECT_EQ(player.frameAt(3600 * 1000), p1);
    EXPECT_EQ(player.status().zones[0].page, 1);

    // Speed 3 is sent as 3 to an A card and as 4 to a B card; both step every 30 ms.
    for (const QString& card : {QStringLiteral("A类卡"), QStringLiteral("B类卡")}) {
        SCOPED_TRACE(card.toStdString());
        SignBuilder b(w, h, 0, card);
        b.addProgram({p1}, 6, 3, 1);
        Player p(b.content(), kFriday8);
        EXPECT_EQ(p.frameAt(29), LedImage(w, h));
        EXPECT_EQ(p.frameAt(30), shifted(p1, w - 1, 0, LedImage(w, h)));
        EXPECT_EQ(p.frameAt(16 * 30), p1);
    }
}

TEST(Player, PlayModeSecondsAndClearFirst)
{
    const int w = 16, h = 8;
    const LedImage a = bar(w, h, 0, 2), bb = bar(w, h, 4, 2);
    SignBuilder b(w, h);
    b.addProgram({a}, 5, 1, 1).playMode = 5; // five seconds, whatever its pages take
    TjiemuProp& second = b.addProgram({bb}, 6, 1, 1);
    second.zone(1).zoneClearFirst = 0; // enters over what program 1 left
    Player player(b.content(), kFriday8);
    EXPECT_EQ(player.frameAt(4999), a);
    EXPECT_EQ(player.status().program, 1);
    EXPECT_EQ(player.frameAt(5000 + 30), shifted(bb, w - 3, 0, a));
    EXPECT_EQ(player.status().program, 2);
    // Program 2 plays its one page once (0.16 s in, 1 s standing), then program 1 again.
    EXPECT_EQ(player.frameAt(5000 + 1160), a);
    EXPECT_EQ(player.status().program, 1);
}

namespace {

// Program 2 of two plays only on Mondays 08:00 to 09:00 in December 2026.
SignContent scheduledContent()
{
    const LedImage a = bar(16, 8, 0, 1), bb = bar(16, 8, 8, 1);
    SignBuilder b(16, 8);
    b.addProgram({a}, 5, 1, 1);
    TjiemuProp& p = b.addProgram({bb}, 5, 1, 1);
    p.timedPlay = 1;
    p.startDate = QStringLiteral("2026-12-01");
    p.endDate = QStringLiteral("2026-12-31");
    p.weekdays = {1, 0, 0, 0, 0, 0, 0};
    p.slotStart[2] = QStringLiteral("08:00:00");
    p.slotStop[2] = QStringLiteral("09:00:00");
    p.slotStart[4] = QStringLiteral("23:00:00");
    p.slotStop[4] = QStringLiteral("01:00:00"); // over midnight
    return b.content();
}

} // namespace

TEST(Schedule, DatesWeekdaysAndSlots)
{
    const SignContent content = scheduledContent();
    const auto index = parseProgramIndex(content.programs[1].index, 16, 8);
    ASSERT_TRUE(index);
    struct Case
    {
        QDateTime when;
        bool plays;
    };
    const std::vector<Case> cases = {
        {QDateTime(QDate(2026, 12, 14), QTime(8, 30)), true},    // Monday in the slot
        {QDateTime(QDate(2026, 12, 14), QTime(9, 0, 59)), true}, // the stop minute counts
        {QDateTime(QDate(2026, 12, 14), QTime(9, 1)), false},
        {QDateTime(QDate(2026, 12, 14), QTime(7, 59)), false},
        {QDateTime(QDate(2026, 12, 11), QTime(8, 30)), false}, // Friday
        {QDateTime(QDate(2026, 11, 30), QTime(8, 30)), false}, // Monday before the start date
        {QDateTime(QDate(2027, 1, 4), QTime(8, 30)), false},   // Monday after the end date
        {QDateTime(QDate(2026, 12, 14), QTime(23, 30)), true},
        {QDateTime(QDate(2026, 12, 14), QTime(0, 30)), true}, // after midnight, same weekday rule
        {QDateTime(QDate(2026, 12, 14), QTime(1, 2)), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(index->playsAt(c.when), c.plays) << c.when.toString().toStdString();
}

TEST(Schedule, PlayerSkipsProgramsOutsideTheirTime)
{
    const SignContent content = scheduledContent();
    std::set<int> friday, monday;
    Player f(content, kFriday8);
    Player m(content, QDateTime(QDate(2026, 12, 14), QTime(8, 0)));
    for (qint64 ms = 0; ms < 20000; ms += 250) {
        f.frameAt(ms);
        m.frameAt(ms);
        friday.insert(f.status().program);
        monday.insert(m.status().program);
    }
    EXPECT_EQ(friday, std::set<int>({1}));
    EXPECT_EQ(monday, std::set<int>({1, 2}));

    // Nothing allowed to play: the sign stays dark and says so.
    SignContent none = content;
    none.programs.removeFirst();
    Player dark(none, kFriday8);
    EXPECT_EQ(dark.frameAt(5000), LedImage(16, 8));
    EXPECT_EQ(dark.status().program, 0);
    EXPECT_TRUE(dark.status().line().startsWith(QStringLiteral("无节目播放")));
}

// The clock of the worked example: style 0, every element, one line at 16
// LEDs: year at 0, month 40, day 64, weekday 112, hour 136, minute 160, second 184.
TEST(ClockZone, DigitsAtTheWorkedExamplePositions)
{
    const int w = 208, h = 16;
    SignBuilder b(w, h);
    TjiemuProp& p = b.addProgram({LedImage(w, h)}, 5, 1, 1);
    ZoneRecord& z = p.zone(1);
    z.zoneType = ZoneClock;
    z.zoneFontSize = 1;
    z.clockOptions = 128 + 64 + 32 + 16 + 8 + 4 + 2;
    z.clockYearX = 0, z.clockMonthX = 40, z.clockDayX = 64, z.clockWeekX = 112;
    z.clockHourX = 136, z.clockMinuteX = 160, z.clockSecondX = 184;
    Player player(b.content(), QDateTime(QDate(2026, 12, 11), QTime(8, 6, 1)));

    auto cell = [](const QString& digits, int width) {
        LedImage img(width, 16);
        drawClockDigits(img, 0, 0, digits, 16, false, LedImage::Red);
        return img;
    };
    LedImage frame = player.frameAt(0);
    struct Element
    {
        int x;
        LedImage expected;
    };
    LedImage friday(16, 16);
    drawWeekday(friday, 0, 0, 5, 16, false, LedImage::Red);
    const std::vector<Element> elements = {
        {0, cell(QStringLiteral("2026"), 32)}, {40, cell(QStringLiteral("12"), 16)},
        {64, cell(QStringLiteral("11"), 16)},  {112, friday},
        {136, cell(QStringLiteral("08"), 16)}, {160, cell(QStringLiteral("06"), 16)},
        {184, cell(QStringLiteral("01"), 16)}};
    LedImage all(w, h);
    for (const Element& e : elements) {
        SCOPED_TRACE(e.x);
        EXPECT_EQ(frame.copy(e.x, 0, e.expected.width, 16), e.expected);
        EXPECT_NE(e.expected, LedImage(e.expected.width, 16));
        all.blit(e.expected, e.x, 0);
    }
    EXPECT_EQ(frame, all); // nothing lit between the elements
    // A second later only the seconds have changed.
    const LedImage later = player.frameAt(1000);
    EXPECT_EQ(later.copy(184, 0, 16, 16), cell(QStringLiteral("02"), 16));
    EXPECT_EQ(later.copy(0, 0, 184, 16), frame.copy(0, 0, 184, 16));
}

TEST(ClockZone, SizesFineAndBoldStayInTheirCells)
{
    for (int size : {12, 16, 32})
        for (bool bold : {false, true}) {
            SCOPED_TRACE(size * 10 + bold);
            LedImage img(size * 6, size + 4);
            drawClockDigits(img, size / 2, 2, QStringLiteral("0123456789"), size, bold, LedImage::Green);
            for (int y = 0; y < img.height; ++y)
                for (int x = 0; x < img.width; ++x) {
                    const bool inCells = x >= size / 2 && x < size / 2 + 5 * size && y >= 2 && y < 2 + size;
                    if (!inCells) {
                        ASSERT_EQ(img.at(x, y), LedImage::Off) << x << "," << y;
                    }
                }
            // Each digit differs from every other.
            std::set<QString> shapes;
            for (int d = 0; d < 10; ++d)
                shapes.insert(img.copy(size / 2 + d * size / 2, 2, size / 2, size).hash());
            EXPECT_EQ(shapes.size(), 10u);
        }
    EXPECT_EQ(clockColour(3, 2), LedImage::Yellow);
    EXPECT_EQ(clockColour(3, 1), LedImage::Red);
}

TEST(SignSettings, BrightnessSwitchesAtTheStoredTime)
{
    SignBuilder b(16, 8);
    b.addProgram({bar(16, 8, 0, 1)});
    SignContent content = b.content();
    content.brightness = BrightnessSchedule{7, 0, 19, 0, 150, 20};
    Player player(content, QDateTime(QDate(2026, 12, 11), QTime(18, 59, 58)));
    EXPECT_EQ(player.brightnessLevel(), 150);
    player.tick(1999);
    EXPECT_EQ(player.brightnessLevel(), 150);
    player.tick(1);
    EXPECT_EQ(player.brightnessLevel(), 20);
    player.setClockAtStart(QDateTime(QDate(2026, 12, 12), QTime(6, 59, 59)));
    EXPECT_EQ(player.brightnessLevel(), 20);
    player.tick(1000);
    EXPECT_EQ(player.brightnessLevel(), 150);
    EXPECT_TRUE(player.status().line().contains(QStringLiteral("亮度150")));
}

TEST(SignSettings, PowerTimerPowerAndPause)
{
    const LedImage a = bar(16, 8, 0, 1);
    SignBuilder b(16, 8);
    b.addProgram({a, bar(16, 8, 8, 1)}, 5, 1, 1);
    SignContent content = b.content();
    content.powerTimer = PowerTimer{7, 0, 22, 0};
    Player player(content, QDateTime(QDate(2026, 12, 11), QTime(21, 59, 59)));
    EXPECT_TRUE(player.isLit());
    EXPECT_EQ(player.frame(), a);
    player.tick(1000);
    EXPECT_FALSE(player.isLit());
    EXPECT_EQ(player.frame(), LedImage(16, 8));
    EXPECT_EQ(player.status().line().left(2), QStringLiteral("关机"));

    Player on(b.content(), kFriday8);
    on.setPaused(true);
    EXPECT_EQ(on.frameAt(5000), a); // frozen on page 1
    on.step();                      // one event on: page 2 is in place
    EXPECT_EQ(on.frame(), bar(16, 8, 8, 1));
    on.setPaused(false);
    on.setPowerOn(false);
    EXPECT_EQ(on.frameAt(9000), LedImage(16, 8));
}

TEST(SignSettings, FlowingBorderRunsRoundTheEdge)
{
    SignBuilder b(16, 8);
    b.addProgram({LedImage(16, 8)});
    SignContent content = b.content();
    content.border = true;
    Player player(content, kFriday8);
    const LedImage f0 = player.frameAt(0);
    EXPECT_EQ(f0.at(0, 0), LedImage::Red);
    EXPECT_EQ(f0.at(3, 0), LedImage::Red);
    EXPECT_EQ(f0.at(4, 0), LedImage::Off);
    EXPECT_EQ(f0.at(5, 4), LedImage::Off); // inside stays dark
    const LedImage f1 = player.frameAt(50);
    EXPECT_EQ(f1.at(0, 0), LedImage::Off);
    EXPECT_EQ(f1.at(4, 0), LedImage::Red);
}

TEST(Player, DamagedContentNeverCrashes)
{
    SignBuilder b(16, 8);
    b.addProgram({bar(16, 8, 0, 1)});
    SignContent content = b.content();
    StoredProgram broken;
    broken.index = QByteArray(100, '\xff');
    content.programs.append(broken);
    StoredProgram shortData = content.programs[0];
    shortData.data.chop(10);
    shortData.index[33] = char(0xff); // 255 pages claimed
    content.programs.append(shortData);
    Player player(content, kFriday8);
    EXPECT_EQ(player.problems().size(), 2);
    for (qint64 ms = 0; ms < 30000; ms += 500)
        player.frameAt(ms);

    SignContent empty;
    Player nothing(empty, QDateTime());
    EXPECT_TRUE(nothing.frameAt(1000).isNull());
    EXPECT_FALSE(nothing.problems().isEmpty());
}

// The sample sign at chosen instants, pinned: a change in any effect, the
// timing, the digit font or the frame decoding shows up here. (Recreate the
// table only after looking at the recording: dotsign-cli play on
// tests/data/sim/sample.kv.)
TEST(Player, SampleSignGoldenFrames)
{
    Player player(sampleSign().content(), kFriday8);
    const std::vector<std::pair<qint64, const char*>> golden = {
        {0, "7fa08d122f63"},    {320, "d5461bc1cc7b"},  {1000, "b0c4d80c0d9c"}, {2000, "6cadb4dfdcea"},
        {3300, "7013286961bb"}, {4000, "76d80d76bb22"}, {5500, "9e87da83f61a"}, {9000, "3c8e1ba89c57"},
    };
    for (const auto& [ms, hash] : golden)
        EXPECT_EQ(player.frameAt(ms).hash(), QString::fromLatin1(hash)) << ms;
}
