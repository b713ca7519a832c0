#include "slab/irregular/AtypicalBoardEdgeDlg.h"

#include <cstdlib>


#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardInputRanges.h"
#include "slab/irregular/PlaneGeometry.h"

BEGIN_MESSAGE_MAP(CAtypicalBoardEdgeDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_BOARD_OUTLINE_BOX, OnOutlineBox)
    ON_BN_CLICKED(IDC_BOARD_HOLE_BOX, OnHoleBox)
    ON_CBN_SELCHANGE(IDC_BOARD_EDGE_TYPE, OnSelChangeEdgeType)
    ON_EN_KILLFOCUS(IDC_BOARD_THICKNESS, OnKillFocusThickness)
    ON_EN_KILLFOCUS(IDC_BOARD_CODE, OnKillFocusCode)
    ON_MESSAGE(WM_EDITCMB_COMMIT, OnCellEdit)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_BOARD_INSERT_NODE, OnInsertNode)
    ON_COMMAND(ID_BOARD_DELETE_NODE, OnDeleteNode)
    ON_COMMAND(ID_BOARD_DELETE_OUTLINE, OnDeleteOutline)
    ON_COMMAND(ID_BOARD_INSERT_HOLE_NODE, OnInsertHoleNode)
    ON_COMMAND(ID_BOARD_DELETE_HOLE_NODE, OnDeleteHoleNode)
    ON_COMMAND(ID_BOARD_DELETE_HOLE, OnDeleteHole)
    ON_NOTIFY(NM_RCLICK, IDC_BOARD_NODE_LIST, OnNodeListClick)
END_MESSAGE_MAP()

CAtypicalBoardEdgeDlg::CAtypicalBoardEdgeDlg(CWnd* pParent)
    : CCaltPageDlg(IDD_BOARD_EDGE, pParent), m_bOutline(0), m_bHole(0), m_hNotifyWnd(NULL), m_nThickness(0),
      m_pParam(NULL), m_pEdgeImages(NULL), m_nodes(m_NodeList), m_holes(m_HoleList)
{
}

CAtypicalBoardEdgeDlg::~CAtypicalBoardEdgeDlg()
{
    delete m_pEdgeImages;
}

void CAtypicalBoardEdgeDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOARD_HOLE_LIST, m_HoleList);
    DDX_Control(pDX, IDC_BOARD_NODE_LIST, m_NodeList);
    DDX_Control(pDX, IDC_BOARD_EDGE_TYPE, m_EdgeTypeCombo);
    DDX_Check(pDX, IDC_BOARD_OUTLINE_BOX, m_bOutline);
    DDX_Check(pDX, IDC_BOARD_HOLE_BOX, m_bHole);
    DDX_Text(pDX, IDC_BOARD_THICKNESS, m_nThickness);
    DDV_MinMaxInt(pDX, m_nThickness, static_cast<int>(kBoardLeastThickness), static_cast<int>(kBoardGreatestThickness));
}

int CAtypicalBoardEdgeDlg::SetParentWnd(CWnd* pWnd)
{
    m_hNotifyWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    return 1;
}

void CAtypicalBoardEdgeDlg::Notify(int nCode)
{
    NotifyBoardPage(m_hNotifyWnd, nCode);
}

void CAtypicalBoardEdgeDlg::FillEdgeTypeCombo()
{
    m_pEdgeImages = new CImageList;
    m_pEdgeImages->Create(23, 14, ILC_COLOR | ILC_MASK, 3, 0);
    for (UINT id : {IDB_BOARD_EDGE_SIMPLE, IDB_BOARD_EDGE_FIXED, IDB_BOARD_EDGE_FREE}) {
        CBitmap bitmap;
        bitmap.LoadBitmap(id);
        m_pEdgeImages->Add(&bitmap, 0xFFFFFF);
    }
    m_EdgeTypeCombo.SetImageList(m_pEdgeImages);
    const char* const texts[] = {"简支", "固支", "自由"};
    for (int i = 0; i < 3; ++i) {
        COMBOBOXEXITEM item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = i;
        item.pszText = const_cast<char*>(texts[i]);
        item.iImage = item.iSelectedImage = i;
        m_EdgeTypeCombo.InsertItem(&item);
    }
    m_EdgeTypeCombo.SetCurSel(0);
}

void CAtypicalBoardEdgeDlg::FillLists()
{
    m_nodes.Fill(m_pParam->m_BoardData.m_BoardPoly);
    m_holes.Fill(m_pParam->m_BoardData.m_HoleArray);
}

void CAtypicalBoardEdgeDlg::SettleModes()
{
    CWnd* pHoleBox = GetDlgItem(IDC_BOARD_HOLE_BOX);
    if (pHoleBox->IsWindowEnabled() && m_bHole == 1)
        EnableEdgeType(FALSE);
    if (m_bOutline != 1 && m_bHole != 1)
        m_bOutline = 1;
    UpdateData(FALSE);
}

BOOL CAtypicalBoardEdgeDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    m_nThickness = static_cast<int>(m_pParam->m_param.m_nBoardWidth);
    SetEditText(IDC_BOARD_CODE, m_pParam->m_strBoardCode);
    FillEdgeTypeCombo();
    m_pParam->m_nBoardLineType = 0;
    m_nodes.CreateColumns();
    m_holes.CreateColumns();
    FillLists();
    if (m_pParam->m_BoardData.m_HasBoard == 1) {
        GetDlgItem(IDC_BOARD_OUTLINE_BOX)->EnableWindow(FALSE);
        GetDlgItem(IDC_BOARD_HOLE_BOX)->EnableWindow(TRUE);
        EnableHoleList(TRUE);
        EnableEdgeType(FALSE);
    }
    SettleModes();
    return TRUE;
}

BOOL CAtypicalBoardEdgeDlg::RefreshLists()
{
    m_nThickness = static_cast<int>(m_pParam->m_param.m_nBoardWidth);
    FillLists();
    if (m_pParam->m_BoardData.m_HasBoard == 1) {
        OnHoleBox();
    } else {
        OnOutlineBox();
        GetDlgItem(IDC_BOARD_OUTLINE_BOX)->EnableWindow(TRUE);
    }
    SettleModes();
    return TRUE;
}

int CAtypicalBoardEdgeDlg::EnableNodeList(int bEnable)
{
    m_NodeList.EnableWindow(bEnable);
    return 1;
}

int CAtypicalBoardEdgeDlg::EnableHoleList(int bEnable)
{
    m_HoleList.EnableWindow(bEnable);
    return 1;
}

int CAtypicalBoardEdgeDlg::EnableEdgeType(int bEnable)
{
    m_EdgeTypeCombo.EnableWindow(bEnable);
    return 1;
}

int CAtypicalBoardEdgeDlg::IsHoleMode() const
{
    return m_bOutline != 1;
}

int CAtypicalBoardEdgeDlg::GetEdgeType() const
{
    return const_cast<CComboBoxEx&>(m_EdgeTypeCombo).GetCurSel();
}

int CAtypicalBoardEdgeDlg::SetEditMode(int bOutline)
{
    m_bOutline = bOutline ? 1 : 0;
    m_bHole = bOutline ? 0 : 1;
    m_pParam->m_nBoardType = bOutline ? BOARD_OUTLINE : BOARD_HOLE;
    m_pParam->m_nBoardLineType = bOutline ? GetEdgeType() : SEGMENT_HOLE_EDGE;
    UpdateData(FALSE);
    return 1;
}

void CAtypicalBoardEdgeDlg::OnOutlineBox()
{
    SetEditMode(1);
    EnableEdgeType(TRUE);
    Notify(BOARD_EDIT_OBJECT);
}

void CAtypicalBoardEdgeDlg::OnHoleBox()
{
    SetEditMode(0);
    EnableEdgeType(FALSE);
    Notify(BOARD_EDIT_OBJECT);
}

void CAtypicalBoardEdgeDlg::OnSelChangeEdgeType()
{
    const int selection = GetEdgeType();
    if (selection >= 0 && selection <= 2)
        m_pParam->m_nBoardLineType = selection;
}

void CAtypicalBoardEdgeDlg::OnKillFocusThickness()
{
    if (!UpdateData(TRUE))
        return;
    if (m_nThickness != m_pParam->m_param.m_nBoardWidth)
        m_pParam->m_bModified = 1;
    m_pParam->m_param.m_nBoardWidth = m_nThickness;
    UpdateData(FALSE);
}

void CAtypicalBoardEdgeDlg::OnKillFocusCode()
{
    m_pParam->m_strBoardCode = GetEditText(IDC_BOARD_CODE);
}

int CAtypicalBoardEdgeDlg::AddOutlinePointRow()
{
    const CBoardPolyline& work = m_pParam->m_BoardData.m_WorkPoly;
    if (work.GetBoardType() == BOARD_OUTLINE && work.GetCount() > 0)
        m_nodes.AddDrawnVertexRow(work, 0);
    return 1;
}

int CAtypicalBoardEdgeDlg::AddHolePointRow()
{
    const CBoardData& data = m_pParam->m_BoardData;
    if (data.m_WorkPoly.GetBoardType() == BOARD_HOLE && data.m_WorkPoly.GetCount() > 0)
        m_holes.AddDrawnVertexRow(data.m_WorkPoly, data.m_HoleArray.GetSize() + 1);
    return 1;
}

