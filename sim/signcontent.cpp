#include "sim/signcontent.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace dotsign {

namespace {

constexpr int kSettingsFrameLength = 47;
constexpr int kLightFrameLength = 22;
constexpr int kTimerFrameLength = 27;

uint8_t byteAt(const QByteArray& bytes, int i)
{
    return static_cast<uint8_t>(bytes.at(i));
}

bool taggedControlFrame(const QByteArray& frame, int length)
{
    return frame.size() == length && frame.startsWith("SNDDAT") && frame.mid(length - 8, 6) == "SNDDEN";
}

} // namespace

LedImage::LedImage(int w, int h) : width(std::max(0, w)), height(std::max(0, h))
{
    leds.assign(static_cast<size_t>(width) * static_cast<size_t>(height), Off);
}

void LedImage::fill(uint8_t value)
{
    std::fill(leds.begin(), leds.end(), value);
}

LedImage LedImage::copy(int x, int y, int w, int h) const
{
    LedImage out(w, h);
    for (int row = 0; row < out.height; ++row)
        for (int col = 0; col < out.width; ++col)
            out.set(col, row, at(x + col, y + row));
    return out;
}

void LedImage::blit(const LedImage& src, int x, int y)
{
    const int x0 = std::max(0, x), x1 = std::min(width, x + src.width);
    const int y0 = std::max(0, y), y1 = std::min(height, y + src.height);
    for (int row = y0; row < y1; ++row)
        for (int col = x0; col < x1; ++col)
            set(col, row, src.at(col - x, row - y));
}

QString LedImage::hash() const
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    const int size[2] = {width, height};
    h.addData(QByteArrayView(reinterpret_cast<const char*>(size), sizeof size));
    h.addData(
        QByteArrayView(reinterpret_cast<const char*>(leds.data()), static_cast<qsizetype>(leds.size())));
    return QString::fromLatin1(h.result().toHex().left(12));
}

QImage LedImage::toImage() const
{
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image.fill(Qt::black);
    static const QRgb colours[4] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(255, 255, 0)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[at(x, y) & 3]);
    return image;
}

int frameByteCount(int screenWidth, int screenHeight, int colours)
{
    if (screenWidth < 8 || screenHeight <= 0)
        return 0;
    return (screenWidth / 8) * screenHeight * (colours == 2 ? 2 : 1);
}

