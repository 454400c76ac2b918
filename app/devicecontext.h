#pragma once
// What the device commands share for the whole run: the link state with its
// frame buffer, the serial port and the exchange over it, the device
// commands' enabled state, the LED planes and the message helper. The
// platform's answers (serial ports, mounted volumes, the clock, the save-as
// file name) are functions, so that tests can offer a pseudo-terminal, a
// temporary folder or a fixed date instead.

#include "link/devicecommands.h"
#include "link/exchange.h"
#include "link/linkstate.h"
#include "link/transport.h"
#include "project/projectstate.h"
#include "project/status.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>

class QWidget;

namespace dotsign {

class Dialogs;
class LedPlanes;
class VirtualCard;

// The computer's serial ports and, last, the built-in virtual card "虚拟显示屏".
QStringList portNamesWithVirtualSign();

// A mounted volume the USB-disk export can write to.
struct UsbVolume
{
    QString name;     // what the operator sees ("数据导入到" + name + "盘。")
    QString rootPath; // where it is mounted
    bool removable = false;
};

// Writable, ready volumes, removable ones first.
QList<UsbVolume> mountedUsbVolumes();

// The save-as file dialog: the chosen file, empty when cancelled.
QString nativeSaveFileName(QWidget* parent, const QString& dir, const QString& filter);

// Writes keys of one section into the default project file, the store of
// the hardware and link settings, in one atomic replacement.
using IniValues = QList<std::pair<QString, QString>>;
Status writeDefaultKeys(const ProjectState& state, const QString& section, const IniValues& values);

class DeviceContext
{
public:
    DeviceContext(ProjectState& state, Dialogs& dialogs, LedPlanes* planes);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    ProjectState& state;
    Dialogs& dialogs;
    LedPlanes* planes = nullptr;
    LinkState link;
    // The port the transport opens: the project's port, or the pseudo-terminal
    // of the built-in virtual card when the project's port is "虚拟显示屏".
    SerialSettings resolvedSerial;
    std::unique_ptr<VirtualCard> virtualCard;
    std::unique_ptr<SerialTransport> transport;
    std::unique_ptr<Exchange> exchange;
    DeviceCommands commands;

    std::function<QStringList()> portNames;
    std::function<QList<UsbVolume>()> volumes;
    std::function<QDateTime()> clock;
    std::function<QString(QWidget*, const QString&, const QString&)> saveFileName;
    // Called after a command changed the status panels or the port.
    std::function<void()> refreshStatus;
    QStringList weekdayNames;

    // Every command that talks to the card starts from an empty receive
    // buffer and expects the target address in the acknowledgement. It also
    // points the transport at the project's port, starting the virtual card
    // when that port is "虚拟显示屏".
    void startCommand(int replyAddressMode = ReplyToTarget);
    // Points the transport at the project's current port (the virtual card's
    // pseudo-terminal for "虚拟显示屏"); commands that switch ports call it again.
    void resolvePort();
    // The built-in virtual card, started when it is not running yet.
    VirtualCard* ensureVirtualCard();
    // Shows a failed status as an error box, a successful one with a message
    // as an information box; nothing for a plain success.
    void report(QWidget* parent, const Status& status) const;
    void statusChanged() const;
};

} // namespace dotsign
