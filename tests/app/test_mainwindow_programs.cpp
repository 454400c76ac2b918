#include "app/support_translator.h"
#include "app/support_window.h"

#include "app/layoutrules.h"
#include "app/layoutview.h"
#include "app/programrules.h"
#include "project/zonefiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

ZoneRect rectOf(const ZoneRecord& z)
{
    return {z.zoneX, z.zoneY, z.zoneWidth, z.zoneHeight};
}

QStringList childLabels(WindowFixture& f, const QString& program)
{
    QStringList out;
    QTreeWidgetItem* n = f.node(program);
    for (int i = 0; n && i < n->childCount(); ++i)
        out << n->child(i)->text(0);
    return out;
}

int imageOf(QTreeWidgetItem* node)
{
    return node->data(0, Qt::UserRole + 1).toInt();
}

} // namespace

namespace dotsign {
void PrintTo(const ZoneRect& r, std::ostream* os)
{
    *os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}
} // namespace dotsign

TEST(MainWindowPrograms, AddingWithEachTemplateOn128x32)
{
    struct Case
    {
        int t;
        QStringList labels;
        std::vector<ZoneRect> zones;
    };
    const Case cases[] = {
        {1, {QStringLiteral("分区1*")}, {{0, 0, 128, 32}}},
        {2, {QStringLiteral("分区1 "), QStringLiteral("分区2*")}, {{0, 0, 128, 16}, {0, 16, 128, 16}}},
        {3, {QStringLiteral("分区1 "), QStringLiteral("分区2*")}, {{0, 0, 32, 32}, {32, 0, 96, 32}}},
        {4,
         {QStringLiteral("分区1 "), QStringLiteral("分区2 "), QStringLiteral("分区3*")},
         {{0, 0, 128, 16}, {0, 16, 32, 16}, {32, 16, 96, 16}}},
    };
    WindowFixture f;
    TMAINForm& w = f.open();
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        f.addProgram(c.t);
        ++n;
        const QString label = programLabel(n);
        ASSERT_NE(f.node(label), nullptr);
        EXPECT_EQ(imageOf(f.node(label)), ImageProgram);
        EXPECT_EQ(childLabels(f, label), c.labels);
        const TjiemuProp& p = f.state.program(n);
        EXPECT_EQ(p.layoutTemplate, c.t);
        EXPECT_EQ(p.programId, n);
        for (size_t z = 0; z < c.zones.size(); ++z) {
            EXPECT_EQ(rectOf(p.zone(static_cast<int>(z) + 1)), c.zones[z]);
            EXPECT_EQ(p.zone(static_cast<int>(z) + 1).zoneType, ZoneText);
            EXPECT_EQ(imageOf(f.node(c.labels.at(static_cast<int>(z)), label)), ImageText);
        }
        // The new program's last zone is selected and its view shown.
        EXPECT_EQ(f.state.currentProgram, n);
        EXPECT_EQ(f.state.currentZone, c.labels.size());
        EXPECT_EQ(f.selectedLabel(), c.labels.last());
        EXPECT_TRUE(w.layoutView(c.t)->isVisible());
        EXPECT_EQ(f.state.memoChangeArmed, 200);
    }
    EXPECT_EQ(f.state.cur().programCount, 4);
    EXPECT_EQ(f.state.programTotal, 4);
}

TEST(MainWindowPrograms, CancelCreatesNothing)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    f.dialogs.onExec = [](QDialog&) { return int(QDialog::Rejected); };
    w.action(QStringLiteral("N_AddProgram"))->trigger();
    EXPECT_EQ(f.state.cur().programCount, 1);
    EXPECT_EQ(f.node(QStringLiteral("节目2")), nullptr);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区1*"));
}

