// Power, pause, the clock and timer, brightness and flowing-border commands
// from the main window, against the virtual card on a pseudo-terminal.

#include "app/borderdialog.h"
#include "app/lightdialog.h"
#include "app/mainwindow.h"
#include "app/timerdialog.h"
#include "link/exchange.h"
#include "support_devices.h"
#include "support_translator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QTimeEdit>
#include <gtest/gtest.h>
#include <memory>

using namespace dotsign;
using namespace dotsign::test;

namespace {

const QString kNoReply = QString::fromUtf8(kNoReplyMessage);

// The main window's texts in a made-up second language: every caption and
// hint gets a prefix, and the later-release note its own wording and brackets.
// The main window's command texts marked "EN:", and the two texts the wiring
// takes apart, in English.
QString mainWindowInEnglish(const QByteArray& context, const QString& text)
{
    if (context == "dotsign::TMAINForm" && text == QStringLiteral("此功能将在后续版本中提供"))
        return QStringLiteral("Coming in a later release");
    if (context == "dotsign::TMAINForm" && text == QStringLiteral("%1（%2）"))
        return QStringLiteral("%1 (%2)");
    if (context == "MainWindowCommands")
        return QStringLiteral("EN:") + text;
    return QString();
}

QDateTime at(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

} // namespace

TEST(DeviceControl, PowerAndPauseReachTheCardWithTheCommandsDisabledMeanwhile)
{
    DeviceRig rig;
    rig.open();
    bool enabledDuring = true;
    QObject::connect(&rig.card, &VirtualCard::frameReceived, &rig.card,
                     [&] { enabledDuring = rig.fx.window->action(QStringLiteral("T_Send"))->isEnabled(); });
    rig.trigger("N_PowerOff");
    EXPECT_EQ(rig.card.power(), 0);
    EXPECT_FALSE(enabledDuring) << "DISBUTTON while the frame is out";
    rig.trigger("N_PowerOn");
    EXPECT_EQ(rig.card.power(), 1);
    rig.trigger("N_Pause");
    EXPECT_EQ(rig.card.pause(), 1);
    rig.trigger("N_Resume");
    EXPECT_EQ(rig.card.pause(), 0);
    EXPECT_TRUE(rig.fx.dialogs.messages.empty());
    EXPECT_TRUE(rig.fx.window->action(QStringLiteral("T_Send"))->isEnabled()) << "ENBUTTON afterwards";
    EXPECT_TRUE(rig.fx.window->action(QStringLiteral("N_Pause"))->isEnabled());
}

TEST(DeviceControl, SilentCardReportsNoReplyOnlyForBClassScreens)
{
    for (const QString& model : {QStringLiteral("B类卡"), QStringLiteral("A类卡")}) {
        DeviceRig rig('A'); // an A-class card never answers
        rig.open({model});
        rig.trigger("N_PowerOn");
        EXPECT_EQ(rig.card.power(), 1) << model.toStdString();
        const std::vector<QString> expected =
            model == QStringLiteral("B类卡") ? std::vector<QString>{kNoReply} : std::vector<QString>{};
        EXPECT_EQ(rig.fx.dialogs.messages, expected) << model.toStdString();
    }
}

TEST(DeviceControl, ClockPanelReadsDateTimeAndWeekdayRunTogether)
{
    const QStringList names = {QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                               QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                               QStringLiteral("星期六")};
    EXPECT_EQ(clockPanelText(at(2009, 5, 7, 8, 6, 1), names), QStringLiteral("2009年5月7日8点6分1秒星期四"));
    EXPECT_EQ(clockPanelText(at(2009, 5, 10, 23, 59, 59), names),
              QStringLiteral("2009年5月10日23点59分59秒星期日"));
}

TEST(DeviceControl, TimerSendSetsTheCardClockAndStoresThePowerTimes)
{
    DeviceRig rig;
    rig.open();
    rig.context->clock = [] { return at(2009, 5, 10, 8, 6, 1); }; // a Sunday
    bool disabledInside = false;
    rig.onDialog<TFSETTIMER>([&](TFSETTIMER& d) {
        disabledInside = !rig.context->commands.isEnabled();
        d.tick();
        EXPECT_EQ(d.clockPanel()->text(), QStringLiteral("2009年5月10日8点6分1秒星期日"));
        d.powerOnPicker()->setTime(QTime(7, 0));
        d.powerOffPicker()->setTime(QTime(22, 30));
        clickButton(d, QStringLiteral("发送"));
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Calibrate");
    EXPECT_TRUE(disabledInside);
    EXPECT_TRUE(rig.context->commands.isEnabled());
    // yy mm dd weekday(Sunday 0) hh mm ss, power on h m, power off h m.
    EXPECT_EQ(rig.card.clock(), QByteArray::fromHex("09050A000806010700161E"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("开机时间小时")),
              QStringLiteral("7"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("开机时间分钟")),
              QStringLiteral("0"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("关机时间小时")),
              QStringLiteral("22"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("关机时间分钟")),
              QStringLiteral("30"));
    EXPECT_EQ(rig.fx.state.hw.powerOffHour, 22);
    EXPECT_EQ(rig.fx.state.cur().powerOffMinute, 30);
    EXPECT_TRUE(rig.fx.dialogs.messages.empty());
}

TEST(DeviceControl, TimesAreStoredEvenWhenTheCardIsGone)
{
    DeviceRig rig;
    rig.open();
    rig.card.stop();
    rig.onDialog<TFSETTIMER>([&](TFSETTIMER& d) {
        d.powerOnPicker()->setTime(QTime(6, 15));
        clickButton(d, QStringLiteral("发送"));
        return int(QDialog::Rejected);
    });
    rig.trigger("N_Timer");
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{QString::fromUtf8(kSendFailedMessage)});
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("开机时间分钟")),
              QStringLiteral("15"));
    EXPECT_TRUE(rig.context->commands.isEnabled());
}

