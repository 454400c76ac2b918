// Encoding a download (render every zone, stream the planes into blocks)
// without any wire waits: the sample project, and 16 programs of three zones.
#include "link/downloadframes.h"
#include "link/framebuffer.h"
#include "link/transdata.h"
#include "project/projectfile.h"
#include "project/projectfolder.h"
#include "project/zonefiles.h"
#include "render/fonts.h"

#include <QGuiApplication>
#include <QRect>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace dotsign;

namespace {

qint64 encodeAll(ProjectState& state, LedPlanes& planes)
{
    FrameBuffer buffer;
    qint64 blocks = 0;
    for (int n = 1; n <= state.screen.programCount; ++n) {
        planes.Clear();
        renderProgram(state, planes, n, {});
        const auto shape = programShape(state, n);
        programIndexFrame(buffer, state.cur(), n - 1, 1);
        streamProgram(planes, *shape, buffer, [&](int) {
            benchmark::DoNotOptimize(dataBlockFrame(buffer, 1));
            ++blocks;
            return Status::success();
        });
    }
    return blocks;
}

void BM_EncodeSampleProject(benchmark::State& bm)
{
    QTemporaryDir root;
    ProjectState state;
    prepareProjectFolder(state, root.path(), QStringLiteral(DOTSIGN_SOURCE_DIR "/samples/Project"));
    LoadProject(state, state.projectFilePath);
    state.hw.colourThreshold = 127;
    LedPlanes planes;
    qint64 blocks = 0;
    for (auto _ : bm)
        blocks = encodeAll(state, planes);
    bm.counters["blocks"] = static_cast<double>(blocks);
}
BENCHMARK(BM_EncodeSampleProject)->Unit(benchmark::kMillisecond);

// 16 programs, each a top text zone of several pages and two lower text zones.
void BM_EncodeSixteenPrograms(benchmark::State& bm)
{
    QTemporaryDir dir;
    ProjectState state;
    state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
    state.hw.screenWidth = 128;
    state.hw.screenHeight = 32;
    state.hw.colourThreshold = 127;
    InitLedDispJiemu(state);
    state.screen.colourType = 1;
    state.screen.programCount = 16;
    const QRect rects[3] = {{0, 0, 128, 16}, {0, 16, 32, 16}, {32, 16, 96, 16}};
    for (int n = 1; n <= 16; ++n) {
        state.program(n).zoneCount = 3;
        state.program(n).layoutTemplate = 4;
        for (int slot = 1; slot <= 3; ++slot) {
            ZoneRecord& z = state.zone(n, slot);
            z.zoneX = rects[slot - 1].x();
            z.zoneY = rects[slot - 1].y();
            z.zoneWidth = rects[slot - 1].width();
            z.zoneHeight = rects[slot - 1].height();
            z.zoneColour = slot;
            z.zoneText = QStringLiteral("今日特价 Special offer %1-%2 ").arg(n).arg(slot).repeated(4);
            z.zoneFile = zoneTextFilePath(state, n, slot);
            writeZoneTextFile(z.zoneFile, z.zoneText);
        }
    }
    LedPlanes planes;
    qint64 blocks = 0;
    for (auto _ : bm)
        blocks = encodeAll(state, planes);
    bm.counters["blocks"] = static_cast<double>(blocks);
}
BENCHMARK(BM_EncodeSixteenPrograms)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installLedFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
