#include "app/ledlists.h"

#include "render/fonts.h"
#include "render/textrender.h"

#include <QCoreApplication>

namespace dotsign {

QStringList textFontList()
{
    return ledFontFamilies();
}

// The size box is read by position, so its captions may be translated; the
// renderer keeps its own Chinese names.
QStringList textSizeList()
{
    QStringList captions;
    for (const QString& text : ledSizeTexts())
        captions
            << QCoreApplication::translate("LedLists", "单字%1个LED灯大小").arg(ledSizeForText(text).leds);
    return captions;
}

} // namespace dotsign
