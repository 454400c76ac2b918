#include "sim/playerindex.h"

#include "link/downloadframes.h"

#include <algorithm>

namespace dotsign {

namespace {

// Byte offsets inside the index frame, as the download lays it out.
using namespace indexframe;

class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    int at(int offset) const { return static_cast<uint8_t>(m_bytes.at(offset)); }
    int slot(int offset, int s) const { return at(offset + s - 1); }

private:
    const QByteArray& m_bytes;
};

void readZone(const Reader& r, IndexZone& z)
{
    const int s = z.slot;
    z.flag = r.slot(kZoneFlag, s);
    z.type = r.slot(kZoneType, s);
    z.x = r.slot(kZoneX, s) * 8;
    z.y = r.slot(kZoneY, s);
    z.width = r.slot(kZoneWidth, s) * 8;
    z.height = r.slot(kZoneHeight, s) * 8;
    z.infoHeight = r.slot(kZoneInfoHeight, s) * 8;
    z.effect = r.slot(kEffect, s);
    z.speedByte = r.slot(kSpeed, s);
    z.stay = r.slot(kStay, s);
    z.clearFirst = r.slot(kClearFirst, s);
    z.fixedTextLength = r.slot(kFixedTextLength, s);
    z.font = r.slot(kFont, s);
    z.fontSize = r.slot(kFontSize, s);
    z.colour = r.slot(kColour, s);
    z.clockStyle = r.slot(kClockStyle, s);
    z.infoY = r.slot(kInfoY, s);
    z.weekPos = r.slot(kClockWeekPos, s);
    z.timePos = r.slot(kClockTimePos, s);
    z.clockOptions = r.slot(kClockOptions, s);
    z.clockYearFormat = r.slot(kClockYearFormat, s);
    z.clockMultiLine = r.slot(kClockMultiLine, s);
    for (int e = 0; e < 7; ++e) {
        const int p = kClockPositions + 12 * e + (s - 1);
        z.clock[static_cast<size_t>(e)] = ClockPosition{r.at(p) * 256 + r.at(p + 4), r.at(p + 8)};
    }
}

// Heights travel as multiples of 8, the tops exactly. The templates tile the
// screen, so a zone really ends where the next zone below it starts (or at
// the screen's bottom edge); that edge is taken when it lies within the
// eight rows the division may have cut.
void refineHeights(ProgramIndex& index, int screenHeight)
{
    const std::vector<int> used = index.usedSlots();
    for (int s : used) {
        IndexZone& z = index.zones[static_cast<size_t>(s - 1)];
        int edge = screenHeight;
        for (int o : used) {
            const IndexZone& other = index.zone(o);
            const bool overlapsColumns = other.x < z.x + z.width && z.x < other.x + other.width;
            if (o != s && overlapsColumns && other.y > z.y)
                edge = std::min(edge, other.y);
        }
        const int exact = edge - z.y;
        if (exact >= z.height && exact < z.height + 8)
            z.height = exact;
    }
}

int minuteOfDay(int hour, int minute)
{
    return hour * 60 + minute;
}

// A slot runs from its start minute to the end of its stop minute, so that
// the host's default slots (… 22:00 to 23:59) cover the whole day. A slot
// whose stop lies before its start runs over midnight.
bool inSlot(const TimeSlot& slot, int minute)
{
    const int a = minuteOfDay(slot.startHour, slot.startMinute);
    const int b = minuteOfDay(slot.stopHour, slot.stopMinute);
    return a <= b ? (minute >= a && minute <= b) : (minute >= a || minute <= b);
}

} // namespace

int IndexZone::pages() const
{
    if (infoHeight <= 0)
        return 0;
    if (height <= 0)
        return 1;
    return (infoHeight + height - 1) / height;
}

std::vector<int> ProgramIndex::usedSlots() const
{
    std::vector<int> used;
    for (int s = 1; s <= std::clamp(zoneCount, 0, 4); ++s)
        if (zone(s).width > 0 && zone(s).height > 0)
            used.push_back(s);
    return used;
}

int ProgramIndex::frameCount() const
{
    return zone(std::clamp(zoneCount, 1, 4)).pages();
}

bool ProgramIndex::playsAt(const QDateTime& when) const
{
    if (!timedPlay)
        return true;
    const QDate day = when.date();
    const QDate start(2000 + startYear, startMonth, startDay);
    const QDate end(2000 + endYear, endMonth, endDay);
    if (start.isValid() && day < start)
        return false;
    if (end.isValid() && day > end)
        return false;
    if (!weekdays[static_cast<size_t>(day.dayOfWeek() - 1)])
        return false;
    const int minute = minuteOfDay(when.time().hour(), when.time().minute());
    return std::any_of(timeSlots.begin(), timeSlots.end(),
                       [minute](const TimeSlot& s) { return inSlot(s, minute); });
}

std::optional<ProgramIndex> parseProgramIndex(const QByteArray& frame, int screenWidth, int screenHeight)
{
    Q_UNUSED(screenWidth);
    if (frame.size() != kIndexFrameLength || !frame.startsWith("SNDDAT") ||
        frame.mid(kCloseTag, 6) != "SNDDEN")
        return std::nullopt;
    const Reader r(frame);
    ProgramIndex index;
    index.layoutTemplate = r.at(kTemplate);
    index.zoneCount = r.at(kZoneCount);
    index.programCount = r.at(kProgramCount);
    index.programNumber = r.at(kProgramIndex);
    index.lastClockSlot = r.at(kLastClockSlot);
    index.playMode = r.at(kPlayModeHigh) * 256 + r.at(kPlayModeLow);
    index.timedPlay = r.at(kTimedPlay) != 0;
    index.startYear = r.at(kStartDate);
    index.startMonth = r.at(kStartDate + 1);
    index.startDay = r.at(kStartDate + 2);
    index.endYear = r.at(kEndDate);
    index.endMonth = r.at(kEndDate + 1);
    index.endDay = r.at(kEndDate + 2);
    for (int i = 0; i < 7; ++i)
        index.weekdays[static_cast<size_t>(i)] = r.at(kWeekdays + i);
    for (int i = 0; i < 5; ++i)
        index.timeSlots[static_cast<size_t>(i)] =
            TimeSlot{r.at(kSlotStart + 2 * i), r.at(kSlotStart + 2 * i + 1), r.at(kSlotStop + 2 * i),
                     r.at(kSlotStop + 2 * i + 1)};
    for (int s = 1; s <= 4; ++s) {
        IndexZone& z = index.zones[static_cast<size_t>(s - 1)];
        z.slot = s;
        readZone(r, z);
    }
    refineHeights(index, screenHeight);
    return index;
}

} // namespace dotsign
