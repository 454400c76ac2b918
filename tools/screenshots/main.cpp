// dotsign-shots: the pictures of the operator's manual, taken from the real
// windows. It builds the main window as the application does, on a fresh copy
// of the sample project in a temporary folder, walks through the operator's
// tasks with the real commands (found by object name) and saves each window
// into the output folder. Everything talks to the built-in virtual sign, so no
// hardware is needed. scripts/screenshots.sh runs it under a virtual X server.

#include "shotdialogs.h"

#include "app/apptitle.h"
#include "app/devicecontext.h"
#include "app/devicewiring.h"
#include "app/discoverydialog.h"
#include "app/downloaddialog.h"
#include "app/findingsdialog.h"
#include "app/hardwaredialog.h"
#include "app/language.h"
#include "app/lightdialog.h"
#include "app/mainwindow.h"
#include "app/managerdialog.h"
#include "app/programpage.h"
#include "app/templatedialog.h"
#include "app/timerdialog.h"
#include "app/usbdialog.h"
#include "app/virtualsign.h"
#include "app/virtualsignwiring.h"
#include "project/projectfolder.h"
#include "project/projectstate.h"
#include "render/fonts.h"
#include "render/ledplanes.h"
#include "sim/cardcontent.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace dotsign::shots {

namespace {

// The whole application as main() builds it, with scripted dialogs.
class Session
{
public:
    Session(const QString& root, const QString& outDir) : out(outDir), dialogs(outDir)
    {
        const Status prepared = prepareProjectFolder(state, root, QStringLiteral(DOTSIGN_SAMPLE_DIR));
        if (!prepared) {
            std::fprintf(stderr, "dotsign-shots: %s\n", qPrintable(prepared.message));
            std::exit(1);
        }
        state.serial.portName = QString::fromUtf8(kVirtualSignPort);
        devices = std::make_unique<DeviceContext>(state, dialogs, planes.get());
        // A stand-in USB disk, so that the export has somewhere to go.
        QDir(root).mkpath(QStringLiteral("USBDISK"));
        const QString usb = QDir(root).filePath(QStringLiteral("USBDISK"));
        devices->volumes = [usb] { return QList<UsbVolume>{{QStringLiteral("USBDISK"), usb, true}}; };
        window = std::make_unique<TMAINForm>(state, dialogs);
        window->setPlanes(planes.get());
        devices->refreshStatus = [this] { window->refreshStatusBar(); };
        wireDeviceCommands(*window, *devices);
        wireVirtualSign(*window, *devices);
        window->resize(1180, 760);
        window->move(0, 0);
        window->show();
        settle(800);
    }

    ~Session()
    {
        // Leave without the exit and save questions.
        window->hide();
    }

    void picture(QWidget* w, const char* name) { savePicture(w, out, QLatin1String(name)); }

    void trigger(const char* name)
    {
        QAction* a = window->action(QLatin1String(name));
        if (!a || !a->isEnabled()) {
            std::fprintf(stderr, "dotsign-shots: command %s is missing or disabled\n", name);
            return;
        }
        a->trigger();
        settle(200);
    }

    // Selects a node as a click on the tree does: program p (1-based), zone z
    // (0 for the program node itself).
    void select(int program, int zone = 0)
    {
        QTreeWidget* tree = window->tree();
        QTreeWidgetItem* node = tree->topLevelItem(0);
        if (node && program > 0)
            node = node->child(program - 1);
        if (node && zone > 0)
            node = node->child(zone - 1);
        if (!node) {
            std::fprintf(stderr, "dotsign-shots: no node for program %d zone %d\n", program, zone);
            return;
        }
        tree->setCurrentItem(node);
        emit tree->itemPressed(node, 0);
        settle(300);
    }

