#include "sim/effects.h"

#include <algorithm>

#include <QCoreApplication>

namespace dotsign {

namespace {

const char* const kEffectNames[14] = {
    QT_TRANSLATE_NOOP("Effects", "立即显示向左移动"),
    QT_TRANSLATE_NOOP("Effects", "立即显示向右移动"),
    QT_TRANSLATE_NOOP("Effects", "立即显示向上移动"),
    QT_TRANSLATE_NOOP("Effects", "立即显示向下移动"),
    QT_TRANSLATE_NOOP("Effects", "翻页"),
    QT_TRANSLATE_NOOP("Effects", "从右向左移动"),
    QT_TRANSLATE_NOOP("Effects", "从左向右移动"),
    QT_TRANSLATE_NOOP("Effects", "从下向上移动"),
    QT_TRANSLATE_NOOP("Effects", "从上向下移动"),
    QT_TRANSLATE_NOOP("Effects", "从上到下卷入"),
    QT_TRANSLATE_NOOP("Effects", "从下到上卷入"),
    QT_TRANSLATE_NOOP("Effects", "左卷帘"),
    QT_TRANSLATE_NOOP("Effects", "右卷帘"),
    QT_TRANSLATE_NOOP("Effects", "随机"),
};

// A small integer mix, so that "随机" is the same on every run.
uint32_t mix(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

bool horizontal(int effect)
{
    return effect == 1 || effect == 2 || effect == 6 || effect == 7 || effect == 12 || effect == 13;
}

// The old picture moves s steps in direction (dx, dy); the page follows it in.
LedImage push(const LedImage& before, const LedImage& page, int dx, int dy, int s)
{
    LedImage out(page.width, page.height);
    out.blit(before, dx * s, dy * s);
    out.blit(page, dx * (s - page.width), dy * (s - page.height));
    return out;
}

LedImage slide(const LedImage& before, const LedImage& page, int x, int y)
{
    LedImage out = before;
    out.blit(page, x, y);
    return out;
}

// Columns [x0, x1) and rows [y0, y1) from the page, the rest from before.
LedImage reveal(const LedImage& before, const LedImage& page, int x0, int x1, int y0, int y1)
{
    LedImage out = before;
    for (int y = std::max(0, y0); y < std::min(page.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(page.width, x1); ++x)
            out.set(x, y, page.at(x, y));
    return out;
}

} // namespace

QString effectName(int code)
{
    if (code < 1 || code > 14)
        return QCoreApplication::translate("Effects", "翻页");
    return QCoreApplication::translate("Effects", kEffectNames[code - 1]);
}

int resolveEffect(int code, uint32_t seed)
{
    if (code == kEffectRandom)
        return 1 + static_cast<int>(mix(seed) % 13U);
    return code >= 1 && code <= 13 ? code : kEffectFlip;
}

int effectSteps(int effect, int w, int h)
{
    if (effect < 1 || effect > 13 || effect == kEffectFlip)
        return 0;
    return std::max(0, horizontal(effect) ? w : h);
}

LedImage composeEntry(int effect, const LedImage& before, const LedImage& page, int step)
{
    const int w = page.width, h = page.height;
    const int n = effectSteps(effect, w, h);
    if (n == 0 || step >= n)
        return page;
    const LedImage old = before.width == w && before.height == h ? before : LedImage(w, h);
    const int s = std::max(0, step);
    switch (effect) {
    case 1:
        return push(old, page, -1, 0, s);
    case 2:
        return push(old, page, 1, 0, s);
    case 3:
        return push(old, page, 0, -1, s);
    case 4:
        return push(old, page, 0, 1, s);
    case 6:
        return slide(old, page, w - s, 0);
    case 7:
        return slide(old, page, s - w, 0);
    case 8:
        return slide(old, page, 0, h - s);
    case 9:
        return slide(old, page, 0, s - h);
    case 10:
        return reveal(old, page, 0, w, 0, s);
    case 11:
        return reveal(old, page, 0, w, h - s, h);
    case 12:
        return reveal(old, page, 0, s, 0, h);
    case 13:
        return reveal(old, page, w - s, w, 0, h);
    default:
        return page;
    }
}

} // namespace dotsign
