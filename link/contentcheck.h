#pragma once
// The pre-flight check with rendering: on top of the checks of the records
// (project/preflight.h), every program is rendered as the download renders it
// to find content cut off at the frame limit, text larger than its zone, and
// programs that together need more than the card can store.

#include "project/preflight.h"
#include "project/projectstate.h"
#include "render/ledplanes.h"

namespace dotsign {

// Renders into `planes` (cleared for each program); writes no files.
QList<Finding> checkProject(ProjectState& state, LedPlanes& planes);

} // namespace dotsign
