#pragma once
// A virtual controller card on the master side of a pseudo-terminal. The host
// opens the slave path as its serial port and talks to it exactly as to a
// card on a cable: the card parses the byte stream by the fixed frame layouts,
// keeps what it was sent (settings, brightness, clock and power timer, power,
// pause, border, downloaded programs), acknowledges what it accepts with
// 0x60, its address, 0x00 (B and C classes; an A-class card never answers)
// and answers "SNDR" with its 33-byte settings reply.
//
// With a line speed set, bytes take their time on the simulated wire (10 bits
// each): a frame counts as received only when its last byte would have
// arrived, and a reply reaches the host only after its own wire time.

#include "sim/cardparser.h"
#include "sim/pty.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace dotsign {

struct CardOptions
{
    int address = 1;
    char cardClass = 'B'; // 'A', 'B' or 'C'
    int ackDelayMs = 0;
    int dropEveryNthAck = 0; // 0: answer every frame
    QByteArray garbage;      // sent in front of every reply
    int baudRate = 0;        // 0: the wire takes no time
};

// One frame as the card saw it.
struct LoggedFrame
{
    CardFrameKind kind = CardFrameKind::Garbage;
    QByteArray bytes;
    QString meaning;
    qint64 firstByteUs = 0; // on the card's clock (microseconds since start)
    qint64 lastByteUs = 0;
    bool forUs = false; // addressed to this card (or to every card)
    QByteArray answer;  // what was sent back (empty: nothing)
};

// A program as downloaded: the raw index frame and the 512-byte payloads of
// its data blocks by block number, and the count of its end frame.
struct ProgramUpload
{
    QByteArray index;
    std::map<int, QByteArray> blocks;
    std::vector<int> blockOrder;
    int endCount = -1;
};

class VirtualCard : public QObject
{
    Q_OBJECT
public:
    explicit VirtualCard(CardOptions options = {}, QObject* parent = nullptr);
    ~VirtualCard() override;

    // Creates the pseudo-terminal; the failure carries the system's reason.
    Status start();
    // Closes both sides: to the host the port has vanished.
    void stop();
    bool isRunning() const { return m_pty.has_value(); }
    QString portPath() const { return m_pty ? m_pty->slavePath() : QString(); }

    const CardOptions& options() const { return m_options; }
    void setOptions(const CardOptions& options) { m_options = options; }
    int address() const { return m_options.address; }

    // Puts raw bytes on the line towards the host at once (noise, replies a
    // real card would never send).
    void inject(const QByteArray& bytes);

    // What the card was last sent.
    std::optional<int> power() const { return m_power; }
    std::optional<int> pause() const { return m_pause; }
    std::optional<bool> border() const { return m_border; }
    const QByteArray& brightness() const
    {
        return m_brightness;
    }                                                   // day h, m, night h, m, day level, night level
    const QByteArray& clock() const { return m_clock; } // yy mm dd wd hh mm ss, on h m, off h m
    const QByteArray& settingsFrame() const { return m_settings; }
    QByteArray settingsReply() const;
    const std::map<int, ProgramUpload>& programs() const { return m_programs; }
    const std::vector<LoggedFrame>& log() const { return m_log; }
    void clearLog() { m_log.clear(); }

    // Microseconds since the card started.
    qint64 nowUs() const { return m_elapsed.nsecsElapsed() / 1000; }

signals:
    void frameReceived(const dotsign::LoggedFrame& frame);

private:
    void onReadable();
    void receive(const CardFrame& frame);
    bool addressedToUs(uint8_t address) const;
    QByteArray accept(LoggedFrame& entry);
    QByteArray answerProbe(LoggedFrame& entry);
    void storeDownload(LoggedFrame& entry);
    void storeSettings(const QByteArray& frame);
    void sendReply(const QByteArray& reply);
    qint64 byteUs() const;

    CardOptions m_options;
    std::optional<PtyPair> m_pty;
    std::unique_ptr<QSocketNotifier> m_notifier;
    CardParser m_parser;
    QElapsedTimer m_elapsed;
    qint64 m_lineFreeUs = 0; // when the simulated wire has delivered the last byte read
    qint64 m_lastReadUs = -1;
    int m_replies = 0;

    std::optional<int> m_power;
    std::optional<int> m_pause;
    std::optional<bool> m_border;
    QByteArray m_brightness;
    QByteArray m_clock;
    QByteArray m_settings;
    std::map<int, ProgramUpload> m_programs;
    std::vector<LoggedFrame> m_log;
};

// "53 4E 44 ... # power on" lines for the record file.
QString describeFrame(const LoggedFrame& frame);

} // namespace dotsign
