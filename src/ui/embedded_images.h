#pragma once

#include <cstddef>

// PNG files of src/ui/images, compiled into the program by the build.
struct EmbeddedImage {
    const char* name;  // file name without ".png"
    const unsigned char* data;
    size_t size;
};

extern const EmbeddedImage EmbeddedImages[];
extern const size_t EmbeddedImageCount;

const EmbeddedImage* FindEmbeddedImage(const char* name);
