#include "ui/flood_fill.h"

#include <vector>

void FloodFill(QImage& image, QPoint start, QRgb colour)
{
    if (!image.valid(start))
        return;
    const QRgb target = image.pixel(start);
    if (target == colour)
        return;
    std::vector<QPoint> pending{start};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!image.valid(p) || image.pixel(p) != target)
            continue;
        image.setPixel(p, colour);
        pending.push_back({p.x() + 1, p.y()});
        pending.push_back({p.x() - 1, p.y()});
        pending.push_back({p.x(), p.y() + 1});
        pending.push_back({p.x(), p.y() - 1});
    }
}
