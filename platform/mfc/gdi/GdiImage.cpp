#include "mfc/gdi/GdiImage.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "mfc/gdi/GdiObjectTable.h"

namespace qelt::gdi {

namespace {

HBITMAP Fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return nullptr;
}

HBITMAP Store(Pixels pixels) {
    auto data = std::make_shared<BitmapData>(pixels.width, pixels.height, 32);
    cairo_surface_flush(data->surface);
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(data->Row(y), &pixels.data[static_cast<size_t>(y) * pixels.width], pixels.width * 4);
    cairo_surface_mark_dirty(data->surface);
    ImageRecord image;
    image.width = pixels.width, image.height = pixels.height;
    image.source = std::make_shared<const Pixels>(std::move(pixels));
    data->recording->records.push_back(Record{std::move(image), nullptr});
    return static_cast<HBITMAP>(AddObject(std::move(data)));
}

HBITMAP DecodePng(const unsigned char* bytes, size_t size, std::string* error) {
    struct Reader {
        const unsigned char* bytes;
        size_t size, at;
    } reader{bytes, size, 0};
    cairo_surface_t* image = cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* out, unsigned int length) {
            auto* r = static_cast<Reader*>(closure);
            if (length > r->size - r->at) return CAIRO_STATUS_READ_ERROR;
            std::memcpy(out, r->bytes + r->at, length);
            r->at += length;
            return CAIRO_STATUS_SUCCESS;
        },
        &reader);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return Fail(error, "the PNG image cannot be read");
    }
    Pixels pixels;
    pixels.width = cairo_image_surface_get_width(image), pixels.height = cairo_image_surface_get_height(image);
    pixels.data.resize(static_cast<size_t>(pixels.width) * pixels.height);
    const bool alpha = cairo_image_surface_get_format(image) == CAIRO_FORMAT_ARGB32;
    for (int y = 0; y < pixels.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image) +
                                                                 y * cairo_image_surface_get_stride(image));
        for (int x = 0; x < pixels.width; ++x) {
            std::uint32_t p = row[x];
            if (alpha) {
                // Premultiplied colour over white.
                const std::uint32_t a = p >> 24, rest = 255 - a;
                p = (std::min(255u, ((p >> 16) & 0xFF) + rest) << 16) | (std::min(255u, ((p >> 8) & 0xFF) + rest) << 8) |
                    std::min(255u, (p & 0xFF) + rest);
            }
            pixels.data[static_cast<size_t>(y) * pixels.width + x] = p & 0xFFFFFF;
        }
    }
    cairo_surface_destroy(image);
    return Store(std::move(pixels));
}

std::uint32_t Le(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

HBITMAP DecodeBmp(const unsigned char* bytes, size_t size, std::string* error) {
    if (size < 14 + 40) return Fail(error, "the BMP file is too short");
    const std::uint32_t offset = Le(bytes + 10, 4), headerSize = Le(bytes + 14, 4);
    if (headerSize < 40 || 14 + static_cast<size_t>(headerSize) > size) return Fail(error, "the BMP header is damaged");
    const auto width = static_cast<std::int32_t>(Le(bytes + 18, 4));
    const auto height = static_cast<std::int32_t>(Le(bytes + 22, 4));
    const int bitCount = static_cast<int>(Le(bytes + 28, 2));
    const std::uint32_t compression = Le(bytes + 30, 4);
    std::uint32_t colours = Le(bytes + 46, 4);
    const bool topDown = height < 0;
    const std::int64_t rows = topDown ? -static_cast<std::int64_t>(height) : height;
    if (width <= 0 || rows <= 0 || width > 16384 || rows > 16384)
        return Fail(error, "the BMP image has a size of " + std::to_string(width) + " x " + std::to_string(rows));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return Fail(error, "BMP images of " + std::to_string(bitCount) + " bits a pixel are not supported");
    if (compression != 0 && !(compression == 3 && bitCount == 32))
        return Fail(error, "compressed BMP images are not supported");
    std::vector<std::uint32_t> palette;
    if (bitCount <= 8) {
        if (colours == 0 || colours > (1u << bitCount)) colours = 1u << bitCount;
        const size_t at = 14 + headerSize;
        if (at + colours * 4 > size) return Fail(error, "the BMP palette is cut short");
        for (std::uint32_t i = 0; i < colours; ++i) palette.push_back(Le(bytes + at + 4 * i, 3));  // B, G, R
    }
    const size_t stride = (static_cast<size_t>(width) * bitCount + 31) / 32 * 4;
    if (offset > size || stride * rows > size - offset) return Fail(error, "the BMP pixels are cut short");
    Pixels pixels;
    pixels.width = width, pixels.height = static_cast<int>(rows);
    pixels.data.resize(static_cast<size_t>(width) * rows);
    for (std::int64_t y = 0; y < rows; ++y) {
        const unsigned char* row = bytes + offset + stride * (topDown ? y : rows - 1 - y);
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint32_t p = 0;
            if (bitCount >= 24) {
                p = Le(row + x * (bitCount / 8), 3);
            } else {
                const int bit = x * bitCount;
                const int index = (row[bit / 8] >> (8 - bitCount - bit % 8)) & ((1 << bitCount) - 1);
                p = index < static_cast<int>(palette.size()) ? palette[index] : 0;
            }
            pixels.data[static_cast<size_t>(y) * width + x] = p & 0xFFFFFF;
        }
    }
    return Store(std::move(pixels));
}

}  // namespace

HBITMAP CreateBitmapFromImage(const void* data, size_t size, std::string* error) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    static const unsigned char kPng[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes && size >= sizeof(kPng) && std::memcmp(bytes, kPng, sizeof(kPng)) == 0) return DecodePng(bytes, size, error);
    if (bytes && size >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes, size, error);
    return Fail(error, "the image is neither PNG nor BMP");
}

}  // namespace qelt::gdi
