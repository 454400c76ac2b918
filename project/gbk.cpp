#include "project/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace dotsign {

QByteArray toGbk(const QString& text)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Default);
    return encoder.encode(text);
}

QString fromGbk(const QByteArray& bytes)
{
    QStringDecoder decoder("GBK", QStringConverter::Flag::Default);
    return decoder.decode(bytes);
}

QString charactersOutsideGbk(const QString& text)
{
    QString outside;
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    for (int i = 0; i < text.size(); ++i) {
        int len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, len);
        i += len - 1;
        if (ch == QLatin1String("?"))
            continue;
        const QByteArray bytes = encoder.encode(ch);
        if (encoder.hasError() || bytes == "?") {
            encoder.resetState();
            if (!outside.contains(ch))
                outside += ch;
        }
    }
    return outside;
}

} // namespace dotsign
