#pragma once

#include <QImage>
#include <QPoint>

// Replaces the 4-connected region around `start` that has its exact colour with `colour`.
void FloodFill(QImage& image, QPoint start, QRgb colour);
