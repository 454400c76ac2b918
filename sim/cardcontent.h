#pragma once
// What the virtual card holds, as the virtual sign plays it.

#include "sim/signcontent.h"

namespace dotsign {

class VirtualCard;

// The card's downloaded programs (index, blocks in the order they came, end
// count) and the settings it was last sent. Without a settings frame the
// screen size and colours are taken from `fallbackWidth`/`Height`/`Colours`
// (the project that was sent).
SignContent signContentFromCard(const VirtualCard& card, int fallbackWidth, int fallbackHeight,
                                int fallbackColours);

// The port name that stands for the built-in virtual card in the port list.
// It is stored in projects as the port, so only captions show it translated
// (QCoreApplication::translate("VirtualSign", kVirtualSignPort)).
inline const char* const kVirtualSignPort = QT_TRANSLATE_NOOP("VirtualSign", "虚拟显示屏");

} // namespace dotsign
