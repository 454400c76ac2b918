#include "app/apptitle.h"
#include "app/devicecontext.h"
#include "app/devicewiring.h"
#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "project/projectfolder.h"
#include "project/projectstate.h"

#include "render/fonts.h"
#include "render/ledplanes.h"

#include <QApplication>
#include <QStandardPaths>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DotSign"));
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

    dotsign::DeviceContext devices(state, dialogs, planes.get());
    dotsign::TMAINForm window(state, dialogs);
    window.setPlanes(planes.get());
    devices.refreshStatus = [&window] { window.refreshStatusBar(); };
    dotsign::wireDeviceCommands(window, devices);
    window.show();
    return app.exec();
}
