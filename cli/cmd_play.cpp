#include "cli/command.h"
#include "cli/options.h"
#include "sim/exportdecode.h"
#include "sim/gifwriter.h"
#include "sim/player.h"
#include "sim/playerrender.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <optional>

namespace dotsign::cli {

namespace {

constexpr char kDefaultClock[] = "2026-12-11 08:00:00";

// The content from a download file or a card folder, with any size or colour overrides.
std::optional<SignContent> loadContent(Options& opts)
{
    std::optional<SignContent> content;
    QString error;
    if (opts.has(QStringLiteral("--from-sim"))) {
        content = loadSignContent(opts.value(QStringLiteral("--from-sim")), &error);
    } else if (const auto file = readExportFile(opts.positional().first(), &error)) {
        for (const ExportIssue& i : file->issues)
            std::fprintf(stderr, "dotsign-cli: %s at byte %lld: %s\n", i.error ? "error" : "note",
                         static_cast<long long>(i.offset), i.message.toUtf8().constData());
        content = file->content;
    }
    if (!content) {
        fail(error);
        return std::nullopt;
    }
    if (opts.has(QStringLiteral("--width")))
        content->screenWidth = opts.number(QStringLiteral("--width"), 8, 2040).value_or(0);
    if (opts.has(QStringLiteral("--height")))
        content->screenHeight = opts.number(QStringLiteral("--height"), 1, 255).value_or(0);
    if (opts.has(QStringLiteral("--colours")))
        content->colours = opts.number(QStringLiteral("--colours"), 1, 2).value_or(1);
    if (opts.has(QStringLiteral("--border")))
        content->border = true;
    if (!opts.ok()) {
        fail(opts.error(), 2);
        return std::nullopt;
    }
    return content;
}

// Records straight into the GIF file or the folder of PNG pictures, one
// picture at a time, so that long recordings need no memory to speak of.
QString record(Player& player, qint64 ms, int frameMs, int pitch, const QString& outPath, int* count)
{
    const bool gif = outPath.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
    QFile file(outPath);
    GifStream stream(&file);
    if (gif && !file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1: %2").arg(outPath, file.errorString());
    if (!gif && !QDir().mkpath(outPath))
        return QStringLiteral("cannot create %1").arg(outPath);
    QString error;
    *count = 0;
    const auto sink = [&](const GifFrame& frame) {
        if (gif) {
            if (!stream.add(frame))
                error = QStringLiteral("cannot write %1: %2").arg(outPath, file.errorString());
        } else {
            const QString path =
                QDir(outPath).filePath(QStringLiteral("frame_%1.png").arg(*count, 4, 10, QLatin1Char('0')));
            if (!frame.image.convertToFormat(QImage::Format_RGB32).save(path, "PNG"))
                error = QStringLiteral("cannot write %1").arg(path);
        }
        ++*count;
        return error.isEmpty();
    };
    if (recordPlayback(player, ms, frameMs, pitch, gif, sink) && gif && !stream.finish())
        error = QStringLiteral("cannot write %1: %2").arg(outPath, file.errorString());
    return error;
}

int play(const QStringList& args)
{
    Options opts(args,
                 {QStringLiteral("--from-sim"), QStringLiteral("--seconds"), QStringLiteral("--out"),
                  QStringLiteral("--clock"), QStringLiteral("--fps"), QStringLiteral("--pitch"),
                  QStringLiteral("--width"), QStringLiteral("--height"), QStringLiteral("--colours")},
                 {QStringLiteral("--border")});
    const bool fromSim = opts.has(QStringLiteral("--from-sim"));
    if (!opts.ok() || opts.positional().size() != (fromSim ? 0 : 1) || !opts.has(QStringLiteral("--out")))
        return fail(opts.ok()
                        ? QStringLiteral("usage: dotsign-cli play FILE|--from-sim DIR --seconds N --out "
                                         "anim.gif|frames/")
                        : opts.error(),
                    2);
    const auto seconds = opts.number(QStringLiteral("--seconds"), 1, 3600);
    const int fps =
        opts.has(QStringLiteral("--fps")) ? opts.number(QStringLiteral("--fps"), 1, 100).value_or(0) : 20;
    const int pitch =
        opts.has(QStringLiteral("--pitch")) ? opts.number(QStringLiteral("--pitch"), 1, 32).value_or(0) : 4;
    const QString clockText = opts.value(QStringLiteral("--clock"), QString::fromLatin1(kDefaultClock));
    const QDateTime clock = QDateTime::fromString(clockText, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!opts.ok() || !seconds)
        return fail(opts.error(), 2);
    if (!clock.isValid())
        return fail(QStringLiteral("--clock must look like \"%1\"").arg(QLatin1String(kDefaultClock)), 2);
    const auto content = loadContent(opts);
    if (!content)
        return 1;
    Player player(*content, clock);
    for (const QString& problem : player.problems())
        std::fprintf(stderr, "dotsign-cli: %s\n", problem.toUtf8().constData());
    if (content->screenWidth <= 0 || content->screenHeight <= 0)
        return fail(QStringLiteral("the screen size is unknown: give --width and --height"));
    const QString outPath = opts.value(QStringLiteral("--out"));
    int frames = 0;
    const QString error = record(player, *seconds * qint64(1000), 1000 / fps, pitch, outPath, &frames);
    if (!error.isEmpty())
        return fail(error);
    out(QStringLiteral("%1: %2 frames, %3 x %4 LEDs, %5 programs\n")
            .arg(outPath)
            .arg(frames)
            .arg(content->screenWidth)
            .arg(content->screenHeight)
            .arg(content->programs.size()));
    return 0;
}

} // namespace

static const CliCommand
    kPlay("play",
          "play FILE|--from-sim DIR --seconds N --out anim.gif|frames/ [--clock \"2026-12-11 08:00:00\"]",
          "Plays what a controller card would show, from a USB-disk download file (zorva.kv) or a virtual "
          "card's folder, and records it as an animated GIF (--out ending in .gif) or as numbered PNG "
          "pictures in a folder. The card's clock starts at --clock (default 2026-12-11 08:00:00), so the "
          "same input always gives the same pictures. --fps (default 20) sets the pictures per second, "
          "--pitch (default 4) the pixels per LED. When the file carries no screen settings the size is "
          "taken from the zones; --width, --height, --colours 1|2 and --border override it.",
          play);

} // namespace dotsign::cli
