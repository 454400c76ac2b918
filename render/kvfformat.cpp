#include "render/kvfformat.h"

#include "render/richdocument.h"
#include "render/richdocumentsafety.h"
#include "render/rtfpicture.h"
#include "render/rtfreader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPixmap>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <memory>
#include <optional>
#include <vector>

namespace dotsign {

namespace {

const QByteArray kMagic = "KVF ";
constexpr int kMaxHeaderBytes = 1 << 20;

QString corruptMessage()
{
    return QCoreApplication::translate("Document", "文档文件已损坏，只读出了其中的一部分。");
}

struct KvfPart
{
    QByteArray kind; // "html" or "image"
    qint64 length = 0;
    QString name; // images: the name the document refers to them by
};

struct KvfHeader
{
    int version = 0;
    int topMargin = 0;
    QColor background = Qt::black;
    QByteArray outline; // 'B' per paragraph and 'T' per table of the body, when known
    std::vector<KvfPart> parts;
};

std::optional<qint64> parseLength(const QByteArray& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// Reads "key: value" lines up to the empty line; `bodyStart` is set past it.
std::optional<KvfHeader> parseHeader(const QByteArray& data, qsizetype* bodyStart)
{
    const qsizetype end = data.indexOf("\n\n");
    if (end < 0 || end > kMaxHeaderBytes)
        return std::nullopt;
    const QList<QByteArray> lines = data.left(end).split('\n');
    KvfHeader header;
    bool ok = false;
    header.version = lines.front().mid(kMagic.size()).trimmed().toInt(&ok);
    if (!ok || header.version < 1)
        return std::nullopt;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray key = lines[i].left(colon).trimmed();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        if (key == "top-margin") {
            header.topMargin = value.toInt();
        } else if (key == "background") {
            const QColor colour = QColor::fromString(QLatin1String(value));
            if (colour.isValid())
                header.background = colour;
        } else if (key == "outline") {
            header.outline = value;
        } else if (key == "html" || key == "image") {
            const qsizetype space = value.indexOf(' ');
            const auto length = parseLength(space < 0 ? value : value.left(space));
            if (!length)
                return std::nullopt;
            const QString name = space < 0 ? QString() : QUrl::fromPercentEncoding(value.mid(space + 1));
            header.parts.push_back(KvfPart{key, *length, name});
        }
        // Keys this version does not know are left for later versions.
    }
    *bodyStart = end + 2;
    return header;
}

void applyHeader(const KvfHeader& header, QTextDocument* doc)
{
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setBackground(header.background);
    doc->rootFrame()->setFrameFormat(frame);
    setDocumentTopMargin(doc, header.topMargin);
}

QByteArray outline(const QTextDocument* doc)
{
    QByteArray out;
    for (auto it = doc->rootFrame()->begin(); !it.atEnd(); ++it)
        out += qobject_cast<QTextTable*>(it.currentFrame()) ? 'T' : it.currentFrame() ? 'F' : 'B';
    return out;
}

// Paragraphs between each table and the next one (or the end), in order.
std::vector<int> paragraphsAfterTables(const QByteArray& outline)
{
    std::vector<int> counts;
    for (const char c : outline) {
        if (c == 'T')
            counts.push_back(0);
        else if (c == 'B' && !counts.empty())
            ++counts.back();
    }
    return counts;
}

void removeParagraphAfter(QTextTable* table)
{
    QTextDocument* doc = table->document();
    const QTextBlock empty = doc->findBlock(table->lastPosition() + 1);
    const QTextBlock next = empty.next();
    if (!empty.isValid() || !next.isValid() || !empty.text().isEmpty())
        return;
    const QTextBlockFormat format = next.blockFormat();
    const QTextCharFormat charFormat = next.charFormat();
    QTextCursor cursor(doc);
    cursor.setPosition(empty.position());
    cursor.setPosition(next.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setBlockFormat(format);
    cursor.setBlockCharFormat(charFormat);
}

// Qt's HTML reader adds or drops an empty paragraph after some tables; the
// outline written with the document says how many paragraphs there were.
void repairParagraphsAfterTables(QTextDocument* doc, const QByteArray& expectedOutline)
{
    const std::vector<int> expected = paragraphsAfterTables(expectedOutline);
    const std::vector<int> actual = paragraphsAfterTables(outline(doc));
    std::vector<QTextTable*> tables;
    for (auto it = doc->rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame()))
            tables.push_back(table);
    }
    if (expected.size() != actual.size() || tables.size() != actual.size())
        return;
    for (size_t k = 0; k < tables.size(); ++k) {
        for (int extra = actual[k] - expected[k]; extra > 0; --extra)
            removeParagraphAfter(tables[k]);
        for (int missing = expected[k] - actual[k]; missing > 0; --missing) {
            QTextCursor cursor(doc);
            cursor.setPosition(tables[k]->lastPosition() + 1);
            cursor.insertBlock();
        }
    }
}

// Qt's HTML reader gives the paragraphs of a coloured cell the cell's colour
// as their own background; the writer never put it there.
void repairCellParagraphBackgrounds(QTextDocument* doc)
{
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        const QTextTable* table = cursor.currentTable();
        if (!table || !block.blockFormat().hasProperty(QTextFormat::BackgroundBrush))
            continue;
        const QTextTableCell cell = table->cellAt(cursor);
        if (block.blockFormat().background() != cell.format().background())
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.clearBackground();
        cursor.setBlockFormat(format);
    }
}

