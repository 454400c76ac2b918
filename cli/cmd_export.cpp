#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "render/fonts.h"
#include "usbdisk/usbexport.h"

#include <QDir>
#include <cstdio>

namespace dotsign::cli {

static int exportFile(const QStringList& args)
{
    Options opts(args, {QStringLiteral("--out"), QStringLiteral("--drive")}, {QStringLiteral("--border")});
    if (!opts.ok() || opts.positional().size() != 1 ||
        opts.has(QStringLiteral("--out")) == opts.has(QStringLiteral("--drive")))
        return fail(opts.ok()
                        ? QStringLiteral("usage: dotsign-cli export PROJECT.kvp (--out FILE | --drive DIR) "
                                         "[--border]")
                        : opts.error(),
                    2);
    installLedFontSubstitutions();
    ProjectState state;
    if (!loadProjectForCli(state, opts.positional().first()))
        return 1;
    const QString path = opts.has(QStringLiteral("--out"))
                             ? opts.value(QStringLiteral("--out"))
                             : usbExportPath(opts.value(QStringLiteral("--drive")));
    LedPlanes planes;
    LinkState link;
    DownloadObserver observer;
    observer.note = [](const Status& note) {
        std::fprintf(stderr, "dotsign-cli: %s\n", note.message.toUtf8().constData());
    };
    const Status status =
        transdata_usb(state, planes, link, path, opts.has(QStringLiteral("--border")), observer);
    if (!status)
        return fail(QString(status.message).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    out(QStringLiteral("%1\n").arg(QDir::toNativeSeparators(path)));
    return 0;
}

static const CliCommand
    kExport("export", "export PROJECT.kvp (--out FILE | --drive DIR) [--border]",
            "Writes the USB-disk export of every program: to FILE, or to DIR/zorva/zorva.kv "
            "on a mounted volume. --border turns the flowing border on. The file replaces "
            "an existing one only when it is complete.",
            exportFile);

} // namespace dotsign::cli
