#include "cli/projectload.h"

#include "cli/command.h"
#include "project/projectfile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace dotsign::cli {

bool loadProjectForCli(ProjectState& state, const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        fail(QStringLiteral("cannot open project %1: no such file").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    state.setProjectFile(QFileInfo(path).absoluteFilePath());
    state.defaultProjectFilePath = state.projectFilePath;
    // A file of another name keeps the screen settings of a fresh start.
    state.hw.screenWidth = 128;
    state.hw.screenHeight = 32;
    state.hw.colourThreshold = 127;
    QStringList warnings;
    const Status status = LoadProject(state, state.projectFilePath, &warnings);
    for (const QString& w : warnings)
        std::fprintf(stderr, "dotsign-cli: %s\n", w.toUtf8().constData());
    if (!status) {
        fail(status.message);
        return false;
    }
    copyScreenToHardwareSettings(state); // as when the screen is shown in the editor
    return true;
}

} // namespace dotsign::cli
