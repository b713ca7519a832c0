#include "mfc/gdi/GdiText.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <strings.h>
#include <map>
#include <string_view>

#include "mfc/base/Encoding.h"
#include "mfc/gdi/FontConfiguration.h"

namespace qelt::gdi {

namespace {

// Each list ends with the DejaVu face of its kind, for characters its other faces lack.
const char* const kChinese = "WenQuanYi Zen Hei Mono, DejaVu Sans";
const char* const kChineseProportional = "WenQuanYi Zen Hei, DejaVu Sans";
const char* const kSans = "Liberation Sans, WenQuanYi Zen Hei, DejaVu Sans";
const char* const kSerif = "Liberation Serif, WenQuanYi Zen Hei, DejaVu Serif";
const char* const kMono = "Liberation Mono, WenQuanYi Zen Hei Mono, DejaVu Sans Mono";

// The cell of 宋体 (and of the other Chinese faces of the platform) is one em: an ascent of 220
// and a descent of 36 of its 256 units.
constexpr double kSongTiCellEms = 1.0;
// What the stand-in for Chinese faces must show whole in its cell: the tallest Chinese characters
// and the deepest descenders of the Latin and Greek letters the system's texts use.
const char* const kCellProbe = u8"国通過挠度受gjpqyψρ()";

struct FaceMapping {
    const char* face;  // GBK, as in a logical font
    const char* families;
    bool fixedPitch;
};

// Faces compared without regard to ASCII case.
const FaceMapping kFaces[] = {
    {"宋体", kChinese, false}, {"新宋体", kChinese, true}, {"黑体", kChinese, false}, {"楷体", kChinese, false},
    {"楷体_GB2312", kChinese, false}, {"仿宋", kChinese, false}, {"仿宋_GB2312", kChinese, false},
    {"隶书", kChinese, false}, {"幼圆", kChinese, false}, {"SimSun", kChinese, false},
    {"NSimSun", kChinese, true}, {"SimHei", kChinese, false}, {"KaiTi", kChinese, false},
    {"FangSong", kChinese, false}, {"微软雅黑", kChineseProportional, false},
    {"Microsoft YaHei", kChineseProportional, false},
    {"Arial", kSans, false}, {"Arial Unicode MS", kSans, false}, {"Helvetica", kSans, false},
    {"MS Sans Serif", kSans, false}, {"Microsoft Sans Serif", kSans, false}, {"Tahoma", kSans, false},
    {"Verdana", kSans, false}, {"Segoe UI", kSans, false},
    {"Times New Roman", kSerif, false}, {"Times", kSerif, false}, {"MS Serif", kSerif, false},
    {"Courier New", kMono, true}, {"Courier", kMono, true}, {"Consolas", kMono, true},
};

const FaceMapping* MappingOf(const LOGFONTA& lf) {
    const std::string_view face(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    for (const FaceMapping& m : kFaces)
        if (face.size() == std::strlen(m.face) && strncasecmp(face.data(), m.face, face.size()) == 0) return &m;
    return nullptr;
}

bool AsksFixedPitch(const LOGFONTA& lf) {
    return (lf.lfPitchAndFamily & 0x3) == FIXED_PITCH || (lf.lfPitchAndFamily & 0xF0) == FF_MODERN;
}

std::string FamiliesFor(const LOGFONTA& lf) {
    if (const FaceMapping* m = MappingOf(lf)) return m->families;
    if (lf.lfCharSet == ANSI_CHARSET || lf.lfCharSet == OEM_CHARSET || lf.lfCharSet == SYMBOL_CHARSET) {
        if (AsksFixedPitch(lf)) return kMono;
        if ((lf.lfPitchAndFamily & 0xF0) == FF_ROMAN) return kSerif;
        return kSans;
    }
    return kChinese;  // the system's own character set is Chinese
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

// pango's fonts, found under the platform's own font configuration.
PangoFontMap* FontMap() {
    UseOwnFontConfiguration();
    return pango_cairo_font_map_get_default();
}

PangoContext* MeasuringContext() {
    static PangoContext* context = [] {
        PangoContext* c = pango_font_map_create_context(FontMap());
        Prepare(c);
        return c;
    }();
    return context;
}

// Per family list, metrics of a font drawn with an em of one pixel, and its cell per em of the face
// it stands for.
struct UnitMetrics {
    double ascent, descent, aveCharWidth, maxCharWidth;
    double cell;     // the cell's height per em of the face stood for
    double emScale;  // the em drawn per em of the face stood for, before whole pixels
};
std::map<std::string, UnitMetrics>& MetricsCache() {
    static auto* cache = new std::map<std::string, UnitMetrics>();
    return *cache;
}

PangoFontDescription* Describe(const FontSpec& font, double em) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, font.families.c_str());
    pango_font_description_set_absolute_size(d, em * PANGO_SCALE);
    pango_font_description_set_weight(d, static_cast<PangoWeight>(font.weight));
    pango_font_description_set_style(d, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    return d;
}

PangoLayout* MakeLayout(PangoContext* context, const FontSpec& font, double em, const std::string& utf8,
                        const std::vector<std::pair<int, int>>& underlined = {}) {
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* d = Describe(font, em);
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
    constexpr double kProbeEm = 1000;
    FontSpec probe;
    probe.families = families;
    PangoFontDescription* d = Describe(probe, kProbeEm);
    PangoFontMetrics* m = pango_context_get_metrics(MeasuringContext(), d, nullptr);
    UnitMetrics unit{};
    unit.ascent = pango_font_metrics_get_ascent(m) / double(PANGO_SCALE) / kProbeEm;
    unit.descent = pango_font_metrics_get_descent(m) / double(PANGO_SCALE) / kProbeEm;
    unit.aveCharWidth = pango_font_metrics_get_approximate_char_width(m) / double(PANGO_SCALE) / kProbeEm;
    pango_font_metrics_unref(m);
    pango_font_description_free(d);
    unit.cell = unit.ascent + unit.descent;
    unit.emScale = 1;
    if (families == kChinese) {
        // Its glyphs' own extent, drawn within the cell of the face it stands for.
        PangoLayout* glyphs = MakeLayout(MeasuringContext(), probe, kProbeEm, kCellProbe);
        PangoRectangle ink;
        pango_layout_get_extents(glyphs, &ink, nullptr);
        const double baseline = pango_layout_get_baseline(glyphs);
        g_object_unref(glyphs);
        unit.ascent = (baseline - ink.y) / PANGO_SCALE / kProbeEm;
        unit.descent = (ink.y + ink.height - baseline) / PANGO_SCALE / kProbeEm;
        unit.cell = kSongTiCellEms;
        unit.emScale = kSongTiCellEms / (unit.ascent + unit.descent);
    }
    // The widest of a few wide characters stands for the widest character.
    PangoLayout* layout = MakeLayout(MeasuringContext(), probe, kProbeEm, u8"W\u6C49M");
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
        PangoRectangle r;
        pango_layout_iter_get_char_extents(iter, &r);
        unit.maxCharWidth = std::max(unit.maxCharWidth, r.width / double(PANGO_SCALE) / kProbeEm);
    } while (pango_layout_iter_next_char(iter));
    pango_layout_iter_free(iter);
    g_object_unref(layout);
    return MetricsCache().emplace(families, unit).first->second;
}

// The em a font is drawn at. A stand-in smaller than the face it stands for takes the largest whole
// number of pixels that keeps its glyphs inside the cell, so that its Chinese characters advance by
// whole pixels, as the platform's do.
double DrawnEm(const FontSpec& font) {
    const UnitMetrics& unit = Unit(font.families);
    if (unit.emScale >= 1) return font.emPixels;
    return std::max(1.0, std::floor(font.emPixels * unit.emScale + 1e-6));
}

PangoLayout* MakeLayout(PangoContext* context, const FontSpec& font, const std::string& utf8,
                        const std::vector<std::pair<int, int>>& underlined = {}) {
    return MakeLayout(context, font, DrawnEm(font), utf8, underlined);
}

}  // namespace

FontSpec ResolveFont(const LOGFONTA& lf, double scaleX, double scaleY) {
    FontSpec font;
    font.families = FamiliesFor(lf);
    const UnitMetrics& unit = Unit(font.families);
    scaleX = std::fabs(scaleX), scaleY = std::fabs(scaleY);
    if (lf.lfHeight < 0) font.emPixels = -lf.lfHeight * scaleY;
    else if (lf.lfHeight > 0) font.emPixels = lf.lfHeight * scaleY / unit.cell;
    else font.emPixels = 16 / unit.cell;  // the platform's default cell of 16 pixels
    font.emPixels = std::clamp(font.emPixels, 1.0, 2048.0);  // no glyph larger than a big screen
    font.weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min<long>(std::max<long>(lf.lfWeight, 100), 900);
    font.italic = lf.lfItalic != 0;
    font.underline = lf.lfUnderline != 0;
    font.strikeOut = lf.lfStrikeOut != 0;
    if (lf.lfWidth != 0 && unit.aveCharWidth > 0)
        font.xScale = std::fabs(lf.lfWidth) * scaleX / (unit.aveCharWidth * DrawnEm(font));
    return font;
}

FontMetricsPx MeasureFont(const FontSpec& font) {
    const UnitMetrics& unit = Unit(font.families);
    const double drawn = DrawnEm(font);
    // The glyphs' extent in the middle of the cell.
    const double spare = unit.cell * font.emPixels - (unit.ascent + unit.descent) * drawn;
    return FontMetricsPx{unit.ascent * drawn + spare / 2, unit.descent * drawn + spare / 2,
                         unit.aveCharWidth * drawn * font.xScale, unit.maxCharWidth * drawn * font.xScale,
                         font.emPixels};
}

bool IsFixedPitch(const LOGFONTA& lf) {
    const FaceMapping* m = MappingOf(lf);
    return m ? m->fixedPitch : AsksFixedPitch(lf);
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
        PangoContext* context = pango_font_map_create_context(FontMap());
        pango_cairo_update_context(cr, context);
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
