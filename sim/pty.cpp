#include "sim/pty.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace dotsign {

namespace {

bool makeRaw(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

} // namespace

std::optional<PtyPair> PtyPair::open(QString* error)
{
    PtyPair pair;
    char name[256] = {};
    if (::openpty(&pair.m_master, &pair.m_slave, name, nullptr, nullptr) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    pair.m_slavePath = QString::fromLocal8Bit(name);
    const int flags = ::fcntl(pair.m_master, F_GETFL);
    if (!makeRaw(pair.m_master) || !makeRaw(pair.m_slave) || flags < 0 ||
        ::fcntl(pair.m_master, F_SETFL, flags | O_NONBLOCK) != 0) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    ::fcntl(pair.m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(pair.m_slave, F_SETFD, FD_CLOEXEC);
    return std::optional<PtyPair>(std::move(pair));
}

PtyPair::PtyPair(PtyPair&& other) noexcept
    : m_master(std::exchange(other.m_master, -1)), m_slave(std::exchange(other.m_slave, -1)),
      m_slavePath(std::move(other.m_slavePath))
{}

PtyPair& PtyPair::operator=(PtyPair&& other) noexcept
{
    if (this != &other) {
        close();
        m_master = std::exchange(other.m_master, -1);
        m_slave = std::exchange(other.m_slave, -1);
        m_slavePath = std::move(other.m_slavePath);
    }
    return *this;
}

PtyPair::~PtyPair()
{
    close();
}

void PtyPair::close()
{
    if (m_slave >= 0)
        ::close(std::exchange(m_slave, -1));
    if (m_master >= 0)
        ::close(std::exchange(m_master, -1));
}

} // namespace dotsign
