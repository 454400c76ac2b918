#include "link/replyparser.h"

#include "link/frames.h"
#include "link/linklog.h"

namespace dotsign {

namespace {

uint8_t byteAt(const QByteArray& bytes, int i)
{
    return static_cast<uint8_t>(bytes.at(i));
}

bool acknowledgementValid(const LinkState& link, const TprojectProp& screen, const QByteArray& ack)
{
    if (byteAt(ack, 0) != kAckByte)
        return false;
    // Acknowledgements to a broadcast come from whichever card answers first.
    if (link.targetIndex == kBroadcastIndex && link.ReplyAddressMode != ReplyToTestAddress)
        return true;
    return byteAt(ack, 1) == expectedReplyAddress(link, screen);
}

} // namespace

int expectedReplyAddress(const LinkState& link, const TprojectProp& screen)
{
    switch (link.ReplyAddressMode) {
    case ReplyToCardAddress:
        return screen.cardAddress;
    case ReplyToTestAddress:
        return link.testIndex + 1;
    default:
        return link.targetIndex + 1;
    }
}

QString cardModelFromReply(uint8_t classByte)
{
    switch (classByte) {
    case 3:
        return QStringLiteral("C类卡");
    case 2:
        return QStringLiteral("B类卡");
    default:
        return QStringLiteral("A类卡");
    }
}

void applySettingsReply(TprojectProp& s, const QByteArray& r)
{
    if (r.size() < kSettingsReplyLength)
        return;
    s.refreshRate = byteAt(r, 3);
    s.screenWidth = byteAt(r, 5) * 8;
    s.screenHeight = byteAt(r, 6);
    s.cardModel = cardModelFromReply(byteAt(r, 7));
    s.colourType = byteAt(r, 9);
    s.greyLevel = byteAt(r, 10);
    s.unitBoardType = byteAt(r, 13) - 1;
    s.dataLogic = byteAt(r, 14);
    s.oeLogic = byteAt(r, 15);
    s.powerOnHour = byteAt(r, 17);
    s.powerOnMinute = byteAt(r, 18);
    s.powerOffHour = byteAt(r, 19);
    s.powerOffMinute = byteAt(r, 20);
    s.dayBrightness = byteAt(r, 21);
    s.nightBrightness = byteAt(r, 22);
    s.dayBrightnessHour = byteAt(r, 24);
    s.dayBrightnessMinute = byteAt(r, 25);
    s.nightBrightnessHour = byteAt(r, 26);
    s.nightBrightnessMinute = byteAt(r, 27);
}

RxResult ComPortRxChar(LinkState& link, TprojectProp& screen, const QByteArray& bytes)
{
    link.RxBuffer.append(bytes);
    link.RxCount += static_cast<int>(bytes.size());
    qCDebug(lcLink).noquote() << "rx" << hexBytes(bytes);

    RxResult result;
    if (link.RxCount > kSettingsReplyLength) {
        qCDebug(lcLink) << "rx: more than 33 bytes, discarded";
        link.resetReceive();
        result.event = RxEvent::Overflow;
        return result;
    }
    // While the settings reply is awaited its first three bytes would
    // otherwise pass for an acknowledgement and the reply would be lost.
    if (link.RxCount == kAckLength && !link.expectSettingsReply) {
        result.reply = link.RxBuffer;
        const bool valid = acknowledgementValid(link, screen, link.RxBuffer);
        if (valid)
            link.ReplyFlag = kReplyAcknowledged;
        result.event = valid ? RxEvent::Acknowledged : RxEvent::AckRejected;
        link.resetReceive();
    } else if (link.RxCount == kSettingsReplyLength) {
        result.reply = link.RxBuffer;
        const bool ours = byteAt(link.RxBuffer, 0) == screen.cardAddress;
        if (ours) {
            link.ReplyFlag = kReplyAcknowledged;
            applySettingsReply(screen, link.RxBuffer);
        }
        result.event = ours ? RxEvent::SettingsApplied : RxEvent::SettingsRejected;
        link.resetReceive();
    }
    return result;
}

} // namespace dotsign
