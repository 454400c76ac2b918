#pragma once
// The senders of the controller commands: each builds its frame and runs one
// exchange with the frame's own wait. The returned Status is what the operator
// is told: "串口数据发送失败。" when the port failed, the no-reply message
// when the frame reports a missing acknowledgement. The command's entry point
// sets ReplyAddressMode and disables the device commands before calling.

#include "link/exchange.h"

#include <QDateTime>

namespace dotsign {

// Control frames, assembled in the shared frame buffer.
Status SendPower(Exchange& ex, int state);
Status SendPAUSE(Exchange& ex, int state);
Status Sendlsbk(Exchange& ex, uint8_t mode);
Status SendLight(Exchange& ex, uint8_t dayHour, uint8_t dayMinute, uint8_t nightHour, uint8_t nightMinute,
                 uint8_t dayLevel, uint8_t nightLevel);
Status SendTimer(Exchange& ex, const QDateTime& now, uint8_t onHour, uint8_t onMinute, uint8_t offHour,
                 uint8_t offMinute);

// The hardware dialog's frames. SendTest and the communication test return
// the raw result: what is shown depends on the test address list and the
// card class (unitTestMessage, commTestMessage).
ExchangeResult SendTest(Exchange& ex);
Status SendDispScreenSet(Exchange& ex);
ExchangeResult SendCommTest(Exchange& ex);
// "SNDR" + the card address; the settings reply is applied by the parser.
Status SendReadSettings(Exchange& ex, int cardAddressIndex);

// The discovery probe, "CON" 0x00; nothing is reported.
ExchangeResult SendDiscoveryProbe(Exchange& ex);

// What the unit-board test and the communication test show afterwards
// (empty: nothing), and the caption of that box.
Status unitTestMessage(const ExchangeResult& r, const LinkState& link, const QString& cardModel);
Status commTestMessage(const ExchangeResult& r, const LinkState& link, const QString& cardModel);

// The download's three frames. A program whose dates or slot times cannot be
// read fails like a port error, which stops the download.
ExchangeResult SendProgramIndex(Exchange& ex, int k);
ExchangeResult SendProgramData(Exchange& ex, int block);
ExchangeResult SendTansLoad(Exchange& ex);

} // namespace dotsign
