#include "statepictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

/// A rounded tag of the given size and colour with a white symbol drawn on it.
QImage tag(int width, int height, const QColor& fill, const std::function<void(QPainter&)>& symbol)
{
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(170), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 4, 4);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    symbol(p);
    return image;
}

/// A green tag with a tick.
QImage complete()
{
    return tag(25, 18, QColor(0x2e, 0xa0, 0x43), [](QPainter& p) {
        QPainterPath tick;
        tick.moveTo(7, 9.5);
        tick.lineTo(11, 13);
        tick.lineTo(18, 5);
        p.drawPath(tick);
    });
}

/// A red tag with an exclamation mark.
QImage incomplete()
{
    return tag(23, 16, QColor(0xd3, 0x2f, 0x2f), [](QPainter& p) {
        p.drawLine(QPointF(11.5, 3.5), QPointF(11.5, 9));
        p.drawPoint(QPointF(11.5, 12.5));
    });
}

/// A grey disc with a black rim and a black dot.
QImage other()
{
    QImage image = blank(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(0xa0, 0xa0, 0xa0));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(5.5, 5.5, 5, 5));
    return image;
}

} // namespace

QImage statePicture(const QString& estado)
{
    static const QImage pictures[] = {complete(), incomplete(), other()};
    const QString value = estado.trimmed();
    if (value == QLatin1String("0"))
        return pictures[0];
    if (value == QLatin1String("9"))
        return pictures[1];
    if (value == QLatin1String("1"))
        return pictures[2];
    return {};
}
