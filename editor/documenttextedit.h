#pragma once
// The editing area: a QTextEdit that also takes pictures, pasted or dropped
// (bitmaps and picture files), and keeps what is pasted within the limits
// the renderers can handle.

#include <QImage>
#include <QTextEdit>

namespace dotsign {

class DocumentTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit DocumentTextEdit(QWidget* parent = nullptr);

signals:
    // A picture arrived through the clipboard or a drop, to go in at the caret.
    void imageArrived(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// Reads a picture file (PNG, JPEG, GIF, BMP) within the size limits of a
// document; a null image when the file cannot be read.
QImage readPictureFile(const QString& path);
bool isPictureFile(const QString& path);

} // namespace dotsign
