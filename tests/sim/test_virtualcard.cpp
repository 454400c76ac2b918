// The virtual card seen from a plain file descriptor on the slave side.

#include "link/downloadframes.h"
#include "link/frames.h"
#include "sim/virtualcard.h"
#include "support_screens.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace dotsign;
using dotsign::test::screenOf;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

// The host side, kept as bare as possible.
class RawHost
{
public:
    explicit RawHost(const QString& path) : m_fd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY))
    {
        termios t{};
        ::tcgetattr(m_fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_fd, TCSANOW, &t);
    }
    ~RawHost() { ::close(m_fd); }

    // Writes `frame`, lets the card run, returns what came back within `ms`.
    QByteArray exchange(const QByteArray& frame, int ms = 100)
    {
        EXPECT_EQ(::write(m_fd, frame.constData(), static_cast<size_t>(frame.size())), frame.size());
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            QEventLoop loop;
            QTimer::singleShot(5, &loop, &QEventLoop::quit);
            loop.exec();
            pollfd p{m_fd, POLLIN, 0};
            while (::poll(&p, 1, 0) > 0 && (p.revents & POLLIN)) {
                char buf[256];
                const ssize_t n = ::read(m_fd, buf, sizeof buf);
                if (n <= 0)
                    break;
                got.append(buf, static_cast<int>(n));
            }
        }
        return got;
    }

private:
    int m_fd;
};

struct Rig
{
    explicit Rig(CardOptions o = {}) : card(std::move(o))
    {
        EXPECT_TRUE(card.start().ok);
        host = std::make_unique<RawHost>(card.portPath());
    }
    VirtualCard card;
    std::unique_ptr<RawHost> host;
};

CardOptions options(char cardClass, int address = 1)
{
    CardOptions o;
    o.cardClass = cardClass;
    o.address = address;
    return o;
}

} // namespace

TEST(VirtualCard, AnswersByClassAndAddress)
{
    struct Case
    {
        const char* name;
        char cardClass;
        int address;
        QByteArray frame;
        QByteArray answer;
    };
    const QString b = QStringLiteral("B类卡");
    const Case cases[] = {
        {"B acknowledges power", 'B', 1, powerFrame(1, 1), hex("600100")},
        {"C acknowledges broadcast", 'C', 9, powerFrame(0xFF, 1), hex("600900")},
        {"A never answers", 'A', 1, powerFrame(0xFF, 1), {}},
        {"other address", 'B', 2, powerFrame(1, 1), {}},
        {"comm test", 'B', 5, commTestProbe(4, b), hex("600500")},
        {"comm test of another card", 'B', 5, commTestProbe(0, b), {}},
        {"CONE", 'B', 5, commTestProbe(kBroadcastIndex, b), hex("600500")},
        {"discovery answers as card 1", 'B', 5, discoveryProbe(), hex("600100")},
        {"Test reaches every card", 'B', 5, unitTestFrame(kBroadcastIndex, b), hex("600500")},
        {"noise", 'B', 1, hex("0102030405"), {}},
    };
    for (const Case& c : cases) {
        Rig rig(options(c.cardClass, c.address));
        EXPECT_EQ(rig.host->exchange(c.frame, 60), c.answer) << c.name;
        ASSERT_FALSE(rig.card.log().empty()) << c.name;
    }
}

TEST(VirtualCard, SettingsAreKeptAndReadBack)
{
    Rig rig(options('C', 1));
    const QByteArray before = rig.host->exchange(readSettingsRequest(0));
    ASSERT_EQ(before.size(), kSettingsReplyLength);
    EXPECT_EQ(before.at(0), 1);
    EXPECT_EQ(before.at(5), 16) << "128 dots wide by default";
    EXPECT_EQ(before.at(7), 3) << "C class";

    TprojectProp s;
    s.cardAddress = 4;
    s.screenWidth = 192;
    s.screenHeight = 64;
    s.baudRate = 19200;
    HardwareSettings hw;
    hw.nightBrightness = 33;
    // The settings frame goes to every card and gives this one its new address.
    EXPECT_EQ(rig.host->exchange(screenSettingsFrame(s, hw)), hex("600400"));
    EXPECT_EQ(rig.card.address(), 4);
    EXPECT_TRUE(rig.host->exchange(readSettingsRequest(0), 60).isEmpty()) << "no longer card 1";
    const QByteArray after = rig.host->exchange(readSettingsRequest(3));
    ASSERT_EQ(after.size(), kSettingsReplyLength);
    EXPECT_EQ(after, rig.card.settingsReply());
    EXPECT_EQ(after.at(0), 4);
    EXPECT_EQ(after.at(5), 24);
    EXPECT_EQ(after.at(6), 64);
    EXPECT_EQ(after.at(22), 33);
}

