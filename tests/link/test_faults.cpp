// The download when the line misbehaves: the port vanishes between blocks or
// while a reply is awaited, the card answers with noise, with half replies,
// or floods the line. Every case ends (no hang), leaves the port closed and
// tells the operator one of the link's fixed messages.
#include "link/frames.h"
#include "link/transdata.h"
#include "linkrig.h"
#include "project/zonefiles.h"
#include "render/fonts.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::test;

namespace {

const QString kSendFailed = QString::fromUtf8(kSendFailedMessage);
const QString kNoReply = QString::fromUtf8(kNoReplyMessage);

// A 256 x 64 red/green screen with `programs` one-page text programs: each
// program is 8 data blocks (32 bytes a row, two colours, 64 rows).
struct DownloadRig : LinkRig
{
    QTemporaryDir dir;
    LedPlanes planes;
    QList<Status> notes;
    int blocksSeen = 0;

    explicit DownloadRig(int programs, CardOptions options = {}) : LinkRig(std::move(options))
    {
        installLedFontSubstitutions();
        state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
        state.hw.screenWidth = 256;
        state.hw.screenHeight = 64;
        state.hw.colourThreshold = 127;
        InitLedDispJiemu(state);
        state.cur().cardModel = QStringLiteral("B类卡");
        state.cur().cardAddress = 1;
        state.screen.colourType = 1;
        state.screen.programCount = programs;
        for (int n = 1; n <= programs; ++n) {
            ZoneRecord& z = state.zone(n, 1);
            z.zoneText = QStringLiteral("今日特价%1").arg(n);
            z.zoneFile = zoneTextFilePath(state, n, 1);
            EXPECT_TRUE(writeZoneTextFile(z.zoneFile, z.zoneText).ok);
        }
        QObject::connect(&card, &VirtualCard::frameReceived, &card, [this](const LoggedFrame& f) {
            if (f.kind == CardFrameKind::DataBlock)
                ++blocksSeen;
        });
    }

    // Pulls the line away once the card has seen `frames` frames of `kind`,
    // before it answers the last of them.
    void vanishAfter(CardFrameKind kind, int frames)
    {
        auto seen = std::make_shared<int>(0);
        QObject::connect(&card, &VirtualCard::frameReceived, &card,
                         [this, kind, frames, seen](const LoggedFrame& f) {
                             if (f.kind == kind && ++*seen == frames)
                                 QTimer::singleShot(0, &card, [this] { card.stop(); });
                         });
    }

    Status run()
    {
        DownloadObserver observer;
        observer.note = [this](const Status& s) { notes.append(s); };
        return transdata(*exchange, planes, observer);
    }
};

} // namespace

TEST(LinkFaults, PortVanishingDuringADownloadStopsItWithTheSendFailure)
{
    struct Case
    {
        const char* name;
        CardFrameKind kind;
        int frames;
        int blocksBefore; // data blocks the card saw before the line went
    };
    const Case cases[] = {
        {"while the first program index awaits its answer", CardFrameKind::ProgramIndex, 1, 0},
        {"after the third data block", CardFrameKind::DataBlock, 3, 3},
        {"in the second program", CardFrameKind::DataBlock, 10, 10},
        {"while the end of program awaits its answer", CardFrameKind::EndOfProgram, 1, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DownloadRig rig(2);
        rig.vanishAfter(c.kind, c.frames);
        const Status s = rig.run();
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.message, kSendFailed);
        EXPECT_FALSE(rig.transport->isOpen());
        EXPECT_EQ(rig.blocksSeen, c.blocksBefore) << "nothing is sent once the line is gone";
        EXPECT_TRUE(rig.notes.isEmpty());
    }
}

// Stands in for a user-interface translation while installed: every
// translated text comes back marked with its context.
class MarkingTranslator : public QTranslator
{
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QStringLiteral("[%1] %2").arg(QLatin1String(context), QString::fromUtf8(source));
    }
};

