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

// Several files replaced as one: every new content is first written and
// flushed to a temporary file beside its target, so a full disk or a
// read-only folder changes none of the files. Committing then writes a
// journal of the renames (the commit point) before carrying them out, so a
// process killed halfway is completed by recoverFileTransaction() on the next
// load: the files are either all old or all new.
class FileTransaction
{
public:
    // `journalPath` empty: no journal (the renames follow each other closely,
    // but an interruption between them leaves a mix).
    explicit FileTransaction(QString journalPath = QString());
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
        QString temporary;
    };
    QString m_journal;
    QList<Staged> m_staged;
    Status m_status;
};

// Finishes the renames of a transaction whose journal was written, or removes
// the temporary files a transaction left when it died before its commit point.
// Returns true when it had anything to finish.
bool recoverFileTransaction(const QString& journalPath);

} // namespace dotsign
