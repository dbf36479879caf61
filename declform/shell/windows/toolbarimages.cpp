#include "toolbarimages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 32;

const QColor Ink(0x33, 0x3d, 0x4a);
const QColor Paper(0xfb, 0xfb, 0xf8);

/// A sheet of paper with a folded corner, the base of the declaration pictures.
void sheet(QPainter& p)
{
    QPainterPath path;
    path.moveTo(6.5, 2.5);
    path.lineTo(19.5, 2.5);
    path.lineTo(25.5, 8.5);
    path.lineTo(25.5, 29.5);
    path.lineTo(6.5, 29.5);
    path.closeSubpath();
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Paper);
    p.drawPath(path);
    p.drawLine(QPointF(19.5, 2.5), QPointF(19.5, 8.5));
    p.drawLine(QPointF(19.5, 8.5), QPointF(25.5, 8.5));
    p.setPen(QPen(QColor(0xa8, 0xb0, 0xba), 1.2));
    for (int y = 13; y <= 25; y += 4)
        p.drawLine(QPointF(9.5, y), QPointF(22.5, y));
}

/// A round badge in the lower right corner.
void badge(QPainter& p, const QColor& color)
{
    p.setPen(QPen(color.darker(140), 1));
    p.setBrush(color);
    p.drawEllipse(QRectF(16.5, 16.5, 14, 14));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
}

void drawNueva(QPainter& p)
{
    sheet(p);
    badge(p, QColor(0x2e, 0xa0, 0x43));
    p.drawLine(QPointF(23.5, 19.5), QPointF(23.5, 27.5));
    p.drawLine(QPointF(19.5, 23.5), QPointF(27.5, 23.5));
}

void drawModificar(QPainter& p)
{
    sheet(p);
    // A pencil across the sheet.
    p.save();
    p.translate(22, 19);
    p.rotate(45);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(0xf2, 0xb1, 0x34));
    p.drawRect(QRectF(-3, -11, 6, 16));
    p.setBrush(QColor(0xf0, 0xd9, 0xb5));
    QPainterPath tip;
    tip.moveTo(-3, 5);
    tip.lineTo(3, 5);
    tip.lineTo(0, 10);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

void drawEliminar(QPainter& p)
{
    sheet(p);
    badge(p, QColor(0xd3, 0x2f, 0x2f));
    p.drawLine(QPointF(20.5, 20.5), QPointF(26.5, 26.5));
    p.drawLine(QPointF(26.5, 20.5), QPointF(20.5, 26.5));
}

void drawImprimir(QPainter& p)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Paper);
    p.drawRect(QRectF(9.5, 3.5, 13, 9));
    p.setBrush(QColor(0x8a, 0x96, 0xa6));
    p.drawRoundedRect(QRectF(3.5, 11.5, 25, 12), 2, 2);
    p.setBrush(QColor(0x4c, 0xc2, 0x5e));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(23, 14, 3, 3));
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Paper);
    p.drawRect(QRectF(8.5, 19.5, 15, 10));
    p.setPen(QPen(QColor(0xa8, 0xb0, 0xba), 1.2));
    p.drawLine(QPointF(11, 23.5), QPointF(21, 23.5));
    p.drawLine(QPointF(11, 26.5), QPointF(18, 26.5));
}

void drawSalir(QPainter& p)
{
    // An open door and an arrow leaving through it.
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(0xc9, 0xa2, 0x6b));
    p.drawRect(QRectF(4.5, 3.5, 14, 25));
    p.setBrush(QColor(0x8d, 0x64, 0x33));
    QPainterPath door;
    door.moveTo(4.5, 3.5);
    door.lineTo(12.5, 6.5);
    door.lineTo(12.5, 30.5);
    door.lineTo(4.5, 28.5);
    door.closeSubpath();
    p.drawPath(door);
    p.setPen(QPen(QColor(0xd3, 0x2f, 0x2f), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 16), QPointF(28, 16));
    p.drawLine(QPointF(24, 12), QPointF(28, 16));
    p.drawLine(QPointF(24, 20), QPointF(28, 16));
}

void drawNumOrden(QPainter& p)
{
    sheet(p);
    badge(p, QColor(0x1f, 0x6f, 0xc5));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21.5, 21), QPointF(20.5, 27));
    p.drawLine(QPointF(25.5, 21), QPointF(24.5, 27));
    p.drawLine(QPointF(19.5, 22.5), QPointF(27, 22.5));
    p.drawLine(QPointF(19, 25.5), QPointF(26.5, 25.5));
}

void drawAyuda(QPainter& p)
{
    p.setPen(QPen(QColor(0x15, 0x4c, 0x8c), 1.2));
    p.setBrush(QColor(0x1f, 0x6f, 0xc5));
    p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QIcon toolbarImage(ToolbarImage image)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (image) {
    case ToolbarImage::Nueva:
        drawNueva(p);
        break;
    case ToolbarImage::Modificar:
        drawModificar(p);
        break;
    case ToolbarImage::Eliminar:
        drawEliminar(p);
        break;
    case ToolbarImage::Imprimir:
        drawImprimir(p);
        break;
    case ToolbarImage::Salir:
        drawSalir(p);
        break;
    case ToolbarImage::NumOrden:
        drawNumOrden(p);
        break;
    case ToolbarImage::Ayuda:
        drawAyuda(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}
