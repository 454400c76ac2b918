// The USB-disk export when things go wrong: a disk that fills up or is
// read-only, "ExtFile/" missing or blocked, zones whose geometry makes no
// sense, and the biggest project the records allow. A failed export leaves
// the previous "zorva.kv" as it was and no temporary file behind, and the
// export never writes outside the chosen volume.
#include "project/zonefiles.h"
#include "render/fonts.h"
#include "sim/exportdecode.h"
#include "support/smallfs.h"
#include "usbdisk/usbexport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>

using namespace dotsign;

namespace {

const QString kExportFailed = QStringLiteral("数据没有导入成功。");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every file under `root` with its contents (symbolic links as their target).
std::map<QString, QByteArray> snapshot(const QString& root)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        files[QDir(root).relativeFilePath(path)] =
            info.isSymLink() ? "-> " + info.symLinkTarget().toUtf8() : readAll(path);
    }
    return files;
}

QStringList filesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// A 256 x 64 single-colour screen; every program holds `zones` text zones of
// template 1 (one zone) or 4 (top, bottom-left, bottom-right).
struct Fixture
{
    QTemporaryDir dir;
    ProjectState state;
    LedPlanes planes;
    LinkState link;
    QList<Status> notes;

    explicit Fixture(int programs, int zones = 1, const QString& text = QStringLiteral("今日特价"))
    {
        installLedFontSubstitutions();
        QDir(dir.path()).mkpath(QStringLiteral("project"));
        state.setProjectFile(dir.filePath(QStringLiteral("project/Project.kvp")));
        state.hw.screenWidth = 256;
        state.hw.screenHeight = 64;
        state.hw.colourThreshold = 127;
        state.hw.cardModel = QStringLiteral("B类卡");
        InitLedDispJiemu(state);
        state.screen.programCount = programs;
        for (int n = 1; n <= programs; ++n) {
            TjiemuProp& p = state.program(n);
            p.zoneCount = zones;
            p.layoutTemplate = zones == 1 ? 1 : 4;
            for (int slot = 1; slot <= zones; ++slot) {
                ZoneRecord& z = p.zone(slot);
                const bool top = zones == 1 || slot == 1;
                z.zoneX = top || slot == 2 ? 0 : 128;
                z.zoneY = top ? 0 : 32;
                z.zoneWidth = top ? 256 : 128;
                z.zoneHeight = zones == 1 ? 64 : 32;
                z.zoneText = text;
                z.zoneFile = zoneTextFilePath(state, n, slot);
                EXPECT_TRUE(writeZoneTextFile(z.zoneFile, z.zoneText).ok);
            }
        }
    }

    QString extFile() const { return dir.filePath(QStringLiteral("project/ExtFile")); }

    Status exportTo(const QString& volume)
    {
        DownloadObserver observer;
        observer.note = [this](const Status& s) { notes.append(s); };
        return transdata_usb(state, planes, link, usbExportPath(volume), false, observer);
    }
};

long peakRssKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

TEST(UsbFaults, FullDiskKeepsThePreviousFileAndLeavesNoTemporaryFile)
{
    SmallFileSystem volume(256);
    if (!volume.mounted())
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    Fixture small(1);
    ASSERT_TRUE(small.exportTo(volume.path()).ok);
    const QString target = usbExportPath(volume.path());
    const QByteArray previous = readAll(target);
    ASSERT_FALSE(previous.isEmpty());

    // Far more than is left: 16 programs of many pages.
    QString text;
    for (int line = 0; line < 200; ++line)
        text += QStringLiteral("第%1行\r\n").arg(line);
    Fixture big(16, 1, text);
    volume.fill(64);
    const Status s = big.exportTo(volume.path());
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.message.startsWith(kExportFailed + QLatin1Char('\n'))) << s.message.toStdString();
    EXPECT_TRUE(s.message.contains(QStringLiteral("zorva.kv"))) << "the reason names the file";
    EXPECT_EQ(readAll(target), previous);
    EXPECT_EQ(filesIn(QFileInfo(target).path()), QStringList{QStringLiteral("zorva.kv")});
}

