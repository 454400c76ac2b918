#include "sim/framemeaning.h"

namespace dotsign {

namespace {

int at(const QByteArray& b, int i)
{
    return static_cast<uint8_t>(b.at(i));
}

QString hm(int hour, int minute)
{
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

QString addressText(int address)
{
    return address == 0xFF ? QStringLiteral("all") : QString::number(address);
}

QString controlMeaning(CardFrameKind kind, const QByteArray& b)
{
    const QString to = QStringLiteral(" to %1").arg(addressText(at(b, 7)));
    switch (kind) {
    case CardFrameKind::Power:
        return (at(b, 8) ? QStringLiteral("power on") : QStringLiteral("power off")) + to;
    case CardFrameKind::Pause:
        return (at(b, 8) ? QStringLiteral("pause") : QStringLiteral("resume")) + to;
    case CardFrameKind::Border:
        return (at(b, 8) == 0x31 ? QStringLiteral("border on") : QStringLiteral("border off")) + to;
    case CardFrameKind::Light:
        return QStringLiteral("brightness day from %1 level %2, night from %3 level %4")
                   .arg(hm(at(b, 8), at(b, 9)))
                   .arg(at(b, 12))
                   .arg(hm(at(b, 10), at(b, 11)))
                   .arg(at(b, 13)) +
               to;
    default: // clock and power timer
        return QStringLiteral("clock 20%1-%2-%3 weekday %4 %5:%6, power on %7, off %8")
                   .arg(at(b, 8), 2, 10, QLatin1Char('0'))
                   .arg(at(b, 9), 2, 10, QLatin1Char('0'))
                   .arg(at(b, 10), 2, 10, QLatin1Char('0'))
                   .arg(at(b, 11))
                   .arg(hm(at(b, 12), at(b, 13)))
                   .arg(at(b, 14), 2, 10, QLatin1Char('0'))
                   .arg(hm(at(b, 15), at(b, 16)), hm(at(b, 17), at(b, 18))) +
               to;
    }
}

} // namespace

QString frameMeaning(CardFrameKind kind, const QByteArray& b)
{
    switch (kind) {
    case CardFrameKind::Garbage:
        return QStringLiteral("garbage, %1 bytes").arg(b.size());
    case CardFrameKind::Power:
    case CardFrameKind::Pause:
    case CardFrameKind::Border:
    case CardFrameKind::Light:
    case CardFrameKind::Timer:
        return controlMeaning(kind, b);
    case CardFrameKind::ScreenSettings:
        return QStringLiteral("screen settings address %1, %2x%3, %4 bit/s, refresh %5")
            .arg(addressText(at(b, 8)))
            .arg(at(b, 13) * 8)
            .arg(at(b, 14))
            .arg(at(b, 10) * 1200)
            .arg(at(b, 11));
    case CardFrameKind::ProgramIndex:
        return QStringLiteral("program index %1 (%2 zones)").arg(at(b, 155) + 1).arg(at(b, 150));
    case CardFrameKind::DataBlock:
        return QStringLiteral("data block program %1 block %2").arg(at(b, 8)).arg(at(b, 9));
    case CardFrameKind::EndOfProgram:
        return QStringLiteral("end of program %1, %2 blocks").arg(at(b, 8)).arg(at(b, 9));
    case CardFrameKind::ReadSettings:
        return QStringLiteral("read settings of %1").arg(addressText(at(b, 4)));
    case CardFrameKind::CommTest:
        return QStringLiteral("communication test of %1").arg(at(b, 3));
    case CardFrameKind::CommTestAll:
        return QStringLiteral("communication test of all");
    case CardFrameKind::Discovery:
        return QStringLiteral("discovery");
    case CardFrameKind::UnitTest:
        return at(b, 3) == 'T' ? QStringLiteral("unit-board test of all")
                               : QStringLiteral("unit-board test of %1").arg(at(b, 3));
    }
    return QString();
}

} // namespace dotsign
