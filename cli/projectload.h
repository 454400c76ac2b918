#pragma once
// Loading a project for a CLI command: the project folder is the file's folder,
// as after "打开"; the screen settings come from the file when it is a
// "Project.kvp", otherwise the defaults of a new installation apply.

#include "project/projectstate.h"

#include <QString>

namespace dotsign::cli {

// Loads `path` into `state`; on failure prints the message and returns false.
bool loadProjectForCli(ProjectState& state, const QString& path);

} // namespace dotsign::cli
