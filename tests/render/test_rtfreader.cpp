#include "render/rtfreader.h"

#include "render/richdocument.h"
#include "test_richsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextTable>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace dotsign;
using namespace dotsign::testing;

namespace {

QByteArray rtf(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
           "{\\f1\\fswiss\\fcharset0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}" +
           body + "}";
}

// The first text fragment of the document.
QTextFragment firstFragment(const QTextDocument* doc)
{
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            return it.fragment();
    }
    return QTextFragment();
}

} // namespace

TEST(RtfReader, TextAndCodePages)
{
    struct Case
    {
        const char* what;
        QByteArray data;
        QString text;
    };
    const Case cases[] = {
        {"plain text", rtf("Hello world"), QStringLiteral("Hello world")},
        {"GBK bytes of a charset 134 font", rtf("\\f0 \\'bb\\'b6\\'d3\\'ad"), QStringLiteral("欢迎")},
        {"GBK by the document code page", "{\\rtf1\\ansi\\ansicpg936 \\'c4\\'e3\\'ba\\'c3}",
         QStringLiteral("你好")},
        {"Latin-1 font in a GBK document", rtf("\\f1 caf\\'e9"), QStringLiteral("café")},
        {"\\u with one fallback character", rtf("\\uc1\\u23435?x"), QStringLiteral("宋x")},
        {"\\u with GBK fallback bytes", rtf("\\uc2\\u23435\\'cb\\'cex"), QStringLiteral("宋x")},
        {"negative \\u", rtf("\\u-3913?"), QString(QChar(0xF0B7))},
        {"\\uc0 skips nothing", rtf("\\uc0\\u65 B"), QStringLiteral("AB")},
        {"fallback ends at the group end", rtf("{\\uc5\\u20013}ab"), QStringLiteral("中ab")},
        {"escaped braces and backslash", rtf("a\\{b\\}c\\\\d"), QStringLiteral("a{b}c\\d")},
        {"tab, line break and non-breaking space", rtf("a\\tab b\\line c\\~d"),
         QStringLiteral("a\tb") + QChar(0x2028) + QStringLiteral("c") + QChar(0xA0) + QStringLiteral("d")},
        {"typographic characters", rtf("\\lquote x\\rquote \\endash\\emdash\\bullet"),
         QStringLiteral("‘x’–—•")},
        {"unknown optional destination skipped", rtf("{\\*\\unknowndest secret}shown"),
         QStringLiteral("shown")},
        {"header, footer and info skipped", rtf("{\\info{\\title T}}{\\header H}{\\footer F}body"),
         QStringLiteral("body")},
        {"field result shown, instruction skipped",
         rtf("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}"), QStringLiteral("link")},
        {"line breaks in the file are not text", rtf("ab\r\ncd"), QStringLiteral("abcd")},
        {"paragraphs", rtf("one\\par two\\par three"), QStringLiteral("one\ntwo\nthree")},
        {"page break is a new paragraph", rtf("one\\page two"), QStringLiteral("one\ntwo")},
        {"font names in GBK", "{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'ba\\'da\\'cc\\'e5;}}\\f0 x}",
         QStringLiteral("x")},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        EXPECT_TRUE(doc.loadRtf(c.data).ok) << c.what;
        // Raw text keeps line separators and non-breaking spaces as they are.
        const QString text = doc.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
        EXPECT_EQ(text.toStdString(), c.text.toStdString()) << c.what;
    }
}

