// Image lists: images of one size kept side by side in one bitmap (image i at x = i · cx), with a
// monochrome mask beside them when the list was created with ILC_MASK (white where the image is
// transparent). The platform's functions act on HIMAGELIST handles; CImageList wraps one.
//
// Drawing with a mask draws the image over what is there (ILD_TRANSPARENT, or a list whose
// background colour is CLR_NONE) or over the list's background colour; ILD_BLEND25 and ILD_BLEND50
// mix the image with the system highlight colour by a quarter or a half; ILD_MASK draws the mask.
// Overlay images are not kept.
#pragma once

#include "mfc/gdi/DC.h"
#include "mfc/gdi/GdiObjects.h"
#include "mfc/base/Object.h"
#include "win/CommCtrl.h"

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Adds the images of a bitmap (its width / cx of them); returns the first new index, -1 on failure.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// The same, the mask made of the pixels of colour mask.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
BOOL ImageList_Remove(HIMAGELIST list, int index);  // -1 removes every image
BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);

class CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;  // destroys the list it holds
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // The object attached to a handle, or a temporary one that lives until the list is destroyed;
    // null for a null handle.
    static CImageList* FromHandle(HIMAGELIST handle);
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST handle);
    HIMAGELIST Detach();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    BOOL DeleteImageList();

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }

    HIMAGELIST m_hImageList = nullptr;
};
