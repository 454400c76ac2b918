#pragma once
// Connects the main window's project, device and export commands to their
// handlers, enables them, and binds the device commands to the shared
// enabled state so that none can start while another talks to the card.

namespace dotsign {

class DeviceContext;
class TMAINForm;

void wireDeviceCommands(TMAINForm& window, DeviceContext& context);

} // namespace dotsign
