#include "app/support_window.h"

#include "app/playbackgroup.h"
#include "app/programpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace dotsign;

TEST(MainWindowPlayback, PauseFixedAndEffectCoupling)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    auto* g = w.findChild<PlaybackGroup*>();
    const ZoneRecord& z = f.state.program(1).zone(1);

    g->stayField()->selectAll();
    QTest::keyClicks(g->stayField(), QStringLiteral("255"));
    EXPECT_TRUE(g->fixedBox()->isChecked());
    EXPECT_EQ(z.zoneEffect, 5);
    EXPECT_EQ(z.zoneStay, 255);
    EXPECT_EQ(g->effectList()->currentText(), QStringLiteral("翻页"));

    QTest::keyClicks(g->stayField(), QStringLiteral("5")); // "2555"
    EXPECT_FALSE(g->fixedBox()->isChecked());
    EXPECT_EQ(g->stayField()->text(), QStringLiteral("10"));
    EXPECT_EQ(z.zoneStay, 10);

    // Letters are dropped; an empty field keeps the last pause.
    g->stayField()->selectAll();
    QTest::keyClicks(g->stayField(), QStringLiteral("ab"));
    EXPECT_EQ(z.zoneStay, 10);
    QTest::keyClick(g->stayField(), Qt::Key_Backspace);
    EXPECT_EQ(z.zoneStay, 10);
    // A pause the controller's byte cannot hold is not stored ("3", "30" were).
    QTest::keyClicks(g->stayField(), QStringLiteral("300"));
    EXPECT_EQ(z.zoneStay, 30);
    g->stayField()->selectAll();
    QTest::keyClicks(g->stayField(), QStringLiteral("0"));
    EXPECT_EQ(z.zoneStay, 0);

    g->fixedBox()->click();
    EXPECT_EQ(z.zoneStay, 255);
    EXPECT_EQ(z.zoneEffect, 5);
    // With the page fixed, any effect snaps back to "翻页".
    g->effectList()->setCurrentIndex(13);
    emit g->effectList()->activated(13);
    EXPECT_EQ(g->effectList()->currentIndex(), 4);
    EXPECT_EQ(z.zoneEffect, 5);
    g->fixedBox()->click();
    EXPECT_EQ(z.zoneStay, 10);
    emit g->effectList()->activated(13);
    EXPECT_EQ(z.zoneEffect, 14);
    EXPECT_EQ(f.state.modifiedFlag, 0);
}

TEST(MainWindowPlayback, LoadingShowsWithoutStoring)
{
    WindowFixture f;
    f.writeProject(128, 32, {2}, [](ProjectState& s) {
        s.program(1).zone(1).zoneStay = 255;
        s.program(1).zone(1).zoneEffect = 5;
        s.program(1).zone(2).zoneStay = 4;
        s.program(1).zone(2).zoneEffect = 14;
    });
    TMAINForm& w = f.open();
    auto* g = w.findChild<PlaybackGroup*>();
    f.click(QStringLiteral("分区1 "));
    EXPECT_TRUE(g->fixedBox()->isChecked());
    f.click(QStringLiteral("分区2*"));
    EXPECT_EQ(g->stayField()->text(), QStringLiteral("4"));
    EXPECT_FALSE(g->fixedBox()->isChecked());
    EXPECT_EQ(f.state.program(1).zone(2).zoneStay, 4);
    EXPECT_EQ(f.state.program(1).zone(2).zoneEffect, 14);
    EXPECT_EQ(f.state.program(1).zone(1).zoneStay, 255);
}

TEST(MainWindowPlayback, PlayModeLoadsAndStores)
{
    WindowFixture f;
    f.writeProject(128, 32, {1, 1}, [](ProjectState& s) { s.program(1).playMode = 30; });
    TMAINForm& w = f.open();
    auto* page = w.findChild<ProgramPage*>();
    f.click(QStringLiteral("节目1"));
    EXPECT_TRUE(page->fixedLengthButton()->isChecked());
    EXPECT_EQ(page->fixedLengthButton()->text(), QStringLiteral("定长播放                      秒"));
    EXPECT_EQ(page->secondsField()->value(), 30);
    EXPECT_TRUE(page->secondsField()->isEnabled());
    EXPECT_FALSE(w.PlayModeLoading);

    f.click(QStringLiteral("节目2"));
    EXPECT_TRUE(page->sequentialButton()->isChecked());
    EXPECT_FALSE(page->secondsField()->isEnabled());
    EXPECT_EQ(f.state.program(2).playMode, 0);
    EXPECT_EQ(f.state.program(1).playMode, 30); // loading stored nothing

    page->secondsField()->setValue(60);
    page->fixedLengthButton()->click();
    EXPECT_EQ(f.state.program(2).playMode, 60);
    page->secondsField()->setValue(65);
    EXPECT_EQ(f.state.program(2).playMode, 65);
    page->sequentialButton()->click();
    EXPECT_EQ(f.state.program(2).playMode, 0);
    EXPECT_FALSE(page->secondsField()->isEnabled());
}

