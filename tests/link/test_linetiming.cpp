// At a real line speed the reply wait starts only when the frame has left the
// port: at 4800 bit/s a 530-byte block is 1.1 s on the wire, longer than its
// 600 ms wait, and the card must still get the full wait after the last byte.

#include "link/downloadframes.h"
#include "link/frames.h"
#include "linkrig.h"

using namespace dotsign;
using namespace dotsign::test;

TEST(LineTiming, CardGetsTheFullWaitAfterEachBlockAt4800)
{
    CardOptions o;
    o.cardClass = 'A'; // silent: every wait runs out
    o.baudRate = 4800;
    LinkRig rig(o, QStringLiteral("A类卡"), 4800);

    const qint64 wireUs = kDataBlockLength * 10LL * 1000 * 1000 / 4800; // about 1.1 s
    for (int block = 2; block <= 3; ++block) {
        setDataBlock(rig.link.frameBuffer, 1, block, QByteArray(kBlockDataSize, char(block)));
        QElapsedTimer t;
        t.start();
        const ExchangeResult r =
            rig.exchange->send(dataBlockFrame(rig.link.frameBuffer, 1), dataBlockWait(block));
        EXPECT_TRUE(r.acknowledged) << "A class counts as acknowledged";
        EXPECT_GE(t.elapsed() * 1000, wireUs + 600 * 1000 - 20 * 1000) << "block " << block;
    }
    spin(50);
    const auto& log = rig.card.log();
    ASSERT_EQ(log.size(), 2u);
    for (const LoggedFrame& f : log) {
        EXPECT_EQ(f.kind, CardFrameKind::DataBlock);
        EXPECT_GE(f.lastByteUs - f.firstByteUs, wireUs - 5000) << "the card saw the bytes at line speed";
    }
    const qint64 gapUs = log[1].firstByteUs - log[0].lastByteUs;
    EXPECT_GE(gapUs, 500 * 1000) << "the next block started " << gapUs / 1000 << " ms after the last byte";
    EXPECT_EQ(rig.card.programs().at(1).blocks.size(), 2u);
}

TEST(LineTiming, AcknowledgementFollowsTheLastByte)
{
    CardOptions o;
    o.baudRate = 9600;
    LinkRig rig(o, QStringLiteral("B类卡"), 9600);
    setDataBlock(rig.link.frameBuffer, 1, 2, QByteArray(kBlockDataSize, '\x0F'));
    QElapsedTimer t;
    t.start();
    const ExchangeResult r = rig.exchange->send(dataBlockFrame(rig.link.frameBuffer, 1), 1500);
    const qint64 wireMs = kDataBlockLength * 10LL * 1000 / 9600; // about 550 ms
    EXPECT_TRUE(r.acknowledged);
    EXPECT_GE(t.elapsed(), wireMs);
    EXPECT_LT(t.elapsed(), wireMs + 1200) << "the wait ends at the acknowledgement";
}
