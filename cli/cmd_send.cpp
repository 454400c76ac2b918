#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "link/exchange.h"
#include "link/transdata.h"
#include "link/transport.h"
#include "render/fonts.h"

#include <QFileInfo>
#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace dotsign::cli {

namespace {

void printMessage(const Status& s)
{
    std::fprintf(stderr, "\ndotsign-cli: %s\n", s.message.toUtf8().constData());
}

// "正在下载节目2 [##########----------]  50%" on one line of stderr.
class ProgressBar
{
public:
    void start(int program)
    {
        m_program = program;
        m_percent = -1;
        if (m_terminal)
            draw(0);
    }
    void update(qint64 done, qint64 total)
    {
        const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 100;
        // A log file gets one line per program, a terminal a moving bar.
        if (percent != m_percent && (m_terminal || percent == 100))
            draw(percent);
    }
    void finish()
    {
        if (m_terminal)
            std::fprintf(stderr, "\n");
    }

private:
    void draw(int percent)
    {
        m_percent = percent;
        const int filled = percent / 5;
        const std::string bar = std::string(static_cast<size_t>(filled), '#') +
                                std::string(static_cast<size_t>(20 - filled), '-');
        std::fprintf(stderr, "%s%s [%s] %3d%%%s", m_terminal ? "\r" : "",
                     QStringLiteral("正在下载节目%1").arg(m_program).toUtf8().constData(), bar.c_str(),
                     percent, m_terminal ? "" : "\n");
        std::fflush(stderr);
    }
    int m_program = 0;
    int m_percent = -1;
    bool m_terminal = isatty(STDERR_FILENO) != 0;
};

bool confirmed()
{
    std::fprintf(stderr, "%s [y/N] ",
                 QStringLiteral("请确定是否发送当前这些节目到显示屏内?").toUtf8().constData());
    std::string answer;
    if (!isatty(STDIN_FILENO) || !std::getline(std::cin, answer))
        return false;
    return answer == "y" || answer == "Y" || answer == "yes";
}

} // namespace

static int send(const QStringList& args)
{
    Options opts(args, {QStringLiteral("--port")}, {QStringLiteral("--yes")});
    if (!opts.ok() || opts.positional().size() != 1 || !opts.has(QStringLiteral("--port")))
        return fail(opts.ok() ? QStringLiteral("usage: dotsign-cli send PROJECT.kvp --port DEVICE [--yes]")
                              : opts.error(),
                    2);
    installLedFontSubstitutions();
    ProjectState state;
    if (!loadProjectForCli(state, opts.positional().first()))
        return 1;
    const QString port = opts.value(QStringLiteral("--port"));
    if (!QFileInfo::exists(port))
        return fail(QStringLiteral("电脑可能没有串口请检查后再操作。 (%1)").arg(port));
    if (!opts.has(QStringLiteral("--yes")) && !confirmed())
        return fail(QStringLiteral("nothing sent (answer y, or pass --yes)"));

    state.serial.portName = port;
    state.serial.baudRate = isStandardBaudRate(state.screen.baudRate) ? state.screen.baudRate : 9600;
    LinkState link;
    link.resetReceive();
    link.ReplyAddressMode = ReplyToTarget;
    SerialTransport transport(state.serial);
    Exchange exchange(transport, link, state);
    LedPlanes planes;
    ProgressBar bar;
    DownloadObserver observer;
    observer.programStarted = [&](int n, qint64) { bar.start(n); };
    observer.progress = [&](qint64 done, qint64 total) { bar.update(done, total); };
    observer.note = printMessage;
    const Status status = transdata(exchange, planes, observer);
    bar.finish();
    return status ? 0 : fail(status.message);
}

static const CliCommand kSend("send", "send PROJECT.kvp --port DEVICE [--yes]",
                              "Downloads every program of the project to the controller card on DEVICE (for "
                              "example /dev/ttyUSB0), at the project's speed, showing progress on stderr. "
                              "Asks for confirmation unless --yes is given.",
                              send);

} // namespace dotsign::cli
