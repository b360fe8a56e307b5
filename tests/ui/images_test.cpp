#include <QColor>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "ui/embedded_images.h"
#include "ui/flood_fill.h"
#include "ui/images.h"

namespace {

const QRgb Black = qRgb(1, 1, 1);
const QRgb Green = qRgb(51, 204, 0);
const QRgb Grey = qRgb(90, 90, 90);

double Distance(int x, int y)  // from the pipe's centre (30, 30) [px]
{
    return std::hypot(x - 30.0, y - 30.0);
}

// Counts the pixels of the region that break the rule.
template <typename Region, typename Rule>
int Breaches(const QImage& image, Region inRegion, Rule rule)
{
    int breaches = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inRegion(x, y) && !rule(image.pixel(x, y)))
                ++breaches;
    return breaches;
}

}  // namespace

TEST(FillImages, WaterBelowTheLevelWallBetweenTheCirclesNothingOutside)
{
    const struct {
        int image;
        int level;  // y of the level line [px]
    } cases[] = {{ImageFillHalf, 30}, {ImageFillSevenTenths, 21}};
    for (const auto& c : cases) {
        const QImage image = DrawFillImage(c.image);
        SCOPED_TRACE(c.image);
        ASSERT_EQ(image.size(), QSize(60, 60));
        ASSERT_TRUE(image.hasAlphaChannel());
        const int level = c.level;
        auto transparent = [](QRgb p) { return qAlpha(p) == 0; };
        auto isGreen = [](QRgb p) { return p == Green; };
        auto water = [](QRgb p) { return p == Green || p == Black; };

        // Below the level, away from the depth arrow: water.
        EXPECT_EQ(Breaches(
                      image, [&](int x, int y) { return Distance(x, y) < 21 && y > level + 1 && std::abs(x - 30) > 4; },
                      isGreen),
                  0);
        // The arrow is drawn over the water, nothing else is.
        EXPECT_EQ(Breaches(
                      image, [&](int x, int y) { return Distance(x, y) < 21 && y > level; }, water),
                  0);
        // Above the level inside the pipe: empty, the water did not leak.
        EXPECT_EQ(Breaches(
                      image, [&](int x, int y) { return Distance(x, y) < 21 && y < level; }, transparent),
                  0);
        // The wall between the circles is grey all round.
        EXPECT_EQ(Breaches(
                      image, [](int x, int y) { return Distance(x, y) > 22.8 && Distance(x, y) < 24.2; },
                      [](QRgb p) { return p == Grey; }),
                  0);
        // Outside the pipe: transparent.
        EXPECT_EQ(Breaches(
                      image, [](int x, int y) { return Distance(x, y) > 26; }, transparent),
                  0);
        // The circles and the level line are black.
        EXPECT_EQ(image.pixel(30, 5), Black);
        EXPECT_EQ(image.pixel(30, 8), Black);
        EXPECT_EQ(image.pixel(20, level), Black);
    }
}

TEST(FillImages, BothAreRegistered)
{
    DrawFillImages();
    EXPECT_EQ(GetImage(ImageFillHalf), DrawFillImage(ImageFillHalf));
    EXPECT_EQ(GetImage(ImageFillSevenTenths), DrawFillImage(ImageFillSevenTenths));
    EXPECT_NE(GetImage(ImageFillHalf), GetImage(ImageFillSevenTenths));
}

TEST(FloodFill, ReplacesOnlyTheFourConnectedRegionOfTheSeedColour)
{
    // A diagonal wall stops a 4-connected fill; the other colour is left alone.
    const char* rows[] = {
        "..#.",
        ".#..",
        "#..r",
        "..r.",
    };
    QImage image(4, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, rows[y][x] == '#' ? Black : rows[y][x] == 'r' ? qRgb(255, 0, 0) : 0u);
    FloodFill(image, {0, 0}, Green);
    const char* expected[] = {
        "gg#.",
        "g#..",
        "#..r",
        "..r.",
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const char e = expected[y][x];
            const QRgb want = e == 'g' ? Green : e == '#' ? Black : e == 'r' ? qRgb(255, 0, 0) : 0u;
            EXPECT_EQ(image.pixel(x, y), want) << x << "," << y;
        }
    FloodFill(image, {-1, 2}, Grey);  // outside the image: nothing happens
    EXPECT_EQ(image.pixel(3, 3), 0u);
}

TEST(CarriedImages, DotsAreTwelvePixelRoundDotsOfTheirColour)
{
    ASSERT_TRUE(DecodeCarriedImages());
    const struct {
        int image;
        const char* name;
        int hue;  // [degrees]
    } cases[] = {{ImageDotBlue, "dot_blue", 220}, {ImageDotMagenta, "dot_magenta", 305}, {ImageDotRed, "dot_red", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const EmbeddedImage* embedded = FindEmbeddedImage(c.name);
        ASSERT_NE(embedded, nullptr);
        QImage decoded;
        ASSERT_TRUE(DecodePng(embedded->data, embedded->size, decoded));
        EXPECT_EQ(decoded, GetImage(c.image).convertToFormat(decoded.format()));
        ASSERT_EQ(decoded.size(), QSize(12, 12));
        for (QPoint corner : {QPoint(0, 0), QPoint(11, 0), QPoint(0, 11), QPoint(11, 11)})
            EXPECT_EQ(qAlpha(decoded.pixel(corner)), 0);
        const QColor centre = QColor::fromRgba(decoded.pixel(6, 6));
        EXPECT_EQ(centre.alpha(), 255);
        const int off = std::abs(centre.hsvHue() - c.hue);
        EXPECT_LE(std::min(off, 360 - off), 15) << centre.hsvHue();
        EXPECT_GT(centre.hsvSaturation(), 150);
    }
}

TEST(CarriedImages, LogoIsSixtyFourPixelsWithTransparency)
{
    ASSERT_TRUE(DecodeCarriedImages());
    const QImage logo = GetImage(ImageLogo);
    ASSERT_EQ(logo.size(), QSize(64, 64));
    EXPECT_EQ(qAlpha(logo.pixel(63, 0)), 0);
    EXPECT_EQ(qAlpha(logo.pixel(20, 20)), 255);
    EXPECT_EQ(FindEmbeddedImage("missing"), nullptr);
}
