#include "project/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
    return QCoreApplication::translate("FileAccess", "无法写入文件 %1：%2")
        .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error)));
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
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

// Temporary files are named "." + target name + "." + six characters, beside
// their target.
bool isTemporaryOf(const QString& temporary, const QString& target)
{
    const QFileInfo t(temporary), g(target);
    if (t.absolutePath() != g.absolutePath())
        return false;
    const QString prefix = QLatin1Char('.') + g.fileName() + QLatin1Char('.');
    return t.fileName().startsWith(prefix) && t.fileName().size() == prefix.size() + 6;
}

// Writes `data` to a new temporary file beside `path` and flushes it to
// disk. Plain POSIX calls rather than QSaveFile: every step's error must be
// seen (a full disk may only show at fsync or close).
Status writeTemporary(const QString& path, const QByteArray& data, QString* temporary)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Status::failure(failure(path, EISDIR));
    QByteArray tmpl =
        native(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return Status::failure(failure(path, errno));
    // Keep the permissions of the file being replaced, or the usual ones for a new file.
    struct stat old = {};
    const mode_t mode = ::stat(native(path).constData(), &old) == 0 ? (old.st_mode & 07777) : 0644;
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
    *temporary = QFile::decodeName(tmpl);
    return Status::success();
}

void syncFolder(const QString& folder)
{
    const int dir = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

bool renameFile(const QString& from, const QString& to)
{
    return ::rename(native(from).constData(), native(to).constData()) == 0;
}

} // namespace

Status writeFileAtomically(const QString& path, const QByteArray& data)
{
    FileTransaction transaction;
    transaction.stage(path, data);
    return transaction.commit();
}

FileTransaction::FileTransaction(QString journalPath) : m_journal(std::move(journalPath)) {}

FileTransaction::~FileTransaction()
{
    for (const Staged& s : m_staged)
        ::unlink(native(s.temporary).constData());
}

Status FileTransaction::stage(const QString& path, const QByteArray& data)
{
    if (!m_status)
        return m_status;
    QString temporary;
    m_status = writeTemporary(path, data, &temporary);
    if (m_status)
        m_staged.append(Staged{QFileInfo(path).absoluteFilePath(), temporary});
    return m_status;
}

Status FileTransaction::commit()
{
    if (!m_status)
        return m_status;
    if (!m_journal.isEmpty() && m_staged.size() > 1) {
        QByteArray journal;
        for (const Staged& s : m_staged)
            journal += s.temporary.toUtf8() + '\t' + s.target.toUtf8() + '\n';
        QString temporary;
        m_status = writeTemporary(m_journal, journal, &temporary);
        if (m_status && !renameFile(temporary, m_journal)) {
            m_status = Status::failure(failure(m_journal, errno));
            ::unlink(native(temporary).constData());
        }
        if (!m_status)
            return m_status;
        syncFolder(QFileInfo(m_journal).absolutePath()); // the commit point
    }
    QStringList folders;
    while (!m_staged.isEmpty()) {
        const Staged s = m_staged.first();
        if (!renameFile(s.temporary, s.target)) {
            m_status = Status::failure(failure(s.target, errno));
            return m_status; // the journal, if any, finishes the rest on the next load
        }
        m_staged.removeFirst();
        const QString folder = QFileInfo(s.target).absolutePath();
        if (!folders.contains(folder))
            folders << folder;
    }
    for (const QString& folder : folders)
        syncFolder(folder);
    if (!m_journal.isEmpty())
        ::unlink(native(m_journal).constData());
    return m_status;
}

bool recoverFileTransaction(const QString& journalPath)
{
    const QFileInfo info(journalPath);
    QFile journal(journalPath);
    bool finished = false;
    if (journal.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = journal.readAll().split('\n');
        journal.close();
        for (const QByteArray& line : lines) {
            const QList<QByteArray> parts = line.split('\t');
            if (parts.size() != 2)
                continue;
            const QString temporary = QString::fromUtf8(parts.at(0));
            const QString target = QString::fromUtf8(parts.at(1));
            // Only our own temporary files, beside their targets, are ever renamed.
            if (isTemporaryOf(temporary, target) && QFileInfo::exists(temporary))
                renameFile(temporary, target);
        }
        syncFolder(info.absolutePath());
        ::unlink(native(journalPath).constData());
        finished = true;
    }
    // What is left are temporary files of saves that died before their commit
    // point (the project file, texts, a journal being written): never in use.
    static const QRegularExpression leftover(QStringLiteral("^\\..+\\.(kvp|txt|journal)\\.[A-Za-z0-9]{6}$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QDir dir(info.absolutePath());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (leftover.match(name).hasMatch())
            finished |= QFile::remove(dir.filePath(name));
    }
    return finished;
}

} // namespace dotsign
