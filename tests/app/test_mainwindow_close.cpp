#include "app/support_window.h"

#include "app/textpanel.h"
#include "project/zonefiles.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

const QString kExitQuestion = QStringLiteral("请确定是否退出该系统?\r\n退出按'Yes',不退出按'NO'.");
const QString kSaveQuestion = QStringLiteral("请确定是否保存信息?\r\n保存按'Yes',不保存按'NO'.");

} // namespace

TEST(MainWindowClose, UnmodifiedAsksOnlyTheExitQuestion)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    f.dialogs.answers = {false};
    EXPECT_FALSE(w.close()); // No keeps the window open
    EXPECT_TRUE(w.isVisible());
    f.dialogs.answers = {true};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(f.dialogs.questions, (std::vector<QString>{kExitQuestion, kExitQuestion}));
    f.window.reset();
}

TEST(MainWindowClose, EditedTextAsksToSaveAndSaves)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    auto* text = w.findChild<TextPanel*>();
    QTest::keyClicks(text->memo(), QStringLiteral("AB"));
    EXPECT_EQ(f.state.modifiedFlag, 100);
    EXPECT_EQ(f.state.program(1).zone(1).zoneText, QStringLiteral("AB"));
    f.dialogs.answers = {true, true};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(f.dialogs.questions, (std::vector<QString>{kExitQuestion, kSaveQuestion}));
    f.window.reset();

    // The saved project has the text.
    WindowFixture g;
    g.state.setProjectFile(f.state.projectFilePath);
    g.open();
    EXPECT_EQ(g.state.program(1).zone(1).zoneText, normaliseZoneText(QStringLiteral("AB")));
}

TEST(MainWindowClose, MenuSaveKeepsTheModifiedMarkToolbarSaveClearsIt)
{
    WindowFixture f;
    f.writeProject(128, 32, {1});
    TMAINForm& w = f.open();
    QTest::keyClicks(w.findChild<TextPanel*>()->memo(), QStringLiteral("X"));
    w.action(QStringLiteral("N_Save"))->trigger();
    ASSERT_FALSE(f.dialogs.messages.empty());
    EXPECT_EQ(f.dialogs.messages.back(), QStringLiteral("保存成功!"));
    EXPECT_EQ(f.state.modifiedFlag, 100);
    w.action(QStringLiteral("T_Save"))->trigger();
    EXPECT_EQ(f.state.modifiedFlag, 0);
    EXPECT_EQ(f.selectedLabel(), QStringLiteral("分区1*")); // the toolbar's save selects zone 1 again
    EXPECT_EQ(f.state.memoChangeArmed, 200);
}
