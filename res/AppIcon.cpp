#include "res/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage DrawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal s = size;
    const qreal margin = s >= 24 ? s / 16 : 0.5;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);

    // A rounded purple tile ...
    QLinearGradient tileFill(tile.topLeft(), tile.bottomLeft());
    tileFill.setColorAt(0, QColor(0x9b, 0x59, 0xd0));
    tileFill.setColorAt(1, QColor(0x4a, 0x1d, 0x78));
    painter.setPen(QPen(QColor(0x2e, 0x10, 0x4d), s >= 24 ? s / 32 : 1));
    painter.setBrush(tileFill);
    painter.drawRoundedRect(tile, s / 5, s / 5);

    // ... holding a picture: a sky with a sun over two hills.
    const QRectF picture = tile.adjusted(s * 0.16, s * 0.2, -s * 0.16, -s * 0.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xf1, 0xff));
    painter.drawRect(picture);
    painter.setBrush(QColor(0xff, 0xc8, 0x3d));
    const qreal sun = picture.height() * 0.3;
    painter.drawEllipse(QRectF(picture.right() - sun * 1.5, picture.top() + sun * 0.35, sun, sun));
    QPainterPath hills;
    hills.moveTo(picture.bottomLeft());
    hills.lineTo(picture.left() + picture.width() * 0.35, picture.top() + picture.height() * 0.35);
    hills.lineTo(picture.left() + picture.width() * 0.6, picture.top() + picture.height() * 0.7);
    hills.lineTo(picture.left() + picture.width() * 0.75, picture.top() + picture.height() * 0.55);
    hills.lineTo(picture.bottomRight());
    hills.closeSubpath();
    painter.setBrush(QColor(0x3f, 0x9b, 0x5a));
    painter.drawPath(hills);
    return image;
}

QIcon LoadAppIcon()
{
    QIcon icon;
    for (int size : kAppIconSizes)
        icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
    return icon;
}
