#pragma once
// The rich document of a graphic-text zone: formatted text, tables and
// pictures held in a QTextDocument, laid out at the zone's width and painted at
// one pixel per LED.
//
// Document defaults: black background, red "宋体" 12 pt text, no margins
// except the top margin "下移" (-2..64 pixels), which shifts the content down
// inside every page. Text without a colour of its own paints red, so that a
// document written in an ordinary word processor (black "auto" text) lights
// the sign instead of vanishing.
//
// Files are chosen by their exact extension: ".kvf" and ".kvc" hold the
// native format (render/kvfformat.h), ".rtf" holds Rich Text Format; any other
// name loads nothing. "ABC.KVF" is not a document.

#include "project/status.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTextDocument>
#include <memory>

class QPainter;
class QTextBlock;
class QTextCursor;

namespace dotsign {

enum class DocumentFormat { None, Native, Rtf };

// The format a zone document file is read in, by its exact extension.
DocumentFormat documentFormatForPath(const QString& path);

constexpr int kMinTopMargin = -2; // "下移" range
constexpr int kMaxTopMargin = 64;
constexpr int kMinLineSpacing = 50; // "行距" range, percent
constexpr int kMaxLineSpacing = 600;
// The editor is sized to the zone width plus its vertical scroll bar; the
// text is laid out in the client area to the left of the bar.
constexpr int kEditorScrollBarWidth = 17;

// Pictures and pages larger than this many pixels either way are clamped:
// no sign or preview uses more, and hostile files must not allocate gigabytes.
constexpr int kMaxPictureSide = 8192;
// All pictures of one document together hold at most this many pixels.
constexpr qint64 kDocumentPixelBudget = qint64(32) * 1024 * 1024;

// Gives `doc` the document defaults (font, background, margins), keeping its content.
void applyDocumentDefaults(QTextDocument* doc);
// The default character font: "宋体" 12 pt, without antialiasing.
QFont defaultDocumentFont();
// Text without a colour of its own paints in this colour.
QColor defaultTextColour();

// Top margin "下移" of a document, in pixels.
int documentTopMargin(const QTextDocument* doc);
void setDocumentTopMargin(QTextDocument* doc, int pixels);

// Line spacing "行距" of a paragraph in percent (100 for single spacing).
int paragraphLineSpacing(const QTextBlock& block);
// Sets the line spacing of every paragraph the cursor's selection touches.
void applyLineSpacing(QTextCursor& cursor, int percent);

class RichDocument
{
public:
    RichDocument();
    ~RichDocument();
    RichDocument(const RichDocument&) = delete;
    RichDocument& operator=(const RichDocument&) = delete;

    // The document itself; an editor shows it with QTextEdit::setDocument.
    QTextDocument* document() { return m_doc.get(); }
    const QTextDocument* document() const { return m_doc.get(); }

    // Empties the document and restores the defaults (top margin 0).
    void clear();

    // Width of the editing control; the layout width is this less the scroll bar.
    void setEditorWidth(int width);
    void setLayoutWidth(int width);
    int layoutWidth() const;

    // Formatted size in pixels. The height includes the top margin.
    int documentWidth() const;
    int documentHeight() const;

    int topMargin() const { return documentTopMargin(m_doc.get()); }
    void setTopMargin(int pixels) { setDocumentTopMargin(m_doc.get(), pixels); }

    // Loading replaces the content (a failed load leaves an empty or partial document).
    Status loadNative(const QByteArray& data);
    Status loadRtf(const QByteArray& data);
    QByteArray saveNative() const;
    QByteArray saveRtf() const;

    // By exact extension (documentFormatForPath). Any other extension loads
    // nothing and leaves the document as it was.
    Status loadFile(const QString& path);
    // A ".kvf" name is saved natively, any other as RTF; written atomically.
    Status saveFile(const QString& path) const;

    // Paints the formatted document with its top-left corner at (0, 0),
    // without antialiasing, clipped to `clip`.
    void paint(QPainter& painter, const QRect& clip) const;
    // A black width x height bitmap with the document painted on it.
    QImage render(int width, int height) const;

private:
    QImage m_metrics;                     // the 96 dpi device the layout measures text on
    std::unique_ptr<QTextDocument> m_doc; // sealed: it loads no resource it was not given
};

} // namespace dotsign
