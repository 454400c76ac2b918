// The download frames and the shared frame buffer's carry-over.

#include "link/downloadframes.h"
#include "link/frames.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

uint8_t byteAt(const QByteArray& f, int i)
{
    return static_cast<uint8_t>(f.at(i));
}

// A screen with one program of the given zones, all other fields at defaults.
TprojectProp screenWithProgram()
{
    TprojectProp s;
    s.cardModel = QStringLiteral("B类卡");
    s.programCount = 1;
    TjiemuProp& p = s.program(1);
    p.startDate = QStringLiteral("2009-05-05");
    p.endDate = QStringLiteral("2010-12-31");
    for (size_t i = 0; i < 5; ++i) {
        p.slotStart[i] = QStringLiteral("08:00:00");
        p.slotStop[i] = QStringLiteral("17:30:00");
    }
    return s;
}

} // namespace

TEST(DownloadFrames, ProgramIndexLayout)
{
    TprojectProp s = screenWithProgram();
    TjiemuProp& p = s.program(1);
    p.layoutTemplate = 4;
    p.zoneCount = 3;
    p.playMode = 300;
    p.zone(1).zoneType = ZoneClock;
    p.zone(3).zoneType = ZoneClock;
    p.zone(1).zoneSpeed = 3;
    p.zone(2).zoneWidth = 100; // 100 / 8 = 12
    p.zone(2).zoneX = 64;
    p.zone(4).zoneInfoHeight = 48;
    p.zone(2).clockFixedText = QStringLiteral("今天"); // four GBK bytes
    p.zone(2).clockHourX = 300;
    p.zone(2).clockHourY = 9;

    FrameBuffer b;
    const auto f = programIndexFrame(b, s, 0, 0x01);
    ASSERT_TRUE(f.has_value());
    ASSERT_EQ(f->size(), kProgramIndexLength);
    EXPECT_EQ(f->left(8), hex("53 4E 44 44 41 54 FE 01"));
    EXPECT_EQ(f->mid(244), hex("53 4E 44 44 45 4E FE 01"));
    EXPECT_EQ(byteAt(*f, indexframe::kTemplate), 4);
    EXPECT_EQ(byteAt(*f, indexframe::kPlayModeHigh), 0x01);
    EXPECT_EQ(byteAt(*f, indexframe::kPlayModeLow), 0x2C);
    EXPECT_EQ(byteAt(*f, indexframe::kSpeed), 4) << "B and C cards count speeds from 1";
    EXPECT_EQ(byteAt(*f, indexframe::kZoneWidth + 1), 12);
    EXPECT_EQ(byteAt(*f, indexframe::kZoneX + 1), 8);
    EXPECT_EQ(byteAt(*f, indexframe::kZoneInfoHeight + 3), 6);
    EXPECT_EQ(byteAt(*f, indexframe::kLastClockSlot), 3);
    EXPECT_EQ(byteAt(*f, indexframe::kFixedTextLength + 1), 4);
    EXPECT_EQ(f->mid(indexframe::kStartDate, 6), hex("09 05 05 0A 0C 1F"));
    EXPECT_EQ(f->mid(indexframe::kSlotStart, 2), hex("08 00"));
    EXPECT_EQ(f->mid(indexframe::kSlotStop, 2), hex("11 1E"));
    EXPECT_EQ(byteAt(*f, indexframe::kZoneCount), 3);
    EXPECT_EQ(byteAt(*f, indexframe::kZoneCount + 1), 3);
    EXPECT_EQ(byteAt(*f, indexframe::kProgramCount), 1);
    EXPECT_EQ(byteAt(*f, indexframe::kProgramIndex), 0);
    // Hour element (e = 3) of slot 2: X high, X low, Y.
    const int p32 = indexframe::kClockPositions + 12 * 3 + 1;
    EXPECT_EQ(byteAt(*f, p32), 1);
    EXPECT_EQ(byteAt(*f, p32 + 4), 44);
    EXPECT_EQ(byteAt(*f, p32 + 8), 9);

    s.cardModel = QStringLiteral("A类卡");
    EXPECT_EQ(byteAt(*programIndexFrame(b, s, 0, 0x01), indexframe::kSpeed), 3)
        << "A cards take the speed as is";
}

