#include "sim/exportdecode.h"

#include "sim/playerindex.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace dotsign {

namespace {

constexpr int kHeaderLength = 4;
constexpr int kSettingsLength = 47;
constexpr int kBlockLength = 530;
constexpr int kBlockData = 512;
constexpr int kMarkerLength = 530;
constexpr uint8_t kMarkerFill = 0xFC;
constexpr uint8_t kMarkerTail = 0x97;
constexpr int kMarkerTailStart = 265;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QString hexByte(uint8_t b)
{
    return QStringLiteral("0x") + QString::number(b, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

class Decoder
{
public:
    explicit Decoder(const QByteArray& file, ExportFile& out) : m_file(file), m_out(out) {}

    void run();

private:
    std::optional<QByteArray> hexRecord(int length, const QString& what);
    void expectBytes(const QByteArray& record, qint64 start, int stride, int offset,
                     const QByteArray& expected, const QString& what);
    void expectByte(const QByteArray& record, qint64 start, int stride, int offset, int expected,
                    const QString& what);
    void issue(qint64 offset, const QString& message, bool error = true)
    {
        m_out.issues.push_back(ExportIssue{offset, message, error});
    }
    bool readProgram(int k);
    void checkTags(const QByteArray& record, qint64 start, uint8_t kind, int closeAt, const QString& what);
    bool readMarker(int n, int lastBlock);
    void inferScreen();

    const QByteArray& m_file;
    ExportFile& m_out;
    qint64 m_pos = 0;
};

std::optional<QByteArray> Decoder::hexRecord(int length, const QString& what)
{
    if (m_pos + 2 * qint64(length) > m_file.size()) {
        issue(m_file.size(), QStringLiteral("%1 cut short: the file ends after %2 of %3 characters")
                                 .arg(what)
                                 .arg(m_file.size() - m_pos)
                                 .arg(2 * length));
        return std::nullopt;
    }
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i) {
        const qint64 at = m_pos + 2 * i;
        const int hi = hexValue(m_file.at(at)), lo = hexValue(m_file.at(at + 1));
        if (hi < 0 || lo < 0) {
            const qint64 bad = hi < 0 ? at : at + 1;
            issue(bad, QStringLiteral("%1: byte %2 is not a hexadecimal digit")
                           .arg(what, hexByte(static_cast<uint8_t>(m_file.at(bad)))));
            return std::nullopt;
        }
        bytes[i] = static_cast<char>(hi * 16 + lo);
    }
    m_pos += 2 * qint64(length);
    return bytes;
}

void Decoder::expectBytes(const QByteArray& record, qint64 start, int stride, int offset,
                          const QByteArray& expected, const QString& what)
{
    for (int i = 0; i < expected.size(); ++i)
        if (record.at(offset + i) != expected.at(i)) {
            issue(start + stride * qint64(offset + i),
                  QStringLiteral("%1: byte %2 is %3, expected %4")
                      .arg(what)
                      .arg(offset + i)
                      .arg(hexByte(static_cast<uint8_t>(record.at(offset + i))),
                           hexByte(static_cast<uint8_t>(expected.at(i)))));
            return;
        }
}

void Decoder::expectByte(const QByteArray& record, qint64 start, int stride, int offset, int expected,
                         const QString& what)
{
    expectBytes(record, start, stride, offset, QByteArray(1, static_cast<char>(expected & 0xFF)), what);
}

void Decoder::checkTags(const QByteArray& record, qint64 start, uint8_t kind, int closeAt,
                        const QString& what)
{
    expectBytes(record, start, 2, 0, QByteArrayLiteral("SNDDAT"), what);
    expectByte(record, start, 2, 6, kind, what);
    expectBytes(record, start, 2, closeAt, QByteArrayLiteral("SNDDEN"), what);
    expectByte(record, start, 2, closeAt + 6, kind, what);
    expectByte(record, start, 2, closeAt + 7, 0x01, what);
}

void Decoder::run()
{
    const auto header = hexRecord(kHeaderLength, QStringLiteral("header"));
    if (!header)
        return;
    m_out.address = static_cast<uint8_t>(header->at(0));
    m_out.programCount = static_cast<uint8_t>(header->at(1));
    const uint8_t border = static_cast<uint8_t>(header->at(2));
    const uint8_t mode = static_cast<uint8_t>(header->at(3));
    if (border != 0x30 && border != 0x31)
        issue(4, QStringLiteral("header: border byte %1 is neither 0x30 nor 0x31").arg(hexByte(border)));
    if (mode != 0x30 && mode != 0x31)
        issue(6, QStringLiteral("header: mode byte %1 is neither 0x30 nor 0x31").arg(hexByte(mode)));
    m_out.border = border == 0x31;
    m_out.content.border = m_out.border;
    m_out.usbDiskMode = mode == 0x30 ? 0 : 1;
    if (m_out.usbDiskMode) {
        const qint64 start = m_pos;
        const auto settings = hexRecord(kSettingsLength, QStringLiteral("screen settings"));
        if (!settings)
            return;
        m_out.settingsFrame = *settings;
        if (!applyScreenSettingsFrame(m_out.content, *settings))
            issue(start, QStringLiteral("screen settings: tags missing, settings not used"));
    }
    int k = 0;
    while (m_pos < m_file.size() && readProgram(k))
        ++k;
    if (k != m_out.programCount)
        issue(
            2,
            QStringLiteral("header announces %1 programs, the file holds %2").arg(m_out.programCount).arg(k));
    if (m_out.content.screenWidth <= 0 || m_out.content.screenHeight <= 0)
        inferScreen();
}

bool Decoder::readProgram(int k)
{
    const int n = k + 1;
    const QString what = QStringLiteral("program %1 index").arg(n);
    const qint64 start = m_pos;
    const auto index = hexRecord(kIndexFrameLength, what);
    if (!index)
        return false;
    checkTags(*index, start, 0xFE, 244, what);
    expectByte(*index, start, 2, 155, k, what);
    StoredProgram program;
    program.index = *index;
    int block = 1;
    while (m_pos < m_file.size() && hexValue(m_file.at(m_pos)) >= 0) {
        ++block;
        const QString bw = QStringLiteral("program %1 block %2").arg(n).arg(block);
        const qint64 bstart = m_pos;
        const auto bytes = hexRecord(kBlockLength, bw);
        if (!bytes)
            return false;
        checkTags(*bytes, bstart, 0xFD, 522, bw);
        expectByte(*bytes, bstart, 2, 7, 0x01, bw);
        expectByte(*bytes, bstart, 2, 8, n, bw);
        expectByte(*bytes, bstart, 2, 9, block, bw);
        program.data.append(bytes->mid(10, kBlockData));
    }
    m_out.content.programs.append(program);
    return readMarker(n, block);
}

bool Decoder::readMarker(int n, int lastBlock)
{
    const QString what = QStringLiteral("program %1 end marker").arg(n);
    if (m_pos + kMarkerLength > m_file.size()) {
        issue(m_pos, QStringLiteral("%1 cut short: %2 of %3 bytes")
                         .arg(what)
                         .arg(m_file.size() - m_pos)
                         .arg(kMarkerLength));
        m_out.content.programs.last().finalCount = -1;
        return false;
    }
    const QByteArray marker = m_file.mid(m_pos, kMarkerLength);
    const qint64 start = m_pos;
    m_pos += kMarkerLength;
    expectBytes(marker, start, 1, 0, QByteArray(8, static_cast<char>(kMarkerFill)), what);
    expectByte(marker, start, 1, 8, n, what);
    // The count rounds the last block number up to a multiple of 8, once.
    const int count = lastBlock % 8 == 0 ? lastBlock : lastBlock + 1;
    expectByte(marker, start, 1, 9, count, what);
    expectBytes(marker, start, 1, 10, QByteArray(kMarkerTailStart - 10, static_cast<char>(kMarkerFill)),
                what);
    expectBytes(marker, start, 1, kMarkerTailStart,
                QByteArray(kMarkerLength - kMarkerTailStart, static_cast<char>(kMarkerTail)), what);
    m_out.content.programs.last().finalCount = static_cast<uint8_t>(marker.at(9));
    return true;
}

// Without the settings record the file does not say how big the screen is:
// the zones tile it, so their far edges give the size; two colours when the
// data holds twice the rows one colour would need.
void Decoder::inferScreen()
{
    SignContent& c = m_out.content;
    std::vector<ProgramIndex> indices;
    for (const StoredProgram& p : c.programs)
        if (const auto index = parseProgramIndex(p.index, 0, 0)) {
            indices.push_back(*index);
            for (int s : index->usedSlots()) {
                const IndexZone& z = index->zone(s);
                c.screenWidth = std::max(c.screenWidth, z.x + z.width);
                c.screenHeight = std::max(c.screenHeight, z.y + z.height);
            }
        }
    c.screenWidth = std::min(c.screenWidth, 2040);
    c.screenHeight = std::min(c.screenHeight, 255);
    c.colours = 1;
    for (size_t i = 0; i < indices.size(); ++i) {
        const auto index =
            parseProgramIndex(c.programs[static_cast<int>(i)].index, c.screenWidth, c.screenHeight);
        const qint64 single =
            qint64(index ? index->frameCount() : 0) * frameByteCount(c.screenWidth, c.screenHeight, 1);
        const qint64 blocks = c.programs[static_cast<int>(i)].data.size() / kBlockData;
        const auto blocksFor = [](qint64 bytes) { return (bytes + kBlockData - 1) / kBlockData; };
        if (single > 0 && blocksFor(2 * single) == blocks && blocksFor(single) != blocks)
            c.colours = 2;
    }
    issue(0,
          QStringLiteral(
              "no screen settings in the file: taken as %1 x %2, %3 colour(s) from the zones and data")
              .arg(c.screenWidth)
              .arg(c.screenHeight)
              .arg(c.colours),
          false);
}

} // namespace

bool ExportFile::hasErrors() const
{
    return std::any_of(issues.begin(), issues.end(), [](const ExportIssue& i) { return i.error; });
}

ExportFile decodeExportFile(const QByteArray& file)
{
    ExportFile out;
    Decoder(file, out).run();
    return out;
}

std::optional<ExportFile> readExportFile(const QString& path, QString* error)
{
    // Sixteen programs of 255 blocks are about 4.4 MB of text.
    constexpr qint64 kLimit = 64 << 20;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1: %2").arg(path, f.errorString());
        return std::nullopt;
    }
    if (f.size() > kLimit) {
        if (error)
            *error = QStringLiteral("%1 is too large for a download file").arg(path);
        return std::nullopt;
    }
    return decodeExportFile(f.readAll());
}

} // namespace dotsign
