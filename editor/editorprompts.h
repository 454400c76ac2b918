#pragma once
// Everything the document editor asks the operator goes through this
// interface: questions, messages, file and colour choices and the table
// dialog. The window uses the dialog implementation; tests give it one that
// records the texts and answers from a script, so no modal box ever blocks.

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace dotsign {

class TF_TABLE_SIZE;

// A file chosen in an open or save dialog: its full path and the 1-based
// entry of the filter list that was selected.
struct FileChoice
{
    QString path;
    int filterIndex = 1;
};

class EditorPrompts
{
public:
    virtual ~EditorPrompts() = default;

    // A Yes/No/Cancel question with the question icon.
    virtual QMessageBox::StandardButton askYesNoCancel(QWidget* parent, const QString& text,
                                                       const QString& caption) = 0;
    virtual void showMessage(QWidget* parent, const QString& text, const QString& caption) = 0;
    // `filters` are Qt filter strings, one per entry.
    virtual std::optional<FileChoice> chooseOpenFile(QWidget* parent, const QString& folder,
                                                     const QStringList& filters) = 0;
    virtual std::optional<FileChoice> chooseSaveFile(QWidget* parent, const QString& folder,
                                                     const QStringList& filters) = 0;
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial,
                                               const QString& title) = 0;
    // Shows the insert-table dialog modally; true when it was confirmed.
    virtual bool runTableDialog(TF_TABLE_SIZE& dialog) = 0;
    virtual void beep() = 0;
};

// The real dialogs.
class DialogPrompts : public EditorPrompts
{
public:
    QMessageBox::StandardButton askYesNoCancel(QWidget* parent, const QString& text,
                                               const QString& caption) override;
    void showMessage(QWidget* parent, const QString& text, const QString& caption) override;
    std::optional<FileChoice> chooseOpenFile(QWidget* parent, const QString& folder,
                                             const QStringList& filters) override;
    std::optional<FileChoice> chooseSaveFile(QWidget* parent, const QString& folder,
                                             const QStringList& filters) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial, const QString& title) override;
    bool runTableDialog(TF_TABLE_SIZE& dialog) override;
    void beep() override;
};

} // namespace dotsign
