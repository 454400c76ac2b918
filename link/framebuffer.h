#pragma once
// The shared 530-byte buffer in which control frames, the program index, the
// data blocks and the end-of-program frame are assembled. Every frame writes
// only the bytes its layout assigns; whatever else the buffer holds is left
// as the previous frame left it. The wire format depends on that carry-over:
// the end-of-program frame sends bytes 8 and 9 that the download set before
// it, and the program index sends bytes 57..60 it never writes (zero after
// start-up, later the data bytes 47..50 of the most recent block).

#include <QByteArray>
#include <array>
#include <cstdint>

namespace dotsign {

class FrameBuffer
{
public:
    static constexpr int kSize = 530;

    uint8_t at(int offset) const { return m_bytes.at(static_cast<size_t>(offset)); }
    void set(int offset, uint8_t value) { m_bytes.at(static_cast<size_t>(offset)) = value; }

    // Copies `frame` over the first bytes of the buffer and returns it again,
    // so that control frames leave their mark exactly as the card's host
    // software always did. Frames longer than the buffer are cut.
    QByteArray assemble(const QByteArray& frame)
    {
        const int n = frame.size() < kSize ? static_cast<int>(frame.size()) : kSize;
        for (int i = 0; i < n; ++i)
            set(i, static_cast<uint8_t>(frame.at(i)));
        return bytes(n);
    }

    // The first `length` bytes as they stand.
    QByteArray bytes(int length) const
    {
        const int n = length < 0 ? 0 : (length > kSize ? kSize : length);
        return QByteArray(reinterpret_cast<const char*>(m_bytes.data()), n);
    }

    void clear() { m_bytes.fill(0); }

private:
    std::array<uint8_t, kSize> m_bytes{};
};

} // namespace dotsign
