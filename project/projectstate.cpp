#include "project/projectstate.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace dotsign {

void ProjectState::setProjectFile(const QString& filePath)
{
    const QFileInfo info(filePath);
    projectDir = info.path();
    if (!projectDir.endsWith(QLatin1Char('/')))
        projectDir += QLatin1Char('/');
    projectFileName = info.fileName();
    projectFilePath = projectDir + projectFileName;
}

bool isStandardBaudRate(int baud)
{
    switch (baud) {
    case 4800:
    case 9600:
    case 19200:
    case 38400:
    case 57600:
    case 115200:
        return true;
    default:
        return false;
    }
}

QString unitBoardCaption(int unitBoardType)
{
    switch (unitBoardType) {
    case 0:
        return QCoreApplication::translate("ScreenSettings", "户内屏");
    case 1:
        return QCoreApplication::translate("ScreenSettings", "P16单元板");
    case 2:
    case 3:
        return QCoreApplication::translate("ScreenSettings", "P10单元板");
    default:
        return QString();
    }
}

QString colourTypeCaption(int colourType)
{
    switch (colourType) {
    case 0:
        return QCoreApplication::translate("ScreenSettings", "单色");
    case 1:
        return QCoreApplication::translate("ScreenSettings", "双色");
    case 2:
        return QCoreApplication::translate("ScreenSettings", "全彩");
    default:
        return QString();
    }
}

QString linkTypeCaption(int linkType)
{
    switch (linkType) {
    case 0:
        return QCoreApplication::translate("ScreenSettings", "本地串口通讯");
    case 1:
        return QCoreApplication::translate("ScreenSettings", "TCP通讯");
    case 2:
        return QStringLiteral("GSM");
    case 3:
        return QStringLiteral("GPRS/GSM");
    default:
        return QString();
    }
}

static void initProgram(TjiemuProp& p, int n, const HardwareSettings& hw)
{
    static const char* const starts[5] = {"00:00:00", "05:00:00", "08:00:00", "17:30:00", "22:00:00"};
    static const char* const stops[5] = {"05:00:00", "08:00:00", "17:30:00", "22:00:00", "23:59:59"};
    p.programId = static_cast<uint8_t>(n - 1);
    p.programName = QStringLiteral("节目%1").arg(n);
    p.zoneCount = 1;
    p.layoutTemplate = 1;
    p.playMode = 0;
    p.timedPlay = 0;
    p.startDate = QStringLiteral("2009-05-05");
    p.endDate = QStringLiteral("2009-05-05");
    p.weekdays.fill(1);
    for (int i = 0; i < 5; ++i) {
        p.slotStart[i] = QLatin1String(starts[i]);
        p.slotStop[i] = QLatin1String(stops[i]);
        p.slotVolume[i] = 0;
    }
    p.voiceGender = 0;
    for (int slot = 1; slot <= kZoneSlots; ++slot) {
        ZoneRecord& z = p.zone(slot);
        z.zoneFlag = 0;
        z.zoneType = ZoneText;
        z.zoneX = 0;
        z.zoneY = 0;
        z.zoneHeight = hw.screenHeight;
        z.zoneInfoHeight = 0;
        z.zonePlainText = 0;
        z.zoneWidth = hw.screenWidth;
        z.zoneFile.clear();
        z.zoneText.clear();
        z.zoneEffect = 1;
        z.zoneClearFirst = 1;
        z.zoneSpeed = 3;
        z.zoneStay = 4;
        z.clockFixedText.clear();
        z.zoneFont = 0;
        z.zoneFontSize = 1;
        z.clockStyle = 0;
        z.zoneColour = 1;
        z.zoneInfoX = 0;
        z.zoneInfoY = 0;
        z.zoneInfoSpacing = 0;
        z.clockWeekPos = 0;
        z.clockTimePos = 16;
        z.clockOptions = 14;
        z.clockMultiLine = 0;
        z.clockYearFormat = z.zoneType != ZoneText ? 1 : 0;
        // zoneBackColour and the clock positions keep their values.
    }
}

