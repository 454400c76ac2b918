#pragma once
// The program page: the play mode "播放模式" and the schedule group
// "定时播放" (dates, weekdays, five daily time slots with a volume each).
// Every change is written straight into the current program's record.

#include "project/projectstate.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QRadioButton;
class QSpinBox;
class QTimeEdit;

namespace dotsign {

class ProgramPage : public QWidget
{
    Q_OBJECT
public:
    ProgramPage(ProjectState& state, QWidget* parent = nullptr);

    // Shows the program's values without writing anything back.
    // `playModeLoading` is true while the play mode is being set.
    void load(const TjiemuProp& program, bool& playModeLoading);
    // Mode 0 (the screen) hides the schedule group and the play mode.
    void setScheduleVisible(bool visible);
    void setScheduleCaption(const QString& caption);

    QGroupBox* scheduleGroup() const { return m_schedule; }
    QRadioButton* sequentialButton() const { return m_sequential; }
    QRadioButton* fixedLengthButton() const { return m_fixedLength; }
    QSpinBox* secondsField() const { return m_seconds; }
    QCheckBox* timedPlayBox() const { return m_timedPlay; }
    QDateEdit* startDate() const { return m_startDate; }
    QDateEdit* endDate() const { return m_endDate; }
    QComboBox* volumeList(int slot) const { return m_volumes.at(static_cast<size_t>(slot)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createPlayMode();
    QGroupBox* createSchedule();
    QWidget* createSlots();
    void placeSecondsField();
    void playModeChanged();
    void timedPlayClicked(bool on);
    void enableSchedule(bool on);
    TjiemuProp& program();

    ProjectState& m_state;
    QGroupBox* m_playMode = nullptr; // RadioGroup2
    QRadioButton* m_sequential = nullptr;
    QRadioButton* m_fixedLength = nullptr;
    QSpinBox* m_seconds = nullptr;    // SpinEdit1
    QGroupBox* m_schedule = nullptr;  // GroupBox10
    QCheckBox* m_timedPlay = nullptr; // CheckBox2
    QDateEdit* m_startDate = nullptr;
    QDateEdit* m_endDate = nullptr;
    std::array<QCheckBox*, 7> m_weekdays{}; // Monday..Sunday
    std::array<QTimeEdit*, 5> m_starts{};
    std::array<QTimeEdit*, 5> m_stops{};
    std::array<QComboBox*, 5> m_volumes{};
    QList<QWidget*> m_scheduleControls;
};

} // namespace dotsign
