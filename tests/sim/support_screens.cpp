#include "support_screens.h"

namespace dotsign::test {

TprojectProp screenOf(int programs)
{
    TprojectProp screen;
    screen.programCount = programs;
    for (int n = 1; n <= programs; ++n) {
        TjiemuProp& p = screen.program(n);
        p.startDate = p.endDate = QStringLiteral("2009-05-05");
        p.slotStart.fill(QStringLiteral("00:00:00"));
        p.slotStop.fill(QStringLiteral("23:59:59"));
    }
    return screen;
}

} // namespace dotsign::test
