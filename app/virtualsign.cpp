#include "app/virtualsign.h"

#include "sim/exportdecode.h"
#include "sim/playerrender.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace dotsign {

namespace {

constexpr int kFrameMs = 40;
constexpr int kMaxCatchUpMs = 2000; // after a stall, do not replay minutes at once

} // namespace

// Draws the LEDs as large as the window allows, centred on black.
class LedDotView : public QWidget
{
public:
    explicit LedDotView(QWidget* parent) : QWidget(parent)
    {
        setMinimumSize(160, 60);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void display(const LedImage& leds, int brightness)
    {
        m_leds = leds;
        m_brightness = brightness;
        update();
    }
    QSize sizeHint() const override
    {
        return m_leds.isNull() ? QSize(640, 200) : QSize(m_leds.width * 6, m_leds.height * 6);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (m_leds.isNull())
            return;
        const int pitch = std::max(1, std::min(width() / m_leds.width, height() / m_leds.height));
        const QImage image = renderDots(m_leds, pitch, m_brightness);
        p.drawImage((width() - image.width()) / 2, (height() - image.height()) / 2, image);
    }

private:
    LedImage m_leds;
    int m_brightness = 200;
};

VirtualSignWindow::VirtualSignWindow(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("虚拟显示屏"));
    buildUi();
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, &VirtualSignWindow::onTimer);
    setContent(SignContent());
}

VirtualSignWindow::~VirtualSignWindow() = default;

void VirtualSignWindow::buildUi()
{
    m_view = new LedDotView(this);
    m_pause = new QPushButton(tr("暂停"), this);
    m_step = new QPushButton(tr("单步"), this);
    m_restart = new QPushButton(tr("重新开始"), this);
    m_open = new QPushButton(tr("打开U盘文件…"), this);
    m_clockOverride = new QCheckBox(tr("指定时钟"), this);
    m_clock = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    m_clock->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_clock->setCalendarPopup(true);
    m_clock->setEnabled(false);
    m_status = new QLabel(this);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_step->setToolTip(tr("播放到下一页开始或停稳"));
    m_clockOverride->setToolTip(tr("以指定的日期和时间代替电脑时间，预览定时播放"));

    auto* controls = new QHBoxLayout;
    for (QWidget* w :
         {static_cast<QWidget*>(m_pause), static_cast<QWidget*>(m_step), static_cast<QWidget*>(m_restart),
          static_cast<QWidget*>(m_clockOverride), static_cast<QWidget*>(m_clock)})
        controls->addWidget(w);
    controls->addStretch();
    controls->addWidget(m_open);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(controls);
    layout->addWidget(m_status);

    connect(m_pause, &QPushButton::clicked, this, &VirtualSignWindow::togglePause);
    connect(m_step, &QPushButton::clicked, this, &VirtualSignWindow::stepOnce);
    connect(m_restart, &QPushButton::clicked, this, &VirtualSignWindow::restart);
    connect(m_open, &QPushButton::clicked, this, &VirtualSignWindow::chooseFile);
    connect(m_clockOverride, &QCheckBox::toggled, this, &VirtualSignWindow::clockOverrideChanged);
    connect(m_clock, &QDateTimeEdit::dateTimeChanged, this, &VirtualSignWindow::clockOverrideChanged);
}

QDateTime VirtualSignWindow::startClock() const
{
    return m_clockOverride->isChecked() ? m_clock->dateTime() : QDateTime::currentDateTime();
}

void VirtualSignWindow::setContent(const SignContent& content)
{
    const bool paused = m_player && m_player->isPaused();
    m_player = std::make_unique<Player>(content, startClock());
    if (paused)
        m_player->setPaused(true);
    m_notes = m_player->problems();
    m_elapsed.restart();
    refresh();
}

bool VirtualSignWindow::openExportFile(const QString& path)
{
    QString error;
    const auto file = readExportFile(path, &error);
    if (!file) {
        m_status->setText(error);
        return false;
    }
    setContent(file->content);
    for (const ExportIssue& issue : file->issues)
        m_notes << QStringLiteral("%1 (%2)").arg(issue.message).arg(issue.offset);
    refresh();
    return true;
}

void VirtualSignWindow::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("打开U盘文件"), QString(),
                                                      QStringLiteral("zorva.kv (*.kv);;*"));
    if (!path.isEmpty())
        openExportFile(path);
}

void VirtualSignWindow::advance(qint64 ms)
{
    m_player->tick(ms);
    refresh();
}

void VirtualSignWindow::onTimer()
{
    const qint64 ms = std::min<qint64>(m_elapsed.restart(), kMaxCatchUpMs);
    advance(ms);
}

void VirtualSignWindow::setRunning(bool running)
{
    if (running) {
        m_elapsed.restart();
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void VirtualSignWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setRunning(true);
}

void VirtualSignWindow::hideEvent(QHideEvent* event)
{
    setRunning(false);
    QWidget::hideEvent(event);
}

void VirtualSignWindow::togglePause()
{
    m_player->setPaused(!m_player->isPaused());
    refresh();
}

void VirtualSignWindow::stepOnce()
{
    m_player->setPaused(true);
    m_player->step();
    refresh();
}

void VirtualSignWindow::restart()
{
    m_player->setClockAtStart(startClock());
    refresh();
}

void VirtualSignWindow::clockOverrideChanged()
{
    m_clock->setEnabled(m_clockOverride->isChecked());
    restart();
}

QString VirtualSignWindow::statusText() const
{
    return m_status->text();
}

void VirtualSignWindow::refresh()
{
    m_view->display(m_player->frame(), m_player->brightnessLevel());
    m_pause->setText(m_player->isPaused() ? tr("播放") : tr("暂停"));
    QString line = m_player->status().line();
    if (!m_notes.isEmpty())
        line += QStringLiteral("  ⚠ %1").arg(m_notes.first());
    m_status->setText(line);
    m_status->setToolTip(m_notes.join(QLatin1Char('\n')));
}

} // namespace dotsign
