#include "platform/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// One sRGB channel (0-255) made linear.
double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(int rgb)
{
    return 0.2126 * Linear((rgb >> 16) & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) + 0.0722 * Linear(rgb & 0xFF);
}

}  // namespace

double ContrastRatio(int rgb1, int rgb2)
{
    const double a = RelativeLuminance(rgb1);
    const double b = RelativeLuminance(rgb2);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

int BetterContrast(int background, int first, int second)
{
    return ContrastRatio(background, first) >= ContrastRatio(background, second) ? first : second;
}

int ContrastingTextColour(int background)
{
    return BetterContrast(background, 0x000000, 0xFFFFFF);
}
