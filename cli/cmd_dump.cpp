#include "cli/command.h"
#include "cli/projectload.h"
#include "project/projectjson.h"

#include <QJsonDocument>

namespace dotsign::cli {

static int dump(const QStringList& args)
{
    if (args.size() != 1)
        return fail(QStringLiteral("usage: dotsign-cli dump PROJECT.kvp"), 2);
    ProjectState state;
    if (!loadProjectForCli(state, args.first()))
        return 1;
    out(QString::fromUtf8(QJsonDocument(projectToJson(state)).toJson(QJsonDocument::Indented)));
    return 0;
}

static const CliCommand
    kDump("dump", "dump PROJECT.kvp",
          "Prints the loaded project as JSON: the screen record and each program with its four "
          "zone slots, under the records' field names.",
          dump);

} // namespace dotsign::cli
