#pragma once
// Text as the sign's layout sees it: GBK bytes, a byte from 0x81 on starting a
// two-byte (full-width) character, anything else a one-byte (half-width)
// character. Carriage return and line feed are ordinary one-byte characters.

#include <QByteArray>
#include <QString>
#include <vector>

namespace dotsign {

struct GbkCharacter
{
    QString text;  // the character as drawn ('?' where GBK had no code for it)
    int bytes = 1; // 1 or 2
};

struct GbkText
{
    QByteArray bytes;
    std::vector<GbkCharacter> characters;
    QString replaced; // characters GBK cannot carry, each once, in order of appearance

    int size() const { return int(bytes.size()); }
    // Only blanks and control characters (what trimming removes).
    bool isBlank() const;
};

GbkText encodeGbkText(const QString& text);

// One line of a page-mode layout: whole characters, at most bytesPerLine bytes.
struct TextLine
{
    int firstCharacter = 0;
    int characterCount = 0;
    int byteStart = 0; // 0-based
    int byteLength = 0;
};

// Breaks a text into lines of `bytesPerLine` bytes. A line whose window of
// bytesPerLine bytes would end in the first byte of a two-byte character is
// one byte shorter and that character starts the next line. A line always
// takes at least one character, so a zone narrower than a character still
// makes progress.
std::vector<TextLine> breakTextLines(const GbkText& text, int bytesPerLine);

} // namespace dotsign
