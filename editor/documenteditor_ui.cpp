// Construction of the document editor window: the editing area, the preview,
// the command set with its menus and toolbars, and the status bar.

#include "editor/documenteditor.h"
#include "editor/documenteditor_actions.h"
#include "editor/documenttextedit.h"
#include "editor/editoricons.h"
#include "editor/previewpicture.h"
#include "editor/tableediting.h"
#include "editor/tablesizedialog.h"
#include "project/projectstate.h"
#include "render/fonts.h"
#include "render/richdocumentsafety.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace dotsign {

namespace {

const QStringList kFontSizes = {
    QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
    QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
    QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
    QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};

// Colours of the window around the zone's black page.
const QColor kDeskColour(58, 61, 66);
const QColor kPreviewDesk(30, 32, 36);

bool isEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// "行距" and "下移" change by their arrows only; typed keys are ignored.
bool isTypedKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<const QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return false;
    default:
        return true;
    }
}

QSpinBox* arrowSpinBox(int low, int high, int value, const QString& tip, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setToolTip(tip);
    if (auto* edit = box->findChild<QLineEdit*>())
        edit->setReadOnly(true);
    return box;
}

QLabel* panelLabel(QWidget* parent, int minimumWidth)
{
    auto* label = new QLabel(parent);
    label->setMinimumWidth(minimumWidth);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

} // namespace

TForm3::TForm3(ProjectState& state, TF_TABLE_SIZE* tableDialog, EditorPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_actions(std::make_unique<Actions>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(editorCaption());
    if (!prompts) {
        m_ownPrompts = std::make_unique<DialogPrompts>();
        prompts = m_ownPrompts.get();
    }
    m_prompts = prompts;
    m_tableDialog = tableDialog ? tableDialog : new TF_TABLE_SIZE(this);
    installLedFontSubstitutions();

    m_doc.document()->setUndoRedoEnabled(true);

    buildCentralArea();
    buildBoxes();
    buildActions();
    buildMenus();
    buildToolBars();
    buildStatusBar();
    connectEditor();

    const ZoneRecord& record = m_state.currentZoneRecord();
    setEditorWidth(record.zoneWidth + kEditorScrollBarWidth);
    setStatusText(EditorPanelZoneSize, tr("分区大小:%1*%2").arg(record.zoneWidth).arg(record.zoneHeight));
    resize(1100, 680);
    // The editing column needs little more than the zone; the preview gets the rest.
    const int editWidth = std::clamp(record.zoneWidth + kEditorScrollBarWidth + 120, 320, 700);
    m_splitter->setSizes({editWidth, std::max(300, width() - editWidth)});
}

void TForm3::buildCentralArea()
{
    auto* edit = new DocumentTextEdit(this);
    m_edit = edit;
    m_edit->setDocument(m_doc.document());
    applyDocumentDefaults(m_doc.document());
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setAcceptRichText(true);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, kDeskColour);
    palette.setColor(QPalette::Text, defaultTextColour());
    palette.setColor(QPalette::Highlight, QColor(70, 120, 200));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    m_edit->setPalette(palette);
    m_edit->setCursorWidth(2);
    connect(edit, &DocumentTextEdit::imageArrived, this, &TForm3::insertImage);

    m_preview = new PreviewPicture(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_preview);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setFrameShape(QFrame::NoFrame);
    QPalette desk = scroll->palette();
    desk.setColor(QPalette::Window, kPreviewDesk);
    scroll->setPalette(desk);
    scroll->setBackgroundRole(QPalette::Window);
    scroll->setAutoFillBackground(true);
    connect(m_preview, &PreviewPicture::zoomChosen, this, &TForm3::zoomPreview);

    auto* previewGroup = new QGroupBox(tr("分区放大阅览"), this);
    auto* previewLayout = new QVBoxLayout(previewGroup);
    previewLayout->setContentsMargins(4, 4, 4, 4);
    previewLayout->addWidget(scroll);

    auto* editGroup = new QGroupBox(tr("编辑区"), this);
    auto* editLayout = new QVBoxLayout(editGroup);
    editLayout->setContentsMargins(4, 4, 4, 4);
    editLayout->addWidget(m_edit);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(editGroup);
    splitter->addWidget(previewGroup);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);
    m_splitter = splitter;
}

