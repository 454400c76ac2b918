#pragma once
// Display discovery: probes every serial port in turn with "CON" 0x00 and
// stops at the first one on which a card answers; that port becomes the
// screen's port. B- and C-class cards only (A-class cards never answer).

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace dotsign {

class DeviceContext;

class TF_com : public QDialog
{
    Q_OBJECT
public:
    TF_com(DeviceContext& context, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }
    QProgressBar* progress() const { return m_progress; }

    void autoSearch();   // "自动查找"
    void manualConfig(); // "手动配置"
    bool isScanning() const { return m_scanning; }
    // Stays open while a scan is running: the port is in use.
    void reject() override;

signals:
    void scanFinished(bool found);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool probe(const QStringList& ports, int i);

    DeviceContext& m_context;
    QLabel* m_label = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_manual = nullptr;
    QPushButton* m_close = nullptr;
    bool m_scanning = false;
};

} // namespace dotsign
