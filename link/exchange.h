#pragma once
// One exchange with the controller card: open the port, reset the receive
// state, write the frame, wait until its last byte has left the port, wait
// for the reply, close the port. The waits run a local event loop, so the
// window stays responsive and replies are parsed as they arrive; the device
// commands are disabled meanwhile (DeviceCommands) so no second command can
// start inside the wait.

#include "link/linkstate.h"
#include "link/replyparser.h"
#include "link/transport.h"
#include "project/projectstate.h"
#include "project/status.h"

#include <QObject>

namespace dotsign {

// The operator's messages of the link, untranslated; the functions return
// them in the language of the user interface.
extern const char* const kNoReplyMessage;    // no acknowledgement within the wait
extern const char* const kSendFailedMessage; // the port could not be opened or written
QString noReplyMessage();
QString sendFailedMessage();

struct ExchangeResult
{
    bool portFailed = false;   // open, write or the line itself failed
    bool acknowledged = false; // ReplyFlag was set when the wait ended
    QString reason;            // the system's reason when portFailed

    // What the operator is told: the send-failed message for a port failure,
    // the no-reply message when `reportsNoReply` and nothing came back.
    Status status(bool reportsNoReply) const;
};

class Exchange : public QObject
{
    Q_OBJECT
public:
    Exchange(Transport& transport, LinkState& link, ProjectState& state, QObject* parent = nullptr);

    LinkState& link() { return m_link; }
    ProjectState& state() { return m_state; }

    // Sends `frame` and waits up to `timeoutMs` for an acceptable reply.
    ExchangeResult send(const QByteArray& frame, int timeoutMs);

    // Waits until ReplyFlag is set or `timeoutMs` have passed; an A-class
    // card counts as acknowledged afterwards, since it never answers.
    void WaitForReply(int timeoutMs);

    // The longest the write may take to leave the port before it counts as
    // failed: twice the frame's time on the wire plus this margin.
    void setDrainMargin(int ms) { m_drainMarginMs = ms; }

signals:
    // A settings reply for our card arrived and is already in the screen
    // record; the hardware dialog, when open, fills its controls from it.
    void settingsReplyApplied(const QByteArray& reply);
    void replyReceived(dotsign::RxEvent event, const QByteArray& bytes);

private:
    void onReadyRead();
    void onFailed(const QString& reason);
    int drainTimeout(int frameBytes) const;

    Transport& m_transport;
    LinkState& m_link;
    ProjectState& m_state;
    QString m_failure;
    int m_drainMarginMs = 3000;
};

} // namespace dotsign
