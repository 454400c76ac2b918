#include "link/downloadframes.h"

#include "link/frames.h"
#include "project/gbk.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace dotsign {

namespace {

uint8_t low8(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

void writeTag(FrameBuffer& b, int offset, const char* tag)
{
    for (int i = 0; i < kTagLength; ++i)
        b.set(offset + i, static_cast<uint8_t>(tag[i]));
}

void writeHead(FrameBuffer& b, uint8_t kind, uint8_t address)
{
    writeTag(b, 0, kOpenTag);
    b.set(6, kind);
    b.set(7, address);
}

// Stored dates look like "2009-05-05"; the slashes of older files are taken too.
std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,4})[-/.](\\d{1,2})[-/.](\\d{1,2})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

// Stored slot times look like "17:30:00"; the seconds may be missing.
std::optional<QTime> parseTime(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return t.isValid() ? std::optional<QTime>(t) : std::nullopt;
}

struct ProgramTimes
{
    QDate start;
    QDate end;
    std::array<QTime, 5> slotStart;
    std::array<QTime, 5> slotStop;
};

std::optional<ProgramTimes> parseTimes(const TjiemuProp& p, QString* error)
{
    auto bad = [error](const QString& what, const QString& text) {
        if (error)
            *error = QStringLiteral("%1 \"%2\"").arg(what, text);
        return std::nullopt;
    };
    ProgramTimes t;
    const auto start = parseDate(p.startDate);
    if (!start)
        return bad(QStringLiteral("startDate"), p.startDate);
    const auto end = parseDate(p.endDate);
    if (!end)
        return bad(QStringLiteral("endDate"), p.endDate);
    t.start = *start;
    t.end = *end;
    for (size_t i = 0; i < 5; ++i) {
        const auto a = parseTime(p.slotStart[i]);
        if (!a)
            return bad(QStringLiteral("slotStart %1").arg(i + 1), p.slotStart[i]);
        const auto b = parseTime(p.slotStop[i]);
        if (!b)
            return bad(QStringLiteral("slotStop %1").arg(i + 1), p.slotStop[i]);
        t.slotStart[i] = *a;
        t.slotStop[i] = *b;
    }
    return t;
}

// Four consecutive bytes, one per zone slot 1..4.
template <typename Fn> void writeSlots(FrameBuffer& b, const TjiemuProp& p, int offset, Fn value)
{
    for (int s = 1; s <= kZoneSlots; ++s)
        b.set(offset + s - 1, low8(value(p.zone(s))));
}

void writeZoneFields(FrameBuffer& b, const TjiemuProp& p, bool classA)
{
    using namespace indexframe;
    writeSlots(b, p, kZoneFlag, [](const ZoneRecord& z) { return z.zoneFlag; });
    writeSlots(b, p, kZoneType, [](const ZoneRecord& z) { return z.zoneType; });
    writeSlots(b, p, kZoneX, [](const ZoneRecord& z) { return z.zoneX / 8; });
    writeSlots(b, p, kZoneY, [](const ZoneRecord& z) { return z.zoneY; });
    writeSlots(b, p, kZoneWidth, [](const ZoneRecord& z) { return z.zoneWidth / 8; });
    writeSlots(b, p, kZoneHeight, [](const ZoneRecord& z) { return z.zoneHeight / 8; });
    writeSlots(b, p, kZoneInfoHeight, [](const ZoneRecord& z) { return z.zoneInfoHeight / 8; });
    for (int i = 37; i <= 43; ++i)
        b.set(i, 0);
    b.set(kPlayModeHigh, low8(p.playMode / 256));
    writeSlots(b, p, kEffect, [](const ZoneRecord& z) { return z.zoneEffect; });
    // B and C cards count speeds from 1 where A cards count from 0.
    writeSlots(b, p, kSpeed,
               [classA](const ZoneRecord& z) { return classA ? z.zoneSpeed : z.zoneSpeed + 1; });
    writeSlots(b, p, kStay, [](const ZoneRecord& z) { return z.zoneStay; });
    b.set(kPlayModeLow, low8(p.playMode % 256));
    b.set(kTimedPlay, low8(p.timedPlay));
}

void writeSchedule(FrameBuffer& b, const TjiemuProp& p, const ProgramTimes& t)
{
    using namespace indexframe;
    const auto date = [&b](int offset, const QDate& d) {
        b.set(offset, low8(d.year() % 100));
        b.set(offset + 1, low8(d.month()));
        b.set(offset + 2, low8(d.day()));
    };
    date(kStartDate, t.start);
    date(kEndDate, t.end);
    for (int i = 0; i < 7; ++i)
        b.set(kWeekdays + i, low8(p.weekdays[static_cast<size_t>(i)]));
    for (size_t i = 0; i < 5; ++i) {
        const int o = static_cast<int>(i) * 2;
        b.set(kSlotStart + o, low8(t.slotStart[i].hour()));
        b.set(kSlotStart + o + 1, low8(t.slotStart[i].minute()));
        b.set(kSlotStop + o, low8(t.slotStop[i].hour()));
        b.set(kSlotStop + o + 1, low8(t.slotStop[i].minute()));
        b.set(kSlotVolume + static_cast<int>(i), low8(p.slotVolume[i]));
    }
    b.set(kVoiceGender, low8(p.voiceGender));
}

