#include "editor/editoricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace dotsign {

namespace {

// Drawn on a 24 x 24 grid, rendered at twice that for sharp edges.
constexpr int kGrid = 24;
constexpr int kScale = 2;
const QColor kInk(52, 58, 64);
const QColor kAccent(32, 111, 196);
const QColor kPaper(255, 255, 255);
const QColor kWarn(200, 48, 48);

QPen ink(qreal width = 1.6, const QColor& colour = kInk)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void floppy(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7.5, 4, 9, 6));
    p.drawRect(QRectF(7, 13.5, 10, 6.5));
}

void lines(QPainter& p, const QList<QLineF>& list, qreal width = 1.8)
{
    p.setPen(ink(width));
    for (const QLineF& line : list)
        p.drawLine(line);
}

void letter(QPainter& p, const QString& text, bool bold, bool italic,
            const QRectF& box = QRectF(3, 1, 18, 18))
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(16);
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(box, Qt::AlignCenter, text);
}

void arrowHead(QPainter& p, QPointF tip, QPointF a, QPointF b)
{
    p.drawLine(tip, a);
    p.drawLine(tip, b);
}

void grid(QPainter& p, const QRectF& r, int rows, int columns)
{
    p.setPen(ink(1.4));
    p.setBrush(kPaper);
    p.drawRect(r);
    for (int i = 1; i < rows; ++i)
        p.drawLine(QPointF(r.left(), r.top() + r.height() * i / rows),
                   QPointF(r.right(), r.top() + r.height() * i / rows));
    for (int i = 1; i < columns; ++i)
        p.drawLine(QPointF(r.left() + r.width() * i / columns, r.top()),
                   QPointF(r.left() + r.width() * i / columns, r.bottom()));
}

void band(QPainter& p, const QRectF& r, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(r);
}

void sign(QPainter& p, QPointF centre, bool plus, const QColor& colour)
{
    p.setPen(ink(2.2, colour));
    p.drawLine(centre - QPointF(3.5, 0), centre + QPointF(3.5, 0));
    if (plus)
        p.drawLine(centre - QPointF(0, 3.5), centre + QPointF(0, 3.5));
}

void curvedArrow(QPainter& p, bool redo)
{
    p.save();
    if (redo) {
        p.translate(kGrid, 0);
        p.scale(-1, 1);
    }
    p.setPen(ink(2));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(6, 9);
    path.lineTo(14, 9);
    path.cubicTo(22, 9, 22, 19, 14, 19);
    path.lineTo(9, 19);
    p.drawPath(path);
    arrowHead(p, QPointF(5, 9), QPointF(9, 5), QPointF(9, 13));
    p.restore();
}

void scissors(QPainter& p)
{
    p.setPen(ink(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(3.5, 14, 6, 6));
    p.drawEllipse(QRectF(14.5, 14, 6, 6));
    p.drawLine(QPointF(8.5, 15), QPointF(17, 3));
    p.drawLine(QPointF(15.5, 15), QPointF(7, 3));
}

void magnifier(QPainter& p)
{
    p.setPen(ink(2));
    p.setBrush(kPaper);
    p.drawEllipse(QRectF(4, 4, 11, 11));
    p.setPen(ink(3));
    p.drawLine(QPointF(14, 14), QPointF(20, 20));
}

void alignment(QPainter& p, Qt::Alignment align)
{
    const qreal widths[] = {16, 11, 16, 11};
    for (int i = 0; i < 4; ++i) {
        qreal w = align == Qt::AlignJustify ? 16 : widths[i];
        qreal x = 4;
        if (align == Qt::AlignHCenter)
            x = 12 - w / 2;
        else if (align == Qt::AlignRight)
            x = 20 - w;
        lines(p, {QLineF(x, 6 + i * 4, x + w, 6 + i * 4)});
    }
}

void indent(QPainter& p, bool more)
{
    lines(p, {QLineF(4, 5, 20, 5), QLineF(11, 10, 20, 10), QLineF(11, 14, 20, 14), QLineF(4, 19, 20, 19)});
    p.setPen(ink(1.8, kAccent));
    if (more)
        arrowHead(p, QPointF(8, 12), QPointF(4.5, 9), QPointF(4.5, 15));
    else
        arrowHead(p, QPointF(4.5, 12), QPointF(8, 9), QPointF(8, 15));
}

void listIcon(QPainter& p, bool numbered)
{
    for (int i = 0; i < 3; ++i) {
        const qreal y = 6 + i * 6;
        if (numbered) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(6);
            font.setBold(true);
            p.setFont(font);
            p.setPen(kAccent);
            p.drawText(QRectF(2, y - 4, 6, 8), Qt::AlignCenter, QString::number(i + 1));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(kAccent);
            p.drawEllipse(QPointF(5, y), 1.8, 1.8);
        }
        lines(p, {QLineF(10, y, 20, y)});
    }
}

