#include "app/mainwindow.h"

#include "app/devicecontext.h"

#include "app/apptitle.h"
#include "app/clockpanel.h"
#include "app/coordinategroup.h"
#include "app/dialogs.h"
#include "app/icons.h"
#include "app/layoutview.h"
#include "app/pixelimage.h"
#include "app/playbackgroup.h"
#include "app/programpage.h"
#include "app/programrules.h"
#include "app/templatedialog.h"
#include "app/textpanel.h"
#include "link/portsettings.h"
#include "project/projectfile.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dotsign {

TMAINForm::TMAINForm(ProjectState& state, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("TMAINForm"));
    setWindowTitle(applicationTitle());
    createRegions();
    createActions();
    createMenus();
    createToolBar();
    createTreePopup();
    createStatusBar();
    m_templateDialog = new TemplateDialog(m_state, this);
    FormCreate();
    resize(1016, 703);
}

TMAINForm::~TMAINForm() = default;

void TMAINForm::FormCreate()
{
    DigitStrings.clear();
    for (int i = 0; i < 10; ++i)
        DigitStrings << QStringLiteral("0%1").arg(i);
    WeekdayNames = {tr("星期日"), tr("星期一"), tr("星期二"), tr("星期三"),
                    tr("星期四"), tr("星期五"), tr("星期六")};
    m_state.memoChangeArmed = 0;
    m_state.clockChangeGuard = 0;
    GeometryLoading = false;
    LayoutOrigin = QPoint(30, 30);
    PlayModeLoading = true;
    HardwareSettings& hw = m_state.hw;
    hw.powerOnHour = 7;
    hw.powerOnMinute = 0;
    hw.powerOffHour = 7;
    hw.powerOffMinute = 0;
    hw.dayBrightnessHour = 7;
    hw.dayBrightnessMinute = 0;
    hw.nightBrightnessHour = 20;
    hw.nightBrightnessMinute = 0;
    hw.dayBrightness = 10;
    hw.nightBrightness = 10;

    m_tree->clear();
    auto* root = new QTreeWidgetItem(m_tree, {screenLabel(0)});
    root->setData(0, kNodeNumberRole, 0);
    setNodeImage(root, ImageScreen);
    m_state.currentScreen = 0;
    m_pages->setCurrentWidget(m_zonePage);
}

void TMAINForm::createRegions()
{
    auto* left = new QDockWidget(tr("节目管理"), this);
    left->setObjectName(QStringLiteral("leftDock"));
    left->setFeatures(QDockWidget::DockWidgetMovable);
    left->setWidget(createLeftDock());
    addDockWidget(Qt::LeftDockWidgetArea, left);

    auto* centre = new QSplitter(Qt::Vertical, this);
    centre->addWidget(createLayoutArea());
    centre->addWidget(createPreviewArea());
    centre->setStretchFactor(0, 2);
    centre->setStretchFactor(1, 3);
    setCentralWidget(centre);
    createPropertyDock();
}

QWidget* TMAINForm::createLeftDock()
{
    auto* box = new QWidget(this);
    m_tree = new QTreeWidget(box);
    m_tree->setObjectName(QStringLiteral("OBJECT_TREE"));
    m_tree->setHeaderHidden(true);
    m_tree->setToolTip(tr("单击选择对应项目"));
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setIconSize(QSize(18, 18));
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::itemPressed, this, [this] { OBJECT_TREEMouseDown(m_tree); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] { OBJECT_TREEDblClick(); });

    auto* types = new QGroupBox(box);
    types->setObjectName(QStringLiteral("RadioGroup1"));
    auto* row = new QHBoxLayout(types);
    m_zoneTypeGroup = new QButtonGroup(types);
    const QString captions[3] = {tr("文本"), tr("时钟"), tr("图文")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(captions[i], types);
        m_zoneTypeGroup->addButton(b, i);
        row->addWidget(b);
    }
    connect(m_zoneTypeGroup, &QButtonGroup::idClicked, this, &TMAINForm::RadioGroup1Click);

    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(m_tree, 1);
    v->addWidget(types);
    box->setMinimumWidth(180);
    return box;
}

