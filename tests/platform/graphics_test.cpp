#include <QBuffer>
#include <QFontInfo>
#include <QImage>

#include "platform/graphics.h"
#include "platform_fixture.h"

static QByteArray EncodePng(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

static bool Decode(const QByteArray& bytes, QImage& picture)
{
    return DecodePng(reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()), picture);
}

TEST(GraphicsTest, DecodesPngIntoStraightAlphaArgb)
{
    QImage source(3, 2, QImage::Format_ARGB32);
    const QRgb pixels[2][3] = {
        {qRgba(255, 0, 0, 255), qRgba(0, 255, 0, 128), qRgba(0, 0, 255, 0)},
        {qRgba(10, 20, 30, 40), qRgba(1, 1, 1, 255), qRgba(200, 100, 50, 254)},
    };
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, pixels[y][x]);
    QImage decoded;
    ASSERT_TRUE(Decode(EncodePng(source), decoded));
    EXPECT_EQ(decoded.format(), QImage::Format_ARGB32);
    ASSERT_EQ(decoded.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            if (qAlpha(pixels[y][x]) == 0)
                EXPECT_EQ(qAlpha(decoded.pixel(x, y)), 0);
            else
                EXPECT_EQ(decoded.pixel(x, y), pixels[y][x]) << x << "," << y;
        }
}

TEST(GraphicsTest, DecodesOpaqueAndGreyPngToo)
{
    QImage grey(4, 1, QImage::Format_Grayscale8);
    for (int x = 0; x < 4; ++x)
        grey.bits()[x] = uchar(x * 80);
    QImage decoded;
    ASSERT_TRUE(Decode(EncodePng(grey), decoded));
    EXPECT_EQ(decoded.pixel(3, 0), qRgba(240, 240, 240, 255));
}

TEST(GraphicsTest, CorruptPngDataIsRefusedAndLeavesThePictureAlone)
{
    QImage source(8, 8, QImage::Format_ARGB32);
    source.fill(Qt::red);
    const QByteArray good = EncodePng(source);
    // One byte changed in the image data, and one in the header.
    QByteArray damagedData = good, damagedHeader = good;
    const qsizetype data = good.indexOf("IDAT") + 6;
    damagedData[data] = char(damagedData[data] ^ 0x5A);
    damagedHeader[18] = char(0x7F);  // width
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("not a png at all"),
        good.left(8),                // the signature only
        good.left(good.size() / 2),  // cut in the middle of the data
        damagedData,
        damagedHeader,
        QByteArray(1000, '\xFF'),
    };
    for (const QByteArray& bytes : cases) {
        QImage picture(1, 1, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        EXPECT_FALSE(Decode(bytes, picture)) << bytes.size();
        EXPECT_EQ(picture.size(), QSize(1, 1));
    }
    QImage picture;
    EXPECT_FALSE(DecodePng(nullptr, 10, picture));
}

TEST(GraphicsTest, CalibriResolvesToItsMetricCompatibleFamily)
{
    const int regular = CreateFont(QStringLiteral("Calibri"), 8, FontRegular);
    const int boldItalic = CreateFont(QStringLiteral("Calibri"), 25, FontBold | FontItalic);
    EXPECT_NE(regular, boldItalic);
    EXPECT_EQ(FontFamily(regular), QStringLiteral("Carlito"));
    EXPECT_EQ(FontFamily(boldItalic), QStringLiteral("Carlito"));
    EXPECT_FALSE(FontFamily(-1).isEmpty());  // the system font
    EXPECT_EQ(FontFamily(-1), FontFamily(9999));
}

TEST(GraphicsTest, ImagesAreKeptByNumber)
{
    QImage dot(12, 12, QImage::Format_ARGB32);
    dot.fill(QColor(255, 0, 255));
    RegisterImage(4, dot);
    EXPECT_EQ(GetImage(4), dot);
    EXPECT_TRUE(GetImage(2).isNull());
    RegisterImage(4, QImage());
    EXPECT_TRUE(GetImage(4).isNull());
}
