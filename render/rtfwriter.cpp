#include "render/rtfwriter.h"

#include "project/gbk.h"
#include "render/richdocument.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cmath>

namespace dotsign {

namespace {

constexpr int kTwipsPerPixel = 15;

QByteArray num(qreal value)
{
    return QByteArray::number(static_cast<qint64>(std::lround(value)));
}

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument* doc) : m_doc(doc) { m_fonts.append(QStringLiteral("宋体")); }
    QByteArray write();

private:
    void frame(const QTextFrame* frame);
    void table(const QTextTable* table);
    void rowDefinition(const QTextTable* table, int row);
    void cellBorders(const QTextTable* table, const QTextTableCellFormat& cell);
    void block(const QTextBlock& block, bool inTable, bool endsCell);
    void paragraphFormat(const QTextBlockFormat& format);
    void charFormat(const QTextCharFormat& format);
    void text(const QString& text);
    void picture(const QTextImageFormat& format);
    int fontIndex(const QString& family);
    int colourIndex(const QColor& colour);
    QList<int> columnRights(const QTextTable* table, int left) const;

    const QTextDocument* m_doc;
    QByteArray m_body;
    QStringList m_fonts;
    QList<QColor> m_colours; // index 0 is "automatic"
    int m_unicodeSkip = 1;
};

QByteArray RtfWriter::write()
{
    m_colours.append(QColor());
    frame(m_doc->rootFrame());
    const QBrush background = m_doc->rootFrame()->frameFormat().background();
    const int page = colourIndex(background.style() == Qt::NoBrush ? QColor(Qt::black) : background.color());

    QByteArray out = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset134 ";
        for (const char c : toGbk(m_fonts[i])) {
            if (static_cast<uchar>(c) >= 0x80 || c == ';' || c == '{' || c == '}' || c == '\\')
                out += "\\'" + QByteArray::number(static_cast<uchar>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
        out += ";}";
    }
    out += "}\n{\\colortbl;";
    for (int i = 1; i < m_colours.size(); ++i) {
        const QColor& c = m_colours[i];
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
               QByteArray::number(c.blue()) + ';';
    }
    out += "}\n{\\*\\dotsigndocument\\dstopmargin" + QByteArray::number(documentTopMargin(m_doc)) +
           "\\dsbackground" + QByteArray::number(page) + "}\n";
    return out + m_body + "}\n";
}

void RtfWriter::frame(const QTextFrame* frame)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const auto* t = qobject_cast<const QTextTable*>(it.currentFrame()))
            table(t);
        else if (it.currentFrame())
            RtfWriter::frame(it.currentFrame());
        else
            block(it.currentBlock(), false, false);
    }
}

// Cell right edges in twips; the first cell starts at the row's left edge.
QList<int> RtfWriter::columnRights(const QTextTable* table, int left) const
{
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    const qreal available = m_doc->textWidth() > 0 ? m_doc->textWidth() : 100.0 * table->columns();
    QList<int> rights;
    qreal right = 0;
    for (int c = 0; c < table->columns(); ++c) {
        const QTextLength length = c < widths.size() ? widths[c] : QTextLength();
        qreal width = available / table->columns();
        if (length.type() == QTextLength::FixedLength)
            width = length.rawValue();
        else if (length.type() == QTextLength::PercentageLength)
            width = available * length.rawValue() / 100;
        right += std::max<qreal>(1, width);
        rights.append(left + static_cast<int>(std::lround(right * kTwipsPerPixel)));
    }
    return rights;
}

void RtfWriter::table(const QTextTable* table)
{
    for (int r = 0; r < table->rows(); ++r) {
        rowDefinition(table, r);
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c) {
                m_body += "\\pard\\intbl\\cell\n"; // covered by a merged cell
                continue;
            }
            QList<QTextBlock> blocks;
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                if (it.currentBlock().isValid())
                    blocks.append(it.currentBlock());
            }
            if (blocks.isEmpty())
                m_body += "\\pard\\intbl\\cell\n";
            for (int i = 0; i < blocks.size(); ++i)
                block(blocks[i], true, i == blocks.size() - 1);
        }
        m_body += "\\row\n";
    }
}

