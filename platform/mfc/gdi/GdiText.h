// The text engine: logical fonts mapped onto the installed fonts, measured and drawn with one
// engine (pango over cairo), so that measured extents are the extents drawn.
//   Chinese faces ("宋体", "黑体", …) and unknown faces of the Chinese character set: WenQuanYi Zen
//   Hei Mono, whose Latin letters are half as wide as its Chinese characters, as in 宋体. Its cell
//   is the extent of its glyphs (the tallest Chinese character to the deepest descender), and it
//   is drawn at the largest whole number of pixels that keeps that cell within the cell of the
//   face it stands for: one em, 12 pixels for 宋体 9 pt at 96 dpi, so an em of 11 pixels. Its
//   metrics are that cell's (12 pixels: an ascent of 10 and a descent of 2), its glyphs in the
//   middle. At the em itself its glyphs would overrun the cell by half a pixel on either side, and
//   its own line metrics (1.26 em) would make every line a quarter taller than the dialog
//   templates leave room for.
//   "微软雅黑" (a face as tall as its stand-in): WenQuanYi Zen Hei with its own metrics.
//   "Arial" and other sans faces: Liberation Sans; "Times New Roman": Liberation Serif;
//   "Courier New": Liberation Mono (each with the metrics of the face it stands for); each falls
//   back on WenQuanYi Zen Hei for Chinese characters. Every face falls back on DejaVu last.
// Fonts are found under the platform's own font configuration (FontConfiguration.h).
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
    double em;            // the em of the face stood for
};
FontMetricsPx MeasureFont(const FontSpec& font);
// Whether the face stands for a fixed-pitch one ("新宋体", "Courier New" …).
bool IsFixedPitch(const LOGFONTA& logFont);

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
