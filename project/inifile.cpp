#include "project/inifile.h"

#include "project/atomicfile.h"
#include "project/gbk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace dotsign {

namespace {

// Windows compares profile names without regard to the case of ASCII letters.
bool sameName(QStringView a, QStringView b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// "[name]" → name; anything else → nullopt. Text after the closing bracket is ignored.
std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    return close < 0 ? t.mid(1) : t.mid(1, close - 1);
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_loadStatus = Status::failure(QCoreApplication::translate("FileAccess", "无法读取文件 %1：%2")
                                           .arg(QDir::toNativeSeparators(m_path), file.errorString()));
        return;
    }
    QString text = fromGbk(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

IniFile::Location IniFile::locate(const QString& section, const QString& key) const
{
    Location where;
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        if (const auto name = sectionName(line)) {
            if (where.sectionLine >= 0)
                break; // only the first section of that name counts
            inSection = sameName(*name, section);
            if (inSection)
                where.sectionLine = where.lastLine = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!line.trimmed().isEmpty())
            where.lastLine = i;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && where.keyLine < 0 && sameName(QStringView(line).left(eq), key))
            where.keyLine = i;
    }
    return where;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const Location where = locate(section, key);
    if (where.keyLine < 0)
        return std::nullopt;
    const QString& line = m_lines.at(where.keyLine);
    QString v = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    // Like the profile API, a value wrapped in matching quotes loses them.
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) &&
        v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    // Line breaks inside a value would start new lines; the value ends there.
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString line = key.trimmed() + QLatin1Char('=') + v;
    const Location where = locate(section, key);
    if (where.keyLine >= 0) {
        if (m_lines.at(where.keyLine) == line)
            return;
        m_lines[where.keyLine] = line;
    } else if (where.sectionLine >= 0) {
        m_lines.insert(where.lastLine + 1, line);
    } else {
        m_lines.append(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
        m_lines.append(line);
    }
    m_modified = true;
}

QByteArray IniFile::toBytes() const
{
    QString text;
    for (const QString& line : m_lines)
        text += line + QLatin1String("\r\n");
    return toGbk(text);
}

Status IniFile::save()
{
    if (!m_modified)
        return Status::success();
    Status status = writeFileAtomically(m_path, toBytes());
    if (status)
        m_modified = false;
    return status;
}

Status IniFile::writeKey(const QString& path, const QString& section, const QString& key,
                         const QString& value)
{
    IniFile ini(path);
    if (!ini.loadStatus())
        return ini.loadStatus(); // never overwrite a file we could not read
    ini.writeString(section, key, value);
    return ini.save();
}

} // namespace dotsign
