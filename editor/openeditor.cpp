#include "editor/openeditor.h"

#include "editor/documenteditor.h"

namespace dotsign {

TForm3* openDocumentEditor(ProjectState& state, TF_TABLE_SIZE* tableDialog, QWidget* parent,
                           std::function<void()> onCloseAttempt, EditorPrompts* prompts)
{
    auto* editor = new TForm3(state, tableDialog, prompts, parent);
    // A separate top-level window even with a parent, so that it has its own
    // menus, toolbars and taskbar entry.
    editor->setWindowFlag(Qt::Window);
    if (onCloseAttempt)
        QObject::connect(editor, &TForm3::closeAttempted, editor, std::move(onCloseAttempt));
    editor->show();
    return editor;
}

} // namespace dotsign
