#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "render/zonerender.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace dotsign::cli {

namespace {

// "png" or "bmp" from the output file's name, else empty.
QByteArray pictureFormat(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("bmp") ? suffix.toLatin1()
                                                                            : QByteArray();
}

QJsonObject clockFields(const ZoneRecord& z)
{
    return {
        {QStringLiteral("clockYearX"), z.clockYearX},     {QStringLiteral("clockYearY"), z.clockYearY},
        {QStringLiteral("clockMonthX"), z.clockMonthX},   {QStringLiteral("clockMonthY"), z.clockMonthY},
        {QStringLiteral("clockDayX"), z.clockDayX},       {QStringLiteral("clockDayY"), z.clockDayY},
        {QStringLiteral("clockHourX"), z.clockHourX},     {QStringLiteral("clockHourY"), z.clockHourY},
        {QStringLiteral("clockMinuteX"), z.clockMinuteX}, {QStringLiteral("clockMinuteY"), z.clockMinuteY},
        {QStringLiteral("clockSecondX"), z.clockSecondX}, {QStringLiteral("clockSecondY"), z.clockSecondY},
        {QStringLiteral("clockWeekX"), z.clockWeekX},     {QStringLiteral("clockWeekY"), z.clockWeekY},
        {QStringLiteral("clockWeekPos"), z.clockWeekPos}, {QStringLiteral("clockTimePos"), z.clockTimePos},
    };
}

QJsonArray characterList(const QString& characters)
{
    QJsonArray list;
    for (int i = 0; i < characters.size(); ++i) {
        const int units = characters.at(i).isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        list.append(characters.mid(i, units));
        i += units - 1;
    }
    return list;
}

int render(const QStringList& args)
{
    Options opt(args,
                {QStringLiteral("--program"), QStringLiteral("--zone"), QStringLiteral("--mode"),
                 QStringLiteral("--out")},
                {});
    const auto program = opt.number(QStringLiteral("--program"), 1, kMaxPrograms);
    const auto slot = opt.ok() ? opt.number(QStringLiteral("--zone"), 1, kZoneSlots) : std::nullopt;
    if (!opt.ok())
        return fail(opt.error(), 2);
    if (opt.positional().size() != 1)
        return fail(QStringLiteral("give one project file"), 2);
    const QString modeName = opt.value(QStringLiteral("--mode"), QStringLiteral("download"));
    if (modeName != QLatin1String("download") && modeName != QLatin1String("preview"))
        return fail(QStringLiteral("--mode must be preview or download"), 2);
    const QString outPath = opt.value(QStringLiteral("--out"));
    if (outPath.isEmpty() || pictureFormat(outPath).isEmpty())
        return fail(QStringLiteral("--out must name a .png or .bmp file"), 2);

    ProjectState state;
    if (!loadProjectForCli(state, opt.positional().first()))
        return 1;
    const RenderMode mode = modeName == QLatin1String("preview") ? RenderMode::Preview : RenderMode::Download;
    const ZoneRender r = renderZone(state, *program, *slot, mode);
    if (!r.status.ok && r.image.isNull())
        return fail(r.status.message);
    QJsonObject json{{QStringLiteral("program"), *program},
                     {QStringLiteral("zone"), *slot},
                     {QStringLiteral("mode"), modeName}};
    // The download copies the zone into the planes, which settles zoneInfoHeight.
    if (mode == RenderMode::Download) {
        auto planes = std::make_unique<LedPlanes>();
        const ZonePlanesResult copied = copyZoneRenderToPlanes(state, *planes, *program, *slot, r);
        if (!copied.note.isEmpty())
            json.insert(QStringLiteral("note"), copied.note);
    } else if (!r.status.ok) {
        json.insert(QStringLiteral("note"), r.status.message);
    }
    if (r.image.isNull())
        return fail(QStringLiteral("zone %1 of program %2 has no size to render").arg(*slot).arg(*program));
    if (!r.image.save(outPath, pictureFormat(outPath).constData()))
        return fail(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(outPath)));

    const ZoneRecord& z = state.zone(*program, *slot);
    json.insert(QStringLiteral("zoneType"), z.zoneType);
    json.insert(QStringLiteral("width"), r.image.width());
    json.insert(QStringLiteral("height"), r.image.height());
    json.insert(QStringLiteral("zoneInfoHeight"), z.zoneInfoHeight);
    json.insert(QStringLiteral("zoneHeight"), z.zoneHeight);
    json.insert(QStringLiteral("PreviewWidth"), r.PreviewWidth);
    json.insert(QStringLiteral("PreviewHeight"), r.PreviewHeight);
    json.insert(QStringLiteral("stripMode"), r.stripMode);
    json.insert(QStringLiteral("truncated"), r.truncated);
    json.insert(QStringLiteral("replacedCharacters"), characterList(r.replacedCharacters));
    if (z.zoneType == ZoneClock) {
        const QJsonObject clock = clockFields(z);
        for (auto it = clock.begin(); it != clock.end(); ++it)
            json.insert(it.key(), it.value());
    }
    out(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)));
    return 0;
}

} // namespace

static const CliCommand
    kRender("render",
            "render PROJECT.kvp --program N --zone Z [--mode preview|download] --out FILE.(png|bmp)",
            "Renders one zone as the download (the default) or the preview does, writes the zone bitmap "
            "(one pixel per LED, whole pages stacked from the top) and prints the fields the rendering "
            "updated as JSON, with the characters GBK could not carry. The project folder is not written.",
            render);

} // namespace dotsign::cli
