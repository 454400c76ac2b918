#include "app/devicecontext.h"

#include "sim/cardcontent.h"
#include "sim/virtualcard.h"

#include "app/dialogs.h"
#include "link/portsettings.h"
#include "project/inifile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStorageInfo>

namespace dotsign {

namespace {

bool isPseudoFileSystem(const QByteArray& type)
{
    static const QList<QByteArray> pseudo = {"tmpfs",   "devtmpfs", "proc",     "sysfs",      "cgroup",
                                             "cgroup2", "overlay",  "squashfs", "devpts",     "efivarfs",
                                             "autofs",  "debugfs",  "tracefs",  "securityfs", "fusectl"};
    return pseudo.contains(type);
}

// A disk the kernel calls removable, or one mounted where desktops mount
// USB sticks.
bool isRemovable(const QStorageInfo& info)
{
    const QString root = info.rootPath();
    if (root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/run/media/")))
        return true;
    QString device = QFileInfo(QString::fromLocal8Bit(info.device())).fileName();
    while (!device.isEmpty() && device.back().isDigit())
        device.chop(1);
    if (device.isEmpty())
        return false;
    QFile flag(QStringLiteral("/sys/block/%1/removable").arg(device));
    return flag.open(QIODevice::ReadOnly) && flag.read(1) == "1";
}

QString volumeName(const QStorageInfo& info)
{
    const QString name = info.displayName();
    return name.isEmpty() ? info.rootPath() : name;
}

} // namespace

QList<UsbVolume> mountedUsbVolumes()
{
    QList<UsbVolume> removable;
    QList<UsbVolume> fixed;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        if (!info.isValid() || !info.isReady() || info.isReadOnly() ||
            isPseudoFileSystem(info.fileSystemType()))
            continue;
        UsbVolume v{volumeName(info), info.rootPath(), isRemovable(info)};
        (v.removable ? removable : fixed).append(v);
    }
    return removable + fixed;
}

Status writeDefaultKeys(const ProjectState& state, const QString& section, const IniValues& values)
{
    if (state.defaultProjectFilePath.isEmpty())
        return Status::success();
    IniFile ini(state.defaultProjectFilePath);
    if (!ini.loadStatus())
        return ini.loadStatus();
    for (const auto& [key, value] : values)
        ini.writeString(section, key, value);
    return ini.save();
}

QString nativeSaveFileName(QWidget* parent, const QString& dir, const QString& filter)
{
    QFileDialog dialog(parent, QString(), dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("Kvp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

DeviceContext::DeviceContext(ProjectState& s, Dialogs& d, LedPlanes* p)
    : state(s), dialogs(d), planes(p), resolvedSerial(s.serial),
      transport(std::make_unique<SerialTransport>(resolvedSerial)),
      exchange(std::make_unique<Exchange>(*transport, link, s)), portNames(&portNamesWithVirtualSign),
      volumes(&mountedUsbVolumes), clock([] { return QDateTime::currentDateTime(); }),
      saveFileName(&nativeSaveFileName),
      weekdayNames({QCoreApplication::translate("DeviceContext", "星期日"),
                    QCoreApplication::translate("DeviceContext", "星期一"),
                    QCoreApplication::translate("DeviceContext", "星期二"),
                    QCoreApplication::translate("DeviceContext", "星期三"),
                    QCoreApplication::translate("DeviceContext", "星期四"),
                    QCoreApplication::translate("DeviceContext", "星期五"),
                    QCoreApplication::translate("DeviceContext", "星期六")})
{}

DeviceContext::~DeviceContext()
{
    // The exchange listens to the transport; it goes first.
    exchange.reset();
    transport.reset();
    virtualCard.reset();
}

QStringList portNamesWithVirtualSign()
{
    QStringList ports = availablePortNames();
    ports << QString::fromUtf8(kVirtualSignPort);
    return ports;
}

VirtualCard* DeviceContext::ensureVirtualCard()
{
    const QString model = state.cur().cardModel;
    CardOptions options;
    options.cardClass = model.startsWith(QLatin1Char('A'))   ? 'A'
                        : model.startsWith(QLatin1Char('C')) ? 'C'
                                                             : 'B';
    if (!virtualCard) {
        auto card = std::make_unique<VirtualCard>(options);
        if (!card->start())
            return nullptr;
        virtualCard = std::move(card);
    } else if (virtualCard->options().cardClass != options.cardClass) {
        virtualCard->setOptions(options); // the hardware dialog changed the card class
    }
    return virtualCard.get();
}

void DeviceContext::startCommand(int replyAddressMode)
{
    link.resetReceive();
    link.ReplyAddressMode = replyAddressMode;
    resolvePort();
}

void DeviceContext::resolvePort()
{
    resolvedSerial = state.serial;
    if (resolvedSerial.portName == QString::fromUtf8(kVirtualSignPort)) {
        if (VirtualCard* card = ensureVirtualCard())
            resolvedSerial.portName = card->portPath();
    }
}

void DeviceContext::report(QWidget* parent, const Status& status) const
{
    if (!status.ok)
        dialogs.error(parent, status.caption, status.message);
    else if (!status.message.isEmpty())
        dialogs.information(parent, status.message);
}

void DeviceContext::statusChanged() const
{
    if (refreshStatus)
        refreshStatus();
}

} // namespace dotsign
