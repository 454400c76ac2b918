// The card's reading of the line: frames by their fixed layouts, noise skipped.

#include "link/downloadframes.h"
#include "link/frames.h"
#include "sim/cardparser.h"
#include "support_screens.h"

#include <gtest/gtest.h>

using namespace dotsign;
using dotsign::test::screenOf;

namespace {

struct KindCase
{
    const char* name;
    QByteArray frame;
    CardFrameKind kind;
};

std::vector<KindCase> everyFrame()
{
    const QString b = QStringLiteral("B类卡");
    const TprojectProp screen = screenOf(1);
    FrameBuffer buffer;
    const QByteArray index = *programIndexFrame(buffer, screen, 0, 1);
    setDataBlock(buffer, 1, 2, QByteArray(kBlockDataSize, 'S')); // data that looks like tags
    const QByteArray block = dataBlockFrame(buffer, 1);
    const QByteArray end = endOfProgramFrame(buffer, 1);
    return {
        {"power", powerFrame(1, 1), CardFrameKind::Power},
        {"pause", pauseFrame(1, 1), CardFrameKind::Pause},
        {"border", borderFrame(1, kBorderOn), CardFrameKind::Border},
        {"brightness", lightFrame(1, 7, 0, 19, 0, 200, 200), CardFrameKind::Light},
        {"clock", timerFrame(1, QDateTime(QDate(2009, 5, 10), QTime(8, 6, 1)), 7, 0, 22, 30),
         CardFrameKind::Timer},
        {"settings", screenSettingsFrame(screen, HardwareSettings{}), CardFrameKind::ScreenSettings},
        {"index", index, CardFrameKind::ProgramIndex},
        {"block", block, CardFrameKind::DataBlock},
        {"end", end, CardFrameKind::EndOfProgram},
        {"read settings", readSettingsRequest(0), CardFrameKind::ReadSettings},
        {"comm test", commTestProbe(0, b), CardFrameKind::CommTest},
        {"comm test all", commTestProbe(kBroadcastIndex, b), CardFrameKind::CommTestAll},
        {"discovery", discoveryProbe(), CardFrameKind::Discovery},
        {"unit test", unitTestFrame(0, b), CardFrameKind::UnitTest},
        {"unit test all", unitTestFrame(kBroadcastIndex, b), CardFrameKind::UnitTest},
    };
}

std::vector<CardFrame> feedInPieces(const QByteArray& bytes, int piece)
{
    CardParser parser;
    std::vector<CardFrame> out;
    for (int i = 0; i < bytes.size(); i += piece)
        for (CardFrame& f : parser.feed(bytes.mid(i, piece), i))
            out.push_back(std::move(f));
    return out;
}

} // namespace

TEST(CardParser, RecognisesEveryFrameWholeAndBytewise)
{
    for (const KindCase& c : everyFrame()) {
        for (int piece : {int(c.frame.size()), 1, 7}) {
            const auto frames = feedInPieces(c.frame, piece);
            ASSERT_EQ(frames.size(), 1u) << c.name << " in pieces of " << piece;
            EXPECT_EQ(frames[0].kind, c.kind) << c.name;
            EXPECT_EQ(frames[0].bytes, c.frame) << c.name;
        }
    }
}

TEST(CardParser, BackToBackFramesAndNoiseBetweenThem)
{
    QByteArray stream;
    std::vector<CardFrameKind> expected;
    for (const KindCase& c : everyFrame()) {
        stream += QByteArray("\x01\x02", 2) + c.frame;
        expected.push_back(CardFrameKind::Garbage);
        expected.push_back(c.kind);
    }
    for (int piece : {int(stream.size()), 3}) {
        const auto frames = feedInPieces(stream, piece);
        std::vector<CardFrameKind> kinds;
        for (const CardFrame& f : frames) // noise may come out in several runs
            if (kinds.empty() || f.kind != CardFrameKind::Garbage || kinds.back() != CardFrameKind::Garbage)
                kinds.push_back(f.kind);
        EXPECT_EQ(kinds, expected) << "pieces of " << piece;
    }
}

TEST(CardParser, AWrongFixedByteMakesTheFrameNoise)
{
    struct Case
    {
        const char* name;
        QByteArray frame;
        int offset;
    };
    const Case cases[] = {
        {"power trailer", powerFrame(1, 1), 16},
        {"pause with two different states", pauseFrame(1, 1), 9},
        {"border run of FE", borderFrame(1, kBorderOn), 11},
        {"settings constant 0x02", screenSettingsFrame(TprojectProp{}, HardwareSettings{}), 15},
        {"end marker", QByteArray::fromHex("FFFEFDFCFBFAFF010103"), 3},
    };
    for (const Case& c : cases) {
        QByteArray bad = c.frame;
        bad[c.offset] = static_cast<char>(bad[c.offset] ^ 0x40);
        CardParser parser;
        auto frames = parser.feed(bad + powerFrame(1, 0), 0);
        for (CardFrame& f : parser.flush())
            frames.push_back(f);
        ASSERT_FALSE(frames.empty()) << c.name;
        EXPECT_EQ(frames.front().kind, CardFrameKind::Garbage) << c.name;
        EXPECT_EQ(frames.back().kind, CardFrameKind::Power)
            << c.name << ": the next good frame is still found";
        EXPECT_EQ(frames.back().bytes, powerFrame(1, 0)) << c.name;
    }
}

TEST(CardParser, IncompleteFrameWaitsAndFlushGivesItUp)
{
    CardParser parser;
    EXPECT_TRUE(parser.feed(powerFrame(1, 1).left(10), 0).empty());
    EXPECT_TRUE(parser.hasPending());
    const auto given = parser.flush();
    ASSERT_EQ(given.size(), 1u);
    EXPECT_EQ(given[0].kind, CardFrameKind::Garbage);
    EXPECT_EQ(given[0].bytes.size(), 10);
    EXPECT_FALSE(parser.hasPending());
    EXPECT_EQ(parser.feed(powerFrame(1, 1), 0).size(), 1u);
}

TEST(CardParser, ByteTimesMarkFirstAndLastByte)
{
    CardParser parser;
    const QByteArray f = readSettingsRequest(0);
    const std::vector<qint64> times = {100, 200, 300, 400, 500};
    const auto frames = parser.feed(f, 0, times);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].firstByteUs, 100);
    EXPECT_EQ(frames[0].lastByteUs, 500);
}
