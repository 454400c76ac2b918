// "新建", "打开", "保存", "另存为" from the menu and the toolbar.

#include "app/mainwindow.h"
#include "app/projectcommands.h"
#include "project/gbk.h"
#include "project/projectfile.h"
#include "support_devices.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::test;

namespace {

const QString kSaved = QStringLiteral("保存成功!");

// Writes a project of programs with these templates to `path`.
void writeProjectAt(const QString& path, const std::vector<int>& templates)
{
    ProjectState s;
    s.setProjectFile(path);
    s.hw.screenWidth = 128;
    s.hw.screenHeight = 32;
    InitLedDispJiemu(s);
    int n = 0;
    for (int t : templates) {
        ++n;
        s.program(n).layoutTemplate = t;
        s.program(n).zoneCount = t == 4 ? 3 : (t == 1 ? 1 : 2);
    }
    s.cur().programCount = n;
    ASSERT_TRUE(SaveProject(s, path).ok);
}

int programsIn(const QString& path)
{
    ProjectState s;
    s.setProjectFile(path);
    EXPECT_TRUE(LoadProject(s, path).ok);
    return s.cur().programCount;
}

QStringList childLabels(QTreeWidgetItem* node)
{
    QStringList out;
    for (int i = 0; node && i < node->childCount(); ++i)
        out << node->child(i)->text(0);
    return out;
}

} // namespace

TEST(ProjectCommands, OpenBuildsTheTreeByTemplate)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {1}});
    QTemporaryDir signs;
    const QString shop = signs.filePath(QStringLiteral("shop.kvp"));
    writeProjectAt(shop, {4, 2});
    rig.fx.dialogs.fileToOpen = shop;
    rig.trigger("N_Open");

    EXPECT_EQ(rig.fx.state.projectFilePath, shop);
    EXPECT_EQ(childLabels(rig.fx.node(QStringLiteral("节目1"))),
              (QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2 "), QStringLiteral("分区3*")}));
    EXPECT_EQ(childLabels(rig.fx.node(QStringLiteral("节目2"))),
              (QStringList{QStringLiteral("分区1 "), QStringLiteral("分区2*")}));
    EXPECT_EQ(rig.fx.selectedLabel(), QStringLiteral("节目1"));
    EXPECT_EQ(rig.fx.state.currentProgram, 1);
}

TEST(ProjectCommands, CancelledOpenReturnsToProgramOne)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {1, 2, 3}});
    rig.fx.click(QStringLiteral("节目3"));
    ASSERT_EQ(rig.fx.state.currentProgram, 3);
    const QString before = rig.fx.state.projectFilePath;
    rig.fx.dialogs.fileToOpen.clear();
    rig.trigger("N_Open");
    EXPECT_EQ(rig.fx.selectedLabel(), QStringLiteral("节目1"));
    EXPECT_EQ(rig.fx.state.currentProgram, 1);
    EXPECT_EQ(rig.fx.state.projectFilePath, before);
    EXPECT_EQ(rig.fx.labels().size(), 1 + 3 + 1 + 2 + 2);
}

TEST(ProjectCommands, NewAfterOpenOverwritesThatFileOnSave)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {1}});
    QTemporaryDir signs;
    const QString shop = signs.filePath(QStringLiteral("shop.kvp"));
    writeProjectAt(shop, {1, 1});
    rig.fx.dialogs.fileToOpen = shop;
    rig.trigger("N_Open");
    rig.trigger("N_New");
    EXPECT_EQ(rig.fx.labels(), QStringList{QStringLiteral("显示屏-1")});
    EXPECT_TRUE(rig.fx.dialogs.questions.empty()) << "new asks nothing";
    rig.trigger("N_Save");
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{kSaved});
    EXPECT_EQ(programsIn(shop), 0);
    EXPECT_GE(programsIn(rig.fx.state.defaultProjectFilePath), 1) << "the default project is untouched";
}

TEST(ProjectCommands, SaveAsThenNewKeepsTheNewFolder)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {1, 4}});
    QTemporaryDir elsewhere;
    rig.context->saveFileName = [&](QWidget*, const QString&, const QString& filter) {
        EXPECT_TRUE(filter.contains(QStringLiteral("VeRozAradezu Format Files")));
        return elsewhere.filePath(QStringLiteral("hall")); // typed without an extension
    };
    rig.trigger("N_SaveAs");
    const QString hall = elsewhere.filePath(QStringLiteral("hall.Kvp"));
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{kSaved});
    EXPECT_EQ(rig.fx.state.projectFilePath, hall);
    EXPECT_EQ(programsIn(hall), 2);
    rig.trigger("N_New");
    EXPECT_EQ(rig.fx.state.projectFilePath, hall);
    EXPECT_EQ(rig.fx.state.projectDir, elsewhere.path() + QLatin1Char('/'));

    // Cancelled: nothing changes.
    rig.context->saveFileName = [](QWidget*, const QString&, const QString&) { return QString(); };
    rig.trigger("N_SaveAs");
    EXPECT_EQ(rig.fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.fx.state.projectFilePath, hall);
}

TEST(ProjectCommands, SaveAsThatFailsKeepsTheOldFile)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {1}});
    const QString before = rig.fx.state.projectFilePath;
    rig.context->saveFileName = [](QWidget*, const QString&, const QString&) {
        return QStringLiteral("/proc/dotsign-cannot-write/x.Kvp");
    };
    rig.trigger("N_SaveAs");
    ASSERT_EQ(rig.fx.dialogs.messages.size(), 1u);
    EXPECT_NE(rig.fx.dialogs.messages[0], kSaved);
    EXPECT_EQ(rig.fx.state.projectFilePath, before);
}

TEST(ProjectCommands, UnreadableProjectLeavesTheOpenOneInPlace)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {1, 2}});
    QTemporaryDir signs;
    const QString broken = signs.filePath(QStringLiteral("broken.kvp"));
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(toGbk(QStringLiteral("[显示屏参数]\r\n当前节目数=1\r\n[节目1]\r\n分区数量=abc\r\n")));
    f.close();
    const QString before = rig.fx.state.projectFilePath;
    rig.fx.dialogs.fileToOpen = broken;
    rig.trigger("N_Open");
    ASSERT_EQ(rig.fx.dialogs.messages.size(), 1u);
    EXPECT_EQ(rig.fx.state.projectFilePath, before);
    EXPECT_EQ(rig.fx.state.cur().programCount, 2);
    EXPECT_NE(rig.fx.node(QStringLiteral("节目2")), nullptr);
}

TEST(ProjectCommands, ToolbarSaveShowsTheSavingWindowAndReselectsZoneOne)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {2}});
    rig.fx.click(QStringLiteral("节目1"));
    auto* saving = rig.fx.window->findChild<TFSAVE*>();
    ASSERT_NE(saving, nullptr);
    EXPECT_EQ(saving->windowTitle(), QStringLiteral("正在保存节目信息中"));
    rig.fx.state.modifiedFlag = 1;
    rig.trigger("T_Save");
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{kSaved});
    EXPECT_FALSE(saving->isVisible());
    EXPECT_EQ(rig.fx.state.modifiedFlag, 0);
    EXPECT_EQ(rig.fx.selectedLabel(), QStringLiteral("分区1 "));
}
