#pragma once
// Code pages of RTF text: \'hh bytes are in the code page of the current
// font's character set (\fcharset134 is GBK), or else the document's
// \ansicpg. Also the destinations the reader skips as a whole.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <map>

namespace dotsign {

// The Windows code page of a \fcharset value; 0 when unknown.
int rtfCodepageForCharset(int charset);

// Decodes code-page bytes, keeping one decoder per code page. Unknown code
// pages are read as Windows-1252.
class RtfTextDecoder
{
public:
    QString decode(const QByteArray& bytes, int codepage);

private:
    std::map<int, QStringDecoder> m_decoders;
};

// Destinations whose content is never shown (headers, footnotes, style
// sheets, field instructions, drawing objects, ...).
bool isSkippedRtfDestination(QByteArrayView name);

} // namespace dotsign
