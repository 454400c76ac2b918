#pragma once
// The about box "系统介绍".

#include <QDialog>

namespace dotsign {

class TFABOUT : public QDialog
{
    Q_OBJECT
public:
    explicit TFABOUT(QWidget* parent = nullptr);
};

} // namespace dotsign
