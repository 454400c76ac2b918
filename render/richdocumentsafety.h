#pragma once
// Guards shared by the document readers. Documents come from files the
// operator copies around, so a reader must never let a file make the layout
// or the painting allocate without bound, nor reach outside the document.

#include <QStringList>
#include <QTextDocument>

namespace dotsign {

// A document that answers every resource it was not given (a picture, a
// style sheet) with nothing: an <img src="/dev/zero"> in a hostile file must
// not make it read local files. The readers are given documents of this kind
// (RichDocument's); a plain QTextDocument would fetch what a file names.
class SealedTextDocument : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

// The readers build a document in a scratch document that is never laid
// out, because Qt's layout itself can be driven into an endless loop by some
// formats (a picture zero pixels wide inside a table). Once the scratch
// document is clamped (sanitizeDocument), its content, pictures, top margin
// and page colour replace those of `target`.
void adoptDocument(QTextDocument* source, QTextDocument* target);

// The picture names the document's text refers to, in order of first use.
QStringList documentPictureNames(const QTextDocument* doc);

// Clamps picture sizes, font sizes, indents and table measures of a freshly
// loaded document to what a sign can use.
void sanitizeDocument(QTextDocument* doc);

} // namespace dotsign
