#pragma once
// A small option reader for the subcommands: "--name value" pairs, flags and
// positional arguments, with the errors a script author needs to see.

#include <QMap>
#include <QSet>
#include <QStringList>
#include <optional>

namespace dotsign::cli {

class Options
{
public:
    // `valued` lists the options that take a value; `flags` those that do not.
    Options(const QStringList& args, const QStringList& valued, const QStringList& flags);

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    const QStringList& positional() const { return m_positional; }
    bool has(const QString& name) const { return m_values.contains(name) || m_flags.contains(name); }
    QString value(const QString& name, const QString& fallback = QString()) const
    {
        return m_values.value(name, fallback);
    }
    // The option as a whole number in [min, max]; sets the error otherwise.
    std::optional<int> number(const QString& name, int min, int max);

private:
    QMap<QString, QString> m_values;
    QSet<QString> m_flags;
    QStringList m_positional;
    QString m_error;
};

} // namespace dotsign::cli
