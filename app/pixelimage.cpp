#include "app/pixelimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace dotsign {

PixelImage::PixelImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PixelImage::setImage(const QImage& image)
{
    m_image = image;
    update();
}

void PixelImage::setBlack(int width, int height)
{
    QImage black(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32);
    black.fill(Qt::black);
    setImage(black);
}

void PixelImage::setDisplaySize(int width, int height)
{
    setFixedSize(qMax(width, 0), qMax(height, 0));
}

void PixelImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_image.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (m_stretch)
            p.drawImage(rect(), m_image);
        else
            p.drawImage(QPoint(0, 0), m_image);
    }
}

void PixelImage::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event);
    QWidget::mousePressEvent(event);
}

} // namespace dotsign
