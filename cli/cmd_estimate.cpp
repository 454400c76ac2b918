#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "link/sendtime.h"
#include "render/fonts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dotsign::cli {

static int estimate(const QStringList& args)
{
    Options opts(args, {QStringLiteral("--baud")}, {QStringLiteral("--json")});
    if (!opts.ok() || opts.positional().size() != 1)
        return fail(opts.ok() ? QStringLiteral("usage: dotsign-cli estimate PROJECT.kvp [--baud N] [--json]")
                              : opts.error(),
                    2);
    installLedFontSubstitutions();
    ProjectState state;
    if (!loadProjectForCli(state, opts.positional().first()))
        return 1;
    int baud = state.screen.baudRate;
    if (opts.has(QStringLiteral("--baud"))) {
        const auto b = opts.number(QStringLiteral("--baud"), 300, 921600);
        if (!b)
            return fail(opts.error(), 2);
        baud = *b;
    }
    LedPlanes planes;
    QJsonArray programs;
    QString text = QStringLiteral("%1 bit/s, %2\n").arg(baud).arg(state.screen.cardModel);
    qint64 totalMs = 0;
    for (int n = 1; n <= std::min(state.screen.programCount, kMaxPrograms); ++n) {
        planes.Clear();
        renderProgram(state, planes, n, {});
        const auto shape = programShape(state, n);
        if (!shape)
            return fail(QStringLiteral("program %1: its last zone has height 0 and cannot be sent").arg(n));
        const SendEstimate e = estimateProgram(*shape, baud);
        totalMs += e.totalMs();
        programs.append(QJsonObject{{QStringLiteral("program"), n},
                                    {QStringLiteral("frames"), shape->frames},
                                    {QStringLiteral("dataBytes"), shape->streamBytes()},
                                    {QStringLiteral("blocks"), e.dataBlocks},
                                    {QStringLiteral("wireBytes"), e.wireBytes},
                                    {QStringLiteral("wireMs"), e.wireMs},
                                    {QStringLiteral("waitMs"), e.waitMs},
                                    {QStringLiteral("totalMs"), e.totalMs()}});
        text +=
            QStringLiteral("节目%1: %2 frames, %3 data bytes, %4 blocks, %5 bytes on the wire, about %6 s\n")
                .arg(n)
                .arg(shape->frames)
                .arg(shape->streamBytes())
                .arg(e.dataBlocks)
                .arg(e.wireBytes)
                .arg(e.totalMs() / 1000.0, 0, 'f', 1);
    }
    if (opts.has(QStringLiteral("--json")))
        out(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("baudRate"), baud},
                                                        {QStringLiteral("programs"), programs},
                                                        {QStringLiteral("totalMs"), totalMs}})
                                  .toJson(QJsonDocument::Indented)));
    else
        out(text + QStringLiteral("total: about %1 s\n").arg(totalMs / 1000.0, 0, 'f', 1));
    return 0;
}

static const CliCommand
    kEstimate("estimate", "estimate PROJECT.kvp [--baud N] [--json]",
              "Renders every program as the download does and prints, per program, the data "
              "bytes, the data blocks and the expected send time at the project's speed (or "
              "N bit/s): the bytes on the wire plus the reply wait of every frame.",
              estimate);

} // namespace dotsign::cli
