// The USB-disk download file read back as a card would read it: whatever a
// damaged or foreign "zorva.kv" holds, decoding ends with the content and a
// list of issues, and the virtual sign can play what was decoded.
#include "sim/exportdecode.h"
#include "sim/player.h"

#include <QDateTime>
#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const dotsign::ExportFile decoded = dotsign::decodeExportFile(file);
    for (const dotsign::ExportIssue& issue : decoded.issues)
        check(issue.offset >= 0 && issue.offset <= file.size());
    const dotsign::SignContent& c = decoded.content;
    check(c.screenWidth >= 0 && c.screenWidth <= 2040);
    check(c.screenHeight >= 0 && c.screenHeight <= 255);

    // The first moments of play: the first frame and one while the first
    // page is still entering.
    dotsign::Player player(c, QDateTime(QDate(2024, 1, 1), QTime(12, 0)));
    for (qint64 ms : {qint64(0), qint64(120)}) {
        const dotsign::LedImage frame = player.frameAt(ms);
        check(frame.isNull() || (frame.width == c.screenWidth && frame.height == c.screenHeight));
    }
    return 0;
}
