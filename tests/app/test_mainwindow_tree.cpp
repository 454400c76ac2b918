#include "app/support_window.h"

#include "app/clockpanel.h"
#include "app/layoutview.h"
#include "app/programrules.h"
#include "project/gbk.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

QWidget* visiblePage(TMAINForm& w)
{
    auto* pages = w.findChild<QWidget*>(QStringLiteral("Panel3"))->parentWidget();
    return static_cast<QStackedWidget*>(pages)->currentWidget();
}

QWidget* visibleEditor(TMAINForm& w)
{
    auto* editors = w.findChild<QWidget*>(QStringLiteral("Panel5"))->parentWidget();
    return static_cast<QStackedWidget*>(editors)->currentWidget();
}

} // namespace

TEST(MainWindowStart, EmptyProjectShowsOnlyTheRootAndWritesNothing)
{
    WindowFixture f;
    TMAINForm& w = f.open();
    EXPECT_EQ(f.labels(), QStringList{QStringLiteral("显示屏-1")});
    EXPECT_EQ(f.state.cur().programCount, 0);
    EXPECT_EQ(f.state.memoChangeArmed, 200);
    EXPECT_FALSE(w.PlayModeLoading);
    EXPECT_EQ(w.WeekdayNames.first(), QStringLiteral("星期日"));
    EXPECT_EQ(w.DigitStrings.at(9), QStringLiteral("09"));
    // Nothing was written into program 1's record.
    EXPECT_EQ(f.state.program(1).zone(1).zoneFile, QString());
    EXPECT_FALSE(w.action(QStringLiteral("T_Delete"))->isEnabled());
    EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("Memo1"))->isEnabled()); // nothing to edit yet
    EXPECT_FALSE(w.action(QStringLiteral("T_New"))->isVisible());
    EXPECT_TRUE(w.action(QStringLiteral("T_Save"))->isVisible());
    EXPECT_EQ(w.action(QStringLiteral("N_AddProgram"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("LED")));
}

TEST(MainWindowStart, LastProgramIsShownAndItsFirstZoneSelected)
{
    WindowFixture f;
    f.writeProject(128, 32, {1, 4});
    TMAINForm& w = f.open();
    EXPECT_EQ(f.labels(),
              (QStringList{QStringLiteral("显示屏-1"), QStringLiteral("节目1"), QStringLiteral("分区1*"),
                           QStringLiteral("节目2"), QStringLiteral("分区1 "), QStringLiteral("分区2 "),
                           QStringLiteral("分区3*")}));
    EXPECT_EQ(f.state.currentProgram, 2);
    EXPECT_EQ(f.state.currentZone, 1);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区1 "));
    EXPECT_TRUE(w.layoutView(4)->isVisible());
    EXPECT_FALSE(w.layoutView(1)->isVisible());
    EXPECT_EQ(w.layoutView(4)->size(), QSize(128 + 17, 32 + 17));
    EXPECT_EQ(w.statusBar()->findChild<QLabel*>(QStringLiteral("statusPanel0"))->text(),
              QStringLiteral("显示屏大小:32*128"));
}

TEST(MainWindowSelection, ProgramZoneAndRootNodes)
{
    WindowFixture f;
    f.writeProject(128, 32, {1, 4}, [](ProjectState& s) { s.program(2).zone(3).zoneType = ZoneClock; });
    TMAINForm& w = f.open();

    f.click(QStringLiteral("节目2"));
    EXPECT_EQ(f.state.currentProgram, 2);
    EXPECT_EQ(f.state.currentZone, 3); // the last zone of the program
    EXPECT_EQ(visiblePage(w)->objectName(), QStringLiteral("Panel3"));
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("GroupBox10"))->property("title").toString(),
              QStringLiteral("节目2属性信息"));
    EXPECT_TRUE(w.action(QStringLiteral("T_Delete"))->isEnabled());
    EXPECT_TRUE(w.action(QStringLiteral("N_DeleteProgram"))->isEnabled());
    EXPECT_EQ(f.state.clockChangeGuard, 0);
    EXPECT_EQ(f.state.memoChangeArmed, 200);

    f.click(QStringLiteral("分区2 "), QStringLiteral("节目2"));
    EXPECT_EQ(f.state.currentZone, 2);
    EXPECT_EQ(visiblePage(w)->objectName(), QStringLiteral("Panel1"));
    EXPECT_EQ(visibleEditor(w)->objectName(), QStringLiteral("Panel5"));
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("GroupBox11"))->property("title").toString(),
              QStringLiteral("节目2分区2 "));
    EXPECT_FALSE(w.action(QStringLiteral("T_Delete"))->isEnabled());
    for (int zone = 1; zone <= 3; ++zone)
        EXPECT_EQ(w.layoutView(4)->zoneColour(zone), QColor(Qt::black));

    f.click(QStringLiteral("分区3*"), QStringLiteral("节目2"));
    EXPECT_EQ(visibleEditor(w)->objectName(), QStringLiteral("Panel12"));

    // The root keeps the current program and zone.
    f.click(QStringLiteral("显示屏-1"));
    EXPECT_EQ(f.state.currentProgram, 2);
    EXPECT_EQ(f.state.currentZone, 3);
    EXPECT_FALSE(w.action(QStringLiteral("T_Delete"))->isEnabled());

    // Template 1: the selected zone is drawn on blue.
    f.click(QStringLiteral("分区1*"), QStringLiteral("节目1"));
    EXPECT_EQ(f.state.currentProgram, 1);
    EXPECT_NE(w.layoutView(1)->zoneColour(1), QColor(Qt::black));
    EXPECT_TRUE(w.layoutView(1)->isVisible());
    EXPECT_FALSE(w.layoutView(4)->isVisible());
}

