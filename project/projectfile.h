#pragma once
// The project file: a Windows-style INI file in GBK with Chinese section and
// key names. The file named "Project.kvp" (in any letter case) also carries the
// screen's hardware and link settings; a project file of any other name
// contributes only its programs.

#include "project/projectstate.h"
#include "project/status.h"

#include <QStringList>

namespace dotsign {

// Loads `path` into the state, starting from InitLedDispJiemu. The caller has
// set projectDir/projectFileName/projectFilePath to describe `path`.
// A missing file loads as all defaults. A value that is not a number where a
// number belongs stops the load with a message naming section, key and value
// (the records keep what was read so far). Notes for the operator that do not
// stop the load (a program count above 16 clamped, ...) go to `warnings`.
// Text zones get their text from their .txt file in the project folder; the
// last text zone loaded becomes currentZone.
Status LoadProject(ProjectState& state, const QString& path, QStringList* warnings = nullptr);

// Writes the screen and programs 1..programCount to `path` (keys replaced in
// place, foreign keys and sections kept) and the text files of text zones
// beside it, setting their zoneFile. The file is replaced in one atomic write:
// a failure leaves the previous file whole.
Status SaveProject(ProjectState& state, const QString& path);

} // namespace dotsign
