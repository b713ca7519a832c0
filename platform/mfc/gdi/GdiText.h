// The text engine: logical fonts mapped onto the installed fonts, measured and drawn with one
// engine (pango over cairo), so that measured extents are the extents drawn.
//   Chinese faces ("宋体", "黑体", …) and unknown faces of the Chinese character set: WenQuanYi Zen Hei.
//   "Arial" and other sans faces: Liberation Sans; "Times New Roman": Liberation Serif;
//   "Courier New": Liberation Mono; each falls back on WenQuanYi Zen Hei for Chinese characters.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "mfc/gdi/GdiRecording.h"
#include "win/WinGdi.h"

namespace qelt::gdi {

// The font of a logical font drawn at scaleX, scaleY device pixels per logical unit.
FontSpec ResolveFont(const LOGFONTA& logFont, double scaleX, double scaleY);

struct FontMetricsPx {
    double ascent;        // device pixels, above the baseline
    double descent;
    double aveCharWidth;
    double maxCharWidth;
};
FontMetricsPx MeasureFont(const FontSpec& font);

// Advance width of a single line of text in device pixels.
double MeasureWidth(const FontSpec& font, const std::string& utf8);
// The advance from the start of a single line of text to the start of each of its characters (code
// points), then to its end, in device pixels: one measurement of the whole line.
std::vector<double> MeasureAdvances(const FontSpec& font, const std::string& utf8);

// Draws a text record (its opaque background included) with the context's clip and operator.
void DrawTextRecord(cairo_t* cr, const TextRecord& text);

// The system's GBK text as UTF-8 for the text engine (bytes that are not GBK show as "\xNN").
std::string TextToUtf8(const char* gbk, int length);

}  // namespace qelt::gdi
