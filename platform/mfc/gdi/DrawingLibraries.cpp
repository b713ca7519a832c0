// The drawing libraries (cairo, pango and what they stand on) are loaded when the process first
// makes a bitmap, draws or measures text, not when it starts: a run that draws nothing (`qelt
// list`) maps none of their two dozen libraries. Each function of theirs that the platform calls
// is defined here under its own name and signature, so the compiler checks it against the
// libraries' headers; its first call looks the function up, and later calls go on to it directly.
#include <cairo-svg.h>
#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <cstdlib>

namespace {

// pango's cairo binding, which brings pango, cairo, fontconfig, GObject and GLib with it.
const char* const kDrawingLibrary = "libpangocairo-1.0.so.0";

// Drawing cannot go on without the libraries: an installation that lacks them ends the process
// as the dynamic loader ends one that lacks a library it links (127), with a message that names
// what is missing.
[[noreturn]] void Missing(const char* what) {
    std::fprintf(stderr, "qelt: the drawing libraries cannot be used: %s\n", what);
    std::_Exit(127);
}

void* DrawingSymbol(const char* name) {
    static void* const library = [] {
        void* handle = dlopen(kDrawingLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!handle) Missing(dlerror());
        return handle;
    }();
    void* symbol = dlsym(library, name);
    if (!symbol) Missing(name);
    return symbol;
}

template <typename Function>
Function DrawingFunction(const char* name) {
    return reinterpret_cast<Function>(DrawingSymbol(name));
}

}  // namespace

