#pragma once
// The card's reading of a 252-byte program index frame: zone geometry and
// playback bytes per slot, the schedule and the clock element positions.
// Widths and heights travel divided by 8; the reader multiplies them back.

#include "sim/signcontent.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <array>
#include <optional>

namespace dotsign {

constexpr int kIndexFrameLength = 252;

struct ClockPosition
{
    int x = 0; // zone coordinates
    int y = 0;
};

// Clock elements in the order the index lists their positions.
enum ClockElement { ClockYear = 0, ClockMonth, ClockDay, ClockHour, ClockMinute, ClockSecond, ClockWeek };

struct IndexZone
{
    int slot = 1;
    int flag = 0;
    int type = 0; // 0 text, 1 clock, 2 graphic-text
    int x = 0, y = 0, width = 0, height = 0;
    int infoHeight = 0;
    int effect = 5;
    int speedByte = 1;
    int stay = 0;
    int clearFirst = 0;
    int font = 0, fontSize = 0, colour = 1;
    int clockStyle = 0, infoY = 0, weekPos = 0, timePos = 0;
    int clockOptions = 0, clockYearFormat = 0, clockMultiLine = 0;
    int fixedTextLength = 0;
    std::array<ClockPosition, 7> clock{};

    // Pages of plane frames this zone occupies (its content height in pages).
    int pages() const;
};

struct TimeSlot
{
    int startHour = 0, startMinute = 0;
    int stopHour = 0, stopMinute = 0;
};

struct ProgramIndex
{
    int layoutTemplate = 1;
    int zoneCount = 1;
    int programCount = 0;
    int programNumber = 0; // 0-based, as byte 155 carries it
    int lastClockSlot = 0;
    int playMode = 0; // seconds; 0 plays in sequence
    bool timedPlay = false;
    int startYear = 0, startMonth = 0, startDay = 0; // as sent: year mod 100
    int endYear = 0, endMonth = 0, endDay = 0;
    std::array<int, 7> weekdays{}; // Monday .. Sunday
    std::array<TimeSlot, 5> timeSlots{};
    std::array<IndexZone, 4> zones{}; // slots 1..4

    // Slots 1 .. zoneCount that cover some LEDs.
    std::vector<int> usedSlots() const;
    const IndexZone& zone(int slot) const { return zones.at(static_cast<size_t>(slot - 1)); }
    // Frames the data carries: the pages of the last zone, as the host counts them.
    int frameCount() const;
    // Whether the schedule lets the program play at `when`.
    bool playsAt(const QDateTime& when) const;
};

// Reads an index frame. The frame must be 252 bytes with its tags; nullopt otherwise.
std::optional<ProgramIndex> parseProgramIndex(const QByteArray& frame, int screenWidth, int screenHeight);

} // namespace dotsign
