#include "render/richdocument.h"

#include "project/atomicfile.h"
#include "render/fonts.h"
#include "render/kvfformat.h"
#include "render/richdocumentsafety.h"
#include "render/rtfreader.h"
#include "render/rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <algorithm>
#include <cmath>

namespace dotsign {

namespace {

Status rtfReadError()
{
    return Status::failure(QCoreApplication::translate("Document", "错误"),
                           QCoreApplication::translate("Document", "文件读错误。"));
}

} // namespace

DocumentFormat documentFormatForPath(const QString& path)
{
    if (path.endsWith(QLatin1String(".kvf")) || path.endsWith(QLatin1String(".kvc")))
        return DocumentFormat::Native;
    if (path.endsWith(QLatin1String(".rtf")))
        return DocumentFormat::Rtf;
    return DocumentFormat::None;
}

QFont defaultDocumentFont()
{
    QFont font = ledFont(kSongTi, pixelsForPoints(12));
    font.setPointSize(12); // the editor shows sizes in points; the layout runs at 96 dpi
    return font;
}

QColor defaultTextColour()
{
    return QColor(255, 0, 0);
}

void applyDocumentDefaults(QTextDocument* doc)
{
    const int top = documentTopMargin(doc);
    doc->setDefaultFont(defaultDocumentFont());
    doc->setDocumentMargin(0);
    doc->setIndentWidth(40);
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setLeftMargin(0);
    frame.setRightMargin(0);
    frame.setBottomMargin(0);
    frame.setTopMargin(top);
    if (!frame.hasProperty(QTextFormat::BackgroundBrush))
        frame.setBackground(Qt::black);
    doc->rootFrame()->setFrameFormat(frame);
}

int documentTopMargin(const QTextDocument* doc)
{
    const QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    if (!frame.hasProperty(QTextFormat::FrameTopMargin))
        return 0;
    return std::clamp(static_cast<int>(std::lround(frame.topMargin())), kMinTopMargin, kMaxTopMargin);
}

void setDocumentTopMargin(QTextDocument* doc, int pixels)
{
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setTopMargin(std::clamp(pixels, kMinTopMargin, kMaxTopMargin));
    doc->rootFrame()->setFrameFormat(frame);
}

int paragraphLineSpacing(const QTextBlock& block)
{
    const QTextBlockFormat format = block.blockFormat();
    if (format.lineHeightType() != QTextBlockFormat::ProportionalHeight)
        return 100;
    return static_cast<int>(std::lround(format.lineHeight()));
}

void applyLineSpacing(QTextCursor& cursor, int percent)
{
    QTextBlockFormat format;
    const int value = std::clamp(percent, kMinLineSpacing, kMaxLineSpacing);
    if (value == 100)
        format.setLineHeight(0, QTextBlockFormat::SingleHeight);
    else
        format.setLineHeight(value, QTextBlockFormat::ProportionalHeight);
    cursor.mergeBlockFormat(format);
}

namespace {

// Dots per metre of a 96 dpi device: text is measured at 96 dpi whatever the
// screen's resolution, so that 12 pt is always 16 LEDs.
constexpr int kDotsPerMetre96 = 3780;

QImage metricsDevice()
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(kDotsPerMetre96);
    device.setDotsPerMeterY(kDotsPerMetre96);
    return device;
}

} // namespace

RichDocument::RichDocument() : m_metrics(metricsDevice()), m_doc(std::make_unique<SealedTextDocument>())
{
    installLedFontSubstitutions();
    m_doc->documentLayout()->setPaintDevice(&m_metrics);
    m_doc->setDocumentMargin(0); // Qt's 4-pixel margin is not our top margin
    applyDocumentDefaults(m_doc.get());
}

RichDocument::~RichDocument() = default;

void RichDocument::clear()
{
    const qreal width = m_doc->textWidth();
    m_doc->clear();
    QTextFrameFormat frame;
    frame.setBackground(Qt::black);
    m_doc->rootFrame()->setFrameFormat(frame);
    applyDocumentDefaults(m_doc.get());
    m_doc->setTextWidth(width);
    m_doc->clearUndoRedoStacks();
}

void RichDocument::setEditorWidth(int width)
{
    setLayoutWidth(width - kEditorScrollBarWidth);
}

void RichDocument::setLayoutWidth(int width)
{
    m_doc->setTextWidth(std::clamp(width, 1, kMaxPictureSide));
}

int RichDocument::layoutWidth() const
{
    return static_cast<int>(m_doc->textWidth());
}

int RichDocument::documentWidth() const
{
    return static_cast<int>(std::ceil(m_doc->documentLayout()->documentSize().width()));
}

int RichDocument::documentHeight() const
{
    return static_cast<int>(std::ceil(m_doc->documentLayout()->documentSize().height()));
}

Status RichDocument::loadNative(const QByteArray& data)
{
    const qreal width = m_doc->textWidth();
    Status status = readKvf(data, m_doc.get());
    applyDocumentDefaults(m_doc.get());
    m_doc->setTextWidth(width);
    m_doc->clearUndoRedoStacks(); // a loaded document starts a new editing history
    return status;
}

Status RichDocument::loadRtf(const QByteArray& data)
{
    const qreal width = m_doc->textWidth();
    const Status status = readRtf(data, m_doc.get());
    applyDocumentDefaults(m_doc.get());
    m_doc->setTextWidth(width);
    m_doc->clearUndoRedoStacks();
    return status ? status : rtfReadError();
}

QByteArray RichDocument::saveNative() const
{
    return writeKvf(m_doc.get());
}

QByteArray RichDocument::saveRtf() const
{
    return writeRtf(m_doc.get());
}

Status RichDocument::loadFile(const QString& path)
{
    const DocumentFormat format = documentFormatForPath(path);
    if (format == DocumentFormat::None)
        return Status::success();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        clear();
        return format == DocumentFormat::Rtf
                   ? rtfReadError()
                   : Status::failure(QCoreApplication::translate("FileAccess", "无法读取文件 %1").arg(path));
    }
    const QByteArray data = file.readAll();
    return format == DocumentFormat::Native ? loadNative(data) : loadRtf(data);
}

Status RichDocument::saveFile(const QString& path) const
{
    const bool native = path.endsWith(QLatin1String(".kvf"));
    const Status status = writeFileAtomically(path, native ? saveNative() : saveRtf());
    if (!status && !native)
        return rtfReadError();
    return status;
}

void RichDocument::paint(QPainter& painter, const QRect& clip) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, defaultTextColour());
    context.palette.setColor(QPalette::Base, Qt::black);
    context.palette.setColor(QPalette::Window, Qt::black);
    m_doc->documentLayout()->draw(&painter, context);
    painter.restore();
}

QImage RichDocument::render(int width, int height) const
{
    QImage image(std::clamp(width, 1, kMaxPictureSide), std::clamp(height, 1, kMaxPictureSide),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMetre96);
    image.setDotsPerMeterY(kDotsPerMetre96);
    image.fill(Qt::black);
    QPainter painter(&image);
    paint(painter, image.rect());
    return image;
}

} // namespace dotsign
