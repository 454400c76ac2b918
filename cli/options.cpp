#include "cli/options.h"

namespace dotsign::cli {

Options::Options(const QStringList& args, const QStringList& valued, const QStringList& flags)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (!a.startsWith(QLatin1String("--")) || a == QLatin1String("--")) {
            m_positional << a;
        } else if (valued.contains(a)) {
            if (i + 1 >= args.size()) {
                m_error = QStringLiteral("%1 needs a value").arg(a);
                return;
            }
            m_values.insert(a, args.at(++i));
        } else if (flags.contains(a)) {
            m_flags.insert(a);
        } else {
            m_error = QStringLiteral("unknown option %1").arg(a);
            return;
        }
    }
}

std::optional<int> Options::number(const QString& name, int min, int max)
{
    bool ok = false;
    const int v = m_values.value(name).toInt(&ok);
    if (!m_values.contains(name)) {
        m_error = QStringLiteral("%1 is required").arg(name);
        return std::nullopt;
    }
    if (!ok || v < min || v > max) {
        m_error = QStringLiteral("%1 must be a number from %2 to %3").arg(name).arg(min).arg(max);
        return std::nullopt;
    }
    return v;
}

} // namespace dotsign::cli
