#pragma once
// The lists of the text editor's font and LED size boxes.

#include <QStringList>

namespace dotsign {

QStringList textFontList();
QStringList textSizeList();

} // namespace dotsign
