#include "link/exchange.h"

#include "link/frames.h"
#include "link/linklog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace dotsign {

const char* const kNoReplyMessage =
    QT_TRANSLATE_NOOP("Link", "可能没有连接到控制卡或通讯线接触不好，请检查一下后重新操作。");
const char* const kSendFailedMessage = QT_TRANSLATE_NOOP("Link", "串口数据发送失败。");

QString noReplyMessage()
{
    return QCoreApplication::translate("Link", kNoReplyMessage);
}

QString sendFailedMessage()
{
    return QCoreApplication::translate("Link", kSendFailedMessage);
}

Status ExchangeResult::status(bool reportsNoReply) const
{
    if (portFailed)
        return Status::failure(sendFailedMessage());
    if (reportsNoReply && !acknowledged)
        return Status::failure(noReplyMessage());
    return Status::success();
}

Exchange::Exchange(Transport& transport, LinkState& link, ProjectState& state, QObject* parent)
    : QObject(parent), m_transport(transport), m_link(link), m_state(state)
{
    connect(&m_transport, &Transport::readyRead, this, &Exchange::onReadyRead);
    connect(&m_transport, &Transport::failed, this, &Exchange::onFailed);
}

int Exchange::drainTimeout(int frameBytes) const
{
    const int baud = m_state.serial.baudRate > 0 ? m_state.serial.baudRate : 9600;
    return 2 * frameBytes * 10 * 1000 / baud + m_drainMarginMs;
}

ExchangeResult Exchange::send(const QByteArray& frame, int timeoutMs)
{
    ExchangeResult result;
    m_failure.clear();
    const Status opened = m_transport.open();
    if (!opened) {
        qCDebug(lcLink).noquote() << "open failed:" << opened.message;
        result.portFailed = true;
        result.reason = opened.message;
        return result;
    }
    m_link.resetReceive();
    m_link.ReplyFlag = 0;
    qCDebug(lcLink).noquote() << "tx" << hexBytes(frame);

    Status sent = m_transport.write(frame);
    if (sent)
        sent = m_transport.drain(drainTimeout(static_cast<int>(frame.size())));
    if (sent) {
        WaitForReply(timeoutMs);
        if (!m_failure.isEmpty())
            sent = Status::failure(m_failure);
    }
    m_transport.close();

    result.acknowledged = m_link.ReplyFlag == kReplyAcknowledged;
    if (!sent) {
        qCDebug(lcLink).noquote() << "exchange failed:" << sent.message;
        result.portFailed = true;
        result.reason = sent.message;
    }
    return result;
}

void Exchange::WaitForReply(int timeoutMs)
{
    if (timeoutMs > 0 && m_link.ReplyFlag == 0 && m_failure.isEmpty()) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(this, &Exchange::replyReceived, &loop, [this, &loop] {
            if (m_link.ReplyFlag != 0)
                loop.quit();
        });
        connect(&m_transport, &Transport::failed, &loop, &QEventLoop::quit);
        timer.start(timeoutMs);
        loop.exec();
    }
    if (isCardClassA(m_state.cur().cardModel))
        m_link.ReplyFlag = kReplyAcknowledged;
}

void Exchange::onReadyRead()
{
    const QByteArray bytes = m_transport.readAll();
    if (bytes.isEmpty())
        return;
    const RxResult r = ComPortRxChar(m_link, m_state.cur(), bytes);
    if (r.event == RxEvent::SettingsApplied)
        emit settingsReplyApplied(r.reply);
    emit replyReceived(r.event, r.reply);
}

void Exchange::onFailed(const QString& reason)
{
    m_failure = reason;
}

} // namespace dotsign
