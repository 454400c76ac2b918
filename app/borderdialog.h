#pragma once
// The flowing-border dialog: switches the running light around the edge of
// the sign. One instance serves the whole run, so the box keeps its state.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace dotsign {

class DeviceContext;

class TF_LSBK : public QDialog
{
    Q_OBJECT
public:
    TF_LSBK(DeviceContext& context, QWidget* parent = nullptr);

    QCheckBox* borderBox() const { return m_border; }
    QPushButton* sendButton() const { return m_send; }
    void send();

private:
    DeviceContext& m_context;
    QCheckBox* m_border = nullptr;
    QPushButton* m_send = nullptr;
};

} // namespace dotsign
