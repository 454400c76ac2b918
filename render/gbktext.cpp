#include "render/gbktext.h"

#include <QStringEncoder>

namespace dotsign {

namespace {

bool isLeadByte(uchar b)
{
    return b >= 0x81 && b <= 0xFE;
}

} // namespace

bool GbkText::isBlank() const
{
    for (char b : bytes) {
        if (uchar(b) > 0x20)
            return false;
    }
    return true;
}

GbkText encodeGbkText(const QString& text)
{
    GbkText out;
    QStringEncoder encoder("GBK", QStringConverter::Flag::Default);
    out.bytes = encoder.encode(text);
    const int n = int(out.bytes.size());
    out.characters.reserve(size_t(text.size()));

    // The encoder gives every code point one or two bytes (a '?' for one it
    // cannot carry), so characters and bytes can be walked side by side.
    int p = 0;
    for (int i = 0; i < text.size() && p < n;) {
        const int units = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const int bytes = (isLeadByte(uchar(out.bytes.at(p))) && p + 1 < n) ? 2 : 1;
        QString ch = text.mid(i, units);
        if (bytes == 1 && out.bytes.at(p) == '?' && ch != QLatin1String("?")) {
            if (!out.replaced.contains(ch))
                out.replaced += ch;
            ch = QStringLiteral("?");
        }
        out.characters.push_back({ch, bytes});
        i += units;
        p += bytes;
    }
    return out;
}

std::vector<TextLine> breakTextLines(const GbkText& text, int bytesPerLine)
{
    std::vector<TextLine> lines;
    const int count = int(text.characters.size());
    int c = 0;
    int byte = 0;
    while (c < count) {
        TextLine line{c, 0, byte, 0};
        while (c < count) {
            const int bytes = text.characters[size_t(c)].bytes;
            if (line.byteLength + bytes > bytesPerLine && line.characterCount > 0)
                break;
            line.byteLength += bytes;
            ++line.characterCount;
            ++c;
            if (line.byteLength >= bytesPerLine)
                break;
        }
        byte += line.byteLength;
        lines.push_back(line);
    }
    return lines;
}

} // namespace dotsign
