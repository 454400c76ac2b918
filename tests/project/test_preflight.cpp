#include "project/preflight.h"
#include "project/projectfile.h"
#include "project/projectfolder.h"
#include "project/zonefiles.h"

#include <QDir>
#include <QFile>
#include <QRect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

std::string codes(const QList<Finding>& findings)
{
    QStringList out;
    for (const Finding& f : findings)
        out << QStringLiteral("%1/%2:%3").arg(f.program).arg(f.zone).arg(f.code);
    return out.join(QLatin1Char(' ')).toStdString();
}

void touch(const QString& path, const QByteArray& bytes = "x\r\n")
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(Preflight, SampleProjectIsClean)
{
    QTemporaryDir root;
    ProjectState state;
    ASSERT_TRUE(
        prepareProjectFolder(state, root.path(), QStringLiteral(DOTSIGN_SOURCE_DIR "/samples/Project")).ok);
    ASSERT_TRUE(LoadProject(state, state.projectFilePath).ok);
    EXPECT_EQ(codes(checkProjectRecords(state)), "");
}

// One project that trips every record check exactly once.
TEST(Preflight, EachFindingOnce)
{
    QTemporaryDir dir;
    ProjectState state;
    state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
    state.hw.screenWidth = 100; // not a multiple of 8
    state.hw.screenHeight = 32;
    InitLedDispJiemu(state);
    state.screen.programCount = 3;
    auto textZone = [&](int n, int slot, QRect r, const QString& text) {
        ZoneRecord& z = state.zone(n, slot);
        z.zoneType = ZoneText;
        z.zoneX = r.x();
        z.zoneY = r.y();
        z.zoneWidth = r.width();
        z.zoneHeight = r.height();
        z.zoneText = text;
        z.zoneFile = zoneTextFilePath(state, n, slot);
        touch(z.zoneFile);
    };
    // Program 1: two zones overlapping; the second has no text.
    state.program(1).zoneCount = 2;
    textZone(1, 1, QRect(0, 0, 96, 16), QStringLiteral("今日特价"));
    textZone(1, 2, QRect(0, 8, 96, 16), QString());
    // Program 2: a zone past the bottom edge, a zone of height 0, a text outside GBK.
    state.program(2).zoneCount = 3;
    textZone(2, 1, QRect(0, 24, 96, 16), QStringLiteral("ok"));
    textZone(2, 2, QRect(0, 0, 8, 0), QStringLiteral("ok"));
    textZone(2, 3, QRect(8, 0, 8, 8), QStringLiteral("sale 😀"));
    // Program 3: schedule faults; a text whose file was never written; a document that is missing.
    TjiemuProp& p3 = state.program(3);
    p3.timedPlay = 1;
    p3.startDate = QStringLiteral("2026-12-31");
    p3.endDate = QStringLiteral("2026-01-01");
    p3.slotStop[1] = QStringLiteral("04:00:00");
    p3.zoneCount = 2;
    textZone(3, 1, QRect(0, 0, 48, 16), QStringLiteral("new"));
    QFile::remove(state.zone(3, 1).zoneFile);
    state.zone(3, 2) = state.zone(3, 1);
    state.zone(3, 2).zoneX = 48;
    state.zone(3, 2).zoneType = ZoneDocument;
    state.zone(3, 2).zoneFile = QStringLiteral("menu.kvf");

    const QStringList expected{
        QStringLiteral("0/0:screen-width-not-multiple-of-8"),
        QStringLiteral("0/0:extfile-missing"),
        QStringLiteral("1/2:text-empty"),
        QStringLiteral("1/2:zones-overlap"),
        QStringLiteral("2/1:zone-outside-screen"),
        QStringLiteral("2/2:zone-empty-size"),
        QStringLiteral("2/3:text-outside-gbk"),
        QStringLiteral("3/0:schedule-dates"),
        QStringLiteral("3/0:schedule-slot"),
        QStringLiteral("3/1:content-missing"),
        QStringLiteral("3/2:content-missing"),
    };
    const QList<Finding> findings = checkProjectRecords(state);
    EXPECT_EQ(codes(findings), expected.join(QLatin1Char(' ')).toStdString());
    for (const Finding& f : findings)
        EXPECT_FALSE(f.message.isEmpty()) << f.code.toStdString();
}

TEST(Preflight, UnreadableDatesAreErrorsEvenWithoutASchedule)
{
    QTemporaryDir dir;
    ProjectState state;
    state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
    QDir().mkpath(dir.filePath(QStringLiteral("ExtFile")));
    state.hw.screenWidth = 128;
    state.hw.screenHeight = 32;
    InitLedDispJiemu(state);
    state.screen.programCount = 1;
    state.program(1).startDate = QStringLiteral("5/5/2009");
    state.program(1).slotStart[0] = QStringLiteral("noon");
    ZoneRecord& z = state.zone(1, 1);
    z.zoneType = ZoneClock;
    z.zoneFile = QStringLiteral("0-0-1.bmp");
    EXPECT_EQ(codes(checkProjectRecords(state)), "1/0:schedule-date-invalid 1/0:schedule-time-invalid");
}

// Program names are the operator's own text: a "%1" typed into one is shown
// as typed, never taken for a place of the message's numbers.
TEST(Preflight, PercentSignsInAProgramNameStayAsTyped)
{
    QTemporaryDir dir;
    ProjectState state;
    state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
    state.hw.screenWidth = 64;
    state.hw.screenHeight = 16;
    InitLedDispJiemu(state);
    state.screen.programCount = 1;
    TjiemuProp& p = state.program(1);
    p.programName = QStringLiteral("五折%1%2");
    p.slotStart[0] = QStringLiteral("25:00:00");
    p.zoneCount = 3;
    const QRect rects[] = {QRect(0, 0, 64, 16), QRect(0, 0, 32, 16), QRect(0, 0, 0, 16)};
    for (int slot = 1; slot <= 3; ++slot) {
        ZoneRecord& z = state.zone(1, slot);
        z.zoneType = ZoneText;
        z.zoneX = rects[slot - 1].x();
        z.zoneY = rects[slot - 1].y();
        z.zoneWidth = rects[slot - 1].width();
        z.zoneHeight = rects[slot - 1].height();
        z.zoneText = QStringLiteral("半价");
        z.zoneFile = zoneTextFilePath(state, 1, slot);
        touch(z.zoneFile);
    }
    QStringList seen;
    for (const Finding& f : checkProjectRecords(state)) {
        if (f.program != 1)
            continue;
        seen << f.code;
        EXPECT_TRUE(f.message.contains(QStringLiteral("五折%1%2"))) << f.message.toStdString();
    }
    for (const char* code : {"schedule-time-invalid", "zones-overlap", "zone-empty-size"})
        EXPECT_TRUE(seen.contains(QLatin1String(code))) << code;
}
