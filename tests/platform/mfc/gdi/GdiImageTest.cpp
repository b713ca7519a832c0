#include <gtest/gtest.h>

#include <cairo.h>

#include <string>
#include <vector>

#include "GdiCanvas.h"
#include "mfc/gdi/GdiImage.h"

namespace {

using Bytes = std::vector<unsigned char>;

void Put(Bytes& b, size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) b[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// A BMP file: header, palette, then rows padded to four bytes as given.
Bytes Bmp(int width, int height, int bits, const std::vector<std::uint32_t>& palette, const Bytes& rows) {
    const size_t offset = 14 + 40 + palette.size() * 4;
    Bytes b(offset);
    b[0] = 'B', b[1] = 'M';
    Put(b, 2, static_cast<std::uint32_t>(offset + rows.size()), 4);
    Put(b, 10, static_cast<std::uint32_t>(offset), 4);
    Put(b, 14, 40, 4);
    Put(b, 18, static_cast<std::uint32_t>(width), 4);
    Put(b, 22, static_cast<std::uint32_t>(height), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<std::uint32_t>(bits), 2);
    Put(b, 46, static_cast<std::uint32_t>(palette.size()), 4);
    for (size_t i = 0; i < palette.size(); ++i) Put(b, 54 + 4 * i, palette[i], 4);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

// The colours of a decoded image, row by row.
std::vector<COLORREF> Colours(HBITMAP bitmap) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BITMAP info{};
    GetObject(bitmap, sizeof(info), &info);
    std::vector<COLORREF> out;
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x) out.push_back(dc.GetPixel(x, y));
    SelectObject(dc, old);
    return out;
}

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

TEST(GdiImage, BmpFormats) {
    struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        // 2 x 2, bottom-up: the first row in the file is the bottom row.
        {"24 bits", Bmp(2, 2, 24, {}, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0})},
        {"32 bits top-down", Bmp(2, -2, 32, {}, {255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0})},
        {"8-bit palette", Bmp(2, 2, 8, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}, {0, 1, 0, 0, 2, 3, 0, 0})},
        {"4-bit palette", Bmp(2, 2, 4, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}, {0x01, 0, 0, 0, 0x23, 0, 0, 0})},
        {"1-bit palette", Bmp(2, 2, 1, {0x0000FF, 0xFFFFFF}, {0x40, 0, 0, 0, 0x80, 0, 0, 0})},
    };
    const std::vector<COLORREF> expected[] = {
        {kBlue, kWhite, kRed, kGreen}, {kBlue, kWhite, kRed, kGreen}, {kRed, kWhite, kBlue, kGreen},
        {kRed, kWhite, kBlue, kGreen}, {kWhite, kBlue, kBlue, kWhite}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::string error;
        HBITMAP bitmap = qelt::gdi::CreateBitmapFromImage(cases[i].file.data(), cases[i].file.size(), &error);
        ASSERT_NE(bitmap, nullptr) << cases[i].name << ": " << error;
        EXPECT_EQ(Colours(bitmap), expected[i]) << cases[i].name;
        BITMAP info{};
        GetObject(bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmBitsPixel, 32) << cases[i].name;
        DeleteObject(bitmap);
    }
}

TEST(GdiImage, PngWithTransparencyOverWhite) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 1);
    auto* row = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(image));
    row[0] = 0xFF00FF00;  // opaque green
    row[1] = 0x00000000;  // transparent
    cairo_surface_mark_dirty(image);
    std::string png;
    cairo_surface_write_to_png_stream(
        image,
        [](void* closure, const unsigned char* data, unsigned int length) {
            static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
            return CAIRO_STATUS_SUCCESS;
        },
        &png);
    cairo_surface_destroy(image);
    std::string error;
    HBITMAP bitmap = qelt::gdi::CreateBitmapFromImage(png.data(), png.size(), &error);
    ASSERT_NE(bitmap, nullptr) << error;
    EXPECT_EQ(Colours(bitmap), (std::vector<COLORREF>{kGreen, kWhite}));
    DeleteObject(bitmap);

    png.resize(png.size() / 2);  // cut short
    EXPECT_EQ(qelt::gdi::CreateBitmapFromImage(png.data(), png.size(), &error), nullptr);
    EXPECT_EQ(error, "the PNG image cannot be read");
}

TEST(GdiImage, DamagedOrUnsupportedFiles) {
    Bytes truncated = Bmp(2, 2, 24, {}, {0, 0, 255, 0, 255, 0});
    Bytes sixteen = Bmp(2, 2, 16, {}, Bytes(8));
    Bytes huge = Bmp(100000, 2, 24, {}, Bytes(8));
    const char garbage[] = "not an image";
    struct Case {
        const void* data;
        size_t size;
        const char* error;
    } cases[] = {
        {truncated.data(), truncated.size(), "the BMP pixels are cut short"},
        {sixteen.data(), sixteen.size(), "BMP images of 16 bits a pixel are not supported"},
        {huge.data(), huge.size(), "the BMP image has a size of 100000 x 2"},
        {truncated.data(), 20, "the BMP file is too short"},
        {garbage, sizeof(garbage), "the image is neither PNG nor BMP"},
        {nullptr, 0, "the image is neither PNG nor BMP"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(qelt::gdi::CreateBitmapFromImage(c.data, c.size, &error), nullptr) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