void writeClockFields(FrameBuffer& b, const TjiemuProp& p)
{
    using namespace indexframe;
    writeSlots(b, p, kFixedTextLength,
               [](const ZoneRecord& z) { return int(toGbk(z.clockFixedText).size()); });
    writeSlots(b, p, kFont, [](const ZoneRecord& z) { return z.zoneFont; });
    writeSlots(b, p, kFontSize, [](const ZoneRecord& z) { return z.zoneFontSize; });
    for (int i = 114; i <= 117; ++i)
        b.set(i, 0);
    writeSlots(b, p, kColour, [](const ZoneRecord& z) { return z.zoneColour; });
    writeSlots(b, p, kClockStyle, [](const ZoneRecord& z) { return z.clockStyle; });
    writeSlots(b, p, kInfoY, [](const ZoneRecord& z) { return z.zoneInfoY; });
    writeSlots(b, p, kClockWeekPos, [](const ZoneRecord& z) { return z.clockWeekPos; });
    writeSlots(b, p, kClockTimePos, [](const ZoneRecord& z) { return z.clockTimePos; });
    writeSlots(b, p, kClockOptions, [](const ZoneRecord& z) { return z.clockOptions; });
    writeSlots(b, p, kClockYearFormat, [](const ZoneRecord& z) { return z.clockYearFormat; });
    writeSlots(b, p, kClockMultiLine, [](const ZoneRecord& z) { return z.clockMultiLine; });
}

void writeClockPositions(FrameBuffer& b, const TjiemuProp& p)
{
    using Pos = std::pair<int, int>;
    for (int s = 1; s <= kZoneSlots; ++s) {
        const ZoneRecord& z = p.zone(s);
        const std::array<Pos, 7> elements = {
            Pos{z.clockYearX, z.clockYearY},     Pos{z.clockMonthX, z.clockMonthY},
            Pos{z.clockDayX, z.clockDayY},       Pos{z.clockHourX, z.clockHourY},
            Pos{z.clockMinuteX, z.clockMinuteY}, Pos{z.clockSecondX, z.clockSecondY},
            Pos{z.clockWeekX, z.clockWeekY}};
        for (int e = 0; e < 7; ++e) {
            const int at = indexframe::kClockPositions + 12 * e + (s - 1);
            const Pos& pos = elements[static_cast<size_t>(e)];
            b.set(at, low8(pos.first / 256));
            b.set(at + 4, low8(pos.first % 256));
            b.set(at + 8, low8(pos.second));
        }
    }
}

void writeCounts(FrameBuffer& b, const TprojectProp& screen, const TjiemuProp& p, int k)
{
    using namespace indexframe;
    b.set(kZoneCount, low8(p.zoneCount));
    b.set(kZoneCount + 1, low8(p.zoneCount));
    b.set(kProgramCount, low8(screen.programCount));
    b.set(kFirstWord, low8(screen.firstWord));
    int lastClock = 0;
    for (int s = 1; s <= kZoneSlots; ++s)
        if (p.zone(s).zoneType == ZoneClock)
            lastClock = s;
    b.set(kLastClockSlot, low8(lastClock));
    b.set(kProgramIndex, low8(k));
    writeSlots(b, p, kClearFirst, [](const ZoneRecord& z) { return z.zoneClearFirst; });
}

} // namespace

std::optional<QByteArray> programIndexFrame(FrameBuffer& b, const TprojectProp& screen, int k,
                                            uint8_t address, QString* error)
{
    if (k < 0 || k >= kProgramSlots) {
        if (error)
            *error = QStringLiteral("program %1").arg(k + 1);
        return std::nullopt;
    }
    const TjiemuProp& p = screen.program(k + 1);
    const auto times = parseTimes(p, error);
    if (!times)
        return std::nullopt;
    writeHead(b, kKindIndex, address);
    b.set(indexframe::kTemplate, low8(p.layoutTemplate));
    writeZoneFields(b, p, isCardClassA(screen.cardModel));
    writeSchedule(b, p, *times);
    writeClockFields(b, p);
    writeCounts(b, screen, p, k);
    writeClockPositions(b, p);
    writeTag(b, indexframe::kCloseTag, kCloseTag);
    b.set(250, 0xFE);
    b.set(251, 0x01);
    return b.bytes(kProgramIndexLength);
}

void setDataBlock(FrameBuffer& b, int program, int block, const QByteArray& data)
{
    b.set(datablock::kProgram, low8(program));
    b.set(datablock::kBlock, low8(block));
    for (int d = 0; d < kBlockDataSize; ++d)
        b.set(datablock::kData + d, d < data.size() ? static_cast<uint8_t>(data.at(d)) : 0);
}

QByteArray dataBlockFrame(FrameBuffer& b, uint8_t address)
{
    writeHead(b, kKindData, address);
    writeTag(b, datablock::kCloseTag, kCloseTag);
    b.set(528, 0xFD);
    b.set(529, 0x01);
    return b.bytes(kDataBlockLength);
}

QByteArray endOfProgramFrame(FrameBuffer& b, uint8_t address)
{
    static constexpr uint8_t kMarker[7] = {0xFF, 0xFE, 0xFD, 0xFC, 0xFB, 0xFA, 0xFF};
    for (int i = 0; i < 7; ++i)
        b.set(i, kMarker[i]);
    b.set(7, address);
    return b.bytes(kEndOfProgramLength);
}

int finalBlockCount(int lastBlock)
{
    return lastBlock % 8 == 0 ? lastBlock : lastBlock + 1;
}

} // namespace dotsign
