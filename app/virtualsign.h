#pragma once
// The window "虚拟显示屏": the sign as the controller will play it, drawn as
// round LEDs, with play/pause, single step, restart, a clock override to
// preview schedules and a status line (program, zone, page, effect).
//
// It shows a Player; whoever opens it hands over the content (what the last
// "发送" delivered, or a download file chosen with "打开U盘文件…").

#include "sim/player.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;

namespace dotsign {

class LedDotView;

class VirtualSignWindow : public QWidget
{
    Q_OBJECT
public:
    explicit VirtualSignWindow(QWidget* parent = nullptr);
    ~VirtualSignWindow() override;

    // Starts playing `content` from its beginning, at the override clock when
    // one is set, else at the computer's time.
    void setContent(const SignContent& content);
    // Reads a USB-disk download file; false (and a message in the status
    // line) when it cannot be read. Broken bytes are listed in the tooltip.
    bool openExportFile(const QString& path);

    Player* player() const { return m_player.get(); }
    QString statusText() const;
    // Plays on by `ms` as the timer would (tests drive the window with it).
    void advance(qint64 ms);
    // Starts or stops the real-time timer (on while the window is shown).
    void setRunning(bool running);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildUi();
    void onTimer();
    void togglePause();
    void stepOnce();
    void restart();
    void chooseFile();
    void clockOverrideChanged();
    QDateTime startClock() const;
    void refresh();

    std::unique_ptr<Player> m_player;
    QStringList m_notes;
    LedDotView* m_view = nullptr;
    QPushButton* m_pause = nullptr;
    QPushButton* m_step = nullptr;
    QPushButton* m_restart = nullptr;
    QPushButton* m_open = nullptr;
    QCheckBox* m_clockOverride = nullptr;
    QDateTimeEdit* m_clock = nullptr;
    QLabel* m_status = nullptr;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
};

} // namespace dotsign
