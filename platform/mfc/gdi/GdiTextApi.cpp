// Text output and measurement: TextOut, ExtTextOut, DrawText, extents and metrics, all with the
// text engine that draws (GdiText.h), in logical units.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"
#include "mfc/gdi/GdiText.h"

using namespace qelt::gdi;

namespace {

struct DcFont {
    FontSpec face;
    long ascent, descent;  // whole device pixels, as metrics report them
    double baseline;       // from the cell's top, as drawn
    long Height() const { return ascent + descent; }
};

DcFont FontOf(const DeviceContext& dc) {
    DcFont f;
    f.face = ResolveFont(dc.state.fontData->logFont, dc.ScaleX(), dc.ScaleY());
    const FontMetricsPx m = MeasureFont(f.face);
    f.ascent = std::lround(m.ascent), f.descent = std::lround(m.descent);
    f.baseline = m.ascent;
    return f;
}

// The whole pixels a width of text covers: glyph advances are fractional, and text measured so
// never draws past its extent.
double WholePixels(double width) { return std::ceil(width - 1e-6); }

int CharLength(const std::string& s, size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    return c >= 0x81 && c <= 0xFE && i + 1 < s.size() ? 2 : 1;
}

// A line of text with, per byte, whether it is underlined (a prefix character).
struct Line {
    std::string text;
    std::vector<char> underlined;
};

std::string Utf8(const std::string& gbk) { return TextToUtf8(gbk.data(), static_cast<int>(gbk.size())); }

// The line as the text engine takes it, with the byte ranges of its underlined characters.
std::string LineUtf8(const Line& line, std::vector<std::pair<int, int>>* ranges) {
    std::string out;
    size_t i = 0;
    while (i < line.text.size()) {
        size_t j = i;
        while (j < line.text.size() && line.underlined[j] == line.underlined[i]) ++j;
        const std::string piece = Utf8(line.text.substr(i, j - i));
        if (line.underlined[i] && ranges)
            ranges->push_back({static_cast<int>(out.size()), static_cast<int>(out.size() + piece.size())});
        out += piece;
        i = j;
    }
    return out;
}

// Emits one line of text whose reference point, in device pixels, is (x, y) under the alignment;
// returns its advance width in device pixels.
double EmitLine(DeviceContext& dc, const DcFont& font, const Line& line, double x, double y, UINT align,
                double angle, std::shared_ptr<const Region> clip) {
    TextRecord text;
    text.utf8 = LineUtf8(line, &text.underlined);
    text.font = font.face;
    text.width = MeasureWidth(font.face, text.utf8);
    text.height = font.Height();
    text.ascent = font.baseline;
    text.angle = angle;
    text.color = dc.state.textColor;
    text.opaque = dc.state.bkMode == OPAQUE;
    text.background = dc.state.bkColor;
    double ox = 0, oy = 0;  // from the reference point to the cell's top-left, along and across the text
    if ((align & TA_CENTER) == TA_CENTER) ox = -text.width / 2;
    else if (align & TA_RIGHT) ox = -text.width;
    if ((align & TA_BASELINE) == TA_BASELINE) oy = -text.ascent;
    else if (align & TA_BOTTOM) oy = -text.height;
    const double c = std::cos(angle), s = std::sin(angle);
    text.x = x + ox * c + oy * s;
    text.y = y - ox * s + oy * c;
    const double width = text.width;
    Emit(dc, Record{std::move(text), std::move(clip)});
    return width;
}

Line Plain(const char* text, int length) {
    Line line;
    line.text.assign(text, static_cast<size_t>(length));
    line.underlined.assign(line.text.size(), 0);
    return line;
}

Line Sub(const Line& line, size_t from, size_t to) {
    Line out;
    out.text = line.text.substr(from, to - from);
    out.underlined.assign(line.underlined.begin() + from, line.underlined.begin() + to);
    return out;
}

// "&x" underlines x, "&&" is one "&".
Line WithoutPrefixes(const Line& in) {
    Line out;
    for (size_t i = 0; i < in.text.size();) {
        if (in.text[i] == '&') {
            if (i + 1 >= in.text.size()) break;
            if (in.text[i + 1] == '&') {
                out.text += '&', out.underlined.push_back(0), i += 2;
                continue;
            }
            const int n = CharLength(in.text, i + 1);
            out.text.append(in.text, i + 1, n), out.underlined.insert(out.underlined.end(), n, 1);
            i += 1 + n;
            continue;
        }
        const int n = CharLength(in.text, i);
        out.text.append(in.text, i, n), out.underlined.insert(out.underlined.end(), n, 0);
        i += n;
    }
    return out;
}

double Width(const DcFont& font, const Line& line) { return MeasureWidth(font.face, Utf8(line.text)); }

// A line's characters measured once: the width of any run of whole characters is the difference
// of two advances, so that breaking or cutting a long line costs one measurement, not one a try.
class Advances {
public:
    Advances(const DcFont& font, const std::string& gbk) : m_index(gbk.size() + 1, 0) {
        std::vector<size_t> starts;
        for (size_t i = 0; i < gbk.size(); i += CharLength(gbk, i)) starts.push_back(i);
        std::string utf8 = Utf8(gbk);
        std::vector<size_t> codePoints(starts.size(), 1);  // per character, the code points it shows as
        if (CodePoints(utf8) != starts.size()) {
            // Bytes that are not GBK show as escapes: the text is converted a character at a time.
            utf8.clear();
            for (size_t k = 0; k < starts.size(); ++k) {
                const size_t end = k + 1 < starts.size() ? starts[k + 1] : gbk.size();
                const std::string piece = Utf8(gbk.substr(starts[k], end - starts[k]));
                codePoints[k] = CodePoints(piece);
                utf8 += piece;
            }
        }
        const std::vector<double> x = MeasureAdvances(font.face, utf8);
        size_t at = 0;  // code point
        for (size_t k = 0; k < starts.size(); ++k) {
            m_index[starts[k]] = m_x.size();
            m_x.push_back(x[std::min(at, x.size() - 1)]);
            at += codePoints[k];
        }
        m_index[gbk.size()] = m_x.size();
        m_x.push_back(x.back());
    }

