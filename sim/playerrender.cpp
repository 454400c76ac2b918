#include "sim/playerrender.h"

#include "sim/player.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace dotsign {

namespace {

QRgb scaled(int r, int g, int b, double k)
{
    return qRgb(static_cast<int>(std::lround(r * k)), static_cast<int>(std::lround(g * k)),
                static_cast<int>(std::lround(b * k)));
}

// Which pixels of a pitch x pitch cell belong to the dot.
std::vector<bool> dotMask(int pitch)
{
    std::vector<bool> mask(static_cast<size_t>(pitch * pitch), true);
    if (pitch < 3)
        return mask;
    const double r = (pitch - 1) / 2.0; // one pixel of gap
    const double c = (pitch - 1) / 2.0 - 0.5;
    for (int y = 0; y < pitch; ++y)
        for (int x = 0; x < pitch; ++x) {
            const double dx = x - c, dy = y - c;
            mask[static_cast<size_t>(y * pitch + x)] =
                x < pitch - 1 && y < pitch - 1 && dx * dx + dy * dy <= r * r;
        }
    return mask;
}

} // namespace

QVector<QRgb> dotPalette(int brightnessLevel)
{
    const double k = std::pow(std::clamp(brightnessLevel, 1, 200) / 200.0, 1 / 2.2);
    return {qRgb(0, 0, 0), qRgb(34, 30, 30), scaled(255, 36, 24, k), scaled(40, 255, 70, k),
            scaled(255, 214, 30, k)};
}

QImage renderDots(const LedImage& leds, int pitch, int brightnessLevel)
{
    pitch = std::clamp(pitch, 1, 64);
    const int w = std::max(1, leds.width * pitch), h = std::max(1, leds.height * pitch);
    QImage image(w, h, QImage::Format_Indexed8);
    image.setColorTable(dotPalette(brightnessLevel));
    image.fill(DotGap);
    const std::vector<bool> mask = dotMask(pitch);
    static const uchar colourOf[4] = {DotOff, DotRed, DotGreen, DotYellow};
    for (int ly = 0; ly < leds.height; ++ly) {
        for (int py = 0; py < pitch; ++py) {
            uchar* row = image.scanLine(ly * pitch + py);
            for (int lx = 0; lx < leds.width; ++lx) {
                const uchar c = colourOf[leds.at(lx, ly) & 3];
                for (int px = 0; px < pitch; ++px)
                    if (mask[static_cast<size_t>(py * pitch + px)])
                        row[lx * pitch + px] = c;
            }
        }
    }
    return image;
}

bool recordPlayback(Player& player, qint64 durationMs, int frameMs, int pitch, bool merge,
                    const std::function<bool(const GifFrame&)>& sink)
{
    frameMs = std::max(10, frameMs);
    const qint64 start = player.elapsedMs();
    std::optional<GifFrame> pending;
    for (qint64 t = 0; t < durationMs; t += frameMs) {
        QImage image = renderDots(player.frameAt(start + t), pitch, player.brightnessLevel());
        const int delayCs = static_cast<int>(std::min<qint64>(frameMs, durationMs - t) / 10);
        if (merge && pending && pending->image == image && pending->delayCs + delayCs <= 65535) {
            pending->delayCs += delayCs;
            continue;
        }
        if (pending && !sink(*pending))
            return false;
        pending = GifFrame{std::move(image), delayCs};
    }
    return !pending || sink(*pending);
}

std::vector<GifFrame> recordPlayback(Player& player, qint64 durationMs, int frameMs, int pitch, bool merge)
{
    std::vector<GifFrame> frames;
    recordPlayback(player, durationMs, frameMs, pitch, merge, [&frames](const GifFrame& f) {
        frames.push_back(f);
        return true;
    });
    return frames;
}

} // namespace dotsign
