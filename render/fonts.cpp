#include "render/fonts.h"

#include <QFontDatabase>

namespace dotsign {

namespace {

struct Substitution
{
    const char* windowsName;
    const char* face;
};

// The Chinese and Latin names under which Windows knows the two faces.
const Substitution kSubstitutions[] = {
    {"宋体", "AR PL UMing CN"},    {"SimSun", "AR PL UMing CN"},    {"新宋体", "AR PL UMing CN"},
    {"黑体", "WenQuanYi Zen Hei"}, {"SimHei", "WenQuanYi Zen Hei"},
};

} // namespace

void installLedFontSubstitutions()
{
    for (const Substitution& s : kSubstitutions) {
        const QString name = QString::fromUtf8(s.windowsName);
        const QString face = QString::fromUtf8(s.face);
        if (!QFont::substitutes(name).contains(face))
            QFont::insertSubstitution(name, face);
    }
}

QStringList ledFontFamilies()
{
    QStringList families{kSongTi, kHeiTi};
    for (const QString& family : QFontDatabase::families()) {
        if (!families.contains(family))
            families << family;
    }
    return families;
}

QFont ledFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(std::max(1, pixelSize));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

} // namespace dotsign