// The end of the program is the one step whose port failure is recognised by
// its message; in a translated user interface it must still stop the download
// rather than pass as a note on a finished one.
TEST(LinkFaults, PortVanishingAtTheEndOfAProgramFailsInATranslatedInterface)
{
    const MarkingTranslator translated;
    DownloadRig rig(1);
    rig.vanishAfter(CardFrameKind::EndOfProgram, 1);
    const Status s = rig.run();
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.message, QStringLiteral("[Link] ") + kSendFailed);
    EXPECT_TRUE(rig.notes.isEmpty());
    EXPECT_FALSE(rig.transport->isOpen());
}

TEST(LinkFaults, PortMissingBeforeTheDownloadSendsNothing)
{
    DownloadRig rig(1);
    rig.card.stop();
    const Status s = rig.run();
    EXPECT_EQ(s.message, kSendFailed);
    EXPECT_FALSE(rig.transport->isOpen());
    EXPECT_TRUE(rig.card.log().empty());
}

TEST(LinkFaults, ADownloadAfterTheLineCameBackSucceeds)
{
    DownloadRig rig(1);
    rig.vanishAfter(CardFrameKind::DataBlock, 2);
    EXPECT_EQ(rig.run().message, kSendFailed);

    // The adapter is plugged in again (a new card on a new path).
    VirtualCard again;
    ASSERT_TRUE(again.start().ok);
    rig.state.serial.portName = again.portPath();
    const Status s = rig.run();
    EXPECT_TRUE(s.ok) << s.message.toStdString();
    ASSERT_EQ(again.programs().size(), 1u);
    EXPECT_EQ(again.programs().at(1).blocks.size(), 8u);
    EXPECT_EQ(again.programs().at(1).endCount, 10); // blocks 2..9, the count one past the last
}

// Noise in front of every answer makes every reply the wrong length: the
// blocks still all go out (their answers are never checked) and only the
// missing answer to the end of the program is reported, without stopping.
TEST(LinkFaults, NoiseBeforeEveryAnswerIsReportedAtTheEndOfTheProgram)
{
    const QByteArray noises[] = {hex("EE"), hex("600100600100"), QByteArray(40, '\x60')};
    for (const QByteArray& noise : noises) {
        SCOPED_TRACE(noise.toHex().toStdString());
        CardOptions o;
        o.garbage = noise;
        DownloadRig rig(1, o);
        const Status s = rig.run();
        EXPECT_TRUE(s.ok) << s.message.toStdString();
        ASSERT_EQ(rig.notes.size(), 1);
        EXPECT_EQ(rig.notes.front().message, kNoReply);
        ASSERT_EQ(rig.card.programs().size(), 1u);
        EXPECT_EQ(rig.card.programs().at(1).blocks.size(), 8u) << "every block still reached the card";
        EXPECT_FALSE(rig.transport->isOpen());
        EXPECT_LE(rig.link.RxCount, 33);
    }
}