int CAtypicalBoardEdgeDlg::CheckFinishedOutline()
{
    CBoardData& data = m_pParam->m_BoardData;
    if (data.m_WorkPoly.GetCount() > 0)
        return 0;
    if (data.m_HasBoard == 0) {
        data.m_BoardPoly.Reset();
        m_NodeList.DeleteAllItems();
        return 0;
    }
    const int count = data.m_BoardPoly.GetCount();
    if (count == 0) {
        data.m_HasBoard = 0;
        m_NodeList.DeleteItem(m_NodeList.GetItemCount() - 1);
        return 0;
    }
    if (count == 1)
        return 0;
    return data.m_BoardPoly.GetBoardType() == BOARD_OUTLINE ? 1 : -1;
}

int CAtypicalBoardEdgeDlg::CheckFinishedHole()
{
    CBoardData& data = m_pParam->m_BoardData;
    if (data.m_WorkPoly.GetCount() > 0)
        return 0;
    const int holes = data.m_HoleArray.GetSize();
    if (holes == 0) {
        m_HoleList.DeleteAllItems();
        return 0;
    }
    const CBoardPolyline& last = data.m_HoleArray[holes - 1];
    if (last.GetCount() == 0) {
        data.m_HoleArray.RemoveAt(holes - 1);
        m_holes.RemoveElementRows(FormatNumber(holes));
        return 0;
    }
    if (last.GetCount() == 1)
        return 0;
    return last.GetBoardType() == BOARD_HOLE ? 1 : -1;
}

int CAtypicalBoardEdgeDlg::FinishOutline()
{
    const int check = CheckFinishedOutline();
    if (check == 1)
        m_nodes.AddClosingRow(m_pParam->m_BoardData.m_BoardPoly, 0, m_pParam->m_BoardData.m_BoardPoly.GetCount());
    return check != 0;
}

int CAtypicalBoardEdgeDlg::FinishHole()
{
    const int check = CheckFinishedHole();
    const CBoardData& data = m_pParam->m_BoardData;
    if (check == 1)
        m_holes.AddClosingRow(data.m_HoleArray[data.m_HoleArray.GetSize() - 1], data.m_HoleArray.GetSize());
    return check != 0;
}

void CAtypicalBoardEdgeDlg::AddCompletedRows(CBoardVertexList& list, const CBoardPolyline& poly, int number)
{
    for (int vertex = 1; vertex < poly.GetCount(); ++vertex) {
        const int row = list.m_list.GetItemCount();
        list.m_list.InsertItem(row, "");
        list.WriteRow(row, poly, number, vertex, vertex - 1);
    }
    list.AddClosingRow(poly, number);
}

int CAtypicalBoardEdgeDlg::AddCircleOutline()
{
    const int check = CheckFinishedOutline();
    if (check == 1)
        AddCompletedRows(m_nodes, m_pParam->m_BoardData.m_BoardPoly, 0);
    return check != 0;
}

int CAtypicalBoardEdgeDlg::AddRectOutline()
{
    return AddCircleOutline();
}

int CAtypicalBoardEdgeDlg::AddCircleHole()
{
    const int check = CheckFinishedHole();
    const CBoardData& data = m_pParam->m_BoardData;
    if (check == 1)
        AddCompletedRows(m_holes, data.m_HoleArray[data.m_HoleArray.GetSize() - 1], data.m_HoleArray.GetSize());
    return check != 0;
}

int CAtypicalBoardEdgeDlg::AddRectHole()
{
    return AddCircleHole();
}

LRESULT CAtypicalBoardEdgeDlg::OnCellEdit(WPARAM wParam, LPARAM)
{
    if (reinterpret_cast<HWND>(wParam) == m_NodeList.GetSafeHwnd())
        OnNodeCellEdit();
    else
        OnHoleCellEdit();
    Notify(BOARD_MODEL_CHANGED);
    return 0;
}

void CAtypicalBoardEdgeDlg::OnNodeCellEdit()
{
    CBoardPolyline& outline = m_pParam->m_BoardData.m_BoardPoly;
    const int row = m_NodeList.GetCurRow(), column = m_NodeList.GetCurCol();
    const int count = outline.GetCount();
    if (row < 1 || row > count)
        return;
    const BOOL closing = row == count;
    const int vertex = closing ? 0 : row;
    const int segment = closing ? count - 1 : row - 1;
    const CString text = m_NodeList.GetItemText(row, column);
    if (!m_nodes.ApplyGeometryCell(row, column, outline, 0)) {
        if (column == CBoardNodeList::COL_COLUMN)
            outline.SetHasColu(vertex, text == "是" ? 1 : 0);
        else if (column == CBoardNodeList::COL_SUPPORT)
            outline.SetLineType(segment, CBoardNodeList::SupportOfText(text));
    }
    if (closing)
        m_nodes.RenewFirstRow(row, 0);
}

