#include "app/sendestimate.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>

namespace dotsign {

namespace {

constexpr qint64 kIndexBytes = 252;
constexpr qint64 kBlockBytes = 530;
constexpr qint64 kBlockData = 512;
constexpr qint64 kEndBytes = 10;
constexpr qint64 kAckBytes = 3;

qint64 wireMs(qint64 bytes, int baudRate)
{
    const qint64 baud = baudRate > 0 ? baudRate : 9600;
    return (bytes * 10 * 1000 + baud - 1) / baud;
}

// The frame on the wire and what follows it until the next frame may go.
qint64 frameMs(qint64 bytes, int waitMs, int baudRate, bool classA)
{
    return wireMs(bytes, baudRate) + (classA ? waitMs : wireMs(kAckBytes, baudRate));
}

qint64 blockWaitMs(qint64 block)
{
    return block % 8 == 0 ? 1500 : 600;
}

} // namespace

qint64 programSendMs(qint64 streamBytes, int baudRate, bool classA, qint64 bytesDone)
{
    const qint64 blocks = (std::max<qint64>(streamBytes, 0) + kBlockData - 1) / kBlockData;
    const qint64 blocksDone = std::clamp<qint64>(bytesDone / kBlockData, 0, blocks);
    qint64 ms = bytesDone >= 0 ? 0 : frameMs(kIndexBytes, 1000, baudRate, classA);
    for (qint64 b = blocksDone; b < blocks; ++b)
        ms += frameMs(kBlockBytes, static_cast<int>(blockWaitMs(b + 2)), baudRate, classA);
    // The wait for the last block's answer, then the end-of-program frame.
    ms += (classA ? 1000 : 0) + frameMs(kEndBytes, 300, baudRate, classA);
    return ms;
}

qint64 remainingSendMs(const QList<qint64>& streamBytes, int baudRate, bool classA, int current,
                       qint64 bytesDone)
{
    qint64 ms = 0;
    for (int n = std::max(current, 1); n <= streamBytes.size(); ++n)
        ms += programSendMs(streamBytes.at(n - 1), baudRate, classA, n == current ? bytesDone : -1);
    return ms;
}

QString durationText(qint64 ms)
{
    const qint64 seconds = (std::max<qint64>(ms, 0) + 999) / 1000;
    if (seconds < 60)
        return QCoreApplication::translate("SendEstimate", "%1秒").arg(seconds);
    return QCoreApplication::translate("SendEstimate", "%1分%2秒")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace dotsign
