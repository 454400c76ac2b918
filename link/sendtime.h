#pragma once
// How long a download takes: the bytes on the wire at 10 bits a byte (start,
// eight data bits, stop) plus the reply wait of every frame. An A-class card
// never answers, so each wait runs out in full; B and C cards usually answer
// sooner, which makes this the longest a download of those takes.

#include "link/transdata.h"

namespace dotsign {

struct SendEstimate
{
    qint64 wireBytes = 0;
    int dataBlocks = 0;
    qint64 wireMs = 0;
    qint64 waitMs = 0;
    qint64 totalMs() const { return wireMs + waitMs; }
};

// The estimate for one program of `shape`.
SendEstimate estimateProgram(const ProgramShape& shape, int baudRate);
// Milliseconds the bytes take on the wire at `baudRate`.
qint64 wireTimeMs(qint64 bytes, int baudRate);

} // namespace dotsign