void CAtypicalBoardEdgeDlg::OnHoleCellEdit()
{
    CBoardPolylineArray& holes = m_pParam->m_BoardData.m_HoleArray;
    const int row = m_HoleList.GetCurRow(), column = m_HoleList.GetCurCol();
    if (row < 0)
        return;
    const int hole = std::atoi(m_HoleList.GetItemText(row, CBoardHoleList::COL_HOLE)) - 1;
    if (hole < 0 || hole >= holes.GetSize())
        return;
    if (column == CBoardHoleList::COL_SUPPORT) {
        holes[hole].m_nHoleSupport = CBoardNodeList::SupportOfText(m_HoleList.GetItemText(row, column));
        m_holes.WriteSupports(holes);
        return;
    }
    CBoardPolyline poly = holes[hole];
    const int firstRow = CBoardVertexList::FirstRowOfElement(holes, hole);
    if (row <= firstRow || row > firstRow + poly.GetCount())
        return;
    m_holes.ApplyGeometryCell(row, column, poly, firstRow);
    holes[hole] = poly;
    if (row == firstRow + poly.GetCount())
        m_holes.RenewFirstRow(row, firstRow);
}

void CAtypicalBoardEdgeDlg::OnContextMenu(CWnd*, CPoint point)
{
    if (!TrackBoardListMenu(m_NodeList, IDR_BOARD_NODE_MENU, point, this))
        TrackBoardListMenu(m_HoleList, IDR_BOARD_HOLE_MENU, point, this);
}

void CAtypicalBoardEdgeDlg::OnNodeListClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CAtypicalBoardEdgeDlg::OnInsertNode()
{
    const int row = m_NodeList.GetCurRow();
    if (row < 1)
        return;
    m_nodes.InsertVertex(row, m_pParam->m_BoardData.m_BoardPoly, 0);
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardEdgeDlg::OnDeleteNode()
{
    const int row = m_NodeList.GetCurRow();
    if (row < 1)
        return;
    // A triangle that loses a vertex bounds nothing: the outline goes.
    if (m_NodeList.GetItemCount() < 5) {
        OnDeleteOutline();
        return;
    }
    m_nodes.DeleteVertex(row, m_pParam->m_BoardData.m_BoardPoly, 0);
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardEdgeDlg::OnDeleteOutline()
{
    m_NodeList.DeleteAllItems();
    m_pParam->m_BoardData.m_BoardPoly.Reset();
    m_pParam->m_BoardData.m_HasBoard = 0;
    Notify(BOARD_MODEL_CHANGED);
    GetDlgItem(IDC_BOARD_OUTLINE_BOX)->EnableWindow(TRUE);
    OnOutlineBox();
    EnableEdgeType(TRUE);
}

void CAtypicalBoardEdgeDlg::OnInsertHoleNode()
{
    const int row = m_HoleList.GetCurRow();
    CBoardPolylineArray& holes = m_pParam->m_BoardData.m_HoleArray;
    const int hole = row < 0 ? -1 : std::atoi(m_HoleList.GetItemText(row, 0)) - 1;
    if (hole < 0 || hole >= holes.GetSize())
        return;
    CBoardPolyline poly = holes[hole];
    m_holes.InsertVertex(row, poly, CBoardVertexList::FirstRowOfElement(holes, hole));
    holes[hole] = poly;
    m_holes.MarkFirstRows();
    m_holes.WriteSupports(holes);
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardEdgeDlg::DeleteHoleOfRow(int row)
{
    const CString number = m_HoleList.GetItemText(row, 0);
    const int hole = std::atoi(number) - 1;
    CBoardPolylineArray& holes = m_pParam->m_BoardData.m_HoleArray;
    if (hole < 0 || hole >= holes.GetSize())
        return;
    m_holes.RemoveElementRows(number);
    m_holes.MarkFirstRows();
    holes.RemoveAt(hole);
    m_holes.WriteSupports(holes);
    Notify(BOARD_MODEL_CHANGED);
    Notify(BOARD_PROMPT);
}

void CAtypicalBoardEdgeDlg::OnDeleteHoleNode()
{
    const int row = m_HoleList.GetCurRow();
    CBoardPolylineArray& holes = m_pParam->m_BoardData.m_HoleArray;
    const int hole = row < 0 ? -1 : std::atoi(m_HoleList.GetItemText(row, 0)) - 1;
    if (hole < 0 || hole >= holes.GetSize())
        return;
    if (holes[hole].GetCount() <= 3) {
        DeleteHoleOfRow(row);
        return;
    }
    CBoardPolyline poly = holes[hole];
    m_holes.DeleteVertex(row, poly, CBoardVertexList::FirstRowOfElement(holes, hole));
    holes[hole] = poly;
    m_holes.MarkFirstRows();
    m_holes.WriteSupports(holes);
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardEdgeDlg::OnDeleteHole()
{
    const int row = m_HoleList.GetCurRow();
    if (row >= 0)
        DeleteHoleOfRow(row);
}
