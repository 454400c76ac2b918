#include "support_devices.h"

#include "app/devicewiring.h"
#include "project/inifile.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>

namespace dotsign::test {

DeviceRig::DeviceRig(char cardClass)
    : card([cardClass] {
          CardOptions o;
          o.cardClass = cardClass;
          return o;
      }())
{
    const Status started = card.start();
    EXPECT_TRUE(started.ok) << started.message.toStdString();
}

DeviceRig::~DeviceRig()
{
    fx.dialogs.onExec = nullptr;
}

TMAINForm& DeviceRig::open(const ScreenSetup& setup)
{
    const QString port = card.portPath();
    fx.writeProject(setup.width, setup.height, setup.templates, [&](ProjectState& s) {
        s.cur().cardModel = setup.cardModel;
        s.cur().cardAddress = 1;
        s.cur().serialPort = port;
        s.cur().baudRate = 115200;
        if (setup.edit)
            setup.edit(s);
    });
    planes = std::make_unique<LedPlanes>();
    TMAINForm& window = fx.open();
    window.setPlanes(planes.get());
    context = std::make_unique<DeviceContext>(fx.state, fx.dialogs, planes.get());
    context->portNames = [port] { return QStringList{port}; };
    wireDeviceCommands(window, *context);
    return window;
}

void DeviceRig::trigger(const char* action) const
{
    QAction* a = fx.window->action(QLatin1String(action));
    ASSERT_NE(a, nullptr) << action;
    ASSERT_TRUE(a->isEnabled()) << action;
    a->trigger();
}

QString DeviceRig::iniValue(const QString& section, const QString& key) const
{
    return IniFile(fx.state.defaultProjectFilePath).readString(section, key, QStringLiteral("<missing>"));
}

void clickButton(QWidget& parent, const QString& caption)
{
    for (QPushButton* b : parent.findChildren<QPushButton*>()) {
        if (b->text() == caption && !b->isHidden()) {
            b->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

} // namespace dotsign::test
