#include "editor/editorprompts.h"

#include "editor/tablesizedialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

namespace dotsign {

namespace {

std::optional<FileChoice> runFileDialog(QFileDialog& dialog, const QStringList& filters)
{
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return FileChoice{dialog.selectedFiles().constFirst(), index < 0 ? 1 : index + 1};
}

} // namespace

QMessageBox::StandardButton DialogPrompts::askYesNoCancel(QWidget* parent, const QString& text,
                                                          const QString& caption)
{
    return QMessageBox::question(parent, caption, text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void DialogPrompts::showMessage(QWidget* parent, const QString& text, const QString& caption)
{
    QMessageBox::warning(parent, caption, text);
}

std::optional<FileChoice> DialogPrompts::chooseOpenFile(QWidget* parent, const QString& folder,
                                                        const QStringList& filters)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog, filters);
}

std::optional<FileChoice> DialogPrompts::chooseSaveFile(QWidget* parent, const QString& folder,
                                                        const QStringList& filters)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("kvf"));
    // A name typed without an extension gets the one of the chosen entry.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& filter) {
                         dialog.setDefaultSuffix(filters.indexOf(filter) == 1 ? QStringLiteral("rtf")
                                                                              : QStringLiteral("kvf"));
                     });
    return runFileDialog(dialog, filters);
}

std::optional<QColor> DialogPrompts::chooseColour(QWidget* parent, const QColor& initial,
                                                  const QString& title)
{
    const QColor colour = QColorDialog::getColor(initial, parent, title);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

bool DialogPrompts::runTableDialog(TF_TABLE_SIZE& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

void DialogPrompts::beep()
{
    QApplication::beep();
}

} // namespace dotsign
