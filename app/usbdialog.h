#pragma once
// The USB-disk export: the operator picks a mounted disk and the export
// writes every program into "zorva/zorva.kv" on it, for the sign to load.

#include "app/devicecontext.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace dotsign {

class TMAINForm;

class TF_usb : public QDialog
{
    Q_OBJECT
public:
    TF_usb(DeviceContext& context, QWidget* parent = nullptr);

    QComboBox* volumeBox() const { return m_volume; }
    QCheckBox* borderBox() const { return m_border; }
    QProgressBar* bar() const { return m_bar; }
    QLabel* programPanel() const { return m_program; }
    QLabel* percentPanel() const { return m_percent; }
    QPushButton* saveButton() const { return m_save; }

    void save(); // "保存"

private:
    DeviceContext& m_context;
    QList<UsbVolume> m_volumes;
    QComboBox* m_volume = nullptr;
    QCheckBox* m_border = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_program = nullptr;
    QLabel* m_percent = nullptr;
    QLabel* m_third = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
};

// "保存到U盘".
void TBXItem13Click(DeviceContext& context, TMAINForm& window);

} // namespace dotsign
