#pragma once
// The clock editor "Panel12": position, spacing and alignment of the clock
// text, the shown elements, year style, line mode, display style, fixed text,
// font, digit size and colours. Every change is stored into the current zone
// and the sample clock is drawn again.

#include "project/projectstate.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace dotsign {

class ClockPanel : public QWidget
{
    Q_OBJECT
public:
    ClockPanel(ProjectState& state, QWidget* parent = nullptr);

    // Fills the panel from the current zone.
    void szcl();
    // Stores the panel into the current zone and draws the sample clock.
    void Edit4Change();

    int ClockDigitSize = 16;
    QString ClockEditFont = QStringLiteral("宋体");
    QColor ClockEditColour = QColor(255, 0, 0);
    QColor ClockEditBackColour = Qt::black;
    int ClockTextWidth = 0;
    int ClockTextHeight = 0;
    QRect CurZoneRect;

    QSpinBox* xField() const { return m_x; }
    QSpinBox* yField() const { return m_y; }
    QSpinBox* spacingField() const { return m_spacing; }
    QCheckBox* elementBox(int index) const { return m_elements.at(static_cast<size_t>(index)); }
    QRadioButton* multiLineButton() const { return m_multi; }
    QLineEdit* fixedTextField() const { return m_fixedText; }
    QToolButton* alignButton(const QString& name) const;

signals:
    // The sample clock was drawn for the current zone.
    void drawn(const QImage& image);

private:
    QWidget* createPositionRow();
    QWidget* createFormatRow();
    QWidget* createLookRow();
    QToolButton* makeButton(const char* name, const QString& text, const QString& tip);
    QToolButton* makeSwatch(const char* name, const QColor& colour);
    void textColourClicked(int zoneColour);
    void backColourClicked(int zoneBackColour);
    void centreAndDraw();
    void align(bool horizontal, int where);
    bool guarded() const { return m_state.clockChangeGuard >= 200; }
    int zoneImageWidth() const;
    int zoneImageHeight() const;

    ProjectState& m_state;
    QSpinBox* m_x = nullptr;       // SpinEdit3
    QSpinBox* m_y = nullptr;       // SpinEdit6
    QSpinBox* m_spacing = nullptr; // SpinEdit2
    std::array<QCheckBox*, 7> m_elements{};
    QRadioButton* m_year4 = nullptr;
    QRadioButton* m_year2 = nullptr;
    QRadioButton* m_single = nullptr;
    QRadioButton* m_multi = nullptr;
    QComboBox* m_style = nullptr;     // ComboBox1
    QLineEdit* m_fixedText = nullptr; // Edit4
    QComboBox* m_font = nullptr;      // cmbFont2
    QComboBox* m_size = nullptr;      // cmbFontSize2
    std::array<QToolButton*, 3> m_textColours{};
    std::array<QToolButton*, 4> m_backColours{};
    QList<QToolButton*> m_alignButtons;
};

} // namespace dotsign