std::vector<LedImage> decodeFrames(const QByteArray& data, int screenWidth, int screenHeight, int colours,
                                   int frameCount)
{
    std::vector<LedImage> frames;
    if (screenWidth <= 0 || screenHeight <= 0 || frameCount <= 0)
        return frames;
    const int rowBytes = screenWidth / 8;
    const int planes = colours == 2 ? 2 : 1;
    qsizetype pos = 0;
    for (int f = 0; f < frameCount; ++f) {
        LedImage frame(screenWidth, screenHeight);
        for (int y = 0; y < screenHeight; ++y) {
            for (int plane = 0; plane < planes; ++plane) {
                const uint8_t bit = plane == 0 ? LedImage::Red : LedImage::Green;
                for (int c = 0; c < rowBytes; ++c, ++pos) {
                    const uint8_t b = pos < data.size() ? byteAt(data, static_cast<int>(pos)) : 0;
                    for (int k = 0; k < 8; ++k)
                        if (b & (0x80 >> k))
                            frame.set(c * 8 + k, y, frame.at(c * 8 + k, y) | bit);
                }
            }
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

bool applyScreenSettingsFrame(SignContent& content, const QByteArray& frame)
{
    if (!taggedControlFrame(frame, kSettingsFrameLength))
        return false;
    content.screenWidth = byteAt(frame, 13) * 8;
    content.screenHeight = byteAt(frame, 14);
    content.colours = byteAt(frame, 17) == 0 ? 1 : 2;
    content.powerTimer =
        PowerTimer{byteAt(frame, 25), byteAt(frame, 26), byteAt(frame, 27), byteAt(frame, 28)};
    content.brightness = BrightnessSchedule{byteAt(frame, 32), byteAt(frame, 33), byteAt(frame, 34),
                                            byteAt(frame, 35), byteAt(frame, 29), byteAt(frame, 30)};
    return true;
}

bool applyLightFrame(SignContent& content, const QByteArray& frame)
{
    if (!taggedControlFrame(frame, kLightFrameLength))
        return false;
    content.brightness = BrightnessSchedule{byteAt(frame, 8),  byteAt(frame, 9),  byteAt(frame, 10),
                                            byteAt(frame, 11), byteAt(frame, 12), byteAt(frame, 13)};
    return true;
}

bool applyTimerFrame(SignContent& content, const QByteArray& frame)
{
    if (!taggedControlFrame(frame, kTimerFrameLength))
        return false;
    content.powerTimer =
        PowerTimer{byteAt(frame, 15), byteAt(frame, 16), byteAt(frame, 17), byteAt(frame, 18)};
    return true;
}

namespace {

QString programFile(const QString& dir, int n, const char* ext)
{
    return QDir(dir).filePath(
        QStringLiteral("program%1.%2").arg(n, 2, 10, QLatin1Char('0')).arg(QLatin1String(ext)));
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

std::optional<QByteArray> readFile(const QString& path, qint64 limit)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > limit)
        return std::nullopt;
    return f.readAll();
}

QJsonObject settingsJson(const SignContent& c)
{
    QJsonObject o{{QStringLiteral("screenWidth"), c.screenWidth},
                  {QStringLiteral("screenHeight"), c.screenHeight},
                  {QStringLiteral("colours"), c.colours},
                  {QStringLiteral("cardClass"), QString(QLatin1Char(c.cardClass))},
                  {QStringLiteral("powerOn"), c.powerOn},
                  {QStringLiteral("paused"), c.paused},
                  {QStringLiteral("border"), c.border}};
    QJsonArray finals;
    for (const StoredProgram& p : c.programs)
        finals.append(p.finalCount);
    o.insert(QStringLiteral("finalCounts"), finals);
    if (c.brightness) {
        const BrightnessSchedule& b = *c.brightness;
        o.insert(QStringLiteral("brightness"),
                 QJsonArray{b.dayHour, b.dayMinute, b.nightHour, b.nightMinute, b.dayLevel, b.nightLevel});
    }
    if (c.powerTimer) {
        const PowerTimer& t = *c.powerTimer;
        o.insert(QStringLiteral("powerTimer"), QJsonArray{t.onHour, t.onMinute, t.offHour, t.offMinute});
    }
    return o;
}

std::vector<int> intsOf(const QJsonValue& v)
{
    std::vector<int> out;
    for (const QJsonValue& x : v.toArray())
        out.push_back(std::clamp(x.toInt(), -1, 255));
    return out;
}

void readSettingsJson(SignContent& c, const QJsonObject& o)
{
    c.screenWidth = std::clamp(o.value(QStringLiteral("screenWidth")).toInt(), 0, 2040);
    c.screenHeight = std::clamp(o.value(QStringLiteral("screenHeight")).toInt(), 0, 255);
    c.colours = o.value(QStringLiteral("colours")).toInt(1) == 2 ? 2 : 1;
    const QString cls = o.value(QStringLiteral("cardClass")).toString(QStringLiteral("B"));
    c.cardClass = cls == QLatin1String("A") || cls == QLatin1String("C") ? cls.at(0).toLatin1() : 'B';
    c.powerOn = o.value(QStringLiteral("powerOn")).toBool(true);
    c.paused = o.value(QStringLiteral("paused")).toBool(false);
    c.border = o.value(QStringLiteral("border")).toBool(false);
    const std::vector<int> b = intsOf(o.value(QStringLiteral("brightness")));
    if (b.size() == 6)
        c.brightness = BrightnessSchedule{b[0], b[1], b[2], b[3], b[4], b[5]};
    const std::vector<int> t = intsOf(o.value(QStringLiteral("powerTimer")));
    if (t.size() == 4)
        c.powerTimer = PowerTimer{t[0], t[1], t[2], t[3]};
}

} // namespace

QString saveSignContent(const SignContent& content, const QString& dir)
{
    if (!QDir().mkpath(dir))
        return QStringLiteral("cannot create %1").arg(dir);
    const QByteArray json = QJsonDocument(settingsJson(content)).toJson(QJsonDocument::Indented);
    if (!writeFile(QDir(dir).filePath(QStringLiteral("sign.json")), json))
        return QStringLiteral("cannot write sign.json in %1").arg(dir);
    for (int i = 0; i < content.programs.size(); ++i) {
        const StoredProgram& p = content.programs.at(i);
        if (!writeFile(programFile(dir, i + 1, "index"), p.index) ||
            !writeFile(programFile(dir, i + 1, "data"), p.data))
            return QStringLiteral("cannot write program %1 in %2").arg(i + 1).arg(dir);
    }
    return {};
}

std::optional<SignContent> loadSignContent(const QString& dir, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const auto json = readFile(QDir(dir).filePath(QStringLiteral("sign.json")), 1 << 20);
    if (!json)
        return fail(QStringLiteral("%1: no readable sign.json").arg(dir));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(*json, &parseError);
    if (!doc.isObject())
        return fail(QStringLiteral("%1/sign.json: %2").arg(dir, parseError.errorString()));
    SignContent content;
    readSettingsJson(content, doc.object());
    const std::vector<int> finals = intsOf(doc.object().value(QStringLiteral("finalCounts")));
    // A card stores at most 16 programs; a data file is at most 255 blocks.
    for (int n = 1; n <= 16; ++n) {
        const auto index = readFile(programFile(dir, n, "index"), 4096);
        if (!index)
            break;
        StoredProgram p;
        p.index = *index;
        p.data = readFile(programFile(dir, n, "data"), 255 * 512).value_or(QByteArray());
        p.finalCount = static_cast<size_t>(n - 1) < finals.size() ? finals[static_cast<size_t>(n - 1)] : -1;
        content.programs.append(p);
    }
    return content;
}

} // namespace dotsign
