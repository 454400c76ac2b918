#include "usbdisk/usbexport.h"

#include "link/downloadframes.h"
#include "link/frames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dotsign {

namespace {

const char* const kExportFailed = QT_TRANSLATE_NOOP("UsbExport", "数据没有导入成功。");

Status exportFailed(const QString& reason)
{
    return Status::failure(QCoreApplication::translate("UsbExport", kExportFailed) + QLatin1Char('\n') +
                           reason);
}

// The export file under construction: every record is written and flushed
// to the system as it is produced; the file becomes "zorva.kv" only at the end.
class ExportFile
{
public:
    explicit ExportFile(const QString& target) : m_target(target) {}
    ~ExportFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_temporary.isEmpty())
            ::unlink(m_temporary.constData());
    }

    Status open()
    {
        const QFileInfo info(m_target);
        if (!QDir().mkpath(info.absolutePath()))
            return exportFailed(QCoreApplication::translate("UsbExport", "无法创建文件夹 %1")
                                    .arg(QDir::toNativeSeparators(info.absolutePath())));
        // A link in place of the folder would take the file off the chosen volume.
        if (QFileInfo(info.absolutePath()).isSymLink())
            return exportFailed(QCoreApplication::translate("UsbExport", "文件夹 %1 是指向别处的链接。")
                                    .arg(QDir::toNativeSeparators(info.absolutePath())));
        m_temporary = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                        QStringLiteral(".XXXXXX"));
        m_fd = ::mkstemp(m_temporary.data());
        if (m_fd < 0) {
            m_temporary.clear();
            return systemError();
        }
        ::fchmod(m_fd, 0644);
        return Status::success();
    }

    Status write(const QByteArray& record)
    {
        const char* p = record.constData();
        qint64 left = record.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, p, static_cast<size_t>(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return systemError();
            p += n;
            left -= n;
        }
        return Status::success();
    }

    Status finish()
    {
        if (::fsync(m_fd) != 0)
            return systemError();
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0)
            return systemError();
        if (::rename(m_temporary.constData(), QFile::encodeName(m_target).constData()) != 0)
            return systemError();
        m_temporary.clear();
        return Status::success();
    }

private:
    Status systemError() const
    {
        return exportFailed(QStringLiteral("%1：%2").arg(QDir::toNativeSeparators(m_target),
                                                         QString::fromLocal8Bit(std::strerror(errno))));
    }

    QString m_target;
    QByteArray m_temporary;
    int m_fd = -1;
};

} // namespace

QString usbExportPath(const QString& volumeRoot)
{
    return QDir::cleanPath(volumeRoot) + QStringLiteral("/zorva/zorva.kv");
}

QByteArray hexRecord(const QByteArray& bytes)
{
    return bytes.toHex().toUpper();
}

QByteArray usbHeader(FrameBuffer& buffer, const TprojectProp& screen, int targetIndex, bool flowingBorder)
{
    buffer.set(0, targetIndex >= kBroadcastIndex ? 0xFF : static_cast<uint8_t>(targetIndex + 1));
    buffer.set(1, static_cast<uint8_t>(screen.programCount));
    buffer.set(2, flowingBorder ? 0x31 : 0x30);
    buffer.set(3, static_cast<uint8_t>(0x30 + screen.usbDiskMode));
    return buffer.bytes(4);
}

QByteArray usbScreenSettings(FrameBuffer& buffer, const TprojectProp& screen, const HardwareSettings& hw)
{
    // The disk carries the screen's own times and brightness, not the copies
    // of the last settings dialog.
    HardwareSettings fromScreen = hw;
    fromScreen.powerOnHour = screen.powerOnHour;
    fromScreen.powerOnMinute = screen.powerOnMinute;
    fromScreen.powerOffHour = screen.powerOffHour;
    fromScreen.powerOffMinute = screen.powerOffMinute;
    fromScreen.dayBrightness = screen.dayBrightness;
    fromScreen.nightBrightness = screen.nightBrightness;
    fromScreen.dayBrightnessHour = screen.dayBrightnessHour;
    fromScreen.dayBrightnessMinute = screen.dayBrightnessMinute;
    fromScreen.nightBrightnessHour = screen.nightBrightnessHour;
    fromScreen.nightBrightnessMinute = screen.nightBrightnessMinute;
    QByteArray frame = screenSettingsFrame(screen, fromScreen);
    frame[36] = static_cast<char>(0x30);
    return buffer.assemble(frame);
}

// Built on its own rather than in the shared frame buffer, so the next
// program's index carries the same leftover bytes 57..60 as over the serial
// link (the data bytes of the last block).
QByteArray usbEndMarker(int program, int lastBlock)
{
    QByteArray marker(kEndMarkerLength, static_cast<char>(0xFC));
    marker[8] = static_cast<char>(program);
    marker[9] = static_cast<char>(finalBlockCount(lastBlock));
    for (int i = 265; i < kEndMarkerLength; ++i)
        marker[i] = static_cast<char>(0x97);
    return marker;
}

Status transdata_usb(ProjectState& state, LedPlanes& planes, LinkState& link, const QString& filePath,
                     bool flowingBorder, const DownloadObserver& observer)
{
    ExportFile file(filePath);
    if (Status s = file.open(); !s)
        return s;
    FrameBuffer& buffer = link.frameBuffer;
    TprojectProp& screen = state.cur();
    if (Status s = file.write(hexRecord(usbHeader(buffer, screen, link.targetIndex, flowingBorder))); !s)
        return s;
    if (screen.usbDiskMode > 0) {
        if (Status s = file.write(hexRecord(usbScreenSettings(buffer, screen, state.hw))); !s)
            return s;
    }
    const int programs = std::clamp(screen.programCount, 0, kMaxPrograms);
    const bool saveBitmaps = prepareBitmapFolder(state, observer.note);
    for (int k = 0; k < programs; ++k) {
        const int n = k + 1;
        planes.Clear();
        renderProgram(state, planes, n, observer.note, saveBitmaps);
        const auto shape = programShape(state, n);
        if (!shape)
            return exportFailed(QCoreApplication::translate("UsbExport", "%1的最后一个分区高度为 0。")
                                    .arg(state.program(n).programName));
        QString error;
        const auto index = programIndexFrame(buffer, screen, k, DownloadAddress(link.targetIndex), &error);
        if (!index)
            return exportFailed(error);
        if (Status s = file.write(hexRecord(*index)); !s)
            return s;
        if (observer.programStarted)
            observer.programStarted(n, shape->streamBytes());
        const StreamResult stream = streamProgram(
            planes, *shape, buffer, [&](int) { return file.write(hexRecord(dataBlockFrame(buffer, 0x01))); },
            observer.progress);
        if (!stream.status)
            return stream.status;
        setFinalCount(buffer, n, stream.lastBlock);
        if (Status s = file.write(usbEndMarker(n, stream.lastBlock)); !s)
            return s;
    }
    return file.finish();
}

} // namespace dotsign
