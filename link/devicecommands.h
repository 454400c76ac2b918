#pragma once
// The device commands of the menu bar and the toolbar are disabled while a
// command talks to the card (DISBUTTON) and enabled again afterwards
// (ENBUTTON), so that nobody starts a second command inside a reply wait. The
// main window binds its nineteen actions to `enabled`.

#include <QObject>
#include <QString>
#include <vector>

namespace dotsign {

struct DeviceCommandItem
{
    enum Bar { Toolbar, HiddenToolbar, SettingsMenu, SendMenu };
    Bar bar;
    QString caption;
};

class DeviceCommands : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)
public:
    using QObject::QObject;

    bool isEnabled() const { return m_enabled; }

    void DISBUTTON() { setEnabled(false); }
    void ENBUTTON() { setEnabled(true); }

    // The nineteen items, in the order of the toolbar and then the menus. The
    // menu's own "暂停显示" and "继续显示" are not among them and stay enabled.
    static const std::vector<DeviceCommandItem>& items();

signals:
    void enabledChanged(bool enabled);

private:
    void setEnabled(bool enabled)
    {
        if (enabled == m_enabled)
            return;
        m_enabled = enabled;
        emit enabledChanged(enabled);
    }

    bool m_enabled = true;
};

// Disables the device commands for the lifetime of the guard, so every path
// out of a command enables them again.
class DeviceCommandsGuard
{
public:
    explicit DeviceCommandsGuard(DeviceCommands& commands) : m_commands(commands) { m_commands.DISBUTTON(); }
    ~DeviceCommandsGuard() { m_commands.ENBUTTON(); }
    DeviceCommandsGuard(const DeviceCommandsGuard&) = delete;
    DeviceCommandsGuard& operator=(const DeviceCommandsGuard&) = delete;

private:
    DeviceCommands& m_commands;
};

} // namespace dotsign
