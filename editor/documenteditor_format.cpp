// The formatting commands of the document editor: font boxes, character and
// paragraph formats, colours, lists, pictures and tables.

#include "editor/documenteditor.h"
#include "editor/documenteditor_actions.h"
#include "editor/documenttextedit.h"
#include "editor/editoricons.h"
#include "editor/tableediting.h"
#include "editor/tablesizedialog.h"
#include "project/zonefiles.h"

#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>
#include <QUrl>
#include <QUuid>
#include <algorithm>

namespace dotsign {

namespace {

constexpr int kMaxFontPoints = 400;

// Sets a flag for the lifetime of the guard, also when an exception passes.
class BusyGuard
{
public:
    explicit BusyGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~BusyGuard() { m_flag = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    bool& m_flag;
};

QColor brushColour(const QBrush& brush, const QColor& fallback)
{
    return brush.style() == Qt::NoBrush ? fallback : brush.color();
}

} // namespace

void TForm3::mergeFormat(const QTextCharFormat& format)
{
    m_edit->mergeCurrentCharFormat(format);
}

void TForm3::applyFontFamily(const QString& family)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{family});
    mergeFormat(format);
}

void TForm3::applyFontSize(int points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    mergeFormat(format);
}

void TForm3::cmbFontClick()
{
    const QString text = m_fontName->currentText().trimmed();
    if (m_styleSyncBusy)
        return;
    const int index = m_fontName->findText(text, Qt::MatchFixedString);
    if (index < 0) {
        m_prompts->beep();
    } else {
        m_fontName->setCurrentIndex(index);
        applyFontFamily(m_fontName->itemText(index));
    }
    m_edit->setFocus();
}

void TForm3::cmbFontSize1Click()
{
    if (m_styleSyncBusy)
        return;
    bool ok = false;
    const int points = m_fontSize->currentText().trimmed().toInt(&ok);
    if (!ok || points < 1 || points > kMaxFontPoints)
        m_prompts->beep();
    else
        applyFontSize(points);
    m_edit->setFocus();
}

void TForm3::RichViewEdit1CurTextStyleChanged()
{
    BusyGuard busy(m_styleSyncBusy);
    const QTextCursor cursor = m_edit->textCursor();
    m_lineSpacing->setValue(paragraphLineSpacing(cursor.block()));
    m_topMargin->setValue(m_doc.topMargin());
    const QTextCharFormat format = m_edit->currentCharFormat();
    const QFont font = format.font().resolve(m_doc.document()->defaultFont());
    const QString family = font.families().value(0, font.family());
    const int index = m_fontName->findText(family, Qt::MatchFixedString);
    if (index >= 0)
        m_fontName->setCurrentIndex(index);
    else
        m_fontName->setEditText(family);
    cmbFontClick(); // does nothing while busy, as when the operator clicks
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 12;
    m_fontSize->setEditText(QString::number(qRound(points)));
    updateFormatActions(format);
}

void TForm3::SpinEdit1Change(int value)
{
    if (m_styleSyncBusy)
        return;
    QTextCursor cursor = m_edit->textCursor();
    applyLineSpacing(cursor, value);
}

void TForm3::SpinEdit2Change(int value)
{
    if (m_styleSyncBusy)
        return;
    m_doc.setTopMargin(value);
}

void TForm3::ToolButton64Click()
{
    if (!m_prompts->runTableDialog(*m_tableDialog))
        return;
    QTextCursor cursor = m_edit->textCursor();
    insertZoneTable(cursor, m_tableDialog->parameters(), m_doc.layoutWidth());
    m_edit->setTextCursor(cursor);
    m_edit->setFocus();
}

