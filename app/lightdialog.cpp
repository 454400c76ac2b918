#include "app/lightdialog.h"

#include "app/devicecontext.h"
#include "link/senders.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace dotsign {

namespace {

constexpr int kLevels = 200;

uint8_t hourOf(const QTimeEdit* e)
{
    return static_cast<uint8_t>(e->time().hour());
}

uint8_t minuteOf(const QTimeEdit* e)
{
    return static_cast<uint8_t>(e->time().minute());
}

uint8_t levelOf(const QComboBox* c)
{
    return static_cast<uint8_t>(c->currentIndex() + 1);
}

} // namespace

QStringList brightnessLevelNames()
{
    QStringList names;
    for (int level = 1; level <= kLevels; ++level)
        names << QString::number(level);
    names.first() += TFLight::tr("(最暗)");
    names.last() += TFLight::tr("(最亮)");
    return names;
}

TFLight::TFLight(DeviceContext& context, QWidget* parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TFLight"));
    setWindowTitle(tr("亮度调节"));
    const TprojectProp& s = m_context.state.cur();
    auto level = [this](int stored) {
        auto* box = new QComboBox(this);
        box->addItems(brightnessLevelNames());
        // A stored level outside 1..200 shows the nearest one.
        box->setCurrentIndex(std::clamp(stored, 1, kLevels) - 1);
        return box;
    };
    auto picker = [this](int hour, int minute) {
        auto* e = new QTimeEdit(QTime(hour % 24, minute % 60), this);
        e->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        return e;
    };
    m_dayLevel = level(s.dayBrightness);
    m_nightLevel = level(s.nightBrightness);
    m_dayStart = picker(s.dayBrightnessHour, s.dayBrightnessMinute);
    m_nightStart = picker(s.nightBrightnessHour, s.nightBrightnessMinute);

    auto* day = new QGroupBox(tr("白天亮度调节时间设定"), this);
    auto* dayGrid = new QGridLayout(day);
    dayGrid->addWidget(new QLabel(tr("白天亮度"), day), 0, 0);
    dayGrid->addWidget(m_dayLevel, 0, 1);
    dayGrid->addWidget(new QLabel(tr("白天亮度调节时间"), day), 1, 0);
    dayGrid->addWidget(m_dayStart, 1, 1);
    auto* night = new QGroupBox(tr("晚上亮度调节时间设定"), this);
    auto* nightGrid = new QGridLayout(night);
    nightGrid->addWidget(new QLabel(tr("晚上亮度调节时间"), night), 0, 0);
    nightGrid->addWidget(m_nightStart, 0, 1);
    nightGrid->addWidget(new QLabel(tr("晚上亮度"), night), 1, 0);
    nightGrid->addWidget(m_nightLevel, 1, 1);

    m_send = new QPushButton(tr("发送"), this);
    auto* close = new QPushButton(tr("关闭"), this);
    m_save = new QPushButton(tr("保存"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_send, close, m_save})
        buttons->addWidget(b);
    auto* v = new QVBoxLayout(this);
    v->addWidget(day);
    v->addWidget(night);
    v->addLayout(buttons);

    connect(m_send, &QPushButton::clicked, this, &TFLight::send);
    connect(m_save, &QPushButton::clicked, this, &TFLight::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void TFLight::store()
{
    ProjectState& state = m_context.state;
    TprojectProp& s = state.cur();
    s.dayBrightnessHour = hourOf(m_dayStart);
    s.dayBrightnessMinute = minuteOf(m_dayStart);
    s.nightBrightnessHour = hourOf(m_nightStart);
    s.nightBrightnessMinute = minuteOf(m_nightStart);
    s.dayBrightness = levelOf(m_dayLevel);
    s.nightBrightness = levelOf(m_nightLevel);
    const Status written =
        writeDefaultKeys(state, QStringLiteral("显示屏参数"),
                         {{QStringLiteral("白天亮度"), QString::number(s.dayBrightness)},
                          {QStringLiteral("晚上亮度"), QString::number(s.nightBrightness)},
                          {QStringLiteral("白天亮度时间小时"), QString::number(s.dayBrightnessHour)},
                          {QStringLiteral("白天亮度时间分钟"), QString::number(s.dayBrightnessMinute)},
                          {QStringLiteral("晚上亮度时间小时"), QString::number(s.nightBrightnessHour)},
                          {QStringLiteral("晚上亮度时间分钟"), QString::number(s.nightBrightnessMinute)}});
    HardwareSettings& hw = state.hw;
    hw.dayBrightnessHour = s.dayBrightnessHour;
    hw.dayBrightnessMinute = s.dayBrightnessMinute;
    hw.nightBrightnessHour = s.nightBrightnessHour;
    hw.nightBrightnessMinute = s.nightBrightnessMinute;
    hw.dayBrightness = s.dayBrightness;
    hw.nightBrightness = s.nightBrightness;
    m_context.report(this, written);
}

void TFLight::save()
{
    store();
}

void TFLight::send()
{
    store();
    m_send->setEnabled(false);
    const Status sent =
        SendLight(*m_context.exchange, hourOf(m_dayStart), minuteOf(m_dayStart), hourOf(m_nightStart),
                  minuteOf(m_nightStart), levelOf(m_dayLevel), levelOf(m_nightLevel));
    m_send->setEnabled(true);
    m_context.report(this, sent);
}

} // namespace dotsign
