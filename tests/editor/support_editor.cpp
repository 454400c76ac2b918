#include "editor/support_editor.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace dotsign::test {

QMessageBox::StandardButton ScriptedPrompts::askYesNoCancel(QWidget*, const QString& text,
                                                            const QString& caption)
{
    questions.append(text);
    questionCaptions.append(caption);
    return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
}

void ScriptedPrompts::showMessage(QWidget*, const QString& text, const QString& caption)
{
    messages.append(text);
    messageCaptions.append(caption);
}

std::optional<FileChoice> ScriptedPrompts::chooseOpenFile(QWidget*, const QString& folder, const QStringList&)
{
    ++openDialogs;
    lastDialogFolder = folder;
    return openChoice;
}

std::optional<FileChoice> ScriptedPrompts::chooseSaveFile(QWidget*, const QString& folder, const QStringList&)
{
    ++saveDialogs;
    lastDialogFolder = folder;
    return saveChoice;
}

std::optional<QColor> ScriptedPrompts::chooseColour(QWidget*, const QColor&, const QString&)
{
    return colour;
}

bool ScriptedPrompts::runTableDialog(TF_TABLE_SIZE& dialog)
{
    if (!tableAnswer)
        return false;
    return tableAnswer(dialog);
}

void EditorTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    state.setProjectFile(dir.path() + QStringLiteral("/Project.kvp"));
    state.currentProgram = 1;
    state.currentZone = 1;
    ZoneRecord& record = zone();
    record.zoneType = ZoneDocument;
    record.zoneWidth = 64;
    record.zoneHeight = 16;
}

void EditorTest::TearDown()
{
    if (editor) {
        editor->setModified(false);
        delete editor.data();
    }
}

TForm3* EditorTest::openEditor()
{
    editor = new TForm3(state, &tableDialog, &prompts);
    QObject::connect(editor.data(), &TForm3::closeAttempted, [this] { ++closeAttempts; });
    editor->show();
    return editor.data();
}

void EditorTest::closeEditor()
{
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void EditorTest::makeDocumentOfHeight(int height)
{
    RichDocument& doc = editor->richDocument();
    doc.clear();
    QTextCursor cursor(doc.document());
    QTextBlockFormat format;
    format.setLineHeight(height, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(format);
    cursor.insertText(QStringLiteral("LED"));
}

bool isBlueRow(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != QColor(0, 0, 255))
            return false;
    }
    return image.width() > 0;
}

bool hasBluePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == QColor(0, 0, 255))
                return true;
        }
    }
    return false;
}

} // namespace dotsign::test
