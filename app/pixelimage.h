#pragma once
// A bitmap shown at a whole-number enlargement: every LED becomes a sharp
// square block (nearest-neighbour scaling, never smoothed).

#include <QImage>
#include <QWidget>

namespace dotsign {

class PixelImage : public QWidget
{
    Q_OBJECT
public:
    explicit PixelImage(QWidget* parent = nullptr);

    // Shows `image` stretched to the widget's size.
    void setImage(const QImage& image);
    const QImage& image() const { return m_image; }
    // A new bitmap of the given size filled black.
    void setBlack(int width, int height);
    // Resizes the widget (its bitmap follows).
    void setDisplaySize(int width, int height);
    // Thumbnails show their bitmap at one pixel per LED from the top-left
    // corner instead of stretching it (a zone bitmap may hold several pages).
    void setStretch(bool stretch) { m_stretch = stretch; }

    QSize sizeHint() const override { return size(); }

signals:
    void pressed(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    bool m_stretch = true;
};

} // namespace dotsign
