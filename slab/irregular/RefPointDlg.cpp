#include "slab/irregular/RefPointDlg.h"

#include <cstdlib>

#include "resources/IrregularSlabResource.h"

namespace {

const char* const kOutlineItem = "板边";
const char* const kHoleItem = "洞口";

// Where a vertex item under "板边" comes from: the outline, or the outline being drawn.
enum { FROM_OUTLINE = 0, FROM_WORK_POLYLINE = 1 };

// The point of vertex number (from 1) of a polyline; FALSE when it has no such vertex.
BOOL VertexOf(const CBoardPolyline& poly, int number, AcGePoint3d& point)
{
    if (number < 1 || number > poly.GetCount())
        return FALSE;
    point = poly.GetPoint(number - 1);
    return TRUE;
}

}  // namespace

BEGIN_MESSAGE_MAP(CRefPointDlg, CCaltPageDlg)
    ON_NOTIFY(NM_DBLCLK, IDC_BOARD_REF_TREE, OnDblClkTree)
END_MESSAGE_MAP()

CRefPointDlg::CRefPointDlg(CWnd* pParent) : CCaltPageDlg(IDD_BOARD_REF_POINT, pParent), m_pBoardData(NULL) {}

void CRefPointDlg::SetBoard(CBoardData* pBoardData)
{
    m_pBoardData = pBoardData;
}

AcGePoint3d CRefPointDlg::GetPoint() const
{
    return m_ptChosen;
}

void CRefPointDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOARD_REF_TREE, m_tree);
}

BOOL CRefPointDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ModifyStyleEx(0, WS_EX_LAYERED);
    SetLayeredWindowAttributes(0, 254, LWA_ALPHA);
    FillTree();
    return TRUE;
}

void CRefPointDlg::AddVertexItems(HTREEITEM parent, const CBoardPolyline& poly, DWORD_PTR source)
{
    for (int i = 0; i < poly.GetCount(); ++i) {
        const AcGePoint3d p = poly.GetPoint(i);
        CString text;
        text.Format("%d (%.0f, %.0f) ", i + 1, p.x, p.y);
        m_tree.SetItemData(m_tree.InsertItem(text, parent), source);
    }
}

void CRefPointDlg::FillTree()
{
    if (!m_pBoardData)
        return;
    const HTREEITEM outline = m_tree.InsertItem(kOutlineItem);
    AddVertexItems(outline, m_pBoardData->m_BoardPoly, FROM_OUTLINE);
    if (m_pBoardData->m_WorkPoly.GetBoardType() == BOARD_OUTLINE)
        AddVertexItems(outline, m_pBoardData->m_WorkPoly, FROM_WORK_POLYLINE);
    for (int k = 0; k < m_pBoardData->m_HoleArray.GetSize(); ++k) {
        CString title;
        title.Format("%s%d", kHoleItem, k + 1);
        AddVertexItems(m_tree.InsertItem(title), m_pBoardData->m_HoleArray[k], FROM_OUTLINE);
    }
    m_tree.Expand(outline, TVE_EXPAND);
}

BOOL CRefPointDlg::GetSelectedPoint()
{
    const HTREEITEM item = m_tree.GetSelectedItem();
    const HTREEITEM parent = item ? m_tree.GetParentItem(item) : NULL;
    if (!parent) {
        AfxMessageBox("请选择参照点", MB_OK);
        return FALSE;
    }
    const int number = std::atoi(m_tree.GetItemText(item));
    const CString parentText = m_tree.GetItemText(parent);
    if (parentText == kOutlineItem) {
        // An item of the outline being drawn names its own vertex, not the outline's of that number.
        const BOOL fromWork = m_tree.GetItemData(item) == FROM_WORK_POLYLINE || m_pBoardData->m_BoardPoly.GetCount() == 0;
        return VertexOf(fromWork ? m_pBoardData->m_WorkPoly : m_pBoardData->m_BoardPoly, number, m_ptChosen);
    }
    const int hole = std::atoi(parentText.Mid(CString(kHoleItem).GetLength()));
    if (hole <= 0 || hole > m_pBoardData->m_HoleArray.GetSize())
        return FALSE;
    return VertexOf(m_pBoardData->m_HoleArray[hole - 1], number, m_ptChosen);
}

void CRefPointDlg::OnOK()
{
    if (GetSelectedPoint())
        EndDialog(IDOK);
}

void CRefPointDlg::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CRefPointDlg::OnDblClkTree(NMHDR*, LRESULT* pResult)
{
    if (GetSelectedPoint())
        EndDialog(IDOK);
    *pResult = 0;
}
