#pragma once
// The commands of the document editor window, shared by its menus and
// toolbars.

#include "editor/documenteditor.h"

#include <QList>

class QAction;

namespace dotsign {

struct TForm3::Actions
{
    QAction* newFile = nullptr;
    QAction* openFile = nullptr;
    QAction* saveFile = nullptr;
    QAction* saveAs = nullptr;
    QAction* exit = nullptr;

    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* cut = nullptr;
    QAction* copy = nullptr;
    QAction* paste = nullptr;
    QAction* selectAll = nullptr;
    QAction* find = nullptr;

    QAction* bold = nullptr;
    QAction* italic = nullptr;
    QAction* underline = nullptr;
    QAction* strike = nullptr;
    QAction* textColour = nullptr;
    QAction* textBackground = nullptr;
    QAction* paragraphBackground = nullptr;
    QAction* documentBackground = nullptr;
    QAction* alignLeft = nullptr;
    QAction* alignCenter = nullptr;
    QAction* alignRight = nullptr;
    QAction* alignJustify = nullptr;
    QAction* indentMore = nullptr;
    QAction* indentLess = nullptr;
    QAction* bullets = nullptr;
    QAction* numbering = nullptr;

    QAction* picture = nullptr;
    QAction* table = nullptr;
    QAction* rowAbove = nullptr;
    QAction* rowBelow = nullptr;
    QAction* columnLeft = nullptr;
    QAction* columnRight = nullptr;
    QAction* deleteRow = nullptr;
    QAction* deleteColumn = nullptr;
    QAction* mergeCells = nullptr;
    QAction* splitCell = nullptr;
    QAction* cellColour = nullptr;
    QAction* borderColour = nullptr;

    QAction* preview = nullptr;
    QAction* close = nullptr;

    // Commands that only make sense inside a table.
    QList<QAction*> tableCommands() const
    {
        return {rowAbove,     rowBelow,   columnLeft, columnRight, deleteRow,
                deleteColumn, mergeCells, splitCell,  cellColour,  borderColour};
    }
};

} // namespace dotsign
