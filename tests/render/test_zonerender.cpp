#include "project/zonefiles.h"
#include "render/zonerender.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

using namespace dotsign;

namespace {

bool isBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

// A 128 x 32 screen in a temporary project folder.
class ZoneRenderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        state.setProjectFile(dir.filePath(QStringLiteral("Project.kvp")));
        state.hw.screenWidth = 128;
        state.hw.screenHeight = 32;
        state.hw.colourThreshold = 127;
        planes = std::make_unique<LedPlanes>();
    }

    ZoneRecord& textZone(int slot, const QString& text, const QString& file = QStringLiteral("0-0-1.txt"))
    {
        ZoneRecord& z = state.zone(1, slot);
        z.zoneType = ZoneText;
        z.zoneX = 0;
        z.zoneY = 0;
        z.zoneWidth = 128;
        z.zoneHeight = 16;
        z.zoneEffect = 3;
        z.zoneText = text;
        z.zoneFile = file;
        return z;
    }

    ZoneRecord& clockZone(int slot)
    {
        ZoneRecord& z = state.zone(1, slot);
        z.zoneType = ZoneClock;
        z.zoneX = 0;
        z.zoneY = 16;
        z.zoneWidth = 128;
        z.zoneHeight = 16;
        z.clockOptions = 8 | 4 | 2;
        z.zoneFile = QStringLiteral("clock.bmp");
        return z;
    }

    QTemporaryDir dir;
    ProjectState state;
    std::unique_ptr<LedPlanes> planes;
};

TEST_F(ZoneRenderFixture, TextComesFromZoneTextOnlyForTxtFiles)
{
    struct
    {
        QString file;
        bool drawn;
    } const cases[] = {
        {QStringLiteral("0-0-1.txt"), true},
        {QStringLiteral("C:\\old\\place\\0-0-1.txt"), true},
        {QStringLiteral("0-0-1.TXT"), false},
        {QStringLiteral("0-0-1.kvf"), false},
    };
    for (const auto& c : cases) {
        textZone(1, QStringLiteral("汉字\r\n"), c.file);
        const ZoneRender r = renderZone(state, 1, 1, RenderMode::Preview);
        ASSERT_EQ(r.image.size(), QSize(128, 16)) << c.file.toStdString();
        EXPECT_EQ(!isBlack(r.image), c.drawn) << c.file.toStdString();
        EXPECT_EQ(state.zone(1, 1).zoneInfoHeight, 16);
    }
}

TEST_F(ZoneRenderFixture, TextUsesTheZonesFontSizeAndFlags)
{
    ZoneRecord& z = textZone(1, QStringLiteral("汉字"));
    z.zoneFontSize = 3; // 32 LEDs
    z.zoneHeight = 32;
    EXPECT_EQ(renderZone(state, 1, 1, RenderMode::Download).image.size(), QSize(128, 32));

    z.zoneFontSize = 99; // no such row: 12 LEDs at 12 points
    z.zoneFont = 5000;   // a position from another machine's font list
    z.zoneText = QString(22, QChar(0x6C49));
    z.zoneHeight = 12;
    const ZoneRender small = renderZone(state, 1, 1, RenderMode::Download);
    // 12 LEDs: 20 bytes per line, so 44 bytes are three lines of 12 rows.
    EXPECT_EQ(small.image.height(), 36);
    EXPECT_FALSE(isBlack(small.image));

    z.clockYearFormat = 1; // couplet
    z.zoneHeight = 0;
    renderZone(state, 1, 1, RenderMode::Download);
    EXPECT_EQ(z.zoneHeight, 8);

    z.zoneText = QStringLiteral("价😀");
    z.clockYearFormat = 0;
    z.zoneHeight = 16;
    EXPECT_EQ(renderZone(state, 1, 1, RenderMode::Preview).replacedCharacters, QStringLiteral("😀"));
}

TEST_F(ZoneRenderFixture, PreviewOfAZoneWithoutFileIsABlackPage)
{
    ZoneRecord& z = clockZone(1);
    z.zoneFile.clear();
    const ZoneRender r = renderZone(state, 1, 1, RenderMode::Preview);
    EXPECT_EQ(r.image.size(), QSize(128, 16));
    EXPECT_TRUE(isBlack(r.image));
    EXPECT_TRUE(z.zoneFile.isEmpty());
}

