// Bitmaps from image files: PNG (decoded by cairo; transparency is laid over white) and BMP
// (uncompressed, 1, 4, 8, 24 or 32 bits a pixel, bottom-up or top-down), as a resource
// script's BITMAP embeds them.
#pragma once

#include <cstddef>
#include <string>

#include "win/Windows.h"

namespace qelt::gdi {

// A new 32-bit bitmap of the image; null, with the reason in error, for data that is not a
// supported image.
HBITMAP CreateBitmapFromImage(const void* data, size_t size, std::string* error);

}  // namespace qelt::gdi
