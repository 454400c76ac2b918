#pragma once
// The state of the serial link: what has come back since the last frame was
// sent, which address an acknowledgement must carry, and the shared frame
// buffer. One instance lives as long as the main window; everything that
// sends or receives gets it passed in.

#include "link/framebuffer.h"

#include <QByteArray>

namespace dotsign {

constexpr int kReplyAcknowledged = 8;

// Which address an acknowledgement must carry.
enum ReplyAddress {
    ReplyToCardAddress = 0, // the screen's cardAddress
    ReplyToTestAddress = 1, // the hardware dialog's test address list + 1
    ReplyToTarget = 2       // the main window's target address list + 1
};

struct LinkState
{
    int ReplyFlag = 0; // kReplyAcknowledged once an acceptable reply came in
    QByteArray RxBuffer;
    int RxCount = 0;
    int ReplyAddressMode = ReplyToTarget;

    // Selections of the hidden address lists (0..127 = address 1..128, 128 =
    // every card). Nothing in the windows changes them; they stay at "1".
    int targetIndex = 0; // the main window's "群发" list
    int testIndex = 0;   // the hardware dialog's test address list

    // Set while the read-settings request is outstanding: the card answers it
    // with 33 bytes only, so a three-byte prefix of that answer must not be
    // taken for an acknowledgement.
    bool expectSettingsReply = false;

    FrameBuffer frameBuffer;

    void resetReceive()
    {
        RxBuffer.clear();
        RxCount = 0;
    }
};

} // namespace dotsign
