#pragma once
// Puts what the RTF reader finds into a QTextDocument: paragraphs of text
// runs and pictures, and tables. RTF describes a table row by row, each cell's
// paragraphs marked \intbl and closed by \cell, each row by \row; the rows are
// gathered here and the table is built when the first paragraph outside it
// (or the end of the document) arrives.

#include <QColor>
#include <QImage>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <vector>

class QTextDocument;

namespace dotsign {

struct RtfRun
{
    QString text;
    QTextCharFormat format; // an image format for pictures
};

struct RtfParagraph
{
    QTextBlockFormat format;
    QTextCharFormat mark; // the character format at the paragraph mark (an empty line's height)
    std::vector<RtfRun> runs;
};

struct RtfBorder
{
    bool present = false;
    int width = 1; // pixels
    QColor colour;
};

struct RtfCellProps
{
    int right = 0;                                // \cellx, twips from the row's left
    RtfBorder borders[4];                         // top, left, bottom, right
    QColor background;                            // \clcbpat
    bool mergeFirst = false, mergeNext = false;   // \clmgf, \clmrg
    bool vmergeFirst = false, vmergeNext = false; // \clvmgf, \clvmrg
};

struct RtfRowProps
{
    std::vector<RtfCellProps> cells;
    int gap = 0;     // \trgaph, twips
    int padding = 0; // the largest \clpad or \trpadd, twips
    int left = 0;    // \trleft, twips
    int spacing = 0; // \trspdl, twips
    Qt::Alignment alignment = Qt::AlignLeft;
};

class RtfBuilder
{
public:
    explicit RtfBuilder(QTextDocument* doc);

    void addText(const QString& text, const QTextCharFormat& format);
    void addPicture(const QImage& image, const QSize& displaySize, const QTextCharFormat& format);
    // Ends the current paragraph; in a table it becomes part of the current cell.
    void endParagraph(const QTextBlockFormat& format, const QTextCharFormat& mark, bool inTable);
    void endCell(const QTextBlockFormat& format, const QTextCharFormat& mark);
    void endRow(const RtfRowProps& props);
    // Closes an unfinished table; the caller ends any pending paragraph first.
    void finish();
    bool hasPendingContent() const { return !m_paragraph.runs.empty(); }

private:
    struct Cell
    {
        std::vector<RtfParagraph> paragraphs;
    };
    struct Row
    {
        std::vector<Cell> cells;
        RtfRowProps props;
    };

    void writeParagraph(QTextCursor& cursor, const RtfParagraph& paragraph, bool first);
    void flushTable();
    void fillTable(class QTextTable* table);
    void setTableFormat(QTextTable* table, int columns);
    void mergeCells(QTextTable* table);

    QTextDocument* m_doc;
    QTextCursor m_cursor;
    bool m_blockUnused = true; // the cursor's block has not been written yet
    bool m_cellOpen = false;   // the last cell of m_cells takes further paragraphs
    RtfParagraph m_paragraph;
    std::vector<Cell> m_cells;
    std::vector<Row> m_rows;
    int m_pictures = 0;
};

} // namespace dotsign