TEST(RtfReader, CharacterFormats)
{
    struct Case
    {
        const char* what;
        QByteArray body;
        QString expected; // describeChar of the first fragment
    };
    const Case cases[] = {
        {"defaults: font 0, 12 pt, automatic colour", "x", "[x|宋体|12pt||fg-|bg-|v0]"},
        {"font, size, colour", "\\f1\\fs48\\cf2 x", "[x|Arial|24pt||fg#008000|bg-|v0]"},
        {"bold italic underline strike", "\\b\\i\\ul\\strike x", "[x|宋体|12pt|bius|fg-|bg-|v0]"},
        {"switched off again", "\\b\\i\\ul\\strike\\b0\\i0\\ulnone\\strike0 x", "[x|宋体|12pt||fg-|bg-|v0]"},
        {"\\plain resets", "\\b\\cf1\\fs40\\plain x", "[x|宋体|12pt||fg-|bg-|v0]"},
        {"highlight", "\\highlight1 x", "[x|宋体|12pt||fg-|bg#ff0000|v0]"},
        {"\\cb background", "\\cb2 x", "[x|宋体|12pt||fg-|bg#008000|v0]"},
        {"colour outside the table is automatic", "\\cf9 x", "[x|宋体|12pt||fg-|bg-|v0]"},
        {"groups restore the formats", "{\\b\\cf1 a}x", "[a|宋体|12pt|b|fg#ff0000|bg-|v0]"},
        {"superscript", "\\super x", "[x|宋体|12pt||fg-|bg-|v1]"},
        {"absurd size is clamped", "\\fs99999999 x", "[x|宋体|1638pt||fg-|bg-|v0]"},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        ASSERT_TRUE(doc.loadRtf(rtf(c.body)).ok) << c.what;
        const QTextFragment f = firstFragment(doc.document());
        EXPECT_EQ(describeChar(doc.document(), f.charFormat(), f.text()).toStdString(),
                  c.expected.toStdString())
            << c.what;
    }
    RichDocument doc;
    ASSERT_TRUE(doc.loadRtf(rtf("{\\b a}x")).ok);
    EXPECT_EQ(doc.document()->begin().begin().fragment().charFormat().fontWeight(), QFont::Bold);
    auto second = doc.document()->begin().begin();
    ++second;
    EXPECT_EQ(second.fragment().charFormat().fontWeight(), QFont::Normal) << "the group's bold ends with it";
}

TEST(RtfReader, ParagraphFormats)
{
    struct Case
    {
        const char* what;
        QByteArray body;
        QString expected; // describeBlock of the first paragraph, without its text
    };
    const Case cases[] = {
        {"centred", "\\qc x\\par", "P(a4 l0 r0 i0 t0 b0 h0/0 bg-)"},
        {"right", "\\qr x\\par", "P(a2 l0 r0 i0 t0 b0 h0/0 bg-)"},
        {"justified", "\\qj x\\par", "P(a8 l0 r0 i0 t0 b0 h0/0 bg-)"},
        {"indents in twips", "\\li300\\ri150\\fi-150 x\\par", "P(a1 l20 r10 i-10 t0 b0 h0/0 bg-)"},
        {"space before and after", "\\sb150\\sa300 x\\par", "P(a1 l0 r0 i0 t10 b20 h0/0 bg-)"},
        {"one and a half lines", "\\sl360\\slmult1 x\\par", "P(a1 l0 r0 i0 t0 b0 h1/150 bg-)"},
        {"single spacing stays plain", "\\sl240\\slmult1 x\\par", "P(a1 l0 r0 i0 t0 b0 h0/0 bg-)"},
        {"exact line height", "\\sl-300\\slmult0 x\\par", "P(a1 l0 r0 i0 t0 b0 h2/20 bg-)"},
        {"at least line height", "\\sl300\\slmult0 x\\par", "P(a1 l0 r0 i0 t0 b0 h3/20 bg-)"},
        {"\\pard resets", "\\qc\\li300\\pard x\\par", "P(a1 l0 r0 i0 t0 b0 h0/0 bg-)"},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        ASSERT_TRUE(doc.loadRtf(rtf(c.body)).ok) << c.what;
        const QString block = describeBlock(doc.document()->begin());
        EXPECT_EQ(block.left(block.indexOf(')') + 1).toStdString(), c.expected.toStdString()) << c.what;
    }
}

