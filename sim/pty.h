#pragma once
// A pseudo-terminal pair for the virtual card: the card owns the master side,
// the host opens the slave path like any serial port. Both sides are raw (no
// echo, no line editing, no character translation), so bytes pass unchanged.

#include "project/status.h"

#include <QString>
#include <optional>

namespace dotsign {

class PtyPair
{
public:
    // Opens a new pair; the failure carries the system's reason.
    static std::optional<PtyPair> open(QString* error = nullptr);

    PtyPair(PtyPair&& other) noexcept;
    PtyPair& operator=(PtyPair&& other) noexcept;
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;
    ~PtyPair();

    int masterFd() const { return m_master; }
    // The card keeps one slave descriptor open itself: without it the master
    // reports a hang-up whenever the host has the port closed.
    int slaveFd() const { return m_slave; }
    const QString& slavePath() const { return m_slavePath; }

    // Closes both sides: the host's port vanishes.
    void close();

private:
    PtyPair() = default;

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace dotsign
