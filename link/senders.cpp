#include "link/senders.h"

#include "link/downloadframes.h"
#include "link/frames.h"
#include "link/linklog.h"

#include <QCoreApplication>

namespace dotsign {

namespace {

uint8_t controlAddress(Exchange& ex)
{
    return ControlAddress(ex.link().targetIndex, ex.state().cur().cardModel);
}

// Control frames go through the shared buffer, whose leftovers later frames carry.
Status sendControl(Exchange& ex, const QByteArray& frame, int waitMs)
{
    const QByteArray bytes = ex.link().frameBuffer.assemble(frame);
    return ex.send(bytes, waitMs).status(true);
}

QString infoCaption()
{
    return QCoreApplication::translate("Link", "信息提示");
}

} // namespace

Status SendPower(Exchange& ex, int state)
{
    return sendControl(ex, powerFrame(controlAddress(ex), static_cast<uint8_t>(state)), kPowerWait);
}

Status SendPAUSE(Exchange& ex, int state)
{
    return sendControl(ex, pauseFrame(controlAddress(ex), static_cast<uint8_t>(state)), kPauseWait);
}

Status Sendlsbk(Exchange& ex, uint8_t mode)
{
    return sendControl(ex, borderFrame(controlAddress(ex), mode), kBorderWait);
}

Status SendLight(Exchange& ex, uint8_t dayHour, uint8_t dayMinute, uint8_t nightHour, uint8_t nightMinute,
                 uint8_t dayLevel, uint8_t nightLevel)
{
    return sendControl(
        ex, lightFrame(controlAddress(ex), dayHour, dayMinute, nightHour, nightMinute, dayLevel, nightLevel),
        kLightWait);
}

Status SendTimer(Exchange& ex, const QDateTime& now, uint8_t onHour, uint8_t onMinute, uint8_t offHour,
                 uint8_t offMinute)
{
    return sendControl(ex, timerFrame(controlAddress(ex), now, onHour, onMinute, offHour, offMinute),
                       kTimerWait);
}

ExchangeResult SendTest(Exchange& ex)
{
    return ex.send(unitTestFrame(ex.link().testIndex, ex.state().cur().cardModel), kUnitTestWait);
}

Status SendDispScreenSet(Exchange& ex)
{
    return ex.send(screenSettingsFrame(ex.state().cur(), ex.state().hw), kScreenSettingsWait).status(true);
}

ExchangeResult SendCommTest(Exchange& ex)
{
    return ex.send(commTestProbe(ex.link().testIndex, ex.state().cur().cardModel), kCommTestWait);
}

Status SendReadSettings(Exchange& ex, int cardAddressIndex)
{
    ex.link().expectSettingsReply = true;
    const ExchangeResult r = ex.send(readSettingsRequest(cardAddressIndex), kReadSettingsWait);
    ex.link().expectSettingsReply = false;
    return r.status(true);
}

ExchangeResult SendDiscoveryProbe(Exchange& ex)
{
    return ex.send(discoveryProbe(), kDiscoveryWait);
}

Status unitTestMessage(const ExchangeResult& r, const LinkState& link, const QString& cardModel)
{
    if (r.portFailed)
        return r.status(false);
    if (link.testIndex == kBroadcastIndex)
        return Status::success();
    if (!r.acknowledged)
        return Status::failure(noReplyMessage());
    if (isCardClassA(cardModel))
        return Status::success();
    return Status{true, QCoreApplication::translate("Link", "通讯连接正常。"), QString()};
}

Status commTestMessage(const ExchangeResult& r, const LinkState& link, const QString& cardModel)
{
    if (r.portFailed || link.testIndex == kBroadcastIndex)
        return Status::success(); // the test ends without a word
    if (!r.acknowledged)
        return Status::failure(noReplyMessage());
    if (isCardClassA(cardModel))
        return Status{
            true,
            QCoreApplication::translate("Link", "A类卡请查看显示屏上是不是显示《通讯测试》,如果是通讯正常。"),
            infoCaption()};
    return Status{true, QCoreApplication::translate("Link", "通讯测试,通讯正常。"), infoCaption()};
}

ExchangeResult SendProgramIndex(Exchange& ex, int k)
{
    QString error;
    const auto frame = programIndexFrame(ex.link().frameBuffer, ex.state().cur(), k,
                                         DownloadAddress(ex.link().targetIndex), &error);
    if (!frame) {
        qCDebug(lcLink).noquote() << "program index not built:" << error;
        ExchangeResult failed;
        failed.portFailed = true;
        failed.reason = error;
        return failed;
    }
    return ex.send(*frame, kProgramIndexWait);
}

ExchangeResult SendProgramData(Exchange& ex, int block)
{
    const QByteArray frame = dataBlockFrame(ex.link().frameBuffer, DownloadAddress(ex.link().targetIndex));
    return ex.send(frame, dataBlockWait(block));
}

ExchangeResult SendTansLoad(Exchange& ex)
{
    const QByteArray frame = endOfProgramFrame(ex.link().frameBuffer, DownloadAddress(ex.link().targetIndex));
    return ex.send(frame, kEndOfProgramWait);
}

} // namespace dotsign
