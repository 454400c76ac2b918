#include "editor/documenteditor.h"
#include "editor/documenteditor_actions.h"

#include "editor/findreplacedialog.h"
#include "editor/previewpicture.h"
#include "editor/tablesizedialog.h"
#include "project/atomicfile.h"
#include "project/projectstate.h"
#include "project/zonefiles.h"
#include "render/fonts.h"
#include "render/richdocumentsafety.h"
#include "render/zonerender.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTextEdit>
#include <algorithm>

namespace dotsign {

namespace {

const QColor kPageLineColour(0, 0, 255);
// Documents larger than this are not read: no zone document comes near it.
constexpr qint64 kMaxDocumentFileSize = qint64(256) * 1024 * 1024;

QStringList documentFilters()
{
    return {QStringLiteral("RaRorUzud Format Files (*.kvf)"), QStringLiteral("Word Format Files(*.rtf)")};
}

} // namespace

TForm3::~TForm3()
{
    // The text edit outlives the members (Qt deletes children last): give it a
    // document of its own before ours goes away.
    m_edit->setDocument(new QTextDocument(m_edit));
}

QString TForm3::projectDirectory() const
{
    return projectFolder(m_state);
}

ZoneRecord& TForm3::zone()
{
    return m_state.currentZoneRecord();
}

void TForm3::setStatusText(int panel, const QString& text)
{
    if (panel >= 0 && panel < kEditorPanels)
        m_panels[panel]->setText(text);
}

QString TForm3::statusText(int panel) const
{
    return panel >= 0 && panel < kEditorPanels ? m_panels[panel]->text() : QString();
}

void TForm3::setEditorWidth(int width)
{
    // The text edit lays its document out again at its own wrap width
    // whenever the layout changes, so it gets the width first.
    const int layoutWidth = std::clamp(width - kEditorScrollBarWidth, 1, kMaxPictureSide);
    m_edit->setLineWrapColumnOrWidth(layoutWidth);
    m_doc.setLayoutWidth(layoutWidth);
}

bool TForm3::isModified() const
{
    return m_doc.document()->isModified();
}

void TForm3::setModified(bool modified)
{
    m_doc.document()->setModified(modified);
}

void TForm3::reportStatus(const Status& status)
{
    if (status)
        return;
    m_prompts->showMessage(this, status.message, status.caption.isEmpty() ? tr("错误") : status.caption);
}

QString TForm3::editorCaption()
{
    return tr("图形-文字-表格混合编辑");
}

void TForm3::changeFileName(const QString& fileName, bool isNew)
{
    QString caption = fileName;
    if (isNew)
        caption += QStringLiteral(" (*)");
    setWindowTitle(caption + QStringLiteral(" - ") + editorCaption());
}

void TForm3::ShowFilename()
{
    setStatusText(EditorPanelPath, QString());
    m_documentPath.clear();
    const QString name = fileNamePart(zone().zoneFile);
    if (name.isEmpty()) {
        m_doc.clear();
        const QString untitled = projectDirectory() + kDefaultDocumentName;
        if (QFileInfo(untitled).isFile()) {
            reportStatus(m_doc.loadFile(untitled));
            setStatusText(EditorPanelPath, untitled);
        }
        m_doc.document()->clearUndoRedoStacks();
        changeFileName(kDefaultDocumentName, true);
        RichViewEdit1CurTextStyleChanged();
        return;
    }

    m_documentPath = name;
    const QString full = projectDirectory() + name;
    if (!QFileInfo::exists(full)) {
        // A zone that names a document not there yet gets it, empty.
        Save();
    } else if (documentFormatForPath(name) == DocumentFormat::None || !QFileInfo(full).isFile()) {
        // A file this editor cannot read is never overwritten by a save:
        // the first save asks for a new name.
        m_documentPath.clear();
        m_doc.clear();
        setStatusText(EditorPanelInfo, tr("无法识别的文档类型，保存时请另取文件名"));
    } else {
        reportStatus(m_doc.loadFile(full));
    }
    m_doc.document()->clearUndoRedoStacks();
    setStatusText(EditorPanelPath, full);
    changeFileName(name, m_documentPath.isEmpty());
    // The boxes take the loaded document's spacing and shift before the
    // preview applies "下移" back to it.
    RichViewEdit1CurTextStyleChanged();
    yuelan();
}

void TForm3::yuelan()
{
    if (m_doc.topMargin() != m_topMargin->value())
        m_doc.setTopMargin(m_topMargin->value());

    const int width = std::max(1, m_doc.documentWidth());
    const int height = m_doc.documentHeight(); // the top margin included
    const int zoneHeight = zone().zoneHeight;
    const int pages = zoneHeight > 0 ? (height + zoneHeight - 1) / zoneHeight : 0;
    const int contentHeight = zoneHeight * pages;
    zone().zoneInfoHeight = contentHeight;

    QImage image = m_doc.render(width, contentHeight > 0 ? contentHeight : std::max(1, height));
    m_previewWidth = image.width();
    m_previewHeight = image.height();
    if (m_bitmapPending > 0) {
        writeZoneBitmap(image);
        m_bitmapPending = 0;
    }
    drawPageLines(image, zoneHeight);
    m_preview->setImage(image);
    m_preview->setScale(m_previewScale);
}

void TForm3::drawPageLines(QImage& image, int zoneHeight) const
{
    if (zoneHeight <= 0)
        return;
    QPainter painter(&image);
    painter.setPen(kPageLineColour);
    for (int y = zoneHeight - 1; y < image.height(); y += zoneHeight)
        painter.drawLine(0, y, image.width() - 1, y);
}

void TForm3::writeZoneBitmap(const QImage& image)
{
    reportStatus(saveZoneBitmap(m_state, m_state.currentProgram, m_state.currentZone, image));
}

QImage TForm3::previewImage() const
{
    return m_preview->image();
}

void TForm3::zoomPreview(int entry)
{
    yuelan();
    m_previewScale = zoomFactorForEntry(entry);
    m_preview->setScale(m_previewScale);
}

bool TForm3::Save()
{
    setStatusText(EditorPanelInfo, QString());
    setStatusText(EditorPanelPath, QString());
    const QString name = fileNamePart(m_documentPath);
    if (name.isEmpty())
        return SaveAs();
    // A document is always saved into the project folder, wherever it was opened from.
    m_documentPath = projectDirectory() + name;
    m_bitmapPath = ZoneBitmapPath(m_state, m_state.currentProgram, m_state.currentZone);
    const Status status = m_doc.saveFile(m_documentPath);
    if (!status) {
        reportStatus(status);
        setStatusText(EditorPanelInfo, tr("保存失败"));
        return false;
    }
    m_bitmapPending = 100;
    if (zone().zoneFile != name) {
        zone().zoneFile = name;
        m_state.modifiedFlag = 1;
    }
    setModified(false);
    setStatusText(EditorPanelPath, m_documentPath);
    changeFileName(name, false);
    return true;
}

bool TForm3::SaveAs()
{
    setStatusText(EditorPanelInfo, QString());
    setStatusText(EditorPanelPath, QString());
    const std::optional<FileChoice> choice =
        m_prompts->chooseSaveFile(this, projectDirectory(), documentFilters());
    const QString name = choice ? fileNamePart(choice->path) : QString();
    if (name.isEmpty())
        return false;
    m_documentPath = projectDirectory() + name;
    setStatusText(EditorPanelPath, m_documentPath);
    if (choice->filterIndex == 2) {
        // Writing RTF is an export: the document stays marked as changed and
        // the command that asked for the save (new, open, close) stops here.
        const Status status = writeFileAtomically(m_documentPath, m_doc.saveRtf());
        if (!status) {
            m_prompts->showMessage(this, tr("错误"), tr("文件读错误。"));
            return false;
        }
        if (zone().zoneFile != name) {
            zone().zoneFile = name;
            m_state.modifiedFlag = 1;
        }
        changeFileName(name, false);
        m_edit->setFocus();
        return false;
    }
    return Save();
}

bool TForm3::SaveIfNeeded()
{
    if (!isModified())
        return true;
    switch (m_prompts->askYesNoCancel(this, tr("现在保存图文分区修改吗?"), tr("请注意:分区已经修改"))) {
    case QMessageBox::Yes:
        return Save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void TForm3::New()
{
    if (!SaveIfNeeded())
        return;
    m_documentPath.clear();
    m_doc.clear();
    m_doc.document()->clearUndoRedoStacks();
    setModified(false);
    setStatusText(EditorPanelPath, QString());
    changeFileName(kDefaultDocumentName, true);
    RichViewEdit1CurTextStyleChanged();
}

void TForm3::Open()
{
    setStatusText(EditorPanelPath, QString());
    if (!SaveIfNeeded())
        return;
    const std::optional<FileChoice> choice =
        m_prompts->chooseOpenFile(this, projectDirectory(), documentFilters());
    if (!choice || choice->path.isEmpty())
        return;
    setStatusText(EditorPanelInfo, QString());
    if (!loadByFilter(choice->path, choice->filterIndex))
        return;
    setStatusText(EditorPanelPath, m_documentPath);
    changeFileName(fileNamePart(m_documentPath), false);
    // The opened document belongs to this zone only once it is saved into
    // the project folder: closing asks for that.
    setModified(true);
    RichViewEdit1CurTextStyleChanged();
    yuelan();
}

bool TForm3::loadByFilter(const QString& path, int filterIndex)
{
    QFile file(path);
    if (file.size() > kMaxDocumentFileSize || !file.open(QIODevice::ReadOnly)) {
        m_prompts->showMessage(this, tr("无法读取文件 %1").arg(path), tr("错误"));
        return false;
    }
    const QByteArray data = file.readAll();
    m_documentPath = path;
    const Status status = filterIndex == 2 ? m_doc.loadRtf(data) : m_doc.loadNative(data);
    m_doc.document()->clearUndoRedoStacks();
    reportStatus(status);
    m_edit->setFocus();
    return true;
}

void TForm3::runSave()
{
    if (Save())
        yuelan();
}

void TForm3::runOpen()
{
    Open();
}

void TForm3::runNew()
{
    New();
    yuelan();
}

void TForm3::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    m_bitmapPending = 0;
    const int index = m_fontName->findText(kSongTi);
    if (index >= 0)
        m_fontName->setCurrentIndex(index);
    applyFontFamily(kSongTi);
    ShowFilename();
    yuelan();
    RichViewEdit1CurTextStyleChanged();
    setModified(false);
}

void TForm3::closeEvent(QCloseEvent* event)
{
    const bool canClose = SaveIfNeeded();
    emit closeAttempted();
    if (canClose) {
        if (m_findReplace)
            m_findReplace->close();
        event->accept();
    } else {
        event->ignore();
    }
}

FindReplaceDialog* TForm3::findReplaceDialog()
{
    if (!m_findReplace)
        m_findReplace = new FindReplaceDialog(m_edit, this);
    return m_findReplace;
}

void TForm3::showFindReplace()
{
    FindReplaceDialog* dialog = findReplaceDialog();
    const QString selected = m_edit->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        dialog->setFindText(selected);
    dialog->show();
    dialog->raise();
}

} // namespace dotsign
