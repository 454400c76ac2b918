#pragma once
// A main window on a project in a temporary folder, with dialogs that answer
// by script and record what they were asked.

#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "project/projectstate.h"

#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QTreeWidgetItem;

namespace dotsign {

class ScriptedDialogs : public Dialogs
{
public:
    bool question(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& caption, const QString& text) override;
    int exec(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& dir, const QString& filter) override;

    std::vector<QString> questions;
    std::vector<QString> messages;       // information and error texts
    std::deque<bool> answers;            // answers to the next questions; Yes when empty
    std::function<int(QDialog&)> onExec; // rejects when unset
    QString fileToOpen;
};

class WindowFixture
{
public:
    WindowFixture();
    ~WindowFixture();

    // Writes a project of `programs` programs with the given templates onto a
    // screen of width × height before the window opens.
    void writeProject(int width, int height, const std::vector<int>& templates = {},
                      const std::function<void(ProjectState&)>& edit = {});
    // Creates and shows the window, which loads the project.
    TMAINForm& open();

    // Adds a program through the toolbar with the template chosen in the dialog.
    void addProgram(int layoutTemplate);
    // Clicks the node with this label under `parentLabel` (any parent when empty).
    QTreeWidgetItem* node(const QString& label, const QString& parentLabel = QString()) const;
    void click(const QString& label, const QString& parentLabel = QString());
    QString selectedLabel() const;
    QStringList labels() const; // all labels in tree order

    QTemporaryDir dir;
    ProjectState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMAINForm> window;
};

} // namespace dotsign
