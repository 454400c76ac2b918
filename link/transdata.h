#pragma once
// The program download. For each program of the screen, in order: clear the
// planes, render every zone into them, send the 252-byte program index,
// stream the planes as numbered 512-byte data blocks (red and green rows
// interleaved, blocks numbered from 2, the last one filled up with zeros) and
// close the program with the end-of-program frame carrying the final block
// count. The USB-disk export runs the same per-program sequence and writes the
// frames into a file instead.
//
// Bytes are produced from the planes one at a time into the data area of the
// shared frame buffer; no program is ever held in memory as a whole.

#include "link/exchange.h"
#include "link/framebuffer.h"
#include "project/projectstate.h"
#include "project/status.h"
#include "render/ledplanes.h"

#include <functional>
#include <optional>

namespace dotsign {

// What the frames of one program look like.
struct ProgramShape
{
    int program = 0;     // 1-based number n
    int frames = 0;      // F: pages of the program's last zone
    int rows = 0;        // R = screenHeight * F
    int bytesPerRow = 0; // B = screenWidth / 8 (columns past a multiple of 8 are never sent)
    int colours = 1;     // 1 red only, 2 red and green
    qint64 streamBytes() const { return qint64(rows) * bytesPerRow * colours; }
    int dataBlocks() const { return static_cast<int>((streamBytes() + 511) / 512); }
};

// F, R, B of program n, from its last zone (slot zoneCount). Empty when that
// zone's height is 0 (the download cannot page it and stops).
std::optional<ProgramShape> programShape(const ProjectState& state, int n);

// Renders the zones 1..zoneCount of program n into the planes (which the
// caller has cleared) as the download does. Notes for the operator that do
// not stop the download (content cut off, an unreadable document) are passed
// to `note`. With `saveBitmaps` the zone bitmaps are also saved under
// "ExtFile/"; a bitmap that cannot be saved is noted and its zone still
// reaches the planes.
void renderProgram(ProjectState& state, LedPlanes& planes, int n,
                   const std::function<void(const Status&)>& note, bool saveBitmaps = true);

// Checks that "ExtFile/" can take the zone bitmaps before a download renders
// anything. When it cannot (a file of that name is in the way, the folder is
// read-only) the operator is told once, through `note`, and false says to
// render without saving bitmaps: they only feed the layout view, and the sign
// must still get its content.
bool prepareBitmapFolder(const ProjectState& state, const std::function<void(const Status&)>& note);

// Streams the planes of one program into data blocks in `buffer` (bytes
// 8..521: program number, block number, 512 data bytes) and calls
// `sendBlock(block)` for every full block and for the last, zero-filled one.
// `rowDone(done, total)` follows the bytes produced. Returns the number of the
// last block sent (1 when the program had no data) or the first failure.
struct StreamResult
{
    Status status;
    int lastBlock = 1;
};
StreamResult streamProgram(const LedPlanes& planes, const ProgramShape& shape, FrameBuffer& buffer,
                           const std::function<Status(int block)>& sendBlock,
                           const std::function<void(qint64 done, qint64 total)>& rowDone = {});

// Sets bytes 8 and 9 of the end-of-program frame: the program number and the
// final block count (the last block + 1 unless it is a multiple of 8).
void setFinalCount(FrameBuffer& buffer, int program, int lastBlock);

// What the progress window and the command-line tool show while a download runs.
struct DownloadObserver
{
    std::function<void(int program, qint64 totalBytes)> programStarted;
    std::function<void(qint64 done, qint64 total)> progress;
    // A message that does not stop the download (a missing end-of-program
    // acknowledgement, content cut off); shown as it happens.
    std::function<void(const Status&)> note;
};

// The serial download of every program of the screen ("transdata"). Stops at
// the first port failure, an unreadable date or time, or a last zone of
// height 0, with "串口数据发送失败。".
Status transdata(Exchange& ex, LedPlanes& planes, const DownloadObserver& observer);

} // namespace dotsign
