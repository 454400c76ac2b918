#pragma once
// Where the project lives. Portable use keeps it beside the executable
// ("Project/" in the executable's folder) when that folder is writable;
// an installed copy keeps it in the user's application-data folder.

#include "project/projectstate.h"
#include "project/status.h"

#include <QString>

namespace dotsign {

// The folder that holds "Project/": `exeDir` when it is writable, else `dataDir`.
QString chooseProjectRoot(const QString& exeDir, const QString& dataDir);

// Sets projectDir to <root>/Project/, projectFileName to "Project.kvp",
// projectFilePath and defaultProjectFilePath; creates the folder and an empty
// "ExtFile/" when missing; copies the sample project from `sampleDir` (a folder
// or a resource path such as ":/sample/Project") when no "Project.kvp" exists.
Status prepareProjectFolder(ProjectState& state, const QString& root, const QString& sampleDir);

} // namespace dotsign
