#include "mfc/comctl/ImageList.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/HandleMap.h"

namespace {

// The raster operation "destination AND NOT source": clears the image where the mask is white.
constexpr DWORD kDestAndNotSource = 0x00220326UL;

struct ImageListData {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    int count = 0;
    HBITMAP image = nullptr;
    HBITMAP mask = nullptr;  // only with ILC_MASK
    COLORREF background = CLR_NONE;
};

std::map<HIMAGELIST, std::unique_ptr<ImageListData>>& Lists() {
    static std::map<HIMAGELIST, std::unique_ptr<ImageListData>> lists;
    return lists;
}

// Leaked on purpose: objects destroyed at exit still find it.
qelt::HandleMap<HIMAGELIST, CImageList>& Objects() {
    static auto* map =
        new qelt::HandleMap<HIMAGELIST, CImageList>([](CImageList& list) { list.m_hImageList = nullptr; });
    return *map;
}

ImageListData* Find(HIMAGELIST handle, const char* caller) {
    auto found = Lists().find(handle);
    if (found == Lists().end()) {
        qelt::ReportMisuse("%s: %p is not an image list", caller, static_cast<void*>(handle));
        return nullptr;
    }
    return found->second.get();
}

bool CheckIndex(const ImageListData& list, int index, const char* caller) {
    if (index >= 0 && index < list.count) return true;
    qelt::ReportMisuse("%s: image %d is not in the list of %d", caller, index, list.count);
    return false;
}

// A memory DC with a bitmap selected, for the life of the object.
class BitmapDc {
public:
    explicit BitmapDc(HBITMAP bitmap) : m_dc(CreateCompatibleDC(nullptr)), m_old(SelectObject(m_dc, bitmap)) {}
    ~BitmapDc() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    BitmapDc(const BitmapDc&) = delete;
    BitmapDc& operator=(const BitmapDc&) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

bool WidthOf(HBITMAP bitmap, int* width) {
    BITMAP info{};
    if (!bitmap || GetObject(bitmap, sizeof info, &info) != sizeof info) return false;
    *width = info.bmWidth;
    return true;
}

// Gives the list room for exactly `count` images, keeping the images that still fit.
void Resize(ImageListData& list, int count) {
    const int width = list.cx * std::max(count, 1);
    HBITMAP image = CreateBitmap(width, list.cy, 1, 32, nullptr);
    HBITMAP mask = (list.flags & ILC_MASK) ? CreateBitmap(width, list.cy, 1, 1, nullptr) : nullptr;
    const int kept = std::min(count, list.count) * list.cx;
    if (list.image && kept > 0) {
        BitmapDc from(list.image), to(image);
        BitBlt(to, 0, 0, kept, list.cy, from, 0, 0, SRCCOPY);
    }
    if (list.mask && mask && kept > 0) {
        BitmapDc from(list.mask), to(mask);
        BitBlt(to, 0, 0, kept, list.cy, from, 0, 0, SRCCOPY);
    }
    if (list.image) DeleteObject(list.image);
    if (list.mask) DeleteObject(list.mask);
    list.image = image;
    list.mask = mask;
    list.count = count;
}

// Copies n images from a bitmap into the slots from `slot` on, with their mask: the given mask
// bitmap, the pixels of maskColour, or none (opaque). Transparent pixels of a masked image are made
// black, so that drawing is the mask ANDed and the image ORed.
void PutImages(ImageListData& list, int slot, int n, HBITMAP image, HBITMAP mask,
               std::optional<COLORREF> maskColour) {
    const int x = slot * list.cx, width = n * list.cx;
    BitmapDc source(image), target(list.image);
    BitBlt(target, x, 0, width, list.cy, source, 0, 0, SRCCOPY);
    if (!list.mask) return;
    BitmapDc maskTarget(list.mask);
    if (mask) {
        BitmapDc maskSource(mask);
        BitBlt(maskTarget, x, 0, width, list.cy, maskSource, 0, 0, SRCCOPY);
    } else if (maskColour) {
        SetBkColor(source, *maskColour);  // colour to monochrome: the background colour turns white
        BitBlt(maskTarget, x, 0, width, list.cy, source, 0, 0, SRCCOPY);
    } else {
        PatBlt(maskTarget, x, 0, width, list.cy, BLACKNESS);
    }
    SetTextColor(target, RGB(0, 0, 0));
    SetBkColor(target, RGB(255, 255, 255));
    BitBlt(target, x, 0, width, list.cy, maskTarget, x, 0, kDestAndNotSource);
}

int AddImages(HIMAGELIST handle, HBITMAP image, HBITMAP mask, std::optional<COLORREF> maskColour,
              const char* caller) {
    ImageListData* list = Find(handle, caller);
    if (!list) return -1;
    int width = 0;
    if (!WidthOf(image, &width)) {
        qelt::ReportMisuse("%s: %p is not a bitmap", caller, static_cast<void*>(image));
        return -1;
    }
    const int n = width / list->cx;
    if (n < 1) {
        qelt::ReportMisuse("%s: a bitmap %d pixels wide holds no image %d pixels wide", caller, width, list->cx);
        return -1;
    }
    const int first = list->count;
    Resize(*list, first + n);
    PutImages(*list, first, n, image, mask, maskColour);
    return first;
}

// Image `index` mixed with the highlight colour (weight quarters of it), as a new cx × cy bitmap
// whose transparent pixels stay black.
HBITMAP Blended(const ImageListData& list, int index, int weight) {
    HBITMAP blended = CreateBitmap(list.cx, list.cy, 1, 32, nullptr);
    {
        BitmapDc source(list.image), target(blended);
        BitBlt(target, 0, 0, list.cx, list.cy, source, index * list.cx, 0, SRCCOPY);
    }
    std::vector<unsigned char> bits(static_cast<size_t>(list.cx) * list.cy * 4);
    GetBitmapBits(blended, static_cast<LONG>(bits.size()), bits.data());
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const int mix[3] = {GetBValue(highlight), GetGValue(highlight), GetRValue(highlight)};
    for (size_t p = 0; p < bits.size(); p += 4) {
        for (int c = 0; c < 3; ++c) bits[p + c] = static_cast<unsigned char>((bits[p + c] * (4 - weight) + mix[c] * weight) / 4);
    }
    SetBitmapBits(blended, static_cast<DWORD>(bits.size()), bits.data());
    if (list.mask) {
        BitmapDc mask(list.mask), target(blended);
        SetTextColor(target, RGB(0, 0, 0));
        SetBkColor(target, RGB(255, 255, 255));
        BitBlt(target, 0, 0, list.cx, list.cy, mask, index * list.cx, 0, kDestAndNotSource);
    }
    return blended;
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (cx <= 0 || cy <= 0 || initial < 0 || grow < 0) {
        qelt::ReportMisuse("ImageList_Create: images of %d x %d (initial %d, grow %d)", cx, cy, initial, grow);
        return nullptr;
    }
    static std::uintptr_t next = 0x10000;
    next += 0x10;
    auto handle = reinterpret_cast<HIMAGELIST>(next);
    auto list = std::make_unique<ImageListData>();
    list->cx = cx, list->cy = cy, list->flags = flags;
    Resize(*list, 0);
    Lists().emplace(handle, std::move(list));
    return handle;
}

BOOL ImageList_Destroy(HIMAGELIST handle) {
    ImageListData* list = Find(handle, "ImageList_Destroy");
    if (!list) return FALSE;
    DeleteObject(list->image);
    if (list->mask) DeleteObject(list->mask);
    Lists().erase(handle);
    // The objects standing for the list let go of it.
    Objects().Retire(handle);
    if (CImageList* owner = Objects().FindAttached(handle)) owner->Detach();
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST handle) {
    ImageListData* list = Find(handle, "ImageList_GetImageCount");
    return list ? list->count : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* cx, int* cy) {
    ImageListData* list = Find(handle, "ImageList_GetIconSize");
    if (!list || !cx || !cy) return FALSE;
    *cx = list->cx, *cy = list->cy;
    return TRUE;
}

int ImageList_Add(HIMAGELIST handle, HBITMAP image, HBITMAP mask) {
    return AddImages(handle, image, mask, std::nullopt, "ImageList_Add");
}

int ImageList_AddMasked(HIMAGELIST handle, HBITMAP image, COLORREF mask) {
    return AddImages(handle, image, nullptr, mask, "ImageList_AddMasked");
}

BOOL ImageList_Replace(HIMAGELIST handle, int index, HBITMAP image, HBITMAP mask) {
    ImageListData* list = Find(handle, "ImageList_Replace");
    if (!list || !CheckIndex(*list, index, "ImageList_Replace")) return FALSE;
    int width = 0;
    if (!WidthOf(image, &width)) {
        qelt::ReportMisuse("ImageList_Replace: %p is not a bitmap", static_cast<void*>(image));
        return FALSE;
    }
    PutImages(*list, index, 1, image, mask, std::nullopt);
    return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST handle, int index) {
    ImageListData* list = Find(handle, "ImageList_Remove");
    if (!list) return FALSE;
    if (index == -1) {
        Resize(*list, 0);
        return TRUE;
    }
    if (!CheckIndex(*list, index, "ImageList_Remove")) return FALSE;
    // The images after it move one place to the left.
    const int x = index * list->cx, rest = (list->count - index - 1) * list->cx;
    if (rest > 0) {
        for (HBITMAP bitmap : {list->image, list->mask}) {
            if (!bitmap) continue;
            BitmapDc dc(bitmap);
            BitBlt(dc, x, 0, rest, list->cy, dc, x + list->cx, 0, SRCCOPY);
        }
    }
    Resize(*list, list->count - 1);
    return TRUE;
}

BOOL ImageList_GetImageInfo(HIMAGELIST handle, int index, IMAGEINFO* info) {
    ImageListData* list = Find(handle, "ImageList_GetImageInfo");
    if (!list || !info || !CheckIndex(*list, index, "ImageList_GetImageInfo")) return FALSE;
    *info = IMAGEINFO{};
    info->hbmImage = list->image;
    info->hbmMask = list->mask;
    info->rcImage = RECT{index * list->cx, 0, (index + 1) * list->cx, list->cy};
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST handle, int index, HDC dc, int x, int y, UINT style) {
    ImageListData* list = Find(handle, "ImageList_Draw");
    if (!list || !CheckIndex(*list, index, "ImageList_Draw")) return FALSE;
    const int weight = (style & ILD_BLEND50) ? 2 : (style & ILD_BLEND25) ? 1 : 0;
    HBITMAP blended = weight ? Blended(*list, index, weight) : nullptr;
    const int imageX = blended ? 0 : index * list->cx;
    // Monochrome masks turn white into white and black into black only with these colours.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
    if (style & ILD_MASK) {
        if (list->mask) {
            BitmapDc mask(list->mask);
            BitBlt(dc, x, y, list->cx, list->cy, mask, index * list->cx, 0, SRCCOPY);
        } else {
            PatBlt(dc, x, y, list->cx, list->cy, BLACKNESS);
        }
    } else if (!list->mask) {
        BitmapDc image(blended ? blended : list->image);
        BitBlt(dc, x, y, list->cx, list->cy, image, imageX, 0, SRCCOPY);
    } else {
        if (!(style & ILD_TRANSPARENT) && list->background != CLR_NONE) {
            HBRUSH brush = CreateSolidBrush(list->background);
            const RECT area{x, y, x + list->cx, y + list->cy};
            FillRect(dc, &area, brush);
            DeleteObject(brush);
        }
        BitmapDc mask(list->mask), image(blended ? blended : list->image);
        BitBlt(dc, x, y, list->cx, list->cy, mask, index * list->cx, 0, SRCAND);
        BitBlt(dc, x, y, list->cx, list->cy, image, imageX, 0, SRCPAINT);
    }
    SetTextColor(dc, text);
    SetBkColor(dc, background);
    if (blended) DeleteObject(blended);
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST handle, COLORREF color) {
    ImageListData* list = Find(handle, "ImageList_SetBkColor");
    if (!list) return CLR_NONE;
    const COLORREF previous = list->background;
    list->background = color;
    return previous;
}

COLORREF ImageList_GetBkColor(HIMAGELIST handle) {
    ImageListData* list = Find(handle, "ImageList_GetBkColor");
    return list ? list->background : CLR_NONE;
}

// ---------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::~CImageList() { DeleteImageList(); }

CImageList* CImageList::FromHandle(HIMAGELIST handle) {
    // Only a live list gets a temporary object.
    return Objects().FindOrMake(handle, [handle]() -> std::unique_ptr<CImageList> {
        if (!Find(handle, "CImageList::FromHandle")) return nullptr;
        auto object = std::make_unique<CImageList>();
        object->m_hImageList = handle;
        return object;
    });
}

BOOL CImageList::Attach(HIMAGELIST handle) {
    if (m_hImageList || !handle || Objects().FindAttached(handle) || !Find(handle, "CImageList::Attach")) return FALSE;
    Objects().Attach(handle, this);
    m_hImageList = handle;
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST handle = m_hImageList;
    Objects().Detach(handle, this);
    m_hImageList = nullptr;
    return handle;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    if (m_hImageList) {
        qelt::ReportMisuse("CImageList::Create: the object already holds an image list");
        return FALSE;
    }
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    return ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
    return ImageList_Add(m_hImageList, pbmImage ? static_cast<HBITMAP>(*pbmImage) : nullptr,
                         pbmMask ? static_cast<HBITMAP>(*pbmMask) : nullptr);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return ImageList_AddMasked(m_hImageList, pbmImage ? static_cast<HBITMAP>(*pbmImage) : nullptr, crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
    return ImageList_Replace(m_hImageList, nImage, pbmImage ? static_cast<HBITMAP>(*pbmImage) : nullptr,
                             pbmMask ? static_cast<HBITMAP>(*pbmMask) : nullptr);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    if (!pDC) {
        qelt::ReportMisuse("CImageList::Draw: no device context");
        return FALSE;
    }
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
