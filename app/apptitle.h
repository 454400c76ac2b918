#pragma once

#include <QCoreApplication>
#include <QString>

namespace dotsign {

inline QString applicationTitle()
{
    return QCoreApplication::translate("AppTitle", "DotSign LED 显示屏编辑系统");
}

} // namespace dotsign
