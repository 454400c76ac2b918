#include "render/rtfwriter.h"

#include "render/richdocument.h"
#include "test_richsupport.h"

#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::testing;

TEST(RtfWriter, RoundTripKeepsTextFormatsTableAndPicture)
{
    RichDocument original;
    buildFullDocument(original.document());
    original.setTopMargin(3);
    const QByteArray rtf = original.saveRtf();

    RichDocument loaded;
    ASSERT_TRUE(loaded.loadRtf(rtf).ok);
    EXPECT_EQ(describeDocument(loaded.document()).toStdString(),
              describeDocument(original.document()).toStdString());
    EXPECT_EQ(loaded.saveRtf(), rtf) << "a second round gives the same file";
}

TEST(RtfWriter, ChineseTextIsEscapedWithGbkFallbacks)
{
    RichDocument doc;
    QTextCursor cursor(doc.document());
    cursor.insertText(QStringLiteral("宋A") + QString::fromUtf8("\xF0\x9D\x84\x9E") +
                      QStringLiteral("{}\\\tok"));
    const QByteArray rtf = doc.saveRtf();
    for (const char c : rtf)
        ASSERT_LT(static_cast<uchar>(c), 0x80) << "RTF is 7-bit text";
    EXPECT_TRUE(rtf.contains("\\uc2\\u23435\\'cb\\'ce")) << "宋 with its GBK bytes for older readers";
    EXPECT_TRUE(rtf.contains("\\uc1\\u-10188?\\u-8930?")) << "a character outside GBK falls back to '?'";
    EXPECT_TRUE(rtf.contains("\\{\\}\\\\\\tab ok"));
    EXPECT_TRUE(rtf.contains("\\fcharset134 \\'cb\\'ce\\'cc\\'e5;")) << "font names in GBK";

    RichDocument loaded;
    ASSERT_TRUE(loaded.loadRtf(rtf).ok);
    EXPECT_EQ(loaded.document()->toPlainText(), doc.document()->toPlainText());
}

TEST(RtfWriter, EmptyParagraphsAndLineBreaksSurvive)
{
    RichDocument doc;
    QTextCursor cursor(doc.document());
    cursor.insertText(QStringLiteral("a") + QChar(QChar::LineSeparator) + QStringLiteral("b"));
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("c"));
    cursor.insertBlock();
    RichDocument loaded;
    ASSERT_TRUE(loaded.loadRtf(doc.saveRtf()).ok);
    EXPECT_EQ(loaded.document()->blockCount(), 4);
    EXPECT_EQ(loaded.document()->toRawText(), doc.document()->toRawText());
}

TEST(RtfWriter, JpegPicturesStayJpeg)
{
    RichDocument doc;
    const QByteArray jpeg = encodePicture(testPicture(16, 8), "JPEG");
    doc.document()->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("j.jpg")), jpeg);
    QTextImageFormat picture;
    picture.setName(QStringLiteral("j.jpg"));
    picture.setWidth(32);
    QTextCursor(doc.document()).insertImage(picture);
    const QByteArray rtf = doc.saveRtf();
    EXPECT_TRUE(rtf.contains("\\jpegblip\\picw16\\pich8\\picwgoal480\\pichgoal240"));
    EXPECT_TRUE(rtf.contains(jpeg.left(32).toHex()));
}
