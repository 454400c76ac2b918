#include "app/programrules.h"

#include "project/zonefiles.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace {

ProjectState screen128x32()
{
    ProjectState s;
    s.setProjectFile(QStringLiteral("/tmp/p/Project.kvp"));
    s.hw.screenWidth = 128;
    s.hw.screenHeight = 32;
    return s;
}

} // namespace

TEST(ProgramRules, TreeLabels)
{
    EXPECT_EQ(programLabel(12), QStringLiteral("节目12"));
    EXPECT_EQ(zoneLabel(1, 1), QStringLiteral("分区1*"));
    EXPECT_EQ(zoneLabel(1, 3), QStringLiteral("分区1 "));
    EXPECT_EQ(zoneLabel(3, 3), QStringLiteral("分区3*"));
    EXPECT_EQ(programNodeLabel(12), QStringLiteral("节目12"));
    EXPECT_EQ(screenLabel(0), QStringLiteral("显示屏-1"));
}

TEST(ProgramRules, NewProgramDefaults)
{
    ProjectState s = screen128x32();
    s.program(3).zone(4).zoneText = QStringLiteral("left over");
    initNewProgram(s, 3, 4, 7);
    const TjiemuProp& p = s.program(3);
    EXPECT_EQ(p.programId, 3); // the 1-based number
    EXPECT_EQ(p.programName, QStringLiteral("节目3"));
    EXPECT_EQ(p.zoneCount, 3);
    for (int z = 1; z <= 3; ++z) {
        SCOPED_TRACE(z);
        const ZoneRecord& r = p.zone(z);
        EXPECT_EQ(r.zoneFlag, 1);
        EXPECT_EQ(r.zoneType, ZoneText);
        EXPECT_EQ(r.zoneFile, zoneTextFilePath(s, 3, z));
        EXPECT_EQ(r.zoneFont, 7);
        EXPECT_EQ(r.zoneEffect, 1);
        EXPECT_EQ(r.zoneSpeed, 3);
        EXPECT_EQ(r.zoneStay, 4);
        EXPECT_EQ(r.zoneBackColour, 4);
        EXPECT_EQ(r.clockOptions, 14);
        EXPECT_EQ(r.clockYearFormat, 0);
    }
    EXPECT_TRUE(p.zone(3).zoneFile.endsWith(QStringLiteral("0-2-3.txt")));
    EXPECT_EQ(p.zone(4).zoneFlag, 0);
    EXPECT_TRUE(p.zone(4).zoneFile.isEmpty());
    EXPECT_TRUE(p.zone(4).zoneText.isEmpty());
    EXPECT_EQ(p.zone(4).zoneWidth, 0);
    EXPECT_EQ(p.slotStart[3], QStringLiteral("17:30:00"));
    EXPECT_EQ(p.slotStop[4], QStringLiteral("23:59:59"));
    EXPECT_EQ(p.startDate, QStringLiteral("2009-05-05"));
    EXPECT_EQ(p.weekdays, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1}));
}

TEST(ProgramRules, DeletingMovesLaterProgramsDownKeepingPlaceNames)
{
    TprojectProp screen;
    for (int n = 1; n <= 4; ++n) {
        screen.program(n).programId = static_cast<uint8_t>(n);
        screen.program(n).programName = programLabel(n);
        screen.program(n).zone(1).zoneText = QStringLiteral("text %1").arg(n);
        screen.program(n).playMode = n * 10;
    }
    deleteProgramRecords(screen, 2, 4);
    EXPECT_EQ(screen.program(2).zone(1).zoneText, QStringLiteral("text 3"));
    EXPECT_EQ(screen.program(2).playMode, 30);
    EXPECT_EQ(screen.program(2).programId, 2);
    EXPECT_EQ(screen.program(2).programName, QStringLiteral("节目2"));
    EXPECT_EQ(screen.program(3).zone(1).zoneText, QStringLiteral("text 4"));
    EXPECT_EQ(screen.program(3).programName, QStringLiteral("节目3"));
    EXPECT_EQ(screen.program(4).zone(1).zoneText,
              QStringLiteral("text 4")); // vacated place keeps its contents

    // Deleting the last program moves nothing.
    deleteProgramRecords(screen, 4, 4);
    EXPECT_EQ(screen.program(3).zone(1).zoneText, QStringLiteral("text 4"));
}

TEST(ProgramRules, ZoneTypeFromMenuAndRadio)
{
    ProjectState s = screen128x32();
    initNewProgram(s, 1, 1, 0);
    s.currentProgram = 1;
    s.currentZone = 1;
    ZoneRecord& z = s.currentZoneRecord();
    setZoneTypeFromMenu(z, ZoneClock, 5);
    EXPECT_EQ(z.zoneType, ZoneClock);
    EXPECT_TRUE(z.zoneFile.isEmpty());
    z.clockYearFormat = 1;
    setZoneTypeFromMenu(z, ZoneText, 5);
    EXPECT_EQ(z.zoneFont, 5);
    EXPECT_EQ(z.clockYearFormat, 0);
    EXPECT_TRUE(z.zoneFile.isEmpty()); // the menu leaves the file name empty

    setZoneTypeFromRadio(s, ZoneClock, QString());
    setZoneTypeFromRadio(s, ZoneText, QStringLiteral("欢迎光临"));
    EXPECT_EQ(z.zoneText, QStringLiteral("欢迎光临"));
    EXPECT_EQ(z.zoneFile, zoneTextFilePath(s, 1, 1)); // the radio group gives the default name
}

TEST(ProgramRules, PauseEffectAndPlayModeCoupling)
{
    EXPECT_TRUE(stayTextMeansFixed(QStringLiteral("255")));
    EXPECT_FALSE(stayTextMeansFixed(QStringLiteral("2555")));
    EXPECT_FALSE(stayTextMeansFixed(QStringLiteral(" 255")));
    EXPECT_EQ(effectForChoice(13, true), 5); // "随机" snaps back to "翻页"
    EXPECT_EQ(effectForChoice(13, false), 14);
    EXPECT_EQ(playModeFor(true, 60), 60);
    EXPECT_EQ(playModeFor(false, 60), 0);
    EXPECT_EQ(volumeIndex(10), 10);
    EXPECT_EQ(volumeIndex(11), -1);
    EXPECT_EQ(volumeIndex(-1), -1);
}
