// "发送" from the main window: checks, pre-flight findings, confirmation, the
// progress window and the download to the virtual card on a pseudo-terminal.

#include "app/downloaddialog.h"
#include "app/findingsdialog.h"
#include "app/mainwindow.h"
#include "link/exchange.h"
#include "support_devices.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::test;

namespace {

const QString kConfirm = QStringLiteral("请确定是否发送当前这些节目到显示屏内?\r\n发送按'Yes',不发送按'NO'.");

// Programs of one text zone each, with text, on a 64 × 16 screen.
ScreenSetup textPrograms(int count, const QString& model = QStringLiteral("B类卡"))
{
    ScreenSetup setup;
    setup.cardModel = model;
    setup.templates = std::vector<int>(static_cast<size_t>(count), 1);
    setup.edit = [count](ProjectState& s) {
        for (int n = 1; n <= count; ++n)
            s.zone(n, 1).zoneText = QStringLiteral("节目%1").arg(n);
    };
    return setup;
}

TFDown* progressWindow(const DeviceRig& rig)
{
    return rig.fx.window->findChild<TFDown*>();
}

} // namespace

TEST(DownloadCommand, SendsEveryProgramWithProgressAndCommandsDisabled)
{
    DeviceRig rig;
    rig.open(textPrograms(2));
    rig.fx.click(QStringLiteral("节目2"));
    bool enabledDuring = true;
    bool progressShown = false;
    QObject::connect(&rig.card, &VirtualCard::frameReceived, &rig.card, [&] {
        enabledDuring = enabledDuring && rig.fx.window->action(QStringLiteral("N_Send"))->isEnabled();
        progressShown = progressWindow(rig)->isVisible();
    });
    bool findingsShown = false;
    rig.onDialog<FindingsDialog>([&](FindingsDialog&) {
        findingsShown = true;
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Send");

    EXPECT_FALSE(findingsShown) << "a clean project goes straight to the confirmation";
    EXPECT_EQ(rig.fx.dialogs.questions, std::vector<QString>{kConfirm});
    EXPECT_TRUE(rig.fx.dialogs.messages.empty());
    EXPECT_EQ(rig.fx.selectedLabel(), QStringLiteral("节目1")) << "program 1 is shown before sending";
    ASSERT_EQ(rig.card.programs().size(), 2u);
    for (const auto& [n, upload] : rig.card.programs()) {
        EXPECT_EQ(upload.blockOrder, std::vector<int>{2}) << n; // 16 rows × 8 bytes: one block
        EXPECT_EQ(upload.endCount, 3) << n;
    }
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(progressShown);
    TFDown* down = progressWindow(rig);
    EXPECT_FALSE(down->isVisible());
    EXPECT_EQ(down->windowTitle(), QStringLiteral("节目信息下载进度"));
    EXPECT_EQ(down->programPanel()->text(), QStringLiteral("正在下载节目2"));
    EXPECT_EQ(down->percentPanel()->text(), QStringLiteral("100%"));
    EXPECT_FALSE(down->estimateLabel()->text().isEmpty());
    EXPECT_TRUE(rig.fx.window->action(QStringLiteral("T_Send"))->isEnabled());
}

TEST(DownloadCommand, StopsBeforeSendingWithoutPortsOrConsent)
{
    DeviceRig rig;
    rig.open(textPrograms(1));
    rig.context->portNames = [] { return QStringList(); };
    rig.trigger("N_Send");
    EXPECT_EQ(rig.fx.dialogs.messages,
              std::vector<QString>{QStringLiteral("电脑可能没有串口请检查后再操作。")});
    EXPECT_TRUE(rig.fx.dialogs.questions.empty());

    rig.context->portNames = [&rig] { return QStringList{rig.card.portPath()}; };
    rig.fx.dialogs.messages.clear();
    rig.fx.dialogs.answers = {false};
    rig.trigger("T_Send");
    EXPECT_EQ(rig.fx.dialogs.questions.size(), 1u);
    EXPECT_TRUE(rig.card.log().empty());
    EXPECT_FALSE(progressWindow(rig)->isVisible());
    EXPECT_TRUE(rig.context->commands.isEnabled());
}

TEST(DownloadCommand, LostPortStopsWithTheFailureMessageAndEnablesCommands)
{
    DeviceRig rig;
    rig.open(textPrograms(2));
    rig.card.stop();
    rig.trigger("T_Send");
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{QString::fromUtf8(kSendFailedMessage)});
    EXPECT_FALSE(progressWindow(rig)->isVisible());
    EXPECT_TRUE(rig.context->commands.isEnabled());
}

TEST(DownloadCommand, MissingEndAcknowledgementIsShownOncePerProgram)
{
    DeviceRig rig('A'); // silent card, B-class screen
    rig.open(textPrograms(1));
    rig.trigger("T_Send");
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{QString::fromUtf8(kNoReplyMessage)});
    EXPECT_EQ(rig.card.programs().size(), 1u) << "the silent card still stored it";
}

TEST(DownloadFindings, ErrorsAreListedAndNeedAConfirmation)
{
    DeviceRig rig;
    rig.open(textPrograms(2));
    rig.fx.state.program(2).startDate = QStringLiteral("2009-13-45"); // cannot be sent

    // Cancelled in the list: nothing asked, nothing sent.
    int rows = 0;
    rig.onDialog<FindingsDialog>([&](FindingsDialog& d) {
        rows = d.list()->topLevelItemCount();
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Send");
    EXPECT_GE(rows, 1);
    EXPECT_TRUE(rig.fx.dialogs.questions.empty());
    EXPECT_TRUE(rig.card.log().empty());

    // Continued: one more question for the errors, then the usual one.
    rig.onDialog<FindingsDialog>([](FindingsDialog&) { return int(QDialog::Accepted); });
    rig.fx.dialogs.answers = {false};
    rig.trigger("T_Send");
    ASSERT_EQ(rig.fx.dialogs.questions.size(), 1u);
    EXPECT_NE(rig.fx.dialogs.questions[0], kConfirm);
    EXPECT_TRUE(rig.card.log().empty());

    rig.fx.dialogs.questions.clear();
    rig.trigger("T_Send");
    EXPECT_EQ(rig.fx.dialogs.questions.size(), 2u);
    EXPECT_EQ(rig.fx.dialogs.questions.back(), kConfirm);
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{QString::fromUtf8(kSendFailedMessage)})
        << "the unreadable date stops the download as before";
}

TEST(DownloadFindings, DoubleClickGoesToTheZoneInsteadOfSending)
{
    DeviceRig rig;
    rig.open(textPrograms(2));
    rig.fx.state.zone(2, 1).zoneText.clear(); // a warning on program 2, zone 1
    rig.onDialog<FindingsDialog>([](FindingsDialog& d) {
        QTreeWidget* list = d.list();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = list->topLevelItem(i);
            if (row->text(1) == QStringLiteral("2") && row->text(2) == QStringLiteral("1"))
                emit list->itemDoubleClicked(row, 0);
        }
        return d.result();
    });
    rig.trigger("T_Send");
    EXPECT_EQ(rig.fx.selectedLabel(), QStringLiteral("分区1*"));
    EXPECT_EQ(rig.fx.state.currentProgram, 2);
    EXPECT_TRUE(rig.fx.dialogs.questions.empty());
    EXPECT_TRUE(rig.card.log().empty());
}
