#include "render/rtfcodepage.h"

#include "project/gbk.h"

#include <QList>

namespace dotsign {

namespace {

QByteArray decoderName(int codepage)
{
    switch (codepage) {
    case 936:
        return "GB18030";
    case 932:
        return "Shift_JIS";
    case 949:
        return "EUC-KR";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    default:
        return "windows-" + QByteArray::number(codepage);
    }
}

} // namespace

// Windows character sets of \fcharset and the code pages they use.
int rtfCodepageForCharset(int charset)
{
    static const std::map<int, int> table = {{0, 1252},   {2, 1252},   {77, 10000}, {128, 932},  {129, 949},
                                             {130, 1361}, {134, 936},  {136, 950},  {161, 1253}, {162, 1254},
                                             {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251},
                                             {222, 874},  {238, 1250}, {255, 437}};
    const auto it = table.find(charset);
    return it == table.end() ? 0 : it->second;
}

QString RtfTextDecoder::decode(const QByteArray& bytes, int codepage)
{
    if (codepage == 936)
        return fromGbk(bytes);
    auto it = m_decoders.find(codepage);
    if (it == m_decoders.end()) {
        QStringDecoder decoder(decoderName(codepage).constData(), QStringConverter::Flag::Stateless);
        if (!decoder.isValid())
            decoder = QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
        it = m_decoders.emplace(codepage, std::move(decoder)).first;
    }
    if (!it->second.isValid())
        return QString::fromLatin1(bytes);
    return it->second.decode(bytes);
}

bool isSkippedRtfDestination(QByteArrayView name)
{
    static const QList<QByteArrayView> skipped = {"stylesheet",
                                                  "info",
                                                  "header",
                                                  "headerl",
                                                  "headerr",
                                                  "headerf",
                                                  "footer",
                                                  "footerl",
                                                  "footerr",
                                                  "footerf",
                                                  "footnote",
                                                  "annotation",
                                                  "nonshppict",
                                                  "listtable",
                                                  "listoverridetable",
                                                  "revtbl",
                                                  "rsidtbl",
                                                  "filetbl",
                                                  "fldinst",
                                                  "xmlnstbl",
                                                  "themedata",
                                                  "colorschememapping",
                                                  "datastore",
                                                  "latentstyles",
                                                  "pgdsctbl",
                                                  "objdata",
                                                  "objclass",
                                                  "bkmkstart",
                                                  "bkmkend",
                                                  "generator",
                                                  "template",
                                                  "comment",
                                                  "ftnsep",
                                                  "ftnsepc",
                                                  "ftncn",
                                                  "aftnsep",
                                                  "aftnsepc",
                                                  "aftncn",
                                                  "txe",
                                                  "xe",
                                                  "tc",
                                                  "rxe",
                                                  "mmathPr",
                                                  "userprops",
                                                  "docvar",
                                                  "shpinst",
                                                  "atnid",
                                                  "atnauthor",
                                                  "background",
                                                  "pntxta",
                                                  "pntxtb",
                                                  "fontemb",
                                                  "panose",
                                                  "falt",
                                                  "keywords",
                                                  "title"};
    return skipped.contains(name);
}

} // namespace dotsign
