#include "cli/command.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <map>
#include <unistd.h>

namespace dotsign::cli {

struct Entry
{
    QString synopsis;
    QString help;
    CommandFn run;
};

static std::map<QString, Entry>& registry()
{
    static std::map<QString, Entry> commands;
    return commands;
}

CliCommand::CliCommand(const char* name, const char* synopsis, const char* help, CommandFn run)
{
    registry()[QString::fromUtf8(name)] =
        Entry{QString::fromUtf8(synopsis), QString::fromUtf8(help), std::move(run)};
}

int fail(const QString& message, int code)
{
    std::fprintf(stderr, "dotsign-cli: %s\n", message.toUtf8().constData());
    return code;
}

void out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

static void usage(FILE* to)
{
    QString text = QStringLiteral("Usage: dotsign-cli COMMAND [ARGS...]\n\nCommands:\n");
    for (const auto& [name, entry] : registry())
        text += QStringLiteral("  %1\n").arg(entry.synopsis);
    text += QStringLiteral("\n'dotsign-cli COMMAND --help' describes one command.\n");
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
}

} // namespace dotsign::cli

int main(int argc, char** argv)
{
    using namespace dotsign::cli;
    // Rendering needs fonts and images, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt warns on every start when the session has no runtime folder (cron, ssh).
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime =
            QDir::tempPath().toLocal8Bit() + "/dotsign-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("dotsign-cli"));
    QGuiApplication::setApplicationVersion(QStringLiteral(DOTSIGN_VERSION));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        usage(args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out(QStringLiteral("dotsign-cli %1\n").arg(QStringLiteral(DOTSIGN_VERSION)));
        return 0;
    }
    const QString name = args.takeFirst();
    const auto it = registry().find(name);
    if (it == registry().end())
        return fail(QStringLiteral("unknown command '%1' (see dotsign-cli --help)").arg(name), 2);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out(QStringLiteral("Usage: dotsign-cli %1\n\n%2\n").arg(it->second.synopsis, it->second.help));
        return 0;
    }
    return it->second.run(args);
}