TEST(RtfReader, TableWithBordersWidthsAndColours)
{
    const QByteArray body = "before\\par"
                            "\\trowd\\trgaph60\\trleft-60"
                            "\\clbrdrt\\brdrs\\brdrw30\\brdrcf1\\clbrdrl\\brdrs\\brdrw30\\brdrcf1"
                            "\\clbrdrb\\brdrs\\brdrw30\\brdrcf1\\clbrdrr\\brdrs\\brdrw30\\brdrcf1\\cellx615"
                            "\\clcbpat2\\clbrdrt\\brdrs\\brdrw30\\brdrcf1\\clbrdrl\\brdrs\\brdrw30\\brdrcf1"
                            "\\clbrdrb\\brdrs\\brdrw30\\brdrcf1\\clbrdrr\\brdrs\\brdrw30\\brdrcf1\\cellx1065"
                            "\\pard\\intbl \\'c3\\'fb\\cell\\pard\\intbl A\\par B\\cell\\row"
                            "\\trowd\\trgaph60\\trleft-60\\cellx615\\cellx1065"
                            "\\pard\\intbl c\\cell d\\cell\\row"
                            "\\pard after\\par";
    RichDocument doc;
    ASSERT_TRUE(doc.loadRtf(rtf(body)).ok);
    const QString description = describeFrame(doc.document()->rootFrame());
    const QString expected = "P(a1 l0 r0 i0 t0 b0 h0/0 bg-)[before|宋体|12pt||fg-|bg-|v0]\n"
                             "T(2x2 border2 #ff0000 spacing0 padding4 widths 1:45 1:30)\n"
                             "C(0,0 bg-)\nP(a1 l0 r0 i0 t0 b0 h0/0 bg-)[名|宋体|12pt||fg-|bg-|v0]\n"
                             "C(0,1 bg#008000)\nP(a1 l0 r0 i0 t0 b0 h0/0 bg-)[A|宋体|12pt||fg-|bg-|v0]\n"
                             "P(a1 l0 r0 i0 t0 b0 h0/0 bg-)[B|宋体|12pt||fg-|bg-|v0]\n"
                             "C(1,0 bg-)\nP(a1 l0 r0 i0 t0 b0 h0/0 bg-)[c|宋体|12pt||fg-|bg-|v0]\n"
                             "C(1,1 bg-)\nP(a1 l0 r0 i0 t0 b0 h0/0 bg-)[d|宋体|12pt||fg-|bg-|v0]\n"
                             "P(a1 l0 r0 i0 t0 b0 h0/0 bg-)[after|宋体|12pt||fg-|bg-|v0]\n";
    EXPECT_EQ(description.toStdString(), expected.toStdString());
}

TEST(RtfReader, TablesFromUnfinishedOrOddInput)
{
    struct Case
    {
        const char* what;
        QByteArray body;
        int rows, columns;
        QString text;
    };
    const Case cases[] = {
        {"row never closed", "\\trowd\\cellx500\\cellx1000\\intbl a\\cell b\\cell", 1, 2, "a\nb\n"},
        {"cells without \\intbl", "\\trowd\\cellx500 a\\cell\\row", 1, 1, "a\n"},
        {"more cells than \\cellx", "\\trowd\\cellx500\\intbl a\\cell b\\cell c\\cell\\row", 1, 3,
         "a\nb\nc\n"},
        {"horizontally merged cells", "\\trowd\\clmgf\\cellx500\\clmrg\\cellx1000\\intbl a\\cell\\cell\\row",
         1, 2, "a\n"},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        ASSERT_TRUE(doc.loadRtf(rtf(c.body)).ok) << c.what;
        QTextTable* table = nullptr;
        for (auto it = doc.document()->rootFrame()->begin(); !it.atEnd(); ++it) {
            if (auto* t = qobject_cast<QTextTable*>(it.currentFrame()))
                table = t;
        }
        ASSERT_NE(table, nullptr) << c.what;
        EXPECT_EQ(table->rows(), c.rows) << c.what;
        EXPECT_EQ(table->columns(), c.columns) << c.what;
        EXPECT_TRUE(doc.document()->toPlainText().contains(c.text.left(1))) << c.what;
    }
}

