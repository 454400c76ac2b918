// The receive handler, fed bytes directly.

#include "link/frames.h"
#include "link/replyparser.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

struct AckCase
{
    const char* name;
    int mode;
    int targetIndex;
    int testIndex;
    int cardAddress;
    QByteArray reply;
    bool acknowledged;
};

} // namespace

TEST(ReplyParser, AcknowledgementRules)
{
    const AckCase cases[] = {
        {"target 1, reply 1", ReplyToTarget, 0, 0, 9, hex("600100"), true},
        {"target 1, reply 2", ReplyToTarget, 0, 0, 9, hex("600200"), false},
        {"wrong first byte", ReplyToTarget, 0, 0, 9, hex("610100"), false},
        {"byte 2 is not looked at", ReplyToTarget, 0, 0, 9, hex("6001FF"), true},
        {"broadcast, mode 2", ReplyToTarget, kBroadcastIndex, 0, 9, hex("602A00"), true},
        {"broadcast, mode 2, wrong first byte", ReplyToTarget, kBroadcastIndex, 0, 9, hex("612A00"), false},
        {"broadcast does not free mode 1", ReplyToTestAddress, kBroadcastIndex, 4, 9, hex("602A00"), false},
        {"mode 1 wants test address", ReplyToTestAddress, 0, 4, 9, hex("600500"), true},
        {"mode 0 wants card address", ReplyToCardAddress, 0, 0, 9, hex("600900"), true},
        {"mode 0, target address", ReplyToCardAddress, 0, 0, 9, hex("600100"), false},
        {"mode above 2 acts as 2", 5, 2, 0, 9, hex("600300"), true},
    };
    for (const AckCase& c : cases) {
        LinkState link;
        link.ReplyAddressMode = c.mode;
        link.targetIndex = c.targetIndex;
        link.testIndex = c.testIndex;
        TprojectProp screen;
        screen.cardAddress = c.cardAddress;
        const RxResult r = ComPortRxChar(link, screen, c.reply);
        EXPECT_EQ(link.ReplyFlag == kReplyAcknowledged, c.acknowledged) << c.name;
        EXPECT_EQ(r.event, c.acknowledged ? RxEvent::Acknowledged : RxEvent::AckRejected) << c.name;
        EXPECT_EQ(link.RxCount, 0) << c.name;
        EXPECT_TRUE(link.RxBuffer.isEmpty()) << c.name;
    }
}

TEST(ReplyParser, CountsAcrossNotificationsAndDiscardsBursts)
{
    LinkState link;
    TprojectProp screen;
    EXPECT_EQ(ComPortRxChar(link, screen, hex("60")).event, RxEvent::None);
    EXPECT_EQ(ComPortRxChar(link, screen, hex("0100")).event, RxEvent::Acknowledged);

    LinkState burst;
    EXPECT_EQ(ComPortRxChar(burst, screen, hex("600100") + QByteArray(31, '\0')).event, RxEvent::Overflow);
    EXPECT_EQ(burst.ReplyFlag, 0);
    EXPECT_EQ(burst.RxCount, 0);

    // Four bytes are kept; more make it neither 3 nor 33.
    LinkState four;
    EXPECT_EQ(ComPortRxChar(four, screen, hex("00600100")).event, RxEvent::None);
    EXPECT_EQ(four.RxCount, 4);
    EXPECT_EQ(four.ReplyFlag, 0);
}

