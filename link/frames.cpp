#include "link/frames.h"

namespace dotsign {

namespace {

uint8_t low8(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

// SNDDAT, kind, address: the first eight bytes of every tagged frame.
QByteArray openFrame(uint8_t kind, uint8_t address)
{
    QByteArray f(kOpenTag, kTagLength);
    f.append(static_cast<char>(kind));
    f.append(static_cast<char>(address));
    return f;
}

void closeFrame(QByteArray& f, uint8_t trailer1, uint8_t trailer2)
{
    f.append(kCloseTag, kTagLength);
    f.append(static_cast<char>(trailer1));
    f.append(static_cast<char>(trailer2));
}

void appendBytes(QByteArray& f, std::initializer_list<uint8_t> bytes)
{
    for (uint8_t b : bytes)
        f.append(static_cast<char>(b));
}

} // namespace

int dataBlockWait(int block)
{
    return block % 8 == 0 ? 1500 : 600;
}

bool isCardClassA(const QString& cardModel)
{
    return cardModel == QStringLiteral("A类卡");
}

uint8_t ControlAddress(int targetIndex, const QString& cardModel)
{
    if (targetIndex == kBroadcastIndex || isCardClassA(cardModel))
        return kBroadcastAddress;
    return low8(targetIndex + 1);
}

uint8_t DownloadAddress(int targetIndex)
{
    return targetIndex == kBroadcastIndex ? kBroadcastAddress : low8(targetIndex + 1);
}

QByteArray powerFrame(uint8_t address, uint8_t state)
{
    QByteArray f = openFrame(kKindControl, address);
    appendBytes(f, {state});
    closeFrame(f, 0xFF, 0xFF);
    return f;
}

QByteArray pauseFrame(uint8_t address, uint8_t state)
{
    QByteArray f = openFrame(kKindControl, address);
    appendBytes(f, {state, state});
    closeFrame(f, 0xFF, 0xFF);
    return f;
}

QByteArray borderFrame(uint8_t address, uint8_t mode)
{
    QByteArray f = openFrame(kKindControl, address);
    appendBytes(f, {mode, 0xFE, 0xFE, 0xFE, 0xFE, 0xFE});
    closeFrame(f, 0xFF, 0xFE);
    return f;
}

QByteArray lightFrame(uint8_t address, uint8_t dayHour, uint8_t dayMinute, uint8_t nightHour,
                      uint8_t nightMinute, uint8_t dayLevel, uint8_t nightLevel)
{
    QByteArray f = openFrame(kKindControl, address);
    appendBytes(f, {dayHour, dayMinute, nightHour, nightMinute, dayLevel, nightLevel});
    closeFrame(f, 0xFF, 0xFF);
    return f;
}

QByteArray timerFrame(uint8_t address, const QDateTime& now, uint8_t onHour, uint8_t onMinute,
                      uint8_t offHour, uint8_t offMinute)
{
    const QDate d = now.date();
    const QTime t = now.time();
    // Qt counts Monday as 1 and Sunday as 7; the card counts Sunday as 0.
    const uint8_t weekday = low8(d.dayOfWeek() % 7);
    QByteArray f = openFrame(kKindControl, address);
    appendBytes(f, {low8(d.year() % 100), low8(d.month()), low8(d.day()), weekday, low8(t.hour()),
                    low8(t.minute()), low8(t.second()), onHour, onMinute, offHour, offMinute});
    closeFrame(f, 0xFF, 0xFF);
    return f;
}

QByteArray unitTestFrame(int testIndex, const QString& cardModel)
{
    QByteArray f("Tes");
    if (testIndex == kBroadcastIndex || isCardClassA(cardModel))
        f.append('T');
    else
        f.append(static_cast<char>(low8(testIndex + 1)));
    return f;
}

QByteArray commTestProbe(int testIndex, const QString& cardModel)
{
    if (testIndex == kBroadcastIndex || isCardClassA(cardModel))
        return QByteArray("CONE");
    QByteArray f("CON");
    f.append(static_cast<char>(low8(testIndex + 1)));
    return f;
}

QByteArray readSettingsRequest(int cardAddressIndex)
{
    QByteArray f("SNDR");
    f.append(static_cast<char>(cardAddressIndex == kBroadcastIndex ? kBroadcastAddress
                                                                   : low8(cardAddressIndex + 1)));
    return f;
}

QByteArray discoveryProbe()
{
    return QByteArray("CON\0", kProbeLength);
}

uint8_t scanCode(int unitBoardType)
{
    switch (unitBoardType) {
    case 4:
        return 0x08;
    case 1:
    case 2:
    case 3:
        return 0x04;
    default:
        return 0x10; // type 0 drives a 1/16 scan
    }
}

QByteArray screenSettingsFrame(const TprojectProp& s, const HardwareSettings& hw)
{
    QByteArray f = openFrame(kKindControl, 0xFF);
    const uint8_t address = s.cardAddress <= 128 ? low8(s.cardAddress) : kBroadcastAddress;
    appendBytes(f,
                {address, 0x01, low8(s.baudRate / 1200), low8(s.refreshRate), 0xFF, low8(s.screenWidth / 8),
                 low8(s.screenHeight), 0x02, 0xFF, low8(s.colourType), low8(s.greyLevel), 0xFF, 0xFF,
                 low8(s.unitBoardType + 1), low8(s.dataLogic), low8(s.oeLogic), scanCode(s.unitBoardType)});
    appendBytes(f, {hw.powerOnHour, hw.powerOnMinute, hw.powerOffHour, hw.powerOffMinute, hw.dayBrightness,
                    hw.nightBrightness, 0xFF, hw.dayBrightnessHour, hw.dayBrightnessMinute,
                    hw.nightBrightnessHour, hw.nightBrightnessMinute, 0xFF, 0xFF, 0xFF});
    closeFrame(f, 0xFF, 0xFF);
    return f;
}

QByteArray ackReply(uint8_t address)
{
    QByteArray f;
    appendBytes(f, {kAckByte, address, 0x00});
    return f;
}

QString hexBytes(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace dotsign