void TForm3::buildBoxes()
{
    m_fontName = new QComboBox(this);
    m_fontName->setEditable(true);
    m_fontName->setInsertPolicy(QComboBox::NoInsert);
    m_fontName->setCompleter(nullptr);
    m_fontName->addItems(ledFontFamilies());
    m_fontName->setMinimumContentsLength(12);
    m_fontName->setToolTip(tr("字体"));

    m_fontSize = new QComboBox(this);
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    m_fontSize->setCompleter(nullptr);
    m_fontSize->addItems(kFontSizes);
    m_fontSize->setMinimumContentsLength(3);
    m_fontSize->setToolTip(tr("字号"));

    m_lineSpacing = arrowSpinBox(kMinLineSpacing, kMaxLineSpacing, 100, tr("行距（百分比）"), this);
    m_lineSpacing->setSuffix(QStringLiteral("%"));
    m_topMargin = arrowSpinBox(kMinTopMargin, kMaxTopMargin, 0, tr("下移：内容在每页中向下移动的点数"), this);

    for (QWidget* box : {static_cast<QWidget*>(m_fontName), static_cast<QWidget*>(m_fontName->lineEdit()),
                         static_cast<QWidget*>(m_fontSize), static_cast<QWidget*>(m_fontSize->lineEdit()),
                         static_cast<QWidget*>(m_lineSpacing), static_cast<QWidget*>(m_topMargin)})
        box->installEventFilter(this);
    connect(m_fontName, &QComboBox::activated, this, &TForm3::cmbFontClick);
    connect(m_fontName->lineEdit(), &QLineEdit::editingFinished, this, &TForm3::cmbFontClick);
    connect(m_fontSize, &QComboBox::activated, this, &TForm3::cmbFontSize1Click);
    connect(m_fontSize->lineEdit(), &QLineEdit::editingFinished, this, &TForm3::cmbFontSize1Click);
    connect(m_lineSpacing, &QSpinBox::valueChanged, this, &TForm3::SpinEdit1Change);
    connect(m_topMargin, &QSpinBox::valueChanged, this, &TForm3::SpinEdit2Change);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    const bool fontName = watched == m_fontName || watched == m_fontName->lineEdit();
    const bool fontSize = watched == m_fontSize || watched == m_fontSize->lineEdit();
    if ((fontName || fontSize) && isEnterKey(event)) {
        if (fontName)
            cmbFontClick();
        else
            cmbFontSize1Click();
        return true;
    }
    if ((watched == m_lineSpacing || watched == m_topMargin) && isTypedKey(event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

QAction* TForm3::makeAction(const QString& name, const QString& text, const QIcon& icon,
                            const QKeySequence& shortcut)
{
    auto* action = new QAction(icon, text, this);
    action->setObjectName(name);
    action->setToolTip(text);
    action->setStatusTip(text);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setToolTip(text + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) +
                           QStringLiteral(")"));
    }
    return action;
}

void TForm3::buildActions()
{
    Actions& a = *m_actions;
    a.newFile =
        makeAction(QStringLiteral("newFile"), tr("新建文件"), editorIcon(EditorIcon::New), QKeySequence::New);
    a.openFile = makeAction(QStringLiteral("openFile"), tr("打开文件"), editorIcon(EditorIcon::Open),
                            QKeySequence::Open);
    a.saveFile = makeAction(QStringLiteral("saveFile"), tr("保存文件"), editorIcon(EditorIcon::Save),
                            QKeySequence::Save);
    a.saveAs = makeAction(QStringLiteral("saveAs"), tr("另保存文件"), editorIcon(EditorIcon::SaveAs));
    a.exit = makeAction(QStringLiteral("exit"), tr("退出"), editorIcon(EditorIcon::Close));
    connect(a.newFile, &QAction::triggered, this, &TForm3::runNew);
    connect(a.openFile, &QAction::triggered, this, &TForm3::runOpen);
    connect(a.saveFile, &QAction::triggered, this, &TForm3::runSave);
    connect(a.saveAs, &QAction::triggered, this, [this] {
        SaveAs();
        yuelan();
    });
    connect(a.exit, &QAction::triggered, this, &TForm3::close);

    a.undo = makeAction(QStringLiteral("undo"), tr("撤销"), editorIcon(EditorIcon::Undo), QKeySequence::Undo);
    a.redo = makeAction(QStringLiteral("redo"), tr("重做"), editorIcon(EditorIcon::Redo), QKeySequence::Redo);
    a.cut = makeAction(QStringLiteral("cut"), tr("剪切"), editorIcon(EditorIcon::Cut), QKeySequence::Cut);
    a.copy = makeAction(QStringLiteral("copy"), tr("复制"), editorIcon(EditorIcon::Copy), QKeySequence::Copy);
    a.paste =
        makeAction(QStringLiteral("paste"), tr("粘贴"), editorIcon(EditorIcon::Paste), QKeySequence::Paste);
    a.selectAll = makeAction(QStringLiteral("selectAll"), tr("全选"), QIcon(), QKeySequence::SelectAll);
    a.find = makeAction(QStringLiteral("find"), tr("查找和替换"), editorIcon(EditorIcon::Replace),
                        QKeySequence::Find);
    connect(a.undo, &QAction::triggered, m_edit, &QTextEdit::undo);
    connect(a.redo, &QAction::triggered, m_edit, &QTextEdit::redo);
    connect(a.cut, &QAction::triggered, m_edit, &QTextEdit::cut);
    connect(a.copy, &QAction::triggered, m_edit, &QTextEdit::copy);
    connect(a.paste, &QAction::triggered, m_edit, &QTextEdit::paste);
    connect(a.selectAll, &QAction::triggered, m_edit, &QTextEdit::selectAll);
    connect(a.find, &QAction::triggered, this, &TForm3::showFindReplace);

    a.bold = makeAction(QStringLiteral("bold"), tr("粗体"), editorIcon(EditorIcon::Bold), QKeySequence::Bold);
    a.italic = makeAction(QStringLiteral("italic"), tr("斜体"), editorIcon(EditorIcon::Italic),
                          QKeySequence::Italic);
    a.underline = makeAction(QStringLiteral("underline"), tr("下划线"), editorIcon(EditorIcon::Underline),
                             QKeySequence::Underline);
    a.strike = makeAction(QStringLiteral("strike"), tr("删除线"), editorIcon(EditorIcon::Strike));
    for (QAction* toggle : {a.bold, a.italic, a.underline, a.strike})
        toggle->setCheckable(true);
    connect(a.bold, &QAction::triggered, this, &TForm3::toggleBold);
    connect(a.italic, &QAction::triggered, this, &TForm3::toggleItalic);
    connect(a.underline, &QAction::triggered, this, &TForm3::toggleUnderline);
    connect(a.strike, &QAction::triggered, this, &TForm3::toggleStrike);

    a.textColour = makeAction(QStringLiteral("textColour"), tr("文字颜色"),
                              editorIcon(EditorIcon::TextColour, defaultTextColour()));
    a.textBackground = makeAction(QStringLiteral("textBackground"), tr("文字背景色"),
                                  editorIcon(EditorIcon::TextBackground, Qt::black));
    a.paragraphBackground = makeAction(QStringLiteral("paragraphBackground"), tr("段落背景色"),
                                       editorIcon(EditorIcon::ParagraphBackground, Qt::black));
    a.documentBackground = makeAction(QStringLiteral("documentBackground"), tr("文档背景色"),
                                      editorIcon(EditorIcon::DocumentBackground, Qt::black));
    connect(a.textColour, &QAction::triggered, this, &TForm3::chooseTextColour);
    connect(a.textBackground, &QAction::triggered, this, &TForm3::chooseTextBackground);
    connect(a.paragraphBackground, &QAction::triggered, this, &TForm3::chooseParagraphBackground);
    connect(a.documentBackground, &QAction::triggered, this, &TForm3::chooseDocumentBackground);

    a.alignLeft = makeAction(QStringLiteral("alignLeft"), tr("左对齐"), editorIcon(EditorIcon::AlignLeft));
    a.alignCenter =
        makeAction(QStringLiteral("alignCenter"), tr("居中"), editorIcon(EditorIcon::AlignCenter));
    a.alignRight = makeAction(QStringLiteral("alignRight"), tr("右对齐"), editorIcon(EditorIcon::AlignRight));
    a.alignJustify =
        makeAction(QStringLiteral("alignJustify"), tr("两端对齐"), editorIcon(EditorIcon::AlignJustify));
    auto* alignGroup = new QActionGroup(this);
    for (QAction* align : {a.alignLeft, a.alignCenter, a.alignRight, a.alignJustify}) {
        align->setCheckable(true);
        alignGroup->addAction(align);
    }
    a.alignLeft->setChecked(true);
    connect(a.alignLeft, &QAction::triggered, this,
            [this] { setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); });
    connect(a.alignCenter, &QAction::triggered, this, [this] { setAlignment(Qt::AlignHCenter); });
    connect(a.alignRight, &QAction::triggered, this,
            [this] { setAlignment(Qt::AlignRight | Qt::AlignAbsolute); });
    connect(a.alignJustify, &QAction::triggered, this, [this] { setAlignment(Qt::AlignJustify); });

    a.indentMore =
        makeAction(QStringLiteral("indentMore"), tr("增加缩进"), editorIcon(EditorIcon::IndentMore));
    a.indentLess =
        makeAction(QStringLiteral("indentLess"), tr("减少缩进"), editorIcon(EditorIcon::IndentLess));
    a.bullets = makeAction(QStringLiteral("bullets"), tr("项目符号"), editorIcon(EditorIcon::Bullets));
    a.numbering = makeAction(QStringLiteral("numbering"), tr("编号"), editorIcon(EditorIcon::Numbering));
    connect(a.indentMore, &QAction::triggered, this, [this] { changeIndent(1); });
    connect(a.indentLess, &QAction::triggered, this, [this] { changeIndent(-1); });
    connect(a.bullets, &QAction::triggered, this, [this] { toggleList(false); });
    connect(a.numbering, &QAction::triggered, this, [this] { toggleList(true); });

    a.picture = makeAction(QStringLiteral("picture"), tr("插入图片"), editorIcon(EditorIcon::Picture));
    a.table = makeAction(QStringLiteral("table"), tr("插入表格"), editorIcon(EditorIcon::Table));
    connect(a.picture, &QAction::triggered, this, &TForm3::insertPicture);
    connect(a.table, &QAction::triggered, this, &TForm3::ToolButton64Click);

    a.rowAbove = makeAction(QStringLiteral("rowAbove"), tr("在上方插入行"), editorIcon(EditorIcon::RowAbove));
    a.rowBelow = makeAction(QStringLiteral("rowBelow"), tr("在下方插入行"), editorIcon(EditorIcon::RowBelow));
    a.columnLeft =
        makeAction(QStringLiteral("columnLeft"), tr("在左侧插入列"), editorIcon(EditorIcon::ColumnLeft));
    a.columnRight =
        makeAction(QStringLiteral("columnRight"), tr("在右侧插入列"), editorIcon(EditorIcon::ColumnRight));
    a.deleteRow = makeAction(QStringLiteral("deleteRow"), tr("删除行"), editorIcon(EditorIcon::DeleteRow));
    a.deleteColumn =
        makeAction(QStringLiteral("deleteColumn"), tr("删除列"), editorIcon(EditorIcon::DeleteColumn));
    a.mergeCells =
        makeAction(QStringLiteral("mergeCells"), tr("合并单元格"), editorIcon(EditorIcon::MergeCells));
    a.splitCell =
        makeAction(QStringLiteral("splitCell"), tr("拆分单元格"), editorIcon(EditorIcon::SplitCell));
    a.cellColour = makeAction(QStringLiteral("cellColour"), tr("单元格颜色"),
                              editorIcon(EditorIcon::CellColour, Qt::black));
    a.borderColour =
        makeAction(QStringLiteral("borderColour"), tr("表格边框颜色"), editorIcon(EditorIcon::Table));
    auto onTable = [this](auto command) {
        return [this, command] {
            command(m_edit->textCursor());
            updateTableActions();
        };
    };
    connect(a.rowAbove, &QAction::triggered, this,
            onTable([](const QTextCursor& c) { insertTableRow(c, false); }));
    connect(a.rowBelow, &QAction::triggered, this,
            onTable([](const QTextCursor& c) { insertTableRow(c, true); }));
    connect(a.columnLeft, &QAction::triggered, this,
            onTable([](const QTextCursor& c) { insertTableColumn(c, false); }));
    connect(a.columnRight, &QAction::triggered, this,
            onTable([](const QTextCursor& c) { insertTableColumn(c, true); }));
    connect(a.deleteRow, &QAction::triggered, this,
            onTable([](const QTextCursor& c) { removeTableRows(c); }));
    connect(a.deleteColumn, &QAction::triggered, this,
            onTable([](const QTextCursor& c) { removeTableColumns(c); }));
    connect(a.mergeCells, &QAction::triggered, this,
            onTable([](const QTextCursor& c) { mergeTableCells(c); }));
    connect(a.splitCell, &QAction::triggered, this, onTable([](const QTextCursor& c) { splitTableCell(c); }));
    connect(a.cellColour, &QAction::triggered, this, &TForm3::chooseCellColour);
    connect(a.borderColour, &QAction::triggered, this, [this] {
        const std::optional<QColor> colour =
            m_prompts->chooseColour(this, QColor(255, 0, 0), tr("表格边框颜色"));
        if (colour)
            setTableBorderColour(m_edit->textCursor(), *colour);
    });

    a.preview = makeAction(QStringLiteral("preview"), tr("阅览编辑"), editorIcon(EditorIcon::Preview),
                           QKeySequence(Qt::Key_F5));
    a.close = makeAction(QStringLiteral("close"), tr("关闭编辑"), editorIcon(EditorIcon::Close));
    connect(a.preview, &QAction::triggered, this, &TForm3::yuelan);
    connect(a.close, &QAction::triggered, this, &TForm3::close);
}

