#pragma once
// The project state: one display screen with up to 16 programs of up to four
// zones each, the editing globals and the current hardware settings. One
// instance lives for the whole run and is passed explicitly to whoever reads
// or writes it (windows, renderers, the download, the export).
//
// Texts are held as QString; they become GBK bytes only at the edges (files,
// layout byte counts, frames). A zone's text keeps CR LF line breaks exactly
// as its text file holds them.

#include <QString>
#include <array>
#include <cstdint>

namespace dotsign {

constexpr int kMaxPrograms = 16;  // the add-program limit
constexpr int kProgramSlots = 17; // programs are numbered 1..17; slot 17 is never filled
constexpr int kZoneSlots = 4;     // 1 top "上", 2 left "左", 3 right "右", 4 bottom "下"

enum ZoneType { ZoneText = 0, ZoneClock = 1, ZoneDocument = 2 };

// One zone slot of a program. In the project file these are parallel arrays of
// four; here each slot is a record of its own.
struct ZoneRecord
{
    int zoneFlag = 0;
    int zoneType = ZoneText;
    int zoneX = 0;
    int zoneY = 0;
    int zoneHeight = 0;
    int zoneInfoHeight = 0; // rendered content height; 0 means zoneHeight applies
    int zonePlainText = 0;  // text: "单行处理"
    int zoneWidth = 0;
    QString zoneFile;
    int zoneEffect = 1; // 1..14
    int zoneSpeed = 3;  // 1 fastest .. 40 slowest
    int zoneStay = 4;   // pause between pages
    int zoneClearFirst = 1;
    QString zoneText; // text zones: the text, CR LF line breaks; kept in its own file
    QString clockFixedText;
    int zoneFont = 0;       // text: index into the font list; clock: 0 "宋体", else "黑体"
    int zoneFontSize = 1;   // text: index into the LED size list; clock: 0 = 12, 1 = 16, 2 = 32
    int zoneBackColour = 0; // clock: 1 red, 2 green, 3 yellow, 4 black
    int zoneColour = 1;     // 1 red, 2 green, 3 yellow
    int clockStyle = 0;
    int zoneInfoX = 0;
    int zoneInfoY = 0;
    int zoneInfoSpacing = 0;
    int clockYearX = 0, clockYearY = 0;
    int clockMonthX = 0, clockMonthY = 0;
    int clockDayX = 0, clockDayY = 0;
    int clockHourX = 0, clockHourY = 0;
    int clockMinuteX = 0, clockMinuteY = 0;
    int clockSecondX = 0, clockSecondY = 0;
    int clockWeekX = 0, clockWeekY = 0;
    int clockWeekPos = 0;
    int clockTimePos = 16;
    int clockOptions = 14;
    int clockYearFormat = 0; // text zones keep the couplet switch "对联效果" here
    int clockMultiLine = 0;
};

// One program (节目).
struct TjiemuProp
{
    uint8_t programId = 0;
    QString programName;
    int zoneCount = 1;
    int layoutTemplate = 1;                         // 1..4
    std::array<ZoneRecord, kZoneSlots + 1> zones{}; // slots 1..4; index 0 unused

    int playMode = 0; // 0 in sequence; > 0 play for that many seconds
    int timedPlay = 0;
    QString startDate; // "2009-05-05"
    QString endDate;
    std::array<int, 7> weekdays{};    // Monday..Sunday
    std::array<QString, 5> slotStart; // "17:30:00"
    std::array<QString, 5> slotStop;
    std::array<int, 5> slotVolume{}; // 0..10
    int voiceGender = 0;

    ZoneRecord& zone(int slot) { return zones.at(static_cast<size_t>(slot)); }
    const ZoneRecord& zone(int slot) const { return zones.at(static_cast<size_t>(slot)); }
};

// One display screen.
struct TprojectProp
{
    int32_t firstWord = 0; // never set; its low byte travels in the program index frame
    QString projectPath;
    QString screenName;
    QString password;
    QString userName;
    int programCount = 0;
    int maxPrograms = 16;
    int linkType = 0; // 0 serial, 1 TCP, 2 GSM, 3 GPRS/GSM
    QString serialPort;
    int baudRate = 0;
    int refreshRate = 0;
    int colourThreshold = 0;
    int cardAddress = 0;
    int usbDiskMode = 0;
    uint8_t powerOnHour = 0, powerOnMinute = 0;
    uint8_t powerOffHour = 0, powerOffMinute = 0;
    uint8_t dayBrightnessHour = 0, dayBrightnessMinute = 0;
    uint8_t nightBrightnessHour = 0, nightBrightnessMinute = 0;
    uint8_t dayBrightness = 0, nightBrightness = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    QString cardModel;  // "A类卡", "B类卡", "C类卡"
    int colourType = 0; // 0 single, 1 dual, 2 full
    int greyLevel = 0;
    int storageSize = 0;
    int storageUsed = 0;
    int unitBoardType = 0;
    int dataLogic = 0;
    int oeLogic = 0;
    QString powerOnText;
    std::array<TjiemuProp, kProgramSlots + 1> programs{}; // 1..17; index 0 unused

