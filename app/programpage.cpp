#include "app/programpage.h"

#include "app/programrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace dotsign {

namespace {

// Dates and times are stored as text in these fixed formats (the defaults
// "2009-05-05" and "17:30:00" are written in them).
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");

// A stored text that cannot be read shows the default; the record keeps its text.
QDate dateOf(const QString& text)
{
    const QDate d = QDate::fromString(text.trimmed(), kDateFormat);
    return d.isValid() ? d : QDate::fromString(kDefaultDate, kDateFormat);
}

QTime timeOf(const QString& text)
{
    const QTime t = QTime::fromString(text.trimmed(), kTimeFormat);
    return t.isValid() ? t : QTime(0, 0);
}

const char* const kWeekdayCaptions[7] = {
    QT_TRANSLATE_NOOP("dotsign::ProgramPage", "星期一"), QT_TRANSLATE_NOOP("dotsign::ProgramPage", "星期二"),
    QT_TRANSLATE_NOOP("dotsign::ProgramPage", "星期三"), QT_TRANSLATE_NOOP("dotsign::ProgramPage", "星期四"),
    QT_TRANSLATE_NOOP("dotsign::ProgramPage", "星期五"), QT_TRANSLATE_NOOP("dotsign::ProgramPage", "星期六"),
    QT_TRANSLATE_NOOP("dotsign::ProgramPage", "星期日")};

} // namespace

ProgramPage::ProgramPage(ProjectState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("Panel3"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(createPlayMode(), 0, Qt::AlignTop);
    layout->addWidget(createSchedule(), 1);
    enableSchedule(false);
}

TjiemuProp& ProgramPage::program()
{
    return m_state.program(m_state.currentProgram);
}

QWidget* ProgramPage::createPlayMode()
{
    m_playMode = new QGroupBox(tr("播放模式"), this);
    m_playMode->setObjectName(QStringLiteral("RadioGroup2"));
    m_sequential = new QRadioButton(tr("顺序播放"), m_playMode);
    m_fixedLength = new QRadioButton(tr("定长播放                      秒"), m_playMode);
    m_sequential->setChecked(true);
    // The seconds field sits in the gap of the caption, before "秒".
    m_seconds = new QSpinBox(m_fixedLength);
    m_seconds->setObjectName(QStringLiteral("SpinEdit1"));
    m_seconds->setRange(5, 1800);
    m_seconds->setSingleStep(5);
    m_seconds->setValue(200);
    m_seconds->setToolTip(tr("显示屏整屏刷新频率"));
    m_seconds->setEnabled(false);
    m_fixedLength->installEventFilter(this);
    auto* v = new QVBoxLayout(m_playMode);
    v->addWidget(m_sequential);
    v->addWidget(m_fixedLength);
    v->addStretch();
    connect(m_sequential, &QRadioButton::toggled, this, &ProgramPage::playModeChanged);
    connect(m_seconds, &QSpinBox::valueChanged, this, &ProgramPage::playModeChanged);
    return m_playMode;
}

void ProgramPage::placeSecondsField()
{
    QStyleOptionButton opt;
    opt.initFrom(m_fixedLength);
    const int indicator = m_fixedLength->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt) +
                          m_fixedLength->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &opt);
    const QFontMetrics fm(m_fixedLength->font());
    const int left = indicator + fm.horizontalAdvance(tr("定长播放 "));
    const int width = fm.horizontalAdvance(QStringLiteral("                     "));
    const int height = qMin(m_seconds->sizeHint().height(), m_fixedLength->height());
    m_seconds->setGeometry(left, (m_fixedLength->height() - height) / 2, width, height);
}

bool ProgramPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_fixedLength && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        placeSecondsField();
    return QWidget::eventFilter(watched, event);
}

QGroupBox* ProgramPage::createSchedule()
{
    m_schedule = new QGroupBox(this);
    m_schedule->setObjectName(QStringLiteral("GroupBox10"));
    m_timedPlay = new QCheckBox(tr("定时播放"), m_schedule);
    m_timedPlay->setObjectName(QStringLiteral("CheckBox2"));
    m_timedPlay->setToolTip(tr("表示该信息不限制日期"));
    connect(m_timedPlay, &QCheckBox::clicked, this, &ProgramPage::timedPlayClicked);

    auto makeDate = [this](const char* name, const QString& hint, QString TjiemuProp::*field) {
        auto* edit = new QDateEdit(m_schedule);
        edit->setObjectName(QLatin1String(name));
        edit->setDisplayFormat(kDateFormat);
        edit->setCalendarPopup(true);
        edit->setToolTip(hint);
        connect(edit, &QDateEdit::dateChanged, this,
                [this, field](const QDate& d) { program().*field = d.toString(kDateFormat); });
        m_scheduleControls << edit;
        return edit;
    };
    m_startDate = makeDate("disp_startdate", tr("选择该信息显示和播放的开始日期"), &TjiemuProp::startDate);
    m_endDate = makeDate("disp_enddate", tr("选择该信息显示和播放的停止日期"), &TjiemuProp::endDate);

    auto* dates = new QHBoxLayout;
    dates->addWidget(m_timedPlay);
    dates->addSpacing(16);
    dates->addWidget(new QLabel(tr("起播日期"), m_schedule));
    dates->addWidget(m_startDate);
    dates->addWidget(new QLabel(tr("停播日期"), m_schedule));
    dates->addWidget(m_endDate);
    dates->addStretch();

    auto* days = new QHBoxLayout;
    for (int i = 0; i < 7; ++i) {
        auto* box = new QCheckBox(tr(kWeekdayCaptions[i]), m_schedule);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this,
                [this, i](bool on) { program().weekdays[static_cast<size_t>(i)] = on ? 1 : 0; });
        m_weekdays[static_cast<size_t>(i)] = box;
        m_scheduleControls << box;
        days->addWidget(box);
    }
    days->addStretch();

    auto* v = new QVBoxLayout(m_schedule);
    v->addLayout(dates);
    v->addLayout(days);
    v->addWidget(createSlots());
    v->addStretch();
    return m_schedule;
}

