#pragma once
// A small tmpfs standing in for a removable disk: one that really fills up, or
// really is read-only (permission bits alone stop nothing when tests run as
// root). Needs root; tests skip when it cannot be mounted.

#include <QString>

class SmallVolume
{
public:
    explicit SmallVolume(int kilobytes);
    ~SmallVolume();
    SmallVolume(const SmallVolume&) = delete;
    SmallVolume& operator=(const SmallVolume&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& path() const { return m_path; }
    // Writes a filler file until no more than `leaveKilobytes` are free.
    void fill(int leaveKilobytes = 0);
    // Remounts read-only (true) or read-write (false).
    bool setReadOnly(bool readOnly);

private:
    QString m_path;
    bool m_mounted = false;
};
