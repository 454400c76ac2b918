// The administrator prompt and the hardware configuration dialog against the
// virtual card on a pseudo-terminal.

#include "app/hardwaredialog.h"
#include "app/hardwaredialog_refit.h"
#include "app/mainwindow.h"
#include "app/managerdialog.h"
#include "link/exchange.h"
#include "link/frames.h"
#include "support_devices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::test;

namespace {

const QString kWrongPassword = QStringLiteral("密码错误,请重新录入。");
const QString kRefitMessage =
    QStringLiteral("该注意显示屏的大小改变,系统对各节目做自适应调整,请\r\n"
                   "查看一下当前节目表中的所有节目的分区大小和信息是否还符合你的要求。");

QWidget& page(TF_SET1& d, int i)
{
    d.pages()->setCurrentIndex(i);
    return *d.pages()->widget(i);
}

// Opens the hardware dialog behind the right password and runs `drive` on it.
void withHardwareDialog(DeviceRig& rig, const std::function<void(TF_SET1&)>& drive)
{
    rig.onDialog<TFMANA>([](TFMANA& d) {
        d.entry()->setText(d.property("password").toString());
        d.confirmButton()->click();
        return d.result();
    });
    rig.onOther = [&drive](QDialog& d) {
        if (auto* dialog = qobject_cast<TF_SET1*>(&d))
            drive(*dialog);
        return int(QDialog::Rejected);
    };
    rig.fx.window->findChild<TFMANA*>()->setProperty("password", rig.fx.state.cur().password);
    rig.trigger("T_Hardware");
}

ZoneRecord zone(int height, int width)
{
    ZoneRecord z;
    z.zoneHeight = height;
    z.zoneWidth = width;
    return z;
}

} // namespace

TEST(HardwareRefit, ZonesFollowTheNewScreenByTemplate)
{
    struct Case
    {
        const char* name;
        int layoutTemplate;
        std::array<ZoneRecord, 3> before;         // slots 1..3
        std::array<std::pair<int, int>, 3> after; // height, width
    };
    const Case cases[] = {
        {"template 1 takes the screen",
         1,
         {zone(16, 64), zone(0, 0), zone(0, 0)},
         {{{32, 256}, {0, 0}, {0, 0}}}},
        {"template 2, top lower than the screen",
         2,
         {zone(16, 64), zone(8, 64), zone(0, 0)},
         {{{16, 256}, {16, 256}, {0, 0}}}},
        {"template 2, top as high as the screen",
         2,
         {zone(40, 64), zone(8, 64), zone(0, 0)},
         {{{24, 256}, {8, 256}, {0, 0}}}},
        {"template 3, left narrower",
         3,
         {zone(16, 100), zone(16, 28), zone(0, 0)},
         {{{32, 100}, {32, 156}, {0, 0}}}},
        {"template 4, bottom-left narrower",
         4,
         {zone(8, 64), zone(8, 40), zone(8, 24)},
         {{{8, 256}, {24, 40}, {24, 216}}}},
        {"template 4, bottom-left wider than the screen",
         4,
         {zone(40, 300), zone(8, 300), zone(8, 24)},
         {{{24, 256}, {8, 248}, {8, 24}}}},
    };
    for (const Case& c : cases) {
        TprojectProp screen;
        screen.program(1).layoutTemplate = c.layoutTemplate;
        for (int s = 1; s <= 3; ++s)
            screen.program(1).zone(s) = c.before[static_cast<size_t>(s - 1)];
        screen.program(2) = screen.program(1); // beyond the count: untouched
        refitZones(screen, 1, 256, 32);
        for (int s = 1; s <= 3; ++s) {
            const ZoneRecord& z = screen.program(1).zone(s);
            EXPECT_EQ(std::make_pair(z.zoneHeight, z.zoneWidth), c.after[static_cast<size_t>(s - 1)])
                << c.name << ", slot " << s;
        }
        EXPECT_EQ(screen.program(2).zone(1).zoneWidth, c.before[0].zoneWidth) << c.name;
    }
}

TEST(HardwarePrompt, WrongPasswordKeepsThePromptRightOneOpensTheDialog)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 64, 16, {}, [](ProjectState& s) {
                  s.cur().password = QStringLiteral("Ab9");
              }});
    int attempts = 0;
    bool opened = false;
    bool emptyAtStart = false;
    rig.onDialog<TFMANA>([&](TFMANA& d) {
        emptyAtStart = d.entry()->text().isEmpty();
        for (const char* typed : {"ab9", "", "Ab9"}) {
            ++attempts;
            d.entry()->setText(QString::fromUtf8(typed));
            d.confirmButton()->click();
            if (d.result() == QDialog::Accepted)
                break;
        }
        return d.result();
    });
    rig.onOther = [&](QDialog& d) {
        opened = qobject_cast<TF_SET1*>(&d) != nullptr;
        EXPECT_FALSE(rig.context->commands.isEnabled());
        return int(QDialog::Rejected);
    };
    rig.trigger("N_Hardware");
    EXPECT_EQ(attempts, 3);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(emptyAtStart);
    EXPECT_EQ(rig.fx.dialogs.messages, (std::vector<QString>{kWrongPassword, kWrongPassword}));
    EXPECT_TRUE(rig.context->commands.isEnabled());

    // Cancelled, nothing opens; typed text from before does not linger.
    opened = false;
    rig.onDialog<TFMANA>([&](TFMANA& d) {
        emptyAtStart = d.entry()->text().isEmpty();
        d.entry()->setText(QStringLiteral("x"));
        clickButton(d, QStringLiteral("取消"));
        return d.result();
    });
    rig.trigger("T_Hardware");
    EXPECT_TRUE(emptyAtStart);
    EXPECT_FALSE(opened);
    EXPECT_TRUE(rig.context->commands.isEnabled());
}

