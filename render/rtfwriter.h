#pragma once
// Writes a document as Rich Text Format that our reader and word processors
// read back: text as GBK bytes behind \u escapes (a reader without Unicode
// still sees the Chinese text), fonts, sizes, colours, paragraph formats,
// tables and pictures (PNG, or JPEG when the picture came as JPEG). The top
// margin and the page colour travel in a destination of our own,
// {\*\dotsigndocument ...}, which other readers skip.

#include <QByteArray>

class QTextDocument;

namespace dotsign {

QByteArray writeRtf(const QTextDocument* doc);

} // namespace dotsign
