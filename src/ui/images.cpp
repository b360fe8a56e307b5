#include "ui/images.h"

#include <QPainter>

#include "platform/graphics.h"
#include "ui/embedded_images.h"
#include "ui/flood_fill.h"

namespace {

constexpr int FillSize = 60;  // [px]
const QRgb Black = qRgb(1, 1, 1);
const QRgb Water = qRgb(51, 204, 0);
const QRgb Wall = qRgb(90, 90, 90);

// What differs between the two fill drawings: the height of the water level.
struct FillDrawing {
    QLine level;  // the level line, wall to wall
    QPoint top;   // upper end of the depth arrow, on the level line
};

const FillDrawing FillDrawings[2] = {
    {QLine(8, 30, 52, 30), QPoint(30, 30)},
    {QLine(10, 21, 50, 21), QPoint(30, 21)},
};

struct CarriedImage {
    int image;
    const char* name;
};

const CarriedImage CarriedImages[] = {
    {ImageDotBlue, "dot_blue"},
    {ImageDotMagenta, "dot_magenta"},
    {ImageDotRed, "dot_red"},
    {ImageLogo, "logo"},
};

}  // namespace

QImage DrawFillImage(int image)
{
    const FillDrawing& drawing = FillDrawings[image == ImageFillSevenTenths ? 1 : 0];
    const QPoint centre(30, 30);
    const QPoint bottom(30, 52);

    QImage picture(FillSize, FillSize, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        // Hard edges: the flood fills below must find closed outlines.
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(Black), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, 25, 25);
        painter.drawEllipse(centre, 22, 22);
        painter.drawLine(drawing.level);
    }
    FloodFill(picture, QPoint(25, 40), Water);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(Black), 1));
        const QPoint top = drawing.top;
        painter.drawLine(top, bottom);
        painter.drawLine(top, top + QPoint(-3, 4));
        painter.drawLine(top, top + QPoint(3, 4));
        painter.drawLine(bottom, bottom + QPoint(-3, -4));
        painter.drawLine(bottom, bottom + QPoint(3, -4));
    }
    FloodFill(picture, QPoint(30, 7), Wall);
    return picture;
}

void DrawFillImages()
{
    RegisterImage(ImageFillHalf, DrawFillImage(ImageFillHalf));
    RegisterImage(ImageFillSevenTenths, DrawFillImage(ImageFillSevenTenths));
}

bool DecodeCarriedImages()
{
    bool all = true;
    for (const CarriedImage& carried : CarriedImages) {
        const EmbeddedImage* embedded = FindEmbeddedImage(carried.name);
        QImage picture;
        if (embedded && DecodePng(embedded->data, embedded->size, picture))
            RegisterImage(carried.image, picture);
        else
            all = false;
    }
    return all;
}
