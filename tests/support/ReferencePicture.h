// Comparing a picture with a reference picture made once and looked at. Text is set by the font
// rasteriser, whose versions differ by a few pixels at glyph edges: a pixel counts as different
// when a channel differs by more than kChannelTolerance, and a picture matches when no more than
// kDifferentShare of its pixels do. A picture that does not match is written beside the test's
// temporary files for a look; QELT_WRITE_PICTURES=1 writes the reference afresh (to be looked at
// before it is committed).
#pragma once

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace qelt::test {

constexpr int kChannelTolerance = 64;
constexpr double kDifferentShare = 0.002;

namespace picture_detail {

struct Reader {
    const std::string* bytes;
    size_t at = 0;
};

inline cairo_status_t Read(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<Reader*>(closure);
    if (reader->at + length > reader->bytes->size()) return CAIRO_STATUS_READ_ERROR;
    reader->bytes->copy(reinterpret_cast<char*>(data), length, reader->at);
    reader->at += length;
    return CAIRO_STATUS_SUCCESS;
}

inline cairo_surface_t* Decode(const std::string& png) {
    Reader reader{&png};
    cairo_surface_t* image = cairo_image_surface_create_from_png_stream(Read, &reader);
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) return image;
    cairo_surface_destroy(image);
    return nullptr;
}

inline std::uint32_t Pixel(cairo_surface_t* image, int x, int y) {
    const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFF;
}

inline bool Near(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > kChannelTolerance || -d > kChannelTolerance) return false;
    }
    return true;
}

inline void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace picture_detail

inline ::testing::AssertionResult MatchesReferencePicture(const std::string& png, const std::string& referencePath) {
    using namespace picture_detail;
    const char* rewrite = std::getenv("QELT_WRITE_PICTURES");
    if (rewrite && std::string(rewrite) == "1") Write(referencePath, png);
    std::ifstream file(referencePath, std::ios::binary);
    std::stringstream stored;
    stored << file.rdbuf();
    const std::string name = referencePath.substr(referencePath.find_last_of('/') + 1);
    const std::string actualPath = ::testing::TempDir() + "actual-" + name;
    cairo_surface_t* expected = Decode(stored.str());
    cairo_surface_t* actual = Decode(png);
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    if (!actual) {
        result = ::testing::AssertionFailure() << "the picture is not a PNG";
    } else if (!expected) {
        result = ::testing::AssertionFailure() << "no reference picture " << referencePath;
    } else if (cairo_image_surface_get_width(expected) != cairo_image_surface_get_width(actual) ||
               cairo_image_surface_get_height(expected) != cairo_image_surface_get_height(actual)) {
        result = ::testing::AssertionFailure() << "the picture is " << cairo_image_surface_get_width(actual) << " x "
                                               << cairo_image_surface_get_height(actual) << ", the reference "
                                               << cairo_image_surface_get_width(expected) << " x "
                                               << cairo_image_surface_get_height(expected);
    } else {
        const int width = cairo_image_surface_get_width(actual), height = cairo_image_surface_get_height(actual);
        int different = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) different += Near(Pixel(expected, x, y), Pixel(actual, x, y)) ? 0 : 1;
        if (different > kDifferentShare * width * height)
            result = ::testing::AssertionFailure() << different << " of " << width * height
                                                   << " pixels differ from " << referencePath;
    }
    if (!result) {
        Write(actualPath, png);
        result << " (the picture: " << actualPath << ")";
    }
    if (expected) cairo_surface_destroy(expected);
    if (actual) cairo_surface_destroy(actual);
    return result;
}

}  // namespace qelt::test
