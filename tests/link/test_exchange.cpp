// The exchange over a real pseudo-terminal against the virtual card.

#include "link/frames.h"
#include "link/senders.h"
#include "linkrig.h"

#include <QLoggingCategory>

using namespace dotsign;
using namespace dotsign::test;

namespace {

const QString kNoReply = QString::fromUtf8(kNoReplyMessage);
const QString kSendFailed = QString::fromUtf8(kSendFailedMessage);

CardOptions cardClass(char c, int address = 1)
{
    CardOptions o;
    o.cardClass = c;
    o.address = address;
    return o;
}

} // namespace

TEST(Exchange, AcknowledgedPowerOnReachesTheCardAndReturnsEarly)
{
    LinkRig rig;
    QElapsedTimer t;
    t.start();
    const ExchangeResult r = rig.exchange->send(powerFrame(1, 1), 3000);
    EXPECT_LT(t.elapsed(), 1000) << "the wait ends as soon as the acknowledgement is in";
    EXPECT_TRUE(r.acknowledged);
    EXPECT_FALSE(r.portFailed);
    EXPECT_EQ(rig.link.ReplyFlag, kReplyAcknowledged);
    EXPECT_EQ(rig.card.power(), 1);
    EXPECT_FALSE(rig.transport->isOpen()) << "the port is closed between exchanges";
    ASSERT_EQ(rig.card.log().size(), 1u);
    EXPECT_EQ(rig.card.log()[0].answer, hex("600100"));
}

TEST(Exchange, SilentCardGivesOneNoReplyForBClassAndNoneForAClass)
{
    struct Case
    {
        const char* screenClass;
        bool acknowledged;
        QString message;
    };
    for (const Case& c : {Case{"B类卡", false, kNoReply}, Case{"A类卡", true, QString()}}) {
        LinkRig rig(cardClass('A'), QString::fromUtf8(c.screenClass));
        QElapsedTimer t;
        t.start();
        const Status s = SendPower(*rig.exchange, 1);
        EXPECT_GE(t.elapsed(), kPowerWait - 5) << c.screenClass << ": the full wait is spent";
        EXPECT_EQ(s.ok, c.acknowledged) << c.screenClass;
        EXPECT_EQ(s.message, c.message) << c.screenClass;
        EXPECT_EQ(rig.card.power(), 1) << "the silent card still took the frame";
        // The A-class frame is sent to every card.
        EXPECT_EQ(static_cast<uint8_t>(rig.card.log().at(0).bytes.at(7)), c.acknowledged ? 0xFF : 0x01);
    }
}

TEST(Exchange, RepliesThatAreNotOursAreIgnored)
{
    struct Case
    {
        const char* name;
        QByteArray reply;
    };
    const Case cases[] = {
        {"wrong address", hex("600200")},
        {"wrong first byte", hex("610100")},
        {"34-byte burst", hex("600100") + QByteArray(31, '\x01')},
        {"noise before the acknowledgement", hex("00600100")},
    };
    for (const Case& c : cases) {
        LinkRig rig(cardClass('A')); // the card stays silent; the test answers for it
        QObject::connect(&rig.card, &VirtualCard::frameReceived, &rig.card,
                         [&rig, &c](const LoggedFrame&) { rig.card.inject(c.reply); });
        const ExchangeResult r = rig.exchange->send(powerFrame(1, 1), 150);
        EXPECT_FALSE(r.acknowledged) << c.name;
        EXPECT_EQ(rig.link.ReplyFlag, 0) << c.name;
        EXPECT_EQ(r.status(true).message, kNoReply) << c.name;
    }
}

TEST(Exchange, CardAtAnotherAddressDoesNotAnswer)
{
    LinkRig rig(cardClass('B', 2));
    const Status s = SendPower(*rig.exchange, 0);
    EXPECT_EQ(s.message, kNoReply);
    EXPECT_FALSE(rig.card.power().has_value());
    EXPECT_FALSE(rig.card.log().at(0).forUs);
}

TEST(Exchange, BroadcastTargetAcceptsAnyAnsweringCard)
{
    LinkRig rig(cardClass('B', 7));
    rig.link.targetIndex = kBroadcastIndex;
    const Status s = SendPower(*rig.exchange, 1);
    EXPECT_TRUE(s.ok) << s.message.toStdString();
    EXPECT_EQ(static_cast<uint8_t>(rig.card.log().at(0).bytes.at(7)), 0xFF);
}

