#include "support/smallfs.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <unistd.h>

SmallFileSystem::SmallFileSystem(int kilobytes)
{
    char tmpl[] = "/tmp/dotsign-smallfs-XXXXXX";
    if (!mkdtemp(tmpl))
        return;
    m_path = QString::fromLocal8Bit(tmpl);
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    m_mounted = geteuid() == 0 && ::mount("tmpfs", tmpl, "tmpfs", 0, options.constData()) == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_mounted)
        ::umount2(m_path.toLocal8Bit().constData(), MNT_DETACH);
    QDir().rmdir(m_path);
}

void SmallFileSystem::fill(int leaveKilobytes)
{
    QFile filler(m_path + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QByteArray chunk(1024, 'x');
    while (QStorageInfo(m_path).bytesAvailable() > qint64(leaveKilobytes) * 1024 &&
           filler.write(chunk) == chunk.size() && filler.flush()) {
    }
}

bool SmallFileSystem::setReadOnly(bool readOnly)
{
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return m_mounted && ::mount("tmpfs", m_path.toLocal8Bit().constData(), "tmpfs", flags, nullptr) == 0;
}