void TForm3::buildMenus()
{
    const Actions& a = *m_actions;
    QMenu* file = menuBar()->addMenu(tr("文件"));
    file->addActions({a.newFile, a.openFile, a.saveFile, a.saveAs});
    file->addSeparator();
    file->addAction(a.exit);

    QMenu* edit = menuBar()->addMenu(tr("编辑"));
    edit->addActions({a.undo, a.redo});
    edit->addSeparator();
    edit->addActions({a.cut, a.copy, a.paste, a.selectAll});
    edit->addSeparator();
    edit->addAction(a.find);

    QMenu* insert = menuBar()->addMenu(tr("插入"));
    insert->addActions({a.picture, a.table});

    QMenu* format = menuBar()->addMenu(tr("格式"));
    format->addActions({a.bold, a.italic, a.underline, a.strike});
    format->addSeparator();
    format->addActions({a.textColour, a.textBackground, a.paragraphBackground, a.documentBackground});
    format->addSeparator();
    format->addActions({a.alignLeft, a.alignCenter, a.alignRight, a.alignJustify});
    format->addSeparator();
    format->addActions({a.indentMore, a.indentLess, a.bullets, a.numbering});

    QMenu* table = menuBar()->addMenu(tr("表格"));
    table->addAction(a.table);
    table->addSeparator();
    table->addActions({a.rowAbove, a.rowBelow, a.columnLeft, a.columnRight});
    table->addSeparator();
    table->addActions({a.deleteRow, a.deleteColumn});
    table->addSeparator();
    table->addActions({a.mergeCells, a.splitCell});
    table->addSeparator();
    table->addActions({a.cellColour, a.borderColour});

    QMenu* view = menuBar()->addMenu(tr("阅览"));
    view->addAction(a.preview);
    view->addMenu(m_preview->zoomMenu())->setText(tr("放大阅览"));
    view->addSeparator();
    view->addAction(a.close);
}

