#pragma once

#include <QImage>

// Numbered images of the program.
enum ImageNumber : int {
    ImageFillHalf = 0,         // drainage pipe filled to 5/10
    ImageFillSevenTenths = 1,  // ... to 7/10
    ImageLogo = 2,             // about window
    ImageDotBlue = 3,
    ImageDotMagenta = 4,
    ImageDotRed = 5,
};

// The 60 x 60 drawing of image ImageFillHalf or ImageFillSevenTenths.
QImage DrawFillImage(int image);

// Draws both fill images and registers them.
void DrawFillImages();

// Decodes the PNG images the program carries (dots and logo) and registers them;
// false if one of them cannot be decoded.
bool DecodeCarriedImages();