TEST(Exchange, SettingsReplyIsAppliedToTheScreenRecord)
{
    CardOptions o = cardClass('C');
    LinkRig rig(o);
    // Give the card settings of its own: 256 x 48, refresh 60, unit board 2.
    TprojectProp sent;
    sent.cardAddress = 1;
    sent.baudRate = 19200;
    sent.refreshRate = 60;
    sent.screenWidth = 256;
    sent.screenHeight = 48;
    sent.colourType = 1;
    sent.unitBoardType = 2;
    HardwareSettings hw;
    hw.powerOnHour = 6;
    hw.powerOffHour = 23;
    hw.dayBrightness = 200;
    rig.link.ReplyAddressMode = ReplyToCardAddress;
    ASSERT_TRUE(rig.exchange->send(screenSettingsFrame(sent, hw), 1000).acknowledged);

    QByteArray seen;
    QObject::connect(rig.exchange.get(), &Exchange::settingsReplyApplied, rig.exchange.get(),
                     [&seen](const QByteArray& reply) { seen = reply; });
    const Status s = SendReadSettings(*rig.exchange, 0);
    EXPECT_TRUE(s.ok) << s.message.toStdString();
    const TprojectProp& got = rig.state.cur();
    EXPECT_EQ(seen.size(), kSettingsReplyLength);
    EXPECT_EQ(got.screenWidth, 256);
    EXPECT_EQ(got.screenHeight, 48);
    EXPECT_EQ(got.refreshRate, 60);
    EXPECT_EQ(got.colourType, 1);
    EXPECT_EQ(got.unitBoardType, 2);
    EXPECT_EQ(got.cardModel, QStringLiteral("C类卡"));
    EXPECT_EQ(got.powerOnHour, 6);
    EXPECT_EQ(got.powerOffHour, 23);
    EXPECT_EQ(got.dayBrightness, 200);
}

TEST(Exchange, SettingsReplyFromAnotherCardChangesNothing)
{
    LinkRig rig(cardClass('B', 3));
    rig.state.cur().screenWidth = 64;
    const Status s = SendReadSettings(*rig.exchange, kBroadcastIndex); // "SNDR" 0xFF: every card answers
    EXPECT_EQ(s.message, kNoReply);
    EXPECT_EQ(rig.state.cur().screenWidth, 64);
}

TEST(Exchange, SettingsReplyArrivingInPiecesIsNotLost)
{
    LinkRig rig(cardClass('A'));
    const QByteArray reply = QByteArray(1, '\x01') + QByteArray(32, '\x02');
    QObject::connect(&rig.card, &VirtualCard::frameReceived, &rig.card, [&rig, reply](const LoggedFrame&) {
        rig.card.inject(reply.left(3));
        QTimer::singleShot(40, &rig.card, [&rig, reply] { rig.card.inject(reply.mid(3)); });
    });
    const Status s = SendReadSettings(*rig.exchange, 0);
    EXPECT_TRUE(s.ok) << s.message.toStdString();
    EXPECT_EQ(rig.state.cur().screenWidth, 16);
    EXPECT_FALSE(rig.link.expectSettingsReply);
}

TEST(Exchange, PortThatVanishesDuringTheWaitFailsTheSend)
{
    LinkRig rig(cardClass('A'));
    QObject::connect(&rig.card, &VirtualCard::frameReceived, &rig.card, [&rig](const LoggedFrame&) {
        QTimer::singleShot(20, &rig.card, [&rig] { rig.card.stop(); });
    });
    QElapsedTimer t;
    t.start();
    const ExchangeResult r = rig.exchange->send(powerFrame(1, 1), 5000);
    EXPECT_EQ(r.status(true).message, kSendFailed);
    EXPECT_LT(t.elapsed(), 2500) << "the wait ends when the line breaks";
    EXPECT_FALSE(rig.transport->isOpen());
}

TEST(Exchange, PortThatIsGoneBeforeTheExchangeFailsTheSend)
{
    LinkRig rig;
    rig.card.stop();
    const ExchangeResult r = rig.exchange->send(powerFrame(1, 1), 100);
    EXPECT_TRUE(r.portFailed);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_EQ(r.status(false).message, kSendFailed);
    EXPECT_FALSE(rig.transport->isOpen());
}

TEST(Exchange, DroppedAcknowledgementIsReportedOnlyForThatFrame)
{
    CardOptions o;
    o.dropEveryNthAck = 2;
    LinkRig rig(o);
    EXPECT_TRUE(SendPAUSE(*rig.exchange, 1).ok);
    EXPECT_EQ(SendPAUSE(*rig.exchange, 0).message, kNoReply);
    EXPECT_TRUE(SendPAUSE(*rig.exchange, 0).ok);
    EXPECT_EQ(rig.card.pause(), 0);
}

