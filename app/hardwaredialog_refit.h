#pragma once
// When the screen changes size, every program's zones are fitted to the new
// size by its layout template; zone positions stay as they are.

#include "project/projectstate.h"

namespace dotsign {

// Re-fits the zone sizes of programs 1..programs to a screen of width ×
// height. Slots: 1 top, 2 left, 3 right, 4 bottom.
void refitZones(TprojectProp& screen, int programs, int width, int height);

} // namespace dotsign
