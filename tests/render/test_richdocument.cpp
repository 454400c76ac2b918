#include "render/richdocument.h"

#include "project/zonefiles.h"
#include "render/documentzone.h"
#include "render/kvfformat.h"
#include "render/ledplanes.h"
#include "test_richsupport.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::testing;

namespace {

// A project folder with one graphic-text zone (64 x 16 at 0, 16 of a
// 128 x 32 screen) whose document is written by `make`.
class DocumentZoneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_state.setProjectFile(m_dir.filePath(QStringLiteral("Project.kvp")));
        m_zone.zoneType = ZoneDocument;
        m_zone.zoneX = 0;
        m_zone.zoneY = 16;
        m_zone.zoneWidth = 64;
        m_zone.zoneHeight = 16;
    }

    void writeDocument(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        m_zone.zoneFile = QStringLiteral("C:\\old\\place\\") + name; // only the file name counts
    }

    void writeDocument(const QString& name, const std::function<void(RichDocument&)>& make)
    {
        RichDocument doc;
        make(doc);
        writeDocument(name, name.endsWith(QLatin1String(".rtf")) ? doc.saveRtf() : doc.saveNative());
    }

    DocumentRender render(DocumentPurpose purpose = DocumentPurpose::Download)
    {
        return paintZoneDocument(m_state, m_zone, purpose);
    }

    QTemporaryDir m_dir;
    ProjectState m_state;
    ZoneRecord m_zone;
};

void insertPicture(RichDocument& doc, const QImage& picture)
{
    doc.document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("p.png")), picture);
    QTextImageFormat format;
    format.setName(QStringLiteral("p.png"));
    QTextCursor(doc.document()).insertImage(format);
}

// A document exactly `rows` high: one paragraph of that fixed line height.
void fixedHeightDocument(RichDocument& doc, int rows)
{
    QTextCursor cursor(doc.document());
    QTextBlockFormat format;
    format.setLineHeight(rows, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(format);
    cursor.insertText(QStringLiteral("x"));
}

bool isBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                return false;
    return true;
}

} // namespace

TEST(RichDocument, FormatIsChosenByTheExactExtension)
{
    const std::pair<const char*, DocumentFormat> cases[] = {
        {"a.kvf", DocumentFormat::Native}, {"a.kvc", DocumentFormat::Native},
        {"a.rtf", DocumentFormat::Rtf},    {"a.KVF", DocumentFormat::None},
        {"a.Rtf", DocumentFormat::None},   {"a.txt", DocumentFormat::None},
        {"kvf", DocumentFormat::None},     {"a.kvf.bak", DocumentFormat::None},
        {"", DocumentFormat::None},
    };
    for (const auto& [path, format] : cases)
        EXPECT_EQ(documentFormatForPath(QString::fromLatin1(path)), format) << path;
}

TEST(RichDocument, OtherExtensionsLeaveTheDocumentAsItWas)
{
    QTemporaryDir dir;
    RichDocument source;
    fixedHeightDocument(source, 20);
    const QString upper = dir.filePath(QStringLiteral("A.KVF"));
    QFile file(upper);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(source.saveNative());
    file.close();

    RichDocument doc;
    QTextCursor(doc.document()).insertText(QStringLiteral("kept"));
    EXPECT_TRUE(doc.loadFile(upper).ok);
    EXPECT_EQ(doc.document()->toPlainText(), QStringLiteral("kept"));
}

