#pragma once
// How long a download takes: each frame's time on the wire (10 bits a byte
// at the port's speed) plus the reply wait that follows it. An A-class card
// never answers, so every wait runs its full length: 1000 ms after the
// program index, 600 ms after a data block (1500 ms after every block whose
// number is a multiple of 8, while the card writes its flash) and 1000 +
// 300 ms at the end of each program. B- and C-class cards answer as soon as
// a frame is in, so for them only the wire time of the frame and of the
// three-byte answer counts.

#include <QList>
#include <QString>
#include <QtGlobal>

namespace dotsign {

// Milliseconds to send one program whose byte stream has `streamBytes`
// bytes. With `bytesDone` of 0 or more the index has gone out and that many
// stream bytes with it; -1 counts the whole program, index included.
qint64 programSendMs(qint64 streamBytes, int baudRate, bool classA, qint64 bytesDone = -1);

// Milliseconds left of a download of programs with the given stream sizes
// while program `current` (1-based) has sent its index and `bytesDone`
// stream bytes; current 0 means nothing has started yet.
qint64 remainingSendMs(const QList<qint64>& streamBytes, int baudRate, bool classA, int current,
                       qint64 bytesDone);

// "1分05秒" / "12秒".
QString durationText(qint64 ms);

} // namespace dotsign
