#include "app/layoutrules.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace dotsign {
void PrintTo(const ZoneRect& r, std::ostream* os)
{
    *os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}
} // namespace dotsign

TEST(LayoutRules, NewProgramRectanglesTileTheScreen)
{
    struct Case
    {
        int t, w, h;
        std::array<ZoneRect, 3> zones;
    };
    const Case cases[] = {
        {1, 128, 32, {{{0, 0, 128, 32}, {}, {}}}},
        {2, 128, 32, {{{0, 0, 128, 16}, {0, 16, 128, 16}, {}}}},
        {3, 128, 32, {{{0, 0, 32, 32}, {32, 0, 96, 32}, {}}}},
        {4, 128, 32, {{{0, 0, 128, 16}, {0, 16, 32, 16}, {32, 16, 96, 16}}}},
        // Screens too small for the template leave the following zone empty.
        {2, 128, 16, {{{0, 0, 128, 16}, {0, 16, 128, 0}, {}}}},
        {3, 32, 32, {{{0, 0, 32, 32}, {32, 0, 0, 32}, {}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "template " << c.t << " on " << c.w << "x" << c.h);
        EXPECT_EQ(newProgramRects(c.t, c.w, c.h), c.zones);
    }
}

TEST(LayoutRules, ClampRaisesLowersThenRoundsDown)
{
    EXPECT_EQ(clampFreeSize(12, 24), 16);  // raised to the minimum
    EXPECT_EQ(clampFreeSize(30, 24), 24);  // lowered to the maximum
    EXPECT_EQ(clampFreeSize(29, 120), 24); // rounded down to a multiple of 8
    EXPECT_EQ(clampFreeSize(100, 20), 16); // maximum 20 rounds down to 16
    EXPECT_EQ(clampFreeSize(40, 12), 8);   // a screen under 24: the maximum wins
    EXPECT_EQ(clampFreeSize(40, -8), 0);   // never below 0
}

namespace {

struct FieldCase
{
    const char* what;
    int t, zone;
    GeometryField field;
    int value;
    GeometryChange::Kind kind;
    int restore;          // for Restore
    TemplateSizes expect; // for size changes
};

} // namespace

// Screen 128 × 32; the program's free sizes start at top 16, left 32, bottom-left 32.
TEST(LayoutRules, CoordinateFieldsFollowTheTemplateTable)
{
    using F = GeometryField;
    using K = GeometryChange;
    const FieldCase cases[] = {
        {"t1 height restored", 1, 1, F::Height, 20, K::Restore, 32, {}},
        {"t1 width restored", 1, 1, F::Width, 100, K::Restore, 128, {}},
        {"t1 x restored", 1, 1, F::X, 16, K::Restore, 0, {}},
        {"t2 zone1 height 20 -> 16", 2, 1, F::Height, 20, K::SizeField, 0, {16, 32, 32}},
        {"t2 zone2 height 20 -> top 12 -> 16", 2, 2, F::Height, 20, K::SizeField, 0, {16, 32, 32}},
        {"t2 zone2 height 8 -> top 24", 2, 2, F::Height, 8, K::SizeField, 0, {24, 32, 32}},
        {"t2 width restored", 2, 2, F::Width, 64, K::Restore, 128, {}},
        {"t2 zone2 y sets top", 2, 2, F::Y, 24, K::SplitterRule, 0, {24, 32, 32}},
        {"t2 zone2 x restored", 2, 2, F::X, 16, K::Restore, 0, {}},
        {"t2 zone1 y restored", 2, 1, F::Y, 8, K::Restore, 0, {}},
        {"t3 zone2 width 100 -> left 24", 3, 2, F::Width, 100, K::SizeField, 0, {16, 24, 32}},
        {"t3 zone1 width 40", 3, 1, F::Width, 40, K::SizeField, 0, {16, 40, 32}},
        {"t3 height restored", 3, 1, F::Height, 16, K::Restore, 32, {}},
        {"t3 zone2 x sets left", 3, 2, F::X, 48, K::SplitterRule, 0, {16, 48, 32}},
        {"t3 zone2 y restored", 3, 2, F::Y, 8, K::Restore, 0, {}},
        {"t4 zone1 width restored", 4, 1, F::Width, 64, K::Restore, 128, {}},
        {"t4 zone2 width 50 -> 48", 4, 2, F::Width, 50, K::SizeField, 0, {16, 32, 48}},
        {"t4 zone3 width 120 -> zone2 8", 4, 3, F::Width, 120, K::SizeField, 0, {16, 32, 8}},
        {"t4 zone3 width 10 -> zone2 112", 4, 3, F::Width, 10, K::SizeField, 0, {16, 32, 112}},
        {"t4 zone3 width 125 -> zone2 8", 4, 3, F::Width, 125, K::SizeField, 0, {16, 32, 8}},
        {"t4 zone3 height 8 -> top 24", 4, 3, F::Height, 8, K::SizeField, 0, {24, 32, 32}},
        {"t4 zone3 x sets bottom-left", 4, 3, F::X, 64, K::SplitterRule, 0, {16, 32, 64}},
        {"t4 zone3 x over the maximum", 4, 3, F::X, 127, K::SplitterRule, 0, {16, 32, 120}},
        {"t4 zone2 x restored", 4, 2, F::X, 16, K::Restore, 0, {}},
    };
    const TemplateSizes current{16, 32, 32};
    for (const FieldCase& c : cases) {
        SCOPED_TRACE(c.what);
        const GeometryChange got = geometryFieldChange(c.t, c.zone, c.field, c.value, 128, 32, current);
        ASSERT_EQ(got.kind, c.kind);
        if (c.kind == K::Restore) {
            EXPECT_EQ(got.restoreValue, c.restore);
            continue;
        }
        EXPECT_EQ(got.sizes.topHeight, c.expect.topHeight);
        EXPECT_EQ(got.sizes.leftWidth, c.expect.leftWidth);
        EXPECT_EQ(got.sizes.bottomLeftWidth, c.expect.bottomLeftWidth);
    }
}

TEST(LayoutRules, WritingSizesKeepsTheTiling)
{
    TjiemuProp p;
    p.layoutTemplate = 4;
    p.zoneCount = 3;
    writeZoneRects(p, 128, 32, TemplateSizes{24, 0, 8});
    EXPECT_EQ(ZoneRect({p.zone(1).zoneX, p.zone(1).zoneY, p.zone(1).zoneWidth, p.zone(1).zoneHeight}),
              ZoneRect({0, 0, 128, 24}));
    EXPECT_EQ(ZoneRect({p.zone(2).zoneX, p.zone(2).zoneY, p.zone(2).zoneWidth, p.zone(2).zoneHeight}),
              ZoneRect({0, 24, 8, 8}));
    EXPECT_EQ(ZoneRect({p.zone(3).zoneX, p.zone(3).zoneY, p.zone(3).zoneWidth, p.zone(3).zoneHeight}),
              ZoneRect({8, 24, 120, 8}));
    // A zone-1 size larger than the screen (a hand-edited file) leaves zone 2 empty, never negative.
    p.layoutTemplate = 2;
    writeZoneRects(p, 128, 32, TemplateSizes{40, 0, 0});
    EXPECT_EQ(p.zone(1).zoneHeight, 32);
    EXPECT_EQ(p.zone(2).zoneHeight, 0);
    EXPECT_EQ(p.zone(2).zoneY, 32);
}
