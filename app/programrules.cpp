#include "app/programrules.h"

#include "app/layoutrules.h"
#include "project/zonefiles.h"
#include "sim/effects.h"

#include <QCoreApplication>

namespace dotsign {

QString programLabel(int n)
{
    return QStringLiteral("节目%1").arg(n);
}

QString programNodeLabel(int n)
{
    return QCoreApplication::translate("ProgramRules", "节目%1").arg(n);
}

QString zoneLabel(int zone, int zoneCount)
{
    return QCoreApplication::translate("ProgramRules", "分区%1").arg(zone) +
           (zone == zoneCount ? QStringLiteral("*") : QStringLiteral(" "));
}

QString screenLabel(int screen)
{
    return QCoreApplication::translate("ProgramRules", "显示屏-%1").arg(screen + 1);
}

QStringList effectNames()
{
    // The list is the card's effect table, in code order.
    QStringList names;
    for (int code = 1; code <= kEffectRandom; ++code)
        names << effectName(code);
    return names;
}

QStringList speedNames()
{
    QStringList names;
    for (int i = 1; i <= 40; ++i)
        names << QString::number(i);
    names.first() = QCoreApplication::translate("ProgramRules", "1(最快档)");
    names.last() = QCoreApplication::translate("ProgramRules", "40(最慢档)");
    return names;
}

namespace {

void initZone(ZoneRecord& z, bool used, int songti)
{
    z = ZoneRecord{};
    z.zoneFlag = used ? 1 : 0;
    z.zoneType = ZoneText;
    z.zoneFont = songti;
    z.zoneEffect = 1;
    z.zoneClearFirst = 1;
    z.zoneSpeed = 3;
    z.zoneStay = 4;
    z.zoneFontSize = 1;
    z.clockStyle = 0;
    z.zoneColour = 1;
    z.zoneBackColour = 4;
    z.clockWeekPos = 0;
    z.clockTimePos = 16;
    z.clockOptions = 14;
    z.clockYearFormat = 0; // every new zone is a text zone
    z.clockMultiLine = 0;
}

} // namespace

void initNewProgram(ProjectState& state, int n, int layoutTemplate, int songti)
{
    TjiemuProp& p = state.program(n);
    p = TjiemuProp{};
    p.programId = static_cast<uint8_t>(n);
    p.programName = programLabel(n);
    p.layoutTemplate = layoutTemplate;
    p.zoneCount = zoneCountForTemplate(layoutTemplate);
    const auto rects = newProgramRects(layoutTemplate, state.hw.screenWidth, state.hw.screenHeight);
    for (int slot = 1; slot <= kZoneSlots; ++slot) {
        ZoneRecord& z = p.zone(slot);
        const bool used = slot <= p.zoneCount;
        initZone(z, used, songti);
        if (!used)
            continue;
        const ZoneRect& r = rects[static_cast<size_t>(slot - 1)];
        z.zoneX = r.x;
        z.zoneY = r.y;
        z.zoneWidth = r.width;
        z.zoneHeight = r.height;
        z.zoneFile = zoneTextFilePath(state, n, slot);
    }
    static const char* const starts[5] = {"00:00:00", "05:00:00", "08:00:00", "17:30:00", "22:00:00"};
    static const char* const stops[5] = {"05:00:00", "08:00:00", "17:30:00", "22:00:00", "23:59:59"};
    for (int i = 0; i < 5; ++i) {
        p.slotStart[static_cast<size_t>(i)] = QLatin1String(starts[i]);
        p.slotStop[static_cast<size_t>(i)] = QLatin1String(stops[i]);
    }
    p.startDate = kDefaultDate;
    p.endDate = kDefaultDate;
    p.weekdays.fill(1);
}

void deleteProgramRecords(TprojectProp& screen, int n, int total)
{
    for (int k = n; k < total && k < kProgramSlots; ++k) {
        TjiemuProp moved = screen.program(k + 1);
        moved.programId = screen.program(k).programId;
        moved.programName = screen.program(k).programName;
        screen.program(k) = moved;
    }
}

void setZoneTypeFromMenu(ZoneRecord& zone, int type, int songti)
{
    zone.zoneType = type;
    zone.zoneFile.clear();
    if (type == ZoneText) {
        zone.zoneFont = songti;
        zone.clockYearFormat = 0;
    }
}

void setZoneTypeFromRadio(ProjectState& state, int type, const QString& memoText)
{
    ZoneRecord& z = state.currentZoneRecord();
    z.zoneType = type;
    z.zoneFile.clear();
    if (type == ZoneText) {
        z.zoneText = memoText;
        z.zoneFile = zoneTextFilePath(state, state.currentProgram, state.currentZone);
    }
}

bool stayTextMeansFixed(const QString& text)
{
    return text == QLatin1String("255");
}

int effectForChoice(int listIndex, bool fixed)
{
    return fixed ? kPageEffect : listIndex + 1;
}

int playModeFor(bool fixedLength, int seconds)
{
    return fixedLength ? seconds : 0;
}

int volumeIndex(int volume)
{
    return volume >= 0 && volume < kVolumeItems ? volume : -1;
}

} // namespace dotsign