TEST(Exchange, LateReplyOfAnEarlierExchangeIsNotTakenForTheNext)
{
    CardOptions o;
    o.ackDelayMs = 150;
    LinkRig rig(o);
    EXPECT_FALSE(rig.exchange->send(powerFrame(1, 1), 50).acknowledged);
    spin(250); // the acknowledgement arrives while the port is closed
    rig.card.setOptions(cardClass('A'));
    EXPECT_FALSE(rig.exchange->send(powerFrame(1, 0), 100).acknowledged);
}

TEST(Exchange, ControlSendersCarryTheirValuesToTheCard)
{
    LinkRig rig;
    ASSERT_TRUE(Sendlsbk(*rig.exchange, kBorderOn).ok);
    ASSERT_TRUE(SendLight(*rig.exchange, 7, 30, 19, 0, 150, 20).ok);
    const QDateTime at(QDate(2009, 5, 10), QTime(8, 6, 1));
    ASSERT_TRUE(SendTimer(*rig.exchange, at, 7, 0, 22, 30).ok);
    EXPECT_EQ(rig.card.border(), true);
    EXPECT_EQ(rig.card.brightness(), hex("07 1E 13 00 96 14"));
    EXPECT_EQ(rig.card.clock(), hex("09 05 0A 00 08 06 01 07 00 16 1E"));
}

TEST(Exchange, ProbesOfTheHardwareDialogAndDiscovery)
{
    LinkRig rig(cardClass('B', 1));
    rig.link.ReplyAddressMode = ReplyToTestAddress;
    const ExchangeResult comm = SendCommTest(*rig.exchange);
    EXPECT_EQ(commTestMessage(comm, rig.link, rig.state.cur().cardModel).message,
              QStringLiteral("通讯测试,通讯正常。"));
    const ExchangeResult unit = SendTest(*rig.exchange);
    EXPECT_EQ(unitTestMessage(unit, rig.link, rig.state.cur().cardModel).message,
              QStringLiteral("通讯连接正常。"));

    rig.link.ReplyAddressMode = ReplyToTarget;
    EXPECT_TRUE(SendDiscoveryProbe(*rig.exchange).acknowledged);
    EXPECT_EQ(rig.card.log().back().kind, CardFrameKind::Discovery);
}

namespace {
QStringList g_logged;
void captureLog(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (QByteArray(context.category) == "dotsign.link")
        g_logged << message;
}
} // namespace

TEST(Exchange, FramesAndRepliesAreHexDumpedAtDebugLevel)
{
    LinkRig rig;
    QLoggingCategory::setFilterRules(QStringLiteral("dotsign.link.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(captureLog);
    rig.exchange->send(pauseFrame(1, 1), 1000);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_TRUE(g_logged.contains(QStringLiteral("tx 53 4E 44 44 41 54 FF 01 01 01 53 4E 44 44 45 4E FF FF")))
        << g_logged.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(g_logged.contains(QStringLiteral("rx 60 01 00")))
        << g_logged.join(QLatin1Char('\n')).toStdString();
}

TEST(Exchange, WhatTheHardwareDialogTestsShow)
{
    struct Case
    {
        const char* name;
        bool portFailed;
        bool acknowledged;
        int testIndex;
        const char* model;
        QString unit;
        QString comm;
    };
    const QString ok = QStringLiteral("通讯测试,通讯正常。");
    const QString okA = QStringLiteral("A类卡请查看显示屏上是不是显示《通讯测试》,如果是通讯正常。");
    const Case cases[] = {
        {"B answered", false, true, 0, "B类卡", QStringLiteral("通讯连接正常。"), ok},
        {"B silent", false, false, 0, "B类卡", kNoReply, kNoReply},
        {"A (always acknowledged)", false, true, 0, "A类卡", QString(), okA},
        {"all cards", false, false, kBroadcastIndex, "B类卡", QString(), QString()},
        {"port failed", true, false, 0, "B类卡", kSendFailed, QString()},
    };
    for (const Case& c : cases) {
        ExchangeResult r;
        r.portFailed = c.portFailed;
        r.acknowledged = c.acknowledged;
        LinkState link;
        link.testIndex = c.testIndex;
        const QString model = QString::fromUtf8(c.model);
        EXPECT_EQ(unitTestMessage(r, link, model).message, c.unit) << c.name;
        EXPECT_EQ(commTestMessage(r, link, model).message, c.comm) << c.name;
    }
}
