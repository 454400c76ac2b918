#include "editor/tableediting.h"

#include "editor/tablesizedialog.h"

#include <QTextCursor>
#include <QTextTable>
#include <algorithm>

namespace dotsign {

namespace {

struct CellRange
{
    int firstRow = 0;
    int rows = 1;
    int firstColumn = 0;
    int columns = 1;
};

// The cells the cursor's selection covers, or the cursor's own cell.
CellRange selectedCells(const QTextCursor& cursor, const QTextTable& table)
{
    CellRange range;
    if (cursor.hasComplexSelection()) {
        cursor.selectedTableCells(&range.firstRow, &range.rows, &range.firstColumn, &range.columns);
        return range;
    }
    const QTextTableCell cell = table.cellAt(cursor);
    range.firstRow = cell.row();
    range.firstColumn = cell.column();
    return range;
}

QTextTableCellFormat cellFormat(const TableParameters& parameters)
{
    QTextTableCellFormat format;
    format.setBorder(parameters.innerBorderWidth);
    format.setBorderBrush(parameters.innerBorderColour);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setPadding(kTableCellPadding);
    format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
    return format;
}

// Cells added by the table commands take the look of a cell beside them.
void copyCellFormat(QTextTable* table, int fromRow, int fromColumn, int row, int column)
{
    const QTextTableCell source = table->cellAt(fromRow, fromColumn);
    QTextTableCell target = table->cellAt(row, column);
    if (source.isValid() && target.isValid())
        target.setFormat(source.format());
}

} // namespace

QTextTable* insertZoneTable(QTextCursor& cursor, const TableParameters& parameters, int layoutWidth)
{
    const int rows = std::clamp(parameters.rows, 1, kMaxTableRows);
    const int columns = std::clamp(parameters.columns, 1, kMaxTableColumns);
    QTextTableFormat format;
    format.setBorder(std::clamp(parameters.outerBorderWidth, 0, kMaxTableBorder));
    format.setBorderBrush(parameters.outerBorderColour);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(kTableCellPadding);
    format.setMargin(0);
    if (columns > 1 && layoutWidth - kTableFirstColumnWidth >= 8 * (columns - 1)) {
        QList<QTextLength> widths(columns, QTextLength(QTextLength::VariableLength, 0));
        widths[0] = QTextLength(QTextLength::FixedLength, kTableFirstColumnWidth);
        format.setColumnWidthConstraints(widths);
    }
    QTextTable* table = cursor.insertTable(rows, columns, format);
    TableParameters cells = parameters;
    cells.innerBorderWidth = std::clamp(parameters.innerBorderWidth, 0, kMaxTableBorder);
    const QTextTableCellFormat cell = cellFormat(cells);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            table->cellAt(row, column).setFormat(cell);
    }
    cursor = table->cellAt(0, 0).firstCursorPosition();
    return table;
}

bool insertTableRow(const QTextCursor& cursor, bool below)
{
    QTextTable* table = cursor.currentTable();
    if (!table)
        return false;
    const CellRange range = selectedCells(cursor, *table);
    const int source = below ? range.firstRow + range.rows - 1 : range.firstRow;
    const int row = below ? source + 1 : source;
    table->insertRows(row, 1);
    const int from = below ? source : source + 1;
    for (int column = 0; column < table->columns(); ++column)
        copyCellFormat(table, from, column, row, column);
    return true;
}

bool insertTableColumn(const QTextCursor& cursor, bool right)
{
    QTextTable* table = cursor.currentTable();
    if (!table)
        return false;
    const CellRange range = selectedCells(cursor, *table);
    const int source = right ? range.firstColumn + range.columns - 1 : range.firstColumn;
    const int column = right ? source + 1 : source;
    table->insertColumns(column, 1);
    const int from = right ? source : source + 1;
    for (int row = 0; row < table->rows(); ++row)
        copyCellFormat(table, row, from, row, column);
    QTextTableFormat format = table->format();
    if (!format.columnWidthConstraints().isEmpty()) {
        // The inserted column has no width of its own: let the layout choose.
        QList<QTextLength> widths = format.columnWidthConstraints();
        widths.insert(std::min<qsizetype>(column, widths.size()),
                      QTextLength(QTextLength::VariableLength, 0));
        widths.resize(table->columns());
        format.setColumnWidthConstraints(widths);
        table->setFormat(format);
    }
    return true;
}

bool removeTableRows(const QTextCursor& cursor)
{
    QTextTable* table = cursor.currentTable();
    if (!table)
        return false;
    const CellRange range = selectedCells(cursor, *table);
    table->removeRows(range.firstRow, range.rows);
    return true;
}

bool removeTableColumns(const QTextCursor& cursor)
{
    QTextTable* table = cursor.currentTable();
    if (!table)
        return false;
    const CellRange range = selectedCells(cursor, *table);
    QTextTableFormat format = table->format();
    QList<QTextLength> widths = format.columnWidthConstraints();
    const bool keepsColumns = range.columns < table->columns();
    table->removeColumns(range.firstColumn, range.columns);
    if (keepsColumns && !widths.isEmpty()) {
        widths.remove(range.firstColumn,
                      std::min<qsizetype>(range.columns, widths.size() - range.firstColumn));
        format.setColumnWidthConstraints(widths);
        table->setFormat(format);
    }
    return true;
}

bool mergeTableCells(const QTextCursor& cursor)
{
    QTextTable* table = cursor.currentTable();
    if (!table || !cursor.hasComplexSelection())
        return false;
    table->mergeCells(cursor);
    return true;
}

bool splitTableCell(const QTextCursor& cursor)
{
    QTextTable* table = cursor.currentTable();
    if (!table)
        return false;
    const QTextTableCell cell = table->cellAt(cursor);
    if (cell.rowSpan() == 1 && cell.columnSpan() == 1)
        return false;
    table->splitCell(cell.row(), cell.column(), 1, 1);
    return true;
}

bool setTableCellBackground(const QTextCursor& cursor, const QColor& colour)
{
    QTextTable* table = cursor.currentTable();
    if (!table)
        return false;
    const CellRange range = selectedCells(cursor, *table);
    for (int row = range.firstRow; row < range.firstRow + range.rows; ++row) {
        for (int column = range.firstColumn; column < range.firstColumn + range.columns; ++column) {
            QTextTableCell cell = table->cellAt(row, column);
            QTextCharFormat format = cell.format();
            format.setBackground(colour);
            cell.setFormat(format);
        }
    }
    return true;
}

bool setTableBorderColour(const QTextCursor& cursor, const QColor& colour)
{
    QTextTable* table = cursor.currentTable();
    if (!table)
        return false;
    QTextTableFormat format = table->format();
    format.setBorderBrush(colour);
    table->setFormat(format);
    for (int row = 0; row < table->rows(); ++row) {
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(row, column);
            QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
            cellFormat.setBorderBrush(colour);
            cell.setFormat(cellFormat);
        }
    }
    return true;
}

} // namespace dotsign