void picture(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(3, 5, 18, 14), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 160, 90));
    QPainterPath hills;
    hills.moveTo(4, 18);
    hills.lineTo(9.5, 11);
    hills.lineTo(13, 15);
    hills.lineTo(15.5, 12.5);
    hills.lineTo(20, 18);
    hills.closeSubpath();
    p.drawPath(hills);
    p.setBrush(QColor(240, 170, 30));
    p.drawEllipse(QPointF(16, 8.5), 2, 2);
}

void preview(QPainter& p)
{
    p.setPen(ink());
    p.setBrush(QColor(20, 20, 20));
    p.drawRoundedRect(QRectF(2.5, 5, 19, 12), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 40, 40));
    for (int x = 0; x < 6; ++x) {
        for (int y = 0; y < 3; ++y) {
            if ((x + y) % 2 == 0)
                p.drawEllipse(QPointF(5.5 + x * 2.6, 8 + y * 3), 0.9, 0.9);
        }
    }
    p.setPen(ink());
    p.drawLine(QPointF(12, 17), QPointF(12, 20));
    p.drawLine(QPointF(8, 20.5), QPointF(16, 20.5));
}

void closeIcon(QPainter& p)
{
    p.setPen(ink(1.6));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(4, 3, 13, 18), 1.5, 1.5);
    p.setPen(ink(2, kWarn));
    p.drawLine(QPointF(13, 12), QPointF(21, 12));
    arrowHead(p, QPointF(21.5, 12), QPointF(18.5, 9), QPointF(18.5, 15));
}

void tableCommand(QPainter& p, EditorIcon icon)
{
    const QRectF r(3, 3, 18, 18);
    switch (icon) {
    case EditorIcon::RowAbove:
    case EditorIcon::RowBelow:
        band(p, icon == EditorIcon::RowAbove ? QRectF(3, 3, 18, 6) : QRectF(3, 15, 18, 6),
             QColor(190, 215, 245));
        p.setBrush(Qt::NoBrush);
        grid(p, r, 3, 3);
        break;
    case EditorIcon::ColumnLeft:
    case EditorIcon::ColumnRight:
        band(p, icon == EditorIcon::ColumnLeft ? QRectF(3, 3, 6, 18) : QRectF(15, 3, 6, 18),
             QColor(190, 215, 245));
        grid(p, r, 3, 3);
        break;
    case EditorIcon::DeleteRow:
        grid(p, r, 3, 3);
        band(p, QRectF(3, 9, 18, 6), QColor(250, 210, 210));
        sign(p, QPointF(12, 12), false, kWarn);
        break;
    case EditorIcon::DeleteColumn:
        grid(p, r, 3, 3);
        band(p, QRectF(9, 3, 6, 18), QColor(250, 210, 210));
        sign(p, QPointF(12, 12), false, kWarn);
        break;
    case EditorIcon::MergeCells:
        grid(p, r, 1, 1);
        lines(p, {QLineF(3, 12, 6, 12), QLineF(18, 12, 21, 12)}, 1.4);
        p.setPen(ink(1.8, kAccent));
        p.drawLine(QPointF(7, 12), QPointF(17, 12));
        arrowHead(p, QPointF(12, 12), QPointF(9, 9), QPointF(9, 15));
        break;
    case EditorIcon::SplitCell:
        grid(p, r, 1, 2);
        p.setPen(ink(1.8, kAccent));
        arrowHead(p, QPointF(5, 12), QPointF(8, 9), QPointF(8, 15));
        arrowHead(p, QPointF(19, 12), QPointF(16, 9), QPointF(16, 15));
        break;
    default:
        break;
    }
    if (icon == EditorIcon::RowAbove || icon == EditorIcon::RowBelow || icon == EditorIcon::ColumnLeft ||
        icon == EditorIcon::ColumnRight)
        sign(p, QPointF(12, 12), true, kAccent);
}

void colourBase(QPainter& p, EditorIcon icon)
{
    switch (icon) {
    case EditorIcon::TextColour:
        letter(p, QStringLiteral("A"), true, false, QRectF(3, 0, 18, 17));
        break;
    case EditorIcon::TextBackground:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 140));
        p.drawRect(QRectF(5, 3, 14, 13));
        letter(p, QStringLiteral("a"), true, false, QRectF(3, 0, 18, 17));
        break;
    case EditorIcon::ParagraphBackground:
        lines(p, {QLineF(4, 4, 20, 4), QLineF(4, 8.5, 20, 8.5), QLineF(4, 13, 14, 13)});
        break;
    case EditorIcon::DocumentBackground:
        page(p, QRectF(5, 2, 14, 15));
        break;
    case EditorIcon::CellColour:
        grid(p, QRectF(3, 2, 18, 14), 2, 2);
        break;
    default:
        break;
    }
}

