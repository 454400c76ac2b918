#include "app/playbackgroup.h"

#include "app/programrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace dotsign {

PlaybackGroup::PlaybackGroup(ProjectState& state, QWidget* parent)
    : QGroupBox(tr("节目属性"), parent), m_state(state)
{
    setObjectName(QStringLiteral("GroupBox11"));
    m_effect = new QComboBox(this);
    m_effect->setObjectName(QStringLiteral("ComboBox3"));
    m_effect->addItems(effectNames());
    m_effect->setToolTip(tr("显示屏进入显示方式"));
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("ComboBox5"));
    m_speed->addItems(speedNames());
    m_speed->setToolTip(tr("显示屏移动的速度"));
    m_stay = new QLineEdit(this);
    m_stay->setObjectName(QStringLiteral("Edit1"));
    // Digits only. A further digit after "255" must still reach the handler
    // (it clears "固定不动"); values the controller's byte cannot hold are not stored.
    m_stay->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), m_stay));
    m_stay->setMaximumWidth(80);
    m_fixed = new QCheckBox(tr("固定不动"), this);
    m_fixed->setObjectName(QStringLiteral("CheckBox14"));
    m_clearFirst = new QCheckBox(tr("播放前清场"), this);
    m_clearFirst->setObjectName(QStringLiteral("CheckBox29"));
    m_clearFirst->setChecked(true);
    auto* note =
        new QLabel(tr("注意：当左右移动时，页间停留为0和选择单行处理，文本之间不会出现空格。"), this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #8a4b00;"));

    auto* stayRow = new QHBoxLayout;
    stayRow->addWidget(m_stay);
    stayRow->addWidget(m_fixed);
    stayRow->addStretch();
    auto* form = new QFormLayout(this);
    form->addRow(tr("播放方式"), m_effect);
    form->addRow(tr("动画速度"), m_speed);
    form->addRow(tr("页间停留"), stayRow);
    form->addRow(QString(), m_clearFirst);
    form->addRow(note);

    connect(m_effect, &QComboBox::activated, this, &PlaybackGroup::effectChosen);
    connect(m_speed, &QComboBox::activated, this,
            [this](int index) { m_state.currentZoneRecord().zoneSpeed = index + 1; });
    connect(m_stay, &QLineEdit::textEdited, this, &PlaybackGroup::stayEdited);
    connect(m_fixed, &QCheckBox::clicked, this, &PlaybackGroup::applyFixed);
    connect(m_clearFirst, &QCheckBox::clicked, this,
            [this](bool on) { m_state.currentZoneRecord().zoneClearFirst = on ? 1 : 0; });
}

void PlaybackGroup::load(const ZoneRecord& zone)
{
    const QSignalBlocker b1(m_effect), b2(m_speed), b3(m_stay), b4(m_fixed), b5(m_clearFirst);
    m_effect->setCurrentIndex(zone.zoneEffect - 1);
    m_clearFirst->setChecked(zone.zoneClearFirst > 0);
    m_speed->setCurrentIndex(zone.zoneSpeed - 1);
    m_stay->setText(QString::number(zone.zoneStay));
    m_fixed->setChecked(stayTextMeansFixed(m_stay->text()));
}

void PlaybackGroup::effectChosen(int index)
{
    const int effect = effectForChoice(index, m_fixed->isChecked());
    if (effect != index + 1) {
        const QSignalBlocker block(m_effect);
        m_effect->setCurrentIndex(effect - 1);
    }
    m_state.currentZoneRecord().zoneEffect = effect;
}

void PlaybackGroup::stayEdited(const QString& text)
{
    const bool fixed = stayTextMeansFixed(text);
    if (fixed != m_fixed->isChecked()) {
        m_fixed->setChecked(fixed);
        applyFixed(fixed);
        return;
    }
    storeStay();
}

void PlaybackGroup::applyFixed(bool fixed)
{
    if (fixed) {
        m_stay->setText(QString::number(kFixedStay));
        const QSignalBlocker block(m_effect);
        m_effect->setCurrentIndex(kPageEffect - 1);
        m_state.currentZoneRecord().zoneEffect = kPageEffect;
    } else {
        m_stay->setText(QString::number(kUnfixedStay));
    }
    storeStay();
}

void PlaybackGroup::storeStay()
{
    const QString text = m_stay->text().trimmed();
    if (text.isEmpty())
        return; // an empty field keeps the last pause
    const int stay = text.toInt();
    if (stay > kFixedStay)
        return; // the controller cannot hold it; the last pause stays
    m_state.currentZoneRecord().zoneStay = stay;
    emit stayStored();
}

} // namespace dotsign