TEST(VirtualCard, KeepsControlState)
{
    Rig rig;
    rig.host->exchange(powerFrame(1, 0));
    rig.host->exchange(pauseFrame(1, 1));
    rig.host->exchange(borderFrame(1, kBorderOn));
    rig.host->exchange(lightFrame(1, 6, 30, 18, 45, 120, 15));
    rig.host->exchange(timerFrame(1, QDateTime(QDate(2009, 5, 10), QTime(8, 6, 1)), 7, 0, 22, 30));
    EXPECT_EQ(rig.card.power(), 0);
    EXPECT_EQ(rig.card.pause(), 1);
    EXPECT_EQ(rig.card.border(), true);
    EXPECT_EQ(rig.card.brightness(), hex("06 1E 12 2D 78 0F"));
    EXPECT_EQ(rig.card.clock(), hex("09 05 0A 00 08 06 01 07 00 16 1E"));
    EXPECT_EQ(rig.card.log().at(0).meaning, QStringLiteral("power off to 1"));
}

TEST(VirtualCard, KeepsDownloadedProgramsAsSent)
{
    Rig rig;
    const TprojectProp screen = screenOf(2);
    FrameBuffer b;
    const QByteArray index = *programIndexFrame(b, screen, 1, 1);
    EXPECT_EQ(rig.host->exchange(index), hex("600100"));
    for (int block = 2; block <= 3; ++block) {
        setDataBlock(b, 2, block, QByteArray(kBlockDataSize, char(block)));
        EXPECT_EQ(rig.host->exchange(dataBlockFrame(b, 1)), hex("600100"));
    }
    b.set(datablock::kProgram, 2);
    b.set(datablock::kBlock, 4);
    EXPECT_EQ(rig.host->exchange(endOfProgramFrame(b, 1)), hex("600100"));

    ASSERT_EQ(rig.card.programs().count(2), 1u);
    const ProgramUpload& p = rig.card.programs().at(2);
    EXPECT_EQ(p.index, index);
    EXPECT_EQ(p.blockOrder, (std::vector<int>{2, 3}));
    EXPECT_EQ(p.blocks.at(3), QByteArray(kBlockDataSize, '\x03'));
    EXPECT_EQ(p.endCount, 4);
}

TEST(VirtualCard, OptionsDelayDropAndGarbage)
{
    CardOptions o;
    o.dropEveryNthAck = 2;
    o.garbage = hex("EE");
    Rig rig(o);
    EXPECT_EQ(rig.host->exchange(powerFrame(1, 1)), hex("EE600100"));
    EXPECT_TRUE(rig.host->exchange(powerFrame(1, 1)).isEmpty());
    EXPECT_TRUE(rig.card.log().back().meaning.endsWith(QStringLiteral("(answer dropped)")));

    CardOptions slow;
    slow.ackDelayMs = 150;
    Rig late(slow);
    EXPECT_TRUE(late.host->exchange(powerFrame(1, 1), 50).isEmpty());
    EXPECT_EQ(late.host->exchange(QByteArray(), 200), hex("600100"));
}

TEST(VirtualCard, IncompleteFrameIsGivenUpAfterSilence)
{
    Rig rig;
    EXPECT_TRUE(rig.host->exchange(powerFrame(1, 1).left(12), 300).isEmpty());
    EXPECT_EQ(rig.host->exchange(powerFrame(1, 1)), hex("600100"));
    ASSERT_EQ(rig.card.log().size(), 2u);
    EXPECT_EQ(rig.card.log()[0].kind, CardFrameKind::Garbage);
    EXPECT_EQ(rig.card.log()[1].kind, CardFrameKind::Power);
}

TEST(VirtualCard, RecordLineShowsBytesMeaningAndAnswer)
{
    Rig rig;
    rig.host->exchange(borderFrame(1, kBorderOff));
    EXPECT_EQ(describeFrame(rig.card.log().at(0)),
              QStringLiteral("53 4E 44 44 41 54 FF 01 30 FE FE FE FE FE 53 4E 44 44 45 4E FF FE  # border "
                             "off to 1 -> 60 01 00"));
}
