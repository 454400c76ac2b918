// The command table: menu bar, toolbar and the popup menus.

#include "app/aboutdialog.h"
#include "app/dialogs.h"
#include "app/icons.h"
#include "app/mainwindow.h"
#include "project/projectfile.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeWidget>

#include "app/pixelimage.h"

namespace dotsign {

QAction* TMAINForm::makeAction(const QString& name, const QString& caption, const QString& hint, int icon)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    if (!hint.isEmpty()) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    }
    if (icon >= 0)
        a->setIcon(commandIcon(static_cast<CommandIcon>(icon)));
    return a;
}

// Commands whose work arrives with a later release are shown but disabled.
// The command's own hint waits on the action until its work arrives.
constexpr char kOwnHint[] = "ownHint";

void TMAINForm::laterRelease(QAction* a)
{
    a->setEnabled(false);
    a->setProperty(kOwnHint, a->toolTip());
    const QString later = tr("此功能将在后续版本中提供");
    a->setToolTip(a->toolTip().isEmpty() ? later : tr("%1（%2）").arg(a->toolTip(), later));
    a->setStatusTip(a->toolTip());
}

void TMAINForm::releaseCommand(QAction* a)
{
    a->setEnabled(true);
    const QVariant own = a->property(kOwnHint);
    QString hint = own.isValid() ? own.toString() : a->toolTip();
    if (hint == a->text())
        hint.clear(); // a hint that only repeats the caption is none
    a->setToolTip(hint.isEmpty() ? a->text() : hint);
    a->setStatusTip(hint);
}