TEST(DeviceControl, BrightnessSaveStoresLevel200AndSendsNothing)
{
    DeviceRig rig;
    rig.open();
    rig.onDialog<TFLight>([&](TFLight& d) {
        EXPECT_EQ(d.dayLevel()->count(), 200);
        EXPECT_EQ(d.dayLevel()->itemText(0), QStringLiteral("1(最暗)"));
        EXPECT_EQ(d.dayLevel()->itemText(199), QStringLiteral("200(最亮)"));
        d.dayLevel()->setCurrentIndex(199);
        d.nightStart()->setTime(QTime(19, 45));
        clickButton(d, QStringLiteral("保存"));
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Brightness");
    EXPECT_EQ(rig.fx.state.cur().dayBrightness, 200);
    EXPECT_EQ(rig.fx.state.hw.dayBrightness, 200);
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("白天亮度")), QStringLiteral("200"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("晚上亮度时间分钟")),
              QStringLiteral("45"));
    EXPECT_TRUE(rig.card.log().empty()) << "保存 does not contact the card";

    // Reopened, the dialog shows what was saved; 发送 sends it.
    rig.onDialog<TFLight>([&](TFLight& d) {
        EXPECT_EQ(d.dayLevel()->currentIndex(), 199);
        EXPECT_EQ(d.nightStart()->time(), QTime(19, 45));
        clickButton(d, QStringLiteral("发送"));
        return int(QDialog::Rejected);
    });
    rig.trigger("N_Brightness");
    ASSERT_EQ(rig.card.brightness().size(), 6);
    EXPECT_EQ(static_cast<uint8_t>(rig.card.brightness().at(4)), 200);
    EXPECT_EQ(rig.card.brightness().at(3), 45);
}

TEST(DeviceControl, FlowingBorderDialogKeepsItsBoxBetweenOpenings)
{
    DeviceRig rig;
    rig.open();
    rig.onDialog<TF_LSBK>([&](TF_LSBK& d) {
        d.borderBox()->setChecked(true);
        clickButton(d, QStringLiteral("发送"));
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Border");
    EXPECT_EQ(rig.card.border(), true);
    bool stillTicked = false;
    rig.onDialog<TF_LSBK>([&](TF_LSBK& d) {
        stillTicked = d.borderBox()->isChecked();
        d.borderBox()->setChecked(false);
        clickButton(d, QStringLiteral("发送"));
        return int(QDialog::Rejected);
    });
    rig.trigger("T_Border");
    EXPECT_TRUE(stillTicked);
    EXPECT_EQ(rig.card.border(), false);
}

// The main window shows device commands as coming later until the wiring
// enables them; the wiring then gives back each command's own hint, in
// whichever language the window wrote it.
TEST(DeviceControl, WiredCommandsGetTheirOwnHintsBack)
{
    for (const bool english : {false, true}) {
        std::unique_ptr<test::RuleTranslator> translator(
            english ? new test::RuleTranslator(mainWindowInEnglish) : nullptr);
        {
            DeviceRig rig;
            TMAINForm& window = rig.open();
            const QString prefix = english ? QStringLiteral("EN:") : QString();
            const QAction* hardware = window.action(QStringLiteral("T_Hardware"));
            EXPECT_EQ(hardware->toolTip(), prefix + QStringLiteral("显示屏硬件设置")) << english;
            EXPECT_EQ(hardware->statusTip(), hardware->toolTip()) << english;
            const QAction* border = window.action(QStringLiteral("T_Border")); // no hint of its own
            EXPECT_EQ(border->toolTip(), prefix + QStringLiteral("流水边框")) << english;
            EXPECT_TRUE(border->statusTip().isEmpty()) << english;
        }
    }
}
