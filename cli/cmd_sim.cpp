// dotsign-cli sim: a virtual controller card on a pseudo-terminal, for trying
// the application or a script without a sign on the desk.

#include "cli/command.h"
#include "cli/options.h"
#include "sim/virtualcard.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace dotsign::cli {

namespace {

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    const ssize_t n = ::write(g_signalPipe[1], &c, 1);
    (void)n;
}

// SIGINT and SIGTERM end the event loop from a notifier, outside the handler.
bool catchStopSignals(QObject* owner)
{
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [] { QCoreApplication::quit(); });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    return ::sigaction(SIGINT, &sa, nullptr) == 0 && ::sigaction(SIGTERM, &sa, nullptr) == 0;
}

std::optional<CardOptions> readOptions(Options& opts)
{
    CardOptions o;
    const QString cls = opts.value(QStringLiteral("--class"), QStringLiteral("B")).toUpper();
    if (cls != QLatin1String("A") && cls != QLatin1String("B") && cls != QLatin1String("C"))
        return std::nullopt;
    o.cardClass = cls.at(0).toLatin1();
    const auto number = [&opts](const char* name, int fallback, int min, int max) -> std::optional<int> {
        const QString key = QString::fromLatin1(name);
        return opts.has(key) ? opts.number(key, min, max) : std::optional<int>(fallback);
    };
    const auto address = number("--address", 1, 1, 128);
    const auto baud = number("--baud", 0, 0, 4000000);
    const auto delay = number("--ack-delay", 0, 0, 60000);
    const auto drop = number("--drop-every", 0, 0, 1000000);
    if (!address || !baud || !delay || !drop)
        return std::nullopt;
    o.address = *address;
    o.baudRate = *baud;
    o.ackDelayMs = *delay;
    o.dropEveryNthAck = *drop;
    return o;
}

int sim(const QStringList& args)
{
    Options opts(args,
                 {QStringLiteral("--class"), QStringLiteral("--address"), QStringLiteral("--baud"),
                  QStringLiteral("--record"), QStringLiteral("--ack-delay"), QStringLiteral("--drop-every")},
                 {});
    const auto options = opts.ok() ? readOptions(opts) : std::nullopt;
    if (!options || !opts.positional().isEmpty())
        return fail(opts.ok()
                        ? QStringLiteral("usage: dotsign-cli sim [--class A|B|C] [--address N] [--baud B] "
                                         "[--record FILE] [--ack-delay MS] [--drop-every N]")
                        : opts.error(),
                    2);

    QFile record(opts.value(QStringLiteral("--record")));
    if (opts.has(QStringLiteral("--record")) && !record.open(QIODevice::WriteOnly | QIODevice::Append))
        return fail(QStringLiteral("cannot write %1: %2").arg(record.fileName(), record.errorString()));

    VirtualCard card(*options);
    if (const Status s = card.start(); !s)
        return fail(s.message);
    if (!catchStopSignals(&card))
        return fail(QStringLiteral("cannot catch SIGINT/SIGTERM"));
    // The card runs for hours: its in-memory log is written out and dropped frame by frame.
    QObject::connect(&card, &VirtualCard::frameReceived, &card, [&record, &card](const LoggedFrame& f) {
        card.clearLog();
        const QString line = describeFrame(f) + QLatin1Char('\n');
        out(line);
        if (record.isOpen()) {
            record.write(line.toUtf8());
            record.flush();
        }
    });
    out(card.portPath() + QLatin1Char('\n'));
    QCoreApplication::exec();
    card.stop();
    return 0;
}

const CliCommand
    kSim("sim", "sim [--class A|B|C] [--address N] [--baud B] [--record FILE]",
         "Runs a virtual controller card on a new pseudo-terminal and prints its port path on the "
         "first line; point the application's serial port at that path. Every frame the card "
         "receives is printed (and appended to FILE with --record) as hex with its meaning and the "
         "answer. --baud makes bytes take their time on the simulated wire; --ack-delay MS and "
         "--drop-every N delay or drop acknowledgements. Runs until SIGINT or SIGTERM.",
         sim);

} // namespace

} // namespace dotsign::cli
