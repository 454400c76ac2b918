// The editor's formatting commands: font boxes and their guard, line spacing
// and top margin, tables, pictures, find and replace.

#include "editor/findreplacedialog.h"
#include "editor/support_editor.h"
#include "editor/tableediting.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextTable>
#include <QUrl>

namespace dotsign::test {
namespace {

// Puts "one two" in the document and selects "two".
QTextCursor selectSecondWord(TForm3* window)
{
    QTextCursor cursor(window->richDocument().document());
    cursor.insertText(QStringLiteral("one two"));
    cursor.movePosition(QTextCursor::PreviousWord, QTextCursor::KeepAnchor);
    window->textEdit()->setTextCursor(cursor);
    return cursor;
}

QTextCharFormat formatAt(TForm3* window, int position)
{
    QTextCursor cursor(window->richDocument().document());
    cursor.setPosition(position);
    return cursor.charFormat();
}

TEST_F(EditorTest, FontNameBoxAppliesListedFontsAndBeepsAtOthers)
{
    TForm3* window = openEditor();
    selectSecondWord(window);
    QComboBox* box = window->fontNameBox();
    EXPECT_EQ(box->currentText(), QStringLiteral("宋体"));

    box->setEditText(QStringLiteral("No Such Face"));
    window->cmbFontClick();
    EXPECT_EQ(prompts.beeps, 1);
    EXPECT_NE(formatAt(window, 6).font().families().value(0), QStringLiteral("No Such Face"));

    box->setEditText(QStringLiteral("黑体"));
    window->cmbFontClick();
    EXPECT_EQ(prompts.beeps, 1);
    EXPECT_EQ(formatAt(window, 6).font().families().value(0), QStringLiteral("黑体"));
    EXPECT_NE(formatAt(window, 2).font().families().value(0), QStringLiteral("黑体")) << "only the selection";
}

TEST_F(EditorTest, FontSizeBoxTakesWholeNumbersOnly)
{
    TForm3* window = openEditor();
    selectSecondWord(window);
    for (const QString& bad : {QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("12.5")}) {
        window->fontSizeBox()->setEditText(bad);
        window->cmbFontSize1Click();
    }
    EXPECT_EQ(prompts.beeps, 3);

    window->fontSizeBox()->setEditText(QStringLiteral("24"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window->fontSizeBox()->lineEdit(), &enter);
    EXPECT_EQ(formatAt(window, 6).fontPointSize(), 24);
}

TEST_F(EditorTest, CaretStyleFillsTheBoxesWithoutChangingTheDocument)
{
    TForm3* window = openEditor();
    QTextCursor cursor(window->richDocument().document());
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QStringLiteral("Face Not Installed")});
    format.setFontPointSize(36);
    cursor.insertText(QStringLiteral("big"), format);
    QTextBlockFormat spacing;
    spacing.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    cursor.mergeBlockFormat(spacing);
    window->setModified(false);

    window->textEdit()->setTextCursor(cursor);
    window->RichViewEdit1CurTextStyleChanged();

    EXPECT_EQ(window->fontNameBox()->currentText(), QStringLiteral("Face Not Installed"));
    EXPECT_EQ(window->fontSizeBox()->currentText(), QStringLiteral("36"));
    EXPECT_EQ(window->lineSpacingBox()->value(), 150);
    EXPECT_EQ(prompts.beeps, 0) << "the font box's handler does nothing while the boxes follow the caret";
    EXPECT_FALSE(window->styleSyncBusy());
    EXPECT_FALSE(window->isModified());
}

TEST_F(EditorTest, LineSpacingAppliesToTheSelectedParagraphs)
{
    TForm3* window = openEditor();
    QTextCursor cursor(window->richDocument().document());
    cursor.insertText(QStringLiteral("first"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("second"));
    window->textEdit()->setTextCursor(cursor);

    window->lineSpacingBox()->setValue(200);

    const QTextDocument* doc = window->richDocument().document();
    EXPECT_EQ(paragraphLineSpacing(doc->findBlockByNumber(1)), 200);
    EXPECT_EQ(paragraphLineSpacing(doc->findBlockByNumber(0)), 100);
}

TEST_F(EditorTest, ShiftMovesTheContentDownAndReachesTheSavedDocument)
{
    zone().zoneFile = QStringLiteral("x.kvf");
    TForm3* window = openEditor();
    makeDocumentOfHeight(16);
    window->topMarginBox()->setValue(5);
    EXPECT_EQ(window->richDocument().documentHeight(), 21);
    ASSERT_TRUE(window->Save());

    RichDocument reloaded;
    ASSERT_TRUE(reloaded.loadFile(projectPath(QStringLiteral("x.kvf"))).ok);
    EXPECT_EQ(reloaded.topMargin(), 5);
}

TEST_F(EditorTest, ShiftAndSpacingBoxesIgnoreTypedKeys)
{
    TForm3* window = openEditor();
    QSpinBox* box = window->topMarginBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_5);
    EXPECT_EQ(box->value(), 0);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->value(), 1);
}

