#include "editor/documenttextedit.h"

#include "render/richdocument.h"
#include "render/richdocumentsafety.h"
#include "render/rtfpicture.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

namespace dotsign {

namespace {

constexpr qint64 kMaxPictureFileSize = qint64(64) * 1024 * 1024;

QStringList pictureFiles(const QMimeData* source)
{
    QStringList files;
    if (!source->hasUrls())
        return files;
    for (const QUrl& url : source->urls()) {
        if (url.isLocalFile() && isPictureFile(url.toLocalFile()))
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

bool isPictureFile(const QString& path)
{
    static const QStringList kSuffixes = {QStringLiteral("png"), QStringLiteral("jpg"),
                                          QStringLiteral("jpeg"), QStringLiteral("gif"),
                                          QStringLiteral("bmp")};
    return kSuffixes.contains(QFileInfo(path).suffix().toLower());
}

QImage readPictureFile(const QString& path)
{
    QFile file(path);
    if (file.size() > kMaxPictureFileSize || !file.open(QIODevice::ReadOnly))
        return QImage();
    qint64 budget = kDocumentPixelBudget;
    return decodePictureBytes(file.readAll(), &budget);
}

DocumentTextEdit::DocumentTextEdit(QWidget* parent) : QTextEdit(parent) {}

void DocumentTextEdit::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
    if (lineWrapMode() != FixedPixelWidth)
        return;
    // Dim what lies right of the zone, so the operator sees where the sign ends.
    QPainter painter(viewport());
    const int edge = lineWrapColumnOrWidth() - horizontalScrollBar()->value();
    const QRect outside(edge, 0, viewport()->width() - edge, viewport()->height());
    if (outside.width() <= 0)
        return;
    painter.fillRect(outside, QColor(58, 61, 66, 215));
    painter.setPen(QPen(QColor(150, 155, 165), 1, Qt::DashLine));
    painter.drawLine(edge, 0, edge, viewport()->height());
}

bool DocumentTextEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasImage() || !pictureFiles(source).isEmpty() || QTextEdit::canInsertFromMimeData(source);
}

void DocumentTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (source->hasImage()) {
        emit imageArrived(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    const QStringList files = pictureFiles(source);
    if (!files.isEmpty()) {
        for (const QString& file : files)
            emit imageArrived(readPictureFile(file));
        return;
    }
    QTextEdit::insertFromMimeData(source);
    // Pasted rich text may carry sizes no sign can show.
    sanitizeDocument(document());
}

} // namespace dotsign
