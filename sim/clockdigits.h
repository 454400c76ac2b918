#pragma once
// The card draws a clock zone's changing parts itself: the host sends only
// the mask (separators, units, "星期") and the position of every element.
// The digits come from the card's own stroke font in three heights (12, 16
// or 32 LEDs, half as wide), fine for "宋体" and bold for "黑体"; the weekday
// is one full-width character 一 … 六, 日 of the same height.

#include "sim/playerindex.h"
#include "sim/signcontent.h"

#include <QDateTime>
#include <QString>

namespace dotsign {

// Digit height for the zoneFontSize byte: 0 → 12, 1 → 16, 2 → 32 (others 16).
int cardDigitSize(int fontSizeByte);
// LED colour for the zoneColour byte on a screen of `colours`.
uint8_t clockColour(int colourByte, int colours);

// Draws digits '0'..'9' (anything else leaves its cell dark) from (x, y),
// one cell of size / 2 columns per character.
void drawClockDigits(LedImage& image, int x, int y, const QString& digits, int size, bool bold,
                     uint8_t colour);
// Draws the weekday character (1 Monday .. 7 Sunday) in a size x size cell.
void drawWeekday(LedImage& image, int x, int y, int dayOfWeek, int size, bool bold, uint8_t colour);

// Fills in the elements the zone's clockOptions shows, at the positions the
// index carries, with the time `now`. `zone` is the zone's own picture.
void drawClockZone(LedImage& zone, const IndexZone& z, const QDateTime& now, int colours);

} // namespace dotsign
