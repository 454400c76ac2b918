#pragma once
// TForm3 "图形-文字-表格混合编辑": the window in which the operator writes the
// document of a graphic-text zone (text in several fonts and colours,
// pictures, tables). It loads the zone's document from the project folder,
// previews it as the sign will show it (pages of the zone's height on black,
// blue lines where each page ends), saves it in the native format or as RTF,
// records the file name and content height in the zone record and writes the
// zone's bitmap into "ExtFile/".
//
// The window is application-modal and deletes itself when it closes. Every
// close attempt, whatever the answer to the save question, emits
// closeAttempted(), so the main window can preview the zone as it now is.

#include "editor/editorprompts.h"
#include "render/richdocument.h"

#include <QImage>
#include <QKeySequence>
#include <QMainWindow>
#include <memory>

class QAction;

class QComboBox;
class QLabel;
class QMenu;
class QSpinBox;
class QSplitter;
class QTextCharFormat;
class QTextEdit;
class QToolBar;

namespace dotsign {

struct ProjectState;
struct ZoneRecord;
class FindReplaceDialog;
class PreviewPicture;
class TF_TABLE_SIZE;

enum EditorStatusPanel {
    EditorPanelZoneSize = 0,
    EditorPanelInfo = 1,
    EditorPanelPath = 2,
    kEditorPanels = 3
};

inline const QString kDefaultDocumentName = QStringLiteral("KVUntitled.kvf");

class TForm3 : public QMainWindow
{
    Q_OBJECT
public:
    // `tableDialog` is the insert-table dialog the main window keeps for the
    // whole run (the editor makes its own when given none); `prompts` answers
    // the window's questions (the real dialogs when null).
    TForm3(ProjectState& state, TF_TABLE_SIZE* tableDialog = nullptr, EditorPrompts* prompts = nullptr,
           QWidget* parent = nullptr);
    ~TForm3() override;

    // Width of the editing area: the zone width plus the scroll bar
    // (kEditorScrollBarWidth). The text is laid out at the zone width.
    void setEditorWidth(int width);
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

    // Document commands.
    void ShowFilename();
    void yuelan();
    bool Save();
    bool SaveAs();
    bool SaveIfNeeded();
    void New();
    void Open();
    // The caption handler: called whenever the document's file changes.
    void changeFileName(const QString& fileName, bool isNew);
    // "图形-文字-表格混合编辑" in the interface language.
    static QString editorCaption();

    // Font boxes, spacing, top margin, table, zoom.
    void cmbFontClick();
    void cmbFontSize1Click();
    void RichViewEdit1CurTextStyleChanged();
    void SpinEdit1Change(int value);
    void SpinEdit2Change(int value);
    void ToolButton64Click();
    void zoomPreview(int entry);

    bool isModified() const;
    void setModified(bool modified);

    RichDocument& richDocument() { return m_doc; }
    QTextEdit* textEdit() const { return m_edit; }
    PreviewPicture* previewPicture() const { return m_preview; }
    QComboBox* fontNameBox() const { return m_fontName; }
    QComboBox* fontSizeBox() const { return m_fontSize; }
    QSpinBox* lineSpacingBox() const { return m_lineSpacing; }
    QSpinBox* topMarginBox() const { return m_topMargin; }
    FindReplaceDialog* findReplaceDialog();
    QString documentPath() const { return m_documentPath; }
    QString bitmapPath() const { return m_bitmapPath; }
    int bitmapPending() const { return m_bitmapPending; }
    bool styleSyncBusy() const { return m_styleSyncBusy; }
    int previewWidth() const { return m_previewWidth; }
    int previewHeight() const { return m_previewHeight; }
    // The preview as shown, with its page lines.
    QImage previewImage() const;
    // The command with the object name `name`: the member name of the
    // command ("newFile", "saveFile", "bold", ...) or "zoom1" .. "zoom5" for
    // the preview's zoom entries. Captions are translated, names are not.
    QAction* findAction(const QString& name) const;

    // Formatting commands of the action set.
    void toggleBold(bool on);
    void toggleItalic(bool on);
    void toggleUnderline(bool on);
    void toggleStrike(bool on);
    void chooseTextColour();
    void chooseTextBackground();
    void chooseParagraphBackground();
    void chooseDocumentBackground();
    void chooseCellColour();
    void setAlignment(Qt::Alignment alignment);
    void changeIndent(int step);
    void toggleList(bool numbered);
    void insertPicture();
    bool insertImage(const QImage& image);
    void showFindReplace();

signals:
    void closeAttempted();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (documenteditor_ui.cpp).
    void buildCentralArea();
    void buildBoxes();
    void buildActions();
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    QAction* makeAction(const QString& name, const QString& text, const QIcon& icon,
                        const QKeySequence& shortcut = QKeySequence());
    void connectEditor();
    void updateTableActions();
    void updateFormatActions(const QTextCharFormat& format);
    void updateUndoActions();

    // Files (documenteditor.cpp).
    QString projectDirectory() const;
    ZoneRecord& zone();
    void reportStatus(const Status& status);
    bool loadByFilter(const QString& path, int filterIndex);
    void writeZoneBitmap(const QImage& image);
    void drawPageLines(QImage& image, int zoneHeight) const;
    void runSave();
    void runOpen();
    void runNew();

    // Formatting (documenteditor_format.cpp).
    void mergeFormat(const QTextCharFormat& format);
    void applyFontFamily(const QString& family);
    void applyFontSize(int points);

    ProjectState& m_state;
    RichDocument m_doc;
    std::unique_ptr<DialogPrompts> m_ownPrompts;
    EditorPrompts* m_prompts = nullptr;
    TF_TABLE_SIZE* m_tableDialog = nullptr;

    QString m_documentPath;
    QString m_bitmapPath;
    int m_bitmapPending = 0;
    bool m_styleSyncBusy = false;
    bool m_shownOnce = false;
    int m_previewWidth = 0;
    int m_previewHeight = 0;
    int m_previewScale = 3;

    QTextEdit* m_edit = nullptr;
    QSplitter* m_splitter = nullptr;
    PreviewPicture* m_preview = nullptr;
    QComboBox* m_fontName = nullptr;
    QComboBox* m_fontSize = nullptr;
    QSpinBox* m_lineSpacing = nullptr;
    QSpinBox* m_topMargin = nullptr;
    QLabel* m_panels[kEditorPanels] = {};
    FindReplaceDialog* m_findReplace = nullptr;

    struct Actions;
    std::unique_ptr<Actions> m_actions;
};

} // namespace dotsign
