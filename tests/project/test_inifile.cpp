#include "project/gbk.h"
#include "project/inifile.h"

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

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(IniFile, MissingFileAndKeysGiveDefaults)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("none.ini")));
    EXPECT_TRUE(ini.loadStatus().ok);
    EXPECT_EQ(ini.readString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_TRUE(ini.save().ok); // nothing written, nothing created
    EXPECT_FALSE(QFile::exists(ini.path()));
}

TEST(IniFile, NamesMatchWithoutCaseAndBlanks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.ini"));
    writeAll(path,
             toGbk(QStringLiteral("[Screen]\r\n  Width = 256 \r\nOE逻辑=0\r\n[screen]\r\nwidth=1\r\n")));
    IniFile ini(path);
    EXPECT_EQ(ini.readString(QStringLiteral("SCREEN"), QStringLiteral("width"), QString()),
              QStringLiteral("256"));
    EXPECT_EQ(ini.readString(QStringLiteral(" screen "), QStringLiteral("oe逻辑"), QString()),
              QStringLiteral("0"));
}

TEST(IniFile, WritesInPlaceKeepingForeignLinesAndAppendsToSections)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.ini"));
    writeAll(path, toGbk(QStringLiteral(
                       "; made by hand\r\n[显示屏参数]\r\n显示屏宽度=128\r\nforeign=keep me\r\n\r\n"
                       "[other]\r\nx=1\r\n")));
    IniFile ini(path);
    ini.writeString(QStringLiteral("显示屏参数"), QStringLiteral("显示屏宽度"), QStringLiteral("256"));
    ini.writeString(QStringLiteral("显示屏参数"), QStringLiteral("显示屏高度"), QStringLiteral("64"));
    ini.writeString(QStringLiteral("新节"), QStringLiteral("键"), QStringLiteral("值"));
    ASSERT_TRUE(ini.save().ok);
    EXPECT_EQ(
        fromGbk(readAll(path)),
        QStringLiteral(
            "; made by hand\r\n[显示屏参数]\r\n显示屏宽度=256\r\nforeign=keep me\r\n显示屏高度=64\r\n\r\n"
            "[other]\r\nx=1\r\n[新节]\r\n键=值\r\n"));
}

TEST(IniFile, GbkOnDisk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.ini"));
    ASSERT_TRUE(IniFile::writeKey(path, QStringLiteral("上电显示"), QStringLiteral("上电LOGON"),
                                  QStringLiteral("欢迎光临 ㎡"))
                    .ok);
    const QByteArray bytes = readAll(path);
    // "上" is C9 CF in GBK.
    EXPECT_TRUE(bytes.startsWith(QByteArray("[\xC9\xCF", 3)));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(IniFile(path).readString(QStringLiteral("上电显示"), QStringLiteral("上电LOGON"), QString()),
              QStringLiteral("欢迎光临 ㎡"));
}

TEST(IniFile, FailedSaveLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.ini"));
    writeAll(path, "[a]\r\nb=1\r\n");
    IniFile ini(path);
    ini.writeString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("2"));
    // The folder disappears under the open file, so the replacement cannot be written.
    ASSERT_TRUE(QFile::rename(dir.path(), dir.path() + QStringLiteral(".gone")));
    const Status status = ini.save();
    ASSERT_TRUE(QFile::rename(dir.path() + QStringLiteral(".gone"), dir.path()));
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("[a]\r\nb=1\r\n"));
}
