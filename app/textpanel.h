#pragma once
// The text editor "Panel5": the zone's text, its font and LED size, colour,
// "单行处理" and "对联效果", and "打开" for a text file. Every change is
// stored into the current zone and the zone is rendered again.

#include "project/projectstate.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace dotsign {

class TextPanel : public QWidget
{
    Q_OBJECT
public:
    TextPanel(ProjectState& state, QWidget* parent = nullptr);

    // Fills the panel from a zone without storing anything (callers hold
    // memoChangeArmed at 0 while they do).
    void showZoneText(const ZoneRecord& zone);
    void showFontChoice(const ZoneRecord& zone);
    void showColour(int zoneColour);
    void showFlags(const ZoneRecord& zone);
    void setText(const QString& text);
    QString memoText() const;
    // Reports characters the sign cannot show (outside GBK).
    void showUnsupported(const QString& characters);

    QPlainTextEdit* memo() const { return m_memo; }
    QComboBox* fontBox() const { return m_font; }
    QComboBox* sizeBox() const { return m_size; }
    QCheckBox* singleLineBox() const { return m_singleLine; }
    QCheckBox* coupletBox() const { return m_couplet; }
    QToolButton* colourButton(int zoneColour) const;
    int fontIndex(const QString& family) const;

    void memo1Change();

signals:
    // The zone's text or settings changed and it wants rendering.
    void renderRequested();
    void openRequested();

private:
    QWidget* createBar();
    QToolButton* makeColourButton(const char* name, const QColor& colour, const QString& tip, int zoneColour);
    void colourClicked(int zoneColour);
    void fontChoiceChanged();

    ProjectState& m_state;
    QPlainTextEdit* m_memo = nullptr;
    QComboBox* m_font = nullptr;
    QComboBox* m_size = nullptr;
    QCheckBox* m_singleLine = nullptr;
    QCheckBox* m_couplet = nullptr;
    QToolButton* m_red = nullptr;
    QToolButton* m_green = nullptr;
    QToolButton* m_yellow = nullptr;
    QLabel* m_unsupported = nullptr;
};

} // namespace dotsign
