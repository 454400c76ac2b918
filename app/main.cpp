#include "app/apptitle.h"
#include "app/devicecontext.h"
#include "app/devicewiring.h"
#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/virtualsignwiring.h"
#include "link/portsettings.h"
#include "project/projectfolder.h"
#include "project/projectstate.h"
#include "sim/cardcontent.h"

#include "render/fonts.h"
#include "render/ledplanes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DotSign"));
    QApplication::setApplicationVersion(QStringLiteral(DOTSIGN_VERSION));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("DotSign: compose LED sign programs and load them into the "
                       "sign's controller card."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(app);
    QApplication::setApplicationDisplayName(dotsign::applicationTitle());
    dotsign::installLedFontSubstitutions();

    // One project state, one pair of LED planes, one set of dialogs and one
    // link to the card for the whole run.
    dotsign::ProjectState state;
    const auto planes = std::make_unique<dotsign::LedPlanes>();
    dotsign::WidgetDialogs dialogs;
    const QString root =
        dotsign::chooseProjectRoot(QCoreApplication::applicationDirPath(),
                                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    const dotsign::Status prepared =
        dotsign::prepareProjectFolder(state, root, QStringLiteral(":/sample/Project"));
    if (!prepared)
        dialogs.error(nullptr, prepared.caption, prepared.message);

    // Without a serial port, a new project targets the built-in virtual sign.
    if (dotsign::availablePortNames().isEmpty())
        state.serial.portName = QString::fromUtf8(dotsign::kVirtualSignPort);
    dotsign::DeviceContext devices(state, dialogs, planes.get());
    dotsign::TMAINForm window(state, dialogs);
    window.setPlanes(planes.get());
    devices.refreshStatus = [&window] { window.refreshStatusBar(); };
    dotsign::wireDeviceCommands(window, devices);
    dotsign::wireVirtualSign(window, devices);
    window.show();
    return app.exec();
}
