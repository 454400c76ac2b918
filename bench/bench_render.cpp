// Rendering costs: a long text zone in each layout, a keystroke in a typical
// zone, the copy of the largest zone bitmap into the planes, and a whole
// program from its records to the planes.

#include "render/ledplanes.h"
#include "render/textrender.h"
#include "render/zonerender.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

using namespace dotsign;

namespace {

// Mixed Chinese and ASCII, roughly as a shop's notice reads.
QString mixedText(int characters)
{
    const QString pattern = QStringLiteral("欢迎光临本店，今日特价 Price 8.5元/斤 电话:12345678。\r\n");
    QString text;
    while (text.size() < characters)
        text += pattern;
    return text.left(characters);
}

ZoneRecord textZone(bool strip)
{
    ZoneRecord z;
    z.zoneWidth = 128;
    z.zoneHeight = 32;
    z.zonePlainText = strip ? 1 : 0;
    z.zoneEffect = strip ? 1 : 3;
    z.zoneStay = 0;
    return z;
}

TextInput textInput(int characters, bool couplet)
{
    TextInput in;
    in.text = mixedText(characters);
    in.fontName = QStringLiteral("宋体");
    in.sizeText = QStringLiteral("单字16个LED灯大小");
    in.couplet = couplet;
    return in;
}

// Arguments: characters, strip (0/1), couplet (0/1).
void BM_TextZone(benchmark::State& state)
{
    const ZoneRecord zone = textZone(state.range(1) != 0);
    const TextInput in = textInput(int(state.range(0)), state.range(2) != 0);
    for (auto _ : state) {
        TextRender r = Button1Click(zone, in);
        benchmark::DoNotOptimize(r.image.constBits());
    }
}
BENCHMARK(BM_TextZone)
    ->ArgNames({"chars", "strip", "couplet"})
    ->Args({2000, 0, 0})
    ->Args({2000, 0, 1})
    ->Args({2000, 1, 0})
    ->Args({2000, 1, 1})
    ->Args({200, 0, 0}) // one keystroke in a typical zone
    ->Unit(benchmark::kMillisecond);

void BM_CopyZoneToPlanes(benchmark::State& state)
{
    auto planes = std::make_unique<LedPlanes>();
    QImage bitmap(1472, 6144, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setPixel(x, y, (x + y) % 3 == 0 ? qRgb(255, 0, 0) : (x % 5 == 0 ? qRgb(0, 128, 0) : 0));
    ZoneRecord zone;
    zone.zoneWidth = 1472;
    zone.zoneHeight = 32;
    for (auto _ : state) {
        CopyZoneToPlanes(*planes, bitmap, zone, 1472, 32, 127, LedPlanes::kUsedRows, false);
        benchmark::DoNotOptimize(planes->redRow(0));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bitmap.width() * bitmap.height());
}
BENCHMARK(BM_CopyZoneToPlanes)->Unit(benchmark::kMillisecond);

// Template 2 with a clock: a paging text on top, a clock and a scrolling text below.
void BM_ProgramToPlanes(benchmark::State& state)
{
    QTemporaryDir dir;
    ProjectState project;
    project.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
    project.hw.screenWidth = 128;
    project.hw.screenHeight = 32;
    project.hw.colourThreshold = 127;
    TjiemuProp& p = project.program(1);
    p.zoneCount = 3;
    const struct
    {
        ZoneType type;
        int x, y, w, h, plain, effect, stay;
        int chars;
    } zones[] = {{ZoneText, 0, 0, 128, 16, 0, 3, 4, 200},
                 {ZoneClock, 0, 16, 64, 16, 0, 1, 0, 0},
                 {ZoneText, 64, 16, 64, 16, 1, 1, 0, 200}};
    for (int slot = 1; slot <= 3; ++slot) {
        const auto& d = zones[slot - 1];
        ZoneRecord& z = p.zone(slot);
        z.zoneType = d.type;
        z.zoneX = d.x;
        z.zoneY = d.y;
        z.zoneWidth = d.w;
        z.zoneHeight = d.h;
        z.zonePlainText = d.plain;
        z.zoneEffect = d.effect;
        z.zoneStay = d.stay;
        z.zoneText = mixedText(d.chars);
        z.zoneFile = d.type == ZoneText ? QStringLiteral("t.txt") : QStringLiteral("c.bmp");
    }
    auto planes = std::make_unique<LedPlanes>();
    const bool save = state.range(0) != 0;
    for (auto _ : state) {
        planes->Clear();
        for (int slot = 1; slot <= 3; ++slot)
            renderZoneToPlanes(project, *planes, 1, slot, save);
        benchmark::DoNotOptimize(planes->redRow(0));
    }
}
BENCHMARK(BM_ProgramToPlanes)->ArgName("saveBitmaps")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
