#include "shell/toolbox_icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor ink(40, 40, 40);
const QColor paper(255, 255, 255);
const QColor accent(0, 122, 204);

QIcon drawn(void (*draw)(QPainter&))
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

void pointer(QPainter& p)
{
    QPainterPath arrow;
    arrow.moveTo(4, 1);
    arrow.lineTo(4, 14);
    arrow.lineTo(7, 11);
    arrow.lineTo(9.5, 15);
    arrow.lineTo(11.5, 14);
    arrow.lineTo(9, 10);
    arrow.lineTo(13, 10);
    arrow.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawPath(arrow);
}

void label(QPainter& p)
{
    // A capital A standing for plain text.
    p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(2.5, 14), QPointF(8, 2));
    p.drawLine(QPointF(8, 2), QPointF(13.5, 14));
    p.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
}

void editBox(QPainter& p)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(0.5, 3.5, 15, 9));
    p.setPen(QPen(accent, 1));
    p.drawLine(QPointF(3.5, 5.5), QPointF(3.5, 10.5));
}

void button(QPainter& p)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(225, 225, 225));
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 9), 2, 2);
    p.setPen(QPen(accent, 1));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
}

void radioButton(QPainter& p)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(8, 8), 3, 3);
}

void checkBox(QPainter& p)
{
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(4, 8);
    tick.lineTo(7, 11);
    tick.lineTo(12, 4.5);
    p.drawPath(tick);
}

}  // namespace

std::array<QIcon, 6> toolIcons()
{
    return {drawn(pointer), drawn(label), drawn(editBox), drawn(button), drawn(radioButton), drawn(checkBox)};
}
