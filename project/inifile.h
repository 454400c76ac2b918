#pragma once
// An INI file that behaves like the Windows profile API the project files come
// from: GBK text, CR LF line ends, "key=value" lines under "[section]" lines.
// Section and key names match case-insensitively (ASCII letters) with the
// blanks around them ignored; a missing file or key reads as the caller's
// default; writing replaces the first matching key in place or appends it to
// the end of its section, creating the section at the end of the file when it
// is missing. Nothing is ever deleted, and lines it does not understand
// (comments, foreign keys) are written back as they were.
//
// The object holds the whole file in memory; save() writes it back in one
// atomic replacement, so a crash or a full disk never leaves half a file.

#include "project/status.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace dotsign {

class IniFile
{
public:
    // Reads `path`; a missing file starts empty. An existing file that cannot
    // be read is reported by loadStatus() and also starts empty.
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }
    const Status& loadStatus() const { return m_loadStatus; }
    bool isModified() const { return m_modified; }

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // The raw value when the key exists.
    std::optional<QString> value(const QString& section, const QString& key) const;
    void writeString(const QString& section, const QString& key, const QString& value);

    // The file as it would be written: GBK bytes with CR LF line ends.
    QByteArray toBytes() const;
    // Writes the file when something changed since it was read or last saved.
    Status save();

    // Writes one key straight into the file at `path` (for dialogs that store
    // a single setting): read, replace or append, write back atomically.
    static Status writeKey(const QString& path, const QString& section, const QString& key,
                           const QString& value);

private:
    struct Location
    {
        int sectionLine = -1; // line of "[section]", -1 when missing
        int keyLine = -1;     // line of the key, -1 when missing
        int lastLine = -1;    // last non-blank line of the section
    };
    Location locate(const QString& section, const QString& key) const;

    QString m_path;
    QStringList m_lines;
    Status m_loadStatus;
    bool m_modified = false;
};

} // namespace dotsign