TEST(MainWindowPlayback, ScheduleEnablingAndDateReset)
{
    WindowFixture f;
    f.writeProject(128, 32, {1}, [](ProjectState& s) {
        s.program(1).timedPlay = 1;
        s.program(1).startDate = QStringLiteral("2024-01-02");
        s.program(1).endDate = QStringLiteral("2024-12-31");
    });
    TMAINForm& w = f.open();
    auto* page = w.findChild<ProgramPage*>();
    f.click(QStringLiteral("节目1"));
    EXPECT_TRUE(page->timedPlayBox()->isChecked());
    EXPECT_TRUE(page->startDate()->isEnabled());
    EXPECT_EQ(page->startDate()->date(), QDate(2024, 1, 2));

    page->timedPlayBox()->click();
    const TjiemuProp& p = f.state.program(1);
    EXPECT_EQ(p.timedPlay, 0);
    EXPECT_EQ(p.startDate, QStringLiteral("2009-05-05"));
    EXPECT_EQ(p.endDate, QStringLiteral("2009-05-05"));
    EXPECT_EQ(page->endDate()->date(), QDate(2009, 5, 5));
    EXPECT_FALSE(page->startDate()->isEnabled());
    EXPECT_FALSE(page->volumeList(4)->isEnabled());

    page->timedPlayBox()->click();
    EXPECT_EQ(p.timedPlay, 1);
    EXPECT_EQ(p.startDate, QStringLiteral("2009-05-05"));
    page->startDate()->setDate(QDate(2025, 3, 4));
    EXPECT_EQ(p.startDate, QStringLiteral("2025-03-04"));
}

// Selecting a program never changes it: an untimed program keeps its dates
// even when a timed one was shown before it.
TEST(MainWindowPlayback, SelectingAnUntimedProgramKeepsItsDates)
{
    WindowFixture f;
    f.writeProject(128, 32, {1, 1}, [](ProjectState& s) {
        s.program(1).timedPlay = 1;
        s.program(2).startDate = QStringLiteral("2024-06-01");
    });
    TMAINForm& w = f.open();
    auto* page = w.findChild<ProgramPage*>();
    f.click(QStringLiteral("节目1"));
    f.click(QStringLiteral("节目2"));
    EXPECT_FALSE(page->timedPlayBox()->isChecked());
    EXPECT_FALSE(page->startDate()->isEnabled());
    EXPECT_EQ(f.state.program(2).startDate, QStringLiteral("2024-06-01"));
}

TEST(MainWindowPlayback, VolumesAndUnreadableTimes)
{
    WindowFixture f;
    f.writeProject(128, 32, {1, 1}, [](ProjectState& s) {
        s.program(1).slotVolume[0] = 10;
        s.program(1).slotVolume[1] = 11;
        s.program(1).slotStart[2] = QStringLiteral("not a time");
    });
    TMAINForm& w = f.open();
    auto* page = w.findChild<ProgramPage*>();
    f.click(QStringLiteral("节目1"));
    EXPECT_EQ(page->volumeList(0)->currentText(), QStringLiteral("10"));
    EXPECT_EQ(page->volumeList(1)->currentIndex(), -1);
    EXPECT_EQ(f.state.program(1).slotVolume[1], 11);                          // shown as none, kept
    EXPECT_EQ(f.state.program(1).slotStart[2], QStringLiteral("not a time")); // kept as stored
    EXPECT_FALSE(w.GeometryLoading);
    EXPECT_EQ(f.state.clockChangeGuard, 0);

    page->timedPlayBox()->click();
    page->volumeList(1)->setCurrentIndex(10);
    EXPECT_EQ(f.state.program(1).slotVolume[1], 10);
}
