#pragma once
// Tables of a zone document: inserting one with the insert-table dialog's
// values and the table commands of the editor (rows, columns, merging, cell
// colours). All work on the table under a text cursor; with no table there
// they do nothing and say so.

#include <QColor>

class QTextCursor;
class QTextTable;

namespace dotsign {

struct TableParameters;

// Cell padding in pixels and the preferred width of the first column.
constexpr int kTableCellPadding = 4;
constexpr int kTableFirstColumnWidth = 45;

// Inserts a table at the cursor: borders and colours from `parameters`,
// adjacent cell borders drawn once, rows centred vertically. The first column
// asks for kTableFirstColumnWidth pixels when the layout leaves the others room.
QTextTable* insertZoneTable(QTextCursor& cursor, const TableParameters& parameters, int layoutWidth);

bool insertTableRow(const QTextCursor& cursor, bool below);
bool insertTableColumn(const QTextCursor& cursor, bool right);
// Remove the rows or columns the selection touches (the cursor's cell without one).
bool removeTableRows(const QTextCursor& cursor);
bool removeTableColumns(const QTextCursor& cursor);
bool mergeTableCells(const QTextCursor& cursor);
bool splitTableCell(const QTextCursor& cursor);
// Background of the selected cells (the cursor's cell without a selection).
bool setTableCellBackground(const QTextCursor& cursor, const QColor& colour);
// Colour of the table's outer border and of its cell borders.
bool setTableBorderColour(const QTextCursor& cursor, const QColor& colour);

} // namespace dotsign