#define QELT_DRAWING_FUNCTION(result, name, parameters, arguments)              \
    extern "C" result name parameters {                                         \
        static const auto function = DrawingFunction<decltype(&::name)>(#name); \
        return function arguments;                                              \
    }

QELT_DRAWING_FUNCTION(FcConfig*, FcConfigCreate, (void), ())
QELT_DRAWING_FUNCTION(void, FcConfigDestroy, (FcConfig* config), (config))
QELT_DRAWING_FUNCTION(FcBool, FcConfigParseAndLoadFromMemory,
                      (FcConfig* config, const FcChar8* buffer, FcBool complain), (config, buffer, complain))
QELT_DRAWING_FUNCTION(FcBool, FcConfigSetCurrent, (FcConfig* config), (config))
QELT_DRAWING_FUNCTION(void, cairo_clip, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_close_path, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(cairo_t*, cairo_create, (cairo_surface_t* target), (target))
QELT_DRAWING_FUNCTION(void, cairo_curve_to,
                      (cairo_t* cr, double x1, double y1, double x2, double y2, double x3, double y3),
                      (cr, x1, y1, x2, y2, x3, y3))
QELT_DRAWING_FUNCTION(void, cairo_destroy, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_fill, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(cairo_font_options_t*, cairo_font_options_create, (void), ())
QELT_DRAWING_FUNCTION(void, cairo_font_options_set_antialias,
                      (cairo_font_options_t* options, cairo_antialias_t antialias), (options, antialias))
QELT_DRAWING_FUNCTION(void, cairo_font_options_set_hint_metrics,
                      (cairo_font_options_t* options, cairo_hint_metrics_t hint_metrics), (options, hint_metrics))
QELT_DRAWING_FUNCTION(void, cairo_font_options_set_hint_style,
                      (cairo_font_options_t* options, cairo_hint_style_t hint_style), (options, hint_style))
QELT_DRAWING_FUNCTION(cairo_pattern_t*, cairo_get_source, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(cairo_surface_t*, cairo_image_surface_create, (cairo_format_t format, int width, int height),
                      (format, width, height))
QELT_DRAWING_FUNCTION(cairo_surface_t*, cairo_image_surface_create_from_png_stream,
                      (cairo_read_func_t read_func, void* closure), (read_func, closure))
QELT_DRAWING_FUNCTION(unsigned char*, cairo_image_surface_get_data, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(cairo_format_t, cairo_image_surface_get_format, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(int, cairo_image_surface_get_height, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(int, cairo_image_surface_get_stride, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(int, cairo_image_surface_get_width, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(void, cairo_line_to, (cairo_t* cr, double x, double y), (cr, x, y))
QELT_DRAWING_FUNCTION(void, cairo_move_to, (cairo_t* cr, double x, double y), (cr, x, y))
QELT_DRAWING_FUNCTION(void, cairo_new_path, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_paint, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_paint_with_alpha, (cairo_t* cr, double alpha), (cr, alpha))
QELT_DRAWING_FUNCTION(cairo_pattern_t*, cairo_pattern_create_for_surface, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(void, cairo_pattern_destroy, (cairo_pattern_t* pattern), (pattern))
QELT_DRAWING_FUNCTION(void, cairo_pattern_set_extend, (cairo_pattern_t* pattern, cairo_extend_t extend),
                      (pattern, extend))
QELT_DRAWING_FUNCTION(void, cairo_pattern_set_filter, (cairo_pattern_t* pattern, cairo_filter_t filter),
                      (pattern, filter))
QELT_DRAWING_FUNCTION(void, cairo_rectangle, (cairo_t* cr, double x, double y, double width, double height),
                      (cr, x, y, width, height))
QELT_DRAWING_FUNCTION(void, cairo_restore, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_rotate, (cairo_t* cr, double angle), (cr, angle))
QELT_DRAWING_FUNCTION(void, cairo_save, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_scale, (cairo_t* cr, double sx, double sy), (cr, sx, sy))
QELT_DRAWING_FUNCTION(void, cairo_set_antialias, (cairo_t* cr, cairo_antialias_t antialias), (cr, antialias))
QELT_DRAWING_FUNCTION(void, cairo_set_dash, (cairo_t* cr, const double* dashes, int num_dashes, double offset),
                      (cr, dashes, num_dashes, offset))
QELT_DRAWING_FUNCTION(void, cairo_set_fill_rule, (cairo_t* cr, cairo_fill_rule_t fill_rule), (cr, fill_rule))
QELT_DRAWING_FUNCTION(void, cairo_set_line_cap, (cairo_t* cr, cairo_line_cap_t line_cap), (cr, line_cap))
QELT_DRAWING_FUNCTION(void, cairo_set_line_join, (cairo_t* cr, cairo_line_join_t line_join), (cr, line_join))
QELT_DRAWING_FUNCTION(void, cairo_set_line_width, (cairo_t* cr, double width), (cr, width))
QELT_DRAWING_FUNCTION(void, cairo_set_source, (cairo_t* cr, cairo_pattern_t* source), (cr, source))
QELT_DRAWING_FUNCTION(void, cairo_set_source_rgb, (cairo_t* cr, double red, double green, double blue),
                      (cr, red, green, blue))
QELT_DRAWING_FUNCTION(void, cairo_set_source_surface, (cairo_t* cr, cairo_surface_t* surface, double x, double y),
                      (cr, surface, x, y))
QELT_DRAWING_FUNCTION(void, cairo_stroke, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_stroke_preserve, (cairo_t* cr), (cr))
QELT_DRAWING_FUNCTION(void, cairo_surface_destroy, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(void, cairo_surface_finish, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(void, cairo_surface_flush, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(void, cairo_surface_mark_dirty, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(cairo_status_t, cairo_surface_status, (cairo_surface_t* surface), (surface))
QELT_DRAWING_FUNCTION(cairo_status_t, cairo_surface_write_to_png_stream,
                      (cairo_surface_t* surface, cairo_write_func_t write_func, void* closure),
                      (surface, write_func, closure))
QELT_DRAWING_FUNCTION(cairo_surface_t*, cairo_svg_surface_create_for_stream,
                      (cairo_write_func_t write_func, void* closure, double width_in_points, double height_in_points),
                      (write_func, closure, width_in_points, height_in_points))
QELT_DRAWING_FUNCTION(void, cairo_svg_surface_set_document_unit, (cairo_surface_t* surface, cairo_svg_unit_t unit),
                      (surface, unit))
QELT_DRAWING_FUNCTION(void, cairo_translate, (cairo_t* cr, double tx, double ty), (cr, tx, ty))
QELT_DRAWING_FUNCTION(void, g_object_unref, (gpointer object), (object))
QELT_DRAWING_FUNCTION(void, pango_attr_list_insert, (PangoAttrList* list, PangoAttribute* attr), (list, attr))
QELT_DRAWING_FUNCTION(PangoAttrList*, pango_attr_list_new, (void), ())
QELT_DRAWING_FUNCTION(void, pango_attr_list_unref, (PangoAttrList* list), (list))
QELT_DRAWING_FUNCTION(PangoAttribute*, pango_attr_strikethrough_new, (gboolean strikethrough), (strikethrough))
QELT_DRAWING_FUNCTION(PangoAttribute*, pango_attr_underline_new, (PangoUnderline underline), (underline))
QELT_DRAWING_FUNCTION(void, pango_cairo_context_set_font_options,
                      (PangoContext* context, const cairo_font_options_t* options), (context, options))
QELT_DRAWING_FUNCTION(PangoFontMap*, pango_cairo_font_map_get_default, (void), ())
QELT_DRAWING_FUNCTION(void, pango_cairo_show_layout_line, (cairo_t* cr, PangoLayoutLine* line), (cr, line))
QELT_DRAWING_FUNCTION(void, pango_cairo_update_context, (cairo_t* cr, PangoContext* context), (cr, context))
QELT_DRAWING_FUNCTION(PangoFontMetrics*, pango_context_get_metrics,
                      (PangoContext* context, const PangoFontDescription* desc, PangoLanguage* language),
                      (context, desc, language))
QELT_DRAWING_FUNCTION(void, pango_context_set_round_glyph_positions, (PangoContext* context, gboolean round_positions),
                      (context, round_positions))
QELT_DRAWING_FUNCTION(void, pango_font_description_free, (PangoFontDescription* desc), (desc))
QELT_DRAWING_FUNCTION(PangoFontDescription*, pango_font_description_new, (void), ())
QELT_DRAWING_FUNCTION(void, pango_font_description_set_absolute_size, (PangoFontDescription* desc, double size),
                      (desc, size))
QELT_DRAWING_FUNCTION(void, pango_font_description_set_family, (PangoFontDescription* desc, const char* family),
                      (desc, family))
QELT_DRAWING_FUNCTION(void, pango_font_description_set_style, (PangoFontDescription* desc, PangoStyle style),
                      (desc, style))
QELT_DRAWING_FUNCTION(void, pango_font_description_set_weight, (PangoFontDescription* desc, PangoWeight weight),
                      (desc, weight))
QELT_DRAWING_FUNCTION(PangoContext*, pango_font_map_create_context, (PangoFontMap* fontmap), (fontmap))
QELT_DRAWING_FUNCTION(int, pango_font_metrics_get_approximate_char_width, (PangoFontMetrics* metrics), (metrics))
QELT_DRAWING_FUNCTION(int, pango_font_metrics_get_ascent, (PangoFontMetrics* metrics), (metrics))
QELT_DRAWING_FUNCTION(int, pango_font_metrics_get_descent, (PangoFontMetrics* metrics), (metrics))
QELT_DRAWING_FUNCTION(void, pango_font_metrics_unref, (PangoFontMetrics* metrics), (metrics))
QELT_DRAWING_FUNCTION(int, pango_layout_get_baseline, (PangoLayout* layout), (layout))
QELT_DRAWING_FUNCTION(void, pango_layout_get_extents,
                      (PangoLayout* layout, PangoRectangle* ink_rect, PangoRectangle* logical_rect),
                      (layout, ink_rect, logical_rect))
QELT_DRAWING_FUNCTION(PangoLayoutIter*, pango_layout_get_iter, (PangoLayout* layout), (layout))
QELT_DRAWING_FUNCTION(PangoLayoutLine*, pango_layout_get_line_readonly, (PangoLayout* layout, int line),
                      (layout, line))
QELT_DRAWING_FUNCTION(void, pango_layout_iter_free, (PangoLayoutIter* iter), (iter))
QELT_DRAWING_FUNCTION(void, pango_layout_iter_get_char_extents, (PangoLayoutIter* iter, PangoRectangle* logical_rect),
                      (iter, logical_rect))
QELT_DRAWING_FUNCTION(int, pango_layout_iter_get_index, (PangoLayoutIter* iter), (iter))
QELT_DRAWING_FUNCTION(gboolean, pango_layout_iter_next_char, (PangoLayoutIter* iter), (iter))
QELT_DRAWING_FUNCTION(PangoLayout*, pango_layout_new, (PangoContext* context), (context))
QELT_DRAWING_FUNCTION(void, pango_layout_set_attributes, (PangoLayout* layout, PangoAttrList* attrs), (layout, attrs))
QELT_DRAWING_FUNCTION(void, pango_layout_set_font_description, (PangoLayout* layout, const PangoFontDescription* desc),
                      (layout, desc))
QELT_DRAWING_FUNCTION(void, pango_layout_set_single_paragraph_mode, (PangoLayout* layout, gboolean setting),
                      (layout, setting))
QELT_DRAWING_FUNCTION(void, pango_layout_set_text, (PangoLayout* layout, const char* text, int length),
                      (layout, text, length))
