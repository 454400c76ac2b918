#include "sim/exportdecode.h"
#include "sim/player.h"
#include "test_player_fixture.h"

#include <QDir>
#include <QFile>

using namespace dotsign;
using namespace dotsign::testing;

namespace {

bool hasIssueAt(const ExportFile& f, qint64 offset)
{
    for (const ExportIssue& i : f.issues)
        if (i.error && i.offset == offset)
            return true;
    return false;
}

QString issues(const ExportFile& f)
{
    QString text;
    for (const ExportIssue& i : f.issues)
        text += QStringLiteral("%1: %2\n").arg(i.offset).arg(i.message);
    return text;
}

} // namespace

TEST(ExportDecode, OneProgramOnA128x32Screen)
{
    SignBuilder b(128, 32);
    b.addProgram({bar(128, 32, 5, 3)});
    const QByteArray file = exportFile(b, false, false);
    ASSERT_EQ(file.size(), 8 + 504 + 1060 + 530);
    ASSERT_TRUE(file.startsWith("01013030"));
    const ExportFile f = decodeExportFile(file);
    EXPECT_FALSE(f.hasErrors()) << issues(f).toStdString();
    ASSERT_EQ(f.content.programs.size(), 1);
    EXPECT_EQ(f.content.programs[0].finalCount, 3);
    EXPECT_EQ(f.content.programs[0].index, b.content().programs[0].index);
    // Without settings the size comes from the zones; a note says so.
    EXPECT_EQ(f.content.screenWidth, 128);
    EXPECT_EQ(f.content.screenHeight, 32);
    EXPECT_EQ(f.content.colours, 1);
    ASSERT_EQ(f.issues.size(), 1u);
    EXPECT_FALSE(f.issues[0].error);
    const auto frames = decodeFrames(f.content.programs[0].data, 128, 32, 1, 1);
    EXPECT_EQ(frames[0], bar(128, 32, 5, 3));
}

TEST(ExportDecode, TwoProgramsWithSettingsAndBorder)
{
    const SignBuilder b = sampleSign();
    const ExportFile f = decodeExportFile(exportFile(b, true, true));
    EXPECT_FALSE(f.hasErrors()) << issues(f).toStdString();
    EXPECT_TRUE(f.issues.empty());
    EXPECT_TRUE(f.border);
    EXPECT_EQ(f.usbDiskMode, 1);
    EXPECT_EQ(f.programCount, 2);
    EXPECT_EQ(f.content.screenWidth, 64);
    EXPECT_EQ(f.content.screenHeight, 32);
    EXPECT_EQ(f.content.colours, 2);
    ASSERT_TRUE(f.content.brightness.has_value());
    const SignContent original = b.content();
    ASSERT_EQ(f.content.programs.size(), 2);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(f.content.programs[k].index, original.programs[k].index);
        EXPECT_TRUE(f.content.programs[k].data.startsWith(original.programs[k].data));
        EXPECT_EQ(f.content.programs[k].data.size() % 512, 0);
    }
    // Program 1: 2 frames x 32 rows x 8 bytes x 2 colours = 1024 bytes, blocks 2 and 3, count 4.
    EXPECT_EQ(f.content.programs[0].finalCount, 4);
}

// The two-colour guess without settings: twice the rows one colour would take.
TEST(ExportDecode, InfersTwoColoursFromTheData)
{
    const ExportFile f = decodeExportFile(exportFile(sampleSign(), false, false));
    EXPECT_FALSE(f.hasErrors()) << issues(f).toStdString();
    EXPECT_EQ(f.content.colours, 2);
    EXPECT_EQ(f.content.screenWidth, 64);
}

// Each broken byte is reported at its offset in the file.
TEST(ExportDecode, ReportsTheBytesThatBreakTheLayout)
{
    SignBuilder b(128, 32);
    b.addProgram({bar(128, 32, 5, 3)});
    const QByteArray good = exportFile(b, false, false);
    const qint64 index = 8, block = 8 + 504, marker = 8 + 504 + 1060;
    struct Case
    {
        const char* name;
        qint64 at;
        QByteArray with;
        qint64 reportedAt;
    };
    const std::vector<Case> cases = {
        {"index tag", index + 2, "00", index + 2},
        {"index kind", index + 12, "FD", index + 12},
        {"index close", index + 2 * 250, "FF", index + 2 * 250},
        {"block program number", block + 16, "02", block + 16},
        {"block number", block + 18, "05", block + 18},
        {"block close tag", block + 2 * 522, "41", block + 2 * 522},
        {"not hexadecimal", block + 101, "G", block + 101},
        {"marker fill", marker + 3, "\x97", marker + 3},
        {"marker count", marker + 9, "\x02", marker + 9},
        {"marker tail", marker + 400, "\xfc", marker + 400},
        {"header mode", 6, "32", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray file = good;
        file.replace(c.at, c.with.size(), c.with);
        const ExportFile f = decodeExportFile(file);
        EXPECT_TRUE(hasIssueAt(f, c.reportedAt)) << issues(f).toStdString();
    }
    // Cut anywhere: an error, never a crash.
    for (qsizetype cut :
         {qsizetype(0), qsizetype(5), qsizetype(300), qsizetype(block + 7), qsizetype(marker + 10)}) {
        const ExportFile f = decodeExportFile(good.left(cut));
        EXPECT_TRUE(f.hasErrors()) << cut;
        Player player(f.content, QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
        player.frameAt(3000);
    }
    // A second program the header does not announce.
    QByteArray twice = good + good.mid(8);
    const ExportFile f = decodeExportFile(twice);
    EXPECT_TRUE(hasIssueAt(f, 2)) << issues(f).toStdString();
}

// The file kept under tests/data/sim is what the export writes for the sample
// sign; the command-line tests play it.
TEST(ExportDecode, SampleFileMatchesTheBuilder)
{
    const QByteArray built = exportFile(sampleSign(), true, false);
    const QString path = QStringLiteral(DOTSIGN_TEST_DATA "/sim/sample.kv");
    if (qEnvironmentVariableIsSet("DOTSIGN_WRITE_SAMPLE")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(built);
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), built);
}

TEST(SignContentFolder, SavesAndLoadsBack)
{
    SignContent c = sampleSign().content();
    c.brightness = BrightnessSchedule{6, 30, 18, 45, 120, 15};
    c.powerTimer = PowerTimer{7, 0, 23, 0};
    c.border = true;
    c.programs[0].finalCount = 4;
    const QString dir = QDir::tempPath() + QStringLiteral("/dotsign-signcontent-test");
    QDir(dir).removeRecursively();
    ASSERT_EQ(saveSignContent(c, dir), QString());
    QString error;
    const auto back = loadSignContent(dir, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(back->screenWidth, 64);
    EXPECT_EQ(back->colours, 2);
    EXPECT_TRUE(back->border);
    EXPECT_EQ(back->brightness->nightMinute, 45);
    EXPECT_EQ(back->powerTimer->offHour, 23);
    ASSERT_EQ(back->programs.size(), 2);
    EXPECT_EQ(back->programs[0].finalCount, 4);
    EXPECT_EQ(back->programs[1].data, c.programs[1].data);
    EXPECT_FALSE(loadSignContent(dir + QStringLiteral("/missing")));
    QDir(dir).removeRecursively();
}
