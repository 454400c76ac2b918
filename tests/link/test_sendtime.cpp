#include "link/sendtime.h"

#include <gtest/gtest.h>

using namespace dotsign;

TEST(SendEstimate, WireTimeAndWaits)
{
    // One page of a single-colour 128 x 32 screen: 512 bytes, one block (number 2).
    const SendEstimate one = estimateProgram(ProgramShape{1, 1, 32, 16, 1}, 9600);
    EXPECT_EQ(one.dataBlocks, 1);
    EXPECT_EQ(one.wireBytes, 252 + 530 + 10);
    EXPECT_EQ(one.wireMs, 825); // 7920 bits at 9600 bit/s, rounded up
    EXPECT_EQ(one.waitMs, 1000 + 600 + 1000 + 300);

    // Blocks 2..9: block 8 waits 1500 ms while the card writes its flash.
    const SendEstimate eight = estimateProgram(ProgramShape{1, 8, 256, 16, 1}, 4800);
    EXPECT_EQ(eight.dataBlocks, 8);
    EXPECT_EQ(eight.waitMs, 1000 + 7 * 600 + 1500 + 1000 + 300);
    EXPECT_EQ(eight.wireMs, wireTimeMs(252 + 8 * 530 + 10, 4800));

    // Nothing rendered: the index and the end frame still go out.
    EXPECT_EQ(estimateProgram(ProgramShape{1, 0, 0, 16, 1}, 9600).dataBlocks, 0);
}
