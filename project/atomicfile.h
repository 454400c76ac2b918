#pragma once

#include "project/status.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace dotsign {

// Writes `data` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the old file stays as it was and the
// temporary file is removed. The message names the file and the system's reason.
Status writeFileAtomically(const QString& path, const QByteArray& data);

// Several files replaced together: every new content is first written and
// flushed to a temporary file beside its target; only when all of them are
// safely on disk are they renamed into place, one right after the other. A
// full disk or a read-only folder therefore changes none of the files.
class FileTransaction
{
public:
    FileTransaction() = default;
    ~FileTransaction(); // removes the temporary files of an uncommitted transaction
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;

    // Stages the new content of `path`; the first failure is kept and returned
    // by every later call.
    Status stage(const QString& path, const QByteArray& data);
    Status commit();

private:
    struct Staged
    {
        QString target;
        QByteArray temporary; // file name as the system spells it
    };
    QList<Staged> m_staged;
    Status m_status;
};

} // namespace dotsign
