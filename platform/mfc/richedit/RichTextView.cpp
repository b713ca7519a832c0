#include "mfc/richedit/RichTextView.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiImage.h"
#include "mfc/user/ControlPaint.h"
#include "mfc/user/Metrics.h"
#include "mfc/user/WinUserApi.h"
#include "mfc/user/WindowScroll.h"

namespace qelt::rich {

namespace {

constexpr int kTabStop = 48;  // half an inch at 96 pixels to the inch
constexpr int kInset = 1;     // between the border and the text
constexpr int kBorder = 2;

int TwipsToPixels(LONG twips) { return metrics::MulDiv(static_cast<int>(twips), 96, 1440); }

// The font of one character format, as drawn.
struct RunFont {
    HFONT font = nullptr;
    int ascent = 0, descent = 0;
    int rise = 0;  // of its baseline above the line's
    COLORREF color = 0;
};

// The fonts of a document's formats, made as they are first needed and deleted together.
class Fonts {
public:
    Fonts(const Document& text, HDC dc) : m_text(text), m_dc(dc) {}
    ~Fonts() {
        for (auto& entry : m_fonts) ::DeleteObject(entry.second.font);
    }
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    const RunFont& Of(int index) {
        auto found = m_fonts.find(m_text.FormatIdAt(index));
        if (found != m_fonts.end()) return found->second;
        return m_fonts.emplace(m_text.FormatIdAt(index), Make(m_text.FormatAt(index))).first->second;
    }

private:
    // The font at a size in pixels, with its ascent and descent.
    HFONT Create(const CharFormat& format, int pixels, int* ascent, int* descent) const {
        LOGFONTA lf{};
        lf.lfHeight = -std::max(pixels, 1);
        lf.lfWeight = (format.effects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (format.effects & CFE_ITALIC) ? 1 : 0;
        lf.lfUnderline = (format.effects & CFE_UNDERLINE) ? 1 : 0;
        lf.lfStrikeOut = (format.effects & CFE_STRIKEOUT) ? 1 : 0;
        lf.lfCharSet = format.charSet;
        lf.lfPitchAndFamily = format.pitchAndFamily;
        std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", format.face.c_str());
        HFONT font = ::CreateFontIndirectA(&lf);
        HGDIOBJ old = ::SelectObject(m_dc, font);
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(m_dc, &metrics);
        ::SelectObject(m_dc, old);
        *ascent = metrics.tmAscent, *descent = metrics.tmDescent;
        return font;
    }

    RunFont Make(const CharFormat& format) const {
        RunFont run;
        const int full = TwipsToPixels(format.height);
        const bool super = (format.effects & CFE_SUPERSCRIPT) != 0, sub = (format.effects & CFE_SUBSCRIPT) != 0;
        run.font = Create(format, super || sub ? full * 2 / 3 : full, &run.ascent, &run.descent);
        if (super) {
            int fullAscent = 0, fullDescent = 0;
            ::DeleteObject(Create(format, full, &fullAscent, &fullDescent));
            run.rise = fullAscent - run.ascent;
        } else if (sub) {
            run.rise = -full / 5;
        }
        run.rise += TwipsToPixels(format.offset);
        run.color = (format.effects & CFE_AUTOCOLOR) ? ::GetSysColor(COLOR_WINDOWTEXT) : format.color;
        return run;
    }

    const Document& m_text;
    HDC m_dc;
    std::map<std::uint32_t, RunFont> m_fonts;
};

bool IsParagraphEnd(const Document& text, int index) { return text.Text(index, index + 1, false) == "\r"; }
bool IsTab(const Document& text, int index) { return text.Text(index, index + 1, false) == "\t"; }

// What a line holds, in order: runs of characters of one format (tabs taken out) and pictures.
struct LineVisitor {
    std::function<void(int x, int from, int to, const RunFont& font)> run;
    std::function<void(int x, const Picture& picture)> picture;
};

// Goes along a line from x = 0: tabs move to the next stop, each picture standing before a
// character (or at the line's end) and each run of characters of one format is handed to the
// visitor with where it begins; answers the line's width.
int WalkLine(const Document& text, int first, int end, HDC dc, Fonts& fonts, const LineVisitor& visit) {
    const std::vector<Picture>& pictures = text.Pictures();
    auto picture = std::lower_bound(pictures.begin(), pictures.end(), first,
                                    [](const Picture& p, int position) { return p.position < position; });
    int x = 0;
    for (int at = first;; ) {
        for (; picture != pictures.end() && picture->position == at; ++picture) {
            if (visit.picture) visit.picture(x, *picture);
            x += picture->width;
        }
        if (at >= end) break;
        if (IsTab(text, at)) {
            x = (x / kTabStop + 1) * kTabStop;
            ++at;
            continue;
        }
        const int stop = picture != pictures.end() ? std::min(end, picture->position) : end;
        int to = at + 1;
        while (to < stop && text.FormatIdAt(to) == text.FormatIdAt(at) && !IsTab(text, to)) ++to;
        const RunFont& font = fonts.Of(at);
        const std::string bytes = text.Text(at, to, false);
        HGDIOBJ old = ::SelectObject(dc, font.font);
        SIZE size{0, 0};
        ::GetTextExtentPoint32A(dc, bytes.c_str(), static_cast<int>(bytes.size()), &size);
        ::SelectObject(dc, old);
        if (visit.run) visit.run(x, at, to, font);
        x += size.cx;
        at = to;
    }
    return x;
}

// A picture's PNG data drawn into a rectangle.
void DrawPicture(HDC dc, const Picture& picture, int left, int top) {
    HBITMAP bitmap = gdi::CreateBitmapFromImage(picture.png->data(), picture.png->size(), nullptr);
    if (!bitmap) return;
    BITMAP info{};
    ::GetObject(bitmap, sizeof info, &info);
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, bitmap);
    ::StretchBlt(dc, left, top, picture.width, picture.height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
    ::DeleteObject(bitmap);
}

}  // namespace

void TextView::LayOut(const Document& text) {
    m_lines.clear();
    m_height = m_width = 0;
    m_laidOut = true;
    if (text.Empty()) return;
    HDC dc = ::CreateCompatibleDC(nullptr);
    {
        Fonts fonts(text, dc);
        const int length = text.Length();
        for (int first = 0;;) {
            int end = first;
            while (end < length && !IsParagraphEnd(text, end)) ++end;
            int up = 0, down = 0;
            LineVisitor measure;
            measure.run = [&](int, int, int, const RunFont& font) {
                up = std::max(up, font.ascent + font.rise);
                down = std::max(down, font.descent - font.rise);
            };
            measure.picture = [&](int, const Picture& picture) { up = std::max(up, picture.height); };  // on the baseline
            const int width = WalkLine(text, first, end, dc, fonts, measure);
            if (up + down == 0) {  // an empty line is as high as its paragraph end
                const RunFont& font = fonts.Of(std::min(end, length - 1));
                up = font.ascent + font.rise, down = font.descent - font.rise;
            }
            m_lines.push_back(Line{first, end, m_height, up + down, up, width});
            m_height += up + down;
            m_width = std::max(m_width, width);
            if (end >= length) break;
            first = end + 1;
        }
    }
    ::DeleteDC(dc);
}

TextView::Frame TextView::FrameOf(HWND window) const {
    Frame frame{};
    RECT client{0, 0, 0, 0};
    ::GetClientRect(window, &client);
    const DWORD style = static_cast<DWORD>(::GetWindowLong(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLong(window, GWL_EXSTYLE));
    CRect inner(&client);
    if ((style & WS_BORDER) || (exStyle & WS_EX_CLIENTEDGE)) inner.DeflateRect(kBorder, kBorder);
    CRect box = inner;
    auto tall = [&] { return m_height > box.Height() - kInset; };
    auto wide = [&] { return m_width > box.Width() - kInset; };
    frame.hasDown = (style & WS_VSCROLL) && tall();
    if (frame.hasDown) box.right -= metrics::kScrollBarWidth;
    frame.hasAcross = (style & WS_HSCROLL) && wide();
    if (frame.hasAcross) box.bottom -= metrics::kScrollBarWidth;
    if (frame.hasAcross && !frame.hasDown && (style & WS_VSCROLL) && tall()) {
        frame.hasDown = true;
        box.right -= metrics::kScrollBarWidth;
    }
    box.right = std::max(box.right, box.left), box.bottom = std::max(box.bottom, box.top);
    frame.box = box;
    frame.down = CRect(box.right, inner.top, inner.right, box.bottom);
    frame.across = CRect(inner.left, box.bottom, box.right, inner.bottom);
    return frame;
}

TextView::Frame TextView::Settle(HWND window) {
    const Frame frame = FrameOf(window);
    const CRect box(&frame.box);
    const int viewHeight = std::max(box.Height() - kInset, 0), viewWidth = std::max(box.Width() - kInset, 0);
    if (m_shown >= 0 && !m_lines.empty()) {
        auto line = std::upper_bound(m_lines.begin(), m_lines.end(), m_shown,
                                     [](int position, const Line& l) { return position < l.first; });
        if (line != m_lines.begin()) --line;
        if (line->top < m_scrollY) m_scrollY = line->top;
        else if (line->top + line->height > m_scrollY + viewHeight) m_scrollY = line->top + line->height - viewHeight;
        if (m_shown == line->first) m_scrollX = 0;
    }
    m_shown = -1;
    m_scrollY = std::clamp(m_scrollY, 0, std::max(m_height - viewHeight, 0));
    m_scrollX = std::clamp(m_scrollX, 0, std::max(m_width - viewWidth, 0));
    const SCROLLINFO down{sizeof(SCROLLINFO), SIF_ALL, 0, std::max(m_height - 1, 0), static_cast<UINT>(viewHeight), m_scrollY, 0};
    const SCROLLINFO across{sizeof(SCROLLINFO), SIF_ALL, 0, std::max(m_width - 1, 0), static_cast<UINT>(viewWidth), m_scrollX, 0};
    ::SetScrollInfo(window, SB_VERT, &down, FALSE);
    ::SetScrollInfo(window, SB_HORZ, &across, FALSE);
    return frame;
}

void TextView::Paint(HWND window, const Document& text, COLORREF background) {
    ControlPaintScope scope(window);
    if (!scope.dc) return;
    if (!m_laidOut) LayOut(text);
    const Frame frame = Settle(window);
    HDC dc = scope.dc;
    HBRUSH fill = ::CreateSolidBrush(background);
    ::FillRect(dc, &scope.client, fill);
    ::DeleteObject(fill);
    const DWORD style = static_cast<DWORD>(::GetWindowLong(window, GWL_STYLE));
    if ((style & WS_BORDER) || (::GetWindowLong(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
        RECT edge = scope.client;
        DrawEdge3D(dc, &edge, true);
    }

    const CRect box(&frame.box);
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    {
        Fonts fonts(text, dc);
        for (const Line& line : m_lines) {
            const int top = box.top + kInset + line.top - m_scrollY;
            if (top >= box.bottom) break;
            if (top + line.height <= box.top) continue;
            const int left = box.left + kInset - m_scrollX, baseline = top + line.ascent;
            LineVisitor draw;
            draw.run = [&](int x, int from, int to, const RunFont& font) {
                const std::string bytes = text.Text(from, to, false);
                ::SelectObject(dc, font.font);
                ::SetTextColor(dc, font.color);
                ::TextOutA(dc, left + x, baseline - font.rise, bytes.c_str(), static_cast<int>(bytes.size()));
            };
            draw.picture = [&](int x, const Picture& picture) { DrawPicture(dc, picture, left + x, baseline - picture.height); };
            WalkLine(text, line.first, line.end, dc, fonts, draw);
        }
        ::RestoreDC(dc, saved);  // the fonts are deselected before they go
    }

    const bool enabled = ::IsWindowEnabled(window) != FALSE;
    if (frame.hasDown) {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(window, SB_VERT, &info);
        DrawScrollBar(dc, frame.down, true, info, enabled);
    }
    if (frame.hasAcross) {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        ::GetScrollInfo(window, SB_HORZ, &info);
        DrawScrollBar(dc, frame.across, false, info, enabled);
    }
    if (frame.hasDown && frame.hasAcross) {
        FillSysColor(dc, CRect(frame.down.left, frame.across.top, frame.down.right, frame.across.bottom), COLOR_3DFACE);
    }
}

void TextView::Scroll(HWND window, const Document& text, bool vertical, int code, int thumb) {
    if (!m_laidOut) LayOut(text);
    const Frame frame = Settle(window);
    const CRect box(&frame.box);
    int& position = vertical ? m_scrollY : m_scrollX;
    const int page = std::max((vertical ? box.Height() : box.Width()) - kInset, 1);
    // A line down is to the next line's top, up to the top of the line before.
    auto lineStep = [&](bool forward) {
        if (!vertical) return position + (forward ? kTabStop : -kTabStop);
        if (forward) {
            for (const Line& line : m_lines)
                if (line.top > position) return line.top;
            return m_height;
        }
        int previous = 0;
        for (const Line& line : m_lines)
            if (line.top < position) previous = line.top;
        return previous;
    };
    switch (code) {
    case SB_LINEUP: position = lineStep(false); break;
    case SB_LINEDOWN: position = lineStep(true); break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = thumb; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = vertical ? m_height : m_width; break;
    default: return;
    }
    Settle(window);
    ::InvalidateRect(window, nullptr, TRUE);
}

}  // namespace qelt::rich
