#include "app/icons.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace dotsign {

namespace {

QPixmap badge(const QString& glyph, const QColor& colour, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 5.0, size / 5.0);
    QFont f;
    f.setPixelSize(qRound(size * (glyph.size() > 1 ? 0.42 : 0.62)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pm.rect(), Qt::AlignCenter, glyph);
    return pm;
}

QIcon badgeIcon(const QString& glyph, const QColor& colour)
{
    QIcon icon;
    for (int s : {16, 24, 32, 48})
        icon.addPixmap(badge(glyph, colour, s));
    return icon;
}

} // namespace

QIcon nodeIcon(int image)
{
    switch (image) {
    case 1:
        return badgeIcon(QCoreApplication::translate("Icons", "时"), QColor(0x2e, 0x7d, 0x32));
    case 2:
        return badgeIcon(QCoreApplication::translate("Icons", "图"), QColor(0x6a, 0x1b, 0x9a));
    case 5:
        return badgeIcon(QCoreApplication::translate("Icons", "屏"), QColor(0x37, 0x47, 0x4f));
    case 6:
        return badgeIcon(QCoreApplication::translate("Icons", "节"), QColor(0xe6, 0x51, 0x00));
    default:
        return badgeIcon(QCoreApplication::translate("Icons", "文"), QColor(0x15, 0x65, 0xc0));
    }
}

QIcon commandIcon(CommandIcon icon)
{
    struct Look
    {
        const char* glyph;
        QColor colour;
    };
    const QColor blue(0x15, 0x65, 0xc0), green(0x2e, 0x7d, 0x32), red(0xc6, 0x28, 0x28),
        grey(0x54, 0x6e, 0x7a), orange(0xef, 0x6c, 0x00), purple(0x5e, 0x35, 0xb1);
    Look look{"?", grey};
    switch (icon) {
    case CommandIcon::New:
        look = {QT_TRANSLATE_NOOP("Icons", "新"), blue};
        break;
    case CommandIcon::Open:
        return badgeIcon(QCoreApplication::translate("Icons", "开", "open"), blue);
    case CommandIcon::Save:
        look = {QT_TRANSLATE_NOOP("Icons", "存"), blue};
        break;
    case CommandIcon::SaveAs:
        look = {QT_TRANSLATE_NOOP("Icons", "另"), blue};
        break;
    case CommandIcon::Add:
        look = {"+", green};
        break;
    case CommandIcon::Delete:
        look = {"−", red};
        break;
    case CommandIcon::Hardware:
        look = {QT_TRANSLATE_NOOP("Icons", "硬"), grey};
        break;
    case CommandIcon::Border:
        look = {QT_TRANSLATE_NOOP("Icons", "框"), purple};
        break;
    case CommandIcon::Brightness:
        look = {QT_TRANSLATE_NOOP("Icons", "亮"), orange};
        break;
    case CommandIcon::Timer:
        look = {QT_TRANSLATE_NOOP("Icons", "定"), orange};
        break;
    case CommandIcon::Send:
        look = {QT_TRANSLATE_NOOP("Icons", "发"), green};
        break;
    case CommandIcon::Usb:
        look = {"U", purple};
        break;
    case CommandIcon::Clock:
        look = {QT_TRANSLATE_NOOP("Icons", "校"), orange};
        break;
    case CommandIcon::PowerOn:
        return badgeIcon(QCoreApplication::translate("Icons", "开", "power on"), green);
    case CommandIcon::PowerOff:
        look = {QT_TRANSLATE_NOOP("Icons", "关"), red};
        break;
    case CommandIcon::Pause:
        look = {QT_TRANSLATE_NOOP("Icons", "停"), grey};
        break;
    case CommandIcon::Resume:
        look = {QT_TRANSLATE_NOOP("Icons", "续"), grey};
        break;
    case CommandIcon::Find:
        look = {QT_TRANSLATE_NOOP("Icons", "查"), purple};
        break;
    case CommandIcon::Exit:
        look = {QT_TRANSLATE_NOOP("Icons", "退"), red};
        break;
    }
    return badgeIcon(QCoreApplication::translate("Icons", look.glyph), look.colour);
}

// A small sign with lit LEDs.
QPixmap signPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x21, 0x21, 0x21));
    p.setPen(Qt::NoPen);
    const QRectF frame(2, size * 0.25, size - 4, size * 0.5);
    p.drawRoundedRect(frame, 6, 6);
    const int dots = 12;
    const qreal step = (frame.width() - 8) / dots;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < dots; ++c) {
            const bool lit = (r + c) % 3 != 0;
            p.setBrush(lit ? QColor(0xff, 0x3d, 0x00) : QColor(0x4e, 0x34, 0x2e));
            p.drawEllipse(QPointF(frame.left() + 4 + step * (c + 0.5), frame.top() + 6 + r * step),
                          step * 0.35, step * 0.35);
        }
    return pm;
}

// A controller card.
QPixmap boardPicture(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1b, 0x5e, 0x20));
    p.setPen(Qt::NoPen);
    const QRectF card(6, size * 0.2, size - 12, size * 0.6);
    p.drawRoundedRect(card, 4, 4);
    p.setBrush(QColor(0x21, 0x21, 0x21));
    p.drawRect(QRectF(card.center().x() - 12, card.center().y() - 10, 24, 20));
    p.setBrush(QColor(0xff, 0xd5, 0x4f));
    for (int i = 0; i < 10; ++i)
        p.drawRect(QRectF(card.left() + 6 + i * (card.width() - 12) / 10, card.bottom() - 6, 3, 6));
    return pm;
}

} // namespace dotsign
