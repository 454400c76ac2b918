#pragma once
// The message boxes and modal dialogs of a screenshot run: every question is
// answered Yes, every message is recorded, and a modal dialog is handed to
// the step that opened it, so that the step can picture it, fill it in and
// close it without anybody at the keyboard.

#include "app/dialogs.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace dotsign::shots {

// Waits `ms` while the event loop runs (windows paint, timers fire).
void settle(int ms);
// Saves what `widget` shows as <outDir>/<name>.png.
void savePicture(QWidget* widget, const QString& outDir, const QString& name);

class ShotDialogs : public Dialogs
{
public:
    explicit ShotDialogs(QString outDir) : m_outDir(std::move(outDir)) {}

    bool question(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& caption, const QString& text) override;
    int exec(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& dir, const QString& filter) override;

    // The next modal dialog goes to `drive` (shown and painted first); it
    // returns the dialog's result. Without a driver a dialog is rejected.
    std::function<int(QDialog&)> onExec;
    // The next message box is pictured under this name (then it is cleared).
    QString pictureNextBox;
    QStringList messages;

private:
    void showBox(int icon, QWidget* parent, const QString& caption, const QString& text);

    QString m_outDir;
};

} // namespace dotsign::shots
