#include "sim/virtualcard.h"

#include "link/frames.h"
#include "sim/framemeaning.h"

#include <QTimer>
#include <cerrno>
#include <unistd.h>

namespace dotsign {

namespace {

// An incomplete frame followed by this much silence is given up: the host
// has moved on (its port vanished mid-frame, or it was noise).
constexpr qint64 kIdleResetUs = 200 * 1000;

uint8_t at(const QByteArray& b, int i)
{
    return static_cast<uint8_t>(b.at(i));
}

QByteArray defaultSettingsFrame(int address)
{
    TprojectProp s;
    s.cardAddress = address;
    s.baudRate = 9600;
    s.refreshRate = 100;
    s.screenWidth = 128;
    s.screenHeight = 32;
    s.dataLogic = 1;
    s.oeLogic = 1;
    // Until it is told otherwise the card lights its LEDs fully; its settings
    // read back say so.
    HardwareSettings hw;
    hw.dayBrightness = hw.nightBrightness = 200;
    return screenSettingsFrame(s, hw);
}

int msCeil(qint64 us)
{
    return static_cast<int>((us + 999) / 1000);
}

} // namespace

VirtualCard::VirtualCard(CardOptions options, QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_settings(defaultSettingsFrame(m_options.address))
{
    m_elapsed.start();
}

VirtualCard::~VirtualCard()
{
    stop();
}

Status VirtualCard::start()
{
    if (m_pty)
        return Status::success();
    QString error;
    m_pty = PtyPair::open(&error);
    if (!m_pty)
        return Status::failure(QStringLiteral("pseudo-terminal: %1").arg(error));
    m_notifier = std::make_unique<QSocketNotifier>(m_pty->masterFd(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &VirtualCard::onReadable);
    return Status::success();
}

void VirtualCard::stop()
{
    m_notifier.reset();
    m_pty.reset();
}

qint64 VirtualCard::byteUs() const
{
    return m_options.baudRate > 0 ? 10LL * 1000 * 1000 / m_options.baudRate : 0;
}

void VirtualCard::onReadable()
{
    if (!m_pty)
        return;
    char buf[4096];
    const ssize_t n = ::read(m_pty->masterFd(), buf, sizeof buf);
    if (n <= 0) {
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        m_notifier->setEnabled(false); // the line is gone; do not spin on it
        return;
    }
    const qint64 now = nowUs();
    if (m_parser.hasPending() && now - std::max(m_lastReadUs, m_lineFreeUs) > kIdleResetUs)
        for (const CardFrame& f : m_parser.flush())
            receive(f);
    m_lastReadUs = now;

    std::vector<qint64> times;
    times.reserve(static_cast<size_t>(n));
    for (ssize_t i = 0; i < n; ++i) {
        m_lineFreeUs = std::max(now, m_lineFreeUs) + byteUs();
        times.push_back(m_lineFreeUs);
    }
    for (const CardFrame& f : m_parser.feed(QByteArray(buf, static_cast<int>(n)), now, times)) {
        const qint64 wait = f.lastByteUs - now;
        if (wait <= 0)
            receive(f);
        else
            QTimer::singleShot(msCeil(wait), Qt::PreciseTimer, this, [this, f] { receive(f); });
    }
}

void VirtualCard::receive(const CardFrame& frame)
{
    LoggedFrame entry;
    entry.kind = frame.kind;
    entry.bytes = frame.bytes;
    entry.firstByteUs = frame.firstByteUs;
    entry.lastByteUs = frame.lastByteUs;
    entry.meaning = frameMeaning(frame.kind, frame.bytes);
    QByteArray answer = accept(entry);
    if (m_options.cardClass == 'A')
        answer.clear();
    if (!answer.isEmpty() && m_options.dropEveryNthAck > 0 && ++m_replies % m_options.dropEveryNthAck == 0) {
        entry.meaning += QStringLiteral(" (answer dropped)");
        answer.clear();
    }
    if (!entry.forUs)
        entry.meaning += QStringLiteral(" (not for us)");
    if (!answer.isEmpty())
        entry.answer = m_options.garbage + answer;
    m_log.push_back(entry);
    // Listeners see the frame before the answer leaves, so a test can pull
    // the line away between the two.
    emit frameReceived(entry);
    if (!entry.answer.isEmpty())
        sendReply(entry.answer);
}

bool VirtualCard::addressedToUs(uint8_t address) const
{
    return address == m_options.address || address == kBroadcastAddress;
}

QByteArray VirtualCard::accept(LoggedFrame& e)
{
    const QByteArray& b = e.bytes;
    const QByteArray ack = ackReply(static_cast<uint8_t>(m_options.address));
    switch (e.kind) {
    case CardFrameKind::Garbage:
        return {};
    case CardFrameKind::Power:
    case CardFrameKind::Pause:
    case CardFrameKind::Border:
    case CardFrameKind::Light:
    case CardFrameKind::Timer:
        e.forUs = addressedToUs(at(b, 7));
        if (!e.forUs)
            return {};
        if (e.kind == CardFrameKind::Power)
            m_power = at(b, 8);
        else if (e.kind == CardFrameKind::Pause)
            m_pause = at(b, 8);
        else if (e.kind == CardFrameKind::Border)
            m_border = at(b, 8) == kBorderOn;
        else if (e.kind == CardFrameKind::Light)
            m_brightness = b.mid(8, 6);
        else
            m_clock = b.mid(8, 11);
        return ack;
    case CardFrameKind::ScreenSettings:
        e.forUs = true; // sent to every card on the line
        storeSettings(b);
        return ackReply(static_cast<uint8_t>(m_options.address));
    case CardFrameKind::ProgramIndex:
    case CardFrameKind::DataBlock:
    case CardFrameKind::EndOfProgram:
        e.forUs = addressedToUs(at(b, 7));
        if (!e.forUs)
            return {};
        storeDownload(e);
        return ack;
    default:
        return answerProbe(e);
    }
}

QByteArray VirtualCard::answerProbe(LoggedFrame& e)
{
    const QByteArray& b = e.bytes;
    const uint8_t own = static_cast<uint8_t>(m_options.address);
    switch (e.kind) {
    case CardFrameKind::ReadSettings:
        e.forUs = addressedToUs(at(b, 4));
        return e.forUs ? settingsReply() : QByteArray();
    case CardFrameKind::CommTest:
        e.forUs = at(b, 3) == own;
        break;
    case CardFrameKind::UnitTest:
        e.forUs = at(b, 3) == own || at(b, 3) == 'T';
        break;
    case CardFrameKind::CommTestAll:
        e.forUs = true;
        break;
    case CardFrameKind::Discovery:
        // Discovery does not know the address; the card answers as card 1,
        // the address the host's target list stands at.
        e.forUs = true;
        return ackReply(1);
    default:
        return {};
    }
    return e.forUs ? ackReply(own) : QByteArray();
}

void VirtualCard::storeSettings(const QByteArray& frame)
{
    m_settings = frame;
    // The settings frame is how a card gets its address.
    const int address = at(frame, screenset::kAddress);
    if (address >= 1 && address <= 128)
        m_options.address = address;
}

void VirtualCard::storeDownload(LoggedFrame& e)
{
    const QByteArray& b = e.bytes;
    if (e.kind == CardFrameKind::ProgramIndex) {
        ProgramUpload& p = m_programs[at(b, 155) + 1];
        p = ProgramUpload{};
        p.index = b;
    } else if (e.kind == CardFrameKind::DataBlock) {
        ProgramUpload& p = m_programs[at(b, 8)];
        const int block = at(b, 9);
        p.blocks[block] = b.mid(10, kBlockDataSize);
        p.blockOrder.push_back(block);
    } else {
        m_programs[at(b, 8)].endCount = at(b, 9);
    }
}

QByteArray VirtualCard::settingsReply() const
{
    QByteArray reply = m_settings.mid(screenset::kReplyStart, kSettingsReplyLength);
    reply[0] = static_cast<char>(m_options.address);
    reply[7] = static_cast<char>(m_options.cardClass == 'C' ? 3 : (m_options.cardClass == 'B' ? 2 : 1));
    return reply;
}

void VirtualCard::sendReply(const QByteArray& reply)
{
    const qint64 delayUs = m_options.ackDelayMs * 1000LL + reply.size() * byteUs();
    auto write = [this, reply] {
        if (!m_pty)
            return;
        const ssize_t n = ::write(m_pty->masterFd(), reply.constData(), static_cast<size_t>(reply.size()));
        Q_UNUSED(n); // a host that stopped reading simply misses the answer
    };
    if (delayUs <= 0)
        write();
    else
        QTimer::singleShot(msCeil(delayUs), Qt::PreciseTimer, this, write);
}

void VirtualCard::inject(const QByteArray& bytes)
{
    if (!m_pty || bytes.isEmpty())
        return;
    const ssize_t n = ::write(m_pty->masterFd(), bytes.constData(), static_cast<size_t>(bytes.size()));
    Q_UNUSED(n);
}

QString describeFrame(const LoggedFrame& frame)
{
    QString line = hexBytes(frame.bytes) + QStringLiteral("  # ") + frame.meaning;
    if (!frame.answer.isEmpty())
        line += QStringLiteral(" -> ") + hexBytes(frame.answer);
    return line;
}

} // namespace dotsign
