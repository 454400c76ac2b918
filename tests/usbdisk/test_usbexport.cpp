// The USB-disk export file, byte for byte.
#include "link/frames.h"
#include "project/zonefiles.h"
#include "usbdisk/usbexport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dotsign;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A single-colour 128 x 32 screen whose programs each hold one text zone of one page.
struct Fixture
{
    QTemporaryDir dir;
    ProjectState state;
    LedPlanes planes;
    LinkState link;

    explicit Fixture(int programs)
    {
        state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
        state.hw.screenWidth = 128;
        state.hw.screenHeight = 32;
        state.hw.colourThreshold = 127;
        state.hw.cardModel = QStringLiteral("B类卡");
        InitLedDispJiemu(state);
        state.screen.programCount = programs;
        for (int n = 1; n <= programs; ++n) {
            ZoneRecord& z = state.zone(n, 1);
            z.zoneText = QStringLiteral("特价%1").arg(n);
            z.zoneFile = zoneTextFilePath(state, n, 1);
            EXPECT_TRUE(writeZoneTextFile(z.zoneFile, z.zoneText).ok);
        }
    }

    QByteArray exportFile(bool border = false)
    {
        const QString path = usbExportPath(dir.filePath(QStringLiteral("usb")));
        const Status s = transdata_usb(state, planes, link, path, border, {});
        EXPECT_TRUE(s.ok) << s.message.toStdString();
        return readAll(path);
    }
};

} // namespace

TEST(UsbExport, OneProgramOnePage)
{
    Fixture f(1);
    const QByteArray file = f.exportFile();
    ASSERT_EQ(file.size(), 8 + 504 + 1060 + 530);
    EXPECT_EQ(file.left(8), QByteArray("01013030"));
    const QByteArray index = QByteArray::fromHex(file.mid(8, 504));
    EXPECT_EQ(index.left(7), QByteArray("SNDDAT\xFE"));
    EXPECT_EQ(file.mid(8, 504), file.mid(8, 504).toUpper()); // upper-case digits only
    const QByteArray block = QByteArray::fromHex(file.mid(512, 1060));
    EXPECT_EQ(block.left(10), QByteArray("SNDDAT\xFD\x01\x01\x02", 10));
    EXPECT_EQ(block.right(8), QByteArray("SNDDEN\xFD\x01"));
    EXPECT_NE(block.mid(10, 512), QByteArray(512, '\0')); // the text lit something
    const QByteArray marker = file.mid(1572);
    EXPECT_EQ(marker.left(8), QByteArray(8, char(0xFC)));
    EXPECT_EQ(marker.mid(8, 2), QByteArray("\x01\x03", 2));
    EXPECT_EQ(marker.mid(10, 255), QByteArray(255, char(0xFC)));
    EXPECT_EQ(marker.mid(265), QByteArray(265, char(0x97)));
}

TEST(UsbExport, SettingsRecordAndBorder)
{
    Fixture f(1);
    f.state.screen.usbDiskMode = 1;
    const QByteArray file = f.exportFile(true);
    EXPECT_EQ(file.left(8), QByteArray("01013131"));
    const QByteArray settings = QByteArray::fromHex(file.mid(8, 94));
    ASSERT_EQ(settings.size(), 47);
    EXPECT_EQ(settings.right(11), QByteArray::fromHex("30FFFF534E4444454EFFFF"));
    EXPECT_EQ(file.size(), 8 + 94 + 504 + 1060 + 530);
}

TEST(UsbExport, DataRecordsAlwaysCarryAddressOne)
{
    Fixture f(1);
    f.link.targetIndex = kBroadcastIndex; // "群发"
    const QByteArray file = f.exportFile();
    EXPECT_EQ(file.left(2), QByteArray("FF"));
    EXPECT_EQ(QByteArray::fromHex(file.mid(512, 1060)).at(7), '\x01');
}

TEST(UsbExport, ProgramsFollowEachOtherDirectly)
{
    Fixture f(2);
    const QByteArray file = f.exportFile();
    const int perProgram = 504 + 1060 + 530;
    ASSERT_EQ(file.size(), 8 + 2 * perProgram);
    EXPECT_EQ(file.mid(2, 2), QByteArray("02")); // program count
    const QByteArray second = QByteArray::fromHex(file.mid(8 + perProgram, 504));
    EXPECT_EQ(second.left(7), QByteArray("SNDDAT\xFE"));
    EXPECT_EQ(static_cast<uint8_t>(second.at(155)), 1); // 0-based program index
    EXPECT_EQ(file.mid(8 + perProgram + 504 + 1060 + 8, 2), QByteArray("\x02\x03", 2));
}

TEST(UsbExport, AFailedExportLeavesThePreviousFile)
{
    Fixture f(1);
    const QString path = usbExportPath(f.dir.filePath(QStringLiteral("usb")));
    const QByteArray good = f.exportFile();
    f.state.program(1).startDate = QStringLiteral("not a date"); // the index cannot be built
    const Status s = transdata_usb(f.state, f.planes, f.link, path, false, {});
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.message.startsWith(QStringLiteral("数据没有导入成功。"))) << s.message.toStdString();
    EXPECT_EQ(readAll(path), good);
    EXPECT_EQ(QDir(f.dir.filePath(QStringLiteral("usb/zorva"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("zorva.kv")});
}