void RtfWriter::rowDefinition(const QTextTable* table, int row)
{
    const QTextTableFormat format = table->format();
    const int left =
        static_cast<int>(std::lround((format.leftMargin() - format.cellPadding()) * kTwipsPerPixel));
    m_body += "\\trowd\\trgaph" + num(format.cellPadding() * kTwipsPerPixel) + "\\trleft" +
              QByteArray::number(left);
    if (format.cellSpacing() > 0 && !format.borderCollapse())
        m_body += "\\trspdl" + num(format.cellSpacing() * kTwipsPerPixel) + "\\trspdfl3";
    if (format.alignment() & Qt::AlignHCenter)
        m_body += "\\trqc";
    else if (format.alignment() & Qt::AlignRight)
        m_body += "\\trqr";
    const QList<int> rights = columnRights(table, left);
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        const bool origin = cell.row() == row && cell.column() == c;
        if (cell.columnSpan() > 1)
            m_body += cell.column() == c ? "\\clmgf" : "\\clmrg";
        if (cell.rowSpan() > 1)
            m_body += cell.row() == row ? "\\clvmgf" : "\\clvmrg";
        const QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
        cellBorders(table, cellFormat);
        const QBrush background = cellFormat.background();
        if (origin && background.style() != Qt::NoBrush)
            m_body += "\\clcbpat" + QByteArray::number(colourIndex(background.color()));
        m_body += "\\cellx" + QByteArray::number(rights[c]) + '\n';
    }
}

void RtfWriter::cellBorders(const QTextTable* table, const QTextTableCellFormat& cell)
{
    const QTextTableFormat format = table->format();
    const bool tableHasBorder =
        format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_None;
    static const char* const sides[4] = {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"};
    const int widthProps[4] = {QTextFormat::TableCellTopBorder, QTextFormat::TableCellLeftBorder,
                               QTextFormat::TableCellBottomBorder, QTextFormat::TableCellRightBorder};
    const int brushProps[4] = {QTextFormat::TableCellTopBorderBrush, QTextFormat::TableCellLeftBorderBrush,
                               QTextFormat::TableCellBottomBorderBrush,
                               QTextFormat::TableCellRightBorderBrush};
    for (int side = 0; side < 4; ++side) {
        qreal width = tableHasBorder ? format.border() : 0;
        QColor colour =
            format.borderBrush().style() == Qt::NoBrush ? defaultTextColour() : format.borderBrush().color();
        if (cell.hasProperty(widthProps[side]))
            width = cell.doubleProperty(widthProps[side]);
        if (cell.hasProperty(brushProps[side]))
            colour = cell.brushProperty(brushProps[side]).color();
        m_body += sides[side];
        if (width <= 0) {
            m_body += "\\brdrnone";
            continue;
        }
        m_body += "\\brdrs\\brdrw" + num(width * kTwipsPerPixel) + "\\brdrcf" +
                  QByteArray::number(colourIndex(colour));
    }
}

void RtfWriter::block(const QTextBlock& block, bool inTable, bool endsCell)
{
    m_body += "\\pard";
    if (inTable)
        m_body += "\\intbl";
    paragraphFormat(block.blockFormat());
    if (block.length() <= 1) {
        // The paragraph mark's format gives an empty line its height. In a
        // table the first paragraph's mark also carries the cell's format.
        QTextCharFormat mark = block.charFormat();
        if (inTable)
            mark.clearBackground();
        charFormat(mark);
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            for (int i = 0; i < fragment.length(); ++i)
                picture(format.toImageFormat());
            continue;
        }
        charFormat(format);
        text(fragment.text());
    }
    m_body += endsCell ? "\\cell\n" : "\\par\n";
}

void RtfWriter::paragraphFormat(const QTextBlockFormat& format)
{
    const Qt::Alignment align = format.alignment();
    if (align & Qt::AlignHCenter)
        m_body += "\\qc";
    else if (align & Qt::AlignRight)
        m_body += "\\qr";
    else if (align & Qt::AlignJustify)
        m_body += "\\qj";
    const std::pair<const char*, qreal> measures[] = {{"\\li", format.leftMargin()},
                                                      {"\\ri", format.rightMargin()},
                                                      {"\\fi", format.textIndent()},
                                                      {"\\sb", format.topMargin()},
                                                      {"\\sa", format.bottomMargin()}};
    for (const auto& [word, pixels] : measures) {
        if (pixels != 0)
            m_body += word + num(pixels * kTwipsPerPixel);
    }
    const qreal height = format.lineHeight();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        m_body += "\\sl" + num(height * 240 / 100) + "\\slmult1";
        break;
    case QTextBlockFormat::FixedHeight:
        m_body += "\\sl-" + num(height * kTwipsPerPixel) + "\\slmult0";
        break;
    case QTextBlockFormat::MinimumHeight:
        m_body += "\\sl" + num(height * kTwipsPerPixel) + "\\slmult0";
        break;
    default:
        break;
    }
}

