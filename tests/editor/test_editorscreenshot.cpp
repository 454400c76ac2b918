// A document with mixed fonts, a picture and a table, as an operator writes
// one: the preview must show all of it. With DOTSIGN_SCREENSHOT_DIR set the
// window and its preview are also saved as pictures for the documentation.

#include "editor/previewpicture.h"
#include "editor/support_editor.h"
#include "editor/tableediting.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSpinBox>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextTable>

namespace dotsign::test {
namespace {

QTextCharFormat textFormat(const QString& family, int points, const QColor& colour, bool bold = false)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{family});
    format.setFontPointSize(points);
    format.setForeground(colour);
    if (bold)
        format.setFontWeight(QFont::Bold);
    return format;
}

QImage logo()
{
    QImage image(40, 24, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 255, 0));
    painter.drawEllipse(QRect(2, 2, 20, 20));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(QRect(24, 4, 14, 16));
    return image;
}

void writeSampleDocument(TForm3* window)
{
    QTextEdit* edit = window->textEdit();
    QTextCursor cursor = edit->textCursor();
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    cursor.insertText(QStringLiteral("欢迎光临"),
                      textFormat(QStringLiteral("黑体"), 18, QColor(255, 0, 0), true));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("本店"), textFormat(QStringLiteral("宋体"), 12, QColor(255, 255, 0)));
    cursor.insertText(QStringLiteral("今日特价"), textFormat(QStringLiteral("黑体"), 12, QColor(0, 255, 0)));
    cursor.insertBlock();
    edit->setTextCursor(cursor);
    window->insertImage(logo());
    cursor = edit->textCursor();
    cursor.insertBlock();

    TableParameters parameters;
    parameters.rows = 2;
    parameters.columns = 2;
    QTextTable* table = insertZoneTable(cursor, parameters, window->richDocument().layoutWidth());
    const QTextCharFormat cellText = textFormat(QStringLiteral("宋体"), 9, QColor(255, 0, 0));
    const QStringList cells = {QStringLiteral("苹果"), QStringLiteral("5元"), QStringLiteral("香蕉"),
                               QStringLiteral("3元")};
    for (int i = 0; i < cells.size(); ++i)
        table->cellAt(i / 2, i % 2).firstCursorPosition().insertText(cells[i], cellText);
    edit->setTextCursor(table->cellAt(0, 0).firstCursorPosition());
}

int countColour(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

TEST_F(EditorTest, MixedDocumentShowsInThePreview)
{
    zone().zoneWidth = 96;
    zone().zoneHeight = 32;
    zone().zoneFile = QStringLiteral("shop.kvf");
    TForm3* window = openEditor();
    window->setStatusText(EditorPanelZoneSize, QStringLiteral("分区大小:96*32"));
    writeSampleDocument(window);
    window->findAction(QStringLiteral("saveFile"))->trigger();
    window->findAction(QStringLiteral("zoom3"))->trigger();

    const QImage preview = window->previewImage();
    EXPECT_EQ(preview.width(), 96);
    EXPECT_EQ(preview.height() % 32, 0);
    EXPECT_GE(preview.height(), 64);
    EXPECT_GT(countColour(preview, QColor(255, 0, 0)), 50) << "red text and table borders";
    EXPECT_GT(countColour(preview, QColor(0, 255, 0)), 50) << "green text and the picture";
    EXPECT_GT(countColour(preview, QColor(255, 255, 0)), 50) << "yellow text and the picture";

    const QString folder = qEnvironmentVariable("DOTSIGN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->resize(1180, 640);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/editor.png")));
    EXPECT_TRUE(window->previewPicture()->grab().save(folder + QStringLiteral("/editor-preview.png")));
}

} // namespace
} // namespace dotsign::test
