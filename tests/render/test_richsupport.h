#pragma once
// Helpers for the rich document tests: a document made of everything the
// editor can make, and a readable description of a document's content and
// formats, so that two documents compare equal exactly when they would look
// and edit the same.

#include "render/richdocument.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

namespace dotsign::testing {

inline QImage testPicture(int width = 12, int height = 7)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 40) % 256, (y * 60) % 256, (x + y) % 2 ? 255 : 0));
    return image;
}

inline QByteArray encodePicture(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QString imageDigest(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Md5);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    return QStringLiteral("%1x%2:%3")
        .arg(rgb.width())
        .arg(rgb.height())
        .arg(QString::fromLatin1(hash.result().toHex().left(8)));
}

inline QImage resourceImage(const QTextDocument* doc, const QString& name)
{
    const QVariant v = doc->resource(QTextDocument::ImageResource, QUrl(name));
    if (v.typeId() == QMetaType::QImage)
        return v.value<QImage>();
    if (v.typeId() == QMetaType::QByteArray)
        return QImage::fromData(v.toByteArray());
    return QImage();
}

inline QString colourText(const QBrush& brush)
{
    return brush.style() == Qt::NoBrush ? QStringLiteral("-") : brush.color().name();
}

inline QString describeChar(const QTextDocument* doc, const QTextCharFormat& f, const QString& text)
{
    if (f.isImageFormat()) {
        const QTextImageFormat img = f.toImageFormat();
        return QStringLiteral("[img %1 %2x%3]")
            .arg(imageDigest(resourceImage(doc, img.name())))
            .arg(img.width())
            .arg(img.height());
    }
    const QStringList families = f.fontFamilies().toStringList();
    return QStringLiteral("[%1|%2|%3pt|%4%5%6%7|fg%8|bg%9|v%10]")
        .arg(text, families.join(','))
        .arg(f.fontPointSize())
        .arg(f.fontWeight() >= QFont::DemiBold ? "b" : "")
        .arg(f.fontItalic() ? "i" : "")
        .arg(f.fontUnderline() ? "u" : "")
        .arg(f.fontStrikeOut() ? "s" : "")
        .arg(colourText(f.foreground()), colourText(f.background()))
        .arg(int(f.verticalAlignment()));
}

inline QString describeBlock(const QTextBlock& block)
{
    const QTextBlockFormat b = block.blockFormat();
    QString out = QStringLiteral("P(a%1 l%2 r%3 i%4 t%5 b%6 h%7/%8 bg%9)")
                      .arg(int(b.alignment() & Qt::AlignHorizontal_Mask))
                      .arg(b.leftMargin())
                      .arg(b.rightMargin())
                      .arg(b.textIndent())
                      .arg(b.topMargin())
                      .arg(b.bottomMargin())
                      .arg(b.lineHeightType())
                      .arg(b.lineHeight())
                      .arg(colourText(b.background()));
    for (auto it = block.begin(); !it.atEnd(); ++it)
        out += describeChar(block.document(), it.fragment().charFormat(), it.fragment().text());
    return out + '\n';
}

inline QString describeFrame(const QTextFrame* frame);

inline QString describeTable(const QTextTable* table)
{
    const QTextTableFormat f = table->format();
    QString out = QStringLiteral("T(%1x%2 border%3 %4 spacing%5 padding%6 widths")
                      .arg(table->rows())
                      .arg(table->columns())
                      .arg(f.border())
                      .arg(colourText(f.borderBrush()))
                      .arg(f.cellSpacing())
                      .arg(f.cellPadding());
    for (const QTextLength& w : f.columnWidthConstraints())
        out += QStringLiteral(" %1:%2").arg(int(w.type())).arg(w.rawValue());
    out += ")\n";
    for (int r = 0; r < table->rows(); ++r) {
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            out +=
                QStringLiteral("C(%1,%2 bg%3)\n").arg(r).arg(c).arg(colourText(cell.format().background()));
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                if (it.currentBlock().isValid())
                    out += describeBlock(it.currentBlock());
            }
        }
    }
    return out;
}

inline QString describeFrame(const QTextFrame* frame)
{
    QString out;
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame()))
            out += describeTable(table);
        else if (it.currentFrame())
            out += describeFrame(it.currentFrame());
        else
            out += describeBlock(it.currentBlock());
    }
    return out;
}

inline QString describeDocument(const QTextDocument* doc)
{
    return QStringLiteral("top%1 page%2\n")
               .arg(documentTopMargin(doc))
               .arg(colourText(doc->rootFrame()->frameFormat().background())) +
           describeFrame(doc->rootFrame());
}

// A document with everything the editor can make: fonts, sizes, colours,
// bold/italic/underline/strike, a background colour, alignment, indents, line
// spacing, a table with borders, widths and a cell colour, and a picture.
inline void buildFullDocument(QTextDocument* doc)
{
    QTextCursor cursor(doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    cursor.setBlockFormat(centred);
    QTextCharFormat red;
    red.setFontFamilies({QStringLiteral("宋体")});
    red.setFontPointSize(12);
    red.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("欢迎光临 "), red);
    QTextCharFormat green = red;
    green.setFontFamilies({QStringLiteral("黑体")});
    green.setFontPointSize(16);
    green.setForeground(QColor(0, 128, 0));
    green.setFontWeight(QFont::Bold);
    green.setFontItalic(true);
    cursor.insertText(QStringLiteral("Welcome"), green);

    QTextBlockFormat indented;
    indented.setLeftMargin(20);
    indented.setTextIndent(10);
    indented.setTopMargin(4);
    indented.setBottomMargin(6);
    QTextCharFormat decorated = red;
    decorated.setFontUnderline(true);
    decorated.setFontStrikeOut(true);
    decorated.setBackground(QColor(255, 255, 0));
    cursor.insertBlock(indented, decorated);
    cursor.insertText(QStringLiteral("特价 {50%} \\ 元"), decorated);

    QTextTableFormat tableFormat;
    tableFormat.setBorder(2);
    tableFormat.setBorderBrush(QColor(255, 0, 0));
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tableFormat.setCellSpacing(0);
    tableFormat.setBorderCollapse(true);
    tableFormat.setCellPadding(4);
    tableFormat.setMargin(0);
    tableFormat.setColumnWidthConstraints(
        {QTextLength(QTextLength::FixedLength, 45), QTextLength(QTextLength::FixedLength, 30)});
    QTextTable* table = cursor.insertTable(2, 2, tableFormat);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("名称"), red);
    table->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("价"), red);
    table->cellAt(1, 0).firstCursorPosition().insertText(QStringLiteral("苹果"), green);
    table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("5"), red);
    QTextTableCellFormat yellowCell;
    yellowCell.setBackground(QColor(255, 255, 0));
    table->cellAt(1, 1).setFormat(yellowCell);

    cursor.movePosition(QTextCursor::End);
    doc->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("logo.png")), testPicture());
    QTextImageFormat picture;
    picture.setName(QStringLiteral("logo.png"));
    cursor.insertImage(picture);
    cursor.insertText(QStringLiteral("end"), red);
}

} // namespace dotsign::testing
