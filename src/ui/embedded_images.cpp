#include "ui/embedded_images.h"

#include <cstring>

const EmbeddedImage* FindEmbeddedImage(const char* name)
{
    for (size_t i = 0; i < EmbeddedImageCount; ++i)
        if (std::strcmp(EmbeddedImages[i].name, name) == 0)
            return &EmbeddedImages[i];
    return nullptr;
}
