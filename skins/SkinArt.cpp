#include "skins/SkinArt.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QImage DrawWindowBackground(const SkinTheme& theme, QSize size, int radius, int titleHeight, const QString& title)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(theme.key);
    QPainter painter(&image);

    // The body's outline decides the shape, so it is drawn hard-edged.
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, size.width(), size.height()), radius, radius);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipPath(body);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, theme.bodyTop);
    fill.setColorAt(1, theme.bodyBottom);
    painter.fillRect(image.rect(), fill);
    QLinearGradient titleFill(0, 0, 0, titleHeight);
    titleFill.setColorAt(0, theme.titleTop);
    titleFill.setColorAt(1, theme.titleBottom);
    painter.fillRect(QRect(0, 0, size.width(), titleHeight), titleFill);

    // Inside the shape, smooth lines are safe.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(theme.edge, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
    painter.setPen(QPen(theme.edge.lighter(140), 1));
    painter.drawLine(QPointF(radius / 2.0, titleHeight - 0.5), QPointF(size.width() - radius / 2.0, titleHeight - 0.5));

    QFont font("DejaVu Sans");
    font.setPixelSize(titleHeight * 2 / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(theme.text);
    painter.drawText(QRect(titleHeight + 16, 0, size.width() / 2, titleHeight), Qt::AlignVCenter | Qt::AlignLeft, title);
    return image;
}

void DrawWell(QImage& background, const SkinTheme& theme, const QRect& rect)
{
    QPainter painter(&background);
    painter.fillRect(rect.adjusted(-3, -3, 3, 3), theme.edge.darker(150));
    painter.fillRect(rect.adjusted(-2, -2, 2, 2), theme.edge.lighter(170));
    painter.fillRect(rect.adjusted(-2, -2, 1, 1), theme.edge.darker(130));
    painter.fillRect(rect, theme.well);
}

void DrawPanel(QImage& background, const SkinTheme& theme, const QRect& rect, int radius)
{
    QPainter painter(&background);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, theme.panel.lighter(112));
    fill.setColorAt(1, theme.panel);
    painter.setPen(QPen(theme.edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

QImage KeyedPicture(const QImage& picture, const QColor& under, const QColor& key)
{
    QImage result(picture.size(), QImage::Format_RGB32);
    result.fill(under);
    {
        QPainter painter(&result);
        painter.drawImage(0, 0, picture);
    }
    const QImage alpha = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(alpha.pixel(x, y)) < 16)
                result.setPixel(x, y, key.rgb());
        }
    }
    return result;
}

QByteArray Bitmap24(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}
