#pragma once
// Opening the document editor for the current zone ("进入编辑").

#include <functional>

class QWidget;

namespace dotsign {

struct ProjectState;
class EditorPrompts;
class TF_TABLE_SIZE;
class TForm3;

// Creates the editor for state's current program and zone, sizes its editing
// area to the zone and shows it application-modal. `onCloseAttempt` runs on
// every close attempt (the zone preview should follow); the window deletes
// itself when it closes.
TForm3* openDocumentEditor(ProjectState& state, TF_TABLE_SIZE* tableDialog, QWidget* parent,
                           std::function<void()> onCloseAttempt, EditorPrompts* prompts = nullptr);

} // namespace dotsign
