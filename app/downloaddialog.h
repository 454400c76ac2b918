#pragma once
// The program download as the operator starts it ("发送", "发送节目") and
// the progress window that stays on top while it runs.

#include <QList>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace dotsign {

class DeviceContext;
class TMAINForm;

// "节目信息下载进度": the bar, the program being sent and its percentage,
// and the estimated total and remaining time.
class TFDown : public QWidget
{
    Q_OBJECT
public:
    explicit TFDown(QWidget* parent = nullptr);

    QProgressBar* bar() const { return m_bar; }
    QLabel* programPanel() const { return m_program; }
    QLabel* percentPanel() const { return m_percent; }
    QLabel* estimateLabel() const { return m_estimate; }

    // Starts a download of programs with these stream sizes.
    void begin(const QList<qint64>& streamBytes, int baudRate, bool classA);
    void programStarted(int program, qint64 totalBytes);
    void progress(qint64 done, qint64 total);

private:
    void showEstimate(qint64 done);

    QProgressBar* m_bar = nullptr;
    QLabel* m_program = nullptr;
    QLabel* m_percent = nullptr;
    QLabel* m_estimate = nullptr;
    QList<qint64> m_streamBytes;
    int m_baudRate = 9600;
    bool m_classA = false;
    int m_current = 0;
    qint64 m_totalMs = 0;
};

// "发送": checks, pre-flight findings, confirmation, then the download of
// every program with the progress window.
void TBXItem7Click(DeviceContext& context, TMAINForm& window, TFDown& progress);

} // namespace dotsign