    QString out;
    ProjectState state;
    std::unique_ptr<LedPlanes> planes = std::make_unique<LedPlanes>();
    ShotDialogs dialogs;
    std::unique_ptr<DeviceContext> devices;
    std::unique_ptr<TMAINForm> window;
};

template <typename T> T* as(QDialog& d)
{
    return qobject_cast<T*>(&d);
}

void clickButton(QWidget& parent, const QString& caption)
{
    for (QPushButton* b : parent.findChildren<QPushButton*>())
        if (b->text() == caption && b->isEnabled()) {
            b->click();
            return;
        }
    std::fprintf(stderr, "dotsign-shots: no button %s\n", qPrintable(caption));
}

void firstStartAndZones(Session& s)
{
    s.picture(s.window.get(), "main-window");
    s.select(1, 1);
    s.picture(s.window.get(), "text-zone");
    s.select(2, 2);
    s.picture(s.window.get(), "clock-zone");
    // At the first start the last zone of the last program is selected: the
    // graphic-text zone of program 3, pictured as "main-window".
    s.select(3, 1);
    // "进入编辑" opens the document editor over the main window.
    if (auto* enter = s.window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))) {
        enter->click();
        settle(800);
        QWidget* editor = QApplication::activeModalWidget();
        if (editor && editor != s.window.get()) {
            s.picture(editor, "editor");
            editor->close();
            settle(300);
        }
    }
}

void programTiming(Session& s)
{
    s.select(2);
    auto* page = s.window->findChild<ProgramPage*>();
    if (page && !page->timedPlayBox()->isChecked())
        page->timedPlayBox()->click();
    settle(200);
    auto* dock = s.window->findChild<QDockWidget*>(QStringLiteral("propertyDock"));
    s.picture(dock, "program-timing");
    if (page && page->timedPlayBox()->isChecked())
        page->timedPlayBox()->click(); // the sample plays at all times again
}

void powerSchedule(Session& s)
{
    s.dialogs.onExec = [&s](QDialog& d) {
        s.picture(&d, "power-timer");
        return int(QDialog::Rejected);
    };
    s.trigger("T_Timer");
    s.dialogs.onExec = [&s](QDialog& d) {
        s.picture(&d, "brightness");
        // The sample's day and night levels go to the virtual card, so its
        // picture shows the sign at the project's brightness.
        clickButton(d, QStringLiteral("发送"));
        settle(300);
        return int(QDialog::Rejected);
    };
    s.trigger("T_Brightness");
}

void sendToVirtualSign(Session& s)
{
    // The progress window is pictured while the download runs.
    QTimer during;
    during.setSingleShot(true);
    QObject::connect(&during, &QTimer::timeout, [&s] {
        if (auto* progress = s.window->findChild<TFDown*>(); progress && progress->isVisible())
            s.picture(progress, "send-progress");
    });
    s.dialogs.onExec = [&s](QDialog& d) {
        if (as<FindingsDialog>(d))
            s.picture(&d, "send-findings");
        return int(QDialog::Accepted);
    };
    s.dialogs.pictureNextBox = QStringLiteral("send-confirm");
    during.start(1500);
    s.trigger("T_Send");
    settle(300);

    s.trigger("N_VirtualSign");
    auto* sign = s.window->findChild<VirtualSignWindow*>();
    // A fixed daytime clock: the sign plays at its day brightness and the
    // picture is the same on every run.
    if (sign) {
        if (auto* clock = sign->findChild<QDateTimeEdit*>())
            clock->setDateTime(QDateTime(QDate(2026, 3, 2), QTime(10, 0)));
        if (auto* fixed = sign->findChild<QCheckBox*>(); fixed && !fixed->isChecked())
            fixed->click();
    }
    settle(2500);
    s.picture(sign, "virtual-sign");
    if (sign)
        sign->close();
}

void usbExport(Session& s)
{
    s.dialogs.onExec = [&s](QDialog& d) {
        if (as<FindingsDialog>(d))
            return int(QDialog::Accepted);
        auto* usb = as<TF_usb>(d);
        if (!usb)
            return int(QDialog::Rejected);
        usb->findChild<QCheckBox*>()->setChecked(true);
        s.picture(&d, "usb-export");
        s.dialogs.pictureNextBox = QStringLiteral("usb-done");
        clickButton(d, QStringLiteral("保存"));
        settle(200);
        return int(QDialog::Rejected);
    };
    s.trigger("T_Usb");
}

void hardware(Session& s)
{
    s.dialogs.onExec = [&s](QDialog& d) {
        auto* prompt = as<TFMANA>(d);
        if (!prompt)
            return int(QDialog::Rejected);
        prompt->entry()->setText(s.state.cur().password);
        s.picture(&d, "hardware-password");
        // The settings dialog comes next.
        s.dialogs.onExec = [&s](QDialog& settings) {
            auto* pages = settings.findChild<QTabWidget*>();
            s.picture(&settings, "hardware-settings");
            if (pages && pages->count() >= 3) {
                pages->setCurrentIndex(2);
                settle(200);
                s.picture(&settings, "hardware-link");
            }
            return int(QDialog::Rejected);
        };
        prompt->confirm();
        return d.result();
    };
    s.trigger("T_Hardware");

    s.dialogs.onExec = [&s](QDialog& d) {
        s.picture(&d, "find-sign");
        return int(QDialog::Rejected);
    };
    s.trigger("T_Find");
}

