#pragma once
// The playback group "节目属性" of the zone page: entry effect, speed, the
// pause between pages with "固定不动", and "播放前清场". Every change is
// written straight into the current zone's record.

#include "project/projectstate.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace dotsign {

class PlaybackGroup : public QGroupBox
{
    Q_OBJECT
public:
    PlaybackGroup(ProjectState& state, QWidget* parent = nullptr);

    // Shows the zone's values without writing anything back.
    void load(const ZoneRecord& zone);

    QComboBox* effectList() const { return m_effect; }
    QComboBox* speedList() const { return m_speed; }
    QLineEdit* stayField() const { return m_stay; }
    QCheckBox* fixedBox() const { return m_fixed; }
    QCheckBox* clearFirstBox() const { return m_clearFirst; }

signals:
    // The pause was stored (the text preview follows it).
    void stayStored();

private:
    void effectChosen(int index);
    void stayEdited(const QString& text);
    void applyFixed(bool fixed);
    void storeStay();

    ProjectState& m_state;
    QComboBox* m_effect = nullptr;
    QComboBox* m_speed = nullptr;
    QLineEdit* m_stay = nullptr;
    QCheckBox* m_fixed = nullptr;
    QCheckBox* m_clearFirst = nullptr;
};

} // namespace dotsign
