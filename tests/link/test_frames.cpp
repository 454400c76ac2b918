// Control frames byte by byte.

#include "link/frames.h"

#include <gtest/gtest.h>

using namespace dotsign;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

const QString kA = QStringLiteral("A类卡");
const QString kB = QStringLiteral("B类卡");

struct FrameCase
{
    const char* name;
    QByteArray frame;
    const char* expected;
};

} // namespace

TEST(Frames, ControlFramesByteForByte)
{
    const FrameCase cases[] = {
        {"power on, B card", powerFrame(ControlAddress(0, kB), 1),
         "53 4E 44 44 41 54 FF 01 01 53 4E 44 44 45 4E FF FF"},
        {"power on, A card", powerFrame(ControlAddress(0, kA), 1),
         "53 4E 44 44 41 54 FF FF 01 53 4E 44 44 45 4E FF FF"},
        {"power off", powerFrame(1, 0), "53 4E 44 44 41 54 FF 01 00 53 4E 44 44 45 4E FF FF"},
        {"pause", pauseFrame(1, 1), "53 4E 44 44 41 54 FF 01 01 01 53 4E 44 44 45 4E FF FF"},
        {"resume", pauseFrame(1, 0), "53 4E 44 44 41 54 FF 01 00 00 53 4E 44 44 45 4E FF FF"},
        {"border on", borderFrame(1, kBorderOn),
         "53 4E 44 44 41 54 FF 01 31 FE FE FE FE FE 53 4E 44 44 45 4E FF FE"},
        {"border off", borderFrame(1, kBorderOff),
         "53 4E 44 44 41 54 FF 01 30 FE FE FE FE FE 53 4E 44 44 45 4E FF FE"},
        {"brightness", lightFrame(1, 7, 30, 19, 0, 200, 1),
         "53 4E 44 44 41 54 FF 01 07 1E 13 00 C8 01 53 4E 44 44 45 4E FF FF"},
        {"unit test, B card", unitTestFrame(0, kB), "54 65 73 01"},
        {"unit test, A card", unitTestFrame(0, kA), "54 65 73 54"},
        {"unit test, all cards", unitTestFrame(kBroadcastIndex, kB), "54 65 73 54"},
        {"comm test, B card", commTestProbe(4, kB), "43 4F 4E 05"},
        {"comm test, A card", commTestProbe(0, kA), "43 4F 4E 45"},
        {"read settings", readSettingsRequest(0), "53 4E 44 52 01"},
        {"read settings, all cards", readSettingsRequest(kBroadcastIndex), "53 4E 44 52 FF"},
        {"discovery", discoveryProbe(), "43 4F 4E 00"},
        {"acknowledgement", ackReply(1), "60 01 00"},
    };
    for (const FrameCase& c : cases)
        EXPECT_EQ(hexBytes(c.frame), QString::fromLatin1(c.expected)) << c.name;
}

TEST(Frames, ClockFrameCarriesDateWeekdayTimeAndTimer)
{
    // Sunday 10 May 2009, 08:06:01; power on 07:00, off 22:30.
    const QDateTime at(QDate(2009, 5, 10), QTime(8, 6, 1));
    const QByteArray f = timerFrame(1, at, 7, 0, 22, 30);
    ASSERT_EQ(f.size(), kTimerLength);
    EXPECT_EQ(f.mid(8, 11), hex("09 05 0A 00 08 06 01 07 00 16 1E"));
    EXPECT_EQ(f.left(8), hex("53 4E 44 44 41 54 FF 01"));
    EXPECT_EQ(f.mid(19), hex("53 4E 44 44 45 4E FF FF"));
    // Saturday is 6, the year 2100 is sent as 0.
    EXPECT_EQ(timerFrame(1, QDateTime(QDate(2100, 1, 2), QTime(0, 0)), 0, 0, 0, 0).mid(8, 4),
              hex("00 01 02 06"));
}

