#pragma once
// The brightness dialog: day and night brightness levels (1 darkest .. 200
// brightest) and the times at which each one starts.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;
class QTimeEdit;

namespace dotsign {

class DeviceContext;

// "1(最暗)", "2", ... "199", "200(最亮)".
QStringList brightnessLevelNames();

class TFLight : public QDialog
{
    Q_OBJECT
public:
    TFLight(DeviceContext& context, QWidget* parent = nullptr);

    QComboBox* dayLevel() const { return m_dayLevel; }
    QComboBox* nightLevel() const { return m_nightLevel; }
    QTimeEdit* dayStart() const { return m_dayStart; }
    QTimeEdit* nightStart() const { return m_nightStart; }
    QPushButton* sendButton() const { return m_send; }
    QPushButton* saveButton() const { return m_save; }

    void send();
    void save();

private:
    void store();

    DeviceContext& m_context;
    QComboBox* m_dayLevel = nullptr;
    QComboBox* m_nightLevel = nullptr;
    QTimeEdit* m_dayStart = nullptr;
    QTimeEdit* m_nightStart = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace dotsign
