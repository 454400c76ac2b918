// The serial link's costs: the CPU time a reply wait burns while nothing
// comes back (it must sleep in the event loop, not spin), and the overhead of
// a whole exchange against a card that answers at once.

#include "link/exchange.h"
#include "link/frames.h"
#include "link/transport.h"
#include "sim/virtualcard.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>

using namespace dotsign;

namespace {

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

double wallSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

struct Rig
{
    explicit Rig(char cardClass) : card(options(cardClass))
    {
        card.start();
        state.cur().cardModel = QStringLiteral("B类卡");
        state.cur().cardAddress = 1;
        state.serial.portName = card.portPath();
        state.serial.baudRate = 115200;
        transport = std::make_unique<SerialTransport>(state.serial);
        exchange = std::make_unique<Exchange>(*transport, link, state);
    }
    static CardOptions options(char cardClass)
    {
        CardOptions o;
        o.cardClass = cardClass;
        return o;
    }
    ProjectState state;
    LinkState link;
    VirtualCard card;
    std::unique_ptr<SerialTransport> transport;
    std::unique_ptr<Exchange> exchange;
};

// One exchange whose 1000 ms wait runs out: cpu_percent is the share of one
// core the process used over the whole exchange.
void BM_WaitWithoutReply(benchmark::State& s)
{
    Rig rig('A'); // a silent card
    const QByteArray frame = powerFrame(1, 1);
    double cpu = 0, wall = 0;
    for (auto _ : s) {
        const double c0 = processCpuSeconds(), w0 = wallSeconds();
        const ExchangeResult r = rig.exchange->send(frame, 1000);
        cpu += processCpuSeconds() - c0;
        wall += wallSeconds() - w0;
        benchmark::DoNotOptimize(r.acknowledged);
    }
    s.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0;
}
BENCHMARK(BM_WaitWithoutReply)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// Open, write, drain, acknowledgement, close against a card on the same thread.
void BM_ExchangeRoundTrip(benchmark::State& s)
{
    Rig rig('B');
    const QByteArray frame = powerFrame(1, 1);
    int acknowledged = 0;
    for (auto _ : s)
        acknowledged += rig.exchange->send(frame, 1000).acknowledged ? 1 : 0;
    s.counters["acknowledged"] = benchmark::Counter(acknowledged, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ExchangeRoundTrip)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
