#pragma once
// Rules for programs and their zones that the main window applies: a new
// program's defaults, deleting with the records after it moving down, zone
// type changes, the pause/"固定不动"/effect coupling and the play mode.

#include "project/projectstate.h"

#include <QString>
#include <QStringList>

namespace dotsign {

inline const QString kDefaultDate = QStringLiteral("2009-05-05");
constexpr int kFixedStay = 255;  // a pause of 255 keeps the page standing ("固定不动")
constexpr int kUnfixedStay = 10; // the pause given when "固定不动" is cleared
constexpr int kPageEffect = 5;   // "翻页"
constexpr int kVolumeItems = 11; // "0" .. "10"

// Program names and tree labels. The stored name of a program is
// programLabel(); the tree shows the operator's language and keeps each
// node's screen index, program number or zone number under kNodeNumberRole.
constexpr int kNodeNumberRole = Qt::UserRole + 2;
QString programLabel(int n);                // "节目3"
QString programNodeLabel(int n);            // programLabel() as the tree shows it
QString zoneLabel(int zone, int zoneCount); // "分区2*" on the last zone, "分区1 " otherwise
QString screenLabel(int screen);            // "显示屏-1" for screen 0

// The entry effects of the effect list, in list order (code = index + 1).
QStringList effectNames();
// "1(最快档)", "2", ... "40(最慢档)".
QStringList speedNames();

// Fills program n with the defaults of a newly added program under `layoutTemplate`.
// `songti` is the index of "宋体" in the font list.
void initNewProgram(ProjectState& state, int n, int layoutTemplate, int songti);

// Deletes program `n` of `total`: the records after it move down one place;
// every place keeps its own programId and programName. The vacated last place
// keeps its old contents.
void deleteProgramRecords(TprojectProp& screen, int n, int total);

// Zone type chosen in the tree's popup menu.
void setZoneTypeFromMenu(ZoneRecord& zone, int type, int songti);
// Zone type chosen in the radio group; a text zone takes the memo's text and
// its default text file name.
void setZoneTypeFromRadio(ProjectState& state, int type, const QString& memoText);

// "固定不动" is ticked exactly when the pause field reads "255".
bool stayTextMeansFixed(const QString& text);
// Effect stored for a choice in the effect list; a fixed page always shows "翻页".
int effectForChoice(int listIndex, bool fixed);

// playMode for the radio choice: 0 in sequence, else the seconds.
int playModeFor(bool fixedLength, int seconds);

// Volume list index for a stored volume; -1 when no item shows it.
int volumeIndex(int volume);

} // namespace dotsign