void TForm3::buildToolBars()
{
    const Actions& a = *m_actions;
    QToolBar* main = addToolBar(tr("常用"));
    main->setObjectName(QStringLiteral("mainToolBar"));
    main->addActions({a.newFile, a.openFile, a.saveFile});
    main->addSeparator();
    main->addActions({a.undo, a.redo});
    main->addSeparator();
    main->addActions({a.cut, a.copy, a.paste, a.find});
    main->addSeparator();
    main->addActions({a.picture, a.table});
    main->addSeparator();
    main->addActions({a.rowAbove, a.rowBelow, a.columnLeft, a.columnRight, a.deleteRow, a.deleteColumn,
                      a.mergeCells, a.splitCell, a.cellColour});
    main->addSeparator();
    main->addAction(a.documentBackground);
    auto* spacer = new QWidget(main);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    main->addWidget(spacer);
    auto* commands = addToolBar(tr("阅览"));
    commands->setObjectName(QStringLiteral("previewToolBar"));
    commands->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    commands->addActions({a.preview, a.close});

    addToolBarBreak();
    QToolBar* format = addToolBar(tr("格式"));
    format->setObjectName(QStringLiteral("formatToolBar"));
    format->addWidget(m_fontName);
    format->addWidget(m_fontSize);
    format->addSeparator();
    format->addActions({a.bold, a.italic, a.underline, a.strike});
    format->addSeparator();
    format->addActions({a.textColour, a.textBackground, a.paragraphBackground});
    format->addSeparator();
    format->addActions({a.alignLeft, a.alignCenter, a.alignRight, a.alignJustify});
    format->addSeparator();
    format->addActions({a.indentMore, a.indentLess, a.bullets, a.numbering});
    format->addSeparator();
    format->addWidget(new QLabel(tr(" 行距 "), format));
    format->addWidget(m_lineSpacing);
    format->addWidget(new QLabel(tr(" 下移 "), format));
    format->addWidget(m_topMargin);

    for (QToolBar* bar : {main, commands, format}) {
        bar->setIconSize(QSize(20, 20));
        bar->setMovable(false);
    }
}

