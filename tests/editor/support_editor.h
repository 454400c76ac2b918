#pragma once
// A project folder in a temporary directory with one graphic-text zone, and
// prompts that answer the editor's questions from a script and record what
// was asked, so no modal box ever shows during a test.

#include "editor/documenteditor.h"
#include "editor/editorprompts.h"
#include "editor/tablesizedialog.h"
#include "project/projectstate.h"

#include <QList>
#include <QPointer>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace dotsign::test {

struct ScriptedPrompts : EditorPrompts
{
    QStringList questions;
    QStringList questionCaptions;
    QList<QMessageBox::StandardButton> answers; // taken in order; Cancel when empty
    QStringList messages;
    QStringList messageCaptions;
    std::optional<FileChoice> saveChoice;
    std::optional<FileChoice> openChoice;
    int saveDialogs = 0;
    int openDialogs = 0;
    QString lastDialogFolder;
    std::optional<QColor> colour;
    std::function<bool(TF_TABLE_SIZE&)> tableAnswer;
    int beeps = 0;

    QMessageBox::StandardButton askYesNoCancel(QWidget*, const QString& text,
                                               const QString& caption) override;
    void showMessage(QWidget*, const QString& text, const QString& caption) override;
    std::optional<FileChoice> chooseOpenFile(QWidget*, const QString& folder, const QStringList&) override;
    std::optional<FileChoice> chooseSaveFile(QWidget*, const QString& folder, const QStringList&) override;
    std::optional<QColor> chooseColour(QWidget*, const QColor&, const QString&) override;
    bool runTableDialog(TF_TABLE_SIZE& dialog) override;
    void beep() override { ++beeps; }
};

class EditorTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the editor on the current zone, as the main window does, and shows it.
    TForm3* openEditor();
    ZoneRecord& zone() { return state.currentZoneRecord(); }
    QString projectPath(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    // Closes the editor as the operator does and lets a closed window be deleted.
    void closeEditor();
    // Replaces the document with one paragraph exactly `height` pixels high.
    void makeDocumentOfHeight(int height);
    // Counts the closeAttempted() signals of the open editor.
    int closeAttempts = 0;

    QTemporaryDir dir;
    ProjectState state;
    ScriptedPrompts prompts;
    TF_TABLE_SIZE tableDialog;
    QPointer<TForm3> editor;
};

// True when every pixel of row `y` is pure blue.
bool isBlueRow(const QImage& image, int y);
bool hasBluePixel(const QImage& image);

} // namespace dotsign::test
