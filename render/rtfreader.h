#pragma once
// Reads Rich Text Format as word processors write it (WordPad, Word,
// LibreOffice and our own writer) into a QTextDocument: text in the font's
// code page or as \u escapes, fonts, sizes, colours, bold, italic, underline
// and strike-through, background colours, paragraph alignment, indents,
// spacing and line spacing, tables with their borders, widths and cell
// colours, and PNG, JPEG and bitmap pictures. What it does not know (headers,
// footnotes, fields' instructions, drawing objects) is skipped.
//
// The input is untrusted: nesting deeper than kMaxRtfDepth stops the reading
// with a failure and keeps what was read; oversized pictures are left out.

#include "project/status.h"

#include <QByteArray>

class QTextDocument;

namespace dotsign {

constexpr int kMaxRtfDepth = 256;

// Replaces the content of `doc`. Fails on data that is not RTF at all and on
// data nested too deeply; the document then holds what could be read.
Status readRtf(const QByteArray& data, QTextDocument* doc);

} // namespace dotsign
