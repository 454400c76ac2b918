// The hardware configuration dialog: what its buttons do.

#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "app/hardwaredialog.h"
#include "app/hardwaredialog_refit.h"
#include "app/portdialog.h"
#include "link/senders.h"
#include "project/inifile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

namespace dotsign {

namespace {

const QString kScreenSection = QStringLiteral("显示屏参数");
const QString kFactoryAccount = QStringLiteral("735");

QString cardModelName(int cardClass)
{
    switch (cardClass) {
    case 2:
        return QStringLiteral("C类卡");
    case 1:
        return QStringLiteral("B类卡");
    default:
        return QStringLiteral("A类卡");
    }
}

QString number(int value)
{
    return QString::number(value);
}

bool sameFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

void TF_SET1::unitBoardClicked(int type)
{
    const bool high = type == 0 || type == 3;
    m_dataLogic->setChecked(high);
    m_oeLogic->setChecked(high);
    SettingsDirty = 200;
}

// The card class decides the line speed at once: A-class cards talk at
// 4800 bit/s and cannot be read back, B and C at 19200.
void TF_SET1::cardClassClicked(int cardClass)
{
    ProjectState& state = m_context.state;
    TprojectProp& s = state.cur();
    s.cardModel = cardModelName(cardClass);
    SettingsDirty = 200;
    const bool classA = cardClass == 0;
    m_read->setVisible(!classA);
    s.baudRate = classA ? 4800 : 19200;
    state.serial.baudRate = s.baudRate;
    s.linkType = state.hw.linkType;
    m_context.report(this, storeLinkSettings(state, true));
    m_context.statusChanged();
}

void TF_SET1::readControls()
{
    HardwareSettings& hw = m_context.state.hw;
    hw.colourThreshold = m_threshold->value();
    hw.screenWidth = m_width->value();
    hw.screenHeight = m_height->value();
    hw.colourType = m_colourType->currentIndex();
    hw.greyLevel = m_grey->currentIndex();
    hw.cardAddress = m_cardAddress->currentIndex() + 1;
    hw.usbDiskMode = m_usb->isChecked() ? 1 : 0;
    hw.cardModel = cardModelName(m_cardClass->checkedId());
    hw.unitBoardType = std::max(0, m_unitBoard->checkedId());
    hw.refreshRate = m_refresh->value();
    hw.dataLogic = m_dataLogic->isChecked() ? 1 : 0;
    hw.oeLogic = m_oeLogic->isChecked() ? 1 : 0;

    ProjectState& state = m_context.state;
    TprojectProp& s = state.cur();
    s.colourThreshold = hw.colourThreshold;
    s.screenWidth = hw.screenWidth;
    s.screenHeight = hw.screenHeight;
    s.colourType = hw.colourType;
    s.greyLevel = hw.greyLevel;
    s.cardAddress = hw.cardAddress;
    s.usbDiskMode = hw.usbDiskMode;
    s.cardModel = hw.cardModel;
    s.unitBoardType = hw.unitBoardType;
    s.refreshRate = hw.refreshRate;
    s.dataLogic = hw.dataLogic;
    s.oeLogic = hw.oeLogic;
    s.projectPath = state.projectFilePath;
    s.screenName = QStringLiteral("显示屏-1");
}

void TF_SET1::showScreenPanels()
{
    const TprojectProp& s = m_context.state.cur();
    auto& panels = m_context.state.statusPanels;
    panels[PanelScreenSize] = tr("显示屏大小:%1*%2").arg(s.screenHeight).arg(s.screenWidth);
    if (const QString c = colourTypeCaption(s.colourType); !c.isEmpty())
        panels[PanelColourType] = c;
    if (const QString c = unitBoardCaption(s.unitBoardType); !c.isEmpty())
        panels[PanelUnitBoard] = c;
    m_context.statusChanged();
}

// The hardware settings go to the default project file, the store of the
// hardware and link settings. The re-fitted zone sizes belong to the open
// project: they are written there only when it is that same file, and
// otherwise reach the open project at its next save (writing them into the
// default file would mix them into another project's programs).
void TF_SET1::writeSettings()
{
    const ProjectState& state = m_context.state;
    const TprojectProp& s = state.cur();
    if (state.defaultProjectFilePath.isEmpty())
        return;
    IniFile ini(state.defaultProjectFilePath);
    if (!ini.loadStatus()) {
        m_context.report(this, ini.loadStatus());
        return;
    }
    const std::pair<const char*, QString> screen[] = {
        {"显示屏", s.screenName},
        {"显示屏宽度", number(s.screenWidth)},
        {"显示屏高度", number(s.screenHeight)},
        {"显示屏颜色类型", number(s.colourType)},
        {"显示屏灰度", number(s.greyLevel)},
        {"控制卡型号", s.cardModel},
        {"控制卡地址", number(s.cardAddress)},
        {"u盘", number(s.usbDiskMode)},
        {"颜色阀值", number(s.colourThreshold)},
        {"刷新频率", number(s.refreshRate)},
        {"数据逻辑", number(s.dataLogic)},
        {"OE逻辑", number(s.oeLogic)},
        {"单元板接口类型", number(s.unitBoardType)},
        {"开机时间小时", number(s.powerOnHour)},
        {"开机时间分钟", number(s.powerOnMinute)},
        {"关机时间小时", number(s.powerOffHour)},
        {"关机时间分钟", number(s.powerOffMinute)},
        {"白天亮度", number(s.dayBrightness)},
        {"晚上亮度", number(s.nightBrightness)},
        {"白天亮度时间小时", number(s.dayBrightnessHour)},
        {"白天亮度时间分钟", number(s.dayBrightnessMinute)},
        {"晚上亮度时间小时", number(s.nightBrightnessHour)},
        {"晚上亮度时间分钟", number(s.nightBrightnessMinute)},
    };
    for (const auto& [key, value] : screen)
        ini.writeString(kScreenSection, QString::fromUtf8(key), value);
    ini.writeString(QStringLiteral("显示屏串口"), QStringLiteral("串口"), s.serialPort);
    ini.writeString(QStringLiteral("显示屏串口"), QStringLiteral("波特率"), number(s.baudRate));
    ini.writeString(QStringLiteral("用户信息"), QStringLiteral("用户名"), s.userName);
    ini.writeString(QStringLiteral("用户信息"), QStringLiteral("密码"), s.password);
    ini.writeString(QStringLiteral("通讯方式"), QStringLiteral("通讯类型"), number(s.linkType));
    if (sameFile(state.projectFilePath, state.defaultProjectFilePath)) {
        for (int n = 1; n <= std::clamp(s.programCount, 0, kMaxPrograms); ++n) {
            const TjiemuProp& p = s.program(n);
            const QString section = QStringLiteral("节目%1").arg(n);
            const char* names[3] = {"上", "左", "右"};
            for (int slot = 1; slot <= 3; ++slot) {
                const QString zone = QString::fromUtf8(names[slot - 1]);
                ini.writeString(section, zone + QStringLiteral("分区高度"), number(p.zone(slot).zoneHeight));
                ini.writeString(section, zone + QStringLiteral("分区宽度"), number(p.zone(slot).zoneWidth));
            }
        }
    }
    m_context.report(this, ini.save());
}

void TF_SET1::saveSettings()
{
    readControls();
    showScreenPanels();
    m_context.dialogs.information(this,
                                  tr("该注意显示屏的大小改变,系统对各节目做自适应调整,请\r\n"
                                     "查看一下当前节目表中的所有节目的分区大小和信息是否还符合你的要求。"));
    TprojectProp& s = m_context.state.cur();
    refitZones(s, m_context.state.programTotal, s.screenWidth, s.screenHeight);
    writeSettings();
    SettingsDirty = 0;
}

void TF_SET1::sendToCard()
{
    m_context.startCommand(ReplyToCardAddress);
    m_sendToCard->setEnabled(false);
    if (SettingsDirty > 0)
        saveSettings();
    SettingsDirty = 0;
    const Status sent = SendDispScreenSet(*m_context.exchange);
    m_sendToCard->setEnabled(true);
    m_context.report(this, sent);
}

void TF_SET1::readFromCard()
{
    m_context.startCommand(ReplyToCardAddress);
    m_read->setEnabled(false);
    const Status read = SendReadSettings(*m_context.exchange, m_cardAddress->currentIndex());
    m_read->setEnabled(true);
    if (!read) {
        m_context.report(this, read);
        return;
    }
    saveSettings();
}

void TF_SET1::commTest()
{
    m_context.startCommand(ReplyToTestAddress);
    m_context.link.testIndex = m_testAddress->currentIndex();
    const ExchangeResult r = SendCommTest(*m_context.exchange);
    m_context.report(this, commTestMessage(r, m_context.link, m_context.state.cur().cardModel));
}

void TF_SET1::unitTest()
{
    m_context.startCommand(ReplyToTestAddress);
    m_context.link.testIndex = m_testAddress->currentIndex();
    const ExchangeResult r = SendTest(*m_context.exchange);
    m_context.report(this, unitTestMessage(r, m_context.link, m_context.state.cur().cardModel));
}

void TF_SET1::portSettings()
{
    runPortSettings(m_context, this);
    saveLink();
}

void TF_SET1::saveLink()
{
    ProjectState& state = m_context.state;
    state.cur().linkType = std::max(0, m_linkType->checkedId());
    m_context.report(this, storeLinkSettings(state, true));
    m_context.statusChanged();
}

void TF_SET1::accountChanged()
{
    const ProjectState& state = m_context.state;
    m_context.state.statusPanels[PanelUser] = tr("注册用户:%1").arg(state.hw.userName);
    m_context.statusChanged();
}

void TF_SET1::saveAccount()
{
    ProjectState& state = m_context.state;
    if (m_oldUser->text() != state.hw.userName || m_oldPassword->text() != state.hw.password) {
        m_context.dialogs.information(this, tr("用户信息录入不正确."));
        return;
    }
    state.hw.userName = m_newUser->text();
    state.hw.password = m_newPassword->text();
    state.cur().userName = state.hw.userName;
    state.cur().password = state.hw.password;
    accountChanged();
    if (state.projectFilePath.isEmpty())
        return;
    IniFile ini(state.projectFilePath);
    if (!ini.loadStatus()) {
        m_context.report(this, ini.loadStatus());
        return;
    }
    ini.writeString(QStringLiteral("用户信息"), QStringLiteral("用户名"), state.hw.userName);
    ini.writeString(QStringLiteral("用户信息"), QStringLiteral("密码"), state.hw.password);
    m_context.report(this, ini.save());
}

void TF_SET1::factoryAccount()
{
    for (QLineEdit* e : {m_oldUser, m_oldPassword, m_newUser, m_newPassword})
        e->setText(kFactoryAccount);
    ProjectState& state = m_context.state;
    state.hw.userName = state.hw.password = kFactoryAccount;
    state.cur().userName = state.cur().password = kFactoryAccount;
    accountChanged();
}

void TF_SET1::clearPassword()
{
    m_oldUser->setText(kFactoryAccount);
    m_newUser->setText(kFactoryAccount);
    m_oldPassword->clear();
    m_newPassword->clear();
    ProjectState& state = m_context.state;
    state.hw.userName = state.cur().userName = kFactoryAccount;
    state.hw.password.clear();
    state.cur().password.clear();
    accountChanged();
}

} // namespace dotsign
