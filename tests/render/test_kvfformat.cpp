#include "render/kvfformat.h"

#include "render/richdocument.h"
#include "render/rtfwriter.h"
#include "test_richsupport.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::testing;

namespace {

QByteArray fullNative(int topMargin = 5)
{
    RichDocument doc;
    buildFullDocument(doc.document());
    doc.setTopMargin(topMargin);
    return doc.saveNative();
}

} // namespace

TEST(KvfFormat, RoundTripKeepsTextFormatsTableAndPicture)
{
    RichDocument original;
    buildFullDocument(original.document());
    original.setTopMargin(5);
    const QByteArray saved = original.saveNative();

    RichDocument loaded;
    ASSERT_TRUE(loaded.loadNative(saved).ok);
    EXPECT_EQ(describeDocument(loaded.document()).toStdString(),
              describeDocument(original.document()).toStdString());
    EXPECT_EQ(loaded.topMargin(), 5);
    // Saving what was loaded gives the same file, byte for byte.
    EXPECT_EQ(loaded.saveNative(), saved);
}

TEST(KvfFormat, PicturesTravelInsideTheFileWithTheirOwnBytes)
{
    RichDocument doc;
    const QByteArray jpeg = encodePicture(testPicture(16, 16), "JPEG");
    doc.document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("photo.jpg")), jpeg);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("photo.jpg"));
    QTextCursor(doc.document()).insertImage(picture);
    const QByteArray saved = doc.saveNative();
    EXPECT_TRUE(saved.contains(jpeg)) << "the JPEG is stored as it came, not re-encoded";

    RichDocument loaded;
    ASSERT_TRUE(loaded.loadNative(saved).ok);
    EXPECT_EQ(imageDigest(resourceImage(loaded.document(), QStringLiteral("photo.jpg"))),
              imageDigest(QImage::fromData(jpeg)));
}

TEST(KvfFormat, HeaderIsVersionedText)
{
    const QByteArray saved = fullNative();
    EXPECT_TRUE(saved.startsWith("KVF 1\ntop-margin: 5\nbackground: #000000\noutline: BBTB\nhtml: "));
}

TEST(KvfFormat, BadFilesFailCleanly)
{
    const QByteArray good = fullNative();
    const qsizetype bodyStart = good.indexOf("\n\n") + 2;
    struct Case
    {
        const char* what;
        QByteArray data;
        bool ok;
        bool someText; // part of the document is still there
    };
    const Case cases[] = {
        {"empty file is an empty document", QByteArray(), true, false},
        {"not a document", "hello world", false, false},
        {"header without end", "KVF 1\ntop-margin: 3\n", false, false},
        {"newer version", "KVF 2\nhtml: 0\n\n", false, false},
        {"negative length", "KVF 1\nhtml: -5\n\n<p>x</p>", false, false},
        {"length beyond the end", "KVF 1\nhtml: 999999\n\n<p>x</p>", false, false},
        {"truncated picture keeps the text", good.left(good.size() - 10), false, true},
        {"cut inside the html", good.left(bodyStart + 40), false, false},
        {"unknown keys are ignored", "KVF 1\nfuture: yes\nhtml: 8\n\n<p>ok</p>", true, true},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        const Status status = doc.loadNative(c.data);
        EXPECT_EQ(status.ok, c.ok) << c.what;
        if (!status.ok) {
            EXPECT_FALSE(status.message.isEmpty()) << c.what;
        }
        EXPECT_EQ(!doc.document()->toPlainText().trimmed().isEmpty(), c.someText) << c.what;
    }
}

TEST(KvfFormat, ReadsNoFileTheDocumentNames)
{
    // A hostile file naming a local file (here an endless one) as a picture
    // or a style sheet must not make the reader open it.
    const QByteArray html = "<html><head><link rel=\"stylesheet\" href=\"/dev/zero\"/></head>"
                            "<body><p>a<img src=\"/dev/zero\"/><img src=\"file:///etc/passwd\" "
                            "width=\"99999999\" height=\"5\"/></p></body></html>";
    const QByteArray data = "KVF 1\nhtml: " + QByteArray::number(html.size()) + "\n\n" + html;
    RichDocument doc;
    doc.setLayoutWidth(64);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(doc.loadNative(data).ok);
    const QImage image = doc.render(doc.documentWidth(), doc.documentHeight());
    EXPECT_FALSE(image.isNull());
    EXPECT_LE(doc.documentWidth(), kMaxPictureSide);
    EXPECT_TRUE(resourceImage(doc.document(), QStringLiteral("/dev/zero")).isNull());
}

TEST(KvfFormat, RtfSavedUnderANativeNameStillOpens)
{
    RichDocument source;
    buildFullDocument(source.document());
    RichDocument doc;
    ASSERT_TRUE(doc.loadNative(writeRtf(source.document())).ok);
    EXPECT_TRUE(doc.document()->toPlainText().contains(QStringLiteral("欢迎光临")));
}

TEST(KvfFormat, ZeroWidthPictureInATableDoesNotHangTheLayout)
{
    // Qt's layout loops for ever on a picture zero pixels wide inside a table;
    // the reader clamps such pictures before anything is laid out.
    const QByteArray html = "<img width><td>><img width";
    RichDocument doc;
    doc.setLayoutWidth(64);
    doc.loadNative("KVF 1\nhtml: " + QByteArray::number(html.size()) + "\n\n" + html);
    EXPECT_GT(doc.documentHeight(), 0);
    EXPECT_LT(doc.documentHeight(), 1000);
}
