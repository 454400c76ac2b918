#include "app/layoutview.h"

#include "app/pixelimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace dotsign {

namespace {

QString viewName(int t)
{
    return t == 1 ? QStringLiteral("m1") : QStringLiteral("M%1").arg(t);
}

QString panelName(int t, int zone)
{
    return QStringLiteral("%1_%2").arg(viewName(t)).arg(zone);
}

QString imageName(int t, int zone)
{
    return t == 1 ? QStringLiteral("m1_bmp") : panelName(t, zone) + QStringLiteral("_BMP");
}

} // namespace

LayoutView::LayoutView(int layoutTemplate, QWidget* parent) : QFrame(parent), m_template(layoutTemplate)
{
    setObjectName(viewName(layoutTemplate));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x5a, 0x5f, 0x66));
    setPalette(pal);
    setCursor(Qt::SizeAllCursor);
    watch(this);
    for (int z = 1; z <= zoneCount(); ++z) {
        auto* panel = new QWidget(this);
        panel->setObjectName(panelName(layoutTemplate, z));
        panel->setAutoFillBackground(true);
        auto* image = new PixelImage(panel);
        image->setObjectName(imageName(layoutTemplate, z));
        image->setStretch(false);
        image->setCursor(Qt::PointingHandCursor);
        m_panels[static_cast<size_t>(z - 1)] = panel;
        m_images[static_cast<size_t>(z - 1)] = image;
        setZoneColour(z, Qt::black);
        watch(panel);
        watch(image);
    }
    if (layoutTemplate >= 2) {
        m_splitters[0] = new SplitterBar(layoutTemplate == 3 ? Qt::Vertical : Qt::Horizontal, this);
        connect(m_splitters[0], &SplitterBar::released, this, [this](int delta) {
            const int base = m_template == 3 ? m_sizes.leftWidth : m_sizes.topHeight;
            emit splitterReleased(0, base + delta);
        });
    }
    if (layoutTemplate == 4) {
        m_splitters[1] = new SplitterBar(Qt::Vertical, this);
        connect(m_splitters[1], &SplitterBar::released, this,
                [this](int delta) { emit splitterReleased(1, m_sizes.bottomLeftWidth + delta); });
    }
    hide();
}

void LayoutView::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

QSize LayoutView::outerSize(int w, int h) const
{
    const int extraW = (m_template == 3 || m_template == 4) ? kSplitterSize : 0;
    const int extraH = (m_template == 2 || m_template == 4) ? kSplitterSize : 0;
    return {qMax(w, 0) + 2 * kViewBorder + extraW, qMax(h, 0) + 2 * kViewBorder + extraH};
}

void LayoutView::arrange(int w, int h, const TemplateSizes& sizes)
{
    m_sizes = sizes;
    setFixedSize(outerSize(w, h));
    const auto rects = tileZones(m_template, w, h, sizes);
    const int b = kViewBorder;
    const int s = kSplitterSize;
    auto place = [this](int zone, int x, int y, int width, int height) {
        QWidget* panel = m_panels[static_cast<size_t>(zone - 1)];
        panel->setGeometry(x, y, qMax(width, 0), qMax(height, 0));
        m_images[static_cast<size_t>(zone - 1)]->setGeometry(0, 0, qMax(width, 0), qMax(height, 0));
    };
    const ZoneRect& r1 = rects[0];
    const ZoneRect& r2 = rects[1];
    const ZoneRect& r3 = rects[2];
    switch (m_template) {
    case 2:
        place(1, b, b, r1.width, r1.height);
        m_splitters[0]->setGeometry(b, b + r1.height, r1.width, s);
        place(2, b, b + r1.height + s, r2.width, r2.height);
        break;
    case 3:
        place(1, b, b, r1.width, r1.height);
        m_splitters[0]->setGeometry(b + r1.width, b, s, r1.height);
        place(2, b + r1.width + s, b, r2.width, r2.height);
        break;
    case 4:
        place(1, b, b, r1.width + s, r1.height);
        m_splitters[0]->setGeometry(b, b + r1.height, r1.width + s, s);
        place(2, b, b + r1.height + s, r2.width, r2.height);
        m_splitters[1]->setGeometry(b + r2.width, b + r1.height + s, s, r2.height);
        place(3, b + r2.width + s, b + r1.height + s, r3.width, r3.height);
        break;
    default:
        place(1, b, b, r1.width, r1.height);
        break;
    }
}

QWidget* LayoutView::zonePanel(int zone) const
{
    return zone >= 1 && zone <= zoneCount() ? m_panels[static_cast<size_t>(zone - 1)] : nullptr;
}

PixelImage* LayoutView::zoneImage(int zone) const
{
    return zone >= 1 && zone <= zoneCount() ? m_images[static_cast<size_t>(zone - 1)] : nullptr;
}

SplitterBar* LayoutView::splitter(int index) const
{
    return index >= 0 && index < 2 ? m_splitters[static_cast<size_t>(index)] : nullptr;
}

void LayoutView::setZoneColour(int zone, const QColor& colour)
{
    if (QWidget* panel = zonePanel(zone)) {
        QPalette pal = panel->palette();
        pal.setColor(QPalette::Window, colour);
        panel->setPalette(pal);
    }
}

QColor LayoutView::zoneColour(int zone) const
{
    const QWidget* panel = zonePanel(zone);
    return panel ? panel->palette().color(QPalette::Window) : QColor();
}

int LayoutView::zoneOfImage(QObject* watched) const
{
    for (int z = 1; z <= zoneCount(); ++z)
        if (watched == m_images[static_cast<size_t>(z - 1)])
            return z;
    return 0;
}

// A press anywhere on the view, its panels or its images starts moving the
// whole view; a press on a zone image also selects that zone.
bool LayoutView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton)
            break;
        m_pressPos = me->globalPosition().toPoint() - pos();
        m_dragging = true;
        if (const int zone = zoneOfImage(watched))
            emit zoneImagePressed(zone);
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (m_dragging && (me->buttons() & Qt::LeftButton))
            move(me->globalPosition().toPoint() - m_pressPos);
        return m_dragging;
    }
    case QEvent::MouseButtonRelease: {
        if (!m_dragging)
            break;
        m_dragging = false;
        move(qMax(0, x()), qMax(0, y()));
        emit dragReleased(pos());
        return true;
    }
    case QEvent::MouseButtonDblClick:
        return true; // a double click on a zone image does nothing
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

SplitterBar::SplitterBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation)
{
    setObjectName(QStringLiteral("splitter"));
    setCursor(orientation == Qt::Horizontal ? Qt::SplitVCursor : Qt::SplitHCursor);
}

int SplitterBar::along(const QPointF& global) const
{
    return m_orientation == Qt::Horizontal ? qRound(global.y()) : qRound(global.x());
}

void SplitterBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_pressed ? QColor(0x9c, 0xc3, 0xff) : QColor(0x80, 0x86, 0x8e));
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_startPos = pos();
    m_pressAt = along(event->globalPosition());
    update();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    const int delta = along(event->globalPosition()) - m_pressAt;
    move(m_orientation == Qt::Horizontal ? m_startPos + QPoint(0, delta) : m_startPos + QPoint(delta, 0));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    const int delta = along(event->globalPosition()) - m_pressAt;
    move(m_startPos);
    update();
    emit released(delta);
}

} // namespace dotsign
