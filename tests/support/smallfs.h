#pragma once
// A small tmpfs for fault tests: a disk that really fills up, or a folder that
// really is read-only (permission bits alone stop nothing when tests run as
// root). Needs root; tests skip when it cannot be mounted.

#include <QString>

class SmallFileSystem
{
public:
    explicit SmallFileSystem(int kilobytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

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
