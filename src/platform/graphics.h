#pragma once

#include <QImage>
#include <QString>
#include <cstddef>

enum FontStyle : unsigned { FontRegular = 0, FontBold = 1u << 0, FontItalic = 1u << 1 };

// Creates a font (anti-aliased) and returns its number for SetFont.
int CreateFont(const QString& face, int points, unsigned style);
QString FontFamily(int font);  // the family the font system resolved the face to
// The height [px] of the text as a label draws it in that font (-1 the system
// font), wrapped at words within the width [px].
int LabelTextHeight(int font, const QString& text, int width);

// Numbered images shown by image controls.
void RegisterImage(int image, const QImage& picture);
QImage GetImage(int image);

// Decodes PNG data held in memory (libpng) into a 32-bit ARGB image.
bool DecodePng(const unsigned char* data, size_t size, QImage& picture);