void TForm3::toggleBold(bool on)
{
    QTextCharFormat format;
    format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

void TForm3::toggleItalic(bool on)
{
    QTextCharFormat format;
    format.setFontItalic(on);
    mergeFormat(format);
}

void TForm3::toggleUnderline(bool on)
{
    QTextCharFormat format;
    format.setFontUnderline(on);
    mergeFormat(format);
}

void TForm3::toggleStrike(bool on)
{
    QTextCharFormat format;
    format.setFontStrikeOut(on);
    mergeFormat(format);
}

void TForm3::chooseTextColour()
{
    const QColor current = brushColour(m_edit->currentCharFormat().foreground(), defaultTextColour());
    const std::optional<QColor> colour = m_prompts->chooseColour(this, current, tr("文字颜色"));
    if (!colour)
        return;
    QTextCharFormat format;
    format.setForeground(*colour);
    mergeFormat(format);
    m_actions->textColour->setIcon(editorIcon(EditorIcon::TextColour, *colour));
}

void TForm3::chooseTextBackground()
{
    const QColor current = brushColour(m_edit->currentCharFormat().background(), Qt::black);
    const std::optional<QColor> colour = m_prompts->chooseColour(this, current, tr("文字背景颜色"));
    if (!colour)
        return;
    QTextCharFormat format;
    format.setBackground(*colour);
    mergeFormat(format);
    m_actions->textBackground->setIcon(editorIcon(EditorIcon::TextBackground, *colour));
}

void TForm3::chooseParagraphBackground()
{
    QTextCursor cursor = m_edit->textCursor();
    const QColor current = brushColour(cursor.blockFormat().background(), Qt::black);
    const std::optional<QColor> colour = m_prompts->chooseColour(this, current, tr("段落背景颜色"));
    if (!colour)
        return;
    QTextBlockFormat format;
    format.setBackground(*colour);
    cursor.mergeBlockFormat(format);
    m_actions->paragraphBackground->setIcon(editorIcon(EditorIcon::ParagraphBackground, *colour));
}

void TForm3::chooseDocumentBackground()
{
    QTextFrame* root = m_doc.document()->rootFrame();
    const QColor current = brushColour(root->frameFormat().background(), Qt::black);
    const std::optional<QColor> colour = m_prompts->chooseColour(this, current, tr("文档背景颜色"));
    if (!colour)
        return;
    QTextFrameFormat format = root->frameFormat();
    format.setBackground(*colour);
    root->setFrameFormat(format);
    m_actions->documentBackground->setIcon(editorIcon(EditorIcon::DocumentBackground, *colour));
}

void TForm3::chooseCellColour()
{
    const QTextCursor cursor = m_edit->textCursor();
    if (!cursor.currentTable())
        return;
    const std::optional<QColor> colour = m_prompts->chooseColour(this, Qt::black, tr("单元格颜色"));
    if (colour)
        setTableCellBackground(cursor, *colour);
}

void TForm3::setAlignment(Qt::Alignment alignment)
{
    m_edit->setAlignment(alignment);
    updateFormatActions(m_edit->currentCharFormat());
}

void TForm3::changeIndent(int step)
{
    QTextCursor cursor = m_edit->textCursor();
    cursor.beginEditBlock();
    if (QTextList* list = cursor.currentList()) {
        QTextListFormat format = list->format();
        format.setIndent(std::clamp(format.indent() + step, 1, 16));
        list->setFormat(format);
    } else {
        QTextBlockFormat format = cursor.blockFormat();
        format.setIndent(std::clamp(format.indent() + step, 0, 16));
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

void TForm3::toggleList(bool numbered)
{
    QTextCursor cursor = m_edit->textCursor();
    const QTextListFormat::Style style = numbered ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc;
    cursor.beginEditBlock();
    QTextList* list = cursor.currentList();
    if (list && list->format().style() == style) {
        // Taking the paragraphs out of the list.
        const QTextBlock first = m_doc.document()->findBlock(cursor.selectionStart());
        const QTextBlock last = m_doc.document()->findBlock(cursor.selectionEnd());
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            if (QTextList* owner = block.textList())
                owner->remove(block);
            QTextCursor blockCursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            blockCursor.setBlockFormat(format);
            if (block == last)
                break;
        }
    } else if (list) {
        QTextListFormat format = list->format();
        format.setStyle(style);
        list->setFormat(format);
    } else {
        cursor.createList(style);
    }
    cursor.endEditBlock();
}

void TForm3::insertPicture()
{
    const std::optional<FileChoice> choice = m_prompts->chooseOpenFile(
        this, projectDirectory(), {tr("图片文件 (*.png *.jpg *.jpeg *.gif *.bmp)")});
    if (!choice || choice->path.isEmpty())
        return;
    if (!insertImage(readPictureFile(choice->path)))
        m_prompts->showMessage(this, tr("无法读取图片 %1").arg(choice->path), tr("错误"));
}

bool TForm3::insertImage(const QImage& image)
{
    if (image.isNull())
        return false;
    QImage picture = image;
    if (picture.width() > kMaxPictureSide || picture.height() > kMaxPictureSide)
        picture = picture.scaled(kMaxPictureSide, kMaxPictureSide, Qt::KeepAspectRatio);
    const QString name =
        QStringLiteral("picture-%1.png").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    m_doc.document()->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextImageFormat format;
    format.setName(name);
    // A picture wider than the zone is shown at the zone's width.
    const int zoneWidth = m_doc.layoutWidth();
    const int width = std::min(picture.width(), std::max(1, zoneWidth));
    format.setWidth(width);
    format.setHeight(std::max(1, int(qint64(picture.height()) * width / picture.width())));
    m_edit->textCursor().insertImage(format);
    m_edit->setFocus();
    return true;
}

} // namespace dotsign
