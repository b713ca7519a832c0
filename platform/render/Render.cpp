#include "render/Render.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/Geometry.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiMetafile.h"
#include "mfc/gdi/GdiObjectTable.h"
#include "mfc/gdi/GdiPainter.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/WindowDC.h"
#include "mfc/user/WindowManager.h"

namespace qelt::render {

namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

std::string Png(cairo_surface_t* image) {
    std::string bytes;
    cairo_surface_flush(image);
    cairo_surface_write_to_png_stream(image, Append, &bytes);
    return bytes;
}

// cairo names surfaces, images, patterns and masks by counters of the process; they are numbered
// from 1 in each picture instead, so that the same drawing always gives the same bytes.
std::string Renumber(const std::string& svg) {
    std::map<std::string, int> numbers;
    std::string out;
    size_t at = 0;
    while (at < svg.size()) {
        const size_t id = svg.find("id=\"", at), ref = svg.find("#", at);
        const size_t mark = std::min(id == std::string::npos ? id : id + 4, ref == std::string::npos ? ref : ref + 1);
        if (mark == std::string::npos) break;
        size_t digits = mark;
        while (digits < svg.size() && std::isalpha(static_cast<unsigned char>(svg[digits]))) ++digits;
        const std::string name = svg.substr(mark, digits - mark);
        size_t end = digits;
        while (end < svg.size() && std::isdigit(static_cast<unsigned char>(svg[end]))) ++end;
        out.append(svg, at, digits - at);
        at = digits;
        if (end == digits || (name != "surface" && name != "image" && name != "pattern" && name != "mask")) continue;
        const auto it = numbers.emplace(svg.substr(mark, end - mark), static_cast<int>(numbers.size()) + 1).first;
        out += std::to_string(it->second);
        at = end;
    }
    out.append(svg, at, std::string::npos);
    return out;
}

cairo_surface_t* White(cairo_surface_t* surface) {
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    return surface;
}

// Paints records, mapped by affine, onto a white picture of width x height. A vector picture draws
// what does not depend on what lies beneath as vectors; the result of a raster operation that does
// is taken, as pixels, from a bitmap painted alongside.
std::string Paint(const gdi::Recording& recording, const gdi::Affine& affine, int width, int height, Format format) {
    std::string bytes;
    cairo_surface_t* pixels = White(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    cairo_surface_t* vector = nullptr;
    if (format == Format::Svg) {
        vector = White(cairo_svg_surface_create_for_stream(Append, &bytes, width, height));
        cairo_svg_surface_set_document_unit(vector, CAIRO_SVG_UNIT_PX);
    }
    for (const gdi::Record& record : recording.records) {
        const gdi::Record mapped = gdi::TransformRecord(record, affine);
        gdi::PaintOnPixels(pixels, mapped);
        if (!vector) continue;
        cairo_t* cr = cairo_create(vector);
        if (gdi::DrawsOnVector(mapped)) {
            gdi::PaintOnVector(cr, mapped);
        } else {
            const gdi::Bounds b = gdi::RecordExtent(mapped);
            const double left = std::floor(b.left), top = std::floor(b.top);
            cairo_rectangle(cr, left, top, std::ceil(b.right) - left, std::ceil(b.bottom) - top);
            cairo_clip(cr);
            if (mapped.clip) {
                for (const RECT& r : mapped.clip->Rects())
                    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
                cairo_clip(cr);
            }
            cairo_set_source_surface(cr, pixels, 0, 0);
            cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
            cairo_paint(cr);
        }
        cairo_destroy(cr);
    }
    if (vector) {
        cairo_surface_finish(vector);
        cairo_surface_destroy(vector);
        bytes = Renumber(bytes);
    } else {
        bytes = Png(pixels);
    }
    cairo_surface_destroy(pixels);
    return bytes;
}

// ---- Snapshots of windows ----

constexpr int kBorder = 3;    // the dialog frame's width
constexpr int kCaption = 18;  // the caption bar's height

// Where the window's client area lies in the picture, and the part of it its ancestors show.
struct Placement {
    HWND window;
    POINT origin;
    CRect visible;
};

void Place(HWND window, const POINT& topOrigin, const CRect& parentVisible, std::vector<Placement>& out) {
    if (!::IsWindowVisible(window)) return;
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    origin.x -= topOrigin.x, origin.y -= topOrigin.y;
    RECT client{0, 0, 0, 0};
    ::GetClientRect(window, &client);
    CRect own(origin.x, origin.y, origin.x + client.right, origin.y + client.bottom);
    CRect visible;
    if (!visible.IntersectRect(&own, &parentVisible)) return;
    out.push_back({window, origin, visible});
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        Place(child, topOrigin, visible, out);
}

void PaintRecords(cairo_surface_t* surface, const gdi::Recording& recording, const POINT& origin,
                  const CRect& visible) {
    const gdi::Affine shift{1, 1, static_cast<double>(origin.x), static_cast<double>(origin.y)};
    const gdi::Region area = gdi::Region::FromRect(visible.left, visible.top, visible.right, visible.bottom);
    for (const gdi::Record& record : recording.records) {
        gdi::Record mapped = gdi::TransformRecord(record, shift);
        mapped.clip = std::make_shared<const gdi::Region>(
            mapped.clip ? gdi::Region::Combine(*mapped.clip, area, RGN_AND) : area);
        gdi::PaintOnPixels(surface, mapped);
    }
}

// The frame and caption bar of a window of width x height pixels (client area and frame), drawn
// through the drawing layer so that the caption's text is set like every other text.
std::shared_ptr<const gdi::Metafile> Frame(HWND window, int width, int height) {
    HDC dc = ::CreateEnhMetaFile(nullptr, nullptr, nullptr, nullptr);
    CRect edge(0, 0, width, height);
    FillSysColor(dc, edge, COLOR_3DFACE);
    DrawEdge3D(dc, &edge, false);
    const CRect bar(kBorder, kBorder, width - kBorder, kBorder + kCaption);
    FillSysColor(dc, bar, COLOR_ACTIVECAPTION);
    LOGFONTA face{};
    HFONT font = reinterpret_cast<HFONT>(::SendMessage(window, WM_GETFONT, 0, 0));
    ::GetObject(font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfWeight = FW_BOLD;
    HFONT bold = ::CreateFontIndirect(&face);
    HGDIOBJ oldFont = ::SelectObject(dc, bold);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_CAPTIONTEXT));
    const CString caption = WindowTextOf(window);
    CRect text = bar;
    text.DeflateRect(4, 0);
    ::DrawTextA(dc, caption, caption.GetLength(), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
    ::DeleteObject(bold);
    HENHMETAFILE metafile = ::CloseEnhMetaFile(dc);
    std::shared_ptr<const gdi::Metafile> data = gdi::FindMetafile(metafile);
    ::DeleteEnhMetaFile(metafile);
    return data;
}

// A window's outline on the screen: its frame (a window with a caption has one) around the client
// area, the screen point of the outline's top-left corner, and its size.
struct Outline {
    POINT origin;
    int left, top;  // from the outline's corner to the client area
    int width, height;
};

Outline OutlineOf(HWND window) {
    RECT client{0, 0, 0, 0};
    ::GetClientRect(window, &client);
    const bool framed = (::GetWindowLong(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    Outline outline;
    outline.left = framed ? kBorder : 0, outline.top = framed ? kBorder + kCaption : 0;
    outline.width = static_cast<int>(client.right) + 2 * outline.left;
    outline.height = static_cast<int>(client.bottom) + outline.top + outline.left;
    outline.origin = POINT{0, 0};
    ::ClientToScreen(window, &outline.origin);
    outline.origin.x -= outline.left, outline.origin.y -= outline.top;
    return outline;
}

// Paints a window of the top level as a person sees it, painted afresh, into a picture whose
// top-left corner lies at the screen point `pictureOrigin`: its frame, then its client area and its
// visible descendants, each clipped to its ancestors.
void PaintTopLevel(cairo_surface_t* surface, HWND window, POINT pictureOrigin) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const Outline outline = OutlineOf(window);
    const POINT corner{outline.origin.x - pictureOrigin.x, outline.origin.y - pictureOrigin.y};
    const CRect area(corner.x, corner.y, corner.x + outline.width, corner.y + outline.height);
    if (outline.left || outline.top) {
        if (std::shared_ptr<const gdi::Metafile> frame = Frame(window, outline.width, outline.height))
            PaintRecords(surface, *frame->recording, corner, area);
    }
    std::vector<Placement> placements;
    Place(window, pictureOrigin, area, placements);
    for (const Placement& placement : placements) {
        if (std::shared_ptr<const gdi::Recording> recording = gdi::WindowRecording(placement.window))
            PaintRecords(surface, *recording, placement.origin, placement.visible);
    }
}

}  // namespace

std::string RenderBitmap(HBITMAP bitmap, Format format) {
    std::shared_ptr<gdi::BitmapData> data = gdi::Find<gdi::BitmapData>(bitmap);
    if (!data) {
        ReportMisuse("RenderBitmap: %p is not a bitmap", static_cast<void*>(bitmap));
        return std::string();
    }
    if (format == Format::Png) return Png(data->surface);
    return Paint(*data->recording, gdi::Affine{}, data->width, data->height, format);
}

std::string RenderMetafile(HENHMETAFILE metafile, int width, int height, Format format) {
    std::shared_ptr<const gdi::Metafile> data = gdi::FindMetafile(metafile);
    if (!data) {
        ReportMisuse("RenderMetafile: %p is not a metafile", static_cast<void*>(metafile));
        return std::string();
    }
    const gdi::Bounds& frame = data->frame;
    if (width == 0 && height == 0 && !frame.empty)
        width = static_cast<int>(frame.right - frame.left), height = static_cast<int>(frame.bottom - frame.top);
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
        ReportMisuse("RenderMetafile: a picture of %d x %d pixels", width, height);
        return std::string();
    }
    return Paint(*data->recording, gdi::FrameToRect(frame, 0, 0, width, height), width, height, format);
}

std::string RenderWindow(HWND window, Format format) {
    std::shared_ptr<const gdi::Recording> recording = gdi::WindowRecording(window);
    RECT client{0, 0, 0, 0};
    if (!recording || !::GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) {
        ReportMisuse("RenderWindow: nothing was drawn in window %p", static_cast<void*>(window));
        return std::string();
    }
    return Paint(*recording, gdi::Affine{}, static_cast<int>(client.right), static_cast<int>(client.bottom), format);
}

std::string SnapWindow(HWND window) {
    RECT client{0, 0, 0, 0};
    if (!::IsWindow(window) || !::GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) {
        ReportMisuse("SnapWindow: %p is not a window with an area", static_cast<void*>(window));
        return std::string();
    }
    const Outline outline = OutlineOf(window);
    cairo_surface_t* surface = White(cairo_image_surface_create(CAIRO_FORMAT_RGB24, outline.width, outline.height));
    BYTE alpha = 255;
    if (!(::GetWindowLong(window, GWL_EXSTYLE) & WS_EX_LAYERED) || !::GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr))
        alpha = 255;
    if (alpha == 255) {
        PaintTopLevel(surface, window, outline.origin);
    } else {
        // What lies beneath shows through: the visible windows of the top level made before it.
        for (HWND other : AllWindows()) {
            if (other == window) break;
            if (!(::GetWindowLong(other, GWL_STYLE) & WS_CHILD) && ::IsWindowVisible(other))
                PaintTopLevel(surface, other, outline.origin);
        }
        cairo_surface_t* own = White(cairo_image_surface_create(CAIRO_FORMAT_RGB24, outline.width, outline.height));
        PaintTopLevel(own, window, outline.origin);
        cairo_t* cr = cairo_create(surface);
        cairo_set_source_surface(cr, own, 0, 0);
        cairo_paint_with_alpha(cr, alpha / 255.0);
        cairo_destroy(cr);
        cairo_surface_destroy(own);
    }
    std::string bytes = Png(surface);
    cairo_surface_destroy(surface);
    return bytes;
}

bool WriteFile(const std::string& path, const std::string& bytes, std::string* error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.close();
    if (!out) {
        if (error) *error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace qelt::render
