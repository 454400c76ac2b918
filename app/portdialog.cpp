#include "app/portdialog.h"

#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "link/portsettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace dotsign {

namespace {

const int kSpeeds[] = {4800, 9600, 19200, 38400, 57600, 115200};

QComboBox* fixedBox(const QString& text, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->addItem(text);
    box->setEnabled(false);
    return box;
}

} // namespace

PortSettingsDialog::PortSettingsDialog(const QStringList& ports, const SerialSettings& current,
                                       QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PortSettingsDialog"));
    setWindowTitle(tr("串口参数设置"));
    m_port = new QComboBox(this);
    m_port->setEditable(true);
    m_port->addItems(ports);
    m_port->setCurrentText(current.portName);
    m_speed = new QComboBox(this);
    for (int speed : kSpeeds)
        m_speed->addItem(QString::number(speed), speed);
    m_speed->setCurrentIndex(m_speed->findData(speedFromBaudRate(current.baudRate)));

    auto* form = new QFormLayout(this);
    form->addRow(tr("串口"), m_port);
    form->addRow(tr("波特率"), m_speed);
    form->addRow(tr("数据位"), fixedBox(QStringLiteral("8"), this));
    form->addRow(tr("校验"), fixedBox(tr("无"), this));
    form->addRow(tr("停止位"), fixedBox(QStringLiteral("1"), this));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

SerialSettings PortSettingsDialog::chosen() const
{
    SerialSettings s;
    s.portName = m_port->currentText().trimmed();
    s.baudRate = m_speed->currentData().toInt();
    return s;
}

bool runPortSettings(DeviceContext& context, QWidget* parent)
{
    ProjectState& state = context.state;
    TprojectProp& s = state.cur();
    state.serial.portName = s.serialPort;
    state.serial.baudRate = speedFromBaudRate(s.baudRate);
    PortSettingsDialog dialog(context.portNames(), state.serial, parent);
    const bool accepted = context.dialogs.exec(dialog) == QDialog::Accepted;
    if (accepted) {
        const SerialSettings chosen = dialog.chosen();
        if (!chosen.portName.isEmpty())
            state.serial.portName = chosen.portName;
        state.serial.baudRate = speedFromBaudRate(chosen.baudRate);
    }
    s.serialPort = state.serial.portName;
    s.baudRate = baudRateFromSpeed(state.serial.baudRate);
    return accepted;
}

Status storeLinkSettings(ProjectState& state, bool withLinkType)
{
    const TprojectProp& s = state.cur();
    Status written = Status::success();
    if (withLinkType)
        written = writeDefaultKeys(state, QStringLiteral("通讯方式"),
                                   {{QStringLiteral("通讯类型"), QString::number(s.linkType)}});
    const Status port = writeDefaultKeys(
        state, QStringLiteral("显示屏串口"),
        {{QStringLiteral("串口"), s.serialPort}, {QStringLiteral("波特率"), QString::number(s.baudRate)}});
    state.statusPanels[PanelPort] = s.serialPort;
    state.statusPanels[PanelBaud] = QString::number(s.baudRate);
    if (const QString c = linkTypeCaption(s.linkType); !c.isEmpty())
        state.statusPanels[PanelLinkType] = c;
    return written ? port : written;
}

} // namespace dotsign