TEST_F(EditorTest, TableDialogStartsWithItsDefaultsAndKeepsConfirmedValues)
{
    const TableParameters first = tableDialog.parameters();
    EXPECT_EQ(first.rows, 2);
    EXPECT_EQ(first.columns, 2);
    EXPECT_EQ(first.outerBorderWidth, 1);
    EXPECT_EQ(first.innerBorderWidth, 1);
    EXPECT_EQ(first.outerBorderColour, QColor(255, 0, 0));

    tableDialog.rowsBox()->setValue(5);
    tableDialog.reject();
    EXPECT_EQ(tableDialog.parameters().rows, 2) << "cancel leaves the parameters";
    EXPECT_EQ(tableDialog.rowsBox()->value(), 5) << "and the boxes as typed";
    tableDialog.accept();
    EXPECT_EQ(tableDialog.parameters().rows, 5);
}

TEST_F(EditorTest, InsertTableUsesTheDialogValues)
{
    TForm3* window = openEditor();
    prompts.tableAnswer = [](TF_TABLE_SIZE& dialog) {
        dialog.rowsBox()->setValue(3);
        dialog.columnsBox()->setValue(4);
        dialog.outerWidthBox()->setValue(2);
        dialog.innerWidthBox()->setValue(1);
        dialog.setOuterColour(QColor(0, 255, 0));
        dialog.setInnerColour(QColor(255, 255, 0));
        dialog.accept();
        return true;
    };

    window->findAction(QStringLiteral("table"))->trigger();

    QTextTable* table = window->textEdit()->textCursor().currentTable();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->columns(), 4);
    EXPECT_EQ(table->format().border(), 2);
    EXPECT_EQ(table->format().borderBrush().color(), QColor(0, 255, 0));
    const QTextTableCellFormat cell = table->cellAt(1, 1).format().toTableCellFormat();
    EXPECT_EQ(cell.topBorder(), 1);
    EXPECT_EQ(cell.topBorderBrush().color(), QColor(255, 255, 0));
    EXPECT_EQ(cell.topPadding(), kTableCellPadding);

    // Cancelled, nothing goes in.
    prompts.tableAnswer = [](TF_TABLE_SIZE& dialog) {
        dialog.reject();
        return false;
    };
    const int before = window->richDocument().document()->characterCount();
    window->ToolButton64Click();
    EXPECT_EQ(window->richDocument().document()->characterCount(), before);
}

TEST(TableEditing, CommandsOnTheTableUnderTheCursor)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    TableParameters parameters;
    QTextTable* table = insertZoneTable(cursor, parameters, 200);
    ASSERT_EQ(table->rows(), 2);

    EXPECT_TRUE(insertTableRow(cursor, true));
    EXPECT_TRUE(insertTableColumn(cursor, false));
    EXPECT_EQ(table->rows(), 3);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->cellAt(1, 0).format().toTableCellFormat().topBorderBrush().color(), QColor(255, 0, 0))
        << "new cells look like their neighbours";

    EXPECT_TRUE(setTableCellBackground(cursor, QColor(0, 0, 128)));
    EXPECT_EQ(table->cellAt(cursor).format().background().color(), QColor(0, 0, 128));

    QTextCursor select = table->cellAt(0, 0).firstCursorPosition();
    select.setPosition(table->cellAt(0, 1).firstCursorPosition().position(), QTextCursor::KeepAnchor);
    EXPECT_TRUE(mergeTableCells(select));
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 2);
    EXPECT_TRUE(splitTableCell(table->cellAt(0, 0).firstCursorPosition()));
    EXPECT_EQ(table->cellAt(0, 0).columnSpan(), 1);

    EXPECT_TRUE(removeTableRows(table->cellAt(2, 0).firstCursorPosition()));
    EXPECT_TRUE(removeTableColumns(table->cellAt(0, 2).firstCursorPosition()));
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);

    QTextCursor outside(&doc);
    outside.movePosition(QTextCursor::End);
    EXPECT_FALSE(insertTableRow(outside, true));
    EXPECT_FALSE(mergeTableCells(outside));
    EXPECT_FALSE(setTableCellBackground(outside, Qt::red));
}

TEST(TableEditing, FirstColumnAsksForItsWidthOnlyWhenTheZoneLeavesRoom)
{
    TableParameters parameters;
    parameters.columns = 3;
    for (const auto& [width, constrained] : {std::pair{200, true}, std::pair{50, false}}) {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextTable* table = insertZoneTable(cursor, parameters, width);
        EXPECT_EQ(!table->format().columnWidthConstraints().isEmpty(), constrained) << width;
    }
}

