#include "mfc/user/ScrollBarParts.h"

#include <algorithm>

namespace qelt {

ScrollBarParts ScrollBarPartsOf(const RECT& rect, bool vertical, const SCROLLINFO& info) {
    const CRect bar(&rect);
    const int thickness = vertical ? bar.Width() : bar.Height();
    const int length = vertical ? bar.Height() : bar.Width();
    const int arrow = std::min(thickness, length / 2);
    // A stretch [from, to) along the bar, across its whole thickness.
    auto along = [&](int from, int to) {
        return vertical ? CRect(bar.left, bar.top + from, bar.right, bar.top + to)
                        : CRect(bar.left + from, bar.top, bar.left + to, bar.bottom);
    };
    ScrollBarParts parts;
    parts.back = along(0, arrow);
    parts.forward = along(length - arrow, length);
    const int track = length - 2 * arrow;
    if (track <= 0) return parts;
    parts.track = along(arrow, length - arrow);
    const int range = info.nMax - info.nMin + 1;
    if (range <= 1) return parts;
    const int limit = std::max(info.nMin, info.nMax - std::max(static_cast<int>(info.nPage) - 1, 0));
    const int thumb = info.nPage > 0
                          ? std::clamp(static_cast<int>(static_cast<long long>(track) * info.nPage / range), 8, track)
                          : std::min(thickness, track);
    const int travel = limit - info.nMin;
    const int offset = travel > 0 ? static_cast<int>(static_cast<long long>(track - thumb) *
                                                     (std::clamp(info.nPos, info.nMin, limit) - info.nMin) / travel)
                                  : 0;
    parts.thumb = along(arrow + offset, arrow + offset + thumb);
    return parts;
}

int ScrollBarRequestAt(const RECT& bar, bool vertical, const SCROLLINFO& info, POINT point) {
    const ScrollBarParts parts = ScrollBarPartsOf(bar, vertical, info);
    if (parts.back.PtInRect(point)) return SB_LINEUP;
    if (parts.forward.PtInRect(point)) return SB_LINEDOWN;
    if (!parts.track.PtInRect(point) || parts.thumb.IsRectEmpty() || parts.thumb.PtInRect(point)) return -1;
    const bool before = vertical ? point.y < parts.thumb.top : point.x < parts.thumb.left;
    return before ? SB_PAGEUP : SB_PAGEDOWN;
}

}  // namespace qelt