void TForm3::buildStatusBar()
{
    m_panels[EditorPanelZoneSize] = panelLabel(this, 150);
    m_panels[EditorPanelInfo] = panelLabel(this, 180);
    m_panels[EditorPanelPath] = panelLabel(this, 200);
    statusBar()->addWidget(m_panels[EditorPanelZoneSize]);
    statusBar()->addWidget(m_panels[EditorPanelInfo]);
    statusBar()->addWidget(m_panels[EditorPanelPath], 1);
}

void TForm3::connectEditor()
{
    const Actions& a = *m_actions;
    QTextDocument* doc = m_doc.document();
    connect(m_edit, &QTextEdit::currentCharFormatChanged, this, &TForm3::RichViewEdit1CurTextStyleChanged);
    connect(m_edit, &QTextEdit::cursorPositionChanged, this, &TForm3::RichViewEdit1CurTextStyleChanged);
    connect(m_edit, &QTextEdit::cursorPositionChanged, this, &TForm3::updateTableActions);
    connect(m_edit, &QTextEdit::selectionChanged, this, &TForm3::updateTableActions);
    connect(m_edit, &QTextEdit::copyAvailable, a.cut, &QAction::setEnabled);
    connect(m_edit, &QTextEdit::copyAvailable, a.copy, &QAction::setEnabled);
    connect(doc, &QTextDocument::undoAvailable, a.undo, &QAction::setEnabled);
    connect(doc, &QTextDocument::redoAvailable, a.redo, &QAction::setEnabled);
    a.cut->setEnabled(false);
    a.copy->setEnabled(false);
    updateUndoActions();
    updateTableActions();
}

