#pragma once
// The "虚拟显示屏" menu item: the window that plays what the built-in virtual
// card received with the last "发送", or a chosen USB-disk file.

namespace dotsign {

class DeviceContext;
class TMAINForm;

void wireVirtualSign(TMAINForm& window, DeviceContext& context);

} // namespace dotsign
