// Bitmaps from the resources of a module: the image file that the resource compiler embedded.
#include <string>

#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/gdi/GdiImage.h"
#include "mfc/gdi/GdiObjects.h"
#include "mfc/user/Resources.h"
#include "mfc/user/WinUserApi.h"

HBITMAP LoadBitmapA(HINSTANCE module, LPCSTR name) {
    const qelt::res::BinaryResource* resource = qelt::FindBinaryResource(module, name, RT_BITMAP);
    if (!resource) {
        qelt::ReportMisuse("LoadBitmap: no bitmap %s", static_cast<LPCTSTR>(qelt::DescribeResourceName(name)));
        return nullptr;
    }
    std::string error;
    HBITMAP bitmap = qelt::gdi::CreateBitmapFromImage(resource->data, resource->size, &error);
    if (!bitmap)
        qelt::ReportMisuse("LoadBitmap: bitmap %s (%s): %s", static_cast<LPCTSTR>(qelt::DescribeResourceName(name)),
                           resource->fileName ? resource->fileName : "", error.c_str());
    return bitmap;
}

BOOL CBitmap::LoadBitmap(LPCTSTR name) {
    return Attach(::LoadBitmapA(AfxFindResourceHandle(name, RT_BITMAP), name));
}
