#pragma once
// Splits Rich Text Format bytes into groups, control words, control symbols,
// hex-escaped bytes, plain text and \bin data. The tokenizer never fails: at
// the end of the data it reports End, a truncated \'h escape is dropped and a
// \bin count larger than what is left takes only what is left.

#include <QByteArray>
#include <QByteArrayView>

namespace dotsign {

struct RtfToken
{
    enum Kind { End, GroupStart, GroupEnd, Word, Symbol, HexByte, Text, Binary };
    Kind kind = End;
    QByteArrayView name; // Word: the control word's letters
    bool hasParam = false;
    int param = 0;       // Word: the numeric parameter, clamped to int
    char symbol = 0;     // Symbol: the character after the backslash
    uchar byte = 0;      // HexByte
    QByteArrayView data; // Text (never contains '{', '}', '\\', CR or LF) and Binary
};

class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView data) : m_data(data) {}

    RtfToken next();
    qsizetype position() const { return m_pos; }

private:
    RtfToken controlWord();
    RtfToken binary(int count);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

} // namespace dotsign
