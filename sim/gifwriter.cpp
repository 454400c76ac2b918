#include "sim/gifwriter.h"

#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <unordered_map>

namespace dotsign {

namespace {

constexpr int kMaxCode = 4095;

void put16(QByteArray& out, int v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

// Bits of the smallest table (2 .. 256 entries) that holds `colours`.
int tableBits(int colours)
{
    int bits = 1;
    while ((1 << bits) < colours && bits < 8)
        ++bits;
    return bits;
}

void putTable(QByteArray& out, const QVector<QRgb>& colours, int bits)
{
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < colours.size() ? colours.at(i) : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
}

// Packs variable-width codes least significant bit first into sub-blocks.
class BitPacker
{
public:
    void put(int code, int bits)
    {
        m_acc |= static_cast<uint32_t>(code) << m_bits;
        m_bits += bits;
        while (m_bits >= 8) {
            m_bytes.append(static_cast<char>(m_acc & 0xFF));
            m_acc >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray subBlocks()
    {
        if (m_bits > 0)
            m_bytes.append(static_cast<char>(m_acc & 0xFF));
        m_acc = 0;
        m_bits = 0;
        QByteArray out;
        for (qsizetype at = 0; at < m_bytes.size(); at += 255) {
            const QByteArray part = m_bytes.mid(at, 255);
            out.append(static_cast<char>(part.size()));
            out.append(part);
        }
        out.append('\0');
        return out;
    }

private:
    QByteArray m_bytes;
    uint32_t m_acc = 0;
    int m_bits = 0;
};

QByteArray lzw(const QImage& image, int minCodeSize)
{
    const int clear = 1 << minCodeSize, eoi = clear + 1;
    BitPacker bits;
    std::unordered_map<uint32_t, int> dict;
    int codeSize = minCodeSize + 1;
    int maxCode = eoi;
    int codesSinceClear = 0;
    bits.put(clear, codeSize);
    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int k = row[x] & (clear - 1);
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const uint32_t key = (static_cast<uint32_t>(prefix) << 8) | static_cast<uint32_t>(k);
            const auto it = dict.find(key);
            if (it != dict.end()) {
                prefix = it->second;
                continue;
            }
            bits.put(prefix, codeSize);
            ++codesSinceClear;
            dict.emplace(key, ++maxCode);
            if (maxCode >= (1 << codeSize) && codeSize < 12)
                ++codeSize;
            if (maxCode == kMaxCode) {
                bits.put(clear, codeSize);
                dict.clear();
                maxCode = eoi;
                codeSize = minCodeSize + 1;
                codesSinceClear = 0;
            }
            prefix = k;
        }
    }
    if (prefix >= 0) {
        bits.put(prefix, codeSize);
        // The reader adds a table entry after this code (unless it is the
        // first after a clear) and widens its codes when the table fills.
        if (codesSinceClear > 0 && maxCode + 1 >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
    }
    bits.put(eoi, codeSize);
    QByteArray out(1, static_cast<char>(minCodeSize));
    out.append(bits.subBlocks());
    return out;
}

QImage indexed(const QImage& image)
{
    if (image.format() == QImage::Format_Indexed8)
        return image;
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace

bool GifStream::write(const QByteArray& bytes)
{
    m_ok = m_ok && m_out && m_out->write(bytes) == bytes.size();
    return m_ok;
}

bool GifStream::add(const GifFrame& frame)
{
    QImage image = indexed(frame.image);
    if (image.isNull())
        return false;
    QByteArray out;
    if (m_size.isEmpty()) {
        m_size = image.size();
        m_global = image.colorTable();
        m_globalBits = tableBits(static_cast<int>(m_global.size()));
        out.append("GIF89a");
        put16(out, m_size.width());
        put16(out, m_size.height());
        out.append(static_cast<char>(0x80 | 0x70 | (m_globalBits - 1)));
        out.append('\0');
        out.append('\0');
        putTable(out, m_global, m_globalBits);
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    }
    if (image.size() != m_size)
        image = image.copy(0, 0, m_size.width(), m_size.height());
    const QVector<QRgb> table = image.colorTable();
    out.append("\x21\xF9\x04\x04", 4); // graphic control: keep the frame, no transparency
    put16(out, std::clamp(frame.delayCs, 0, 65535));
    out.append("\x00\x00", 2);
    out.append('\x2C');
    put16(out, 0);
    put16(out, 0);
    put16(out, m_size.width());
    put16(out, m_size.height());
    int bits = m_globalBits;
    if (table != m_global) {
        bits = tableBits(static_cast<int>(table.size()));
        out.append(static_cast<char>(0x80 | (bits - 1)));
        putTable(out, table, bits);
    } else {
        out.append('\0');
    }
    out.append(lzw(image, std::max(2, bits)));
    return write(out);
}

bool GifStream::finish()
{
    return !m_size.isEmpty() && write(QByteArray(1, '\x3B'));
}

QByteArray encodeGif(const std::vector<GifFrame>& frames)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    GifStream gif(&buffer);
    for (const GifFrame& frame : frames)
        if (!gif.add(frame))
            return {};
    return gif.finish() ? bytes : QByteArray();
}

QString writeGif(const QString& path, const std::vector<GifFrame>& frames)
{
    const QByteArray bytes = encodeGif(frames);
    if (bytes.isEmpty())
        return QStringLiteral("no frames to write");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
    return {};
}

} // namespace dotsign
