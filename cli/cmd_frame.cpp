// dotsign-cli frame: prints the bytes of a controller command as the
// application would send them, one frame per line in upper-case hex.

#include "cli/command.h"
#include "cli/options.h"
#include "cli/projectload.h"
#include "link/frames.h"

#include <QDateTime>
#include <functional>
#include <map>

namespace dotsign::cli {

namespace {

struct FrameContext
{
    ProjectState state;
    int targetIndex = 0; // the main window's target address list: "1"
};

using Builder = std::function<std::optional<QByteArray>(FrameContext&, const QStringList&, Options&)>;

std::optional<uint8_t> onOff(const QStringList& args, uint8_t on, uint8_t off)
{
    if (args.size() != 1)
        return std::nullopt;
    if (args.first() == QLatin1String("on"))
        return on;
    if (args.first() == QLatin1String("off"))
        return off;
    return std::nullopt;
}

// Whole numbers in [0, max] for every argument, or nothing.
std::optional<std::vector<uint8_t>> bytesIn(const QStringList& args, const std::vector<int>& max)
{
    if (args.size() != static_cast<int>(max.size()))
        return std::nullopt;
    std::vector<uint8_t> values;
    for (int i = 0; i < args.size(); ++i) {
        bool ok = false;
        const int v = args.at(i).toInt(&ok);
        if (!ok || v < 0 || v > max[static_cast<size_t>(i)])
            return std::nullopt;
        values.push_back(static_cast<uint8_t>(v));
    }
    return values;
}

uint8_t controlAddress(const FrameContext& c)
{
    return ControlAddress(c.targetIndex, c.state.cur().cardModel);
}

std::optional<QByteArray> timer(FrameContext& c, const QStringList& args, Options& opts)
{
    const auto v = bytesIn(args, {23, 59, 23, 59});
    QDateTime at = QDateTime::currentDateTime();
    if (opts.has(QStringLiteral("--at")))
        at = QDateTime::fromString(opts.value(QStringLiteral("--at")), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!v || !at.isValid())
        return std::nullopt;
    return timerFrame(controlAddress(c), at, (*v)[0], (*v)[1], (*v)[2], (*v)[3]);
}

std::optional<QByteArray> settings(FrameContext& c, const QStringList& args, Options&)
{
    if (args.size() != 1 || !loadProjectForCli(c.state, args.first()))
        return std::nullopt;
    // The power times and brightness travel from the hardware copies, which
    // follow the screen once a program has been shown.
    const TprojectProp& s = c.state.cur();
    HardwareSettings& hw = c.state.hw;
    hw.powerOnHour = s.powerOnHour;
    hw.powerOnMinute = s.powerOnMinute;
    hw.powerOffHour = s.powerOffHour;
    hw.powerOffMinute = s.powerOffMinute;
    hw.dayBrightness = s.dayBrightness;
    hw.nightBrightness = s.nightBrightness;
    hw.dayBrightnessHour = s.dayBrightnessHour;
    hw.dayBrightnessMinute = s.dayBrightnessMinute;
    hw.nightBrightnessHour = s.nightBrightnessHour;
    hw.nightBrightnessMinute = s.nightBrightnessMinute;
    return screenSettingsFrame(s, hw);
}

const std::map<QString, Builder>& builders()
{
    static const std::map<QString, Builder> all = {
        {QStringLiteral("power"),
         [](FrameContext& c, const QStringList& a, Options&) -> std::optional<QByteArray> {
             const auto state = onOff(a, 1, 0);
             return state ? std::optional(powerFrame(controlAddress(c), *state)) : std::nullopt;
         }},
        {QStringLiteral("pause"),
         [](FrameContext& c, const QStringList& a, Options&) -> std::optional<QByteArray> {
             const auto state = onOff(a, 1, 0);
             return state ? std::optional(pauseFrame(controlAddress(c), *state)) : std::nullopt;
         }},
        {QStringLiteral("border"),
         [](FrameContext& c, const QStringList& a, Options&) -> std::optional<QByteArray> {
             const auto mode = onOff(a, kBorderOn, kBorderOff);
             return mode ? std::optional(borderFrame(controlAddress(c), *mode)) : std::nullopt;
         }},
        {QStringLiteral("light"),
         [](FrameContext& c, const QStringList& a, Options&) -> std::optional<QByteArray> {
             const auto v = bytesIn(a, {23, 59, 23, 59, 200, 200});
             if (!v)
                 return std::nullopt;
             const auto& b = *v;
             return lightFrame(controlAddress(c), b[0], b[1], b[2], b[3], b[4], b[5]);
         }},
        {QStringLiteral("timer"), timer},
        {QStringLiteral("settings"), settings},
        {QStringLiteral("test-unit"),
         [](FrameContext& c, const QStringList& a, Options&) -> std::optional<QByteArray> {
             return a.isEmpty() ? std::optional(unitTestFrame(c.targetIndex, c.state.cur().cardModel))
                                : std::nullopt;
         }},
        {QStringLiteral("comm-test"),
         [](FrameContext& c, const QStringList& a, Options&) -> std::optional<QByteArray> {
             return a.isEmpty() ? std::optional(commTestProbe(c.targetIndex, c.state.cur().cardModel))
                                : std::nullopt;
         }},
        {QStringLiteral("read-settings"),
         [](FrameContext& c, const QStringList& a, Options&) -> std::optional<QByteArray> {
             const int address = c.state.cur().cardAddress;
             return a.isEmpty()
                        ? std::optional(readSettingsRequest(address > 128 ? kBroadcastIndex : address - 1))
                        : std::nullopt;
         }},
        {QStringLiteral("discovery"),
         [](FrameContext&, const QStringList& a, Options&) -> std::optional<QByteArray> {
             return a.isEmpty() ? std::optional(discoveryProbe()) : std::nullopt;
         }},
    };
    return all;
}

const char* const kUsage =
    "usage: dotsign-cli frame power|pause|border on|off | light DH DM NH NM DAY NIGHT | "
    "timer [--at \"yyyy-MM-dd HH:mm:ss\"] ON_H ON_M OFF_H OFF_M | settings PROJECT.kvp | "
    "test-unit | comm-test | read-settings | discovery [--project P] [--address N]";

int frame(const QStringList& args)
{
    Options opts(args, {QStringLiteral("--project"), QStringLiteral("--at"), QStringLiteral("--address")},
                 {});
    QStringList pos = opts.positional();
    if (!opts.ok() || pos.isEmpty())
        return fail(opts.ok() ? QString::fromUtf8(kUsage) : opts.error(), 2);
    const auto it = builders().find(pos.takeFirst());
    if (it == builders().end())
        return fail(QString::fromUtf8(kUsage), 2);

    FrameContext c;
    c.state.cur().cardModel = QStringLiteral("B类卡");
    c.state.cur().cardAddress = 1;
    if (opts.has(QStringLiteral("--project")) &&
        !loadProjectForCli(c.state, opts.value(QStringLiteral("--project"))))
        return 1;
    if (opts.has(QStringLiteral("--address"))) {
        const auto address = opts.number(QStringLiteral("--address"), 1, 129);
        if (!address)
            return fail(opts.error(), 2);
        c.targetIndex = *address - 1;
        c.state.cur().cardAddress = *address;
    }
    const auto bytes = it->second(c, pos, opts);
    if (!bytes)
        return fail(QString::fromUtf8(kUsage), 2);
    out(hexBytes(*bytes) + QLatin1Char('\n'));
    return 0;
}

const CliCommand kFrame(
    "frame", "frame COMMAND [ARGS] [--project P] [--address N]",
    "Prints the bytes the application sends to the controller card for a command, one frame per line in "
    "upper-case hex: power on|off, pause on|off, border on|off, light (day-start hour and minute, "
    "night-start hour and minute, day and night level 1..200), timer (power-on and power-off hour and "
    "minute; --at sets the clock time sent, default now), settings PROJECT.kvp (the screen-settings frame), "
    "test-unit, comm-test, read-settings, discovery.\n\n"
    "The card class and address come from --project (a Project.kvp), otherwise a B-class card at address 1. "
    "Control frames go to the target address the application uses (1, or every card for an A-class card); "
    "--address N (1..128, 129 for every card) picks another.",
    frame);

} // namespace

} // namespace dotsign::cli
