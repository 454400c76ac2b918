#include "app/dialogs.h"

#include "app/apptitle.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace dotsign {

bool WidgetDialogs::question(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, applicationTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void WidgetDialogs::information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, applicationTitle(), text, QMessageBox::Ok);
}

void WidgetDialogs::error(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox::critical(parent, caption.isEmpty() ? applicationTitle() : caption, text, QMessageBox::Ok);
}

int WidgetDialogs::exec(QDialog& dialog)
{
    return dialog.exec();
}

QString WidgetDialogs::openFileName(QWidget* parent, const QString& dir, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), dir, filter);
}

} // namespace dotsign
