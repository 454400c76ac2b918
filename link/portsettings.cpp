#include "link/portsettings.h"

#include "project/inifile.h"

#include <QSerialPortInfo>

namespace dotsign {

namespace {

const QString kLinkSection = QStringLiteral("通讯方式");
const QString kPortSection = QStringLiteral("显示屏串口");

} // namespace

int speedFromBaudRate(int baudRate)
{
    return isStandardBaudRate(baudRate) ? baudRate : 9600;
}

int baudRateFromSpeed(int speed)
{
    return isStandardBaudRate(speed) ? speed : 9600;
}

QStringList availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}

Status ApplayCom(ProjectState& state)
{
    TprojectProp& s = state.cur();
    state.serial.portName = s.serialPort;
    state.serial.baudRate = speedFromBaudRate(s.baudRate);
    s.serialPort = state.serial.portName;
    s.baudRate = baudRateFromSpeed(state.serial.baudRate);

    state.statusPanels[PanelPort] = s.serialPort;
    state.statusPanels[PanelBaud] = QString::number(s.baudRate);

    if (state.defaultProjectFilePath.isEmpty())
        return Status::success();
    IniFile ini(state.defaultProjectFilePath);
    if (!ini.loadStatus())
        return ini.loadStatus();
    ini.writeString(kLinkSection, QStringLiteral("通讯类型"), QString::number(s.linkType));
    ini.writeString(kPortSection, QStringLiteral("串口"), s.serialPort);
    ini.writeString(kPortSection, QStringLiteral("波特率"), QString::number(s.baudRate));
    return ini.save();
}

Status Combo1Change(ProjectState& state, const QStringList& ports, const QString& selected)
{
    if (ports.isEmpty())
        return Status::success();
    Status written;
    if (state.memoChangeArmed > 0) {
        state.serial.portName = selected;
        state.cur().serialPort = selected;
        if (!state.defaultProjectFilePath.isEmpty())
            written = IniFile::writeKey(state.defaultProjectFilePath, kPortSection, QStringLiteral("串口"),
                                        selected);
    }
    const Status applied = ApplayCom(state);
    return written ? applied : written;
}

} // namespace dotsign
