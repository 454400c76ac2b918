#include "shotdialogs.h"

#include "app/apptitle.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QMessageBox>
#include <QThread>
#include <QWidget>
#include <cstdio>

namespace dotsign::shots {

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    } while (clock.elapsed() < ms);
}

void savePicture(QWidget* widget, const QString& outDir, const QString& name)
{
    if (!widget) {
        std::fprintf(stderr, "dotsign-shots: nothing to picture for %s\n", qPrintable(name));
        return;
    }
    widget->raise();
    settle(150);
    // Screenshots of widgets have few colours: RGB32 without alpha keeps the
    // files small, and the strongest compression keeps them smaller still.
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = QDir(outDir).filePath(name + QStringLiteral(".png"));
    QImageWriter writer(path, "png");
    writer.setQuality(0);
    if (!writer.write(image))
        std::fprintf(stderr, "dotsign-shots: %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    else
        std::printf("%s (%dx%d)\n", qPrintable(path), image.width(), image.height());
}

void ShotDialogs::showBox(int icon, QWidget* parent, const QString& caption, const QString& text)
{
    if (pictureNextBox.isEmpty())
        return;
    // The same box the application shows, pictured instead of waiting for a click.
    QMessageBox box(static_cast<QMessageBox::Icon>(icon), caption, text, QMessageBox::NoButton, parent);
    if (icon == QMessageBox::Question)
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    else
        box.setStandardButtons(QMessageBox::Ok);
    box.show();
    settle(200);
    savePicture(&box, m_outDir, pictureNextBox);
    pictureNextBox.clear();
    box.close();
}

bool ShotDialogs::question(QWidget* parent, const QString& text)
{
    messages << text;
    showBox(QMessageBox::Question, parent, applicationTitle(), text);
    return true;
}

void ShotDialogs::information(QWidget* parent, const QString& text)
{
    messages << text;
    showBox(QMessageBox::Information, parent, applicationTitle(), text);
}

void ShotDialogs::error(QWidget* parent, const QString& caption, const QString& text)
{
    messages << text;
    showBox(QMessageBox::Critical, parent, caption.isEmpty() ? applicationTitle() : caption, text);
}

int ShotDialogs::exec(QDialog& dialog)
{
    const auto drive = std::move(onExec);
    onExec = nullptr;
    dialog.setModal(true);
    dialog.show();
    settle(300);
    const int result = drive ? drive(dialog) : int(QDialog::Rejected);
    dialog.hide();
    dialog.setResult(result);
    settle(50);
    return result;
}

QString ShotDialogs::openFileName(QWidget*, const QString&, const QString&)
{
    return QString();
}

} // namespace dotsign::shots
