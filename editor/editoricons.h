#pragma once
// The editor's toolbar and menu pictures, drawn by the program itself so that
// the window looks the same on every desktop and needs no icon theme.

#include <QColor>
#include <QIcon>

namespace dotsign {

enum class EditorIcon {
    New,
    Open,
    Save,
    SaveAs,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Find,
    Replace,
    Bold,
    Italic,
    Underline,
    Strike,
    TextColour,
    TextBackground,
    ParagraphBackground,
    DocumentBackground,
    CellColour,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    IndentMore,
    IndentLess,
    Bullets,
    Numbering,
    Picture,
    Table,
    RowAbove,
    RowBelow,
    ColumnLeft,
    ColumnRight,
    DeleteRow,
    DeleteColumn,
    MergeCells,
    SplitCell,
    Preview,
    Close
};

QIcon editorIcon(EditorIcon icon);
// A colour command's picture with its current colour in the bar at the bottom.
QIcon editorIcon(EditorIcon icon, const QColor& colour);

} // namespace dotsign