QWidget* TMAINForm::createLayoutArea()
{
    auto* area = new QWidget(this);
    auto* title = new QLabel(tr("显示屏整体阅览"), area);
    title->setObjectName(QStringLiteral("areaTitle"));
    auto* scroll = new QScrollArea(area);
    scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_layoutScroll = scroll;
    m_layoutArea = new QWidget;
    m_layoutArea->setAutoFillBackground(true);
    QPalette pal = m_layoutArea->palette();
    pal.setColor(QPalette::Window, QColor(0x3c, 0x3f, 0x44));
    m_layoutArea->setPalette(pal);
    for (int t = 1; t <= 4; ++t) {
        auto* view = new LayoutView(t, m_layoutArea);
        m_views[static_cast<size_t>(t - 1)] = view;
        connect(view, &LayoutView::zoneImagePressed, this, &TMAINForm::zoneImagePressed);
        connect(view, &LayoutView::splitterReleased, this,
                [this, t](int index, int size) { splitterReleased(t, index, size); });
        connect(view, &LayoutView::dragReleased, this, [this](QPoint p) { LayoutOrigin = p; });
    }
    scroll->setWidget(m_layoutArea);
    scroll->setWidgetResizable(true);
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(title);
    v->addWidget(scroll, 1);
    return area;
}

QWidget* TMAINForm::createPreviewArea()
{
    auto* area = new QWidget(this);
    auto* title = new QLabel(tr("分区放大阅览（右键可放大）"), area);
    title->setObjectName(QStringLiteral("areaTitle"));
    m_previewScroll = new QScrollArea(area);
    m_previewScroll->setObjectName(QStringLiteral("ScrollBox2"));
    auto* canvas = new QWidget;
    canvas->setAutoFillBackground(true);
    QPalette pal = canvas->palette();
    pal.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x31));
    canvas->setPalette(pal);
    m_image1 = new PixelImage(canvas);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image100 = new PixelImage(canvas);
    m_image100->setObjectName(QStringLiteral("Image100"));
    m_image100->hide();
    auto* v = new QVBoxLayout(canvas);
    v->setContentsMargins(8, 8, 8, 8);
    v->addWidget(m_image1, 0, Qt::AlignLeft | Qt::AlignTop);
    v->addWidget(m_image100, 0, Qt::AlignLeft | Qt::AlignTop);
    v->addStretch();
    m_previewScroll->setWidget(canvas);
    m_previewScroll->setWidgetResizable(true);
    for (PixelImage* image : {m_image1, m_image100})
        image->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(title);
    layout->addWidget(m_previewScroll, 1);
    return area;
}

void TMAINForm::createPropertyDock()
{
    m_propertyDock = new QDockWidget(tr("属性编辑窗体"), this);
    m_propertyDock->setObjectName(QStringLiteral("propertyDock"));
    m_propertyDock->setFeatures(QDockWidget::DockWidgetMovable);
    m_propertyDock->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);

    m_pages = new QStackedWidget(m_propertyDock);
    m_zonePage = new QWidget(m_pages);
    m_zonePage->setObjectName(QStringLiteral("Panel1"));
    m_editors = new QStackedWidget(m_zonePage);
    m_textPanel = new TextPanel(m_state, m_editors);
    m_clockPanel = new ClockPanel(m_state, m_editors);
    m_docPanel = new QWidget(m_editors);
    m_docPanel->setObjectName(QStringLiteral("Panel11"));
    auto* enter = new QPushButton(tr("进入编辑"), m_docPanel);
    enter->setObjectName(QStringLiteral("BitBtn1"));
    enter->setToolTip(tr("打开图文编辑器编辑本分区"));
    connect(enter, &QPushButton::clicked, this, &TMAINForm::BitBtn1Click);
    auto* docLayout = new QVBoxLayout(m_docPanel);
    docLayout->addWidget(new QLabel(tr("图文分区的内容在图文编辑器中编辑。"), m_docPanel));
    docLayout->addWidget(enter, 0, Qt::AlignLeft);
    docLayout->addStretch();
    m_editors->addWidget(m_textPanel);
    m_editors->addWidget(m_clockPanel);
    m_editors->addWidget(m_docPanel);

    m_playback = new PlaybackGroup(m_state, m_zonePage);
    m_coordinates = new CoordinateGroup(m_zonePage);
    auto* right = new QVBoxLayout;
    right->addWidget(m_playback);
    right->addWidget(m_coordinates);
    right->addStretch();
    auto* zoneLayout = new QHBoxLayout(m_zonePage);
    zoneLayout->setContentsMargins(4, 4, 4, 4);
    zoneLayout->addWidget(m_editors, 1);
    zoneLayout->addLayout(right);

    m_programPage = new ProgramPage(m_state, m_pages);
    m_pages->addWidget(m_zonePage);
    m_pages->addWidget(m_programPage);
    m_propertyDock->setWidget(m_pages);
    addDockWidget(Qt::BottomDockWidgetArea, m_propertyDock);

    connect(m_textPanel, &TextPanel::renderRequested, this, &TMAINForm::textChanged);
    connect(m_textPanel, &TextPanel::openRequested, this, &TMAINForm::openTextFile);
    connect(m_clockPanel, &ClockPanel::drawn, this, &TMAINForm::clockDrawn);
    connect(m_playback, &PlaybackGroup::stayStored, this, &TMAINForm::stayChanged);
    connect(m_coordinates, &CoordinateGroup::fieldChanged, this, &TMAINForm::geometryFieldChanged);
}

