#pragma once
// The administrator prompt in front of the hardware configuration: the
// screen's password, compared exactly. One instance serves the whole run;
// every showing starts with an empty entry.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace dotsign {

class DeviceContext;

class TFMANA : public QDialog
{
    Q_OBJECT
public:
    TFMANA(DeviceContext& context, QWidget* parent = nullptr);

    QLineEdit* entry() const { return m_entry; }
    QPushButton* confirmButton() const { return m_confirm; }
    // Clears the entry for a new showing.
    void prepare();
    void confirm();

protected:
    void showEvent(QShowEvent* event) override;

private:
    DeviceContext& m_context;
    QLineEdit* m_entry = nullptr;
    QPushButton* m_confirm = nullptr;
};

} // namespace dotsign
