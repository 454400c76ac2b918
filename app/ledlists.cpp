#include "app/ledlists.h"

#include "render/fonts.h"
#include "render/textrender.h"

namespace dotsign {

QStringList textFontList()
{
    return ledFontFamilies();
}

QStringList textSizeList()
{
    return ledSizeTexts();
}

} // namespace dotsign
