#include "project/projectstate.h"
#include "project/zonefiles.h"

#include <gtest/gtest.h>

using namespace dotsign;

TEST(InitLedDispJiemu, GivesProgramsTheirDefaults)
{
    ProjectState state;
    state.hw.screenWidth = 128;
    state.hw.screenHeight = 32;
    state.projectDir = QStringLiteral("/tmp/p/");
    state.projectFileName = QStringLiteral("Project.kvp");
    state.zone(3, 2).zoneBackColour = 3;
    state.zone(3, 2).clockHourX = 40;
    state.screen.programCount = 5;
    InitLedDispJiemu(state);

    const TjiemuProp& p = state.program(3);
    EXPECT_EQ(p.programName, QStringLiteral("节目3"));
    EXPECT_EQ(p.programId, 2);
    EXPECT_EQ(p.zoneCount, 1);
    const ZoneRecord& z = p.zone(1);
    EXPECT_EQ(z.zoneWidth, 128);
    EXPECT_EQ(z.zoneHeight, 32);
    EXPECT_EQ(z.zoneEffect, 1);
    EXPECT_EQ(z.zoneSpeed, 3);
    EXPECT_EQ(z.zoneStay, 4);
    EXPECT_EQ(z.zoneClearFirst, 1);
    EXPECT_EQ(z.clockYearFormat, 0);
    const char* starts[] = {"00:00:00", "05:00:00", "08:00:00", "17:30:00", "22:00:00"};
    const char* stops[] = {"05:00:00", "08:00:00", "17:30:00", "22:00:00", "23:59:59"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(p.slotStart[i], QLatin1String(starts[i]));
        EXPECT_EQ(p.slotStop[i], QLatin1String(stops[i]));
    }
    // Left as they were by the previous project.
    EXPECT_EQ(state.zone(3, 2).zoneBackColour, 3);
    EXPECT_EQ(state.zone(3, 2).clockHourX, 40);
    EXPECT_EQ(state.screen.programCount, 0);
    EXPECT_EQ(state.programTotal, 0);
    EXPECT_EQ(state.projectFilePath, QStringLiteral("/tmp/p/Project.kvp"));
    EXPECT_EQ(state.screen.projectPath, state.projectFilePath);
}

TEST(InitLedDispJiemu, StartupHardwareTimesAndBrightness)
{
    ProjectState state;
    InitLedDispJiemu(state);
    const TprojectProp& s = state.screen;
    EXPECT_EQ(s.powerOnHour, 7);
    EXPECT_EQ(s.powerOnMinute, 0);
    EXPECT_EQ(s.powerOffHour, 7);
    EXPECT_EQ(s.dayBrightnessHour, 7);
    EXPECT_EQ(s.nightBrightnessHour, 20);
    EXPECT_EQ(s.dayBrightness, 10);
    EXPECT_EQ(s.nightBrightness, 10);
}

TEST(InitLedDispJiemu, StoresOnlyStandardSpeeds)
{
    const std::pair<int, int> cases[] = {{56000, 9600}, {14400, 9600}, {115200, 115200}, {4800, 4800}};
    for (auto [set, stored] : cases) {
        ProjectState state;
        state.serial.baudRate = set;
        InitLedDispJiemu(state);
        EXPECT_EQ(state.screen.baudRate, stored) << set;
    }
}

TEST(InitLedDispJiemu, UnitBoardPanel)
{
    ProjectState state;
    state.hw.unitBoardType = 2;
    InitLedDispJiemu(state);
    EXPECT_EQ(state.statusPanels[PanelUnitBoard], QStringLiteral("P10单元板"));
}

TEST(ZoneFiles, NamesAndResolution)
{
    ProjectState state;
    state.setProjectFile(QStringLiteral("/signs/shop/Shop.kvp"));
    EXPECT_EQ(zoneKey(0, 12, 3), QStringLiteral("0-11-3"));
    EXPECT_EQ(zoneTextFilePath(state, 12, 3), QStringLiteral("/signs/shop/0-11-3.txt"));
    EXPECT_EQ(ZoneBitmapPath(state, 12, 3), QStringLiteral("/signs/shop/ExtFile/0-11-3.bmp"));
    EXPECT_EQ(resolveZoneFile(state, QStringLiteral("C:\\signs\\Project\\0-0-1.txt")),
              QStringLiteral("/signs/shop/0-0-1.txt"));
    EXPECT_EQ(resolveZoneFile(state, QStringLiteral("..\\..\\etc\\passwd")),
              QStringLiteral("/signs/shop/passwd"));
    EXPECT_EQ(resolveZoneFile(state, QStringLiteral("a/..")), QString());
}

TEST(ZoneFiles, TextNormalisedToCrLf)
{
    EXPECT_EQ(normaliseZoneText(QStringLiteral("a\nb")), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(normaliseZoneText(QStringLiteral("a\r\nb\r\n")), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(normaliseZoneText(QStringLiteral("a\rb")), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(normaliseZoneText(QString()), QString());
}
