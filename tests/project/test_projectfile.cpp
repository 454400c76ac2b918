#include "project/gbk.h"
#include "project/inifile.h"
#include "project/projectfile.h"
#include "project/zonefiles.h"

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

void writeGbk(const QString& path, const QString& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(toGbk(text));
}

class ProjectFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ProjectState state;

    QString path(const QString& name) const { return dir.filePath(name); }

    Status load(const QString& name, QStringList* warnings = nullptr)
    {
        state.setProjectFile(path(name));
        return LoadProject(state, state.projectFilePath, warnings);
    }
};

} // namespace

TEST_F(ProjectFileTest, MissingFileLoadsDefaultScreenWithoutPrograms)
{
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok);
    EXPECT_EQ(state.screen.screenWidth, 128);
    EXPECT_EQ(state.screen.screenHeight, 32);
    EXPECT_EQ(state.screen.colourType, 0);
    EXPECT_EQ(state.screen.cardModel, QStringLiteral("A类卡"));
    EXPECT_EQ(state.screen.programCount, 0);
    EXPECT_EQ(state.programTotal, 0);
    EXPECT_EQ(state.statusPanels[PanelScreenSize], QStringLiteral("显示屏大小:32*128"));
    EXPECT_EQ(state.statusPanels[PanelUser], QStringLiteral("注册用户:735"));
}

// A new file holds every key in the order the program writes them. The fixture
// was checked by hand key by key; any change of name, default or order shows here.
TEST_F(ProjectFileTest, NewFileKeyOrder)
{
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok); // defaults, as after start-up
    state.screen.programCount = 1;
    state.programTotal = 1;
    state.zone(1, 1).zoneText = QStringLiteral("欢迎");
    ASSERT_TRUE(SaveProject(state, state.projectFilePath).ok);
    QString expected = fromGbk(readAll(QStringLiteral(DOTSIGN_TEST_DATA "/project/new-project.kvp")));
    expected.replace(QStringLiteral("@DIR@"), QDir::toNativeSeparators(dir.path()));
    EXPECT_EQ(fromGbk(readAll(state.projectFilePath)), expected);
    EXPECT_EQ(readAll(path(QStringLiteral("0-0-1.txt"))), toGbk(QStringLiteral("欢迎\r\n")));
}

TEST_F(ProjectFileTest, SaveUpdatesInPlaceKeepingForeignKeysAndOldSections)
{
    writeGbk(
        path(QStringLiteral("Project.kvp")),
        QStringLiteral("; installer note\r\n[显示屏参数]\r\n显示屏宽度=64\r\n自定义=保留\r\n当前节目数=5\r\n"
                       "[节目5]\r\n节目名=旧节目\r\n"));
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok);
    state.screen.programCount = 2;
    ASSERT_TRUE(SaveProject(state, state.projectFilePath).ok);
    const QString text = fromGbk(readAll(state.projectFilePath));
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("; installer note\r\n[显示屏参数]\r\n显示屏宽度=64\r\n自定义=保留\r\n"
                                       "当前节目数=2\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("[节目5]\r\n节目名=旧节目\r\n")));
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok);
    EXPECT_EQ(state.screen.programCount, 2);
}

TEST_F(ProjectFileTest, RoundTripKeepsEveryField)
{
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok);
    TprojectProp& s = state.screen;
    s.screenWidth = 256;
    s.screenHeight = 64;
    s.colourType = 1;
    s.cardModel = QStringLiteral("B类卡");
    s.powerOnText = QStringLiteral("欢迎光临");
    s.serialPort = QStringLiteral("/dev/ttyUSB0");
    s.baudRate = 9600;
    s.programCount = 2;
    TjiemuProp& p = state.program(2);
    p.programName = QStringLiteral("特价");
    p.layoutTemplate = 4;
    p.zoneCount = 3;
    p.timedPlay = 1;
    p.weekdays = {1, 0, 1, 0, 1, 0, 1};
    p.slotStop[4] = QStringLiteral("23:00:00");
    ZoneRecord& clock = p.zone(3);
    clock.zoneType = ZoneClock;
    clock.clockHourX = 112;
    clock.zoneBackColour = 2;
    clock.clockFixedText = QStringLiteral("北京时间");
    p.zone(4).zoneText = QStringLiteral("第一行\r\n第二行\r\n");
    ASSERT_TRUE(SaveProject(state, state.projectFilePath).ok);

    ProjectState again;
    again.setProjectFile(state.projectFilePath);
    ASSERT_TRUE(LoadProject(again, again.projectFilePath).ok);
    EXPECT_EQ(again.screen.screenWidth, 256);
    EXPECT_EQ(again.screen.colourType, 1);
    EXPECT_EQ(again.screen.cardModel, QStringLiteral("B类卡"));
    EXPECT_EQ(again.screen.powerOnText, QStringLiteral("欢迎光临"));
    EXPECT_EQ(again.screen.serialPort, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(again.hw.screenWidth, 256);
    const TjiemuProp& q = again.program(2);
    EXPECT_EQ(q.programName, QStringLiteral("特价"));
    EXPECT_EQ(q.layoutTemplate, 4);
    EXPECT_EQ(q.weekdays, p.weekdays);
    EXPECT_EQ(q.slotStop[4], QStringLiteral("23:00:00"));
    EXPECT_EQ(q.zone(3).zoneType, ZoneClock);
    EXPECT_EQ(q.zone(3).clockHourX, 112);
    EXPECT_EQ(q.zone(3).zoneBackColour, 2);
    EXPECT_EQ(q.zone(3).clockFixedText, QStringLiteral("北京时间"));
    EXPECT_EQ(q.zone(4).zoneText, QStringLiteral("第一行\r\n第二行\r\n"));
    EXPECT_EQ(q.zone(4).zoneFile, path(QStringLiteral("0-1-4.txt")));
}