    TjiemuProp& program(int n) { return programs.at(static_cast<size_t>(n)); }
    const TjiemuProp& program(int n) const { return programs.at(static_cast<size_t>(n)); }
};

// The current hardware and link settings (one value per screen field).
struct HardwareSettings
{
    int screenWidth = 0;
    int screenHeight = 0;
    int colourType = 0;
    int greyLevel = 0;
    int refreshRate = 0;
    int dataLogic = 0;
    int oeLogic = 0;
    int cardAddress = 0;
    int usbDiskMode = 0;
    QString powerOnText;
    QString userName;
    QString password;
    QString cardModel;
    int colourThreshold = 0;
    int linkType = 0;
    int unitBoardType = 0;
    uint8_t powerOnHour = 7, powerOnMinute = 0;
    uint8_t powerOffHour = 7, powerOffMinute = 0;
    uint8_t dayBrightnessHour = 7, dayBrightnessMinute = 0;
    uint8_t nightBrightnessHour = 20, nightBrightnessMinute = 0;
    uint8_t dayBrightness = 10, nightBrightness = 10;
};

// What the serial port component is set to (its port name and speed setting).
struct SerialSettings
{
    QString portName = QStringLiteral("COM1");
    int baudRate = 9600;
};

// Status bar panels 0..9 as the core writes them; the main window shows them.
enum StatusPanel {
    PanelScreenSize = 0,
    PanelColourType = 1,
    PanelUnitBoard = 2,
    PanelLinkType = 3,
    PanelPort = 4,
    PanelBaud = 5,
    PanelZoneFile = 6,
    PanelUser = 9,
    kStatusPanels = 10
};

struct ProjectState
{
    TprojectProp screen; // the only screen, slot 0

    int currentScreen = 0;
    int currentProgram = 1;
    int currentZone = 1;
    int programTotal = 0;
    int currentTemplate = 1;
    QString projectDir;             // always ends with the platform separator
    QString projectFileName;        // "Project.kvp"
    QString projectFilePath;        // projectDir + projectFileName
    QString defaultProjectFilePath; // the file that also stores the hardware and link settings
    int modifiedFlag = 0;
    int memoChangeArmed = 0;
    int clockChangeGuard = 0;

    HardwareSettings hw;
    SerialSettings serial;
    std::array<QString, kStatusPanels> statusPanels;

    TprojectProp& cur() { return screen; }
    const TprojectProp& cur() const { return screen; }
    TjiemuProp& program(int n) { return screen.program(n); }
    const TjiemuProp& program(int n) const { return screen.program(n); }
    ZoneRecord& zone(int program, int slot) { return screen.program(program).zone(slot); }
    const ZoneRecord& zone(int program, int slot) const { return screen.program(program).zone(slot); }
    ZoneRecord& currentZoneRecord() { return zone(currentProgram, currentZone); }

    // Sets projectDir/projectFileName/projectFilePath from a full file path.
    void setProjectFile(const QString& filePath);
};

// Speeds the link can be set to; anything else is stored as 9600.
bool isStandardBaudRate(int baud);

// Unit-board caption of status panel 2, or an empty string for an unknown value.
QString unitBoardCaption(int unitBoardType);
// Colour-type caption of status panel 1, or an empty string for an unknown value.
QString colourTypeCaption(int colourType);
// Link-type caption of status panel 3, or an empty string for an unknown value.
QString linkTypeCaption(int linkType);

// Gives the screen and programs 1..16 their defaults and sets the program count
// to 0. Leaves zoneBackColour and the clock positions as they were. Does not
// touch currentProgram, currentZone or modifiedFlag. (The pixel planes are
// cleared by their owner, which clears them again before every render.)
void InitLedDispJiemu(ProjectState& state);

// The hardware settings take every value of the current screen, as when a
// screen is shown for editing.
void copyScreenToHardwareSettings(ProjectState& state);

} // namespace dotsign