void InitLedDispJiemu(ProjectState& state)
{
    const HardwareSettings& hw = state.hw;
    TprojectProp& s = state.cur();
    state.projectFilePath = state.projectDir + state.projectFileName;
    s.projectPath = state.projectFilePath;
    s.screenName = QStringLiteral("显示屏-1");

    s.screenWidth = hw.screenWidth;
    s.screenHeight = hw.screenHeight;
    s.colourType = hw.colourType;
    s.greyLevel = hw.greyLevel;
    s.cardModel = hw.cardModel;
    s.cardAddress = hw.cardAddress;
    s.usbDiskMode = hw.usbDiskMode;
    s.powerOnHour = hw.powerOnHour;
    s.powerOnMinute = hw.powerOnMinute;
    s.powerOffHour = hw.powerOffHour;
    s.powerOffMinute = hw.powerOffMinute;
    s.dayBrightnessHour = hw.dayBrightnessHour;
    s.dayBrightnessMinute = hw.dayBrightnessMinute;
    s.nightBrightnessHour = hw.nightBrightnessHour;
    s.nightBrightnessMinute = hw.nightBrightnessMinute;
    s.dayBrightness = hw.dayBrightness;
    s.nightBrightness = hw.nightBrightness;
    s.refreshRate = hw.refreshRate;
    s.colourThreshold = hw.colourThreshold;
    s.dataLogic = hw.dataLogic;
    s.oeLogic = hw.oeLogic;

    s.serialPort = state.serial.portName;
    s.baudRate = isStandardBaudRate(state.serial.baudRate) ? state.serial.baudRate : 9600;

    s.storageSize = 409600;
    s.storageUsed = 0;
    s.powerOnText = hw.powerOnText;
    s.userName = hw.userName;
    s.password = hw.password;
    s.linkType = hw.linkType;
    s.programCount = 0;
    s.maxPrograms = 16;
    s.unitBoardType = hw.unitBoardType;

    const QString board = unitBoardCaption(s.unitBoardType);
    if (!board.isEmpty())
        state.statusPanels[PanelUnitBoard] = board;
    state.programTotal = s.programCount;

    for (int n = 1; n <= kMaxPrograms; ++n)
        initProgram(s.program(n), n, hw);
}

void copyScreenToHardwareSettings(ProjectState& state)
{
    const TprojectProp& s = state.cur();
    HardwareSettings& hw = state.hw;
    hw.screenWidth = s.screenWidth;
    hw.screenHeight = s.screenHeight;
    hw.colourType = s.colourType;
    hw.greyLevel = s.greyLevel;
    hw.refreshRate = s.refreshRate;
    hw.cardModel = s.cardModel;
    hw.usbDiskMode = s.usbDiskMode;
    hw.cardAddress = s.cardAddress;
    hw.powerOnHour = s.powerOnHour;
    hw.powerOnMinute = s.powerOnMinute;
    hw.powerOffHour = s.powerOffHour;
    hw.powerOffMinute = s.powerOffMinute;
    hw.dayBrightnessHour = s.dayBrightnessHour;
    hw.dayBrightnessMinute = s.dayBrightnessMinute;
    hw.nightBrightnessHour = s.nightBrightnessHour;
    hw.nightBrightnessMinute = s.nightBrightnessMinute;
    hw.dayBrightness = s.dayBrightness;
    hw.nightBrightness = s.nightBrightness;
    hw.colourThreshold = s.colourThreshold;
    hw.dataLogic = s.dataLogic;
    hw.oeLogic = s.oeLogic;
    hw.powerOnText = s.powerOnText;
    hw.linkType = s.linkType;
    hw.userName = s.userName;
    hw.password = s.password;
    hw.unitBoardType = s.unitBoardType;
}

} // namespace dotsign
