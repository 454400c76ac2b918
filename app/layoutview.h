#pragma once
// A layout view: the zones of a program drawn to scale at one pixel per LED,
// inside a 6-pixel border and with 5-pixel splitter bars between zones. There
// is one view per template ("m1", "M2", "M3", "M4"); zone panels are named
// "M2_1" ..., their images "M2_1_BMP" ... ("m1_1" and "m1_bmp" for template 1).

#include "app/layoutrules.h"

#include <QFrame>
#include <QImage>
#include <QPoint>
#include <array>

namespace dotsign {

class PixelImage;
class SplitterBar;

constexpr int kViewBorder = 6;
constexpr int kSplitterSize = 5;

class LayoutView : public QFrame
{
    Q_OBJECT
public:
    LayoutView(int layoutTemplate, QWidget* parent = nullptr);

    int layoutTemplate() const { return m_template; }
    int zoneCount() const { return zoneCountForTemplate(m_template); }

    // Sizes the view for a screen of width × height and places its zone panels.
    void arrange(int screenWidth, int screenHeight, const TemplateSizes& sizes);
    QSize outerSize(int screenWidth, int screenHeight) const;
    // The free sizes the view was last arranged with.
    const TemplateSizes& sizes() const { return m_sizes; }

    QWidget* zonePanel(int zone) const;
    PixelImage* zoneImage(int zone) const;
    SplitterBar* splitter(int index) const; // 0: top/left, 1: bottom-left | bottom-right
    void setZoneColour(int zone, const QColor& colour);
    QColor zoneColour(int zone) const;

signals:
    void zoneImagePressed(int zone);
    // A splitter was released: index 0 sets the top height (templates 2, 4) or
    // the left width (template 3); index 1 the bottom-left width (template 4).
    void splitterReleased(int index, int newSize);
    void dragReleased(QPoint topLeft);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
    int zoneOfImage(QObject* watched) const;

    int m_template;
    std::array<QWidget*, 3> m_panels{};
    std::array<PixelImage*, 3> m_images{};
    std::array<SplitterBar*, 2> m_splitters{};
    TemplateSizes m_sizes;
    QPoint m_pressPos;
    bool m_dragging = false;
};

// A bar the operator drags to resize the zones on either side.
class SplitterBar : public QWidget
{
    Q_OBJECT
public:
    SplitterBar(Qt::Orientation orientation, QWidget* parent);

signals:
    void released(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int along(const QPointF& global) const;

    Qt::Orientation m_orientation;
    QPoint m_startPos;
    int m_pressAt = 0;
    bool m_pressed = false;
};

} // namespace dotsign
