#pragma once
// The controller and the project files speak GBK (code page 936). Text is
// converted at the edges only.

#include <QByteArray>
#include <QString>

namespace dotsign {

QByteArray toGbk(const QString& text);
QString fromGbk(const QByteArray& bytes);

// Characters of `text` that GBK cannot carry (each listed once, in order of
// first appearance). Encoding them would give '?' bytes.
QString charactersOutsideGbk(const QString& text);

} // namespace dotsign
