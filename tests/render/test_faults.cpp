// Zone geometry a damaged or hand-edited project can carry: sizes of 0,
// negative sizes and origins, zones past the screen's edge or far bigger
// than any screen. Every zone type renders (or is skipped) without a crash,
// in bounded memory, in both render modes and through the planes copy.
#include "project/zonefiles.h"
#include "render/fonts.h"
#include "render/zonerender.h"

#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>
#include <memory>

using namespace dotsign;

namespace {

struct Geometry
{
    const char* name;
    int x, y, width, height;
};

const Geometry kGeometries[] = {
    {"height 0", 0, 0, 128, 0},
    {"width 0", 0, 0, 0, 32},
    {"both 0", 0, 0, 0, 0},
    {"negative size", 0, 0, -16, -16},
    {"right of the screen", 200, 0, 128, 32},
    {"below the screen", 0, 80, 128, 32},
    {"negative origin", -64, -16, 128, 32},
    {"wider and taller than the screen", 0, 0, 4000, 4000},
    {"huge", 0, 0, 1000000, 1000000},
    {"largest integers", INT_MAX, INT_MAX, INT_MAX, INT_MAX},
};

// The biggest zone bitmap any zone may lead to: text is laid out at most
// 4096 dots wide and cut at the planes' rows.
constexpr qint64 kLargestImagePixels = qint64(4096) * 8192;

} // namespace

TEST(RenderFaults, ZoneGeometryNeverCrashesAnyZoneType)
{
    installLedFontSubstitutions();
    const int types[] = {ZoneText, ZoneClock, ZoneDocument};
    for (const Geometry& g : kGeometries) {
        for (int type : types) {
            SCOPED_TRACE(testing::Message() << g.name << ", zone type " << type);
            QTemporaryDir dir;
            ProjectState state;
            state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
            state.hw.screenWidth = 128;
            state.hw.screenHeight = 32;
            state.hw.colourThreshold = 127;
            InitLedDispJiemu(state);
            ZoneRecord& z = state.zone(1, 1);
            z.zoneType = type;
            z.zoneX = g.x;
            z.zoneY = g.y;
            z.zoneWidth = g.width;
            z.zoneHeight = g.height;
            z.zoneText = QStringLiteral("今日特价\r\n第二行\r\n第三行");
            z.zoneFile = type == ZoneDocument ? QStringLiteral("0-0-1.kvf") : QStringLiteral("0-0-1.txt");

            for (RenderMode mode : {RenderMode::Preview, RenderMode::Download}) {
                const ZoneRender r = renderZone(state, 1, 1, mode);
                EXPECT_LE(qint64(r.image.width()) * r.image.height(), kLargestImagePixels);
                EXPECT_LE(qint64(r.stripImage.width()) * r.stripImage.height(), kLargestImagePixels);
            }
            auto planes = std::make_unique<LedPlanes>();
            (void)renderZoneToPlanes(state, *planes, 1, 1);
        }
    }
}

// The screen itself damaged: nothing to draw on, or more than the planes hold.
TEST(RenderFaults, ScreenSizeOfZeroOrBeyondThePlanes)
{
    installLedFontSubstitutions();
    const std::pair<int, int> screens[] = {{0, 0}, {0, 32}, {128, 0}, {-8, -8}, {100000, 100000}};
    for (const auto& [width, height] : screens) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        QTemporaryDir dir;
        ProjectState state;
        state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
        state.hw.screenWidth = width;
        state.hw.screenHeight = height;
        state.hw.colourThreshold = 127;
        InitLedDispJiemu(state);
        for (int type : {ZoneText, ZoneClock}) {
            ZoneRecord& z = state.zone(1, 1);
            z.zoneType = type;
            z.zoneWidth = 128;
            z.zoneHeight = 32;
            z.zoneText = QStringLiteral("今日特价");
            z.zoneFile = QStringLiteral("0-0-1.txt");
            auto planes = std::make_unique<LedPlanes>();
            const ZonePlanesResult r = renderZoneToPlanes(state, *planes, 1, 1);
            (void)r;
        }
    }
}
