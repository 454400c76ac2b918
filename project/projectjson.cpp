#include "project/projectjson.h"

#include <QJsonArray>

namespace dotsign {

namespace {

template <typename T, size_t N> QJsonArray toArray(const std::array<T, N>& values)
{
    QJsonArray array;
    for (const T& v : values)
        array.append(v);
    return array;
}

} // namespace

QJsonObject zoneToJson(const ZoneRecord& z, int slot)
{
    return QJsonObject{
        {QStringLiteral("slot"), slot},
        {QStringLiteral("zoneFlag"), z.zoneFlag},
        {QStringLiteral("zoneType"), z.zoneType},
        {QStringLiteral("zoneX"), z.zoneX},
        {QStringLiteral("zoneY"), z.zoneY},
        {QStringLiteral("zoneHeight"), z.zoneHeight},
        {QStringLiteral("zoneInfoHeight"), z.zoneInfoHeight},
        {QStringLiteral("zonePlainText"), z.zonePlainText},
        {QStringLiteral("zoneWidth"), z.zoneWidth},
        {QStringLiteral("zoneFile"), z.zoneFile},
        {QStringLiteral("zoneEffect"), z.zoneEffect},
        {QStringLiteral("zoneSpeed"), z.zoneSpeed},
        {QStringLiteral("zoneStay"), z.zoneStay},
        {QStringLiteral("zoneClearFirst"), z.zoneClearFirst},
        {QStringLiteral("zoneText"), z.zoneText},
        {QStringLiteral("clockFixedText"), z.clockFixedText},
        {QStringLiteral("zoneFont"), z.zoneFont},
        {QStringLiteral("zoneFontSize"), z.zoneFontSize},
        {QStringLiteral("zoneBackColour"), z.zoneBackColour},
        {QStringLiteral("zoneColour"), z.zoneColour},
        {QStringLiteral("clockStyle"), z.clockStyle},
        {QStringLiteral("zoneInfoX"), z.zoneInfoX},
        {QStringLiteral("zoneInfoY"), z.zoneInfoY},
        {QStringLiteral("zoneInfoSpacing"), z.zoneInfoSpacing},
        {QStringLiteral("clockYearX"), z.clockYearX},
        {QStringLiteral("clockYearY"), z.clockYearY},
        {QStringLiteral("clockMonthX"), z.clockMonthX},
        {QStringLiteral("clockMonthY"), z.clockMonthY},
        {QStringLiteral("clockDayX"), z.clockDayX},
        {QStringLiteral("clockDayY"), z.clockDayY},
        {QStringLiteral("clockHourX"), z.clockHourX},
        {QStringLiteral("clockHourY"), z.clockHourY},
        {QStringLiteral("clockMinuteX"), z.clockMinuteX},
        {QStringLiteral("clockMinuteY"), z.clockMinuteY},
        {QStringLiteral("clockSecondX"), z.clockSecondX},
        {QStringLiteral("clockSecondY"), z.clockSecondY},
        {QStringLiteral("clockWeekX"), z.clockWeekX},
        {QStringLiteral("clockWeekY"), z.clockWeekY},
        {QStringLiteral("clockWeekPos"), z.clockWeekPos},
        {QStringLiteral("clockTimePos"), z.clockTimePos},
        {QStringLiteral("clockOptions"), z.clockOptions},
        {QStringLiteral("clockYearFormat"), z.clockYearFormat},
        {QStringLiteral("clockMultiLine"), z.clockMultiLine},
    };
}

QJsonObject programToJson(const TjiemuProp& p)
{
    QJsonArray zones;
    for (int slot = 1; slot <= kZoneSlots; ++slot)
        zones.append(zoneToJson(p.zone(slot), slot));
    return QJsonObject{
        {QStringLiteral("programId"), p.programId},
        {QStringLiteral("programName"), p.programName},
        {QStringLiteral("zoneCount"), p.zoneCount},
        {QStringLiteral("layoutTemplate"), p.layoutTemplate},
        {QStringLiteral("playMode"), p.playMode},
        {QStringLiteral("timedPlay"), p.timedPlay},
        {QStringLiteral("startDate"), p.startDate},
        {QStringLiteral("endDate"), p.endDate},
        {QStringLiteral("weekdays"), toArray(p.weekdays)},
        {QStringLiteral("slotStart"), toArray(p.slotStart)},
        {QStringLiteral("slotStop"), toArray(p.slotStop)},
        {QStringLiteral("slotVolume"), toArray(p.slotVolume)},
        {QStringLiteral("voiceGender"), p.voiceGender},
        {QStringLiteral("zones"), zones},
    };
}

QJsonObject projectToJson(const ProjectState& state)
{
    const TprojectProp& s = state.cur();
    const QJsonObject screen{
        {QStringLiteral("projectPath"), s.projectPath},
        {QStringLiteral("screenName"), s.screenName},
        {QStringLiteral("password"), s.password},
        {QStringLiteral("userName"), s.userName},
        {QStringLiteral("programCount"), s.programCount},
        {QStringLiteral("maxPrograms"), s.maxPrograms},
        {QStringLiteral("linkType"), s.linkType},
        {QStringLiteral("serialPort"), s.serialPort},
        {QStringLiteral("baudRate"), s.baudRate},
        {QStringLiteral("refreshRate"), s.refreshRate},
        {QStringLiteral("colourThreshold"), s.colourThreshold},
        {QStringLiteral("cardAddress"), s.cardAddress},
        {QStringLiteral("usbDiskMode"), s.usbDiskMode},
        {QStringLiteral("powerOnHour"), s.powerOnHour},
        {QStringLiteral("powerOnMinute"), s.powerOnMinute},
        {QStringLiteral("powerOffHour"), s.powerOffHour},
        {QStringLiteral("powerOffMinute"), s.powerOffMinute},
        {QStringLiteral("dayBrightnessHour"), s.dayBrightnessHour},
        {QStringLiteral("dayBrightnessMinute"), s.dayBrightnessMinute},
        {QStringLiteral("nightBrightnessHour"), s.nightBrightnessHour},
        {QStringLiteral("nightBrightnessMinute"), s.nightBrightnessMinute},
        {QStringLiteral("dayBrightness"), s.dayBrightness},
        {QStringLiteral("nightBrightness"), s.nightBrightness},
        {QStringLiteral("screenWidth"), s.screenWidth},
        {QStringLiteral("screenHeight"), s.screenHeight},
        {QStringLiteral("cardModel"), s.cardModel},
        {QStringLiteral("colourType"), s.colourType},
        {QStringLiteral("greyLevel"), s.greyLevel},
        {QStringLiteral("storageSize"), s.storageSize},
        {QStringLiteral("storageUsed"), s.storageUsed},
        {QStringLiteral("unitBoardType"), s.unitBoardType},
        {QStringLiteral("dataLogic"), s.dataLogic},
        {QStringLiteral("oeLogic"), s.oeLogic},
        {QStringLiteral("powerOnText"), s.powerOnText},
    };
    QJsonArray programs;
    for (int n = 1; n <= std::min(s.programCount, kMaxPrograms); ++n)
        programs.append(programToJson(s.program(n)));
    return QJsonObject{{QStringLiteral("screen"), screen}, {QStringLiteral("programs"), programs}};
}

} // namespace dotsign