void TMAINForm::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < kStatusPanels; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        label->setContentsMargins(6, 0, 6, 0);
        m_statusLabels[static_cast<size_t>(i)] = label;
        if (i == PanelPort) {
            // The port drop-down sits over panel 4.
            m_portBox = new QComboBox(bar);
            m_portBox->setObjectName(QStringLiteral("Combo1"));
            m_portBox->setToolTip(tr("串口"));
            m_portBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            bar->addWidget(m_portBox);
            label->hide();
            continue;
        }
        bar->addWidget(label, i == PanelZoneFile ? 1 : 0);
    }
    m_addressBox = new QComboBox(bar);
    m_addressBox->setObjectName(QStringLiteral("addressList"));
    for (int a = 1; a <= 128; ++a)
        m_addressBox->addItem(QString::number(a));
    m_addressBox->setCurrentIndex(0);
    m_addressBox->hide();
    connect(m_portBox, &QComboBox::activated, this, [this] {
        QStringList ports;
        for (int i = 0; i < m_portBox->count(); ++i)
            ports << m_portBox->itemText(i);
        const Status st = Combo1Change(m_state, ports, m_portBox->currentText());
        if (!st)
            m_dialogs.error(this, st.caption, st.message);
        refreshStatusBar();
    });
    m_state.statusPanels[PanelScreenSize] = tr("显示屏大小:");
    refreshStatusBar();
}

void TMAINForm::refreshStatusBar()
{
    for (int i = 0; i < kStatusPanels; ++i) {
        QLabel* label = m_statusLabels[static_cast<size_t>(i)];
        const QString& text = m_state.statusPanels[static_cast<size_t>(i)];
        label->setText(text);
        if (i != PanelPort)
            label->setVisible(!text.isEmpty());
    }
    QStringList ports = portNamesWithVirtualSign();
    const QString current = m_state.cur().serialPort;
    if (!current.isEmpty() && !ports.contains(current))
        ports.prepend(current);
    if (m_portBox->count() != ports.size() || m_portBox->currentText() != current) {
        m_portBox->clear();
        m_portBox->addItems(ports);
        m_portBox->setCurrentText(current);
    }
}

void TMAINForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMAINForm::loadProjectAtStart()
{
    QStringList warnings;
    const Status st = LoadProject(m_state, m_state.projectFilePath, &warnings);
    if (!st)
        m_dialogs.error(this, st.caption, st.message);
    for (const QString& w : std::as_const(warnings))
        m_dialogs.information(this, w);
}

void TMAINForm::FormShow()
{
    if (m_firstShow) {
        m_firstShow = false;
        m_state.memoChangeArmed = 0;
        hideLayoutViews();
        PlayModeLoading = false;
        moveViewsToOrigin();
        loadProjectAtStart();
        m_tree->setCurrentItem(rootNode());
        buildTree();
        sizeLayoutView();
    }
    move(0, 0);
    Loadtoscreen(1);
    m_state.memoChangeArmed = 200;
    if (m_state.cur().programCount >= 1) {
        find_fenqu(1);
        OBJECT_TREEMouseDown(this);
    }
}

void TMAINForm::closeEvent(QCloseEvent* event)
{
    if (!m_dialogs.question(this, tr("请确定是否退出该系统?\r\n退出按'Yes',不退出按'NO'."))) {
        event->ignore();
        return;
    }
    if (m_state.modifiedFlag > 0 &&
        m_dialogs.question(this, tr("请确定是否保存信息?\r\n保存按'Yes',不保存按'NO'."))) {
        m_state.clockChangeGuard = 200;
        const bool saved = saveProject(false);
        m_state.memoChangeArmed = 200;
        m_state.clockChangeGuard = 0;
        if (!saved) {
            event->ignore(); // the operator has seen why; the edits are still here
            return;
        }
    }
    event->accept();
}

bool TMAINForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyRelease) {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (!ke->isAutoRepeat())
            OBJECT_TREEMouseDown(m_tree);
    }
    return QMainWindow::eventFilter(watched, event);
}

LayoutView* TMAINForm::layoutView(int layoutTemplate) const
{
    return layoutTemplate >= 1 && layoutTemplate <= 4 ? m_views[static_cast<size_t>(layoutTemplate - 1)]
                                                      : nullptr;
}

} // namespace dotsign
