#pragma once
// The port in use and its speed: the speed table, applying the screen's port
// settings to the serial port (ApplayCom) and the port drop-down's handler.

#include "project/projectstate.h"
#include "project/status.h"

#include <QStringList>

namespace dotsign {

// The speed table: 4800, 9600, 19200, 38400, 57600 and 115200 bit/s map to
// themselves; anything else is applied, and read back, as 9600.
int speedFromBaudRate(int baudRate);
int baudRateFromSpeed(int speed);

// The serial ports this computer has, in the drop-down's order.
QStringList availablePortNames();

// Applies the screen's serialPort and baudRate to the port settings, stores
// back what the port accepted, writes the three link keys to the default
// project file and updates the port and speed panels. The returned Status
// only reports a failed file write; the settings are applied regardless.
Status ApplayCom(ProjectState& state);

// The port drop-down changed to `selected` (`ports` is what it lists). While
// the editing handlers are armed the selection becomes the screen's port and
// is written to the default project file; then ApplayCom runs.
Status Combo1Change(ProjectState& state, const QStringList& ports, const QString& selected);

} // namespace dotsign
