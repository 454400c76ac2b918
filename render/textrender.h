#pragma once
// Text zones: the zone's text drawn with an outline font into a bitmap exactly
// as wide as the zone, one LED per pixel, laid out as pages of the zone's
// height. Four layouts: pages of upright lines, pages of turned characters
// (couplet), and the same two as one long strip cut into zone-wide pages when
// the zone scrolls sideways without pausing.
//
// The renderer is a function of the zone record and the editor's inputs; it
// saves nothing and does not touch the planes.

#include "project/projectstate.h"
#include "render/gbktext.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

namespace dotsign {

// One row of the LED size table: the height and width of a full-width
// character cell in LEDs, and the font's point size.
struct LedSize
{
    int leds = 12;
    int points = 12;
};

// The eleven texts the size box lists, in order ("单字12个LED灯大小" ...
// "单字128个LED灯大小"); the 56 row is only reached by a typed text.
QStringList ledSizeTexts();
// The table row of a size text; any other text (an empty box too) is 12 LEDs at 12 points.
LedSize ledSizeForText(const QString& sizeText);

// Strip mode: 88 when a single-line zone moves sideways without pausing
// (zoneEffect 1, 2, 6 or 7 and zoneStay 0), else 0.
int manzu(const ZoneRecord& zone);

// Text colour of a zone's zoneColour: 2 green (0, 128, 0), 3 yellow
// (255, 255, 0), anything else red (255, 0, 0).
QColor textColourForZone(int zoneColour);

// The text editor's inputs.
struct TextInput
{
    QString text; // line breaks as CR LF, two bytes each
    QString fontName;
    QString sizeText;
    QColor colour = QColor(255, 0, 0);
    bool couplet = false; // "对联效果": characters turned a quarter turn counter-clockwise
};

struct TextRender
{
    QImage image;      // Image1: zoneWidth wide, whole pages of zoneHeight
    QImage stripImage; // Image100: the long line of the strip modes (null otherwise)
    bool stripMode = false;
    int zoneInfoHeight = 0; // height of image
    int zoneHeight = 0;     // the zone's height, which the couplet page mode raises from 0 to 8
    int PreviewWidth = 0;
    int PreviewHeight = 0;
    QString replacedCharacters; // characters GBK cannot carry, drawn as '?'
    bool truncated = false;     // content beyond the 6144 rows the sign can hold was left out
};

TextRender Button1Click(const ZoneRecord& zone, const TextInput& input);

// Bytes per line of the upright page mode: (zoneWidth / S) * 2, at least 1.
int bytesPerLine(int zoneWidth, int leds);

// Turned characters, one per cell of `cell` pixels from x = 0, each extending
// right of its x and upward from its y. ztx centres on `zoneHeight` rows
// (a two-byte character at y = Z - (Z - S) / 2, a one-byte one at
// Z - (Z - S / 2) / 2); ztx1 puts two-byte characters at `baseline` and
// one-byte ones at baseline - S / 4.
void ztx(QImage& target, const GbkText& text, int cell, const QColor& colour, int points,
         const QString& fontName, int zoneHeight);
void ztx1(QImage& target, const GbkText& text, int cell, const QColor& colour, int points,
          const QString& fontName, int baseline);

} // namespace dotsign
