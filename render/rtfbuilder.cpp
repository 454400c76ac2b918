#include "render/rtfbuilder.h"

#include "render/richdocument.h"

#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>

namespace dotsign {

namespace {

constexpr int kMaxTableColumns = 63; // what word processors allow
constexpr int kTwipsPerPixel = 15;

int twipsToPixels(int twips)
{
    return std::clamp(twips / kTwipsPerPixel, -kMaxPictureSide, kMaxPictureSide);
}

// The border a table shows around and between its cells: the widest one any
// cell declares. Word's "automatic" colour shows like automatic text, red.
RtfBorder tableBorder(const std::vector<RtfCellProps>& cells)
{
    RtfBorder widest;
    for (const RtfCellProps& cell : cells) {
        for (const RtfBorder& border : cell.borders) {
            if (border.present && (!widest.present || border.width > widest.width))
                widest = border;
        }
    }
    if (widest.present && !widest.colour.isValid())
        widest.colour = defaultTextColour();
    return widest;
}

bool sameBorder(const RtfBorder& a, const RtfBorder& b)
{
    if (a.present != b.present)
        return false;
    return !a.present || (a.width == b.width && (!a.colour.isValid() || a.colour == b.colour));
}

void setCellBorder(QTextTableCellFormat& format, int side, const RtfBorder& border)
{
    const qreal width = border.present ? border.width : 0;
    const QBrush brush(border.colour.isValid() ? border.colour : defaultTextColour());
    const auto style =
        border.present ? QTextFrameFormat::BorderStyle_Solid : QTextFrameFormat::BorderStyle_None;
    switch (side) {
    case 0:
        format.setTopBorder(width), format.setTopBorderBrush(brush), format.setTopBorderStyle(style);
        break;
    case 1:
        format.setLeftBorder(width), format.setLeftBorderBrush(brush), format.setLeftBorderStyle(style);
        break;
    case 2:
        format.setBottomBorder(width), format.setBottomBorderBrush(brush), format.setBottomBorderStyle(style);
        break;
    default:
        format.setRightBorder(width), format.setRightBorderBrush(brush), format.setRightBorderStyle(style);
        break;
    }
}

} // namespace

RtfBuilder::RtfBuilder(QTextDocument* doc) : m_doc(doc), m_cursor(doc) {}

void RtfBuilder::addText(const QString& text, const QTextCharFormat& format)
{
    if (text.isEmpty())
        return;
    std::vector<RtfRun>& runs = m_paragraph.runs;
    if (!runs.empty() && runs.back().format == format && !format.isImageFormat())
        runs.back().text += text;
    else
        runs.push_back(RtfRun{text, format});
}

void RtfBuilder::addPicture(const QImage& image, const QSize& displaySize, const QTextCharFormat& format)
{
    const QString name = QStringLiteral("rtf-picture-%1.png").arg(++m_pictures);
    m_doc->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat picture;
    picture.merge(format);
    picture.setObjectType(QTextFormat::ImageObject);
    picture.setName(name);
    if (displaySize != image.size()) {
        picture.setWidth(displaySize.width());
        picture.setHeight(displaySize.height());
    }
    m_paragraph.runs.push_back(RtfRun{QString(QChar::ObjectReplacementCharacter), picture});
}

void RtfBuilder::endParagraph(const QTextBlockFormat& format, const QTextCharFormat& mark, bool inTable)
{
    m_paragraph.format = format;
    m_paragraph.mark = mark;
    if (inTable) {
        if (m_cells.empty() || m_cellOpen == false) {
            m_cells.emplace_back();
            m_cellOpen = true;
        }
        m_cells.back().paragraphs.push_back(std::move(m_paragraph));
        m_paragraph = RtfParagraph{};
        return;
    }
    if (!m_cells.empty())
        endRow(RtfRowProps{});
    if (!m_rows.empty())
        flushTable();
    writeParagraph(m_cursor, m_paragraph, m_blockUnused);
    m_blockUnused = false;
    m_paragraph = RtfParagraph{};
}

void RtfBuilder::endCell(const QTextBlockFormat& format, const QTextCharFormat& mark)
{
    endParagraph(format, mark, true);
    m_cellOpen = false;
    if (m_cells.size() > kMaxTableColumns) {
        // Cells beyond the widest table a word processor makes join the last one.
        Cell extra = std::move(m_cells.back());
        m_cells.pop_back();
        auto& last = m_cells.back().paragraphs;
        last.insert(last.end(), std::make_move_iterator(extra.paragraphs.begin()),
                    std::make_move_iterator(extra.paragraphs.end()));
    }
}

void RtfBuilder::endRow(const RtfRowProps& props)
{
    m_cellOpen = false;
    if (m_cells.empty())
        return;
    m_rows.push_back(Row{std::move(m_cells), props});
    m_cells.clear();
}

void RtfBuilder::finish()
{
    if (!m_cells.empty())
        endRow(RtfRowProps{});
    if (!m_rows.empty())
        flushTable();
}

void RtfBuilder::writeParagraph(QTextCursor& cursor, const RtfParagraph& paragraph, bool first)
{
    const QTextCharFormat mark = paragraph.runs.empty() ? paragraph.mark : paragraph.runs.front().format;
    if (first) {
        cursor.setBlockFormat(paragraph.format);
        cursor.setBlockCharFormat(mark.isImageFormat() ? QTextCharFormat() : mark);
    } else {
        cursor.insertBlock(paragraph.format, mark.isImageFormat() ? QTextCharFormat() : mark);
    }
    for (const RtfRun& run : paragraph.runs) {
        if (run.format.isImageFormat())
            cursor.insertImage(run.format.toImageFormat());
        else
            cursor.insertText(run.text, run.format);
    }
}

void RtfBuilder::flushTable()
{
    size_t columns = 1;
    for (const Row& row : m_rows)
        columns = std::max(columns, row.cells.size());
    QTextTable* table = m_cursor.insertTable(static_cast<int>(m_rows.size()), static_cast<int>(columns));
    setTableFormat(table, static_cast<int>(columns));
    fillTable(table);
    mergeCells(table);
    m_rows.clear();
    m_cursor = QTextCursor(m_doc);
    m_cursor.movePosition(QTextCursor::End);
    m_blockUnused = true;
}

void RtfBuilder::setTableFormat(QTextTable* table, int columns)
{
    const Row* widest = &m_rows.front();
    for (const Row& row : m_rows) {
        if (row.props.cells.size() > widest->props.cells.size())
            widest = &row;
    }
    const RtfRowProps& props = widest->props;
    QTextTableFormat format;
    QList<QTextLength> widths;
    int left = props.left;
    for (const RtfCellProps& cell : props.cells) {
        if (widths.size() == columns)
            break;
        widths.append(QTextLength(QTextLength::FixedLength, std::max(1, twipsToPixels(cell.right - left))));
        left = cell.right;
    }
    if (widths.size() == columns)
        format.setColumnWidthConstraints(widths);
    const RtfBorder border = tableBorder(props.cells);
    format.setBorder(border.present ? border.width : 0);
    format.setBorderStyle(border.present ? QTextFrameFormat::BorderStyle_Solid
                                         : QTextFrameFormat::BorderStyle_None);
    format.setBorderBrush(border.present ? border.colour : defaultTextColour());
    format.setCellSpacing(std::max(0, twipsToPixels(props.spacing)));
    format.setBorderCollapse(props.spacing <= 0);
    format.setCellPadding(std::max(0, twipsToPixels(std::max(props.gap, props.padding))));
    format.setMargin(0);
    format.setLeftMargin(std::max(0, twipsToPixels(props.left + props.gap)));
    format.setAlignment(props.alignment);
    table->setFormat(format);
}

void RtfBuilder::fillTable(QTextTable* table)
{
    for (int r = 0; r < table->rows(); ++r) {
        const Row& row = m_rows[static_cast<size_t>(r)];
        const RtfBorder border = tableBorder(row.props.cells);
        for (size_t c = 0; c < row.cells.size(); ++c) {
            QTextTableCell cell = table->cellAt(r, static_cast<int>(c));
            QTextCursor cursor = cell.firstCursorPosition();
            const auto& paragraphs = row.cells[c].paragraphs;
            for (size_t i = 0; i < paragraphs.size(); ++i)
                writeParagraph(cursor, paragraphs[i], i == 0);
            if (c >= row.props.cells.size())
                continue;
            const RtfCellProps& props = row.props.cells[c];
            QTextTableCellFormat format = cell.format().toTableCellFormat();
            if (props.background.isValid())
                format.setBackground(props.background);
            for (int side = 0; side < 4; ++side) {
                if (!sameBorder(props.borders[side], border))
                    setCellBorder(format, side, props.borders[side]);
            }
            cell.setFormat(format);
        }
    }
}

void RtfBuilder::mergeCells(QTextTable* table)
{
    for (int r = 0; r < table->rows(); ++r) {
        const auto& cells = m_rows[static_cast<size_t>(r)].props.cells;
        for (int c = 0; c < static_cast<int>(cells.size()) && c < table->columns(); ++c) {
            int across = 1, down = 1;
            if (cells[c].mergeFirst) {
                while (c + across < static_cast<int>(cells.size()) && c + across < table->columns() &&
                       cells[c + across].mergeNext)
                    ++across;
            }
            if (cells[c].vmergeFirst) {
                while (r + down < table->rows()) {
                    const auto& below = m_rows[static_cast<size_t>(r + down)].props.cells;
                    if (c >= static_cast<int>(below.size()) || !below[c].vmergeNext)
                        break;
                    ++down;
                }
            }
            if (across > 1 || down > 1)
                table->mergeCells(r, c, down, across);
        }
    }
}

} // namespace dotsign
