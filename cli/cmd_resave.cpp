#include "cli/command.h"
#include "cli/projectload.h"
#include "project/projectfile.h"

#include <QFileInfo>

namespace dotsign::cli {

static int resave(const QStringList& args)
{
    if (args.size() != 2)
        return fail(QStringLiteral("usage: dotsign-cli resave SRC.kvp DEST.kvp"), 2);
    ProjectState state;
    if (!loadProjectForCli(state, args.at(0)))
        return 1;
    // As "另存为": the project now lives at DEST, and its text files go beside it.
    state.setProjectFile(QFileInfo(args.at(1)).absoluteFilePath());
    const Status status = SaveProject(state, state.projectFilePath);
    return status ? 0 : fail(status.message);
}

static const CliCommand
    kResave("resave", "resave SRC.kvp DEST.kvp",
            "Loads SRC and saves it to DEST as \"另存为\" would; the zone text files are written "
            "beside DEST.",
            resave);

} // namespace dotsign::cli
