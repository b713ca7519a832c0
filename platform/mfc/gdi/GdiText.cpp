#include "mfc/gdi/GdiText.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>
#include <map>
#include <string_view>

#include "mfc/base/Encoding.h"

namespace qelt::gdi {

namespace {

const char* const kChinese = "WenQuanYi Zen Hei";
const char* const kChineseMono = "WenQuanYi Zen Hei Mono";

struct FaceMapping {
    const char* face;  // GBK, as in a logical font
    const char* families;
};

// Faces compared without regard to ASCII case.
const FaceMapping kFaces[] = {
    {"宋体", kChinese}, {"新宋体", kChineseMono}, {"黑体", kChinese}, {"楷体", kChinese},
    {"楷体_GB2312", kChinese}, {"仿宋", kChinese}, {"仿宋_GB2312", kChinese}, {"隶书", kChinese},
    {"幼圆", kChinese}, {"微软雅黑", kChinese}, {"SimSun", kChinese}, {"NSimSun", kChineseMono},
    {"SimHei", kChinese}, {"KaiTi", kChinese}, {"FangSong", kChinese}, {"Microsoft YaHei", kChinese},
    {"Arial", "Liberation Sans, WenQuanYi Zen Hei"},
    {"Arial Unicode MS", "Liberation Sans, WenQuanYi Zen Hei"},
    {"Helvetica", "Liberation Sans, WenQuanYi Zen Hei"},
    {"MS Sans Serif", "Liberation Sans, WenQuanYi Zen Hei"},
    {"Microsoft Sans Serif", "Liberation Sans, WenQuanYi Zen Hei"},
    {"Tahoma", "Liberation Sans, WenQuanYi Zen Hei"},
    {"Verdana", "Liberation Sans, WenQuanYi Zen Hei"},
    {"Segoe UI", "Liberation Sans, WenQuanYi Zen Hei"},
    {"Times New Roman", "Liberation Serif, WenQuanYi Zen Hei"},
    {"Times", "Liberation Serif, WenQuanYi Zen Hei"},
    {"MS Serif", "Liberation Serif, WenQuanYi Zen Hei"},
    {"Courier New", "Liberation Mono, WenQuanYi Zen Hei Mono"},
    {"Courier", "Liberation Mono, WenQuanYi Zen Hei Mono"},
    {"Consolas", "Liberation Mono, WenQuanYi Zen Hei Mono"},
};

std::string FamiliesFor(const LOGFONTA& lf) {
    const std::string_view face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    for (const FaceMapping& m : kFaces)
        if (face.size() == std::strlen(m.face) && strncasecmp(face.data(), m.face, face.size()) == 0)
            return m.families;
    const bool fixed = (lf.lfPitchAndFamily & 0x3) == FIXED_PITCH || (lf.lfPitchAndFamily & 0xF0) == FF_MODERN;
    if (lf.lfCharSet == ANSI_CHARSET || lf.lfCharSet == OEM_CHARSET || lf.lfCharSet == SYMBOL_CHARSET) {
        if (fixed) return "Liberation Mono, WenQuanYi Zen Hei Mono";
        if ((lf.lfPitchAndFamily & 0xF0) == FF_ROMAN) return "Liberation Serif, WenQuanYi Zen Hei";
        return "Liberation Sans, WenQuanYi Zen Hei";
    }
    return fixed ? kChineseMono : kChinese;  // the system's own character set is Chinese
}

const cairo_font_options_t* FontOptions() {
    // Unhinted metrics keep measured widths linear in the size and equal on every surface.
    static cairo_font_options_t* options = [] {
        cairo_font_options_t* o = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
        return o;
    }();
    return options;
}

void Prepare(PangoContext* context) {
    pango_cairo_context_set_font_options(context, FontOptions());
    pango_context_set_round_glyph_positions(context, FALSE);
}

PangoContext* MeasuringContext() {
    static PangoContext* context = [] {
        PangoContext* c = pango_font_map_create_context(pango_cairo_font_map_get_default());
        Prepare(c);
        return c;
    }();
    return context;
}

// Per family list, metrics of a font whose em is one pixel.
struct UnitMetrics {
    double ascent, descent, aveCharWidth, maxCharWidth;
};
std::map<std::string, UnitMetrics>& MetricsCache() {
    static auto* cache = new std::map<std::string, UnitMetrics>();
    return *cache;
}

PangoFontDescription* Describe(const FontSpec& font) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, font.families.c_str());
    pango_font_description_set_absolute_size(d, font.emPixels * PANGO_SCALE);
    pango_font_description_set_weight(d, static_cast<PangoWeight>(font.weight));
    pango_font_description_set_style(d, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return d;
}

PangoLayout* MakeLayout(PangoContext* context, const FontSpec& font, const std::string& utf8,
                        const std::vector<std::pair<int, int>>& underlined = {}) {
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* d = Describe(font);
    pango_layout_set_font_description(layout, d);
    pango_font_description_free(d);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    PangoAttrList* attrs = pango_attr_list_new();
    if (font.underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (font.strikeOut) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    for (const auto& range : underlined) {
        PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        a->start_index = range.first, a->end_index = range.second;
        pango_attr_list_insert(attrs, a);
    }
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
    return layout;
}

const UnitMetrics& Unit(const std::string& families) {
    auto it = MetricsCache().find(families);
    if (it != MetricsCache().end()) return it->second;
    FontSpec probe;
    probe.families = families;
    probe.emPixels = 1000;
    PangoFontDescription* d = Describe(probe);
    PangoFontMetrics* m = pango_context_get_metrics(MeasuringContext(), d, nullptr);
    UnitMetrics unit{};
    unit.ascent = pango_font_metrics_get_ascent(m) / double(PANGO_SCALE) / 1000;
    unit.descent = pango_font_metrics_get_descent(m) / double(PANGO_SCALE) / 1000;
    unit.aveCharWidth = pango_font_metrics_get_approximate_char_width(m) / double(PANGO_SCALE) / 1000;
    pango_font_metrics_unref(m);
    pango_font_description_free(d);
    // The widest of a few wide characters stands for the widest character.
    PangoLayout* layout = MakeLayout(MeasuringContext(), probe, u8"W\u6C49M");
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        PangoRectangle r;
        pango_layout_iter_get_char_extents(iter, &r);
        unit.maxCharWidth = std::max(unit.maxCharWidth, r.width / double(PANGO_SCALE) / 1000);
    } while (pango_layout_iter_next_char(iter));
    pango_layout_iter_free(iter);
    g_object_unref(layout);
    return MetricsCache().emplace(families, unit).first->second;
}

}  // namespace

