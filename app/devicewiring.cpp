#include "app/devicewiring.h"

#include "app/borderdialog.h"
#include "app/devicecontext.h"
#include "app/dialogs.h"
#include "app/discoverydialog.h"
#include "app/downloaddialog.h"
#include "app/hardwaredialog.h"
#include "app/lightdialog.h"
#include "app/mainwindow.h"
#include "app/managerdialog.h"
#include "app/projectcommands.h"
#include "app/timerdialog.h"
#include "app/usbdialog.h"
#include "link/frames.h"
#include "link/senders.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>

namespace dotsign {

namespace {

// The device commands that DISBUTTON disables; the menu's own "暂停显示" and
// "继续显示" are not among them.
const char* const kDeviceActions[] = {"T_Hardware", "T_Border",    "T_Brightness", "T_Timer",      "T_Send",
                                      "T_Usb",      "T_Calibrate", "T_PowerOn",    "T_PowerOff",   "T_Pause",
                                      "T_Resume",   "T_Find",      "N_Hardware",   "N_Brightness", "N_Timer",
                                      "N_Send",     "N_Calibrate", "N_PowerOn",    "N_PowerOff"};

class Wiring
{
public:
    Wiring(TMAINForm& window, DeviceContext& context) : m_window(window), m_context(context) {}

    void on(std::initializer_list<const char*> names, const std::function<void()>& handler) const
    {
        for (const char* name : names) {
            QAction* a = m_window.action(QLatin1String(name));
            if (!a)
                continue;
            QObject::connect(a, &QAction::triggered, &m_window, handler);
            m_window.releaseCommand(a);
        }
    }

    // Power and pause: one frame, no dialog.
    void sendFrame(const std::function<Status(Exchange&)>& send) const
    {
        m_context.startCommand(ReplyToTarget);
        DeviceCommandsGuard guard(m_context.commands);
        m_context.report(&m_window, send(*m_context.exchange));
    }

    template <typename Dialog> void runDialog() const
    {
        m_context.startCommand(ReplyToTarget);
        DeviceCommandsGuard guard(m_context.commands);
        Dialog dialog(m_context, &m_window);
        m_context.dialogs.exec(dialog);
    }

    void runBorder(TF_LSBK& dialog) const
    {
        m_context.startCommand(ReplyToTarget);
        DeviceCommandsGuard guard(m_context.commands);
        m_context.dialogs.exec(dialog);
    }

    void runHardware(TFMANA& prompt) const
    {
        {
            DeviceCommandsGuard guard(m_context.commands);
            prompt.prepare();
            if (m_context.dialogs.exec(prompt) != QDialog::Accepted)
                return;
            TF_SET1 dialog(m_context, &m_window);
            m_context.dialogs.exec(dialog);
        }
        // The screen may have changed size: show the re-fitted zones.
        ProjectState& state = m_context.state;
        if (state.currentProgram >= 1 && state.currentProgram <= state.cur().programCount) {
            m_window.find_fenqu(std::clamp(state.currentZone, 1, kZoneSlots));
            m_window.OBJECT_TREEMouseDown(&m_window);
        } else {
            m_window.Loadtoscreen(0);
        }
    }

    void runDiscovery() const
    {
        if (isCardClassA(m_context.state.cur().cardModel)) {
            m_context.dialogs.information(
                &m_window,
                QCoreApplication::translate("DeviceWiring", "A类卡不支持这个功能，只有B类卡和C类卡支持。"));
            return;
        }
        TF_com dialog(m_context, &m_window);
        m_context.dialogs.exec(dialog);
    }

private:
    TMAINForm& m_window;
    DeviceContext& m_context;
};

// Shows the status panels and the port the commands changed, in the main
// window's own status bar widgets.
void showStatusPanels(TMAINForm& window, const ProjectState& state)
{
    for (int i = 0; i < kStatusPanels; ++i) {
        if (i == PanelPort)
            continue;
        auto* label = window.findChild<QLabel*>(QStringLiteral("statusPanel%1").arg(i));
        if (!label)
            continue;
        const QString& text = state.statusPanels[static_cast<size_t>(i)];
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
    auto* ports = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    const QString& port = state.cur().serialPort;
    if (!ports || port.isEmpty() || ports->currentText() == port)
        return;
    const QSignalBlocker quiet(ports);
    if (ports->findText(port) < 0)
        ports->insertItem(0, port);
    ports->setCurrentText(port);
}

void bindDeviceActions(TMAINForm& window, DeviceContext& context)
{
    for (const char* name : kDeviceActions) {
        QAction* a = window.action(QLatin1String(name));
        if (!a)
            continue;
        a->setEnabled(context.commands.isEnabled());
        QObject::connect(&context.commands, &DeviceCommands::enabledChanged, a, &QAction::setEnabled);
    }
}

} // namespace

void wireDeviceCommands(TMAINForm& window, DeviceContext& context)
{
    context.weekdayNames = window.WeekdayNames;
    if (!context.refreshStatus)
        context.refreshStatus = [&window, &context] { showStatusPanels(window, context.state); };
    auto* border = new TF_LSBK(context, &window);
    auto* prompt = new TFMANA(context, &window);
    auto* download = new TFDown(&window);
    auto* saving = new TFSAVE(&window);
    const Wiring w(window, context);

    w.on({"N_New", "T_New"}, [&window] { newProject(window); });
    w.on({"N_Open", "T_Open"}, [&window, &context] { openProject(window, context); });
    w.on({"N_SaveAs", "T_SaveAs"}, [&window, &context] { saveProjectAs(window, context); });
    for (const char* name : {"N_Save", "T_Save"}) {
        if (QAction* a = window.action(QLatin1String(name)))
            QObject::disconnect(a, &QAction::triggered, &window, nullptr);
    }
    w.on({"N_Save"}, [&window, saving] { saveWithProgress(window, *saving, false); });
    w.on({"T_Save"}, [&window, saving] { saveWithProgress(window, *saving, true); });

    w.on({"N_PowerOn", "T_PowerOn"}, [w] { w.sendFrame([](Exchange& ex) { return SendPower(ex, 1); }); });
    w.on({"N_PowerOff", "T_PowerOff"}, [w] { w.sendFrame([](Exchange& ex) { return SendPower(ex, 0); }); });
    w.on({"N_Pause", "T_Pause"}, [w] { w.sendFrame([](Exchange& ex) { return SendPAUSE(ex, 1); }); });
    w.on({"N_Resume", "T_Resume"}, [w] { w.sendFrame([](Exchange& ex) { return SendPAUSE(ex, 0); }); });
    w.on({"T_Calibrate", "T_Timer", "N_Timer", "N_Calibrate"}, [w] { w.runDialog<TFSETTIMER>(); });
    w.on({"T_Brightness", "N_Brightness"}, [w] { w.runDialog<TFLight>(); });
    w.on({"T_Border"}, [w, border] { w.runBorder(*border); });
    w.on({"T_Hardware", "N_Hardware"}, [w, prompt] { w.runHardware(*prompt); });
    w.on({"T_Find"}, [w] { w.runDiscovery(); });
    w.on({"T_Send", "N_Send"}, [&window, &context, download] { TBXItem7Click(context, window, *download); });
    w.on({"T_Usb"}, [&window, &context] { TBXItem13Click(context, window); });
    bindDeviceActions(window, context);
}

} // namespace dotsign
