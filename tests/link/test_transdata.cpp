// The program stream of the download: shape of a program, block numbering,
// row interleaving, the zero-filled last block and the final count.
#include "link/downloadframes.h"
#include "link/transdata.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace {

struct Sent
{
    int block;
    QByteArray bytes; // frame buffer bytes 8..521 when the block was sent
};

std::vector<Sent> stream(const LedPlanes& planes, const ProgramShape& shape, FrameBuffer& buffer,
                         int* last = nullptr)
{
    std::vector<Sent> sent;
    const StreamResult r = streamProgram(planes, shape, buffer, [&](int block) {
        sent.push_back({block, buffer.bytes(522).mid(8)});
        return Status::success();
    });
    EXPECT_TRUE(r.status.ok);
    if (last)
        *last = r.lastBlock;
    return sent;
}

ProjectState screen(int width, int height, int colourType)
{
    ProjectState state;
    state.hw.screenWidth = width;
    state.hw.screenHeight = height;
    InitLedDispJiemu(state);
    state.screen.colourType = colourType;
    state.screen.programCount = 1;
    return state;
}

} // namespace

TEST(ProgramShape, FramesRowsAndBytesFromTheLastZone)
{
    struct Case
    {
        int width, height, colourType, zoneCount, lastInfoHeight, lastHeight;
        int frames, rows, bytesPerRow, colours;
    };
    const Case cases[] = {
        {128, 32, 0, 1, 32, 32, 1, 32, 16, 1},        // one page, single colour
        {128, 32, 1, 1, 32, 32, 1, 32, 16, 2},        // dual colour
        {100, 32, 0, 1, 32, 32, 1, 32, 12, 1},        // the last 4 columns are never sent
        {128, 32, 0, 3, 48, 16, 3, 96, 16, 1},        // F from zone 3 whatever zones 1 and 2 hold
        {128, 32, 0, 1, 0, 32, 0, 0, 16, 1},          // the zone was never rendered
        {128, 32, 0, 1, 999999, 1, 192, 6144, 16, 1}, // a damaged file cannot run past the planes
    };
    for (const Case& c : cases) {
        ProjectState state = screen(c.width, c.height, c.colourType);
        TjiemuProp& p = state.program(1);
        p.zoneCount = c.zoneCount;
        state.zone(1, 1).zoneInfoHeight = 999; // only the last zone counts
        p.zone(c.zoneCount).zoneInfoHeight = c.lastInfoHeight;
        p.zone(c.zoneCount).zoneHeight = c.lastHeight;
        const auto shape = programShape(state, 1);
        ASSERT_TRUE(shape.has_value());
        EXPECT_EQ(shape->frames, c.frames) << c.width << "x" << c.height << " info " << c.lastInfoHeight;
        EXPECT_EQ(shape->rows, c.rows);
        EXPECT_EQ(shape->bytesPerRow, c.bytesPerRow);
        EXPECT_EQ(shape->colours, c.colours);
    }
    ProjectState state = screen(128, 32, 0);
    state.zone(1, 1).zoneHeight = 0;
    EXPECT_FALSE(programShape(state, 1).has_value()); // the download stops instead of dividing by zero
}

TEST(ProgramStream, OnePageSingleColourIsExactlyOneBlock)
{
    LedPlanes planes;
    planes.setRed(0, 0, 1);
    planes.setRed(0, 7, 1);
    planes.setRed(31, 127, 1);
    FrameBuffer buffer;
    const ProgramShape shape{1, 1, 32, 16, 1};
    int last = 0;
    const auto sent = stream(planes, shape, buffer, &last);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].block, 2);
    EXPECT_EQ(last, 2);
    EXPECT_EQ(static_cast<uint8_t>(sent[0].bytes[0]), 1); // program number
    EXPECT_EQ(static_cast<uint8_t>(sent[0].bytes[1]), 2); // block number
    EXPECT_EQ(static_cast<uint8_t>(sent[0].bytes[2]), 0x81);
    EXPECT_EQ(static_cast<uint8_t>(sent[0].bytes[2 + 511]), 0x01);
    EXPECT_EQ(finalBlockCount(last), 3);
}

TEST(ProgramStream, DualColourInterleavesRedAndGreenRows)
{
    LedPlanes planes;
    planes.setRed(0, 0, 1);   // row 0 red: 0x80 at byte 0
    planes.setGreen(0, 8, 1); // row 0 green: 0x80 at byte 16 + 1
    planes.setRed(1, 15, 1);  // row 1 red: 0x01 at byte 32 + 1
    FrameBuffer buffer;
    int last = 0;
    const auto sent = stream(planes, ProgramShape{1, 1, 32, 16, 2}, buffer, &last);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].block, 3);
    const QByteArray data = sent[0].bytes.mid(2);
    EXPECT_EQ(static_cast<uint8_t>(data[0]), 0x80);
    EXPECT_EQ(static_cast<uint8_t>(data[17]), 0x80);
    EXPECT_EQ(static_cast<uint8_t>(data[33]), 0x01);
    EXPECT_EQ(finalBlockCount(last), 4);
}

TEST(ProgramStream, LastBlockIsZeroFilledAndLeavesItsBytesInTheBuffer)
{
    LedPlanes planes;
    for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 120; ++c)
            planes.setRed(r, c, 1);
    FrameBuffer buffer;
    // 40 rows of 15 bytes = 600 bytes: block 2 full, block 3 with 88 bytes and 424 zeros.
    const auto sent = stream(planes, ProgramShape{7, 1, 40, 15, 1}, buffer);
    ASSERT_EQ(sent.size(), 2u);
    const QByteArray tail = sent[1].bytes.mid(2);
    EXPECT_EQ(tail.left(88), QByteArray(88, char(0xFF)));
    EXPECT_EQ(tail.mid(88), QByteArray(424, '\0'));
    // The program index that follows carries data bytes 47..50 of the last block at 57..60.
    EXPECT_EQ(buffer.bytes(61).mid(57), QByteArray(4, char(0xFF)));
}

TEST(ProgramStream, FinalCounts)
{
    // L = last block sent: a multiple of 8 stays, anything else goes up by one, once.
    const std::pair<int, int> cases[] = {{1, 2}, {2, 3}, {8, 8}, {9, 10}, {16, 16}, {255, 256}};
    for (auto [last, count] : cases)
        EXPECT_EQ(finalBlockCount(last), count) << last;

    LedPlanes planes;
    FrameBuffer buffer;
    int last = 0;
    EXPECT_TRUE(stream(planes, ProgramShape{1, 0, 0, 16, 1}, buffer, &last).empty()); // F = 0: no data
    EXPECT_EQ(last, 1);
    setFinalCount(buffer, 1, last);
    EXPECT_EQ(buffer.at(9), 2);
    EXPECT_EQ(stream(planes, ProgramShape{1, 7, 7 * 32, 16, 1}, buffer, &last).size(), 7u);
    EXPECT_EQ(finalBlockCount(last), 8);
    EXPECT_EQ(stream(planes, ProgramShape{1, 8, 8 * 32, 16, 1}, buffer, &last).size(), 8u);
    EXPECT_EQ(finalBlockCount(last), 10);
}

TEST(ProgramStream, AFailedBlockStopsTheStream)
{
    LedPlanes planes;
    FrameBuffer buffer;
    int calls = 0;
    const StreamResult r = streamProgram(planes, ProgramShape{1, 4, 128, 16, 1}, buffer, [&](int) {
        ++calls;
        return Status::failure(QStringLiteral("gone"));
    });
    EXPECT_FALSE(r.status.ok);
    EXPECT_EQ(calls, 1);
}
