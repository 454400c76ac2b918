#pragma once

#include "project/status.h"

#include <QByteArray>
#include <QString>

namespace dotsign {

// Writes `data` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the old file stays as it was and the
// temporary file is removed. The message names the file and the system's reason.
Status writeFileAtomically(const QString& path, const QByteArray& data);

} // namespace dotsign
