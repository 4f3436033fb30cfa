#pragma once

#include <QIcon>
#include <QImage>

// The application icon, drawn in code at each size it comes in, so that the
// small sizes are drawn for their grid rather than scaled down.
inline constexpr int kAppIconSizes[] = { 48, 32, 24, 16 };

QImage DrawAppIcon(int size);
QIcon LoadAppIcon();
