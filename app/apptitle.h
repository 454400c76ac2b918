#pragma once

#include <QString>

namespace dotsign {

inline QString applicationTitle()
{
    return QStringLiteral("DotSign LED 显示屏编辑系统");
}

} // namespace dotsign
