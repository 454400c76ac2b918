#pragma once
// The entry effects a zone shows a new page with. An effect moves the page in
// by one LED per step: `before` is what the zone showed, `page` what comes.
//
//   1-4   "立即显示向左/右/上/下移动": the shown picture and the new page move
//         together as one strip (the old page is pushed out).
//   5     "翻页": the new page replaces the old one at once.
//   6-9   "从右向左/从左向右/从下向上/从上向下移动": the new page slides in from
//         the edge over the old picture, which stays where it is not covered.
//   10,11 "从上到下卷入"/"从下到上卷入": the new page is uncovered row by row
//         in place, from the top down or from the bottom up.
//   12,13 "左卷帘"/"右卷帘": uncovered column by column in place, starting at
//         the left or at the right edge.
//   14    "随机": one of 1..13, chosen anew for every page.
// Any other code plays as "翻页".

#include "sim/signcontent.h"

#include <QString>
#include <cstdint>

namespace dotsign {

constexpr int kEffectFlip = 5;
constexpr int kEffectRandom = 14;

QString effectName(int code);
// The effect a code plays as: random picks by `seed`, unknown codes flip.
int resolveEffect(int code, uint32_t seed);
// LED steps the (resolved) effect takes on a zone of w x h; 0 for "翻页".
int effectSteps(int effect, int w, int h);
// The zone after `step` of `effectSteps` steps; at the last step it is the page.
LedImage composeEntry(int effect, const LedImage& before, const LedImage& page, int step);

} // namespace dotsign
