#include "render/ledplanes.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include <QCoreApplication>

namespace dotsign {

namespace {

constexpr size_t kPlaneBytes = static_cast<size_t>(LedPlanes::kRows) * LedPlanes::kColumns;
static_assert(kPlaneBytes == 9051585, "each plane is 6145 x 1473 bytes");

const char kOverflowMessage[] = QT_TRANSLATE_NOOP("ZoneRender", "文件大小超出了该节目的编辑区域。");
const char kOverflowCaption[] = QT_TRANSLATE_NOOP("ZoneRender", "错误");

// How many of `size` bitmap lines a zone may use: more than `limit` lines are
// cut to limit - 1 (the controller's frame arithmetic has always left the last
// line of a full stack unused, and existing programs page the same way).
int usedLines(int size, int limit)
{
    return size > limit ? std::max(0, limit - 1) : size;
}

} // namespace

LedState ledState(int r, int g, int b, int threshold)
{
    if (r < threshold && g < threshold)
        return {};
    if (r > 127 && g > 127 && b > 127)
        return {};
    return {r > threshold, g > threshold};
}

LedPlanes::LedPlanes() : m_red(new uint8_t[kPlaneBytes]()), m_green(new uint8_t[kPlaneBytes]()) {}

void LedPlanes::Clear()
{
    std::memset(m_red.get(), 0, kPlaneBytes);
    std::memset(m_green.get(), 0, kPlaneBytes);
}

uint8_t LedPlanes::pack(const uint8_t* plane, int row, int byteColumn)
{
    if (row < 0 || row >= kRows || byteColumn < 0 || byteColumn > kColumns / 8)
        return 0;
    uint8_t bits = 0;
    for (int i = 0; i < 8; ++i) {
        bits = static_cast<uint8_t>(bits << 1);
        if (at(plane, row, byteColumn * 8 + i) != 0)
            bits |= 1;
    }
    return bits;
}

uint8_t LedPlanes::TRANSDATAR(int row, int byteColumn) const
{
    return pack(m_red.get(), row, byteColumn);
}

uint8_t LedPlanes::TRANSDATAG(int row, int byteColumn) const
{
    return pack(m_green.get(), row, byteColumn);
}

CopyResult CopyZoneToPlanes(LedPlanes& planes, const QImage& zoneBitmap, ZoneRecord& zone, int screenWidth,
                            int screenHeight, int colourThreshold, int rowLimit, bool overflowReport)
{
    CopyResult result;
    // A zone or screen without size has no frames to place pages in.
    if (zoneBitmap.isNull() || zone.zoneHeight <= 0 || zone.zoneWidth <= 0 || screenWidth <= 0 ||
        screenHeight <= 0)
        return result;
    rowLimit = std::clamp(rowLimit, 0, LedPlanes::kUsedRows);

    const qint64 heightLimit = qint64(zone.zoneHeight) * rowLimit / screenHeight;
    const qint64 widthLimit = qint64(zone.zoneWidth) * LedPlanes::kUsedColumns / screenWidth;
    const int usedHeight = usedLines(zoneBitmap.height(), int(std::min<qint64>(heightLimit, INT_MAX)));
    const int usedWidth = usedLines(zoneBitmap.width(), int(std::min<qint64>(widthLimit, INT_MAX)));

    const QImage rgb =
        zoneBitmap.format() == QImage::Format_RGB32 || zoneBitmap.format() == QImage::Format_ARGB32
            ? zoneBitmap
            : zoneBitmap.convertToFormat(QImage::Format_RGB32);
    const int pagesHeight =
        int((qint64(zone.zoneHeight) + usedHeight - 1) / zone.zoneHeight * zone.zoneHeight);

    for (int y = 0; y < usedHeight; ++y) {
        const qint64 row = zone.zoneY + qint64(y / zone.zoneHeight) * screenHeight + y % zone.zoneHeight;
        if (row >= rowLimit) {
            result.overflowed = true;
            if (overflowReport) {
                result.message = QCoreApplication::translate("ZoneRender", kOverflowMessage);
                result.caption = QCoreApplication::translate("ZoneRender", kOverflowCaption);
            }
            break;
        }
        zone.zoneInfoHeight = pagesHeight;
        if (row < 0)
            continue; // a zone placed above the sign has no rows to write there
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uint8_t* red = planes.redRow(int(row));
        uint8_t* green = planes.greenRow(int(row));
        for (int x = 0; x < usedWidth; ++x) {
            const qint64 column = qint64(zone.zoneX) + x;
            if (column < 0 || column >= LedPlanes::kUsedColumns)
                continue;
            const LedState led = ledState(line[x], colourThreshold);
            red[column] = led.red ? 1 : 0;
            green[column] = led.green ? 1 : 0;
        }
    }
    return result;
}

int frameCount(const ZoneRecord& lastZone)
{
    if (lastZone.zoneHeight <= 0 || lastZone.zoneInfoHeight <= 0)
        return 0;
    return int((qint64(lastZone.zoneInfoHeight) + lastZone.zoneHeight - 1) / lastZone.zoneHeight);
}

} // namespace dotsign
