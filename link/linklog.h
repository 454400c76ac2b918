#pragma once
// Debug log of the serial link: every frame sent and every reply received,
// as hex, so that a field problem can be diagnosed from a log
// (QT_LOGGING_RULES="dotsign.link.debug=true").

#include <QLoggingCategory>

namespace dotsign {

Q_DECLARE_LOGGING_CATEGORY(lcLink)

} // namespace dotsign
