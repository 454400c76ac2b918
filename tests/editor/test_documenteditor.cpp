// The document editor's own work: loading the zone's document, the preview
// in pages, saving into the project folder, the save question and the zone
// bitmap.

#include "editor/openeditor.h"
#include "editor/previewpicture.h"
#include "editor/support_editor.h"
#include "project/zonefiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSpinBox>
#include <QTextCursor>
#include <QTextEdit>

namespace dotsign::test {
namespace {

void typeText(TForm3* window, const QString& text)
{
    QTextCursor cursor = window->textEdit()->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    window->textEdit()->setTextCursor(cursor);
}

QString plainTextOf(const QString& path)
{
    RichDocument doc;
    EXPECT_TRUE(doc.loadFile(path).ok) << path.toStdString();
    return doc.document()->toPlainText();
}

void writeDocument(const QString& path, const QString& text)
{
    RichDocument doc;
    QTextCursor(doc.document()).insertText(text);
    ASSERT_TRUE(doc.saveFile(path).ok);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct PageCase
{
    int topMargin;
    int contentHeight;
};

class PreviewPages : public EditorTest, public ::testing::WithParamInterface<PageCase>
{
};

// A 40-pixel document in a 16-row zone takes three pages; "下移" adds to the
// height before it is rounded up to whole pages.
TEST_P(PreviewPages, RoundsTheDocumentUpToWholePagesAndMarksEachPageEnd)
{
    TForm3* window = openEditor();
    makeDocumentOfHeight(40);
    window->topMarginBox()->setValue(GetParam().topMargin);
    ASSERT_EQ(window->richDocument().documentHeight(), 40 + GetParam().topMargin);

    window->yuelan();

    const int height = GetParam().contentHeight;
    EXPECT_EQ(zone().zoneInfoHeight, height);
    EXPECT_EQ(window->previewHeight(), height);
    EXPECT_EQ(window->previewWidth(), 64);
    const QImage preview = window->previewImage();
    ASSERT_EQ(preview.height(), height);
    for (int y = 0; y < height; ++y)
        EXPECT_EQ(isBlueRow(preview, y), (y + 1) % 16 == 0) << "row " << y;
}

INSTANTIATE_TEST_SUITE_P(TopMargins, PreviewPages,
                         ::testing::Values(PageCase{0, 48}, PageCase{8, 48}, PageCase{9, 64}));

TEST_F(EditorTest, ShowsTheZoneSizeAndLaysTheTextOutAtTheZoneWidth)
{
    TForm3* window = openEditor();
    EXPECT_EQ(window->statusText(EditorPanelZoneSize), QStringLiteral("分区大小:64*16"));
    EXPECT_EQ(window->richDocument().layoutWidth(), 64);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("KVUntitled.kvf (*) - 图形-文字-表格混合编辑"));
    EXPECT_FALSE(window->isModified());
}

TEST_F(EditorTest, OpenedForTheCurrentZoneAndReportsEveryCloseAttempt)
{
    state.currentProgram = 3;
    state.currentZone = 2;
    zone().zoneType = ZoneDocument;
    zone().zoneWidth = 128;
    zone().zoneHeight = 32;
    int attempts = 0;
    editor = openDocumentEditor(
        state, &tableDialog, nullptr, [&attempts] { ++attempts; }, &prompts);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(editor->statusText(EditorPanelZoneSize), QStringLiteral("分区大小:128*32"));
    EXPECT_EQ(editor->richDocument().layoutWidth(), 128);

    closeEditor();
    EXPECT_EQ(attempts, 1);
    EXPECT_FALSE(editor) << "the window deletes itself";
}

TEST_F(EditorTest, ZoneWithoutDocumentAsksForANameAndAnRtfChoiceKeepsTheWindowOpen)
{
    TForm3* window = openEditor();
    typeText(window, QStringLiteral("欢迎光临"));
    prompts.answers = {QMessageBox::Yes};
    prompts.saveChoice = FileChoice{QStringLiteral("/elsewhere/welcome.rtf"), 2};

    closeEditor();

    ASSERT_EQ(prompts.questions, QStringList{QStringLiteral("现在保存图文分区修改吗?")});
    EXPECT_EQ(prompts.questionCaptions.value(0), QStringLiteral("请注意:分区已经修改"));
    EXPECT_EQ(prompts.saveDialogs, 1);
    EXPECT_EQ(prompts.lastDialogFolder, projectFolder(state));
    ASSERT_TRUE(editor) << "an RTF save does not let the close go on";
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(closeAttempts, 1);
    EXPECT_EQ(plainTextOf(projectPath(QStringLiteral("welcome.rtf"))), QStringLiteral("欢迎光临"));
    EXPECT_EQ(zone().zoneFile, QStringLiteral("welcome.rtf"));
    EXPECT_TRUE(window->isModified());

    // Asked again, the document now has a name and the save lets the window close.
    prompts.answers = {QMessageBox::Yes};
    closeEditor();
    EXPECT_EQ(prompts.saveDialogs, 1);
    EXPECT_FALSE(editor);
    EXPECT_EQ(closeAttempts, 2);
}

TEST_F(EditorTest, NativeSaveAsLinksTheZoneAndCloses)
{
    TForm3* window = openEditor();
    typeText(window, QStringLiteral("Sale"));
    prompts.answers = {QMessageBox::Yes};
    prompts.saveChoice = FileChoice{projectPath(QStringLiteral("sale.kvf")), 1};

    closeEditor();

    EXPECT_FALSE(editor);
    EXPECT_EQ(zone().zoneFile, QStringLiteral("sale.kvf"));
    EXPECT_EQ(plainTextOf(projectPath(QStringLiteral("sale.kvf"))), QStringLiteral("Sale"));
    EXPECT_EQ(state.modifiedFlag, 1);
}

TEST_F(EditorTest, CloseQuestionAnswers)
{
    TForm3* window = openEditor();
    typeText(window, QStringLiteral("x"));

    prompts.answers = {QMessageBox::Cancel};
    closeEditor();
    ASSERT_TRUE(editor) << "Cancel keeps the window";
    EXPECT_EQ(closeAttempts, 1) << "the zone preview follows every attempt";
    EXPECT_EQ(prompts.saveDialogs, 0);

    prompts.answers = {QMessageBox::No};
    closeEditor();
    EXPECT_FALSE(editor);
    EXPECT_EQ(closeAttempts, 2);
    EXPECT_TRUE(zone().zoneFile.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(EditorTest, MissingZoneDocumentIsCreatedEmpty)
{
    zone().zoneFile = QStringLiteral("x.kvf");
    TForm3* window = openEditor();

    const QString path = projectPath(QStringLiteral("x.kvf"));
    ASSERT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(plainTextOf(path).isEmpty());
    EXPECT_EQ(window->statusText(EditorPanelPath), path);
    EXPECT_EQ(window->documentPath(), path);
    EXPECT_FALSE(window->isModified());
    // The save that created it also wrote the zone's picture.
    EXPECT_TRUE(QFileInfo::exists(ZoneBitmapPath(state, 1, 1)));
}

TEST_F(EditorTest, LoadsTheZoneDocumentByItsExtension)
{
    writeDocument(projectPath(QStringLiteral("a.kvf")), QStringLiteral("native"));
    writeDocument(projectPath(QStringLiteral("b.rtf")), QStringLiteral("rich text"));
    writeDocument(projectPath(QStringLiteral("c.kvc")), QStringLiteral("older native"));
    const struct
    {
        QString file;
        QString text;
    } cases[] = {{QStringLiteral("a.kvf"), QStringLiteral("native")},
                 {QStringLiteral("b.rtf"), QStringLiteral("rich text")},
                 {QStringLiteral("c.kvc"), QStringLiteral("older native")},
                 // Only the file-name part of a stored path counts.
                 {QStringLiteral("C:\\old\\place\\a.kvf"), QStringLiteral("native")}};
    for (const auto& c : cases) {
        zone().zoneFile = c.file;
        TForm3* window = openEditor();
        EXPECT_EQ(window->richDocument().document()->toPlainText(), c.text) << c.file.toStdString();
        EXPECT_FALSE(window->isModified());
        delete window;
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(EditorTest, LoadedShiftSurvivesThePreviewAndTheNextSave)
{
    RichDocument stored;
    QTextCursor(stored.document()).insertText(QStringLiteral("down"));
    stored.setTopMargin(7);
    ASSERT_TRUE(stored.saveFile(projectPath(QStringLiteral("shift.kvf"))).ok);
    zone().zoneFile = QStringLiteral("shift.kvf");

    TForm3* window = openEditor();
    EXPECT_EQ(window->topMarginBox()->value(), 7);
    EXPECT_EQ(window->richDocument().topMargin(), 7);
    EXPECT_FALSE(window->isModified());
    ASSERT_TRUE(window->Save());
    RichDocument reloaded;
    ASSERT_TRUE(reloaded.loadFile(projectPath(QStringLiteral("shift.kvf"))).ok);
    EXPECT_EQ(reloaded.topMargin(), 7);
}

TEST_F(EditorTest, UnreadableZoneFileIsNeverOverwritten)
{
    QFile text(projectPath(QStringLiteral("0-0-1.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("old text zone\r\n");
    text.close();
    zone().zoneFile = QStringLiteral("0-0-1.txt");
    TForm3* window = openEditor();
    EXPECT_TRUE(window->richDocument().document()->toPlainText().isEmpty());

    typeText(window, QStringLiteral("new"));
    prompts.saveChoice = std::nullopt;
    EXPECT_FALSE(window->Save());
    EXPECT_EQ(prompts.saveDialogs, 1) << "the first save asks for a name";
    EXPECT_EQ(fileBytes(projectPath(QStringLiteral("0-0-1.txt"))), QByteArray("old text zone\r\n"));
}

TEST_F(EditorTest, UntitledDocumentOpensForAZoneWithoutFileButStaysUnnamed)
{
    writeDocument(projectPath(QStringLiteral("KVUntitled.kvf")), QStringLiteral("draft"));
    TForm3* window = openEditor();
    EXPECT_EQ(window->richDocument().document()->toPlainText(), QStringLiteral("draft"));
    EXPECT_EQ(window->statusText(EditorPanelPath), projectPath(QStringLiteral("KVUntitled.kvf")));
    EXPECT_TRUE(window->documentPath().isEmpty());
}

TEST_F(EditorTest, DocumentOpenedFromAnotherFolderIsSavedIntoTheProjectFolder)
{
    QTemporaryDir other;
    const QString outside = other.path() + QStringLiteral("/menu.kvf");
    writeDocument(outside, QStringLiteral("今日特价"));
    zone().zoneFile = QStringLiteral("x.kvf");
    TForm3* window = openEditor();
    prompts.openChoice = FileChoice{outside, 1};

    window->findAction(QStringLiteral("openFile"))->trigger();
    EXPECT_EQ(window->richDocument().document()->toPlainText(), QStringLiteral("今日特价"));
    EXPECT_EQ(window->statusText(EditorPanelPath), outside);
    EXPECT_TRUE(window->isModified()) << "closing must offer to link it to the zone";

    window->findAction(QStringLiteral("saveFile"))->trigger();

    EXPECT_EQ(plainTextOf(projectPath(QStringLiteral("menu.kvf"))), QStringLiteral("今日特价"));
    EXPECT_EQ(zone().zoneFile, QStringLiteral("menu.kvf"));
    EXPECT_EQ(window->documentPath(), projectPath(QStringLiteral("menu.kvf")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("menu.kvf - 图形-文字-表格混合编辑"));
    EXPECT_FALSE(window->isModified());
}

TEST_F(EditorTest, SaveWritesTheZoneBitmapWithoutPageLines)
{
    zone().zoneFile = QStringLiteral("x.kvf");
    TForm3* window = openEditor();
    makeDocumentOfHeight(40);
    const QString bitmap = ZoneBitmapPath(state, 1, 1);
    ASSERT_TRUE(QFile::remove(bitmap));

    window->findAction(QStringLiteral("saveFile"))->trigger();

    EXPECT_EQ(window->bitmapPath(), bitmap);
    EXPECT_TRUE(bitmap.endsWith(QStringLiteral("/ExtFile/0-0-1.bmp")));
    EXPECT_EQ(window->bitmapPending(), 0);
    const QImage saved(bitmap);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(64, 48));
    EXPECT_FALSE(hasBluePixel(saved));
    EXPECT_TRUE(isBlueRow(window->previewImage(), 15));

    // A preview without a save leaves the picture alone.
    ASSERT_TRUE(QFile::remove(bitmap));
    window->yuelan();
    EXPECT_FALSE(QFileInfo::exists(bitmap));
}

TEST_F(EditorTest, FailedSaveKeepsTheChangesAndTheWindow)
{
    // A folder where the document should go: the write cannot succeed.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("busy.kvf")));
    TForm3* window = openEditor();
    typeText(window, QStringLiteral("keep me"));
    prompts.answers = {QMessageBox::Yes};
    prompts.saveChoice = FileChoice{projectPath(QStringLiteral("busy.kvf")), 1};

    closeEditor();

    ASSERT_TRUE(editor);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(window->isModified());
    EXPECT_TRUE(zone().zoneFile.isEmpty());
    EXPECT_EQ(window->bitmapPending(), 0);
}

TEST_F(EditorTest, NewAndOpenAskFirstAndStopOnCancel)
{
    zone().zoneFile = QStringLiteral("x.kvf");
    TForm3* window = openEditor();
    typeText(window, QStringLiteral("unsaved"));

    prompts.answers = {QMessageBox::Cancel};
    window->findAction(QStringLiteral("newFile"))->trigger();
    EXPECT_EQ(window->richDocument().document()->toPlainText(), QStringLiteral("unsaved"));
    prompts.answers = {QMessageBox::Cancel};
    window->findAction(QStringLiteral("openFile"))->trigger();
    EXPECT_EQ(prompts.openDialogs, 0);

    prompts.answers = {QMessageBox::No};
    window->findAction(QStringLiteral("newFile"))->trigger();
    EXPECT_TRUE(window->richDocument().document()->toPlainText().isEmpty());
    EXPECT_TRUE(window->documentPath().isEmpty());
    EXPECT_FALSE(window->isModified());
    EXPECT_EQ(prompts.questions.size(), 3);
}

TEST_F(EditorTest, UnreadableDocumentIsReported)
{
    QFile bad(projectPath(QStringLiteral("bad.rtf")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is not rich text");
    bad.close();
    zone().zoneFile = QStringLiteral("bad.rtf");
    openEditor();
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("错误")});
    EXPECT_EQ(prompts.messageCaptions, QStringList{QStringLiteral("文件读错误。")});
}

struct ZoomCase
{
    QString entry;
    QString caption;
    int factor;
};

class PreviewZoom : public EditorTest, public ::testing::WithParamInterface<ZoomCase>
{
};

TEST_P(PreviewZoom, EntryScalesThePreview)
{
    TForm3* window = openEditor();
    makeDocumentOfHeight(40);
    QAction* entry = window->findAction(GetParam().entry);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), GetParam().caption);
    entry->trigger();
    EXPECT_EQ(window->previewPicture()->size(), QSize(64, 48) * GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(Entries, PreviewZoom,
                         ::testing::Values(ZoomCase{QStringLiteral("zoom1"), QStringLiteral("放大1倍"), 1},
                                           ZoomCase{QStringLiteral("zoom2"), QStringLiteral("放大2倍"), 3},
                                           ZoomCase{QStringLiteral("zoom3"), QStringLiteral("放大3倍"), 4},
                                           ZoomCase{QStringLiteral("zoom4"), QStringLiteral("放大4倍"), 5},
                                           ZoomCase{QStringLiteral("zoom5"), QStringLiteral("放大5倍"), 6}));

// Commands are found by object name, which stays the same in every interface
// language; two commands sharing a name would make the lookup pick either.
TEST_F(EditorTest, EveryNamedCommandHasANameOfItsOwn)
{
    TForm3* window = openEditor();
    QStringList names;
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (action->objectName().isEmpty())
            continue;
        EXPECT_FALSE(names.contains(action->objectName())) << action->objectName().toStdString();
        names.append(action->objectName());
    }
    EXPECT_EQ(window->findAction(QStringLiteral("saveFile"))->text(), QStringLiteral("保存文件"));
    EXPECT_EQ(window->findAction(QStringLiteral("保存文件")), nullptr);
}

TEST_F(EditorTest, PreviewOfAZoneWithoutHeightStillShowsTheDocument)
{
    zone().zoneHeight = 0;
    TForm3* window = openEditor();
    makeDocumentOfHeight(40);
    window->yuelan();
    EXPECT_EQ(zone().zoneInfoHeight, 0);
    EXPECT_EQ(window->previewImage().height(), 40);
    EXPECT_FALSE(hasBluePixel(window->previewImage()));
}

} // namespace
} // namespace dotsign::test
