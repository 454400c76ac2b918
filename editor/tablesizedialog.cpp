#include "editor/tablesizedialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace dotsign {

namespace {

QSpinBox* makeSpinBox(int low, int high, int value, const QString& tip, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setToolTip(tip);
    box->setMinimumWidth(72);
    return box;
}

} // namespace

TF_TABLE_SIZE::TF_TABLE_SIZE(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("插入表格"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSizeGroup());
    layout->addWidget(buildWidthGroup());
    layout->addWidget(buildColourGroup());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("确定(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TF_TABLE_SIZE::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TF_TABLE_SIZE::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TF_TABLE_SIZE::buildSizeGroup()
{
    auto* group = new QGroupBox(tr("表格大小"), this);
    auto* form = new QFormLayout(group);
    m_rows = makeSpinBox(1, kMaxTableRows, 2, tr("表格的行数"), group);
    m_columns = makeSpinBox(1, kMaxTableColumns, 2, tr("表格的列数"), group);
    form->addRow(tr("行数(&R):"), m_rows);
    form->addRow(tr("列数(&C):"), m_columns);
    return group;
}

QWidget* TF_TABLE_SIZE::buildWidthGroup()
{
    auto* group = new QGroupBox(tr("表格边框宽度"), this);
    auto* form = new QFormLayout(group);
    m_outerWidth = makeSpinBox(0, kMaxTableBorder, 1, tr("表格外框线的宽度（点）"), group);
    m_innerWidth = makeSpinBox(0, kMaxTableBorder, 1, tr("单元格框线的宽度（点）"), group);
    form->addRow(tr("外边框"), m_outerWidth);
    form->addRow(tr("内边框"), m_innerWidth);
    return group;
}

QWidget* TF_TABLE_SIZE::buildColourGroup()
{
    auto* group = new QGroupBox(tr("表格边框颜色"), this);
    auto* form = new QFormLayout(group);
    m_outerSwatch = new QToolButton(group);
    m_innerSwatch = new QToolButton(group);
    for (QToolButton* swatch : {m_outerSwatch, m_innerSwatch}) {
        swatch->setIconSize(QSize(48, 16));
        swatch->setToolTip(tr("单击选择颜色"));
    }
    paintSwatch(m_outerSwatch, m_outerColour);
    paintSwatch(m_innerSwatch, m_innerColour);
    connect(m_outerSwatch, &QToolButton::clicked, this,
            [this] { chooseColour(m_outerSwatch, &m_outerColour); });
    connect(m_innerSwatch, &QToolButton::clicked, this,
            [this] { chooseColour(m_innerSwatch, &m_innerColour); });
    form->addRow(tr("外边框"), m_outerSwatch);
    form->addRow(tr("内边框"), m_innerSwatch);
    return group;
}

void TF_TABLE_SIZE::chooseColour(QToolButton* swatch, QColor* colour)
{
    const QColor chosen = QColorDialog::getColor(*colour, this, tr("边框颜色"));
    if (!chosen.isValid())
        return;
    *colour = chosen;
    paintSwatch(swatch, chosen);
}

void TF_TABLE_SIZE::paintSwatch(QToolButton* swatch, const QColor& colour)
{
    QPixmap pixmap(swatch->iconSize());
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(QColor(80, 80, 80));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    swatch->setIcon(QIcon(pixmap));
}

void TF_TABLE_SIZE::setOuterColour(const QColor& colour)
{
    m_outerColour = colour;
    paintSwatch(m_outerSwatch, colour);
}

void TF_TABLE_SIZE::setInnerColour(const QColor& colour)
{
    m_innerColour = colour;
    paintSwatch(m_innerSwatch, colour);
}

void TF_TABLE_SIZE::accept()
{
    m_parameters.rows = m_rows->value();
    m_parameters.columns = m_columns->value();
    m_parameters.outerBorderWidth = m_outerWidth->value();
    m_parameters.innerBorderWidth = m_innerWidth->value();
    m_parameters.outerBorderColour = m_outerColour;
    m_parameters.innerBorderColour = m_innerColour;
    QDialog::accept();
}

} // namespace dotsign
