#pragma once

#include "project/projectstate.h"

namespace dotsign::test {

// A screen of `programs` programs whose dates and slot times are readable, so
// that their index frames can be built.
TprojectProp screenOf(int programs);

} // namespace dotsign::test
