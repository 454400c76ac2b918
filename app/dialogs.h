#pragma once
// Every message box and modal dialog of the main window goes through one
// Dialogs object, so that the window can be driven without a person in front
// of it (tests answer the questions and record the messages).

#include <QString>

class QDialog;
class QWidget;

namespace dotsign {

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A confirmation with Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Runs a modal dialog and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
    // An existing file to open; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& dir, const QString& filter) = 0;
};

// The real message boxes and dialogs.
class WidgetDialogs : public Dialogs
{
public:
    bool question(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& caption, const QString& text) override;
    int exec(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& dir, const QString& filter) override;
};

} // namespace dotsign
