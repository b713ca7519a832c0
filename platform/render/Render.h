// Pictures as files: a bitmap as PNG (its pixels) or SVG (what was drawn into it), a metafile played
// into a size on white. The same drawing gives the same bytes every time.
#pragma once

#include <string>

#include "win/Windows.h"

namespace qelt::render {

enum class Format { Png, Svg };

// Empty, with a misuse reported, for a handle that is not a live bitmap.
std::string RenderBitmap(HBITMAP bitmap, Format format);
// The metafile's frame mapped onto width x height pixels (0, 0: the frame's own size); empty, with a
// misuse reported, for a handle that is not a live metafile or a size that is not positive.
std::string RenderMetafile(HENHMETAFILE metafile, int width, int height, Format format);

// What has been drawn in a window's client area, on white; empty, with a misuse reported, for a
// window that nothing was drawn in.
std::string RenderWindow(HWND window, Format format);

// A window as a person would see it, as PNG: the window and all its visible descendants painted
// afresh (WM_ERASEBKGND, WM_CTLCOLOR…, WM_PAINT as the window manager sends them) and laid into one
// picture, parents beneath children, later siblings above earlier ones, each clipped to its
// ancestors; a window with a caption gets its frame and caption bar around the client area. A
// layered window (WS_EX_LAYERED) is blended with its opacity over what lies beneath it: the
// visible windows of the top level made before it, at their places on the screen. Empty, with a
// misuse reported, for a window that is not live or has no area.
std::string SnapWindow(HWND window);

inline std::string BitmapToPng(HBITMAP bitmap) { return RenderBitmap(bitmap, Format::Png); }
inline std::string MetafileToPng(HENHMETAFILE metafile, int width, int height) {
    return RenderMetafile(metafile, width, height, Format::Png);
}

// Writes bytes to a file; false with the reason in error when it cannot.
bool WriteFile(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace qelt::render
