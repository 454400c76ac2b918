#include "app/timerdialog.h"

#include "app/devicecontext.h"
#include "link/senders.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace dotsign {

QString clockPanelText(const QDateTime& now, const QStringList& weekdayNames)
{
    const QDate d = now.date();
    const QTime t = now.time();
    const int weekday = d.dayOfWeek() % 7; // Sunday first
    const QString name = weekday < weekdayNames.size() ? weekdayNames.at(weekday) : QString();
    return QCoreApplication::translate("TimerDialog", "%1年%2月%3日%4点%5分%6秒%7")
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second())
        .arg(name);
}

TFSETTIMER::TFSETTIMER(DeviceContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TFSETTIMER"));
    setWindowTitle(tr("开关机及校准 时间"));
    auto* note = new QLabel(tr("注意：当按发送时对显示屏进行时间校准和定时开关机设置"), this);
    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("clockPanel"));
    m_clock->setFrameShape(QFrame::Panel);
    m_clock->setFrameShadow(QFrame::Sunken);
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setMinimumHeight(32);

    const TprojectProp& s = m_context.state.cur();
    auto* group = new QGroupBox(this);
    m_powerOn = new QTimeEdit(QTime(s.powerOnHour, s.powerOnMinute), group);
    m_powerOff = new QTimeEdit(QTime(s.powerOffHour, s.powerOffMinute), group);
    for (QTimeEdit* e : {m_powerOn, m_powerOff})
        e->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("定时开机时间"), group), 0, 0);
    grid->addWidget(m_powerOn, 0, 1);
    grid->addWidget(new QLabel(tr("定时关机时间"), group), 1, 0);
    grid->addWidget(m_powerOff, 1, 1);

    m_send = new QPushButton(tr("发送"), this);
    m_save = new QPushButton(tr("保存"), this);
    auto* close = new QPushButton(tr("关闭"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_send, m_save, close})
        buttons->addWidget(b);
    auto* v = new QVBoxLayout(this);
    v->addWidget(note);
    v->addWidget(m_clock);
    v->addWidget(group);
    v->addLayout(buttons);

    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TFSETTIMER::tick);
    connect(m_send, &QPushButton::clicked, this, &TFSETTIMER::send);
    connect(m_save, &QPushButton::clicked, this, &TFSETTIMER::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    tick();
}

void TFSETTIMER::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    tick();
    m_timer->start();
}

void TFSETTIMER::hideEvent(QHideEvent* event)
{
    m_timer->stop();
    QDialog::hideEvent(event);
}

void TFSETTIMER::tick()
{
    m_clock->setText(clockPanelText(m_context.clock(), m_context.weekdayNames));
}

// The times go into the screen, the default project file and the hardware
// copies; they stay stored even when sending fails afterwards.
void TFSETTIMER::store()
{
    ProjectState& state = m_context.state;
    TprojectProp& s = state.cur();
    s.powerOnHour = static_cast<uint8_t>(m_powerOn->time().hour());
    s.powerOnMinute = static_cast<uint8_t>(m_powerOn->time().minute());
    s.powerOffHour = static_cast<uint8_t>(m_powerOff->time().hour());
    s.powerOffMinute = static_cast<uint8_t>(m_powerOff->time().minute());
    const Status written =
        writeDefaultKeys(state, QStringLiteral("显示屏参数"),
                         {{QStringLiteral("开机时间小时"), QString::number(s.powerOnHour)},
                          {QStringLiteral("开机时间分钟"), QString::number(s.powerOnMinute)},
                          {QStringLiteral("关机时间小时"), QString::number(s.powerOffHour)},
                          {QStringLiteral("关机时间分钟"), QString::number(s.powerOffMinute)}});
    state.hw.powerOnHour = s.powerOnHour;
    state.hw.powerOnMinute = s.powerOnMinute;
    state.hw.powerOffHour = s.powerOffHour;
    state.hw.powerOffMinute = s.powerOffMinute;
    m_context.report(this, written);
}

void TFSETTIMER::save()
{
    store();
}

void TFSETTIMER::send()
{
    store();
    m_send->setEnabled(false);
    const Status sent = SendTimer(
        *m_context.exchange, m_context.clock(), static_cast<uint8_t>(m_powerOn->time().hour()),
        static_cast<uint8_t>(m_powerOn->time().minute()), static_cast<uint8_t>(m_powerOff->time().hour()),
        static_cast<uint8_t>(m_powerOff->time().minute()));
    m_send->setEnabled(true);
    m_context.report(this, sent);
}

} // namespace dotsign