    // The width of the bytes [from, to), both at character starts or the end.
    double Width(size_t from, size_t to) const { return m_x[m_index[to]] - m_x[m_index[from]]; }

private:
    static size_t CodePoints(const std::string& utf8) {
        size_t count = 0;
        for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return count;
    }

    std::vector<size_t> m_index;  // per byte that begins a character (and the end), its number
    std::vector<double> m_x;      // per character number, the advance before it; then the width
};

size_t TrimEnd(const Line& line, size_t from, size_t to) {
    while (to > from && line.text[to - 1] == ' ') --to;
    return to;
}

// Breaks a paragraph into lines no wider than maxWidth: after spaces and around Chinese characters.
// A word without a break inside stays whole, wider than the rectangle.
std::vector<Line> Wrap(const DcFont& font, const Line& paragraph, double maxWidth) {
    std::vector<Line> lines;
    const std::string& s = paragraph.text;
    const Advances advances(font, s);
    size_t start = 0;
    do {
        size_t end = start, lastBreak = 0;
        for (size_t i = start; i < s.size();) {
            const int n = CharLength(s, i);
            if (i > start && advances.Width(start, TrimEnd(paragraph, start, i + n)) > maxWidth) break;
            end = i + n;
            const bool wide = n == 2, nextWide = end < s.size() && CharLength(s, end) == 2;
            if (s[i] == ' ' || wide || nextWide) lastBreak = end;
            i = end;
        }
        size_t cut = end;
        if (end < s.size()) {
            if (lastBreak > start) cut = lastBreak;
            else {
                while (cut < s.size() && s[cut] != ' ' && CharLength(s, cut) == 1) ++cut;
            }
        }
        lines.push_back(Sub(paragraph, start, TrimEnd(paragraph, start, cut)));
        start = cut;
        while (start < s.size() && s[start] == ' ') ++start;
    } while (start < s.size());
    return lines;
}

// The line cut after its longest beginning that fits maxWidth with "..." behind it.
Line WithEllipsis(const DcFont& font, Line line, double maxWidth) {
    const Advances advances(font, line.text);
    if (advances.Width(0, line.text.size()) <= maxWidth) return line;
    const double dots = MeasureWidth(font.face, "...");
    size_t cut = 0;
    for (size_t i = 0; i < line.text.size(); i += CharLength(line.text, i)) {
        const size_t next = i + CharLength(line.text, i);
        if (advances.Width(0, next) + dots > maxWidth) break;
        cut = next;
    }
    Line out = Sub(line, 0, cut);
    out.text += "...", out.underlined.insert(out.underlined.end(), 3, 0);
    return out;  // "..." alone when not even it fits
}

std::vector<Line> Paragraphs(const Line& text) {
    std::vector<Line> out;
    size_t start = 0;
    for (size_t i = 0; i <= text.text.size(); ++i) {
        if (i == text.text.size() || text.text[i] == '\n' || text.text[i] == '\r') {
            out.push_back(Sub(text, start, i));
            if (i + 1 < text.text.size() && text.text[i] == '\r' && text.text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    return out;
}

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
    return ExtTextOutA(hdc, x, y, 0, nullptr, text, static_cast<UINT>(length), nullptr);
}

BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length, const INT32* dx) {
    DeviceContext* dc = CheckDc(hdc, "ExtTextOut");
    if (!dc) return FALSE;
    if (static_cast<int>(length) < 0 || (!text && length > 0)) {
        qelt::ReportMisuse("ExtTextOut: no text of length %d", static_cast<int>(length));
        return FALSE;
    }
    std::shared_ptr<const Region> clip;
    if (rect) {
        const RECT d = dc->ToDevice(*rect);
        if (options & ETO_OPAQUE) {
            ShapeRecord shape;
            const double xy[] = {double(d.left), double(d.top), double(d.right), double(d.top),
                                 double(d.right), double(d.bottom), double(d.left), double(d.bottom)};
            shape.path.Polygon(xy, 4, true);
            shape.pixelEdges = true;
            shape.fill = Fill{};
            shape.fill->color = dc->state.bkColor;
            if (d.right > d.left && d.bottom > d.top) Emit(*dc, Record{std::move(shape), nullptr});
        }
        if (options & ETO_CLIPPED) clip = std::make_shared<Region>(Region::FromRect(d.left, d.top, d.right, d.bottom));
    }
    if (length == 0) return TRUE;
    const DcFont font = FontOf(*dc);
    const UINT align = dc->state.textAlign;
    const POINT origin = dc->ToDevice((align & TA_UPDATECP) ? dc->state.current.x : x,
                                      (align & TA_UPDATECP) ? dc->state.current.y : y);
    const double angle = dc->state.fontData->logFont.lfEscapement / 10.0 * M_PI / 180;
    const Line line = Plain(text, static_cast<int>(length));
    double advance = 0;
    if (!dx) {
        advance = EmitLine(*dc, font, line, origin.x, origin.y, align, angle, clip);
    } else {
        // Explicit advances, one per byte; a Chinese character advances by the sum of its two.
        const UINT left = align & ~(TA_CENTER | TA_UPDATECP);
        for (size_t i = 0; i < line.text.size();) {
            const int n = CharLength(line.text, i);
            EmitLine(*dc, font, Sub(line, i, i + n), origin.x + advance * std::cos(angle),
                     origin.y - advance * std::sin(angle), left, angle, clip);
            for (int k = 0; k < n; ++k) advance += dx[i + k] * std::fabs(dc->ScaleX());
            i += n;
        }
    }
    if (align & TA_UPDATECP) dc->state.current.x += std::lround(advance / std::fabs(dc->ScaleX()));
    return TRUE;
}

int DrawTextA(HDC hdc, LPCSTR text, int length, LPRECT rect, UINT format) {
    DeviceContext* dc = CheckDc(hdc, "DrawText");
    if (!dc) return 0;
    if (!rect || (!text && length != 0)) {
        qelt::ReportMisuse("DrawText: no %s", rect ? "text" : "rectangle");
        return 0;
    }
    if (length < 0) length = static_cast<int>(std::strlen(text));
    const DcFont font = FontOf(*dc);
    const RECT d = dc->ToDevice(*rect);
    const double maxWidth = d.right - d.left;
    Line all = Plain(text ? text : "", length);
    if (!(format & DT_NOPREFIX)) all = WithoutPrefixes(all);

    std::vector<Line> lines;
    const bool single = format & DT_SINGLELINE;
    for (const Line& paragraph : single ? std::vector<Line>{all} : Paragraphs(all)) {
        if ((format & DT_WORDBREAK) && !single) {
            for (Line& l : Wrap(font, paragraph, maxWidth)) lines.push_back(std::move(l));
        } else {
            lines.push_back(paragraph);
        }
    }
    if (format & DT_END_ELLIPSIS)
        for (Line& l : lines) l = WithEllipsis(font, l, maxWidth);

    const long lineHeight = font.Height();
    const double scaleY = std::fabs(dc->ScaleY());
    if (format & DT_CALCRECT) {
        double widest = 0;
        for (const Line& l : lines) widest = std::max(widest, Width(font, l));
        const POINT corner{std::lround(dc->LogicalX(d.left + WholePixels(widest))),
                           std::lround(dc->LogicalY(d.top + lineHeight * double(lines.size())))};
        rect->right = rect->left + std::labs(corner.x - std::lround(dc->LogicalX(d.left)));
        rect->bottom = rect->top + std::labs(corner.y - std::lround(dc->LogicalY(d.top)));
        return static_cast<int>(std::lround(lineHeight * double(lines.size()) / scaleY));
    }

    double top = d.top;
    if (single && (format & DT_VCENTER)) top = d.top + (d.bottom - d.top - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM)) top = d.bottom - lineHeight;
    std::shared_ptr<const Region> clip;
    if (!(format & DT_NOCLIP)) clip = std::make_shared<Region>(Region::FromRect(d.left, d.top, d.right, d.bottom));
    double y = top;
    for (const Line& line : lines) {
        double x = d.left;
        UINT align = TA_LEFT | TA_TOP;
        if (format & DT_CENTER) x = (d.left + d.right) / 2.0, align = TA_CENTER | TA_TOP;
        else if (format & DT_RIGHT) x = d.right, align = TA_RIGHT | TA_TOP;
        if (!line.text.empty()) EmitLine(*dc, font, line, x, y, align, 0, clip);
        y += lineHeight;
    }
    const double bottom = (single && (format & (DT_VCENTER | DT_BOTTOM))) ? y - d.top : y - top;
    return static_cast<int>(std::lround(bottom / scaleY));
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, LPSIZE size) {
    DeviceContext* dc = CheckDc(hdc, "GetTextExtentPoint32");
    if (!dc) return FALSE;
    if (!size || length < 0 || (!text && length > 0)) {
        qelt::ReportMisuse("GetTextExtentPoint32: bad arguments");
        return FALSE;
    }
    const DcFont font = FontOf(*dc);
    const double width = length > 0 ? MeasureWidth(font.face, TextToUtf8(text, length)) : 0;
    size->cx = std::lround(WholePixels(width) / std::fabs(dc->ScaleX()));
    size->cy = std::lround(font.Height() / std::fabs(dc->ScaleY()));
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    DeviceContext* dc = CheckDc(hdc, "GetTextMetrics");
    if (!dc || !metrics) return FALSE;
    const DcFont font = FontOf(*dc);
    const FontMetricsPx m = MeasureFont(font.face);
    const LOGFONTA& lf = dc->state.fontData->logFont;
    const double sx = std::fabs(dc->ScaleX()), sy = std::fabs(dc->ScaleY());
    TEXTMETRICA tm{};
    tm.tmAscent = std::lround(font.ascent / sy);
    tm.tmDescent = std::lround(font.descent / sy);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0L, tm.tmHeight - std::lround(m.em / sy));
    tm.tmAveCharWidth = std::lround(m.aveCharWidth / sx);
    tm.tmMaxCharWidth = std::lround(m.maxCharWidth / sx);
    tm.tmWeight = font.face.weight;
    tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = GetDeviceCaps(hdc, LOGPIXELSY);
    tm.tmFirstChar = 0x20, tm.tmLastChar = 0xFF, tm.tmDefaultChar = 0x1F, tm.tmBreakChar = 0x20;
    tm.tmItalic = lf.lfItalic ? 1 : 0;
    tm.tmUnderlined = lf.lfUnderline ? 1 : 0;
    tm.tmStruckOut = lf.lfStrikeOut ? 1 : 0;
    const bool fixed = IsFixedPitch(lf);
    // The pitch bit set means a variable pitch, as on the platform.
    tm.tmPitchAndFamily = static_cast<BYTE>((lf.lfPitchAndFamily & 0xF0) | TMPF_TRUETYPE | TMPF_VECTOR |
                                            (fixed ? 0 : TMPF_FIXED_PITCH));
    tm.tmCharSet = lf.lfCharSet;
    *metrics = tm;
    return TRUE;
}

int GetTextFaceA(HDC hdc, int size, LPSTR face) {
    DeviceContext* dc = CheckDc(hdc, "GetTextFace");
    if (!dc) return 0;
    const char* name = dc->state.fontData->logFont.lfFaceName;
    const int length = static_cast<int>(strnlen(name, LF_FACESIZE));
    if (!face) return length + 1;
    if (size <= 0) return 0;
    const int n = std::min(length, size - 1);
    std::memcpy(face, name, n);
    face[n] = '\0';
    return n + 1;
}
