#pragma once
// A host and a virtual card joined by a pseudo-terminal: the real exchange
// over a real QSerialPort against the card on the pty's master side.

#include "link/exchange.h"
#include "link/transport.h"
#include "sim/virtualcard.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace dotsign::test {

struct LinkRig
{
    explicit LinkRig(CardOptions options = {}, const QString& cardModel = QStringLiteral("B类卡"),
                     int baud = 115200)
        : card(std::move(options))
    {
        const Status started = card.start();
        EXPECT_TRUE(started.ok) << started.message.toStdString();
        state.cur().cardModel = cardModel;
        state.cur().cardAddress = 1;
        state.serial.portName = card.portPath();
        state.serial.baudRate = baud;
        transport = std::make_unique<SerialTransport>(state.serial);
        exchange = std::make_unique<Exchange>(*transport, link, state);
    }

    ProjectState state;
    LinkState link;
    VirtualCard card;
    std::unique_ptr<SerialTransport> transport;
    std::unique_ptr<Exchange> exchange;
};

// Lets the event loop run for `ms` (late replies, timers of the card).
inline void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

inline QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

} // namespace dotsign::test