TEST(MainWindowSelection, ArrowKeysSelectAsClicksDo)
{
    WindowFixture f;
    f.writeProject(128, 32, {2, 3});
    TMAINForm& w = f.open();
    f.click(QStringLiteral("节目1"));
    QTest::keyClick(w.tree(), Qt::Key_Down);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区1 "));
    EXPECT_EQ(f.state.currentProgram, 1);
    EXPECT_EQ(f.state.currentZone, 1);
    QTest::keyClick(w.tree(), Qt::Key_Down);
    QTest::keyClick(w.tree(), Qt::Key_Down);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("节目2"));
    EXPECT_EQ(f.state.currentProgram, 2);
    EXPECT_EQ(f.state.currentZone, 2);
    EXPECT_TRUE(w.layoutView(3)->isVisible());
}

TEST(MainWindowSelection, ZoneImageSelectsItsZone)
{
    WindowFixture f;
    f.writeProject(128, 32, {4});
    TMAINForm& w = f.open();
    QTest::mousePress(w.findChild<QWidget*>(QStringLiteral("M4_3_BMP")), Qt::LeftButton, Qt::NoModifier,
                      {4, 4});
    QTest::mouseRelease(w.findChild<QWidget*>(QStringLiteral("M4_3_BMP")), Qt::LeftButton, Qt::NoModifier,
                        {4, 4});
    EXPECT_EQ(f.state.currentZone, 3);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区3*"));
}

TEST(MainWindowSelection, ClockZoneLoadsItsEditorWithoutMarkingModified)
{
    WindowFixture f;
    f.writeProject(128, 32, {1}, [](ProjectState& s) {
        ZoneRecord& z = s.program(1).zone(1);
        z.zoneType = ZoneClock;
        z.clockOptions = 128 + 8;
        z.zoneInfoX = 8;
    });
    TMAINForm& w = f.open();
    auto* clock = w.findChild<ClockPanel*>();
    EXPECT_EQ(clock->xField()->value(), 8);
    EXPECT_TRUE(clock->elementBox(0)->isChecked());  // 年
    EXPECT_FALSE(clock->elementBox(1)->isChecked()); // 月
    EXPECT_TRUE(clock->elementBox(4)->isChecked());  // 时
    EXPECT_EQ(f.state.modifiedFlag, 0);
    clock->elementBox(1)->click();
    EXPECT_EQ(f.state.modifiedFlag, 200);
    EXPECT_EQ(f.state.program(1).zone(1).clockOptions, 128 + 64 + 8);
}

TEST(MainWindowStart, HandEditedProjectWithImpossibleValuesStillWorks)
{
    WindowFixture f;
    f.writeProject(128, 32, {2, 4, 1}, [](ProjectState& s) {
        s.program(1).layoutTemplate = 9; // no such template
        s.program(1).zoneCount = 7;
        s.program(2).zone(1).zoneHeight = 200; // taller than the screen
        s.program(2).zone(2).zoneWidth = -40;
        s.program(3).layoutTemplate = 0; // no zones at all
        s.program(3).zone(1).zoneStay = 99999;
    });
    TMAINForm& w = f.open();
    for (const QString& label : f.labels()) {
        for (QTreeWidgetItemIterator it(w.tree()); *it; ++it)
            if ((*it)->text(0) == label)
                w.tree()->setCurrentItem(*it);
        w.OBJECT_TREEMouseDown(w.tree());
    }
    f.click(QStringLiteral("节目2"));
    // The zones of program 2 tile the screen again, none negative.
    for (int z = 1; z <= 3; ++z) {
        const ZoneRecord& r = f.state.program(2).zone(z);
        EXPECT_GE(r.zoneWidth, 0);
        EXPECT_GE(r.zoneHeight, 0);
        EXPECT_LE(r.zoneX + r.zoneWidth, 128);
        EXPECT_LE(r.zoneY + r.zoneHeight, 32);
    }
}

TEST(MainWindowStart, UnreadableProjectIsReportedAndTheWindowKeepsRunning)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    QFile file(f.state.projectFilePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = fromGbk(file.readAll());
    file.close();
    ASSERT_TRUE(text.contains(QStringLiteral("分区数量=1")));
    text.replace(QStringLiteral("分区数量=1"), QStringLiteral("分区数量=abc"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(toGbk(text));
    file.close();
    TMAINForm& w = f.open();
    ASSERT_FALSE(f.dialogs.messages.empty());
    EXPECT_TRUE(f.dialogs.messages.front().contains(QStringLiteral("abc")));
    EXPECT_TRUE(w.isVisible());
    f.addProgram(2);
    EXPECT_NE(f.node(QStringLiteral("分区2*")), nullptr);
}
