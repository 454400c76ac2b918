#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "project/gbk.h"
#include "project/projectfile.h"

#include <QFile>
#include <QStringDecoder>

namespace dotsign::cli {

// A text file from a script is UTF-8 on this system; one that is not valid
// UTF-8 is taken as GBK, the controller's own code page.
static std::optional<QString> readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromGbk(bytes) : text;
}

static int setText(const QStringList& args)
{
    Options opts(args,
                 {QStringLiteral("--program"), QStringLiteral("--zone"), QStringLiteral("--text"),
                  QStringLiteral("--file")},
                 {});
    if (!opts.ok() || opts.positional().size() != 1 ||
        opts.has(QStringLiteral("--text")) == opts.has(QStringLiteral("--file")))
        return fail(opts.ok() ? QStringLiteral("usage: dotsign-cli set-text PROJECT.kvp --program N --zone Z "
                                               "(--text TEXT | --file FILE)")
                              : opts.error(),
                    2);
    ProjectState state;
    if (!loadProjectForCli(state, opts.positional().first()))
        return 1;
    const auto program = opts.number(QStringLiteral("--program"), 1, std::max(1, state.screen.programCount));
    const auto zone = opts.number(QStringLiteral("--zone"), 1, kZoneSlots);
    if (!program || !zone || state.screen.programCount < 1)
        return fail(
            state.screen.programCount < 1 ? QStringLiteral("the project has no programs") : opts.error(), 2);
    ZoneRecord& z = state.zone(*program, *zone);
    if (*zone > state.program(*program).zoneCount || z.zoneType != ZoneText)
        return fail(QStringLiteral("program %1 has no text zone %2").arg(*program).arg(*zone));

    QString text = opts.value(QStringLiteral("--text"));
    if (opts.has(QStringLiteral("--file"))) {
        const auto read = readTextFile(opts.value(QStringLiteral("--file")));
        if (!read)
            return fail(QStringLiteral("cannot read %1").arg(opts.value(QStringLiteral("--file"))));
        text = *read;
    }
    if (const QString outside = charactersOutsideGbk(text); !outside.isEmpty())
        return fail(QStringLiteral("the controller cannot show these characters: %1").arg(outside));
    z.zoneText = text;
    const Status saved = SaveProject(state, state.projectFilePath);
    return saved ? 0 : fail(saved.message);
}

static const CliCommand
    kSetText("set-text", "set-text PROJECT.kvp --program N --zone Z (--text TEXT | --file FILE)",
             "Replaces the text of a text zone and saves the project as the editor does (the "
             "zone's text file is rewritten). FILE is read as UTF-8, or as GBK when it is not "
             "valid UTF-8. Texts the controller cannot show are refused.",
             setText);

} // namespace dotsign::cli
