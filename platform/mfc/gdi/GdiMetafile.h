// Enhanced metafiles: a recorded picture with its frame, shared by its copies, kept in memory.
#pragma once

#include <memory>

#include "mfc/gdi/GdiRecording.h"
#include "win/WinTypes.h"

namespace qelt::gdi {

struct Metafile {
    std::shared_ptr<const Recording> recording;
    Bounds frame;  // device pixels: the frame given at creation, or else what was drawn
};

// The map of a metafile's frame onto a device rectangle (empty frame: no scaling).
Affine FrameToRect(const Bounds& frame, double left, double top, double right, double bottom);

// Null for a handle that is not a live metafile.
std::shared_ptr<const Metafile> FindMetafile(HENHMETAFILE handle);

}  // namespace qelt::gdi
