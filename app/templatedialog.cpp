#include "app/templatedialog.h"

#include "app/layoutrules.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dotsign {

TemplateTile::TemplateTile(int layoutTemplate, QWidget* parent) : QFrame(parent), m_template(layoutTemplate)
{
    // The tiles keep the names they have always had: Panel1, Panel2, Panel6, Panel3.
    static const char* const names[4] = {"Panel1", "Panel2", "Panel6", "Panel3"};
    setObjectName(QLatin1String(names[layoutTemplate - 1]));
    setMinimumSize(71, 68);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("模板%1").arg(layoutTemplate));
}

void TemplateTile::setMarked(bool marked)
{
    m_marked = marked;
    update();
}

void TemplateTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor back = m_marked ? Qt::black : Qt::white;
    const QColor fore = m_marked ? QColor(0xff, 0xc1, 0x07) : QColor(0x33, 0x33, 0x33);
    p.fillRect(rect(), back);
    p.setPen(QColor(0x88, 0x88, 0x88));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The picture: the template's zones tiling a 48 × 24 screen.
    const QFontMetrics fm(font());
    const int labelHeight = fm.height() + 4;
    const QRect pic((width() - 48) / 2, (height() - labelHeight - 24) / 2, 48, 24);
    const auto rects = tileZones(m_template, 48, 24, TemplateSizes{8, 16, 16});
    p.setPen(fore);
    p.setBrush(Qt::NoBrush);
    for (int z = 0; z < zoneCountForTemplate(m_template); ++z) {
        const ZoneRect& r = rects[static_cast<size_t>(z)];
        p.drawRect(pic.x() + r.x, pic.y() + r.y, r.width - 1, r.height - 1);
    }
    p.drawText(QRect(0, height() - labelHeight, width(), labelHeight), Qt::AlignCenter, tr("主分区"));
}

void TemplateTile::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
}

void TemplateTile::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TemplateDialog::TemplateDialog(ProjectState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("TF_MODAL"));
    setWindowTitle(tr("选择模板"));
    auto* tabs = new QTabWidget(this);
    auto* page = new QWidget(tabs);
    auto* row = new QHBoxLayout(page);
    for (int t = 1; t <= 4; ++t) {
        auto* tile = new TemplateTile(t, page);
        m_tiles[static_cast<size_t>(t - 1)] = tile;
        row->addWidget(tile);
        connect(tile, &TemplateTile::pressed, this, [this, tile] { mark(tile); });
        connect(tile, &TemplateTile::clicked, this, [this, t] { m_state.currentTemplate = t; });
    }
    tabs->addTab(page, tr("分区模板"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_state.currentTemplate = markedTemplate();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* v = new QVBoxLayout(this);
    v->addWidget(tabs);
    v->addWidget(buttons);
    resize(325, 216);

    m_state.currentTemplate = 1;
    mark(m_tiles[0]);
}

TemplateTile* TemplateDialog::tile(int layoutTemplate) const
{
    return layoutTemplate >= 1 && layoutTemplate <= 4 ? m_tiles[static_cast<size_t>(layoutTemplate - 1)]
                                                      : nullptr;
}

int TemplateDialog::markedTemplate() const
{
    for (TemplateTile* t : m_tiles)
        if (t->marked())
            return t->layoutTemplate();
    return 1;
}

void TemplateDialog::mark(TemplateTile* tile)
{
    for (TemplateTile* t : m_tiles)
        t->setMarked(t == tile);
}

} // namespace dotsign