TEST(Frames, ScreenSettingsFrame)
{
    TprojectProp s;
    s.screenWidth = 128;
    s.screenHeight = 32;
    s.colourType = 0;
    s.baudRate = 9600;
    s.refreshRate = 100;
    s.unitBoardType = 0;
    s.cardAddress = 1;
    s.dataLogic = 1;
    s.oeLogic = 1;
    HardwareSettings hw;
    hw.powerOnHour = 7;
    hw.powerOnMinute = 15;
    hw.powerOffHour = 22;
    hw.powerOffMinute = 30;
    hw.dayBrightness = 200;
    hw.nightBrightness = 20;
    hw.dayBrightnessHour = 6;
    hw.dayBrightnessMinute = 5;
    hw.nightBrightnessHour = 19;
    hw.nightBrightnessMinute = 45;

    const QByteArray f = screenSettingsFrame(s, hw);
    ASSERT_EQ(f.size(), kScreenSettingsLength);
    EXPECT_EQ(f.left(8), hex("53 4E 44 44 41 54 FF FF"));
    EXPECT_EQ(f.mid(8, 17), hex("01 01 08 64 FF 10 20 02 FF 00 00 FF FF 01 01 01 10"));
    EXPECT_EQ(f.mid(25, 14), hex("07 0F 16 1E C8 14 FF 06 05 13 2D FF FF FF"));
    EXPECT_EQ(f.mid(39), hex("53 4E 44 44 45 4E FF FF"));

    s.cardAddress = 129; // "所有卡"
    EXPECT_EQ(static_cast<uint8_t>(screenSettingsFrame(s, hw).at(8)), 0xFF);
    s.cardAddress = 128;
    EXPECT_EQ(static_cast<uint8_t>(screenSettingsFrame(s, hw).at(8)), 128);
}

TEST(Frames, SettingsFrameSpeedAndScanBytes)
{
    const std::pair<int, int> speeds[] = {{4800, 4},   {9600, 8},   {19200, 16},
                                          {38400, 32}, {57600, 48}, {115200, 96}};
    for (const auto& [baud, code] : speeds) {
        TprojectProp s;
        s.baudRate = baud;
        EXPECT_EQ(static_cast<uint8_t>(screenSettingsFrame(s, {}).at(10)), code) << baud;
    }
    const std::pair<int, int> scans[] = {{0, 0x10}, {1, 0x04}, {2, 0x04}, {3, 0x04}, {4, 0x08}, {5, 0x10}};
    for (const auto& [type, code] : scans) {
        TprojectProp s;
        s.unitBoardType = type;
        const QByteArray f = screenSettingsFrame(s, {});
        EXPECT_EQ(static_cast<uint8_t>(f.at(24)), code) << "unit board " << type;
        EXPECT_EQ(static_cast<uint8_t>(f.at(21)), type + 1) << "unit board " << type;
    }
}

TEST(Frames, AddressRules)
{
    struct Case
    {
        int target;
        QString model;
        int control;
        int download;
    };
    const Case cases[] = {
        {0, kB, 0x01, 0x01},
        {0, kA, 0xFF, 0x01},
        {0, QStringLiteral("C类卡"), 0x01, 0x01},
        {127, kB, 0x80, 0x80},
        {kBroadcastIndex, kB, 0xFF, 0xFF},
        {kBroadcastIndex, kA, 0xFF, 0xFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ControlAddress(c.target, c.model), c.control) << c.target << c.model.toStdString();
        EXPECT_EQ(DownloadAddress(c.target), c.download) << c.target;
    }
}

TEST(Frames, DataBlockWaitIsLongForEveryEighthBlock)
{
    EXPECT_EQ(dataBlockWait(16), 1500);
    EXPECT_EQ(dataBlockWait(8), 1500);
    EXPECT_EQ(dataBlockWait(17), 600);
    EXPECT_EQ(dataBlockWait(2), 600);
}
