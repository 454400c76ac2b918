// The English windows: every caption the operator reads is translated, the
// translation keeps the values it is given, and the project file written from
// English windows is the one written from Chinese windows.

#include "app/findingsdialog.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/managerdialog.h"
#include "app/virtualsign.h"
#include "app/virtualsignwiring.h"
#include "editor/documenteditor.h"
#include "editor/findreplacedialog.h"
#include "editor/tablesizedialog.h"
#include "support_devices.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFile>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace dotsign {
namespace {

using test::DeviceRig;
using test::ScreenSetup;

bool hasChinese(const QString& text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x3000 && u <= 0x303f) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

// Names that are not captions: font families and the built-in sign's port
// name, which the project file stores as it stands.
bool isContent(const QString& text)
{
    // The clock style list shows the Chinese date format the sign draws.
    static const QSet<QString> names = {QStringLiteral("宋体"), QStringLiteral("黑体"),
                                        QStringLiteral("虚拟显示屏"),
                                        QStringLiteral("2009年08月28日12点00分00秒")};
    return names.contains(text);
}

// Every caption inside `root` that still reads Chinese, with where it was found.
QStringList chineseCaptions(QWidget& root)
{
    QStringList found;
    auto check = [&found](const QObject* where, const QString& what, const QString& text) {
        if (hasChinese(text) && !isContent(text))
            found << QStringLiteral("%1 %2 (%3): %4")
                         .arg(QString::fromLatin1(where->metaObject()->className()), where->objectName(),
                              what, text);
    };
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* w : widgets) {
        if (w->isWindow() || qobject_cast<QDockWidget*>(w))
            check(w, QStringLiteral("title"), w->windowTitle());
        check(w, QStringLiteral("tooltip"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            check(w, QStringLiteral("text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(w, QStringLiteral("text"), button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            check(w, QStringLiteral("title"), box->title());
        if (auto* menu = qobject_cast<QMenu*>(w))
            check(w, QStringLiteral("title"), menu->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            check(w, QStringLiteral("placeholder"), edit->placeholderText());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                check(w, QStringLiteral("tab"), tabs->tabText(i));
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && !qobject_cast<QFontComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                check(w, QStringLiteral("item"), combo->itemText(i));
        if (auto* tree = qobject_cast<QTreeWidget*>(w); tree && !tree->isHeaderHidden())
            for (int i = 0; i < tree->columnCount(); ++i)
                check(w, QStringLiteral("header"), tree->headerItem()->text(i));
        for (QAction* a : w->actions()) {
            check(a, QStringLiteral("action"), a->text());
            check(a, QStringLiteral("tooltip"), a->toolTip());
        }
    }
    for (QAction* a : root.findChildren<QAction*>()) {
        check(a, QStringLiteral("action"), a->text());
        check(a, QStringLiteral("tooltip"), a->toolTip());
    }
    found.removeDuplicates();
    return found;
}

class EnglishWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(installUiLanguage(*QCoreApplication::instance(), UiLanguage::English));
    }
    void TearDown() override
    {
        for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

TEST_F(EnglishWindows, MainWindowAndItsDialogsShowNoChineseCaption)
{
    DeviceRig rig;
    TMAINForm& window = rig.open({QStringLiteral("B类卡"), 128, 32, {0, 1, 2}});
    QStringList leftovers = chineseCaptions(window);

    // Each zone kind shows its own panel.
    for (const QString& label : rig.fx.labels()) {
        rig.fx.click(label);
        leftovers << chineseCaptions(window);
    }

    // Every dialog a command opens, walked as it is shown and then cancelled.
    QStringList opened;
    rig.fx.dialogs.onExec = [&](QDialog& d) {
        opened << QString::fromLatin1(d.metaObject()->className());
        leftovers << chineseCaptions(d);
        // Past the password prompt to the settings, past the check to the USB dialog.
        if (auto* prompt = qobject_cast<TFMANA*>(&d)) {
            prompt->entry()->setText(rig.fx.state.cur().password);
            prompt->confirmButton()->click();
            return prompt->result();
        }
        return int(qobject_cast<FindingsDialog*>(&d) ? QDialog::Accepted : QDialog::Rejected);
    };
    for (const char* command :
         {"T_Add", "T_Hardware", "T_Brightness", "T_Timer", "T_Border", "T_Usb", "T_Find", "N_About"})
        rig.trigger(command);
    EXPECT_EQ(opened.join(QLatin1Char(' ')).toStdString(),
              "dotsign::TemplateDialog dotsign::TFMANA dotsign::TF_SET1 dotsign::TFLight dotsign::TFSETTIMER "
              "dotsign::TF_LSBK dotsign::FindingsDialog dotsign::TF_usb dotsign::TF_com dotsign::TFABOUT");
    // The windows that live beside the main window: the virtual sign, the
    // document editor and its dialogs.
    wireVirtualSign(window, *rig.context);
    rig.trigger("N_VirtualSign");
    if (auto* sign = window.findChild<VirtualSignWindow*>())
        leftovers << chineseCaptions(*sign);
    else
        ADD_FAILURE() << "no virtual sign window";
    TForm3 editor(rig.fx.state);
    leftovers << chineseCaptions(editor);
    TF_TABLE_SIZE tableSize;
    leftovers << chineseCaptions(tableSize);
    QTextEdit text;
    FindReplaceDialog find(&text, nullptr);
    leftovers << chineseCaptions(find);

    for (const QString& message : rig.fx.dialogs.messages)
        if (hasChinese(message))
            leftovers << QStringLiteral("message: ") + message;

    leftovers.removeDuplicates();
    EXPECT_TRUE(leftovers.isEmpty()) << leftovers.join(QLatin1Char('\n')).toStdString();
}

// Panels fill themselves from the records when a node is chosen; in English
// they must not write their captions back into the project.
QByteArray projectSavedAfterBrowsing()
{
    DeviceRig rig;
    rig.open({QStringLiteral("B类卡"), 128, 32, {0, 1, 2}});
    for (const QString& label : rig.fx.labels())
        rig.fx.click(label);
    rig.trigger("N_Save");
    QFile saved(rig.fx.state.projectFilePath);
    if (!saved.open(QIODevice::ReadOnly))
        return {};
    // The zone files are stored with the folder's path and the port is the
    // card's pseudo-terminal: both differ per run.
    return saved.readAll()
        .replace(QFile::encodeName(rig.fx.dir.path()), "<folder>")
        .replace("=" + QFile::encodeName(rig.card.portPath()) + "\r\n", "=<port>\r\n");
}

TEST_F(EnglishWindows, SaveTheSameProjectFileAsChineseWindows)
{
    const QByteArray english = projectSavedAfterBrowsing();
    TearDown();
    const QByteArray chinese = projectSavedAfterBrowsing();
    ASSERT_FALSE(chinese.isEmpty());
    // Line by line, so that a difference names its key.
    const QList<QByteArray> e = english.split('\n'), c = chinese.split('\n');
    QStringList differences;
    for (int i = 0; i < std::max(e.size(), c.size()); ++i)
        if (e.value(i) != c.value(i))
            differences << QStringLiteral("line %1: %2 | %3")
                               .arg(i + 1)
                               .arg(QString::fromLocal8Bit(e.value(i).toHex()),
                                    QString::fromLocal8Bit(c.value(i).toHex()));
    EXPECT_TRUE(differences.isEmpty()) << differences.join(QLatin1Char('\n')).toStdString();
}

// The .ts file is what translators edit: every message has its English, and
// the English keeps every value (%1, %2, ...) the code fills in.
TEST(TranslationFile, EveryMessageIsTranslatedWithItsPlaceholders)
{
    QFile file(QStringLiteral(DOTSIGN_SOURCE_DIR "/translations/dotsign_en.ts"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    // What the card itself shows is quoted as it appears there.
    static const QRegularExpression shownOnTheSign(QStringLiteral("《[^》]*》"));
    auto placeholders = [](const QString& s) {
        QStringList list;
        for (auto it = placeholder.globalMatch(s); it.hasNext();)
            list << it.next().captured(0);
        list.sort();
        list.removeDuplicates();
        return list;
    };
    QString context, source;
    QStringList problems;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString english = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            const QString where = context + QStringLiteral(" / ") + source;
            if (!type.isEmpty() || english.isEmpty())
                problems << QStringLiteral("not translated (%1): %2").arg(type, where);
            else if (placeholders(english) != placeholders(source))
                problems << QStringLiteral("values differ: %1 -> %2").arg(where, english);
            else if (hasChinese(QString(english).remove(shownOnTheSign)))
                problems << QStringLiteral("still Chinese: %1 -> %2").arg(where, english);
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 0);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace dotsign
