#pragma once
// The clock and power timer dialog: shows the computer's clock, edits the
// daily power-on and power-off times, stores them and sends them together
// with the current date and time, which sets the card's clock.

#include <QDateTime>
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace dotsign {

class DeviceContext;

// "2009年5月7日8点6分1秒" followed by the weekday's name (Sunday first).
QString clockPanelText(const QDateTime& now, const QStringList& weekdayNames);

class TFSETTIMER : public QDialog
{
    Q_OBJECT
public:
    TFSETTIMER(DeviceContext& context, QWidget* parent = nullptr);

    QTimeEdit* powerOnPicker() const { return m_powerOn; }
    QTimeEdit* powerOffPicker() const { return m_powerOff; }
    QLabel* clockPanel() const { return m_clock; }
    QPushButton* sendButton() const { return m_send; }
    QPushButton* saveButton() const { return m_save; }

    void send();
    void save();
    void tick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void store();

    DeviceContext& m_context;
    QLabel* m_clock = nullptr;
    QTimeEdit* m_powerOn = nullptr;
    QTimeEdit* m_powerOff = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_save = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace dotsign
