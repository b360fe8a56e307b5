#include "platform/graphics.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSysInfo>
#include <algorithm>
#include <png.h>

#include "platform/platform_state.h"

int CreateFont(const QString& face, int points, unsigned style)
{
    QFont font(face, points > 0 ? points : -1);
    font.setBold(style & FontBold);
    font.setItalic(style & FontItalic);
    font.setStyleStrategy(QFont::PreferAntialias);
    Platform().fonts.push_back(font);
    return int(Platform().fonts.size()) - 1;
}

QFont PlatformFont(int font)
{
    const auto& fonts = Platform().fonts;
    return font >= 0 && font < int(fonts.size()) ? fonts[font] : QFont();
}

QString FontFamily(int font)
{
    return QFontInfo(PlatformFont(font)).family();
}

int LabelTextHeight(int font, const QString& text, int width)
{
    const QFont drawn = font < 0 ? QApplication::font("QLabel") : PlatformFont(font);
    constexpr int Unbounded = 1 << 20;  // [px]
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    return QFontMetrics(drawn).boundingRect(QRect(0, 0, std::max(1, width), Unbounded), flags, text).height();
}

void RegisterImage(int image, const QImage& picture)
{
    Platform().images[image] = picture;
}

QImage GetImage(int image)
{
    const auto& images = Platform().images;
    auto found = images.find(image);
    return found == images.end() ? QImage() : found->second;
}

bool DecodePng(const unsigned char* data, size_t size, QImage& picture)
{
    if (!data || size == 0)
        return false;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data, size)) {
        png_image_free(&png);
        return false;
    }
    // QImage::Format_ARGB32 holds each pixel as one native 32-bit word 0xAARRGGBB.
    png.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage decoded(int(png.width), int(png.height), QImage::Format_ARGB32);
    if (decoded.isNull()) {
        png_image_free(&png);
        return false;
    }
    if (!png_image_finish_read(&png, nullptr, decoded.bits(), decoded.bytesPerLine(), nullptr)) {
        png_image_free(&png);
        return false;
    }
    picture = decoded;
    return true;
}
