#include "app/apptitle.h"
#include "app/devicecontext.h"
#include "app/devicewiring.h"
#include "app/dialogs.h"
#include "app/language.h"
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
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void describeOptions(QCommandLineParser& options, QCommandLineOption& language)
{
    options.setApplicationDescription(
        QStringLiteral("DotSign: compose LED sign programs and load them into the sign's\n"
                       "controller card.\n\n"
                       "The windows are in Chinese, or in English when the system's language\n"
                       "(LANGUAGE, LC_ALL, LC_MESSAGES, LANG) is neither Chinese nor unset\n"
                       "(C/POSIX). The project is kept in Project/ beside the program when that\n"
                       "folder is writable, otherwise in the user's data folder\n"
                       "(~/.local/share/DotSign)."));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption(language);
}

// --help and --version answer without a display, so they work over ssh and
// when the manual pages are made.
bool onlyAsksForHelp(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* flag : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], flag) == 0)
                return true;
    }
    return false;
}

// The value given with --language, found before the display is opened so that
// a wrong value is reported without one.
QString requestedLanguage(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
        if (std::strncmp(argv[i], "--language=", 11) == 0)
            return QString::fromLocal8Bit(argv[i] + 11);
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QCommandLineOption language(QStringLiteral("language"),
                                QStringLiteral("Language of the windows: zh (Chinese) or en "
                                               "(English). Default: the system's language."),
                                QStringLiteral("zh|en"));
    if (onlyAsksForHelp(argc, argv)) {
        QCoreApplication info(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("dotsign"));
        QCoreApplication::setApplicationVersion(QStringLiteral(DOTSIGN_VERSION));
        QCommandLineParser options;
        describeOptions(options, language);
        options.process(info); // prints and exits
        return 0;
    }

    const QString requested = requestedLanguage(argc, argv);
    if (!dotsign::chooseUiLanguage(requested, {}).ok) {
        std::fprintf(stderr, "dotsign: unknown language \"%s\" (use zh or en)\n", qPrintable(requested));
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DotSign"));
    QApplication::setApplicationVersion(QStringLiteral(DOTSIGN_VERSION));
    QCommandLineParser options;
    describeOptions(options, language);
    options.process(app);
    const dotsign::LanguageChoice choice =
        dotsign::chooseUiLanguage(options.value(language), QLocale::system().uiLanguages());
    if (!dotsign::installUiLanguage(app, choice.language))
        std::fprintf(stderr, "dotsign: the English translation is missing; the windows stay Chinese\n");
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
