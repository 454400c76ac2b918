#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "render/zonerender.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <memory>

namespace dotsign::cli {

namespace {

// Frames 0 .. frames - 1 of the planes as one picture, stacked from the top.
QImage framesPicture(const LedPlanes& planes, int width, int rows)
{
    QImage image(width, rows, QImage::Format_RGB32);
    for (int y = 0; y < rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool red = planes.red(y, x) != 0;
            const bool green = planes.green(y, x) != 0;
            line[x] = qRgb(red ? 255 : 0, green ? 255 : 0, 0);
        }
    }
    return image;
}

int planesCommand(const QStringList& args)
{
    Options opt(args, {QStringLiteral("--program"), QStringLiteral("--out")}, {});
    const auto program = opt.number(QStringLiteral("--program"), 1, kMaxPrograms);
    if (!opt.ok())
        return fail(opt.error(), 2);
    if (opt.positional().size() != 1)
        return fail(QStringLiteral("give one project file"), 2);
    const QString outPath = opt.value(QStringLiteral("--out"));
    if (!outPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return fail(QStringLiteral("--out must name a .png file"), 2);

    ProjectState state;
    if (!loadProjectForCli(state, opt.positional().first()))
        return 1;
    if (*program > state.cur().programCount)
        return fail(QStringLiteral("the project has %1 program(s)").arg(state.cur().programCount));

    auto planes = std::make_unique<LedPlanes>();
    planes->Clear();
    const TjiemuProp& p = state.program(*program);
    const int zoneCount = std::clamp(p.zoneCount, 1, kZoneSlots);
    QJsonArray zones;
    for (int slot = 1; slot <= zoneCount; ++slot) {
        const ZonePlanesResult r = renderZoneToPlanes(state, *planes, *program, slot, false);
        if (!r.ok)
            return fail(r.message);
        QJsonObject zone{{QStringLiteral("zone"), slot},
                         {QStringLiteral("rendered"), r.rendered},
                         {QStringLiteral("zoneInfoHeight"), state.zone(*program, slot).zoneInfoHeight}};
        if (!r.note.isEmpty())
            zone.insert(QStringLiteral("note"), r.note);
        zones.append(zone);
    }

    const int width = std::clamp(state.hw.screenWidth, 0, LedPlanes::kUsedColumns);
    const int frames = frameCount(state.zone(*program, zoneCount));
    const int rows = std::clamp(frames * state.hw.screenHeight, 0, LedPlanes::kRows);
    const bool written = width > 0 && rows > 0;
    if (written && !framesPicture(*planes, width, rows).save(outPath, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(outPath)));

    const QJsonObject json{{QStringLiteral("program"), *program},
                           {QStringLiteral("screenWidth"), state.hw.screenWidth},
                           {QStringLiteral("screenHeight"), state.hw.screenHeight},
                           {QStringLiteral("frames"), frames},
                           {QStringLiteral("rows"), rows},
                           {QStringLiteral("picture"), written ? QJsonValue(outPath) : QJsonValue()},
                           {QStringLiteral("zones"), zones}};
    out(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)));
    return 0;
}

} // namespace

static const CliCommand
    kPlanes("planes", "planes PROJECT.kvp --program N --out FILE.png",
            "Renders every zone of one program into the LED planes as the download does and writes "
            "frames 0 .. F-1 as one picture (red, green, yellow and black LEDs), F being the pages of "
            "the program's last zone. Prints the frame count and each zone's result as JSON; with no "
            "frames no picture is written. The project folder is not written.",
            planesCommand);

} // namespace dotsign::cli
