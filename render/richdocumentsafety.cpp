#include "render/richdocumentsafety.h"

#include "render/richdocument.h"

#include <QImage>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace dotsign {

namespace {

constexpr qreal kMaxPointSize = 1638; // the largest size word processors offer
constexpr qreal kMaxPixelSize = 2184;
constexpr qreal kMaxMeasure = kMaxPictureSide;
constexpr qreal kMaxTableBorder = 64;

// Clamps a numeric property when it is set; tells whether it changed.
template <typename Format> bool clampProperty(Format& format, int property, qreal low, qreal high)
{
    if (!format.hasProperty(property))
        return false;
    bool ok = false;
    const qreal value = format.property(property).toDouble(&ok);
    if (!ok)
        return false;
    const qreal clamped = std::isfinite(value) ? std::clamp(value, low, high) : low;
    if (clamped == value && std::isfinite(value))
        return false;
    format.setProperty(property, clamped);
    return true;
}

bool clampCharFormat(QTextCharFormat& format)
{
    bool changed = false;
    if (format.hasProperty(QTextFormat::FontPointSize))
        changed |= clampProperty(format, QTextFormat::FontPointSize, 1, kMaxPointSize);
    if (format.hasProperty(QTextFormat::FontPixelSize)) {
        const int px = format.intProperty(QTextFormat::FontPixelSize);
        if (px < 1 || px > kMaxPixelSize) {
            format.setProperty(QTextFormat::FontPixelSize, std::clamp(px, 1, int(kMaxPixelSize)));
            changed = true;
        }
    }
    if (format.hasProperty(QTextFormat::FontWeight)) {
        const int weight = format.intProperty(QTextFormat::FontWeight);
        if (weight < 1 || weight > 1000) {
            format.setProperty(QTextFormat::FontWeight, std::clamp(weight, 1, 1000));
            changed = true;
        }
    }
    changed |= clampProperty(format, QTextFormat::FontLetterSpacing, -kMaxMeasure, kMaxMeasure);
    changed |= clampProperty(format, QTextFormat::FontWordSpacing, -kMaxMeasure, kMaxMeasure);
    changed |= clampProperty(format, QTextFormat::ImageWidth, 1, kMaxMeasure);
    changed |= clampProperty(format, QTextFormat::ImageHeight, 1, kMaxMeasure);
    return changed;
}

bool clampBlockFormat(QTextBlockFormat& format)
{
    bool changed = false;
    for (int property : {int(QTextFormat::BlockLeftMargin), int(QTextFormat::BlockRightMargin),
                         int(QTextFormat::BlockTopMargin), int(QTextFormat::BlockBottomMargin),
                         int(QTextFormat::TextIndent)})
        changed |= clampProperty(format, property, -kMaxMeasure, kMaxMeasure);
    changed |= clampProperty(format, QTextFormat::LineHeight, 0, kMaxMeasure);
    if (format.hasProperty(QTextFormat::BlockIndent) && format.indent() > 64) {
        format.setIndent(64);
        changed = true;
    }
    return changed;
}

// Qt sizes a picture given only its width (or height) by the picture's
// aspect ratio; for a picture the document does not hold that is 0 / 0, and a
// table around it then loops for ever. Such a picture gets a square box.
bool completeMissingPictureSize(const QTextDocument* doc, QTextCharFormat& format)
{
    if (!format.isImageFormat())
        return false;
    const bool hasWidth = format.hasProperty(QTextFormat::ImageWidth);
    const bool hasHeight = format.hasProperty(QTextFormat::ImageHeight);
    if (hasWidth == hasHeight)
        return false;
    const QVariant picture = doc->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()));
    QSize size;
    if (picture.typeId() == QMetaType::QImage)
        size = picture.value<QImage>().size();
    else if (picture.typeId() == QMetaType::QByteArray)
        size = QImage::fromData(picture.toByteArray()).size();
    if (!size.isEmpty())
        return false;
    const QVariant side = format.property(hasWidth ? QTextFormat::ImageWidth : QTextFormat::ImageHeight);
    format.setProperty(hasWidth ? QTextFormat::ImageHeight : QTextFormat::ImageWidth, side);
    return true;
}

