#include "editor/previewpicture.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>

namespace dotsign {

namespace {

// No preview is drawn larger than this either way, whatever the zoom.
constexpr int kMaxShownSide = 16384;

} // namespace

int zoomFactorForEntry(int entry)
{
    if (entry <= 1)
        return 1;
    return std::min(entry, kZoomEntries) + 1;
}

PreviewPicture::PreviewPicture(QWidget* parent) : QWidget(parent), m_menu(new QMenu(this))
{
    setToolTip(tr("如果分区放大阅览的蓝线压着字，请调节行距，字体大小，或分区大小"));
    for (int entry = 1; entry <= kZoomEntries; ++entry) {
        if (entry > 1)
            m_menu->addSeparator();
        QAction* action = m_menu->addAction(tr("放大%1倍").arg(entry));
        action->setObjectName(QStringLiteral("zoom%1").arg(entry));
        connect(action, &QAction::triggered, this, [this, entry] { emit zoomChosen(entry); });
    }
    updateSize();
}

void PreviewPicture::setImage(const QImage& image)
{
    m_image = image;
    updateSize();
    update();
}

void PreviewPicture::setScale(int factor)
{
    m_scale = std::max(1, factor);
    updateSize();
    update();
}

void PreviewPicture::updateSize()
{
    const int width = std::clamp(m_image.width() * m_scale, 1, kMaxShownSide);
    const int height = std::clamp(m_image.height() * m_scale, 1, kMaxShownSide);
    setFixedSize(width, height);
}

void PreviewPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (m_image.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.drawImage(rect(), m_image);
}

void PreviewPicture::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}

} // namespace dotsign
