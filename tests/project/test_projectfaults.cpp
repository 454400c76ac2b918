// Faults around the project file: a full disk, a read-only folder, damaged
// numbers. Each leaves the files it started with intact and says what happened.
#include "project/gbk.h"
#include "project/projectfile.h"
#include "project/zonefiles.h"
#include "support/smallfs.h"

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

// A saved two-program project in `dir`.
void makeProject(ProjectState& state, const QString& dir)
{
    state.setProjectFile(dir + QStringLiteral("/Project.kvp"));
    state.hw.screenWidth = 128;
    state.hw.screenHeight = 32;
    InitLedDispJiemu(state);
    state.screen.programCount = 2;
    state.zone(1, 1).zoneText = QStringLiteral("今日特价");
    state.zone(2, 1).zoneText = QStringLiteral("欢迎光临");
    ASSERT_TRUE(SaveProject(state, state.projectFilePath).ok);
}

} // namespace

TEST(ProjectFaults, FullDiskLeavesProjectAndTextsWhole)
{
    SmallFileSystem disk(256);
    if (!disk.mounted())
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    ProjectState state;
    makeProject(state, disk.path());
    const QByteArray project = readAll(state.projectFilePath);
    const QByteArray text1 = readAll(zoneTextFilePath(state, 1, 1));
    const QByteArray text2 = readAll(zoneTextFilePath(state, 2, 1));
    disk.fill(16);

    // The first text still fits, the second does not: neither may change.
    state.zone(1, 1).zoneText = QStringLiteral("新的短文字");
    state.zone(2, 1).zoneText = QString(40000, QChar(0x4E00));
    state.program(2).programName = QStringLiteral("改名");
    const Status status = SaveProject(state, state.projectFilePath);
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.isEmpty());
    EXPECT_EQ(readAll(state.projectFilePath), project);
    EXPECT_EQ(readAll(zoneTextFilePath(state, 1, 1)), text1);
    EXPECT_EQ(readAll(zoneTextFilePath(state, 2, 1)), text2);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Hidden | QDir::Files).filter(QStringLiteral(".Project")),
              QStringList()); // no temporary files left behind
}

TEST(ProjectFaults, ReadOnlyFolderRefusesTheSaveWithAMessage)
{
    SmallFileSystem disk(1024);
    if (!disk.mounted())
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    ProjectState state;
    makeProject(state, disk.path());
    const QByteArray project = readAll(state.projectFilePath);
    ASSERT_TRUE(disk.setReadOnly(true));

    state.program(1).programName = QStringLiteral("改名");
    const Status status = SaveProject(state, state.projectFilePath);
    disk.setReadOnly(false);
    EXPECT_FALSE(status.ok);
    EXPECT_TRUE(status.message.contains(QStringLiteral("0-0-1.txt")) ||
                status.message.contains(QStringLiteral("Project.kvp")))
        << status.message.toStdString();
    EXPECT_EQ(readAll(state.projectFilePath), project);
}

// Every number in the file replaced by text, a huge value or a negative one:
// text and huge values stop the load with a message; negatives load as stored
// (the checks before sending report the zones they break).
TEST(ProjectFaults, DamagedNumbers)
{
    QTemporaryDir dir;
    ProjectState state;
    makeProject(state, dir.path());
    const QString original = fromGbk(readAll(state.projectFilePath));
    const char* const replacements[] = {"abc", "99999999999999999999", "-7", "", " 12 "};
    for (const char* replacement : replacements) {
        QStringList lines = original.split(QStringLiteral("\r\n"));
        for (QString& line : lines) {
            const int eq = line.indexOf(QLatin1Char('='));
            bool numeric = false;
            if (eq > 0)
                line.mid(eq + 1).toLongLong(&numeric);
            if (numeric)
                line = line.left(eq + 1) + QLatin1String(replacement);
        }
        QFile f(state.projectFilePath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(toGbk(lines.join(QStringLiteral("\r\n"))));
        f.close();

        ProjectState loaded;
        loaded.setProjectFile(state.projectFilePath);
        const Status status = LoadProject(loaded, loaded.projectFilePath);
        const bool isNumber = QString::fromLatin1(replacement).trimmed().toInt() != 0;
        EXPECT_EQ(status.ok, isNumber) << replacement << ": " << status.message.toStdString();
        if (!status.ok) {
            EXPECT_TRUE(status.message.contains(QStringLiteral("显示屏宽度")))
                << status.message.toStdString();
        }
    }
}