TEST(UsbFaults, ReadOnlyDiskIsReportedAndKeepsThePreviousFile)
{
    SmallFileSystem volume(1024);
    if (!volume.mounted())
        GTEST_SKIP() << "needs root to mount a small tmpfs";
    Fixture f(1);
    ASSERT_TRUE(f.exportTo(volume.path()).ok);
    const QString target = usbExportPath(volume.path());
    const QByteArray previous = readAll(target);
    ASSERT_TRUE(volume.setReadOnly(true));
    const Status s = f.exportTo(volume.path());
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.message.startsWith(kExportFailed + QLatin1Char('\n'))) << s.message.toStdString();
    EXPECT_EQ(readAll(target), previous);
    EXPECT_EQ(filesIn(QFileInfo(target).path()), QStringList{QStringLiteral("zorva.kv")});
    ASSERT_TRUE(volume.setReadOnly(false));

    // A fresh disk without even the folder.
    SmallFileSystem empty(1024);
    ASSERT_TRUE(empty.setReadOnly(true));
    const Status fresh = f.exportTo(empty.path());
    EXPECT_TRUE(fresh.message.startsWith(kExportFailed + QLatin1Char('\n'))) << fresh.message.toStdString();
    EXPECT_TRUE(QDir(empty.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

// The bitmaps only feed the layout view: "ExtFile/" is made when missing, and
// when a file blocks it the operator is told once and the sign still gets
// every zone.
TEST(UsbFaults, ExtFileFolderMissingOrBlocked)
{
    Fixture f(2, 3);
    const QString good = f.dir.filePath(QStringLiteral("good"));
    ASSERT_FALSE(QFileInfo::exists(f.extFile()));
    ASSERT_TRUE(f.exportTo(good).ok);
    EXPECT_TRUE(f.notes.isEmpty());
    EXPECT_TRUE(QFileInfo(f.extFile()).isDir());
    EXPECT_EQ(filesIn(f.extFile()).size(), 6);
    const QByteArray expected = readAll(usbExportPath(good));

    ASSERT_TRUE(QDir(f.extFile()).removeRecursively());
    ASSERT_TRUE(writeAll(f.extFile(), "not a folder"));
    const QString blocked = f.dir.filePath(QStringLiteral("blocked"));
    const Status s = f.exportTo(blocked);
    EXPECT_TRUE(s.ok) << s.message.toStdString();
    ASSERT_EQ(f.notes.size(), 1);
    EXPECT_TRUE(f.notes.front().message.contains(QStringLiteral("ExtFile")))
        << f.notes.front().message.toStdString();
    EXPECT_EQ(readAll(usbExportPath(blocked)), expected) << "every zone still reached the file";
    EXPECT_EQ(readAll(f.extFile()), QByteArray("not a folder"));
}

TEST(UsbFaults, ZoneGeometryOutsideTheScreen)
{
    struct Case
    {
        const char* name;
        int x, y, width, height;
        bool exports;
    };
    const Case cases[] = {
        {"height 0", 0, 0, 256, 0, false},
        {"width 0", 0, 0, 0, 64, true},
        {"both 0", 0, 0, 0, 0, false},
        {"right of the screen", 300, 0, 256, 64, true},
        {"below the screen", 0, 100, 256, 64, true},
        {"negative origin", -50, -20, 256, 64, true},
        {"huge", 0, 0, 100000, 100000, true},
        {"negative size", 0, 0, -8, -8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(1);
        const QString volume = f.dir.filePath(QStringLiteral("usb"));
        ASSERT_TRUE(f.exportTo(volume).ok);
        const QByteArray previous = readAll(usbExportPath(volume));
        ZoneRecord& z = f.state.zone(1, 1);
        z.zoneX = c.x;
        z.zoneY = c.y;
        z.zoneWidth = c.width;
        z.zoneHeight = c.height;
        const Status s = f.exportTo(volume);
        EXPECT_EQ(s.ok, c.exports) << s.message.toStdString();
        if (!s.ok) {
            EXPECT_TRUE(s.message.startsWith(kExportFailed + QLatin1Char('\n'))) << s.message.toStdString();
            EXPECT_EQ(readAll(usbExportPath(volume)), previous);
        }
        EXPECT_EQ(filesIn(QFileInfo(usbExportPath(volume)).path()), QStringList{QStringLiteral("zorva.kv")});
    }
}

// 16 programs of 3 zones, each zone's text far taller than the planes: the
// export streams from the planes, so memory stays at the planes and one zone
// bitmap, and every program is cut at the planes' 6144 rows.
TEST(UsbFaults, LargestProjectIsCutAtThePlanesAndStaysInBoundedMemory)
{
    QString text;
    for (int line = 0; line < 420; ++line)
        text += QStringLiteral("第%1行 今日特价\r\n").arg(line);
    Fixture f(16, 3, text);
    const long before = peakRssKilobytes();
    const QString volume = f.dir.filePath(QStringLiteral("usb"));
    const Status s = f.exportTo(volume);
    ASSERT_TRUE(s.ok) << s.message.toStdString();
    EXPECT_LT(peakRssKilobytes() - before, 512 * 1024) << "kilobytes more at the peak";

    const auto file = readExportFile(usbExportPath(volume));
    ASSERT_TRUE(file.has_value());
    EXPECT_FALSE(file->hasErrors());
    ASSERT_EQ(file->content.programs.size(), 16);
    const int framesAtMost = LedPlanes::kUsedRows / 64;
    for (const StoredProgram& p : file->content.programs)
        EXPECT_EQ(p.data.size(), framesAtMost * 64 * (256 / 8)) << "every program is cut at the planes";
}

// Only "zorva/zorva.kv" under the chosen volume changes (and the project's
// own "ExtFile/" bitmaps); a link planted where the file goes is replaced,
// never followed, and a link in place of the folder stops the export.
TEST(UsbFaults, ExportWritesNothingOutsideTheChosenVolume)
{
    Fixture f(2, 3);
    const QString root = f.dir.path();
    QDir(root).mkpath(QStringLiteral("usb/zorva"));
    QDir(root).mkpath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(writeAll(f.dir.filePath(QStringLiteral("elsewhere/passwd")), "root:x:0:0"));
    ASSERT_TRUE(QFile::link(f.dir.filePath(QStringLiteral("elsewhere/passwd")),
                            f.dir.filePath(QStringLiteral("usb/zorva/zorva.kv"))));
    auto before = snapshot(root);

    ASSERT_TRUE(f.exportTo(f.dir.filePath(QStringLiteral("usb"))).ok);
    auto after = snapshot(root);
    EXPECT_EQ(after.at(QStringLiteral("elsewhere/passwd")), QByteArray("root:x:0:0"));
    EXPECT_FALSE(QFileInfo(f.dir.filePath(QStringLiteral("usb/zorva/zorva.kv"))).isSymLink());
    for (auto it = after.begin(); it != after.end();) {
        if (it->first == QStringLiteral("usb/zorva/zorva.kv") ||
            it->first.startsWith(QStringLiteral("project/ExtFile/")))
            it = after.erase(it);
        else
            ++it;
    }
    before.erase(QStringLiteral("usb/zorva/zorva.kv"));
    EXPECT_EQ(after, before);
}

TEST(UsbFaults, LinkInPlaceOfTheExportFolderIsRefused)
{
    Fixture f(1);
    const QString root = f.dir.path();
    QDir(root).mkpath(QStringLiteral("usb"));
    QDir(root).mkpath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QFile::link(f.dir.filePath(QStringLiteral("elsewhere")),
                            f.dir.filePath(QStringLiteral("usb/zorva"))));
    const Status s = f.exportTo(f.dir.filePath(QStringLiteral("usb")));
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.message.startsWith(kExportFailed + QLatin1Char('\n'))) << s.message.toStdString();
    EXPECT_TRUE(filesIn(f.dir.filePath(QStringLiteral("elsewhere"))).isEmpty());
}
