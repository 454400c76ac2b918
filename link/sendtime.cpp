#include "link/sendtime.h"

#include "link/frames.h"

namespace dotsign {

qint64 wireTimeMs(qint64 bytes, int baudRate)
{
    return baudRate > 0 ? (bytes * 10 * 1000 + baudRate - 1) / baudRate : 0;
}

SendEstimate estimateProgram(const ProgramShape& shape, int baudRate)
{
    SendEstimate e;
    e.dataBlocks = shape.dataBlocks();
    e.wireBytes = kProgramIndexLength + qint64(e.dataBlocks) * kDataBlockLength + kEndOfProgramLength;
    e.wireMs = wireTimeMs(e.wireBytes, baudRate);
    e.waitMs = kProgramIndexWait;
    for (int block = 2; block < 2 + e.dataBlocks; ++block)
        e.waitMs += dataBlockWait(block);
    e.waitMs +=
        kProgramIndexWait + kEndOfProgramWait; // the extra wait for the last block, then the end frame
    return e;
}

} // namespace dotsign