void sanitizeBlock(const QTextBlock& block)
{
    QTextDocument* doc = const_cast<QTextDocument*>(block.document());
    QTextBlockFormat blockFormat = block.blockFormat();
    if (clampBlockFormat(blockFormat)) {
        QTextCursor cursor(block);
        cursor.setBlockFormat(blockFormat);
    }
    QTextCharFormat blockChar = block.charFormat();
    if (clampCharFormat(blockChar)) {
        QTextCursor cursor(block);
        cursor.setBlockCharFormat(blockChar);
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        QTextCharFormat format = fragment.charFormat();
        const bool completed = completeMissingPictureSize(doc, format);
        if (!clampCharFormat(format) && !completed)
            continue;
        QTextCursor cursor(doc);
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

void sanitizeFrame(QTextFrame* frame)
{
    QTextFrameFormat format = frame->frameFormat();
    bool changed = clampProperty(format, QTextFormat::FrameBorder, 0, kMaxTableBorder);
    for (int property :
         {int(QTextFormat::FrameMargin), int(QTextFormat::FramePadding), int(QTextFormat::FrameLeftMargin),
          int(QTextFormat::FrameRightMargin), int(QTextFormat::FrameBottomMargin),
          int(QTextFormat::TableCellSpacing), int(QTextFormat::TableCellPadding)})
        changed |= clampProperty(format, property, 0, 256);
    if (format.width().rawValue() > kMaxMeasure || format.width().rawValue() < 0) {
        format.setWidth(QTextLength());
        changed = true;
    }
    if (format.height().rawValue() > kMaxMeasure || format.height().rawValue() < 0) {
        format.setHeight(QTextLength());
        changed = true;
    }
    if (format.isTableFormat()) {
        QTextTableFormat table = format.toTableFormat();
        QList<QTextLength> widths = table.columnWidthConstraints();
        bool widthsChanged = false;
        for (QTextLength& width : widths) {
            if (width.rawValue() > kMaxMeasure || width.rawValue() < 0) {
                width = QTextLength();
                widthsChanged = true;
            }
        }
        if (widthsChanged) {
            table.setColumnWidthConstraints(widths);
            format = table;
            changed = true;
        }
    }
    if (changed && frame != frame->document()->rootFrame())
        frame->setFrameFormat(format);
    for (QTextFrame* child : frame->childFrames())
        sanitizeFrame(child);
}

} // namespace

QVariant SealedTextDocument::loadResource(int, const QUrl&)
{
    return QVariant();
}

// The picture names the document's text refers to, in order of first use.
QStringList documentPictureNames(const QTextDocument* doc)
{
    QStringList names;
    QSet<QString> seen;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (!name.isEmpty() && !seen.contains(name)) {
                seen.insert(name);
                names.append(name);
            }
        }
    }
    return names;
}

void adoptDocument(QTextDocument* source, QTextDocument* target)
{
    sanitizeDocument(source);
    target->clear();
    for (const QString& name : documentPictureNames(source)) {
        const QUrl url(name);
        const QVariant picture = source->resource(QTextDocument::ImageResource, url);
        if (picture.isValid())
            target->addResource(QTextDocument::ImageResource, url, picture);
    }
    QTextCursor cursor(target);
    cursor.insertFragment(QTextDocumentFragment(source));
    const QTextFrameFormat from = source->rootFrame()->frameFormat();
    QTextFrameFormat frame = target->rootFrame()->frameFormat();
    frame.setBackground(from.hasProperty(QTextFormat::BackgroundBrush) ? from.background()
                                                                       : QBrush(Qt::black));
    frame.setTopMargin(from.hasProperty(QTextFormat::FrameTopMargin) ? from.topMargin() : 0);
    target->rootFrame()->setFrameFormat(frame);
}

void sanitizeDocument(QTextDocument* doc)
{
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        sanitizeBlock(block);
    sanitizeFrame(doc->rootFrame());
}

} // namespace dotsign
