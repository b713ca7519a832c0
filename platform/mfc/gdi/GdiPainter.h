// Paints recorded drawing operations with cairo. Into pixels (a bitmap, a PNG) every raster
// operation is applied exactly, bit by bit. Into a vector picture (SVG) only what does not read the
// destination can be drawn; the rest is the caller's to paint as pixels (see DrawsOnVector).
// Shapes are drawn without anti-aliasing, as GDI draws them; text is anti-aliased.
#pragma once

#include <cairo.h>

#include "mfc/gdi/GdiRecording.h"

namespace qelt::gdi {

// Into an RGB24 or ARGB32 image surface.
void PaintOnPixels(cairo_surface_t* image, const Record& record);
// Whether a record's result is independent of what lies under it, so that PaintOnVector draws it.
bool DrawsOnVector(const Record& record);
// Into any cairo context (a vector surface, typically); only records for which DrawsOnVector holds.
void PaintOnVector(cairo_t* cr, const Record& record);

}  // namespace qelt::gdi
