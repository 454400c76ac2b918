#pragma once
// The two LED pixel planes (red and green) that one program is rendered into
// before it is streamed to the controller card. A program longer than one
// screen is a vertical stack of whole-screen frames: frame k covers rows
// k * screenHeight .. (k + 1) * screenHeight - 1 and holds page k of every zone.

#include "project/projectstate.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

namespace dotsign {

// The LED states one bitmap pixel lights.
struct LedState
{
    bool red = false;
    bool green = false;
    bool operator==(const LedState& o) const { return red == o.red && green == o.green; }
};

// The colour-threshold rule: dark below the threshold, near-white off (tested
// against the fixed 127, not the threshold), otherwise each colour is on when
// it is above the threshold. Blue only takes part in the white test.
LedState ledState(int r, int g, int b, int threshold);
inline LedState ledState(QRgb rgb, int threshold)
{
    return ledState(qRed(rgb), qGreen(rgb), qBlue(rgb), threshold);
}

class LedPlanes
{
public:
    static constexpr int kRows = 6145;
    static constexpr int kColumns = 1473;
    // Writers use rows 0..6143 and columns 0..1471 only; the last row and
    // column exist but are only ever touched by Clear().
    static constexpr int kUsedRows = 6144;
    static constexpr int kUsedColumns = 1472;
    static constexpr int kDocumentRows = 4096; // rich-document zones stop here

    LedPlanes();
    LedPlanes(const LedPlanes&) = delete;
    LedPlanes& operator=(const LedPlanes&) = delete;

    void Clear();

    // Eight adjacent LEDs of one row packed into a byte: bit 7 is column
    // 8 * byteColumn, bit 0 is column 8 * byteColumn + 7; any non-zero plane
    // byte counts as on. Outside the planes the LEDs read as off.
    uint8_t TRANSDATAR(int row, int byteColumn) const;
    uint8_t TRANSDATAG(int row, int byteColumn) const;

    // One plane byte (0 outside the planes).
    uint8_t red(int row, int column) const { return at(m_red.get(), row, column); }
    uint8_t green(int row, int column) const { return at(m_green.get(), row, column); }
    // Writes one plane byte; ignored outside the planes.
    void setRed(int row, int column, uint8_t value) { put(m_red.get(), row, column, value); }
    void setGreen(int row, int column, uint8_t value) { put(m_green.get(), row, column, value); }

    // Direct access to one row (column 0), for writers that fill whole rows.
    uint8_t* redRow(int row) { return m_red.get() + static_cast<size_t>(row) * kColumns; }
    uint8_t* greenRow(int row) { return m_green.get() + static_cast<size_t>(row) * kColumns; }

private:
    static bool inside(int row, int column)
    {
        return row >= 0 && row < kRows && column >= 0 && column < kColumns;
    }
    static uint8_t at(const uint8_t* plane, int row, int column)
    {
        return inside(row, column) ? plane[static_cast<size_t>(row) * kColumns + column] : 0;
    }
    static void put(uint8_t* plane, int row, int column, uint8_t value)
    {
        if (inside(row, column))
            plane[static_cast<size_t>(row) * kColumns + column] = value;
    }
    static uint8_t pack(const uint8_t* plane, int row, int byteColumn);

    std::unique_ptr<uint8_t[]> m_red;
    std::unique_ptr<uint8_t[]> m_green;
};

struct CopyResult
{
    bool overflowed = false; // rows ran into the row limit
    // With the overflow report on and rows cut: "文件大小超出了该节目的编辑区域。",
    // to be shown in a box captioned "错误".
    QString message;
    QString caption;
};

// Reduces a zone bitmap to LED states and writes its pages into the frames of
// the planes at the zone's position (page k of the bitmap into frame k), and
// sets the zone's zoneInfoHeight to the copied height in whole pages. Rows
// from `rowLimit` on and columns from 1472 on are dropped.
CopyResult CopyZoneToPlanes(LedPlanes& planes, const QImage& zoneBitmap, ZoneRecord& zone, int screenWidth,
                            int screenHeight, int colourThreshold, int rowLimit, bool overflowReport);

// Plane frames of a program on a screen, as the download counts them: the
// pages of the program's last zone, (zoneInfoHeight + zoneHeight - 1) / zoneHeight.
int frameCount(const ZoneRecord& lastZone);

} // namespace dotsign