TEST(HardwarePrompt, ClearedPasswordAcceptsAnEmptyEntryFactoryRestores735)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 64, 16, {}, [](ProjectState& s) {
                  s.cur().password = QStringLiteral("old");
              }});
    withHardwareDialog(rig, [](TF_SET1& d) { clickButton(page(d, 1), QStringLiteral("取消密码")); });
    EXPECT_TRUE(rig.fx.state.cur().password.isEmpty());
    EXPECT_EQ(rig.fx.state.cur().userName, QStringLiteral("735"));
    EXPECT_EQ(rig.fx.state.statusPanels[PanelUser], QStringLiteral("注册用户:735"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("用户信息"), QStringLiteral("密码")), QStringLiteral("old"))
        << "取消密码 writes nothing";

    bool accepted = false;
    rig.onDialog<TFMANA>([&](TFMANA& d) {
        d.confirmButton()->click();
        accepted = d.result() == QDialog::Accepted;
        return d.result();
    });
    rig.onOther = [&](QDialog& d) {
        if (auto* dialog = qobject_cast<TF_SET1*>(&d))
            clickButton(page(*dialog, 1), QStringLiteral("恢复出厂密码"));
        return int(QDialog::Rejected);
    };
    rig.trigger("T_Hardware");
    EXPECT_TRUE(accepted) << "an empty entry matches an empty password";
    EXPECT_EQ(rig.fx.state.cur().password, QStringLiteral("735"));
}

TEST(HardwarePrompt, AccountSaveChecksTheOldAccountAndWritesTheProjectFile)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 64, 16, {}, [](ProjectState& s) {
                  s.cur().userName = QStringLiteral("u");
                  s.cur().password = QStringLiteral("p");
              }});
    rig.fx.state.hw.userName = QStringLiteral("u");
    rig.fx.state.hw.password = QStringLiteral("p");
    withHardwareDialog(rig, [](TF_SET1& d) {
        QWidget& user = page(d, 1);
        d.oldUserEntry()->setText(QStringLiteral("u"));
        d.oldPasswordEntry()->setText(QStringLiteral("wrong"));
        d.newUserEntry()->setText(QStringLiteral("boss"));
        d.newPasswordEntry()->setText(QStringLiteral("s3"));
        clickButton(user, QStringLiteral("保存设置"));
        d.oldPasswordEntry()->setText(QStringLiteral("p"));
        clickButton(user, QStringLiteral("保存设置"));
    });
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{QStringLiteral("用户信息录入不正确.")});
    EXPECT_EQ(rig.fx.state.cur().password, QStringLiteral("s3"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("用户信息"), QStringLiteral("用户名")), QStringLiteral("boss"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("用户信息"), QStringLiteral("密码")), QStringLiteral("s3"));
}

TEST(HardwareDialog, CardClassSetsTheSpeedAtOnce)
{
    for (const char* model : {"A类卡", "B类卡"}) {
        DeviceRig rig(model[0] == 'A' ? 'A' : 'B');
        rig.open({QString::fromUtf8(model)});
        bool readVisible = true;
        int dirty = -1;
        withHardwareDialog(rig, [&](TF_SET1& d) {
            readVisible = !d.readButton()->isHidden();
            dirty = d.SettingsDirty;
        });
        const bool classA = model[0] == 'A';
        EXPECT_EQ(readVisible, !classA) << model;
        EXPECT_EQ(dirty, 0) << model;
        EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏串口"), QStringLiteral("波特率")),
                  classA ? QStringLiteral("115200") : QStringLiteral("19200"))
            << model << ": B and C cards talk at 19200 from the opening on";
    }
}

