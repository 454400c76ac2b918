#pragma once
// The pre-flight findings shown before a download or a USB-disk export:
// what would go wrong on the sign, by severity, program and zone. A
// double-click takes the operator to that zone instead of sending.

#include "project/preflight.h"

#include <QDialog>

class QTreeWidget;

namespace dotsign {

class DeviceContext;
class TMAINForm;

class FindingsDialog : public QDialog
{
    Q_OBJECT
public:
    // The result when the operator chose a finding's zone to fix it.
    static constexpr int GoToZone = 2;

    FindingsDialog(const QList<Finding>& findings, QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    const Finding* chosen() const { return m_chosen; }

private:
    QList<Finding> m_findings;
    QTreeWidget* m_list = nullptr;
    const Finding* m_chosen = nullptr;
};

// Runs the pre-flight check and, when it finds something, lets the operator
// decide. True when the command may go on: no findings, or the operator
// chose to continue (confirming once more when there are errors). A finding
// double-clicked selects its zone in the main window and stops the command.
bool confirmPreflight(DeviceContext& context, TMAINForm& window);

} // namespace dotsign
