#include "beam/BeamWellPicture.h"

#include "framework/CodePicture.h"
#include "mfc/gdi/DC.h"
#include "mfc/user/Dialog.h"
#include "mfc/stdctrl/Static.h"
#include "resources/BeamWellResource.h"
#include "mfc/base/String.h"

namespace {

struct BEAMWELLPICTURE {
    int nVertical;
    int nHorizontal;
    int nId;
};

const BEAMWELLPICTURE s_pictures[] = {
    {2, 2, 2160},   {2, 3, 13354},  {2, 4, 13355},  {2, 5, 13356},  {3, 3, 13357},  {3, 4, 13358},
    {3, 5, 13359},  {4, 4, 13360},  {4, 5, 13361},  {4, 6, 13362},  {4, 7, 13363},  {5, 5, 13364},
    {5, 6, 13365},  {5, 7, 13366},  {5, 8, 13367},  {5, 9, 13368},  {6, 6, 13369},  {6, 7, 13370},
    {6, 8, 13371},  {6, 9, 13372},  {6, 10, 13373}, {7, 7, 13374},  {7, 8, 13375},  {7, 9, 13376},
    {7, 10, 13377}, {7, 11, 13378}, {7, 12, 13379}, {8, 8, 13380},  {8, 9, 13381},  {8, 10, 13382},
    {8, 11, 13383}, {8, 12, 13384}, {8, 13, 13353}, {9, 9, 13385},  {9, 10, 13386}, {9, 11, 13387},
};

const int kWidth = 250;
const int kHeight = 188;
const int kLeft = 34;    // room for the b chain
const int kTop = 18;     // room for the A labels
const int kRight = 22;   // room for the B labels
const int kBottom = 30;  // room for the a chain
const int kTick = 3;

// The label of the beam at place n (1 … nPanels − 1) of a family across nPanels panels.
CString BeamLabel(LPCTSTR lpszFamily, int n, int nPanels) {
    CString strLabel(lpszFamily);
    if (nPanels / 2 > 1) {
        CString strNumber;
        strNumber.Format("%d", n < nPanels - n ? n : nPanels - n);
        strLabel += strNumber;
    }
    return strLabel;
}

void CentredText(CDC& dc, int x, int y, const CString& strText) {
    const CSize size = dc.GetTextExtent(strText, strText.GetLength());
    dc.TextOut(x - size.cx / 2, y - size.cy / 2, strText);
}

void DrawGrid(CDC& dc, int nVertical, int nHorizontal) {
    dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
    const int nPanelW = (kWidth - kLeft - kRight) / nHorizontal;
    const int nPanelH = (kHeight - kTop - kBottom) / nVertical;
    const int nPanel = nPanelW < nPanelH ? nPanelW : nPanelH;
    const int x0 = kLeft + (kWidth - kLeft - kRight - nPanel * nHorizontal) / 2;
    const int y0 = kTop + (kHeight - kTop - kBottom - nPanel * nVertical) / 2;
    const int x1 = x0 + nPanel * nHorizontal;
    const int y1 = y0 + nPanel * nVertical;

    CFont font;
    font.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);

    // The beams, then the outline of the field over their ends.
    CPen penBeam(PS_SOLID, 2, RGB(255, 0, 0));
    CPen* pOldPen = dc.SelectObject(&penBeam);
    for (int i = 1; i < nHorizontal; ++i) {
        dc.MoveTo(x0 + i * nPanel, y0);
        dc.LineTo(x0 + i * nPanel, y1);
    }
    for (int j = 1; j < nVertical; ++j) {
        dc.MoveTo(x0, y0 + j * nPanel);
        dc.LineTo(x1, y0 + j * nPanel);
    }
    CPen penEdge(PS_SOLID, 2, RGB(0, 0, 0));
    dc.SelectObject(&penEdge);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(x0, y0, x1 + 1, y1 + 1);

    // Labels: A above the beams, B right of them, in red.
    dc.SetTextColor(RGB(255, 0, 0));
    for (int i = 1; i < nHorizontal; ++i) CentredText(dc, x0 + i * nPanel, y0 - 9, BeamLabel("A", i, nHorizontal));
    for (int j = 1; j < nVertical; ++j) CentredText(dc, x1 + 11, y0 + j * nPanel, BeamLabel("B", j, nVertical));

    // Dimension chains: a below the field, b left of it.
    CPen penDim(PS_SOLID, 1, RGB(0, 0, 0));
    dc.SelectObject(&penDim);
    dc.SetTextColor(RGB(0, 0, 0));
    const int yChain = y1 + 10;
    dc.MoveTo(x0, yChain);
    dc.LineTo(x1 + 1, yChain);
    for (int i = 0; i <= nHorizontal; ++i) {
        dc.MoveTo(x0 + i * nPanel - kTick, yChain + kTick);
        dc.LineTo(x0 + i * nPanel + kTick + 1, yChain - kTick - 1);
        if (i < nHorizontal) CentredText(dc, x0 + i * nPanel + nPanel / 2, yChain + 9, "a");
    }
    const int xChain = x0 - 10;
    dc.MoveTo(xChain, y0);
    dc.LineTo(xChain, y1 + 1);
    for (int j = 0; j <= nVertical; ++j) {
        dc.MoveTo(xChain - kTick, y0 + j * nPanel + kTick);
        dc.LineTo(xChain + kTick + 1, y0 + j * nPanel - kTick - 1);
        if (j < nVertical) CentredText(dc, xChain - 9, y0 + j * nPanel + nPanel / 2, "b");
    }

    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldFont);
}

}  // namespace

int BeamWellPictureId(int nVertical, int nHorizontal) {
    for (const BEAMWELLPICTURE& picture : s_pictures)
        if (picture.nVertical == nVertical && picture.nHorizontal == nHorizontal) return picture.nId;
    return 0;
}

BOOL CreateBeamWellPicture(CBitmap& bitmap, int nPictureId) {
    for (const BEAMWELLPICTURE& picture : s_pictures) {
        if (picture.nId != nPictureId) continue;
        return DrawCodePicture(bitmap, kWidth, kHeight,
                               [&](CDC& dc) { DrawGrid(dc, picture.nVertical, picture.nHorizontal); });
    }
    return FALSE;
}

void ShowBeamWellPicture(CDialog& page, CBitmap& bitmap, int nPictureId) {
    CStatic* pPicture = static_cast<CStatic*>(page.GetDlgItem(IDC_BW_PICTURE));
    if (pPicture == NULL) return;
    CBitmap picture;
    CreateBeamWellPicture(picture, nPictureId);
    pPicture->SetBitmap(static_cast<HBITMAP>(picture));
    bitmap.DeleteObject();
    bitmap.Attach(picture.Detach());
}
