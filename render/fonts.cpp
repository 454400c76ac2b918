#include "render/fonts.h"

#include <QFontDatabase>

namespace dotsign {

namespace {

struct Substitution
{
    const char* windowsName;
    const char* faces[2]; // in order of preference
};

// The Chinese and Latin names under which Windows knows the two faces. The
// "Sharp" cut of Zen Hei carries hand-tuned bitmaps at 12 and 16 px; the
// outline cut breaks strokes apart at those sizes without smoothing.
// clang-format off
const Substitution kSubstitutions[] = {
    {"宋体", {"AR PL UMing CN", nullptr}},
    {"SimSun", {"AR PL UMing CN", nullptr}},
    {"新宋体", {"AR PL UMing CN", nullptr}},
    {"黑体", {"WenQuanYi Zen Hei Sharp", "WenQuanYi Zen Hei"}},
    {"SimHei", {"WenQuanYi Zen Hei Sharp", "WenQuanYi Zen Hei"}},
};
// clang-format on

} // namespace

void installLedFontSubstitutions()
{
    for (const Substitution& s : kSubstitutions) {
        const QString name = QString::fromUtf8(s.windowsName);
        for (const char* face : s.faces) {
            if (face && !QFont::substitutes(name).contains(QString::fromUtf8(face), Qt::CaseInsensitive))
                QFont::insertSubstitution(name, QString::fromUtf8(face));
        }
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