TEST_F(ProjectFileTest, ScreenSectionsOnlyFromAFileNamedProjectKvp)
{
    const QString text = QStringLiteral("[显示屏参数]\r\n显示屏宽度=256\r\n显示屏高度=64\r\n当前节目数=1\r\n"
                                        "[节目1]\r\n节目名=店内\r\n");
    writeGbk(path(QStringLiteral("Shop.kvp")), text);
    writeGbk(path(QStringLiteral("project.KVP")), text);
    state.hw.screenWidth = 128;
    state.hw.screenHeight = 32;
    ASSERT_TRUE(load(QStringLiteral("Shop.kvp")).ok);
    EXPECT_EQ(state.screen.screenWidth, 128);
    EXPECT_EQ(state.program(1).programName, QStringLiteral("店内"));
    EXPECT_EQ(state.program(1).zone(1).zoneWidth, 128); // default width follows the screen
    ASSERT_TRUE(load(QStringLiteral("project.KVP")).ok);
    EXPECT_EQ(state.screen.screenWidth, 256);
    EXPECT_EQ(state.statusPanels[PanelScreenSize], QStringLiteral("显示屏大小:64*256"));
    EXPECT_EQ(state.program(1).zone(1).zoneWidth, 256);
    EXPECT_EQ(state.program(1).zone(2).zoneWidth, 64);
}

TEST_F(ProjectFileTest, NumbersAsStored)
{
    writeGbk(path(QStringLiteral("Project.kvp")),
             QStringLiteral("[显示屏参数]\r\n开机时间小时=300\r\n白天亮度=-1\r\n当前节目数=20\r\n"));
    QStringList warnings;
    ASSERT_TRUE(load(QStringLiteral("Project.kvp"), &warnings).ok);
    EXPECT_EQ(state.screen.powerOnHour, 44); // low 8 bits
    EXPECT_EQ(state.screen.dayBrightness, 255);
    EXPECT_EQ(state.screen.programCount, 16);
    EXPECT_EQ(state.programTotal, 16);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("20")));

    writeGbk(path(QStringLiteral("Project.kvp")),
             QStringLiteral("[显示屏参数]\r\n当前节目数=-3\r\n[节目1]\r\n"));
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok);
    EXPECT_EQ(state.screen.programCount, 0);
}

TEST_F(ProjectFileTest, BadNumberStopsTheLoadNamingTheKey)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[显示屏参数]\r\n显示屏宽度=宽\r\n", "显示屏宽度"},
        {"[显示屏参数]\r\n当前节目数=1\r\n[节目1]\r\n下分区高度=99999999999\r\n", "下分区高度"},
        {"[显示屏参数]\r\n当前节目数=1\r\n[节目1]\r\n时钟秒X坐标3=1.5\r\n", "时钟秒X坐标3"},
    };
    for (const auto& [file, key] : cases) {
        writeGbk(path(QStringLiteral("Project.kvp")), QString::fromUtf8(file));
        const Status status = load(QStringLiteral("Project.kvp"));
        EXPECT_FALSE(status.ok) << key;
        EXPECT_TRUE(status.message.contains(QString::fromUtf8(key))) << status.message.toStdString();
    }
}

TEST_F(ProjectFileTest, TextsComeFromTheProjectFolderWhateverPathIsStored)
{
    writeGbk(path(QStringLiteral("Project.kvp")),
             QStringLiteral(
                 "[显示屏参数]\r\n当前节目数=2\r\n[节目1]\r\n上分区文件=C:\\signs\\Project\\0-0-1.txt\r\n"
                 "[节目2]\r\n上分区文件=..\\..\\etc\\passwd\r\n下分区文件=0-1-4.TXT\r\n"));
    writeGbk(path(QStringLiteral("0-0-1.txt")), QStringLiteral("今日特价\nline two"));
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok);
    EXPECT_EQ(state.program(1).zone(1).zoneText, QStringLiteral("今日特价\r\nline two\r\n"));
    EXPECT_EQ(state.currentZone, 1);
    EXPECT_EQ(state.program(2).zone(1).zoneText, QString()); // "passwd" looked up in the project folder only
}

TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousProjectWhole)
{
    ASSERT_TRUE(load(QStringLiteral("Project.kvp")).ok);
    state.screen.programCount = 1;
    ASSERT_TRUE(SaveProject(state, state.projectFilePath).ok);
    const QByteArray before = readAll(state.projectFilePath);

    state.program(1).programName = QStringLiteral("改过的");
    state.zone(1, 1).zoneText = QStringLiteral("new");
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("0-0-1.txt"))));
    ASSERT_TRUE(QDir().mkdir(path(QStringLiteral("0-0-1.txt")))); // the text file cannot be written
    const Status status = SaveProject(state, state.projectFilePath);
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(readAll(state.projectFilePath), before);
    EXPECT_EQ(state.memoChangeArmed, 200);
}