// The bytes stored for a picture: its own file bytes when the document holds
// them (a JPEG stays a JPEG), otherwise the picture as PNG.
QByteArray pictureBytes(const QTextDocument* doc, const QString& name)
{
    const QVariant resource = doc->resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = resource.toByteArray();
        qint64 budget = kDocumentPixelBudget;
        if (!decodePictureBytes(bytes, &budget).isNull())
            return bytes;
        return QByteArray();
    }
    QImage image;
    if (resource.typeId() == QMetaType::QImage)
        image = resource.value<QImage>();
    else if (resource.typeId() == QMetaType::QPixmap)
        image = resource.value<QPixmap>().toImage();
    if (image.isNull())
        return QByteArray();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Qt wraps the body in a table of its own when the root frame has margins or
// a background, and reading such HTML back adds an empty line after every
// table. The header carries those two settings, so the HTML is written from
// a copy whose root frame is plain.
QByteArray bodyHtml(const QTextDocument* doc)
{
    const std::unique_ptr<QTextDocument> copy(doc->clone());
    QTextFrameFormat plain;
    plain.setMargin(copy->documentMargin());
    copy->rootFrame()->setFrameFormat(plain);
    return copy->toHtml().toUtf8();
}

} // namespace

namespace {

Status readKvfInto(const QByteArray& data, QTextDocument* doc)
{
    if (data.trimmed().isEmpty())
        return Status::success();
    if (data.startsWith("{\\rtf"))
        return readRtf(data, doc);
    qsizetype offset = 0;
    const std::optional<KvfHeader> header =
        data.startsWith(kMagic) ? parseHeader(data, &offset) : std::nullopt;
    if (!header)
        return Status::failure(QCoreApplication::translate("Document", "不是图文文档文件。"));
    if (header->version > kKvfVersion)
        return Status::failure(
            QCoreApplication::translate("Document", "文档文件的版本 %1 比本程序新，请升级程序。")
                .arg(header->version));

    bool complete = true;
    qint64 budget = kDocumentPixelBudget;
    for (const KvfPart& part : header->parts) {
        if (part.length > data.size() - offset) {
            complete = false;
            break;
        }
        const QByteArray bytes = data.mid(offset, part.length);
        offset += part.length;
        if (part.kind == "html") {
            doc->setHtml(QString::fromUtf8(bytes));
        } else {
            const QImage image = decodePictureBytes(bytes, &budget);
            if (!image.isNull())
                doc->addResource(QTextDocument::ImageResource, QUrl(part.name), image);
        }
    }
    if (complete)
        repairParagraphsAfterTables(doc, header->outline);
    repairCellParagraphBackgrounds(doc);
    applyHeader(*header, doc);
    return complete ? Status::success() : Status::failure(corruptMessage());
}

} // namespace

Status readKvf(const QByteArray& data, QTextDocument* doc)
{
    SealedTextDocument scratch;
    const Status status = readKvfInto(data, &scratch);
    adoptDocument(&scratch, doc);
    return status;
}

QByteArray writeKvf(const QTextDocument* doc)
{
    QByteArray header = kMagic + QByteArray::number(kKvfVersion) + '\n';
    header += "top-margin: " + QByteArray::number(documentTopMargin(doc)) + '\n';
    const QBrush background = doc->rootFrame()->frameFormat().background();
    const QColor colour = background.style() == Qt::NoBrush ? QColor(Qt::black) : background.color();
    header += "background: " + colour.name().toLatin1() + '\n';

    const QByteArray html = bodyHtml(doc);
    if (const QByteArray shape = outline(doc); shape.size() < kMaxHeaderBytes / 2)
        header += "outline: " + shape + '\n';
    header += "html: " + QByteArray::number(html.size()) + '\n';
    QByteArray body = html;
    for (const QString& name : documentPictureNames(doc)) {
        const QByteArray bytes = pictureBytes(doc, name);
        if (bytes.isEmpty())
            continue;
        header += "image: " + QByteArray::number(bytes.size()) + ' ' + QUrl::toPercentEncoding(name) + '\n';
        body += bytes;
    }
    return header + '\n' + body;
}

} // namespace dotsign