void draw(QPainter& p, EditorIcon icon)
{
    switch (icon) {
    case EditorIcon::New:
        page(p, QRectF(5, 2.5, 14, 19));
        sign(p, QPointF(12, 14), true, kAccent);
        break;
    case EditorIcon::Open: {
        p.setPen(ink());
        p.setBrush(QColor(245, 200, 90));
        QPainterPath path;
        path.moveTo(2.5, 6);
        path.lineTo(9, 6);
        path.lineTo(11, 8);
        path.lineTo(21.5, 8);
        path.lineTo(21.5, 19);
        path.lineTo(2.5, 19);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case EditorIcon::Save:
        floppy(p);
        break;
    case EditorIcon::SaveAs:
        floppy(p);
        p.setPen(ink(2.4, QColor(240, 160, 30)));
        p.drawLine(QPointF(14, 22), QPointF(22, 14));
        break;
    case EditorIcon::Undo:
        curvedArrow(p, false);
        break;
    case EditorIcon::Redo:
        curvedArrow(p, true);
        break;
    case EditorIcon::Cut:
        scissors(p);
        break;
    case EditorIcon::Copy:
        page(p, QRectF(3, 2.5, 12, 15));
        page(p, QRectF(9, 7, 12, 15));
        break;
    case EditorIcon::Paste:
        p.setPen(ink());
        p.setBrush(QColor(200, 160, 110));
        p.drawRoundedRect(QRectF(4, 4, 16, 18), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(8, 2, 8, 4));
        page(p, QRectF(8, 9, 11, 12));
        break;
    case EditorIcon::Find:
        magnifier(p);
        break;
    case EditorIcon::Replace:
        magnifier(p);
        p.setPen(ink(1.6, kAccent));
        p.drawLine(QPointF(16, 5), QPointF(22, 5));
        arrowHead(p, QPointF(22, 5), QPointF(19.5, 2.5), QPointF(19.5, 7.5));
        break;
    case EditorIcon::Bold:
        letter(p, QStringLiteral("B"), true, false);
        break;
    case EditorIcon::Italic:
        letter(p, QStringLiteral("I"), false, true);
        break;
    case EditorIcon::Underline:
        letter(p, QStringLiteral("U"), false, false);
        lines(p, {QLineF(6, 21, 18, 21)});
        break;
    case EditorIcon::Strike:
        letter(p, QStringLiteral("S"), false, false);
        lines(p, {QLineF(4, 11, 20, 11)}, 1.6);
        break;
    case EditorIcon::AlignLeft:
        alignment(p, Qt::AlignLeft);
        break;
    case EditorIcon::AlignCenter:
        alignment(p, Qt::AlignHCenter);
        break;
    case EditorIcon::AlignRight:
        alignment(p, Qt::AlignRight);
        break;
    case EditorIcon::AlignJustify:
        alignment(p, Qt::AlignJustify);
        break;
    case EditorIcon::IndentMore:
        indent(p, true);
        break;
    case EditorIcon::IndentLess:
        indent(p, false);
        break;
    case EditorIcon::Bullets:
        listIcon(p, false);
        break;
    case EditorIcon::Numbering:
        listIcon(p, true);
        break;
    case EditorIcon::Picture:
        picture(p);
        break;
    case EditorIcon::Table:
        band(p, QRectF(3, 3, 18, 6), QColor(190, 215, 245));
        grid(p, QRectF(3, 3, 18, 18), 3, 3);
        break;
    case EditorIcon::Preview:
        preview(p);
        break;
    case EditorIcon::Close:
        closeIcon(p);
        break;
    case EditorIcon::TextColour:
    case EditorIcon::TextBackground:
    case EditorIcon::ParagraphBackground:
    case EditorIcon::DocumentBackground:
    case EditorIcon::CellColour:
        colourBase(p, icon);
        break;
    default:
        tableCommand(p, icon);
        break;
    }
}

QPixmap canvas()
{
    QPixmap pixmap(kGrid * kScale, kGrid * kScale);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QIcon editorIcon(EditorIcon icon)
{
    QPixmap pixmap = canvas();
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
        draw(p, icon);
    }
    return QIcon(pixmap);
}

QIcon editorIcon(EditorIcon icon, const QColor& colour)
{
    QPixmap pixmap = canvas();
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale, kScale);
        draw(p, icon);
        p.setPen(QPen(QColor(120, 120, 120), 0.8));
        p.setBrush(colour.isValid() ? colour : QColor(Qt::black));
        p.drawRect(QRectF(3, 18.5, 18, 4));
    }
    return QIcon(pixmap);
}

} // namespace dotsign
