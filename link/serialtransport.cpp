#include "link/linklog.h"
#include "link/transport.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include <sys/ioctl.h>
#include <termios.h>

namespace dotsign {

namespace {

constexpr int kBitsPerByte = 10; // start, 8 data, stop
constexpr int kDrainPollMs = 5;

} // namespace

SerialTransport::SerialTransport(const SerialSettings& settings, QObject* parent)
    : Transport(parent), m_settings(settings)
{
    m_clock.start();
    connect(&m_port, &QSerialPort::readyRead, this, &Transport::readyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialTransport::onError);
}

SerialTransport::~SerialTransport()
{
    close();
}

Status SerialTransport::open()
{
    if (m_port.isOpen())
        return Status::success();
    m_failure.clear();
    m_port.setPortName(m_settings.portName);
    m_port.setBaudRate(m_settings.baudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QString reason = m_port.errorString();
        m_port.close();
        return Status::failure(QStringLiteral("%1: %2").arg(m_settings.portName, reason));
    }
    // Modem lines do not exist on every port (a pseudo-terminal has none).
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(false);
    // Whatever came in while the port was closed belongs to no exchange.
    m_port.clear(QSerialPort::Input);
    m_port.clearError();
    return Status::success();
}

void SerialTransport::close()
{
    if (m_port.isOpen())
        m_port.close();
}

Status SerialTransport::write(const QByteArray& bytes)
{
    if (!m_port.isOpen())
        return Status::failure(QStringLiteral("%1: not open").arg(m_settings.portName));
    if (!m_failure.isEmpty())
        return Status::failure(m_failure);
    const qint64 written = m_port.write(bytes);
    if (written != bytes.size())
        return Status::failure(QStringLiteral("%1: %2").arg(m_settings.portName, m_port.errorString()));
    const int baud = m_settings.baudRate > 0 ? m_settings.baudRate : 9600;
    const qint64 wireMs = (bytes.size() * kBitsPerByte * 1000 + baud - 1) / baud;
    m_wireDoneMs = std::max(m_wireDoneMs, m_clock.elapsed()) + wireMs;
    m_port.flush();
    return Status::success();
}

int SerialTransport::driverQueue() const
{
    const int fd = static_cast<int>(m_port.handle());
    int queued = 0;
    if (fd < 0 || ::ioctl(fd, TIOCOUTQ, &queued) != 0)
        return 0;
    return queued;
}

bool SerialTransport::drained()
{
    if (m_port.bytesToWrite() > 0)
        m_port.flush();
    return m_port.bytesToWrite() == 0 && driverQueue() == 0 && m_clock.elapsed() >= m_wireDoneMs;
}

Status SerialTransport::drain(int timeoutMs)
{
    if (!m_port.isOpen())
        return Status::failure(QStringLiteral("%1: not open").arg(m_settings.portName));
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    // Sleep until the wire should be done, then poll the driver's queue.
    const auto arm = [&] {
        const qint64 wireLeft = m_wireDoneMs - m_clock.elapsed();
        tick.start(wireLeft > 0 ? static_cast<int>(std::min<qint64>(wireLeft, timeoutMs)) : kDrainPollMs);
    };
    connect(&tick, &QTimer::timeout, &loop, [&] {
        if (!m_failure.isEmpty() || drained() || waited.elapsed() >= timeoutMs)
            loop.quit();
        else
            arm();
    });
    connect(this, &Transport::failed, &loop, &QEventLoop::quit);
    if (m_failure.isEmpty() && !drained()) {
        arm();
        loop.exec();
    }
    if (!m_failure.isEmpty())
        return Status::failure(m_failure);
    if (!drained())
        return Status::failure(
            QStringLiteral("%1: bytes still queued after %2 ms").arg(m_settings.portName).arg(timeoutMs));
    return Status::success();
}

void SerialTransport::onError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::UnsupportedOperationError: // modem lines on a pseudo-terminal
        return;
    case QSerialPort::OpenError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
        return; // reported by open()
    default:
        break;
    }
    if (!m_port.isOpen() || !m_failure.isEmpty())
        return;
    m_failure = QStringLiteral("%1: %2").arg(m_settings.portName, m_port.errorString());
    qCDebug(lcLink).noquote() << "port failed:" << m_failure;
    // The exchange closes the port once its wait has unwound; closing it here,
    // inside the port's own notification, is not safe.
    emit failed(m_failure);
}

} // namespace dotsign
