#pragma once
// The coordinate group "分区坐标": the current zone's x, y, height and width.
// The fields report typed values; the window applies the template's rules.

#include "app/layoutrules.h"

#include <QGroupBox>

class QSpinBox;

namespace dotsign {

class CoordinateGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit CoordinateGroup(QWidget* parent = nullptr);

    // Shows values without reporting them.
    void setValues(int x, int y, int height, int width);
    void setField(GeometryField field, int value);
    QSpinBox* field(GeometryField field) const;

signals:
    void fieldChanged(GeometryField field, int value);

private:
    QSpinBox* makeField(const char* name, GeometryField field, int step, int minimum, int maximum);

    QSpinBox* m_x = nullptr;
    QSpinBox* m_y = nullptr;
    QSpinBox* m_height = nullptr;
    QSpinBox* m_width = nullptr;
};

} // namespace dotsign
