#include "project/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dotsign {

namespace {

QString failure(const QString& path, int error)
{
    return QStringLiteral("无法写入文件 %1：%2")
        .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error)));
}

bool writeAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// Writes `data` to a new temporary file beside `path` and flushes it to
// disk. Plain POSIX calls rather than QSaveFile: every step's error must be
// seen (a full disk may only show at fsync or close).
Status writeTemporary(const QString& path, const QByteArray& data, QByteArray* temporary)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Status::failure(failure(path, EISDIR));
    QByteArray tmpl = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                        QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return Status::failure(failure(path, errno));
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    struct stat old
    {
    };
    const mode_t mode = ::stat(QFile::encodeName(path).constData(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);

    int error = 0;
    if (!writeAll(fd, data) || ::fsync(fd) != 0)
        error = errno ? errno : EIO;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        ::unlink(tmpl.constData());
        return Status::failure(failure(path, error));
    }
    *temporary = tmpl;
    return Status::success();
}

void syncFolder(const QString& path)
{
    const int dir =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace

Status writeFileAtomically(const QString& path, const QByteArray& data)
{
    FileTransaction transaction;
    transaction.stage(path, data);
    return transaction.commit();
}

FileTransaction::~FileTransaction()
{
    for (const Staged& s : m_staged)
        ::unlink(s.temporary.constData());
}

Status FileTransaction::stage(const QString& path, const QByteArray& data)
{
    if (!m_status)
        return m_status;
    QByteArray temporary;
    m_status = writeTemporary(path, data, &temporary);
    if (m_status)
        m_staged.append(Staged{path, temporary});
    return m_status;
}

Status FileTransaction::commit()
{
    if (!m_status)
        return m_status;
    for (int i = 0; i < m_staged.size(); ++i) {
        const Staged& s = m_staged.at(i);
        if (::rename(s.temporary.constData(), QFile::encodeName(s.target).constData()) != 0) {
            m_status = Status::failure(failure(s.target, errno));
            m_staged.remove(0, i); // those before were renamed; the destructor removes the rest
            return m_status;
        }
        syncFolder(s.target);
    }
    m_staged.clear();
    return m_status;
}

} // namespace dotsign
