#pragma once
// Fonts for LED text. Projects name the Windows faces "宋体" and "黑体"; here
// they resolve to CJK faces that give clean one-pixel strokes without
// smoothing: AR PL UMing CN (its embedded bitmaps are pixel-exact at 12 and
// 16 px) for 宋体, WenQuanYi Zen Hei (its Sharp cut first) for 黑体. Sizes are pixel sizes (a point
// size at 96 dpi is 4/3 as many pixels), never the platform's logical dpi,
// and smoothing is off so that every LED is fully on or off.

#include <QFont>
#include <QString>
#include <QStringList>

namespace dotsign {

inline const QString kSongTi = QStringLiteral("宋体");
inline const QString kHeiTi = QStringLiteral("黑体");

// Makes "宋体" and "黑体" (and their Latin names) resolve to the installed
// CJK faces. Call once the QGuiApplication exists; calling again changes nothing.
void installLedFontSubstitutions();

// The font list the text editor shows and a text zone's zoneFont indexes:
// "宋体" and "黑体" first, then the installed families in the font database's
// order. Stable for one machine and font set.
QStringList ledFontFamilies();

// Pixels for a point size at 96 dpi.
constexpr int pixelsForPoints(int points)
{
    return points * 4 / 3;
}

// A font of `family` at `pixelSize` pixels with smoothing off.
QFont ledFont(const QString& family, int pixelSize);

} // namespace dotsign
