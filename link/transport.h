#pragma once
// What the exchange needs of a serial line: open, write, wait until the bytes
// have left, read what came back, close. SerialTransport drives a QSerialPort,
// which also opens the slave side of a pseudo-terminal (the virtual card).

#include "project/projectstate.h"
#include "project/status.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>

namespace dotsign {

class Transport : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Failures carry the system's reason; the exchange turns them into the
    // operator's message.
    virtual Status open() = 0;
    virtual bool isOpen() const = 0;
    // Discards nothing: callers drain before closing.
    virtual void close() = 0;
    virtual Status write(const QByteArray& bytes) = 0;
    // Returns once every byte written has left the port, processing events
    // meanwhile, or fails after `timeoutMs` or when the port breaks.
    virtual Status drain(int timeoutMs) = 0;
    virtual QByteArray readAll() = 0;

signals:
    void readyRead();
    // The port broke while open (unplugged adapter, vanished pseudo-terminal).
    void failed(const QString& reason);
};

// The real port. Settings are taken from `settings` (port name, speed) at
// every open, so the port always follows the last ApplayCom: 8 data bits, no
// parity, 1 stop bit, no flow control, DTR on, RTS off.
class SerialTransport : public Transport
{
    Q_OBJECT
public:
    explicit SerialTransport(const SerialSettings& settings, QObject* parent = nullptr);
    ~SerialTransport() override;

    Status open() override;
    bool isOpen() const override { return m_port.isOpen(); }
    void close() override;
    Status write(const QByteArray& bytes) override;
    Status drain(int timeoutMs) override;
    QByteArray readAll() override { return m_port.readAll(); }

    // Bytes the driver still holds for sending (TIOCOUTQ); 0 when unknown.
    int driverQueue() const;

private:
    void onError(QSerialPort::SerialPortError error);
    bool drained();

    const SerialSettings& m_settings;
    QSerialPort m_port;
    QString m_failure;
    // The bytes cannot leave faster than the line speed allows, whatever a
    // USB adapter or a pseudo-terminal claims about its queue.
    QElapsedTimer m_clock;
    qint64 m_wireDoneMs = 0;
};

} // namespace dotsign
