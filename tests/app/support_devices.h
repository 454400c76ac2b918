#pragma once
// A main window wired to the device commands, talking to a virtual card on a
// pseudo-terminal, with dialogs driven by the test.

#include "app/devicecontext.h"
#include "render/ledplanes.h"
#include "sim/virtualcard.h"
#include "support_window.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace dotsign::test {

struct ScreenSetup
{
    ScreenSetup(QString model = QStringLiteral("B类卡"), int w = 64, int h = 16,
                std::vector<int> programs = {}, std::function<void(ProjectState&)> change = {})
        : cardModel(std::move(model)), width(w), height(h), templates(std::move(programs)),
          edit(std::move(change))
    {}
    QString cardModel;
    int width;
    int height;
    std::vector<int> templates;
    std::function<void(ProjectState&)> edit;
};

class DeviceRig
{
public:
    explicit DeviceRig(char cardClass = 'B');
    ~DeviceRig();

    // Writes the project (its port the card's), opens the window and wires it.
    TMAINForm& open(const ScreenSetup& setup = {});
    void trigger(const char* action) const;

    // Runs `drive` on the next dialog of type T that the commands show; other
    // dialogs are rejected.
    template <typename T> void onDialog(std::function<int(T&)> drive)
    {
        fx.dialogs.onExec = [this, drive](QDialog& d) {
            if (auto* dialog = qobject_cast<T*>(&d))
                return drive(*dialog);
            return onOther ? onOther(d) : int(QDialog::Rejected);
        };
    }
    std::function<int(QDialog&)> onOther;

    // What the default project file holds under section/key.
    QString iniValue(const QString& section, const QString& key) const;

    WindowFixture fx;
    VirtualCard card;
    std::unique_ptr<LedPlanes> planes;
    std::unique_ptr<DeviceContext> context;
};

// Clicks the button with this caption inside `parent`.
void clickButton(QWidget& parent, const QString& caption);

} // namespace dotsign::test
