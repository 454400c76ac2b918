#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "link/contentcheck.h"
#include "render/fonts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dotsign::cli {

static int check(const QStringList& args)
{
    Options opts(args, {}, {QStringLiteral("--json")});
    if (!opts.ok() || opts.positional().size() != 1)
        return fail(
            opts.ok() ? QStringLiteral("usage: dotsign-cli check PROJECT.kvp [--json]") : opts.error(), 2);
    ProjectState state;
    if (!loadProjectForCli(state, opts.positional().first()))
        return 1;
    installLedFontSubstitutions();
    LedPlanes planes;
    const QList<Finding> findings = checkProject(state, planes);
    bool errors = false;
    QJsonArray list;
    QString text;
    for (const Finding& f : findings) {
        errors |= f.severity == Severity::Error;
        list.append(
            QJsonObject{{QStringLiteral("program"), f.program},
                        {QStringLiteral("zone"), f.zone},
                        {QStringLiteral("severity"),
                         f.severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning")},
                        {QStringLiteral("code"), f.code},
                        {QStringLiteral("message"), f.message}});
        text += QStringLiteral("%1 [%2] %3\n").arg(severityCaption(f.severity), f.code, f.message);
    }
    if (opts.has(QStringLiteral("--json")))
        out(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)));
    else
        out(findings.isEmpty() ? QStringLiteral("没有发现问题。\n") : text);
    return errors ? 1 : 0;
}

static const CliCommand
    kCheck("check", "check PROJECT.kvp [--json]",
           "Lists what would go wrong on the sign before anything is sent: zones outside the "
           "screen or of size 0, overlapping zones, missing content files, texts the controller "
           "cannot show, empty texts, schedule mistakes. Exits 1 when there is an error.",
           check);

} // namespace dotsign::cli
