#pragma once
// Draws LED pictures the way the sign looks from the street: round dots with
// a dark gap between them, unlit LEDs a dim grey, lit ones in the LED's own
// red, green or yellow at the brightness in force.
//
// Brightness levels run 1 .. 200 and set the LEDs' on-time (level / 200 of
// full); the eye sees that duty cycle with a gamma of about 2.2, which is
// how the colours are scaled.

#include "sim/gifwriter.h"
#include "sim/signcontent.h"

#include <QImage>
#include <QVector>
#include <functional>

namespace dotsign {

// Palette entries of a rendered picture.
enum DotIndex { DotGap = 0, DotOff = 1, DotRed = 2, DotGreen = 3, DotYellow = 4, kDotColours = 5 };

QVector<QRgb> dotPalette(int brightnessLevel);
// One LED per `pitch` x `pitch` pixels (pitch 1 and 2: plain squares, no
// gap). The image is Format_Indexed8 with dotPalette(brightness).
QImage renderDots(const LedImage& leds, int pitch, int brightnessLevel);

class Player;

// Plays `player` on for `durationMs`, one picture every `frameMs`, drawn at
// `pitch`, and hands each picture to `sink` as soon as it is known. Pictures
// equal to the one before are merged into it (a longer delay) when `merge`
// is set. Stops early, returning false, when the sink does.
bool recordPlayback(Player& player, qint64 durationMs, int frameMs, int pitch, bool merge,
                    const std::function<bool(const GifFrame&)>& sink);
// The same, collected in memory (short recordings and tests).
std::vector<GifFrame> recordPlayback(Player& player, qint64 durationMs, int frameMs, int pitch, bool merge);

} // namespace dotsign
