#include "render/rtftokenizer.h"

#include <cstdint>
#include <limits>

namespace dotsign {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr int kMaxWordLength = 32; // longer letter runs are split; no real word is that long

} // namespace

RtfToken RtfTokenizer::next()
{
    const qsizetype size = m_data.size();
    while (m_pos < size && (m_data[m_pos] == '\r' || m_data[m_pos] == '\n'))
        ++m_pos;
    RtfToken token;
    if (m_pos >= size)
        return token;
    const char c = m_data[m_pos];
    if (c == '{' || c == '}') {
        ++m_pos;
        token.kind = c == '{' ? RtfToken::GroupStart : RtfToken::GroupEnd;
        return token;
    }
    if (c == '\\')
        return controlWord();
    const qsizetype start = m_pos;
    while (m_pos < size) {
        const char d = m_data[m_pos];
        if (d == '{' || d == '}' || d == '\\' || d == '\r' || d == '\n')
            break;
        ++m_pos;
    }
    token.kind = RtfToken::Text;
    token.data = m_data.sliced(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype size = m_data.size();
    RtfToken token;
    ++m_pos; // the backslash
    if (m_pos >= size)
        return token;
    const char c = m_data[m_pos];
    if (!isLetter(c)) {
        ++m_pos;
        if (c == '\'') {
            const int high = m_pos < size ? hexValue(m_data[m_pos]) : -1;
            const int low = m_pos + 1 < size ? hexValue(m_data[m_pos + 1]) : -1;
            if (high < 0 || low < 0) {
                // A broken escape yields nothing; the characters that follow are read as text.
                token.kind = RtfToken::Text;
                token.data = QByteArrayView();
                return token;
            }
            m_pos += 2;
            token.kind = RtfToken::HexByte;
            token.byte = static_cast<uchar>(high * 16 + low);
            return token;
        }
        token.kind = RtfToken::Symbol;
        token.symbol = (c == '\r' || c == '\n') ? '\n' : c; // "\<newline>" is a paragraph mark
        return token;
    }
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_data[m_pos]) && m_pos - start < kMaxWordLength)
        ++m_pos;
    token.kind = RtfToken::Word;
    token.name = m_data.sliced(start, m_pos - start);
    bool negative = false;
    if (m_pos < size && m_data[m_pos] == '-' && m_pos + 1 < size && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_data[m_pos])) {
        int64_t value = 0;
        while (m_pos < size && isDigit(m_data[m_pos])) {
            if (value < std::numeric_limits<int>::max())
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (value > std::numeric_limits<int>::max())
            value = std::numeric_limits<int>::max();
        token.hasParam = true;
        token.param = static_cast<int>(negative ? -value : value);
    }
    if (m_pos < size && m_data[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the control word
    if (token.name == "bin" && token.hasParam)
        return binary(token.param);
    return token;
}

RtfToken RtfTokenizer::binary(int count)
{
    RtfToken token;
    token.kind = RtfToken::Binary;
    const qsizetype available = m_data.size() - m_pos;
    const qsizetype take = count <= 0 ? 0 : (count < available ? count : available);
    token.data = m_data.sliced(m_pos, take);
    m_pos += take;
    return token;
}

} // namespace dotsign