TEST(RichDocument, UnreadableRtfReportsTheReadError)
{
    QTemporaryDir dir;
    for (const QByteArray& content : {QByteArray("not rtf at all"), QByteArray()}) {
        const QString path = dir.filePath(QStringLiteral("bad.rtf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        RichDocument doc;
        const Status status = doc.loadFile(path);
        EXPECT_FALSE(status.ok);
        EXPECT_EQ(status.message, QStringLiteral("错误"));
        EXPECT_EQ(status.caption, QStringLiteral("文件读错误。"));
    }
    RichDocument doc;
    EXPECT_EQ(doc.loadFile(dir.filePath(QStringLiteral("missing.rtf"))).caption,
              QStringLiteral("文件读错误。"));
}

TEST(RichDocument, SaveFileWritesNativeOnlyForKvf)
{
    QTemporaryDir dir;
    RichDocument doc;
    buildFullDocument(doc.document());
    ASSERT_TRUE(doc.saveFile(dir.filePath(QStringLiteral("a.kvf"))).ok);
    ASSERT_TRUE(doc.saveFile(dir.filePath(QStringLiteral("a.kvc"))).ok);
    QFile native(dir.filePath(QStringLiteral("a.kvf")));
    QFile other(dir.filePath(QStringLiteral("a.kvc")));
    ASSERT_TRUE(native.open(QIODevice::ReadOnly) && other.open(QIODevice::ReadOnly));
    EXPECT_TRUE(native.readAll().startsWith("KVF 1\n"));
    EXPECT_TRUE(other.readAll().startsWith("{\\rtf1"));
    RichDocument loaded;
    ASSERT_TRUE(loaded.loadFile(dir.filePath(QStringLiteral("a.kvc"))).ok) << "RTF under .kvc is still read";
    EXPECT_TRUE(loaded.document()->toPlainText().contains(QStringLiteral("欢迎光临")));
}

TEST(RichDocument, TopMarginAndLineSpacing)
{
    RichDocument doc;
    doc.setLayoutWidth(64);
    fixedHeightDocument(doc, 20);
    EXPECT_EQ(doc.documentHeight(), 20);
    doc.setTopMargin(7);
    EXPECT_EQ(doc.topMargin(), 7);
    EXPECT_EQ(doc.documentHeight(), 27) << "the formatted height includes the shift";
    doc.setTopMargin(100);
    EXPECT_EQ(doc.topMargin(), kMaxTopMargin);

    RichDocument spaced;
    QTextCursor cursor(spaced.document());
    cursor.insertText(QStringLiteral("a"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("b"));
    cursor.select(QTextCursor::Document);
    applyLineSpacing(cursor, 150);
    EXPECT_EQ(paragraphLineSpacing(spaced.document()->begin()), 150);
    EXPECT_EQ(paragraphLineSpacing(spaced.document()->lastBlock()), 150);
    applyLineSpacing(cursor, 100);
    EXPECT_EQ(paragraphLineSpacing(spaced.document()->begin()), 100);
    EXPECT_EQ(spaced.document()->begin().blockFormat().lineHeightType(), QTextBlockFormat::SingleHeight);
}

TEST(RichDocument, TextIsPaintedWithoutSmoothing)
{
    RichDocument doc;
    doc.setLayoutWidth(64);
    QTextCharFormat green;
    green.setForeground(QColor(0, 128, 0));
    QTextCursor cursor(doc.document());
    cursor.insertText(QStringLiteral("中文"));
    cursor.insertText(QStringLiteral("AB"), green);
    const QImage image = doc.render(doc.documentWidth(), doc.documentHeight());
    int lit = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(p == 0 || p == 0xFF0000 || p == 0x008000) << std::hex << p << " at " << x << "," << y;
            lit += p != 0;
        }
    }
    EXPECT_GT(lit, 20) << "default text is red, on black";
}

TEST_F(DocumentZoneTest, PictureOnlyDocumentIsItsPictureAtTheTopLeft)
{
    const QImage picture = testPicture(20, 16);
    writeDocument(QStringLiteral("pic.kvf"), [&](RichDocument& doc) { insertPicture(doc, picture); });
    const DocumentRender result = render();
    ASSERT_TRUE(result.found);
    ASSERT_TRUE(result.status.ok);
    EXPECT_EQ(result.image.width(), 64) << "laid out at the zone width, left of the editor's scroll bar";
    EXPECT_EQ(result.image.copy(0, 0, 20, 16).convertToFormat(QImage::Format_RGB32),
              picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(isBlack(result.image.copy(20, 0, 44, result.image.height())));
}

TEST_F(DocumentZoneTest, TallDocumentFillsWholePagesOfThePlanes)
{
    writeDocument(QStringLiteral("tall.kvf"), [](RichDocument& doc) { fixedHeightDocument(doc, 40); });
    const DocumentRender result = render();
    ASSERT_EQ(result.image.height(), 40) << "the download renders the document's own height";

    LedPlanes planes;
    const CopyResult copy =
        CopyZoneToPlanes(planes, result.image, m_zone, 128, 32, 127, LedPlanes::kDocumentRows, true);
    EXPECT_FALSE(copy.overflowed);
    EXPECT_EQ(m_zone.zoneInfoHeight, 48);

    const DocumentRender preview = render(DocumentPurpose::Preview);
    EXPECT_EQ(preview.image.height(), 48) << "the preview rounds up to whole pages";
}

TEST_F(DocumentZoneTest, EmptyDocumentIsOneBlackPage)
{
    writeDocument(QStringLiteral("empty.kvf"), [](RichDocument&) {});
    for (DocumentPurpose purpose : {DocumentPurpose::Download, DocumentPurpose::Preview}) {
        const DocumentRender result = render(purpose);
        ASSERT_TRUE(result.found);
        EXPECT_EQ(result.image.height(), 16);
        EXPECT_EQ(result.image.width(), 64);
        EXPECT_TRUE(isBlack(result.image));
    }
}

TEST_F(DocumentZoneTest, TopMarginShiftsTheContentAndIsKeptInTheHeight)
{
    writeDocument(QStringLiteral("shift.rtf"), [](RichDocument& doc) {
        fixedHeightDocument(doc, 16);
        doc.setTopMargin(4);
    });
    const DocumentRender result = render();
    ASSERT_TRUE(result.status.ok);
    EXPECT_EQ(result.image.height(), 20) << "the shifted last rows are not cut off";
    EXPECT_TRUE(isBlack(result.image.copy(0, 0, 64, 4)));
}

TEST_F(DocumentZoneTest, MissingFilesAndOtherExtensions)
{
    m_zone.zoneFile = QStringLiteral("nothing.kvf");
    EXPECT_FALSE(render().found);
    m_zone.zoneFile.clear();
    EXPECT_FALSE(render().found);

    writeDocument(QStringLiteral("UPPER.KVF"), [](RichDocument& doc) { fixedHeightDocument(doc, 40); });
    const DocumentRender upper = render();
    EXPECT_TRUE(upper.found);
    EXPECT_EQ(upper.image.height(), 16) << "a capitalised extension loads nothing: one empty page";
    EXPECT_TRUE(isBlack(upper.image));
}

TEST_F(DocumentZoneTest, PreviewRaisesLowZonesToSixteenRows)
{
    m_zone.zoneHeight = 8;
    writeDocument(QStringLiteral("low.kvf"), [](RichDocument& doc) { fixedHeightDocument(doc, 20); });
    const DocumentRender preview = render(DocumentPurpose::Preview);
    EXPECT_EQ(preview.pageHeight, 16);
    EXPECT_EQ(preview.image.height(), 32);
    const DocumentRender download = render(DocumentPurpose::Download);
    EXPECT_EQ(download.pageHeight, 8);
    EXPECT_EQ(download.image.height(), 20);
}

TEST_F(DocumentZoneTest, BrokenRtfStillRendersWithTheMessage)
{
    writeDocument(QStringLiteral("broken.rtf"), QByteArray("this is not rtf"));
    const DocumentRender result = render();
    EXPECT_TRUE(result.found);
    EXPECT_FALSE(result.status.ok);
    EXPECT_EQ(result.status.message, QStringLiteral("错误"));
    EXPECT_EQ(result.image.height(), 16);
}

TEST_F(DocumentZoneTest, HugeDocumentsAreCutBelowThePlaneLimit)
{
    writeDocument(QStringLiteral("huge.kvf"), [](RichDocument& doc) { fixedHeightDocument(doc, 100000); });
    const DocumentRender result = render();
    EXPECT_LE(result.image.height(), LedPlanes::kDocumentRows + m_zone.zoneHeight);
    // The cut lies beyond what the copy takes (16 x 4096 / 32 = 2048 rows), so
    // the planes get the same pages as from the whole document.
    LedPlanes planes;
    CopyZoneToPlanes(planes, result.image, m_zone, 128, 32, 127, LedPlanes::kDocumentRows, true);
    EXPECT_EQ(m_zone.zoneInfoHeight, 2048);
}