void RtfWriter::charFormat(const QTextCharFormat& format)
{
    const QStringList families = format.fontFamilies().toStringList();
    m_body += "\\plain\\f" + QByteArray::number(families.isEmpty() ? 0 : fontIndex(families.front()));
    qreal points = format.fontPointSize();
    if (points <= 0 && format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
    m_body += "\\fs" + num((points > 0 ? points : 12) * 2);
    if (format.fontWeight() >= QFont::DemiBold)
        m_body += "\\b";
    if (format.fontItalic())
        m_body += "\\i";
    if (format.fontUnderline())
        m_body += "\\ul";
    if (format.fontStrikeOut())
        m_body += "\\strike";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        m_body += "\\super";
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        m_body += "\\sub";
    const QBrush fg = format.foreground();
    m_body += "\\cf" + QByteArray::number(fg.style() == Qt::NoBrush ? 0 : colourIndex(fg.color()));
    const QBrush bg = format.background();
    if (bg.style() != Qt::NoBrush)
        m_body += "\\highlight" + QByteArray::number(colourIndex(bg.color()));
    m_body += ' ';
}

void RtfWriter::text(const QString& text)
{
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == '\\' || c == '{' || c == '}') {
            m_body += '\\';
            m_body += static_cast<char>(c);
        } else if (c == '\t') {
            m_body += "\\tab ";
        } else if (c == 0x2028 || c == QChar::LineSeparator) {
            m_body += "\\line ";
        } else if (c == 0x00A0) {
            m_body += "\\~";
        } else if (c >= 0x20 && c < 0x7F) {
            m_body += static_cast<char>(c);
        } else if (c >= 0x80) {
            // GBK bytes after the \u escape, for readers that do not know \u.
            const QByteArray gbk = ch.isSurrogate() ? QByteArray() : toGbk(QString(ch));
            const bool fallback = gbk.size() == 2;
            const int skip = fallback ? 2 : 1;
            if (skip != m_unicodeSkip) {
                m_body += "\\uc" + QByteArray::number(skip);
                m_unicodeSkip = skip;
            }
            m_body += "\\u" + QByteArray::number(static_cast<qint16>(c));
            if (fallback) {
                for (const char b : gbk)
                    m_body += "\\'" + QByteArray::number(static_cast<uchar>(b), 16).rightJustified(2, '0');
            } else {
                m_body += '?';
            }
        }
    }
}

void RtfWriter::picture(const QTextImageFormat& format)
{
    const QVariant resource = m_doc->resource(QTextDocument::ImageResource, QUrl(format.name()));
    QByteArray bytes;
    QImage image;
    if (resource.typeId() == QMetaType::QByteArray) {
        bytes = resource.toByteArray();
        image = QImage::fromData(bytes);
    } else if (resource.typeId() == QMetaType::QImage) {
        image = resource.value<QImage>();
    } else if (resource.typeId() == QMetaType::QPixmap) {
        image = resource.value<QPixmap>().toImage();
    }
    if (image.isNull())
        return;
    const bool jpeg = bytes.startsWith("\xFF\xD8\xFF");
    if (!jpeg) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    qreal width = format.width() > 0 ? format.width() : image.width();
    qreal height = format.height() > 0 ? format.height() : image.height();
    if (format.width() > 0 && format.height() <= 0)
        height = image.height() * width / image.width();
    else if (format.height() > 0 && format.width() <= 0)
        width = image.width() * height / image.height();
    m_body += QByteArray("{\\pict") + (jpeg ? "\\jpegblip" : "\\pngblip") + "\\picw" +
              QByteArray::number(image.width()) + "\\pich" + QByteArray::number(image.height()) +
              "\\picwgoal" + num(width * kTwipsPerPixel) + "\\pichgoal" + num(height * kTwipsPerPixel) + '\n';
    const QByteArray hex = bytes.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        m_body += hex.mid(i, 128) + '\n';
    m_body += "}";
}

int RtfWriter::fontIndex(const QString& family)
{
    const qsizetype index = m_fonts.indexOf(family);
    if (index >= 0)
        return static_cast<int>(index);
    m_fonts.append(family);
    return static_cast<int>(m_fonts.size() - 1);
}

int RtfWriter::colourIndex(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    for (int i = 1; i < m_colours.size(); ++i) {
        if (m_colours[i].rgb() == rgb.rgb())
            return i;
    }
    m_colours.append(rgb);
    return static_cast<int>(m_colours.size() - 1);
}

} // namespace

QByteArray writeRtf(const QTextDocument* doc)
{
    return RtfWriter(doc).write();
}

} // namespace dotsign
