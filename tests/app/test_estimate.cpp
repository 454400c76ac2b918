// The download time estimate: wire time at 10 bits a byte plus the waits
// that an A-class card always runs out.

#include "app/sendestimate.h"

#include <gtest/gtest.h>

using namespace dotsign;

TEST(SendEstimate, AClassProgramIsWireTimePlusEveryFullWait)
{
    struct Case
    {
        const char* name;
        qint64 streamBytes;
        int baud;
        qint64 expectedMs;
    };
    // At 9600 bit/s: index 252 bytes = 263 ms, block 530 bytes = 553 ms,
    // end 10 bytes = 11 ms (each rounded up).
    const Case cases[] = {
        {"no data: index and end only", 0, 9600, 263 + 1000 + 1000 + 11 + 300},
        {"one block (block 2)", 512, 9600, 263 + 1000 + 553 + 600 + 1000 + 11 + 300},
        {"a partial block counts whole", 600, 9600, 263 + 1000 + 2 * (553 + 600) + 1000 + 11 + 300},
        // Blocks 2..9: block 8 writes the flash.
        {"eight blocks, one long wait", 8 * 512, 9600,
         263 + 1000 + 8 * 553 + 7 * 600 + 1500 + 1000 + 11 + 300},
        {"115200 bit/s", 512, 115200, 22 + 1000 + 47 + 600 + 1000 + 1 + 300},
    };
    for (const Case& c : cases)
        EXPECT_EQ(programSendMs(c.streamBytes, c.baud, true), c.expectedMs) << c.name;
}

TEST(SendEstimate, AnsweringCardsCostOnlyTheirWireTime)
{
    // B and C cards answer at once: frame plus a three-byte answer (4 ms at 9600).
    EXPECT_EQ(programSendMs(512, 9600, false), (263 + 4) + (553 + 4) + (11 + 4));
    EXPECT_LT(programSendMs(100 * 512, 4800, false), programSendMs(100 * 512, 4800, true));
}

TEST(SendEstimate, RemainingTimeFallsAsTheDownloadMoves)
{
    const QList<qint64> programs = {1024, 512};
    const qint64 total = remainingSendMs(programs, 9600, true, 0, 0);
    EXPECT_EQ(total, programSendMs(1024, 9600, true) + programSendMs(512, 9600, true));
    // Program 1's index is out: its index frame no longer counts.
    const qint64 started = remainingSendMs(programs, 9600, true, 1, 0);
    EXPECT_EQ(started, total - (263 + 1000));
    // One block of program 1 sent.
    EXPECT_EQ(remainingSendMs(programs, 9600, true, 1, 512), started - (553 + 600));
    // The last program finished up to its end frame.
    EXPECT_EQ(remainingSendMs(programs, 9600, true, 2, 512), 1000 + 11 + 300);
    // A seven-block program (blocks 2..8) with six blocks sent has block 8
    // left, the one with the long wait.
    EXPECT_EQ(programSendMs(7 * 512, 9600, true, 6 * 512), 553 + 1500 + 1000 + 11 + 300);
}

TEST(SendEstimate, DurationText)
{
    EXPECT_EQ(durationText(0), QStringLiteral("0秒"));
    EXPECT_EQ(durationText(1), QStringLiteral("1秒"));
    EXPECT_EQ(durationText(59000), QStringLiteral("59秒"));
    EXPECT_EQ(durationText(65000), QStringLiteral("1分05秒"));
}