QAction* TMAINForm::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void TMAINForm::createActions()
{
    struct Row
    {
        const char* name;
        const char* caption;
        const char* hint;
        CommandIcon icon;
        const char* shortcut;
    };
    const Row rows[] = {
        // Menu bar.
        {"N_New", QT_TRANSLATE_NOOP("MainWindowCommands", "新建"), "", CommandIcon::New, "Ctrl+N"},
        {"N_Open", QT_TRANSLATE_NOOP("MainWindowCommands", "打开"), "", CommandIcon::Open, "Ctrl+O"},
        {"N_Save", QT_TRANSLATE_NOOP("MainWindowCommands", "保存"), "", CommandIcon::Save, "Ctrl+S"},
        {"N_SaveAs", QT_TRANSLATE_NOOP("MainWindowCommands", "另存为"), "", CommandIcon::SaveAs, ""},
        {"N_Exit", QT_TRANSLATE_NOOP("MainWindowCommands", "退出"), "", CommandIcon::Exit, ""},
        {"N_AddProgram", QT_TRANSLATE_NOOP("MainWindowCommands", "添加节目"), "", CommandIcon::Add, "Ctrl+X"},
        {"N_DeleteProgram", QT_TRANSLATE_NOOP("MainWindowCommands", "删除节目"), "", CommandIcon::Delete, ""},
        {"N_Hardware", QT_TRANSLATE_NOOP("MainWindowCommands", "硬件配置"), "", CommandIcon::Hardware, ""},
        {"N_Brightness", QT_TRANSLATE_NOOP("MainWindowCommands", "亮度设置"), "", CommandIcon::Brightness,
         ""},
        {"N_Timer", QT_TRANSLATE_NOOP("MainWindowCommands", "定时开关机设置"), "", CommandIcon::Timer, ""},
        {"N_Send", QT_TRANSLATE_NOOP("MainWindowCommands", "发送节目"), "", CommandIcon::Send, ""},
        {"N_Calibrate", QT_TRANSLATE_NOOP("MainWindowCommands", "校准时间"), "", CommandIcon::Clock, ""},
        {"N_PowerOn", QT_TRANSLATE_NOOP("MainWindowCommands", "强制开机"), "", CommandIcon::PowerOn, ""},
        {"N_PowerOff", QT_TRANSLATE_NOOP("MainWindowCommands", "强制关机"), "", CommandIcon::PowerOff, ""},
        {"N_Pause", QT_TRANSLATE_NOOP("MainWindowCommands", "暂停显示"), "", CommandIcon::Pause, ""},
        {"N_Resume", QT_TRANSLATE_NOOP("MainWindowCommands", "继续显示"), "", CommandIcon::Resume, ""},
        {"N_Help", QT_TRANSLATE_NOOP("MainWindowCommands", "帮助"), "", CommandIcon::Find, ""},
        {"N_About", QT_TRANSLATE_NOOP("MainWindowCommands", "简介"), "", CommandIcon::Find, ""},
        // Toolbar.
        {"T_New", QT_TRANSLATE_NOOP("MainWindowCommands", "新建"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "新建一个显示工程"), CommandIcon::New, ""},
        {"T_Open", QT_TRANSLATE_NOOP("MainWindowCommands", "打开"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "打开一个显示工程"), CommandIcon::Open, ""},
        {"T_Save", QT_TRANSLATE_NOOP("MainWindowCommands", "保存"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "保存一个显示工程"), CommandIcon::Save, ""},
        {"T_SaveAs", QT_TRANSLATE_NOOP("MainWindowCommands", "另存为"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "另存为一个显示工程"), CommandIcon::SaveAs, ""},
        {"T_Add", QT_TRANSLATE_NOOP("MainWindowCommands", "添加"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "添加一个节目"), CommandIcon::Add, ""},
        {"T_Delete", QT_TRANSLATE_NOOP("MainWindowCommands", "删除"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "删除当前选择的节目"), CommandIcon::Delete, ""},
        {"T_Hardware", QT_TRANSLATE_NOOP("MainWindowCommands", "硬件配置"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "显示屏硬件设置"), CommandIcon::Hardware, ""},
        {"T_Border", QT_TRANSLATE_NOOP("MainWindowCommands", "流水边框"), "", CommandIcon::Border, ""},
        {"T_Brightness", QT_TRANSLATE_NOOP("MainWindowCommands", "调亮度"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "显示屏亮度设置"), CommandIcon::Brightness, ""},
        {"T_Timer", QT_TRANSLATE_NOOP("MainWindowCommands", "定时关机"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "显示屏定时开关机时间设置"), CommandIcon::Timer, ""},
        {"T_Send", QT_TRANSLATE_NOOP("MainWindowCommands", "发送"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "发送工程内的节目信息"), CommandIcon::Send, ""},
        {"T_Usb", QT_TRANSLATE_NOOP("MainWindowCommands", "保存到U盘"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "通过U盘把数据导入显示屏"), CommandIcon::Usb, ""},
        {"T_Calibrate", QT_TRANSLATE_NOOP("MainWindowCommands", "校时"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "校准显示屏时间"), CommandIcon::Clock, ""},
        {"T_PowerOn", QT_TRANSLATE_NOOP("MainWindowCommands", "开机"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "强制开启显示屏"), CommandIcon::PowerOn, ""},
        {"T_PowerOff", QT_TRANSLATE_NOOP("MainWindowCommands", "关机"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "强制关闭显示屏"), CommandIcon::PowerOff, ""},
        {"T_Pause", QT_TRANSLATE_NOOP("MainWindowCommands", "暂停显示"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "暂停显示屏信息显示"), CommandIcon::Pause, ""},
        {"T_Resume", QT_TRANSLATE_NOOP("MainWindowCommands", "继续显示"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "继续暂停显示屏信息显示"), CommandIcon::Resume, ""},
        {"T_Find", QT_TRANSLATE_NOOP("MainWindowCommands", "查找显示屏"), "", CommandIcon::Find, ""},
        {"T_Exit", QT_TRANSLATE_NOOP("MainWindowCommands", "退出"),
         QT_TRANSLATE_NOOP("MainWindowCommands", "退出软件系统"), CommandIcon::Exit, ""},
    };
    for (const Row& r : rows) {
        QAction* a =
            makeAction(QLatin1String(r.name), QCoreApplication::translate("MainWindowCommands", r.caption),
                       *r.hint ? QCoreApplication::translate("MainWindowCommands", r.hint) : QString(),
                       static_cast<int>(r.icon));
        if (*r.shortcut)
            a->setShortcut(QKeySequence(QLatin1String(r.shortcut)));
    }
    // Project, device and export commands come with later releases.
    for (const char* name :
         {"N_New",       "N_Open",     "N_SaveAs",   "N_Hardware",   "N_Brightness", "N_Timer", "N_Send",
          "N_Calibrate", "N_PowerOn",  "N_PowerOff", "N_Pause",      "N_Resume",     "T_New",   "T_Open",
          "T_SaveAs",    "T_Hardware", "T_Border",   "T_Brightness", "T_Timer",      "T_Send",  "T_Usb",
          "T_Calibrate", "T_PowerOn",  "T_PowerOff", "T_Pause",      "T_Resume",     "T_Find"})
        laterRelease(action(QLatin1String(name)));
    for (const char* name : {"T_New", "T_Open", "T_SaveAs", "T_PowerOn", "T_PowerOff", "T_Pause", "T_Resume"})
        action(QLatin1String(name))->setVisible(false);
    setDeleteEnabled(false);

    connect(action(QStringLiteral("N_Save")), &QAction::triggered, this, [this] { saveProject(false); });
    connect(action(QStringLiteral("T_Save")), &QAction::triggered, this, [this] { saveProject(true); });
    for (const char* name : {"N_Exit", "T_Exit"})
        connect(action(QLatin1String(name)), &QAction::triggered, this, &QWidget::close);
    for (const char* name : {"N_AddProgram", "T_Add"})
        connect(action(QLatin1String(name)), &QAction::triggered, this, &TMAINForm::addProgram);
    for (const char* name : {"N_DeleteProgram", "T_Delete"})
        connect(action(QLatin1String(name)), &QAction::triggered, this, &TMAINForm::deleteProgram);
    connect(action(QStringLiteral("N_About")), &QAction::triggered, this, &TMAINForm::showAbout);
}

