#include "link/devicecommands.h"

namespace dotsign {

const std::vector<DeviceCommandItem>& DeviceCommands::items()
{
    using I = DeviceCommandItem;
    static const std::vector<DeviceCommandItem> list = {
        {I::Toolbar, QStringLiteral("硬件配置")},
        {I::Toolbar, QStringLiteral("流水边框")},
        {I::Toolbar, QStringLiteral("调亮度")},
        {I::Toolbar, QStringLiteral("定时关机")},
        {I::Toolbar, QStringLiteral("发送")},
        {I::Toolbar, QStringLiteral("保存到U盘")},
        {I::Toolbar, QStringLiteral("校时")},
        {I::HiddenToolbar, QStringLiteral("开机")},
        {I::HiddenToolbar, QStringLiteral("关机")},
        {I::HiddenToolbar, QStringLiteral("暂停显示")},
        {I::HiddenToolbar, QStringLiteral("继续显示")},
        {I::Toolbar, QStringLiteral("查找显示屏")},
        {I::SettingsMenu, QStringLiteral("硬件配置")},
        {I::SettingsMenu, QStringLiteral("亮度设置")},
        {I::SettingsMenu, QStringLiteral("定时开关机设置")},
        {I::SendMenu, QStringLiteral("发送节目")},
        {I::SendMenu, QStringLiteral("校准时间")},
        {I::SendMenu, QStringLiteral("强制开机")},
        {I::SendMenu, QStringLiteral("强制关机")},
    };
    return list;
}

} // namespace dotsign