TEST(RtfReader, Pictures)
{
    const QImage picture = testPicture(6, 4);
    const QString expected = imageDigest(picture);
    QByteArray dib = encodePicture(picture, "BMP").mid(14); // a BMP file without its file header
    QByteArray wmf(18, '\0');
    qToLittleEndian<quint16>(9, wmf.data() + 2); // header size in words
    QByteArray record(6 + 22, '\0');
    qToLittleEndian<quint16>(0x0F43, record.data() + 4);
    record += dib;
    if (record.size() % 2)
        record += '\0';
    qToLittleEndian<quint32>(static_cast<quint32>(record.size() / 2), record.data());
    wmf += record + QByteArray::fromHex("030000000000");

    struct Case
    {
        const char* what;
        QByteArray pict;
        QString size; // the image format's width x height (0 when natural)
    };
    const Case cases[] = {
        {"PNG",
         "{\\pict\\pngblip\\picw6\\pich4\\picwgoal90\\pichgoal60 " + encodePicture(picture, "PNG").toHex() +
             "}",
         "0x0"},
        {"PNG in Word's shppict, metafile alternative skipped",
         "{\\*\\shppict{\\pict\\pngblip " + encodePicture(picture, "PNG").toHex() +
             "}}{\\nonshppict{\\pict\\wmetafile8 0102}}",
         "0x0"},
        {"PNG as \\bin data",
         "{\\pict\\pngblip\\bin" + QByteArray::number(encodePicture(picture, "PNG").size()) + " " +
             encodePicture(picture, "PNG") + "}",
         "0x0"},
        {"DIB", "{\\pict\\dibitmap0\\picw6\\pich4 " + dib.toHex() + "}", "0x0"},
        {"bitmap in a WordPad metafile", "{\\pict\\wmetafile8\\picw6\\pich4 " + wmf.toHex() + "}", "0x0"},
        {"scaled by goal size",
         "{\\pict\\pngblip\\picwgoal180\\pichgoal120 " + encodePicture(picture, "PNG").toHex() + "}", "12x8"},
        {"scaled by percentage",
         "{\\pict\\pngblip\\picscalex50\\picscaley50 " + encodePicture(picture, "PNG").toHex() + "}", "3x2"},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        ASSERT_TRUE(doc.loadRtf(rtf(c.pict)).ok) << c.what;
        const QTextFragment f = firstFragment(doc.document());
        ASSERT_TRUE(f.charFormat().isImageFormat()) << c.what;
        const QTextImageFormat image = f.charFormat().toImageFormat();
        EXPECT_EQ(imageDigest(resourceImage(doc.document(), image.name())), expected) << c.what;
        EXPECT_EQ(QStringLiteral("%1x%2").arg(image.width()).arg(image.height()), c.size) << c.what;
    }
}

