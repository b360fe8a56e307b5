#pragma once

#include <QImage>
#include <QPoint>

// Replaces the 4-connected region of the seed's exact colour with `colour`.
void FloodFill(QImage& image, QPoint seed, QRgb colour);