void TMAINForm::createMenus()
{
    auto addMenu = [this](const char* objectName, const QString& title,
                          std::initializer_list<const char*> names) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(objectName));
        menu->setToolTipsVisible(true);
        for (const char* name : names) {
            if (!*name)
                menu->addSeparator();
            else
                menu->addAction(action(QLatin1String(name)));
        }
        return menu;
    };
    addMenu("M_File", tr("文件"), {"N_New", "N_Open", "N_Save", "N_SaveAs", "", "N_Exit"});
    addMenu("M_Program", tr("节目"), {"N_AddProgram", "N_DeleteProgram"});
    addMenu("M_Settings", tr("设置"), {"N_Hardware", "N_Brightness", "N_Timer"});
    addMenu("M_Send", tr("发送"),
            {"N_Send", "", "N_Calibrate", "N_PowerOn", "N_PowerOff", "N_Pause", "N_Resume"});
    QMenu* help = addMenu("M_Help", tr("帮助"), {"N_Help", "N_About"});
    help->menuAction()->setVisible(false);
}

void TMAINForm::createToolBar()
{
    m_toolBar = addToolBar(tr("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    for (const char* name :
         {"T_New", "T_Open",      "T_Save",    "T_SaveAs",     "",        "T_Add",    "T_Delete",
          "",      "T_Hardware",  "T_Border",  "T_Brightness", "T_Timer", "",         "T_Send",
          "T_Usb", "T_Calibrate", "T_PowerOn", "T_PowerOff",   "T_Pause", "T_Resume", "T_Find",
          "",      "T_Exit"}) {
        if (!*name)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(action(QLatin1String(name)));
    }
}

void TMAINForm::createTreePopup()
{
    m_treePopup = new QMenu(this);
    const QString captions[3] = {tr("设置文本分区"), tr("设置成时钟分区"), tr("设置成图文分区")};
    for (int type = 0; type < 3; ++type) {
        QAction* a = m_treePopup->addAction(captions[type]);
        a->setObjectName(QStringLiteral("P_ZoneType%1").arg(type));
        connect(a, &QAction::triggered, this, [this, type] { setZoneTypeFromMenu(type); });
    }
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { m_treePopup->popup(m_tree->viewport()->mapToGlobal(p)); });

    m_imagePopup = new QMenu(this);
    for (int k = 1; k <= 5; ++k) {
        QAction* a = m_imagePopup->addAction(tr("放大%1倍").arg(k));
        a->setObjectName(QStringLiteral("N1%1").arg(k));
        connect(a, &QAction::triggered, this, [this, k] { zoom(k); });
    }
    for (PixelImage* image : {m_image1, m_image100})
        connect(image, &QWidget::customContextMenuRequested, this,
                [this, image](const QPoint& p) { m_imagePopup->popup(image->mapToGlobal(p)); });
}

void TMAINForm::setDeleteEnabled(bool enabled)
{
    action(QStringLiteral("N_DeleteProgram"))->setEnabled(enabled);
    action(QStringLiteral("T_Delete"))->setEnabled(enabled);
}

void TMAINForm::showAbout()
{
    if (!m_aboutBox)
        m_aboutBox = new TFABOUT(this);
    m_dialogs.exec(*m_aboutBox);
}

bool TMAINForm::saveProject(bool reselect)
{
    const int armed = m_state.memoChangeArmed;
    m_state.memoChangeArmed = 0;
    const Status st = SaveProject(m_state, m_state.projectFilePath);
    m_state.memoChangeArmed = armed;
    if (!st) {
        m_dialogs.error(this, st.caption, st.message);
        return false;
    }
    if (reselect)
        m_state.modifiedFlag = 0; // the menu's save keeps it, so closing still offers to save
    m_dialogs.information(this, tr("保存成功!"));
    if (reselect && m_state.cur().programCount >= 1) {
        find_fenqu(1);
        OBJECT_TREEMouseDown(this);
    }
    return true;
}

} // namespace dotsign