TEST_F(EditorTest, PictureIsScaledToTheZoneWidthAndTravelsInTheDocument)
{
    zone().zoneFile = QStringLiteral("x.kvf");
    TForm3* window = openEditor();
    QImage picture(128, 32, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    const QString path = projectPath(QStringLiteral("logo.png"));
    ASSERT_TRUE(picture.save(path));
    prompts.openChoice = FileChoice{path, 1};

    window->findAction(QStringLiteral("picture"))->trigger();
    ASSERT_TRUE(window->Save());

    RichDocument reloaded;
    reloaded.setLayoutWidth(64);
    ASSERT_TRUE(reloaded.loadFile(projectPath(QStringLiteral("x.kvf"))).ok);
    const QImage shown = reloaded.render(64, reloaded.documentHeight());
    EXPECT_EQ(shown.pixelColor(32, 8), QColor(0, 255, 0));
    EXPECT_LE(reloaded.documentWidth(), 64);

    prompts.openChoice = FileChoice{projectPath(QStringLiteral("x.kvf")), 1};
    window->insertPicture();
    EXPECT_EQ(prompts.messages.size(), 1) << "a file that is no picture is reported";
}

TEST_F(EditorTest, CharacterAndParagraphCommands)
{
    TForm3* window = openEditor();
    selectSecondWord(window);
    prompts.colour = QColor(0, 255, 0);
    window->findAction(QStringLiteral("bold"))->trigger();
    window->findAction(QStringLiteral("textColour"))->trigger();
    window->findAction(QStringLiteral("alignCenter"))->trigger();
    window->findAction(QStringLiteral("bullets"))->trigger();

    const QTextCharFormat format = formatAt(window, 6);
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_EQ(format.foreground().color(), QColor(0, 255, 0));
    const QTextBlock block = window->richDocument().document()->firstBlock();
    EXPECT_TRUE(block.blockFormat().alignment() & Qt::AlignHCenter);
    ASSERT_NE(block.textList(), nullptr);

    window->findAction(QStringLiteral("bullets"))->trigger();
    EXPECT_EQ(window->richDocument().document()->firstBlock().textList(), nullptr);

    window->findAction(QStringLiteral("undo"))->trigger();
    EXPECT_NE(window->richDocument().document()->firstBlock().textList(), nullptr);
}

TEST(FindReplace, ReplacesEveryOccurrenceOnce)
{
    const struct
    {
        QString text, find, replacement, result;
        int count;
    } cases[] = {
        {QStringLiteral("a b a"), QStringLiteral("a"), QStringLiteral("aa"), QStringLiteral("aa b aa"), 2},
        {QStringLiteral("特价 特价"), QStringLiteral("特价"), QStringLiteral("新品"),
         QStringLiteral("新品 新品"), 2},
        {QStringLiteral("abc"), QString(), QStringLiteral("x"), QStringLiteral("abc"), 0},
        {QStringLiteral("abc"), QStringLiteral("z"), QStringLiteral("x"), QStringLiteral("abc"), 0},
    };
    for (const auto& c : cases) {
        QTextDocument doc;
        doc.setPlainText(c.text);
        EXPECT_EQ(replaceAllInDocument(&doc, c.find, c.replacement, {}), c.count) << c.text.toStdString();
        EXPECT_EQ(doc.toPlainText(), c.result);
    }
}

TEST_F(EditorTest, FindNextWrapsAndReportsMisses)
{
    TForm3* window = openEditor();
    QTextCursor(window->richDocument().document()).insertText(QStringLiteral("red green red"));
    FindReplaceDialog* dialog = window->findReplaceDialog();
    dialog->setFindText(QStringLiteral("red"));
    EXPECT_TRUE(dialog->findNext());
    EXPECT_EQ(window->textEdit()->textCursor().selectionStart(), 0);
    EXPECT_TRUE(dialog->findNext());
    EXPECT_EQ(window->textEdit()->textCursor().selectionStart(), 10);
    EXPECT_TRUE(dialog->findNext());
    EXPECT_EQ(window->textEdit()->textCursor().selectionStart(), 0);

    dialog->setFindText(QStringLiteral("blue"));
    EXPECT_FALSE(dialog->findNext());
    EXPECT_FALSE(dialog->resultText().isEmpty());
}

} // namespace
} // namespace dotsign::test

namespace dotsign::test {
namespace {

TEST_F(EditorTest, PastedPictureGoesInAtTheCaretAndPastedLinksReadNothing)
{
    TForm3* window = openEditor();
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));
    QGuiApplication::clipboard()->setImage(picture);
    window->textEdit()->paste();
    const QImage shown = window->richDocument().render(64, 16);
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(0, 255, 0));

    // A link in pasted rich text must not make the document read a local file.
    QTemporaryDir other;
    const QString secret = other.path() + QStringLiteral("/secret.png");
    ASSERT_TRUE(picture.save(secret));
    auto* mime = new QMimeData;
    mime->setHtml(QStringLiteral("<p>x<img src=\"%1\"></p>").arg(QUrl::fromLocalFile(secret).toString()));
    QGuiApplication::clipboard()->setMimeData(mime);
    window->richDocument().clear();
    window->textEdit()->paste();
    const QImage after = window->richDocument().render(64, 16);
    for (int x = 0; x < 64; ++x)
        ASSERT_NE(after.pixelColor(x, 5), QColor(0, 255, 0)) << x;
}

} // namespace
} // namespace dotsign::test
