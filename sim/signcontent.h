#pragma once
// What a controller card holds after a download: the raw program index frames
// and data bytes, and the settings the control frames gave it. This is the
// virtual sign's input. It is a plain value: the virtual card, the USB-disk
// file reader and tests all fill it the same way, from bytes only.

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QImage;

namespace dotsign {

// One program as the card stored it.
struct StoredProgram
{
    QByteArray index;    // the 252-byte program index frame, tags included
    QByteArray data;     // the data bytes of the blocks, concatenated in block order
    int finalCount = -1; // block count of the end frame or end marker (-1: none seen)
};

// Day/night brightness as the brightness frame or the screen settings carry it.
struct BrightnessSchedule
{
    int dayHour = 7, dayMinute = 0;
    int nightHour = 20, nightMinute = 0;
    int dayLevel = 200, nightLevel = 200; // 1 darkest .. 200 brightest
};

// The daily power timer. Equal on and off times mean no timer.
struct PowerTimer
{
    int onHour = 0, onMinute = 0;
    int offHour = 0, offMinute = 0;
};

struct SignContent
{
    int screenWidth = 0;
    int screenHeight = 0;
    int colours = 1;      // 1 red only, 2 red and green
    char cardClass = 'B'; // 'A', 'B' or 'C': B and C cards receive speeds one higher
    QList<StoredProgram> programs;

    std::optional<BrightnessSchedule> brightness;
    std::optional<PowerTimer> powerTimer;
    bool powerOn = true;
    bool paused = false;
    bool border = false;
};

// One LED picture: each byte is bit 0 red, bit 1 green (3 = both, yellow).
struct LedImage
{
    enum : uint8_t { Off = 0, Red = 1, Green = 2, Yellow = 3 };

    int width = 0;
    int height = 0;
    std::vector<uint8_t> leds;

    LedImage() = default;
    LedImage(int w, int h);

    bool isNull() const { return width <= 0 || height <= 0; }
    uint8_t at(int x, int y) const
    {
        return inside(x, y)
                   ? leds[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]
                   : uint8_t(Off);
    }
    void set(int x, int y, uint8_t value)
    {
        if (inside(x, y))
            leds[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = value;
    }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void fill(uint8_t value);
    // The w x h area at (x, y); LEDs outside this image read as off.
    LedImage copy(int x, int y, int w, int h) const;
    // Copies `src` with its top-left corner at (x, y), clipped to this image.
    void blit(const LedImage& src, int x, int y);
    bool operator==(const LedImage& o) const
    {
        return width == o.width && height == o.height && leds == o.leds;
    }
    bool operator!=(const LedImage& o) const { return !(*this == o); }
    // A short stable digest of the LED states, for tests and logs.
    QString hash() const;
    // One pixel per LED: black, red, green or yellow.
    QImage toImage() const;
};

// Rebuilds the plane frames from a program's data bytes: rows of
// screenWidth / 8 bytes (bit 7 leftmost), a red row followed by a green row
// when there are two colours, `frameCount` frames of screenHeight rows one
// after the other. Bytes missing at the end read as dark LEDs; the columns
// beyond the last whole byte are never sent and stay dark.
std::vector<LedImage> decodeFrames(const QByteArray& data, int screenWidth, int screenHeight, int colours,
                                   int frameCount);
// The data bytes one frame takes.
int frameByteCount(int screenWidth, int screenHeight, int colours);

// Settings frames applied to the content. Each returns false (and changes
// nothing) when the frame does not have its layout.
bool applyScreenSettingsFrame(SignContent& content, const QByteArray& frame47);
bool applyLightFrame(SignContent& content, const QByteArray& frame22);
bool applyTimerFrame(SignContent& content, const QByteArray& frame27);

// A card's content kept in a folder: sign.json (screen and settings) and
// programNN.index / programNN.data for each program (NN from 01).
QString saveSignContent(const SignContent& content, const QString& dir); // empty on success, else the reason
std::optional<SignContent> loadSignContent(const QString& dir, QString* error = nullptr);

} // namespace dotsign
