#pragma once
// A short English reading of a frame for the card's log ("power on",
// "data block program 1 block 2").

#include "sim/cardparser.h"

#include <QString>

namespace dotsign {

QString frameMeaning(CardFrameKind kind, const QByteArray& bytes);

} // namespace dotsign
