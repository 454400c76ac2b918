#pragma once
// The native document format (".kvf", also read for ".kvc"), described for
// the next maintainer in docs/kvf-format.md: a short text header naming the
// version, the top margin, the background and the parts that follow, then the
// document as Qt rich-text HTML and every picture's own bytes. A file is
// self-contained: pictures travel inside it, never as links.

#include "project/status.h"

#include <QByteArray>

class QTextDocument;

namespace dotsign {

constexpr int kKvfVersion = 1;

// Replaces the content of `doc` with the document in `data`. Malformed input
// leaves an empty or partial document and a failure. Files that are really
// RTF (a renamed ".rtf") are read as RTF.
Status readKvf(const QByteArray& data, QTextDocument* doc);

QByteArray writeKvf(const QTextDocument* doc);

} // namespace dotsign