void TForm3::updateUndoActions()
{
    m_actions->undo->setEnabled(m_doc.document()->isUndoAvailable());
    m_actions->redo->setEnabled(m_doc.document()->isRedoAvailable());
}

void TForm3::updateTableActions()
{
    const QTextCursor cursor = m_edit->textCursor();
    const bool inTable = cursor.currentTable() != nullptr;
    for (QAction* action : m_actions->tableCommands())
        action->setEnabled(inTable);
    m_actions->mergeCells->setEnabled(inTable && cursor.hasComplexSelection());
}

void TForm3::updateFormatActions(const QTextCharFormat& format)
{
    const Actions& a = *m_actions;
    a.bold->setChecked(format.fontWeight() >= QFont::Bold);
    a.italic->setChecked(format.fontItalic());
    a.underline->setChecked(format.fontUnderline());
    a.strike->setChecked(format.fontStrikeOut());
    const Qt::Alignment alignment = m_edit->alignment();
    if (alignment & Qt::AlignHCenter)
        a.alignCenter->setChecked(true);
    else if (alignment & Qt::AlignRight)
        a.alignRight->setChecked(true);
    else if (alignment & Qt::AlignJustify)
        a.alignJustify->setChecked(true);
    else
        a.alignLeft->setChecked(true);
    updateUndoActions();
}

QAction* TForm3::findAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

} // namespace dotsign