TEST(RtfReader, HostileInputFailsCleanly)
{
    const QByteArray png = encodePicture(testPicture(), "PNG");
    struct Case
    {
        const char* what;
        QByteArray data;
        bool ok;
    };
    const Case cases[] = {
        {"not RTF", "Hello, this is text", false},
        {"empty", "", false},
        {"deep nesting", "{\\rtf1 a" + QByteArray(100000, '{') + "b", false},
        {"nesting just allowed",
         "{\\rtf1 a" + QByteArray(kMaxRtfDepth - 2, '{') + "b" + QByteArray(kMaxRtfDepth - 2, '}') + "}",
         true},
        {"huge \\bin count", "{\\rtf1 {\\pict\\pngblip\\bin2147483647 abc}}", true},
        {"negative \\bin count", "{\\rtf1 x\\bin-5 y}", true},
        {"truncated hex escape", "{\\rtf1 abc\\'4", true},
        {"truncated picture hex", "{\\rtf1 {\\pict\\pngblip " + png.toHex().left(101), true},
        {"absurd picture goal size",
         "{\\rtf1 {\\pict\\pngblip\\picwgoal2000000000\\pichgoal-5 " + png.toHex() + "}}", true},
        {"picture claiming a huge DIB",
         "{\\rtf1 {\\pict\\dibitmap0 28000000ffffff7fffffff7f010018000000000000}}", true},
        {"unbalanced closing braces", "{\\rtf1 a}}}}b", true},
        {"huge parameters", "{\\rtf1 \\fs999999999999999999\\li-99999999999 \\cf99999999999 x}", true},
        {"\\u at the very end", "{\\rtf1 \\u", true},
        {"lone backslash at the end", "{\\rtf1 \\", true},
        {"many cells in one row",
         "{\\rtf1 \\trowd" + QByteArray(200 * 9, 'x').replace("xxxxxxxxx", "\\cellx10 ") +
             QByteArray(200 * 7, 'y').replace("yyyyyyy", "\\intbl\\cell ") + "\\row}",
         true},
    };
    for (const Case& c : cases) {
        RichDocument doc;
        doc.setLayoutWidth(64);
        const Status status = doc.loadRtf(c.data);
        EXPECT_EQ(status.ok, c.ok) << c.what;
        if (!status.ok) {
            EXPECT_EQ(status.message, QStringLiteral("错误")) << c.what;
            EXPECT_EQ(status.caption, QStringLiteral("文件读错误。")) << c.what;
        }
        const QImage image = doc.render(doc.documentWidth(), std::min(doc.documentHeight(), 4096));
        EXPECT_FALSE(image.isNull()) << c.what;
        EXPECT_LE(doc.documentWidth(), 4 * kMaxPictureSide) << c.what;
    }
    RichDocument deep;
    deep.loadRtf("{\\rtf1 kept" + QByteArray(100000, '{') + "lost");
    EXPECT_EQ(deep.document()->toPlainText(), QStringLiteral("kept")) << "what came before the nesting stays";
}

TEST(RtfReader, LibreOfficeDocumentOpensWithItsFormats)
{
    // The full test document, written as RTF by us, opened in LibreOffice
    // Writer and saved from there as RTF: its own dialect (associated
    // double-byte fonts, \\clpad cell padding, {\\*\\shppict} pictures).
    QFile file(QStringLiteral(DOTSIGN_TEST_DATA "/rich/libreoffice-full.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    RichDocument doc;
    ASSERT_TRUE(doc.loadRtf(file.readAll()).ok);
    RichDocument original;
    buildFullDocument(original.document());
    // LibreOffice gives Chinese text its own default Asian face (here the
    // installed WenQuanYi) and splits runs by script, and RTF has no place for
    // our top margin; fonts aside, everything reads back as it was made.
    auto withoutFaces = [](QString description) {
        description.replace(QRegularExpression(QStringLiteral("\\[([^|\\]]*)\\|[^|]*\\|")),
                            QStringLiteral("[\\1||"));
        // Neighbouring runs that now look alike become one.
        const QRegularExpression split(QStringLiteral("\\[([^|\\]]*)(\\|[^\\]]*)\\]\\[([^|\\]]*)\\2\\]"));
        while (description.contains(split))
            description.replace(split, QStringLiteral("[\\1\\3\\2]"));
        return description.replace(QStringLiteral("top0 "), QStringLiteral("top- ")).toStdString();
    };
    const QString expected = describeDocument(original.document());
    const QString actual = describeDocument(doc.document());
    EXPECT_EQ(withoutFaces(actual), withoutFaces(expected));
}

TEST(RtfReader, WordPadDocument)
{
    // As WordPad writes a Chinese document: GBK bytes under a charset 134
    // font, its generator destination, paragraph spacing after each line.
    const QByteArray wordpad = "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
                               "{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 "
                               "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Calibri;}}\r\n"
                               "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green176\\blue80;}\r\n"
                               "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                               "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs32\\lang2052\\'bb\\'b6\\'d3\\'"
                               "ad\\cf2\\f1\\fs22\\lang9 OK\\par\r\n}\r\n";
    RichDocument doc;
    ASSERT_TRUE(doc.loadRtf(wordpad).ok);
    EXPECT_EQ(describeBlock(doc.document()->begin()).toStdString(),
              "P(a1 l0 r0 i0 t0 b13 h1/115 "
              "bg-)[欢迎|宋体|16pt||fg#ff0000|bg-|v0][OK|Calibri|11pt||fg#00b050|bg-|v0]\n");
}