TEST(MainWindowPrograms, SeventeenthProgramIsRefused)
{
    WindowFixture f;
    f.writeProject(128, 32, std::vector<int>(16, 1));
    TMAINForm& w = f.open();
    f.click(QStringLiteral("节目1"));
    bool asked = false;
    f.dialogs.onExec = [&asked](QDialog&) {
        asked = true;
        return int(QDialog::Accepted);
    };
    w.action(QStringLiteral("T_Add"))->trigger();
    EXPECT_FALSE(asked); // the template dialog is not even shown
    ASSERT_FALSE(f.dialogs.messages.empty());
    EXPECT_EQ(f.dialogs.messages.back(), QStringLiteral("对不起显示屏-1最多只能16节目。"));
    EXPECT_EQ(f.state.cur().programCount, 16);
    EXPECT_EQ(f.node(QStringLiteral("节目17")), nullptr);
    // Zone 1 of the program that was current is selected again.
    EXPECT_EQ(f.state.currentProgram, 1);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区1*"));
}

TEST(MainWindowPrograms, DeletingProgram2Of4)
{
    WindowFixture f;
    f.writeProject(128, 32, {1, 2, 3, 4}, [](ProjectState& s) {
        for (int n = 1; n <= 4; ++n)
            s.program(n).playMode = 10 * n;
    });
    TMAINForm& w = f.open();
    f.click(QStringLiteral("节目2"));
    f.dialogs.answers = {false};
    w.action(QStringLiteral("T_Delete"))->trigger();
    EXPECT_EQ(f.state.cur().programCount, 4); // No deletes nothing
    ASSERT_EQ(f.dialogs.questions.size(), 1u);
    EXPECT_EQ(f.dialogs.questions.back(),
              QStringLiteral("请确定是否删除节目2?\r\n删除则按'Yes',不则按'NO'."));

    f.dialogs.answers = {true};
    w.action(QStringLiteral("N_DeleteProgram"))->trigger();
    EXPECT_EQ(f.state.cur().programCount, 3);
    EXPECT_EQ(f.state.programTotal, 3);
    EXPECT_EQ(f.state.currentProgram, 3);
    QStringList programs;
    for (QTreeWidgetItemIterator it(w.tree()); *it; ++it)
        if ((*it)->text(0).startsWith(QStringLiteral("节目")))
            programs << (*it)->text(0);
    EXPECT_EQ(programs,
              (QStringList{QStringLiteral("节目1"), QStringLiteral("节目2"), QStringLiteral("节目3")}));
    // Place 2 now holds what was program 3, under its own number and name.
    EXPECT_EQ(f.state.program(2).layoutTemplate, 3);
    EXPECT_EQ(f.state.program(2).playMode, 30);
    EXPECT_EQ(f.state.program(2).programId, 2);
    EXPECT_EQ(f.state.program(2).programName, QStringLiteral("节目2"));
    EXPECT_EQ(f.state.program(3).layoutTemplate, 4);
    EXPECT_EQ(childLabels(f, QStringLiteral("节目2")),
              (QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2*")}));
    // The last program is selected and the panels show it.
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("节目3"));
    EXPECT_TRUE(w.layoutView(4)->isVisible());
}

TEST(MainWindowPrograms, DeletingTheOnlyProgramLeavesTheRoot)
{
    WindowFixture f;
    f.writeProject(128, 32, {2});
    TMAINForm& w = f.open();
    f.click(QStringLiteral("节目1"));
    w.action(QStringLiteral("T_Delete"))->trigger();
    EXPECT_EQ(f.state.cur().programCount, 0);
    EXPECT_EQ(f.labels(), QStringList{QStringLiteral("显示屏-1")});
    // Adding works again afterwards.
    f.addProgram(1);
    EXPECT_EQ(f.labels(),
              (QStringList{QStringLiteral("显示屏-1"), QStringLiteral("节目1"), QStringLiteral("分区1*")}));
}

// The tree finds its programs and zones whatever language the labels are shown in,
// while the stored program names stay as they are.
TEST(MainWindowPrograms, TreeWorksWithTranslatedLabels)
{
    const test::RuleTranslator english(
        "ProgramRules", {{"节目%1", "Program %1"}, {"分区%1", "Zone %1"}, {"显示屏-%1", "Sign-%1"}});
    WindowFixture f;
    f.writeProject(128, 32, {1, 2, 4});
    TMAINForm& w = f.open();
    EXPECT_EQ(f.labels().value(0), QStringLiteral("Sign-1"));

    f.click(QStringLiteral("Zone 1 "), QStringLiteral("Program 3"));
    EXPECT_EQ(f.state.currentProgram, 3);
    EXPECT_EQ(f.state.currentZone, 1);
    f.click(QStringLiteral("Zone 2*"), QStringLiteral("Program 2"));
    EXPECT_EQ(f.state.currentProgram, 2);
    EXPECT_EQ(f.state.currentZone, 2);

    // "时钟" in the radio group changes the selected zone and its node.
    w.findChild<QWidget*>(QStringLiteral("RadioGroup1"))->findChildren<QAbstractButton*>().at(1)->click();
    EXPECT_EQ(f.state.program(2).zone(2).zoneType, ZoneClock);
    EXPECT_EQ(imageOf(f.node(QStringLiteral("Zone 2*"), QStringLiteral("Program 2"))), ImageClock);
    EXPECT_EQ(f.state.currentProgram, 2);
    EXPECT_EQ(f.state.currentZone, 2);

    f.click(QStringLiteral("Program 2"));
    EXPECT_EQ(f.state.currentProgram, 2);
    w.action(QStringLiteral("T_Delete"))->trigger();
    ASSERT_EQ(f.state.cur().programCount, 2);
    EXPECT_EQ(f.labels(),
              (QStringList{QStringLiteral("Sign-1"), QStringLiteral("Program 1"), QStringLiteral("Zone 1*"),
                           QStringLiteral("Program 2"), QStringLiteral("Zone 1 "), QStringLiteral("Zone 2 "),
                           QStringLiteral("Zone 3*")}));
    EXPECT_EQ(f.state.program(2).programName, QStringLiteral("节目2"));
    f.click(QStringLiteral("Zone 3*"), QStringLiteral("Program 2"));
    EXPECT_EQ(f.state.currentProgram, 2);
    EXPECT_EQ(f.state.currentZone, 3);
    EXPECT_EQ(f.state.program(2).layoutTemplate, 4);
}

TEST(MainWindowPrograms, ZoneTypeFromPopupMenuAndRadioGroup)
{
    WindowFixture f;
    f.writeProject(128, 32, {2});
    TMAINForm& w = f.open();
    f.click(QStringLiteral("分区2*"));
    w.findChild<QAction*>(QStringLiteral("P_ZoneType1"))->trigger();
    EXPECT_EQ(f.state.program(1).zone(2).zoneType, ZoneClock);
    EXPECT_TRUE(f.state.program(1).zone(2).zoneFile.isEmpty() ||
                f.state.program(1).zone(2).zoneFile.endsWith(QStringLiteral(".bmp")));
    EXPECT_EQ(imageOf(f.node(QStringLiteral("分区2*"))), ImageClock);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区2*"));

    // "文本" in the radio group gives the default text file and the memo's text.
    auto* text = w.findChild<QWidget*>(QStringLiteral("RadioGroup1"))->findChildren<QAbstractButton*>().at(0);
    text->click();
    const ZoneRecord& z = f.state.program(1).zone(2);
    EXPECT_EQ(z.zoneType, ZoneText);
    EXPECT_EQ(z.zoneFile, zoneTextFilePath(f.state, 1, 2));
    EXPECT_EQ(imageOf(f.node(QStringLiteral("分区2*"))), ImageText);

    // "设置文本分区" leaves the file name empty.
    w.findChild<QAction*>(QStringLiteral("P_ZoneType0"))->trigger();
    EXPECT_EQ(f.state.program(1).zone(2).zoneType, ZoneText);
}
