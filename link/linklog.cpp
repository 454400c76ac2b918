#include "link/linklog.h"

namespace dotsign {

Q_LOGGING_CATEGORY(lcLink, "dotsign.link", QtInfoMsg)

} // namespace dotsign