// A pseudo-terminal nobody answers on: a card that is off or not connected.
QString silentPort(int& master)
{
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return QString();
    return QString::fromLocal8Bit(ptsname(master));
}

void linkFaults(Session& s)
{
    const QString keep = s.state.serial.portName;
    s.state.serial.portName = QStringLiteral("/dev/ttyUSB9");
    s.dialogs.pictureNextBox = QStringLiteral("error-port");
    s.trigger("N_PowerOn");

    int master = -1;
    const QString silent = silentPort(master);
    if (!silent.isEmpty()) {
        s.state.serial.portName = silent;
        s.dialogs.pictureNextBox = QStringLiteral("error-no-reply");
        s.trigger("N_PowerOn");
        settle(200);
    }
    if (master >= 0)
        ::close(master);
    s.state.serial.portName = keep;
}

void templates(Session& s)
{
    // The four layouts side by side, each cut to the sign and its frame.
    const QSize cell(210, 110);
    QImage sheet(cell.width() * 4 + 30, cell.height(), QImage::Format_RGB32);
    sheet.fill(s.window->palette().color(QPalette::Window));
    QPainter painter(&sheet);
    for (int t = 1; t <= 4; ++t) {
        s.dialogs.onExec = [&s, t](QDialog& d) {
            auto* chooser = as<TemplateDialog>(d);
            if (!chooser)
                return int(QDialog::Rejected);
            emit chooser->tile(t)->pressed();
            emit chooser->tile(t)->clicked();
            settle(100);
            if (t == 4)
                s.picture(&d, "template-dialog");
            return int(QDialog::Accepted);
        };
        s.trigger("T_Add");
        settle(300);
        auto* area = s.window->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
        if (!area)
            continue;
        const QPixmap layout = area->viewport()->grab(QRect(QPoint(0, 0), cell));
        painter.drawPixmap((t - 1) * (cell.width() + 10), 0, layout);
    }
    painter.end();
    QLabel holder;
    holder.setPixmap(QPixmap::fromImage(sheet));
    holder.resize(sheet.size());
    holder.setContentsMargins(0, 0, 0, 0);
    holder.show();
    settle(100);
    savePicture(&holder, s.out, QStringLiteral("templates"));
}

} // namespace

} // namespace dotsign::shots

int main(int argc, char** argv)
{
    using namespace dotsign;
    using namespace dotsign::shots;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DotSign"));
    QApplication::setApplicationVersion(QStringLiteral(DOTSIGN_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Takes the pictures of the operator's manual from the real windows."));
    options.addHelpOption();
    options.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("where the PNG files go"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("zh (the manual's pictures, the default) or en, to look "
                                                     "over the English windows"),
                                      QStringLiteral("zh|en"), QStringLiteral("zh"));
    options.addOption(language);
    options.process(app);
    if (options.positionalArguments().size() != 1)
        options.showHelp(2);
    const QString outDir = options.positionalArguments().constFirst();
    QDir().mkpath(outDir);
    // The manual is Chinese: the windows as a Chinese system shows them,
    // Qt's own buttons included.
    const LanguageChoice choice = chooseUiLanguage(options.value(language), {});
    if (!choice.ok || !installUiLanguage(app, choice.language)) {
        std::fprintf(stderr, "dotsign-shots: unknown or missing language %s\n",
                     qPrintable(options.value(language)));
        return 2;
    }
    QApplication::setApplicationDisplayName(applicationTitle());
    installLedFontSubstitutions();

    // A fixed folder rather than a random one: the project path shows in the
    // status bar, and the pictures should not change from run to run.
    QDir root(QDir::temp().filePath(QStringLiteral("DotSign-manual")));
    root.removeRecursively();
    if (!root.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "dotsign-shots: cannot create %s\n", qPrintable(root.path()));
        return 1;
    }
    {
        Session session(root.path(), outDir);
        firstStartAndZones(session);
        programTiming(session);
        powerSchedule(session);
        sendToVirtualSign(session);
        usbExport(session);
        hardware(session);
        linkFaults(session);
        templates(session);
    }
    root.removeRecursively();
    return 0;
}