QWidget* ProgramPage::createSlots()
{
    auto* box = new QWidget(m_schedule);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        const auto s = static_cast<size_t>(i);
        m_starts[s] = new QTimeEdit(box);
        m_starts[s]->setObjectName(QStringLiteral("sj%1ks").arg(i + 1));
        m_stops[s] = new QTimeEdit(box);
        m_stops[s]->setObjectName(QStringLiteral("sj%1js").arg(i + 1));
        m_volumes[s] = new QComboBox(box);
        m_volumes[s]->setObjectName(QStringLiteral("sound%1").arg(i + 1));
        for (int v = 0; v < kVolumeItems; ++v)
            m_volumes[s]->addItem(QString::number(v));
        for (QTimeEdit* t : {m_starts[s], m_stops[s]})
            t->setDisplayFormat(kTimeFormat);
        connect(m_starts[s], &QTimeEdit::timeChanged, this,
                [this, s](const QTime& t) { program().slotStart[s] = t.toString(kTimeFormat); });
        connect(m_stops[s], &QTimeEdit::timeChanged, this,
                [this, s](const QTime& t) { program().slotStop[s] = t.toString(kTimeFormat); });
        connect(m_volumes[s], &QComboBox::currentIndexChanged, this, [this, s](int index) {
            if (index >= 0)
                program().slotVolume[s] = index;
        });
        m_scheduleControls << m_starts[s] << m_stops[s] << m_volumes[s];
        // Two slots per row keeps the page low enough for the dock.
        const int row = i / 2;
        const int col = (i % 2) * 7;
        grid->addWidget(new QLabel(tr("起播时间%1").arg(i + 1), box), row, col);
        grid->addWidget(m_starts[s], row, col + 1);
        grid->addWidget(new QLabel(tr("停播时间"), box), row, col + 2);
        grid->addWidget(m_stops[s], row, col + 3);
        grid->addWidget(new QLabel(tr("音量"), box), row, col + 4);
        grid->addWidget(m_volumes[s], row, col + 5);
        if (col == 0)
            grid->setColumnMinimumWidth(6, 24);
    }
    grid->setColumnStretch(13, 1);
    return box;
}

void ProgramPage::enableSchedule(bool on)
{
    for (QWidget* w : std::as_const(m_scheduleControls))
        w->setEnabled(on);
}

void ProgramPage::timedPlayClicked(bool on)
{
    enableSchedule(on);
    TjiemuProp& p = program();
    p.timedPlay = on ? 1 : 0;
    if (!on) {
        p.startDate = kDefaultDate;
        p.endDate = kDefaultDate;
        const QSignalBlocker b1(m_startDate), b2(m_endDate);
        m_startDate->setDate(dateOf(kDefaultDate));
        m_endDate->setDate(dateOf(kDefaultDate));
    }
}

void ProgramPage::playModeChanged()
{
    const bool fixedLength = m_fixedLength->isChecked();
    m_seconds->setEnabled(fixedLength);
    program().playMode = playModeFor(fixedLength, m_seconds->value());
}

void ProgramPage::setScheduleVisible(bool visible)
{
    m_schedule->setVisible(visible);
    m_playMode->setVisible(visible);
}

void ProgramPage::setScheduleCaption(const QString& caption)
{
    m_schedule->setTitle(caption);
}

void ProgramPage::load(const TjiemuProp& p, bool& playModeLoading)
{
    // Each control once: a second blocker on one object would restore "blocked" last.
    QList<QObject*> controls{m_timedPlay, m_sequential, m_fixedLength, m_seconds};
    for (QWidget* w : std::as_const(m_scheduleControls))
        controls << w;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QObject* o : controls)
        blockers.push_back(std::make_unique<QSignalBlocker>(o));

    m_timedPlay->setChecked(p.timedPlay > 0);
    enableSchedule(p.timedPlay > 0);

    playModeLoading = true;
    const bool fixedLength = p.playMode >= 1;
    (fixedLength ? m_fixedLength : m_sequential)->setChecked(true);
    if (fixedLength)
        m_seconds->setValue(p.playMode);
    m_seconds->setEnabled(fixedLength);
    playModeLoading = false;

    for (size_t i = 0; i < 5; ++i) {
        m_starts[i]->setTime(timeOf(p.slotStart[i]));
        m_stops[i]->setTime(timeOf(p.slotStop[i]));
        m_volumes[i]->setCurrentIndex(volumeIndex(p.slotVolume[i]));
    }
    m_startDate->setDate(dateOf(p.startDate));
    m_endDate->setDate(dateOf(p.endDate));
    for (size_t i = 0; i < 7; ++i)
        m_weekdays[i]->setChecked(p.weekdays[i] > 0);
}

} // namespace dotsign