TEST_F(ZoneRenderFixture, ClockZonePointsAtItsBitmapAndKeepsPositions)
{
    ZoneRecord& z = clockZone(2);
    z.zoneInfoHeight = 0;
    const ZoneRender preview = renderZone(state, 1, 2, RenderMode::Preview);
    EXPECT_EQ(z.zoneFile, ZoneBitmapPath(state, 1, 2));
    EXPECT_EQ(z.clockMinuteX, 24);
    EXPECT_EQ(z.zoneInfoHeight, 16);
    EXPECT_EQ(preview.PreviewWidth, 128);
    EXPECT_EQ(preview.PreviewHeight, 16);
    EXPECT_NE(renderZone(state, 1, 2, RenderMode::Download).image, preview.image);
}

TEST_F(ZoneRenderFixture, DownloadSavesTheBitmapAndFillsThePlanes)
{
    textZone(1, QStringLiteral("汉字汉字汉字汉字汉字"));
    clockZone(2);
    ASSERT_FALSE(QDir(dir.filePath(QStringLiteral("ExtFile"))).exists());

    for (int slot : {1, 2}) {
        const ZonePlanesResult r = renderZoneToPlanes(state, *planes, 1, slot);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_TRUE(r.rendered);
        EXPECT_TRUE(r.note.isEmpty());
    }
    // The text runs to two lines: page 1 lands in frame 1.
    EXPECT_EQ(state.zone(1, 1).zoneInfoHeight, 32);
    EXPECT_EQ(frameCount(state.zone(1, 1)), 2);
    EXPECT_EQ(state.zone(1, 2).zoneInfoHeight, 16);

    bool frame0 = false, frame1 = false, hourDigits = false, colon = false;
    for (int row = 0; row < 16; ++row) {
        for (int b = 0; b < 16; ++b) {
            frame0 |= planes->TRANSDATAR(row, b) != 0;
            frame1 |= planes->TRANSDATAR(32 + row, b) != 0;
        }
        // The clock's mask "  :  :  ": the controller draws the digits, the colons are ours.
        hourDigits |= (planes->TRANSDATAR(16 + row, 0) | planes->TRANSDATAR(16 + row, 1)) != 0;
        colon |= planes->TRANSDATAR(16 + row, 2) != 0;
    }
    EXPECT_TRUE(frame0);
    EXPECT_TRUE(frame1);
    EXPECT_FALSE(hourDigits);
    EXPECT_TRUE(colon);

    for (int slot : {1, 2}) {
        QImageReader reader(ZoneBitmapPath(state, 1, slot));
        EXPECT_EQ(reader.format(), QByteArray("bmp"));
        const QImage saved = reader.read();
        EXPECT_EQ(saved.width(), 128) << slot;
    }
}

TEST_F(ZoneRenderFixture, ZonesWithoutContentAreSkipped)
{
    ZoneRecord& empty = textZone(1, QStringLiteral("汉字"), QString());
    empty.zoneInfoHeight = 48;
    ZonePlanesResult r = renderZoneToPlanes(state, *planes, 1, 1);
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.rendered);
    EXPECT_EQ(empty.zoneInfoHeight, 48);

    ZoneRecord& doc = state.zone(1, 2);
    doc.zoneType = ZoneDocument;
    doc.zoneWidth = 64;
    doc.zoneHeight = 16;
    doc.zoneFile = QStringLiteral("missing.kvf");
    r = renderZoneToPlanes(state, *planes, 1, 2);
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.rendered);
    EXPECT_FALSE(QFile::exists(ZoneBitmapPath(state, 1, 2)));
}

TEST_F(ZoneRenderFixture, TextZoneWhoseFileWasNeverSavedIsStillSent)
{
    textZone(1, QStringLiteral("汉字"));
    ASSERT_FALSE(QFile::exists(zoneTextFilePath(state, 1, 1)));
    const ZonePlanesResult r = renderZoneToPlanes(state, *planes, 1, 1);
    EXPECT_TRUE(r.rendered);
    EXPECT_NE(planes->TRANSDATAR(4, 0), 0);
}

TEST_F(ZoneRenderFixture, ClockBelowTheLastRowReportsAnOverflowNote)
{
    state.hw.screenHeight = 6150;
    ZoneRecord& z = clockZone(1);
    z.zoneY = 6140;
    z.zoneBackColour = 1; // every row lit, so the kept rows are visible
    const ZonePlanesResult r = renderZoneToPlanes(state, *planes, 1, 1);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.note, QStringLiteral("文件大小超出了该节目的编辑区域。"));
    EXPECT_EQ(r.noteCaption, QStringLiteral("错误"));
    EXPECT_NE(planes->TRANSDATAR(6143, 0), 0);
}

