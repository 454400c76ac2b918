// The two line parsers fed arbitrary byte streams in arbitrary chunks: the
// host's reply parser and the virtual card's frame parser.
//
// Input: one byte of settings (address mode, broadcast target, settings reply
// outstanding, card address), then chunks, each a length byte and that many
// bytes (the last chunk takes what is left).

#include "link/replyparser.h"
#include "sim/cardparser.h"

#include <cstddef>
#include <cstdint>

using namespace dotsign;

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t config = data[0];
    LinkState link;
    link.ReplyAddressMode = config & 0x03;
    link.targetIndex = (config & 0x04) ? 128 : 0;
    link.expectSettingsReply = (config & 0x08) != 0;
    TprojectProp screen;
    screen.cardAddress = config >> 4;

    CardParser card;
    size_t fed = 0;
    size_t framed = 0;
    size_t at = 1;
    while (at < size) {
        const size_t want = data[at++];
        const size_t n = (want == 0 || at + want > size) ? size - at : want;
        const QByteArray chunk(reinterpret_cast<const char*>(data + at), static_cast<int>(n));
        at += n;

        const int before = link.ReplyFlag;
        const RxResult r = ComPortRxChar(link, screen, chunk);
        check(link.RxCount == link.RxBuffer.size());
        check(link.RxCount >= 0 && link.RxCount <= 33);
        check(link.ReplyFlag == 0 || link.ReplyFlag == kReplyAcknowledged);
        check(before == 0 || link.ReplyFlag == before); // nothing but an exchange clears it
        if (r.event == RxEvent::Acknowledged || r.event == RxEvent::SettingsApplied)
            check(link.ReplyFlag == kReplyAcknowledged);

        fed += n;
        for (const CardFrame& f : card.feed(chunk, 0))
            framed += static_cast<size_t>(f.bytes.size());
    }
    for (const CardFrame& f : card.flush())
        framed += static_cast<size_t>(f.bytes.size());
    check(framed == fed); // every byte comes out once, as a frame or as noise
    return 0;
}
