#pragma once
// Where a zone's files live and how they are named. Every content file is
// looked up in the project folder (the folder of projectFilePath) by the
// file-name part of what the project stores, so a project folder stays valid
// when it is copied or moved, and a stored name can never reach outside it.

#include "project/projectstate.h"
#include "project/status.h"

#include <QString>

namespace dotsign {

// "0-11-3" for screen 0, program 12, slot 3.
QString zoneKey(int screen, int program, int slot);

// The folder of projectFilePath, ending with '/'.
QString projectFolder(const ProjectState& state);

// The file-name part of a stored path: what follows the last '\' or '/'.
// "." and ".." give an empty name.
QString fileNamePart(const QString& storedPath);

// Project folder + file-name part of `storedPath` (empty when there is no name).
QString resolveZoneFile(const ProjectState& state, const QString& storedPath);

// Project folder + key + ".txt".
QString zoneTextFilePath(const ProjectState& state, int program, int slot);

// Project folder + "ExtFile/" + key + ".bmp".
QString ZoneBitmapPath(const ProjectState& state, int program, int slot);
QString extFileFolder(const ProjectState& state);

// Creates "ExtFile/" when it is missing; fails when a file stands in its place.
Status ensureExtFileFolder(const ProjectState& state);

// A zone text file: GBK, every line ended by CR LF (the last one too).
// Reading normalises line breaks to CR LF; `exists` tells whether the file was there.
QString readZoneTextFile(const QString& path, bool* exists = nullptr);
// Written atomically (a temporary file in the same folder, then a rename).
Status writeZoneTextFile(const QString& path, const QString& text);

// Text with every line break as CR LF and a final CR LF, as the text file holds it.
QString normaliseZoneText(const QString& text);

} // namespace dotsign
