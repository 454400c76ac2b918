#pragma once
// Pictures drawn by the program itself: tree node images, toolbar icons and
// the about box's pictures, so that the window looks the same on every desktop.

#include <QIcon>
#include <QPixmap>

namespace dotsign {

// Tree images: 0 text, 1 clock, 2 graphic-text, 5 screen, 6 program.
QIcon nodeIcon(int image);

enum class CommandIcon {
    New,
    Open,
    Save,
    SaveAs,
    Add,
    Delete,
    Hardware,
    Border,
    Brightness,
    Timer,
    Send,
    Usb,
    Clock,
    PowerOn,
    PowerOff,
    Pause,
    Resume,
    Find,
    Exit
};
QIcon commandIcon(CommandIcon icon);

QPixmap signPicture(int size);
QPixmap boardPicture(int size);

} // namespace dotsign