TEST(HardwareDialog, SaveRefitsTheProgramsAndShowsTheScreen)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {2, 4}, [](ProjectState& s) {
                  s.program(1).zone(1).zoneHeight = 16;
                  s.program(1).zone(2).zoneHeight = 16;
              }});
    withHardwareDialog(rig, [](TF_SET1& d) {
        d.widthBox()->setValue(256);
        d.heightBox()->setValue(48);
        d.unitBoardGroup()->button(2)->click();
        EXPECT_EQ(d.SettingsDirty, 200);
        EXPECT_FALSE(d.dataLogicBox()->isChecked()) << "unit board 2 clears both logic levels";
        clickButton(page(d, 0), QStringLiteral("保存设置"));
        EXPECT_EQ(d.SettingsDirty, 0);
    });
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{kRefitMessage});
    const ProjectState& s = rig.fx.state;
    EXPECT_EQ(s.cur().screenWidth, 256);
    EXPECT_EQ(s.hw.screenHeight, 48);
    EXPECT_EQ(s.program(1).zone(2).zoneHeight, 32);
    EXPECT_EQ(s.program(1).zone(2).zoneWidth, 256);
    EXPECT_EQ(s.statusPanels[PanelUnitBoard], QStringLiteral("P10单元板"));
    EXPECT_EQ(s.statusPanels[PanelScreenSize], QStringLiteral("显示屏大小:48*256"));
    EXPECT_EQ(rig.fx.window->findChild<QLabel*>(QStringLiteral("statusPanel2"))->text(),
              QStringLiteral("P10单元板"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("显示屏参数"), QStringLiteral("显示屏宽度")),
              QStringLiteral("256"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("节目1"), QStringLiteral("左分区高度")), QStringLiteral("32"));
    EXPECT_EQ(rig.iniValue(QStringLiteral("节目2"), QStringLiteral("上分区宽度")), QStringLiteral("256"));
}

TEST(HardwareDialog, SendToCardSavesFirstOnlyWhenSomethingChanged)
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {1}});
    withHardwareDialog(rig, [&](TF_SET1& d) {
        d.sendButton()->click();
        EXPECT_TRUE(rig.fx.dialogs.messages.empty()) << "nothing changed: sent at once";
        const QByteArray first = rig.card.settingsFrame();
        EXPECT_EQ(first.size(), kScreenSettingsLength);

        d.widthBox()->setValue(192);
        d.sendButton()->click();
        EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{kRefitMessage});
        EXPECT_NE(rig.card.settingsFrame(), first);
        EXPECT_TRUE(d.sendButton()->isEnabled());
    });
    EXPECT_EQ(rig.fx.state.cur().screenWidth, 192);
    EXPECT_EQ(rig.fx.state.program(1).zone(1).zoneWidth, 192);
}

TEST(HardwareDialog, ReadBackFromABClassCardFillsTheDialogAndSaves)
{
    DeviceRig rig('C'); // it reports its own class: the read changes B to C
    rig.open({QStringLiteral("B类卡"), 128, 32, {1}});
    // The card holds other settings than the project.
    TprojectProp onCard = rig.fx.state.cur();
    onCard.screenWidth = 160;
    onCard.screenHeight = 48;
    onCard.colourType = 1;
    onCard.unitBoardType = 3;
    ASSERT_TRUE(rig.context->exchange->send(screenSettingsFrame(onCard, rig.fx.state.hw), 1200).acknowledged);

    withHardwareDialog(rig, [&](TF_SET1& d) {
        ASSERT_FALSE(d.readButton()->isHidden());
        d.readButton()->click();
        EXPECT_EQ(d.widthBox()->value(), 160);
        EXPECT_EQ(d.heightBox()->value(), 48);
        EXPECT_EQ(d.colourTypeBox()->currentIndex(), 1);
        EXPECT_EQ(d.unitBoardGroup()->checkedId(), 3);
        EXPECT_EQ(d.cardClassGroup()->checkedId(), 2);
        EXPECT_EQ(d.SettingsDirty, 0) << "the read saves what it read";
    });
    EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{kRefitMessage});
    EXPECT_EQ(rig.fx.state.hw.screenWidth, 160);
    EXPECT_EQ(rig.fx.state.cur().cardModel, QStringLiteral("C类卡"));
    EXPECT_EQ(rig.fx.state.program(1).zone(1).zoneHeight, 48);
}

TEST(HardwareDialog, CommunicationTestByCardClass)
{
    struct Case
    {
        char card;
        const char* model;
        QString message;
    };
    const Case cases[] = {
        {'B', "B类卡", QStringLiteral("通讯测试,通讯正常。")},
        {'A', "A类卡", QStringLiteral("A类卡请查看显示屏上是不是显示《通讯测试》,如果是通讯正常。")},
        {'A', "B类卡", QString::fromUtf8(kNoReplyMessage)}, // a silent line
    };
    for (const Case& c : cases) {
        DeviceRig rig(c.card);
        rig.open({QString::fromUtf8(c.model)});
        withHardwareDialog(rig, [](TF_SET1& d) { clickButton(page(d, 2), QStringLiteral("通讯测试")); });
        EXPECT_EQ(rig.fx.dialogs.messages, std::vector<QString>{c.message}) << c.model;
        ASSERT_FALSE(rig.card.log().empty());
        EXPECT_TRUE(rig.card.log().back().bytes.startsWith("CON")) << c.model;
    }
}

TEST(HardwareDialog, UnitBoardTestReachesTheCard)
{
    DeviceRig rig;
    rig.open();
    withHardwareDialog(rig, [](TF_SET1& d) { clickButton(page(d, 2), QStringLiteral("单元板检测")); });
    ASSERT_FALSE(rig.card.log().empty());
    EXPECT_TRUE(rig.card.log().back().bytes.startsWith("Tes"));
    for (const QString& m : rig.fx.dialogs.messages)
        EXPECT_NE(m, QString::fromUtf8(kNoReplyMessage));
}
