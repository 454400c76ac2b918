#pragma once
// The local serial port settings: which port and at what speed. The line is
// always 8 data bits, no parity, 1 stop bit; the dialog shows that but does
// not offer to change it, since the cards know nothing else.

#include "project/projectstate.h"
#include "project/status.h"

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace dotsign {

class DeviceContext;

class PortSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    PortSettingsDialog(const QStringList& ports, const SerialSettings& current, QWidget* parent = nullptr);

    QComboBox* portBox() const { return m_port; }
    QComboBox* speedBox() const { return m_speed; }
    SerialSettings chosen() const;

private:
    QComboBox* m_port = nullptr;
    QComboBox* m_speed = nullptr;
};

// Applies the screen's port and speed to the serial settings, lets the
// operator change them and stores what was chosen back into the screen
// (speeds by the speed table). Returns false when the operator cancelled.
bool runPortSettings(DeviceContext& context, QWidget* parent);

// Writes the port and speed (and, with `withLinkType`, the link type) to the
// default project file and shows them in the status panels.
Status storeLinkSettings(ProjectState& state, bool withLinkType);

} // namespace dotsign
