#pragma once
// The parser for what the card sends back. The card has two messages, a
// 3-byte acknowledgement and the 33-byte settings reply, and nothing frames
// them: the parser tells them apart by the number of bytes received since the
// last frame was sent. More than 33 bytes means noise and is thrown away.

#include "link/linkstate.h"
#include "project/projectstate.h"

#include <QByteArray>

namespace dotsign {

enum class RxEvent {
    None,             // waiting for more bytes
    Acknowledged,     // a valid acknowledgement; ReplyFlag is set
    AckRejected,      // three bytes with the wrong first byte or address
    SettingsApplied,  // a settings reply for our card, applied to the screen record
    SettingsRejected, // a settings reply from another address
    Overflow          // more than 33 bytes piled up and were discarded
};

struct RxResult
{
    RxEvent event = RxEvent::None;
    QByteArray reply; // the three or 33 bytes that were judged
};

// The receive handler: appends `bytes` to RxBuffer and judges the total.
// An accepted settings reply is written into `screen` at once.
RxResult ComPortRxChar(LinkState& link, TprojectProp& screen, const QByteArray& bytes);

// The address an acknowledgement must carry under the current ReplyAddressMode.
int expectedReplyAddress(const LinkState& link, const TprojectProp& screen);

// Writes the fields of a 33-byte settings reply into the screen record.
void applySettingsReply(TprojectProp& screen, const QByteArray& reply);

// The card class a settings reply reports at byte 7.
QString cardModelFromReply(uint8_t classByte);

} // namespace dotsign
