// Paints recorded drawing operations with cairo. Into pixels (a bitmap, a PNG) every raster
// operation is applied exactly, bit by bit; into a vector picture (SVG) the raster operations that
// have a blend mode of the same effect on black and white use it (SRCAND multiplies, SRCPAINT
// screens, SRCINVERT and the XOR pens take the difference) and the others copy.
// Shapes are drawn without anti-aliasing, as GDI draws them; text is anti-aliased.
#pragma once

#include <cairo.h>

#include "mfc/GdiRecording.h"

namespace qelt::gdi {

// Into an RGB24 or ARGB32 image surface.
void PaintOnPixels(cairo_surface_t* image, const Record& record);
// Into any cairo context (a vector surface, typically).
void PaintOnVector(cairo_t* cr, const Record& record);

}  // namespace qelt::gdi
