#pragma once
// The three frames of a program download, assembled in the shared frame
// buffer (see framebuffer.h for why the buffer's leftovers matter).
//
// Per program the card sees: the 252-byte index (kind 0xFE), then data blocks
// 2, 3, ... (kind 0xFD, 512 data bytes each, red and green rows interleaved),
// then the untagged end-of-program frame with the final block count.

#include "link/framebuffer.h"
#include "project/projectstate.h"
#include "project/status.h"

#include <QByteArray>
#include <optional>

namespace dotsign {

namespace indexframe {
constexpr int kTemplate = 8;
constexpr int kZoneFlag = 9;
constexpr int kZoneType = 13;
constexpr int kZoneX = 17;
constexpr int kZoneY = 21;
constexpr int kZoneWidth = 25;
constexpr int kZoneHeight = 29;
constexpr int kZoneInfoHeight = 33;
constexpr int kPlayModeHigh = 44;
constexpr int kEffect = 45;
constexpr int kSpeed = 49;
constexpr int kStay = 53;
constexpr int kCarriedOver = 57; // 57..60 are never written
constexpr int kPlayModeLow = 61;
constexpr int kTimedPlay = 62;
constexpr int kStartDate = 63;
constexpr int kEndDate = 66;
constexpr int kWeekdays = 69;
constexpr int kSlotStart = 76;
constexpr int kSlotStop = 86;
constexpr int kSlotVolume = 96;
constexpr int kVoiceGender = 101;
constexpr int kFixedTextLength = 102;
constexpr int kFont = 106;
constexpr int kFontSize = 110;
constexpr int kColour = 118;
constexpr int kClockStyle = 122;
constexpr int kInfoY = 126;
constexpr int kClockWeekPos = 130;
constexpr int kClockTimePos = 134;
constexpr int kClockOptions = 138;
constexpr int kClockYearFormat = 142;
constexpr int kClockMultiLine = 146;
constexpr int kZoneCount = 150;
constexpr int kProgramCount = 152;
constexpr int kFirstWord = 153;
constexpr int kLastClockSlot = 154;
constexpr int kProgramIndex = 155;
constexpr int kClearFirst = 156;
constexpr int kClockPositions = 160;
constexpr int kCloseTag = 244;
} // namespace indexframe

namespace datablock {
constexpr int kProgram = 8;
constexpr int kBlock = 9;
constexpr int kData = 10;
constexpr int kCloseTag = 522;
} // namespace datablock

// Builds the program index of program k (0-based) of the screen. Dates and
// slot times are read from their stored text; when one of them is not a valid
// date or time the buffer is left untouched and the message names the field.
std::optional<QByteArray> programIndexFrame(FrameBuffer& buffer, const TprojectProp& screen, int k,
                                            uint8_t address, QString* error = nullptr);

// Writes the tags and address of a data block around the 512 data bytes and
// the program and block numbers the download put at bytes 8..521.
QByteArray dataBlockFrame(FrameBuffer& buffer, uint8_t address);
// Fills bytes 8..521 for one block: program number, block number (low 8
// bits) and up to 512 data bytes, the rest zero.
void setDataBlock(FrameBuffer& buffer, int program, int block, const QByteArray& data);

// Writes bytes 0..7 of the end-of-program frame and returns the 10 bytes;
// bytes 8 (program number) and 9 (block count) are those the download set.
QByteArray endOfProgramFrame(FrameBuffer& buffer, uint8_t address);
// The block count the end frame carries after the last data block `lastBlock`.
int finalBlockCount(int lastBlock);

} // namespace dotsign
