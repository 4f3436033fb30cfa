#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Drawing helpers for the bundled skins. Everything a skin cuts out or
// leaves out is painted in the key colour with antialiasing off, so no
// half-key pixel blurs an edge.

struct SkinTheme {
    QString name;
    QColor key;          // the transparent colour
    QColor bodyTop;      // window body gradient
    QColor bodyBottom;
    QColor titleTop;     // title band gradient
    QColor titleBottom;
    QColor edge;         // outline of the window and the panels
    QColor well;         // behind the viewer
    QColor panel;        // behind the controls
    QColor text;
};

// A background of `size`: the key colour outside a rounded window body with
// a title band `titleHeight` high, bearing `title`.
QImage DrawWindowBackground(const SkinTheme& theme, QSize size, int radius, int titleHeight, const QString& title);

// A sunken well (for the viewer) and a raised panel (for controls).
void DrawWell(QImage& background, const SkinTheme& theme, const QRect& rect);
void DrawPanel(QImage& background, const SkinTheme& theme, const QRect& rect, int radius);

// `picture` composited over `under`, its transparent pixels in the key
// colour: an image for drawing with the key colour left out.
QImage KeyedPicture(const QImage& picture, const QColor& under, const QColor& key);

// `image` as the bytes of a 24-bit Windows bitmap file.
QByteArray Bitmap24(const QImage& image);