TEST(ReplyParser, SettingsReplyIsAppliedOnlyForOurAddress)
{
    QByteArray reply(kSettingsReplyLength, '\0');
    reply[0] = 5;
    reply[3] = 60; // refresh
    reply[5] = 32; // width / 8
    reply[6] = 16; // height
    reply[7] = 2;  // B
    reply[9] = 1;  // dual colour
    reply[10] = 2; // grey
    reply[13] = 3; // unit board + 1
    reply[14] = 0; // data logic
    reply[15] = 1; // OE logic
    reply[17] = 6; // power on 06:45
    reply[18] = 45;
    reply[19] = 23; // power off 23:10
    reply[20] = 10;
    reply[21] = char(180); // day level
    reply[22] = 30;        // night level
    reply[24] = 7;         // day from 07:05
    reply[25] = 5;
    reply[26] = 19; // night from 19:50
    reply[27] = 50;

    LinkState link;
    link.ReplyAddressMode = ReplyToCardAddress;
    TprojectProp screen;
    screen.cardAddress = 5;
    const RxResult r = ComPortRxChar(link, screen, reply);
    EXPECT_EQ(r.event, RxEvent::SettingsApplied);
    EXPECT_EQ(link.ReplyFlag, kReplyAcknowledged);
    EXPECT_EQ(screen.refreshRate, 60);
    EXPECT_EQ(screen.screenWidth, 256);
    EXPECT_EQ(screen.screenHeight, 16);
    EXPECT_EQ(screen.cardModel, QStringLiteral("B类卡"));
    EXPECT_EQ(screen.colourType, 1);
    EXPECT_EQ(screen.greyLevel, 2);
    EXPECT_EQ(screen.unitBoardType, 2);
    EXPECT_EQ(screen.dataLogic, 0);
    EXPECT_EQ(screen.oeLogic, 1);
    EXPECT_EQ(screen.powerOnHour, 6);
    EXPECT_EQ(screen.powerOnMinute, 45);
    EXPECT_EQ(screen.powerOffHour, 23);
    EXPECT_EQ(screen.powerOffMinute, 10);
    EXPECT_EQ(screen.dayBrightness, 180);
    EXPECT_EQ(screen.nightBrightness, 30);
    EXPECT_EQ(screen.dayBrightnessHour, 7);
    EXPECT_EQ(screen.dayBrightnessMinute, 5);
    EXPECT_EQ(screen.nightBrightnessHour, 19);
    EXPECT_EQ(screen.nightBrightnessMinute, 50);
    EXPECT_EQ(screen.cardAddress, 5);

    TprojectProp other;
    other.cardAddress = 6;
    LinkState link2;
    EXPECT_EQ(ComPortRxChar(link2, other, reply).event, RxEvent::SettingsRejected);
    EXPECT_EQ(link2.ReplyFlag, 0);
    EXPECT_EQ(other.screenWidth, 0);
}

TEST(ReplyParser, CardClassFromReply)
{
    EXPECT_EQ(cardModelFromReply(3), QStringLiteral("C类卡"));
    EXPECT_EQ(cardModelFromReply(2), QStringLiteral("B类卡"));
    EXPECT_EQ(cardModelFromReply(1), QStringLiteral("A类卡"));
    EXPECT_EQ(cardModelFromReply(0), QStringLiteral("A类卡"));
    EXPECT_EQ(cardModelFromReply(9), QStringLiteral("A类卡"));
}

TEST(ReplyParser, SettingsReplyInPiecesThroughThreeBytes)
{
    QByteArray reply(kSettingsReplyLength, '\x04');
    reply[0] = 1;
    // Without the read-settings request outstanding the first three bytes are
    // judged as an acknowledgement and the rest can no longer make 33.
    {
        LinkState link;
        TprojectProp screen;
        screen.cardAddress = 1;
        EXPECT_EQ(ComPortRxChar(link, screen, reply.left(3)).event, RxEvent::AckRejected);
        EXPECT_EQ(ComPortRxChar(link, screen, reply.mid(3)).event, RxEvent::None);
        EXPECT_EQ(link.ReplyFlag, 0);
    }
    // While it is outstanding the pieces add up to the reply.
    {
        LinkState link;
        link.expectSettingsReply = true;
        link.ReplyAddressMode = ReplyToCardAddress;
        TprojectProp screen;
        screen.cardAddress = 1;
        EXPECT_EQ(ComPortRxChar(link, screen, reply.left(3)).event, RxEvent::None);
        EXPECT_EQ(ComPortRxChar(link, screen, reply.mid(3, 10)).event, RxEvent::None);
        EXPECT_EQ(ComPortRxChar(link, screen, reply.mid(13)).event, RxEvent::SettingsApplied);
        EXPECT_EQ(screen.screenWidth, 32);
    }
}