TEST_F(ZoneRenderFixture, FailuresAreValuesNotCrashes)
{
    textZone(1, QStringLiteral("汉字"));
    QFile blocker(dir.filePath(QStringLiteral("ExtFile")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(renderZoneToPlanes(state, *planes, 1, 1).ok);

    for (auto [program, slot] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{18, 1}, std::pair{1, 5}}) {
        EXPECT_FALSE(renderZone(state, program, slot, RenderMode::Preview).status.ok);
        EXPECT_FALSE(renderZoneToPlanes(state, *planes, program, slot).ok);
    }
}

TEST_F(ZoneRenderFixture, PageMarksAreBlueLinesAtTheEndOfEachPage)
{
    textZone(1, QString(20, QChar(0x6C49)));
    ZoneRender r = renderZone(state, 1, 1, RenderMode::Preview);
    ASSERT_EQ(r.image.height(), 48); // 40 bytes: lines of 16, 16 and 8
    drawPageMarks(r, state.zone(1, 1));
    for (int y : {15, 31, 47})
        for (int x : {0, 127})
            EXPECT_EQ(r.image.pixel(x, y) & 0xFFFFFF, 0x0000FFu) << x << "," << y;
    EXPECT_NE(r.image.pixel(0, 14) & 0xFFFFFF, 0x0000FFu);

    ZoneRecord& strip = textZone(1, QStringLiteral("汉字汉字汉字汉字汉字汉字"));
    strip.zonePlainText = 1;
    strip.zoneEffect = 1;
    strip.zoneStay = 0;
    strip.zoneWidth = 64;
    ZoneRender s = renderZone(state, 1, 1, RenderMode::Preview);
    ASSERT_TRUE(s.stripMode);
    drawPageMarks(s, strip);
    EXPECT_EQ(s.stripImage.pixel(63, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(s.stripImage.pixel(127, 15) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(ZoneRenderFixture, PreviewRaisesALowDocumentZoneTo16Rows)
{
    ZoneRecord& doc = state.zone(1, 1);
    doc.zoneType = ZoneDocument;
    doc.zoneWidth = 64;
    doc.zoneHeight = 8;
    doc.zoneFile = QStringLiteral("notes.rtf");
    renderZone(state, 1, 1, RenderMode::Preview);
    EXPECT_EQ(doc.zoneHeight, 8); // no document: left alone

    QFile file(dir.filePath(QStringLiteral("notes.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 x}");
    file.close();
    const ZoneRender r = renderZone(state, 1, 1, RenderMode::Preview);
    EXPECT_EQ(doc.zoneHeight, 16);
    EXPECT_FALSE(r.image.isNull());
}

} // namespace

namespace {

// Records as a damaged or hand-edited project file may hold them.
TEST_F(ZoneRenderFixture, ExtremeRecordValuesNeitherCrashNorOverflow)
{
    const int extremes[] = {INT_MIN, -1, 0, 1, 7, 1 << 20, INT_MAX};
    int rendered = 0;
    for (ZoneType type : {ZoneText, ZoneClock})
        for (int width : extremes)
            for (int height : extremes)
                for (int offset : {INT_MIN, 0, INT_MAX}) {
                    ZoneRecord& z = textZone(1, QStringLiteral("汉字ab\r\n"));
                    z.zoneType = type;
                    z.zoneWidth = width;
                    z.zoneHeight = height;
                    z.zoneX = z.zoneY = z.zoneInfoX = z.zoneInfoY = z.zoneInfoSpacing = offset;
                    z.zonePlainText = height & 1;
                    z.zoneEffect = 1;
                    z.zoneStay = 0;
                    z.clockYearFormat = width & 1;
                    z.clockOptions = 254;
                    z.zoneFontSize = offset;
                    z.zoneFont = offset;
                    const ZonePlanesResult r = renderZoneToPlanes(state, *planes, 1, 1, false);
                    rendered += r.rendered;
                    const ZoneRender preview = renderZone(state, 1, 1, RenderMode::Preview);
                    EXPECT_LE(qint64(preview.image.width()) * preview.image.height(), qint64(4096) * 6144);
                }
    EXPECT_GT(rendered, 0);
}

} // namespace