// The card's own answers are dropped and the test answers in their place.
TEST(LinkFaults, PartialAndForeignAnswersAreNotTakenForAcknowledgements)
{
    struct Case
    {
        const char* name;
        QByteArray answer;
        bool acknowledged;
    };
    const Case cases[] = {
        {"whole", hex("600100"), true},
        {"two bytes", hex("6001"), false},
        {"one byte", hex("60"), false},
        {"another card", hex("600200"), false},
        {"wrong first byte", hex("610100"), false},
        {"four bytes", hex("60010000"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CardOptions o;
        o.dropEveryNthAck = 1;
        LinkRig rig(o);
        QObject::connect(&rig.card, &VirtualCard::frameReceived, &rig.card,
                         [&rig, &c](const LoggedFrame&) { rig.card.inject(c.answer); });
        const ExchangeResult r = rig.exchange->send(powerFrame(1, 1), kPowerWait);
        EXPECT_FALSE(r.portFailed);
        EXPECT_EQ(r.acknowledged, c.acknowledged);
        EXPECT_EQ(r.status(true).message, c.acknowledged ? QString() : kNoReply);
        EXPECT_FALSE(rig.transport->isOpen());
    }
}

// An answer split across reads still counts, however it is cut.
TEST(LinkFaults, AnswerArrivingByteByByteIsAcknowledged)
{
    CardOptions o;
    o.dropEveryNthAck = 1;
    LinkRig rig(o);
    QObject::connect(&rig.card, &VirtualCard::frameReceived, &rig.card, [&rig](const LoggedFrame&) {
        rig.card.inject(hex("60"));
        QTimer::singleShot(20, &rig.card, [&rig] { rig.card.inject(hex("01")); });
        QTimer::singleShot(40, &rig.card, [&rig] { rig.card.inject(hex("00")); });
    });
    EXPECT_TRUE(rig.exchange->send(powerFrame(1, 1), 1000).acknowledged);
}

// A peer that never stops sending: each wait still ends on its own timer,
// the receive buffer never holds more than one settings reply and the
// download finishes with the no-answer note.
TEST(LinkFaults, FloodingPeerDoesNotHangTheDownloadOrGrowTheBuffer)
{
    CardOptions o;
    o.dropEveryNthAck = 1;
    DownloadRig rig(1, o);
    QTimer flood;
    int largest = 0;
    QObject::connect(&flood, &QTimer::timeout, &rig.card, [&rig, &largest] {
        rig.card.inject(QByteArray(4096, '\xA5'));
        largest = std::max(largest, rig.link.RxCount);
    });
    flood.start(2);
    const Status s = rig.run();
    flood.stop();
    EXPECT_TRUE(s.ok) << s.message.toStdString();
    ASSERT_EQ(rig.notes.size(), 1);
    EXPECT_EQ(rig.notes.front().message, kNoReply);
    EXPECT_LE(largest, 33);
    EXPECT_EQ(rig.blocksSeen, 8) << "the card still read every block between the noise";
    EXPECT_FALSE(rig.transport->isOpen());
}

// A last zone of height 0 cannot be paged: the download stops before that
// program's index, after the programs in front of it went out whole.
TEST(LinkFaults, LastZoneOfHeightZeroStopsTheDownloadBeforeItsProgram)
{
    DownloadRig rig(2);
    rig.state.zone(2, 1).zoneHeight = 0;
    const Status s = rig.run();
    EXPECT_EQ(s.message, kSendFailed);
    ASSERT_EQ(rig.card.programs().size(), 1u);
    EXPECT_EQ(rig.card.programs().at(1).endCount, 10);
    EXPECT_FALSE(rig.transport->isOpen());
}

// Zones past the screen's edges or bigger than any screen still download:
// the stream is whole frames of the screen, whatever the zone claims.
TEST(LinkFaults, ZonesBeyondTheScreenStillDownloadAScreenSizedStream)
{
    struct Case
    {
        const char* name;
        int x, y, width, height;
    };
    const Case cases[] = {
        {"right of the screen", 300, 0, 256, 64}, {"below the screen", 0, 100, 256, 64},
        {"negative origin", -50, -20, 256, 64},   {"width 0", 0, 0, 0, 64},
        {"huge", 0, 0, 100000, 100000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DownloadRig rig(1);
        ZoneRecord& z = rig.state.zone(1, 1);
        z.zoneX = c.x;
        z.zoneY = c.y;
        z.zoneWidth = c.width;
        z.zoneHeight = c.height;
        const Status s = rig.run();
        EXPECT_TRUE(s.ok) << s.message.toStdString();
        ASSERT_EQ(rig.card.programs().size(), 1u);
        const size_t blocks = rig.card.programs().at(1).blocks.size();
        EXPECT_GE(blocks, 8u);
        EXPECT_EQ(blocks % 8, 0u) << "whole frames of the screen";
        EXPECT_LE(blocks, size_t(LedPlanes::kUsedRows / 64 * 8)) << "never more rows than the planes hold";
    }
}
