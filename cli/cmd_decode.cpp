#include "cli/command.h"
#include "cli/options.h"
#include "sim/effects.h"
#include "sim/exportdecode.h"
#include "sim/playerindex.h"

#include <QDir>
#include <QImage>
#include <algorithm>

namespace dotsign::cli {

namespace {

QString zoneLine(const IndexZone& z)
{
    static const char* const types[] = {"text", "clock", "graphic-text"};
    const QString type =
        z.type >= 0 && z.type <= 2 ? QString::fromLatin1(types[z.type]) : QString::number(z.type);
    return QStringLiteral(
               "  zone %1: %2 at %3,%4 size %5x%6, %7 page(s), effect %8 %9, speed byte %10, pause %11%12\n")
        .arg(z.slot)
        .arg(type)
        .arg(z.x)
        .arg(z.y)
        .arg(z.width)
        .arg(z.height)
        .arg(z.pages())
        .arg(z.effect)
        .arg(effectName(z.effect))
        .arg(z.speedByte)
        .arg(z.stay)
        .arg(z.clearFirst ? QStringLiteral(", clears first") : QString());
}

QString programText(const SignContent& c, int k)
{
    const StoredProgram& p = c.programs.at(k);
    QString text = QStringLiteral("program %1: %2 data bytes, end count %3\n")
                       .arg(k + 1)
                       .arg(p.data.size())
                       .arg(p.finalCount);
    const auto index = parseProgramIndex(p.index, c.screenWidth, c.screenHeight);
    if (!index)
        return text + QStringLiteral("  index unreadable\n");
    text += QStringLiteral("  template %1, %2 zone(s), %3 frame(s), %4\n")
                .arg(index->layoutTemplate)
                .arg(index->zoneCount)
                .arg(index->frameCount())
                .arg(index->playMode ? QStringLiteral("plays %1 s").arg(index->playMode)
                                     : QStringLiteral("plays in sequence"));
    if (index->timedPlay)
        text += QStringLiteral("  timed: 20%1-%2-%3 to 20%4-%5-%6\n")
                    .arg(index->startYear, 2, 10, QLatin1Char('0'))
                    .arg(index->startMonth)
                    .arg(index->startDay)
                    .arg(index->endYear, 2, 10, QLatin1Char('0'))
                    .arg(index->endMonth)
                    .arg(index->endDay);
    for (int s : index->usedSlots())
        text += zoneLine(index->zone(s));
    return text;
}

QString writeFrames(const SignContent& c, const QString& dir)
{
    if (!QDir().mkpath(dir))
        return QStringLiteral("cannot create %1").arg(dir);
    for (int k = 0; k < c.programs.size(); ++k) {
        const auto index = parseProgramIndex(c.programs.at(k).index, c.screenWidth, c.screenHeight);
        // Only the frames the data reaches: a damaged page count must not make hundreds.
        const int frameBytes = std::max(1, frameByteCount(c.screenWidth, c.screenHeight, c.colours));
        const int reached = static_cast<int>((c.programs.at(k).data.size() + frameBytes - 1) / frameBytes);
        const auto frames = decodeFrames(c.programs.at(k).data, c.screenWidth, c.screenHeight, c.colours,
                                         std::min(index ? index->frameCount() : 0, reached));
        for (size_t f = 0; f < frames.size(); ++f) {
            const QString path =
                QDir(dir).filePath(QStringLiteral("program%1_frame%2.png").arg(k + 1).arg(f + 1));
            if (!frames[f].toImage().save(path, "PNG"))
                return QStringLiteral("cannot write %1").arg(path);
        }
    }
    return {};
}

int decode(const QStringList& args)
{
    Options opts(args, {QStringLiteral("--frames"), QStringLiteral("--save-sim")}, {});
    if (!opts.ok() || opts.positional().size() != 1)
        return fail(opts.ok()
                        ? QStringLiteral("usage: dotsign-cli decode FILE [--frames DIR] [--save-sim DIR]")
                        : opts.error(),
                    2);
    QString error;
    const auto file = readExportFile(opts.positional().first(), &error);
    if (!file)
        return fail(error);
    const SignContent& c = file->content;
    QString text = QStringLiteral("header: address %1, %2 program(s), border %3, settings %4\n")
                       .arg(file->address)
                       .arg(file->programCount)
                       .arg(file->border ? QStringLiteral("on") : QStringLiteral("off"))
                       .arg(file->usbDiskMode ? QStringLiteral("included") : QStringLiteral("not included"));
    text += QStringLiteral("screen: %1 x %2, %3 colour(s)\n")
                .arg(c.screenWidth)
                .arg(c.screenHeight)
                .arg(c.colours);
    for (int k = 0; k < c.programs.size(); ++k)
        text += programText(c, k);
    for (const ExportIssue& i : file->issues)
        text += QStringLiteral("%1 at byte %2: %3\n")
                    .arg(i.error ? QStringLiteral("error") : QStringLiteral("note"))
                    .arg(i.offset)
                    .arg(i.message);
    out(text);
    if (opts.has(QStringLiteral("--frames")) &&
        !(error = writeFrames(c, opts.value(QStringLiteral("--frames")))).isEmpty())
        return fail(error);
    if (opts.has(QStringLiteral("--save-sim")) &&
        !(error = saveSignContent(c, opts.value(QStringLiteral("--save-sim")))).isEmpty())
        return fail(error);
    return file->hasErrors() ? 1 : 0;
}

} // namespace

static const CliCommand kDecode("decode", "decode FILE [--frames DIR] [--save-sim DIR]",
                                "Reads a USB-disk download file (zorva.kv) and lists its header, screen "
                                "settings, programs and zones, and every byte that breaks the file's layout "
                                "with its offset. --frames writes each program's plane frames as PNG "
                                "pictures (one pixel per LED); --save-sim writes the content as a virtual "
                                "card's folder for 'play --from-sim'. Exits 1 when the file is broken.",
                                decode);

} // namespace dotsign::cli