TEST(DownloadFrames, UnreadableDateOrTimeLeavesTheBufferAlone)
{
    const std::pair<const char*, const char*> bad[] = {
        {"startDate", "2009-13-01"}, {"endDate", "yesterday"}, {"slotStart", "25:00:00"}};
    for (const auto& [field, text] : bad) {
        TprojectProp s = screenWithProgram();
        TjiemuProp& p = s.program(1);
        if (QByteArray(field) == "startDate")
            p.startDate = QString::fromLatin1(text);
        else if (QByteArray(field) == "endDate")
            p.endDate = QString::fromLatin1(text);
        else
            p.slotStart[2] = QString::fromLatin1(text);
        FrameBuffer b;
        QString error;
        EXPECT_FALSE(programIndexFrame(b, s, 0, 1, &error).has_value()) << field;
        EXPECT_TRUE(error.contains(QString::fromLatin1(text))) << error.toStdString();
        EXPECT_EQ(b.bytes(FrameBuffer::kSize), QByteArray(FrameBuffer::kSize, '\0')) << field;
    }
}

TEST(DownloadFrames, IndexCarriesBytes57To60OfTheLastBlock)
{
    const TprojectProp s = screenWithProgram();
    FrameBuffer b;
    EXPECT_EQ(programIndexFrame(b, s, 0, 1)->mid(57, 4), QByteArray(4, '\0')) << "zero after start-up";

    QByteArray data(kBlockDataSize, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i);
    setDataBlock(b, 1, 2, data);
    dataBlockFrame(b, 1);
    EXPECT_EQ(programIndexFrame(b, s, 0, 1)->mid(57, 4), hex("2F 30 31 32")) << "data bytes 47..50";

    // A control frame in between is too short to reach them.
    b.assemble(powerFrame(1, 1));
    EXPECT_EQ(programIndexFrame(b, s, 0, 1)->mid(57, 4), hex("2F 30 31 32"));
}

TEST(DownloadFrames, DataBlockAndEndOfProgram)
{
    FrameBuffer b;
    setDataBlock(b, 3, 0x109, QByteArray(600, '\x55')); // block numbers travel as their low byte
    const QByteArray f = dataBlockFrame(b, 0x01);
    ASSERT_EQ(f.size(), kDataBlockLength);
    EXPECT_EQ(f.left(10), hex("53 4E 44 44 41 54 FD 01 03 09"));
    EXPECT_EQ(f.mid(10, 512), QByteArray(512, '\x55'));
    EXPECT_EQ(f.mid(522), hex("53 4E 44 44 45 4E FD 01"));

    setDataBlock(b, 1, 3, QByteArray(88, '\x11'));
    const QByteArray partial = dataBlockFrame(b, 0x01);
    EXPECT_EQ(partial.mid(10, 88), QByteArray(88, '\x11'));
    EXPECT_EQ(partial.mid(98, 424), QByteArray(424, '\0')) << "the last block is filled with zero";

    // The end frame sends bytes 8 and 9 as the download left them.
    b.set(datablock::kProgram, 1);
    b.set(datablock::kBlock, static_cast<uint8_t>(finalBlockCount(2)));
    EXPECT_EQ(endOfProgramFrame(b, 0x01), hex("FF FE FD FC FB FA FF 01 01 03"));
}

TEST(DownloadFrames, FinalBlockCount)
{
    const std::pair<int, int> cases[] = {{1, 2}, {2, 3}, {3, 4}, {8, 8}, {9, 10}, {16, 16}};
    for (const auto& [last, count] : cases)
        EXPECT_EQ(finalBlockCount(last), count) << "last block " << last;
}

TEST(DownloadFrames, ControlFramesLeaveTheirMarkInTheBuffer)
{
    FrameBuffer b;
    b.set(30, 0xAB);
    const QByteArray f = b.assemble(borderFrame(1, kBorderOn));
    EXPECT_EQ(f, borderFrame(1, kBorderOn));
    EXPECT_EQ(b.bytes(22), f);
    EXPECT_EQ(b.at(30), 0xAB) << "bytes past the frame stay";
}
