// Enhanced metafiles: recording through a metafile DC, closing it into a handle, copying, playing it
// into a rectangle of another DC, deleting it.
#include <cmath>
#include <unordered_map>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiDeviceContext.h"
#include "mfc/gdi/DC.h"
#include "mfc/gdi/GdiMetafile.h"

using namespace qelt::gdi;

namespace {

constexpr double kPixelsPerHundredthMm = 96 / 2540.0;

std::unordered_map<const void*, std::shared_ptr<const Metafile>>& Table() {
    static auto* table = new std::unordered_map<const void*, std::shared_ptr<const Metafile>>();
    return *table;
}

HENHMETAFILE Add(std::shared_ptr<const Metafile> metafile) {
    void* handle = NewHandleValue();
    Table()[handle] = std::move(metafile);
    return static_cast<HENHMETAFILE>(handle);
}

}  // namespace

Affine qelt::gdi::FrameToRect(const Bounds& f, double left, double top, double right, double bottom) {
    Affine affine;
    affine.sx = f.right > f.left ? (right - left) / (f.right - f.left) : 1;
    affine.sy = f.bottom > f.top ? (bottom - top) / (f.bottom - f.top) : 1;
    affine.tx = left - (f.empty ? 0 : f.left) * affine.sx;
    affine.ty = top - (f.empty ? 0 : f.top) * affine.sy;
    return affine;
}

std::shared_ptr<const Metafile> qelt::gdi::FindMetafile(HENHMETAFILE handle) {
    auto it = Table().find(handle);
    return it == Table().end() ? nullptr : it->second;
}

HDC CreateEnhMetaFileA(HDC reference, LPCSTR file, const RECT* frame, LPCSTR) {
    if (reference && !CheckDc(reference, "CreateEnhMetaFile")) return nullptr;
    if (file) {
        qelt::ReportMisuse("CreateEnhMetaFile: metafiles are kept in memory; no file \"%s\"", file);
        return nullptr;
    }
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = DcKind::Metafile;
    dc->recording = std::make_shared<Recording>();
    if (frame) dc->frame = *frame;
    return AddDc(std::move(dc));
}

HENHMETAFILE CloseEnhMetaFile(HDC hdc) {
    DeviceContext* found = CheckDc(hdc, "CloseEnhMetaFile");
    if (!found) return nullptr;
    if (found->kind != DcKind::Metafile) {
        qelt::ReportMisuse("CloseEnhMetaFile: the device context is not a metafile DC");
        return nullptr;
    }
    std::unique_ptr<DeviceContext> dc = RemoveDc(hdc);
    ForgetTemporaryDc(hdc);
    auto metafile = std::make_shared<Metafile>();
    if (dc->frame) {
        const RECT& f = *dc->frame;
        metafile->frame.Add(f.left * kPixelsPerHundredthMm, f.top * kPixelsPerHundredthMm);
        metafile->frame.Add(f.right * kPixelsPerHundredthMm, f.bottom * kPixelsPerHundredthMm);
    } else {
        for (const Record& r : dc->recording->records) {
            Bounds b = RecordExtent(r);
            if (r.clip && !b.empty) {
                const RECT box = r.clip->Box();
                b.left = std::max<double>(b.left, box.left), b.top = std::max<double>(b.top, box.top);
                b.right = std::min<double>(b.right, box.right), b.bottom = std::min<double>(b.bottom, box.bottom);
                if (b.left >= b.right || b.top >= b.bottom) continue;
            }
            metafile->frame.Add(b);
        }
        if (!metafile->frame.empty) {
            Bounds& f = metafile->frame;
            f.left = std::floor(f.left), f.top = std::floor(f.top), f.right = std::ceil(f.right), f.bottom = std::ceil(f.bottom);
        }
    }
    metafile->recording = std::move(dc->recording);
    return Add(std::move(metafile));
}

HENHMETAFILE CopyEnhMetaFileA(HENHMETAFILE handle, LPCSTR file) {
    std::shared_ptr<const Metafile> metafile = FindMetafile(handle);
    if (!metafile) {
        qelt::ReportMisuse("CopyEnhMetaFile: %p is not a metafile", static_cast<void*>(handle));
        return nullptr;
    }
    if (file) {
        qelt::ReportMisuse("CopyEnhMetaFile: metafiles are kept in memory; no file \"%s\"", file);
        return nullptr;
    }
    return Add(metafile);  // the picture never changes, so copies share it
}

BOOL DeleteEnhMetaFile(HENHMETAFILE handle) {
    if (Table().erase(handle) == 0) {
        qelt::ReportMisuse("DeleteEnhMetaFile: %p is not a metafile", static_cast<void*>(handle));
        return FALSE;
    }
    return TRUE;
}

BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE handle, const RECT* rect) {
    DeviceContext* dc = CheckDc(hdc, "PlayEnhMetaFile");
    if (!dc) return FALSE;
    std::shared_ptr<const Metafile> metafile = FindMetafile(handle);
    if (!metafile || !rect) {
        qelt::ReportMisuse("PlayEnhMetaFile: %s", rect ? "not a metafile" : "no rectangle");
        return FALSE;
    }
    if (metafile->frame.empty) return TRUE;
    const POINT a = dc->ToDevice(rect->left, rect->top), b = dc->ToDevice(rect->right, rect->bottom);
    const Affine affine = FrameToRect(metafile->frame, a.x, a.y, b.x, b.y);
    for (const Record& record : metafile->recording->records) Emit(*dc, TransformRecord(record, affine));
    return TRUE;
}
