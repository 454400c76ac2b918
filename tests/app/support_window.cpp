#include "app/support_window.h"

#include "app/programrules.h"
#include "app/templatedialog.h"
#include "project/projectfile.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace dotsign {

bool ScriptedDialogs::question(QWidget*, const QString& text)
{
    questions.push_back(text);
    if (answers.empty())
        return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedDialogs::information(QWidget*, const QString& text)
{
    messages.push_back(text);
}

void ScriptedDialogs::error(QWidget*, const QString&, const QString& text)
{
    messages.push_back(text);
}

int ScriptedDialogs::exec(QDialog& dialog)
{
    return onExec ? onExec(dialog) : int(QDialog::Rejected);
}

QString ScriptedDialogs::openFileName(QWidget*, const QString&, const QString&)
{
    return fileToOpen;
}

WindowFixture::WindowFixture()
{
    state.setProjectFile(dir.filePath(QStringLiteral("Project/Project.kvp")));
    QDir().mkpath(dir.filePath(QStringLiteral("Project/ExtFile")));
    state.defaultProjectFilePath = state.projectFilePath;
}

WindowFixture::~WindowFixture()
{
    if (window) {
        dialogs.answers = {true, false}; // leave without saving
        window->close();
    }
}

void WindowFixture::writeProject(int width, int height, const std::vector<int>& templates,
                                 const std::function<void(ProjectState&)>& edit)
{
    ProjectState s;
    s.setProjectFile(state.projectFilePath);
    s.defaultProjectFilePath = state.projectFilePath;
    ASSERT_TRUE(LoadProject(s, s.projectFilePath).ok);
    s.cur().screenWidth = width;
    s.cur().screenHeight = height;
    s.hw.screenWidth = width;
    s.hw.screenHeight = height;
    int n = 0;
    for (int t : templates) {
        ++n;
        initNewProgram(s, n, t, 0);
    }
    s.cur().programCount = n;
    s.programTotal = n;
    if (edit)
        edit(s);
    const Status st = SaveProject(s, s.projectFilePath);
    ASSERT_TRUE(st.ok) << st.message.toStdString();
}

TMAINForm& WindowFixture::open()
{
    window = std::make_unique<TMAINForm>(state, dialogs);
    window->show();
    return *window;
}

void WindowFixture::addProgram(int layoutTemplate)
{
    dialogs.onExec = [layoutTemplate](QDialog& d) {
        auto* dialog = qobject_cast<TemplateDialog*>(&d);
        if (!dialog)
            return int(QDialog::Rejected);
        QTest::mouseClick(dialog->tile(layoutTemplate), Qt::LeftButton);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("确定"))
                b->click();
        return dialog->result();
    };
    window->action(QStringLiteral("T_Add"))->trigger();
    dialogs.onExec = nullptr;
}

QTreeWidgetItem* WindowFixture::node(const QString& label, const QString& parentLabel) const
{
    for (QTreeWidgetItemIterator it(window->tree()); *it; ++it) {
        QTreeWidgetItem* n = *it;
        if (n->text(0) != label)
            continue;
        if (parentLabel.isEmpty() || (n->parent() && n->parent()->text(0) == parentLabel))
            return n;
    }
    return nullptr;
}

void WindowFixture::click(const QString& label, const QString& parentLabel)
{
    QTreeWidgetItem* n = node(label, parentLabel);
    ASSERT_NE(n, nullptr) << label.toStdString();
    QTreeWidget* tree = window->tree();
    tree->scrollToItem(n);
    const QRect r = tree->visualItemRect(n);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

QString WindowFixture::selectedLabel() const
{
    QTreeWidgetItem* n = window->tree()->currentItem();
    return n ? n->text(0) : QString();
}

QStringList WindowFixture::labels() const
{
    QStringList out;
    for (QTreeWidgetItemIterator it(window->tree()); *it; ++it)
        out << (*it)->text(0);
    return out;
}

} // namespace dotsign