FontSpec ResolveFont(const LOGFONTA& lf, double scaleX, double scaleY) {
    FontSpec font;
    font.families = FamiliesFor(lf);
    const UnitMetrics& unit = Unit(font.families);
    scaleX = std::fabs(scaleX), scaleY = std::fabs(scaleY);
    if (lf.lfHeight < 0) font.emPixels = -lf.lfHeight * scaleY;
    else if (lf.lfHeight > 0) font.emPixels = lf.lfHeight * scaleY / (unit.ascent + unit.descent);
    else font.emPixels = 16 / (unit.ascent + unit.descent);  // the platform's default cell of 16 pixels
    font.emPixels = std::clamp(font.emPixels, 1.0, 2048.0);  // no glyph larger than a big screen
    font.weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min<long>(std::max<long>(lf.lfWeight, 100), 900);
    font.italic = lf.lfItalic != 0;
    font.underline = lf.lfUnderline != 0;
    font.strikeOut = lf.lfStrikeOut != 0;
    if (lf.lfWidth != 0 && unit.aveCharWidth > 0)
        font.xScale = std::fabs(lf.lfWidth) * scaleX / (unit.aveCharWidth * font.emPixels);
    return font;
}

FontMetricsPx MeasureFont(const FontSpec& font) {
    const UnitMetrics& unit = Unit(font.families);
    return FontMetricsPx{unit.ascent * font.emPixels, unit.descent * font.emPixels,
                         unit.aveCharWidth * font.emPixels * font.xScale,
                         unit.maxCharWidth * font.emPixels * font.xScale};
}

double MeasureWidth(const FontSpec& font, const std::string& utf8) {
    if (utf8.empty()) return 0;
    PangoLayout* layout = MakeLayout(MeasuringContext(), font, utf8);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return logical.width / double(PANGO_SCALE) * font.xScale;
}

std::vector<double> MeasureAdvances(const FontSpec& font, const std::string& utf8) {
    std::vector<double> advances;
    if (utf8.empty()) return {0};
    PangoLayout* layout = MakeLayout(MeasuringContext(), font, utf8);
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        PangoRectangle r;
        pango_layout_iter_get_char_extents(iter, &r);
        if (pango_layout_iter_get_index(iter) < static_cast<int>(utf8.size()))
            advances.push_back(r.x / double(PANGO_SCALE) * font.xScale);
    } while (pango_layout_iter_next_char(iter));
    pango_layout_iter_free(iter);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    advances.push_back(logical.width / double(PANGO_SCALE) * font.xScale);
    g_object_unref(layout);
    return advances;
}

void DrawTextRecord(cairo_t* cr, const TextRecord& text) {
    cairo_save(cr);
    cairo_translate(cr, text.x, text.y);
    cairo_rotate(cr, -text.angle);
    if (text.opaque) {
        cairo_rectangle(cr, 0, 0, text.width, text.height);
        cairo_set_source_rgb(cr, GetRValue(text.background) / 255.0, GetGValue(text.background) / 255.0,
                             GetBValue(text.background) / 255.0);
        cairo_fill(cr);
    }
    if (!text.utf8.empty()) {
            cairo_scale(cr, text.font.xScale, 1);
        cairo_set_source_rgb(cr, GetRValue(text.color) / 255.0, GetGValue(text.color) / 255.0,
                             GetBValue(text.color) / 255.0);
        PangoContext* context = pango_cairo_create_context(cr);
        Prepare(context);
        PangoLayout* layout = MakeLayout(context, text.font, text.utf8, text.underlined);
        cairo_move_to(cr, 0, text.ascent);
        pango_cairo_show_layout_line(cr, pango_layout_get_line_readonly(layout, 0));
        g_object_unref(layout);
        g_object_unref(context);
    }
    cairo_restore(cr);
}

std::string TextToUtf8(const char* gbk, int length) {
    if (!gbk || length <= 0) return std::string();
    return text::GbkToUtf8ForDisplay(std::string_view(gbk, static_cast<size_t>(length)));
}

}  // namespace qelt::gdi
