#include "app/coordinategroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace dotsign {

CoordinateGroup::CoordinateGroup(QWidget* parent) : QGroupBox(tr("分区坐标"), parent)
{
    setObjectName(QStringLiteral("GroupBox3"));
    m_x = makeField("e_x", GeometryField::X, 16, 0, 1024);
    m_y = makeField("e_y", GeometryField::Y, 8, 0, 128);
    m_height = makeField("E_H", GeometryField::Height, 8, 8, 128);
    m_width = makeField("E_W", GeometryField::Width, 16, 8, 1024);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("起点X"), this), 0, 0);
    grid->addWidget(m_x, 0, 1);
    grid->addWidget(new QLabel(tr("起点Y"), this), 0, 2);
    grid->addWidget(m_y, 0, 3);
    grid->addWidget(new QLabel(tr("高度"), this), 1, 0);
    grid->addWidget(m_height, 1, 1);
    grid->addWidget(new QLabel(tr("宽度"), this), 1, 2);
    grid->addWidget(m_width, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QSpinBox* CoordinateGroup::makeField(const char* name, GeometryField field, int step, int minimum,
                                     int maximum)
{
    auto* box = new QSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setToolTip(tr("选择LED信息分辨率点阵行数"));
    // A typed number takes effect when it is complete (Enter or leaving the
    // field), not at every keystroke: the first digit of "100" is no size.
    box->setKeyboardTracking(false);
    connect(box, &QSpinBox::valueChanged, this, [this, field](int v) { emit fieldChanged(field, v); });
    return box;
}

QSpinBox* CoordinateGroup::field(GeometryField field) const
{
    switch (field) {
    case GeometryField::X:
        return m_x;
    case GeometryField::Y:
        return m_y;
    case GeometryField::Height:
        return m_height;
    default:
        return m_width;
    }
}

void CoordinateGroup::setField(GeometryField f, int value)
{
    QSpinBox* box = field(f);
    const QSignalBlocker block(box);
    box->setValue(value);
}

void CoordinateGroup::setValues(int x, int y, int height, int width)
{
    setField(GeometryField::X, x);
    setField(GeometryField::Y, y);
    setField(GeometryField::Height, height);
    setField(GeometryField::Width, width);
}

} // namespace dotsign
