#pragma once
// The editor's preview: the zone bitmap shown enlarged by pixel replication,
// so that every LED stays a sharp square. Right-click opens the zoom menu.

#include <QImage>
#include <QWidget>

class QMenu;

namespace dotsign {

// Scale factor of the zoom menu entries "放大1倍" .. "放大5倍" (1-based). The
// entries are older than their captions: "放大2倍" has always shown three times
// the size, and so on; "放大5倍" carries the series on to six.
int zoomFactorForEntry(int entry);
constexpr int kZoomEntries = 5;

class PreviewPicture : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPicture(QWidget* parent = nullptr);

    // Shows `image` at the current scale.
    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }
    void setScale(int factor);
    int scale() const { return m_scale; }
    QMenu* zoomMenu() const { return m_menu; }

signals:
    // A zoom menu entry (1..5) was chosen.
    void zoomChosen(int entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void updateSize();

    QImage m_image;
    int m_scale = 1;
    QMenu* m_menu = nullptr;
};

} // namespace dotsign
