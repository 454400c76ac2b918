#pragma once
// The controller card's serial protocol.
//
// The link is half-duplex and strictly one frame per exchange: the host opens
// the port, writes one frame, waits a fixed time for the card's answer and
// closes the port again. Nothing is framed at the byte level: there is no
// length field, no checksum and no escaping, and both sides tell messages
// apart by their fixed lengths and tags alone.
//
// Most frames are wrapped in ASCII tags: "SNDDAT" opens, "SNDDEN" closes. The
// byte after the opening tag says what follows (0xFF control and settings,
// 0xFE program index, 0xFD program data block); the two bytes after the
// closing tag are 0xFF 0xFF unless a layout says otherwise. The byte after
// the kind is the card address, 1..128, or 0xFF for every card on the line.
// A-class cards cannot be addressed, so control frames go to them as 0xFF.
// The short probes are bare ASCII: "CON"+address (communication test),
// "CONE" (every card), "CON"+0x00 (discovery), "Tes"+address or "Test"
// (unit-board test), "SNDR"+address (read the settings back). The end of a
// program download is the untagged run FF FE FD FC FB FA FF, address,
// program number, block count.
//
// The card acknowledges a frame it accepted with three bytes: 0x60, its own
// address, and a byte nobody looks at. The only other thing it ever sends is
// the 33-byte answer to "SNDR": bytes 8..40 of the screen-settings frame as
// the card holds them, its address first and its class (3 C, 2 B) at byte 7.
// A-class cards never answer at all; the host simply waits out the timeout
// and carries on as if acknowledged.
//
// Timing: each frame has its own reply wait (300 ms for the short control
// frames, 600 ms for a data block, 1500 ms for every eighth block, during
// which the card writes its flash). The wait starts only once the last byte
// has left the port: at 4800 bit/s a 530-byte block is 1.1 s on the wire.
//
// Every value is an unsigned byte; a wider value travels as its low 8 bits.

#include "project/projectstate.h"

#include <QByteArray>
#include <QDateTime>
#include <array>
#include <cstdint>

namespace dotsign {

inline constexpr char kOpenTag[] = "SNDDAT";
inline constexpr char kCloseTag[] = "SNDDEN";
constexpr int kTagLength = 6;

constexpr uint8_t kKindControl = 0xFF;
constexpr uint8_t kKindIndex = 0xFE;
constexpr uint8_t kKindData = 0xFD;
constexpr uint8_t kBroadcastAddress = 0xFF;
constexpr uint8_t kAckByte = 0x60;

constexpr int kAckLength = 3;
constexpr int kSettingsReplyLength = 33;
constexpr int kBroadcastIndex = 128; // "群发" / "所有卡" in the address lists

// Frame lengths.
constexpr int kPowerLength = 17;
constexpr int kPauseLength = 18;
constexpr int kBorderLength = 22;
constexpr int kLightLength = 22;
constexpr int kTimerLength = 27;
constexpr int kProbeLength = 4;
constexpr int kReadSettingsLength = 5;
constexpr int kScreenSettingsLength = 47;
constexpr int kProgramIndexLength = 252;
constexpr int kDataBlockLength = 530;
constexpr int kBlockDataSize = 512;
constexpr int kEndOfProgramLength = 10;

// Reply waits (ms).
constexpr int kPowerWait = 300;
constexpr int kPauseWait = 300;
constexpr int kBorderWait = 1200;
constexpr int kLightWait = 2000;
constexpr int kTimerWait = 300;
constexpr int kUnitTestWait = 1200;
constexpr int kScreenSettingsWait = 1200;
constexpr int kCommTestWait = 1000;
constexpr int kReadSettingsWait = 1200;
constexpr int kDiscoveryWait = 1000;
constexpr int kProgramIndexWait = 1000;
constexpr int kEndOfProgramWait = 300;
// A data block whose number is a multiple of 8 gets the long wait.
int dataBlockWait(int block);

// Border modes.
constexpr uint8_t kBorderOn = 0x31;
constexpr uint8_t kBorderOff = 0x30;

// The opening tag of a settings frame is followed by 0xFF twice; the screen
// settings frame carries its address at byte 8.
namespace screenset {
constexpr int kAddress = 8;
constexpr int kReplyStart = 8; // reply byte i is frame byte 8 + i
} // namespace screenset

bool isCardClassA(const QString& cardModel);

// Address rules. `targetIndex` is the selection of the main window's hidden
// target address list (0..127 = address 1..128, 128 = "群发").
uint8_t ControlAddress(int targetIndex, const QString& cardModel);
uint8_t DownloadAddress(int targetIndex);

// Control frames. Each is complete in itself; senders that share the frame
// buffer copy them into it (FrameBuffer::assemble).
QByteArray powerFrame(uint8_t address, uint8_t state);
QByteArray pauseFrame(uint8_t address, uint8_t state);
QByteArray borderFrame(uint8_t address, uint8_t mode);
QByteArray lightFrame(uint8_t address, uint8_t dayHour, uint8_t dayMinute, uint8_t nightHour,
                      uint8_t nightMinute, uint8_t dayLevel, uint8_t nightLevel);
// `now` is the computer's local date and time; the card sets its clock from it.
QByteArray timerFrame(uint8_t address, const QDateTime& now, uint8_t onHour, uint8_t onMinute,
                      uint8_t offHour, uint8_t offMinute);

// Unit-board test: "Tes" + test address, "Test" for every card or an A-class card.
QByteArray unitTestFrame(int testIndex, const QString& cardModel);
// Communication test: "CON" + test address, "CONE" for every card or an A-class card.
QByteArray commTestProbe(int testIndex, const QString& cardModel);
// Read-settings request: "SNDR" + card address, 0xFF for "所有卡".
QByteArray readSettingsRequest(int cardAddressIndex);
// Discovery probe: "CON" 0x00.
QByteArray discoveryProbe();

// The 47-byte screen-settings frame: hardware from the screen record, the
// power times and brightness from the hardware settings copies.
QByteArray screenSettingsFrame(const TprojectProp& screen, const HardwareSettings& hw);
// The unit-board scan code sent at byte 24.
uint8_t scanCode(int unitBoardType);

// A 3-byte acknowledgement as the card sends it.
QByteArray ackReply(uint8_t address);

// "53 4E 44 ..." for logs and the command-line tool.
QString hexBytes(const QByteArray& bytes);

} // namespace dotsign
