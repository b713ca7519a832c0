#include "slab/irregular/AtypicalBoardLoadDlg.h"

#include <cstdlib>

#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardInputRanges.h"

namespace {

enum { MASS_NUMBER, MASS_KIND, MASS_X, MASS_Y, MASS_VALUE };

}  // namespace

BEGIN_MESSAGE_MAP(CAtypicalBoardLoadDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_BOARD_MASS_BOX, OnMassBox)
    ON_BN_CLICKED(IDC_BOARD_PART_BOX, OnPartBox)
    ON_BN_CLICKED(IDC_BOARD_SELF_WEIGHT, OnSelfWeight)
    ON_EN_KILLFOCUS(IDC_BOARD_DEAD_LOAD, OnKillFocusDeadLoad)
    ON_EN_KILLFOCUS(IDC_BOARD_LIVE_LOAD, OnKillFocusLiveLoad)
    ON_EN_KILLFOCUS(IDC_BOARD_MASS_DEFAULT, OnKillFocusMassDefault)
    ON_EN_KILLFOCUS(IDC_BOARD_PART_DEFAULT, OnKillFocusPartDefault)
    ON_MESSAGE(WM_EDITCMB_COMMIT, OnCellEdit)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_BOARD_DELETE_MASS, OnDeleteMass)
    ON_COMMAND(ID_BOARD_INSERT_CORNER, OnInsertCorner)
    ON_COMMAND(ID_BOARD_DELETE_CORNER, OnDeleteCorner)
    ON_COMMAND(ID_BOARD_DELETE_PART, OnDeletePart)
END_MESSAGE_MAP()

CAtypicalBoardLoadDlg::CAtypicalBoardLoadDlg(CWnd* pParent)
    : CCaltPageDlg(IDD_BOARD_LOAD, pParent), m_pParam(NULL), m_dEverLoad(0.0), m_dActLoad(0.0), m_bMass(0), m_bPart(0),
      m_dMassDefault(0.0), m_dPartDefault(0.0), m_hNotifyWnd(NULL), m_parts(m_PartList)
{
    FillLoadKindChoices(m_kinds);
}

void CAtypicalBoardLoadDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOARD_PART_LIST, m_PartList);
    DDX_Control(pDX, IDC_BOARD_MASS_LIST, m_MassList);
    // Loads are numbers within ±kBoardLoadLimit.
    DDX_Text(pDX, IDC_BOARD_DEAD_LOAD, m_dEverLoad);
    DDV_MinMaxDouble(pDX, m_dEverLoad, -kBoardLoadLimit, kBoardLoadLimit);
    DDX_Text(pDX, IDC_BOARD_LIVE_LOAD, m_dActLoad);
    DDV_MinMaxDouble(pDX, m_dActLoad, -kBoardLoadLimit, kBoardLoadLimit);
    DDX_Check(pDX, IDC_BOARD_MASS_BOX, m_bMass);
    DDX_Check(pDX, IDC_BOARD_PART_BOX, m_bPart);
    DDX_Text(pDX, IDC_BOARD_MASS_DEFAULT, m_dMassDefault);
    DDV_MinMaxDouble(pDX, m_dMassDefault, -kBoardLoadLimit, kBoardLoadLimit);
    DDX_Text(pDX, IDC_BOARD_PART_DEFAULT, m_dPartDefault);
    DDV_MinMaxDouble(pDX, m_dPartDefault, -kBoardLoadLimit, kBoardLoadLimit);
}

int CAtypicalBoardLoadDlg::SetParentWnd(CWnd* pWnd)
{
    m_hNotifyWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    return 1;
}

void CAtypicalBoardLoadDlg::Notify(int nCode)
{
    NotifyBoardPage(m_hNotifyWnd, nCode);
}

BOOL CAtypicalBoardLoadDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    if (m_pParam->m_nMassOrPart == 0) {
        m_bMass = 1;
        m_bPart = 0;
    } else if (m_pParam->m_nMassOrPart == 1) {
        m_bMass = 0;
        m_bPart = 1;
    }
    CheckDlgButton(IDC_BOARD_SELF_WEIGHT, m_pParam->m_bIsAutoCalSelfH == 1 ? BST_CHECKED : BST_UNCHECKED);
    m_dEverLoad = m_pParam->m_param.m_EverLoadVal;
    m_dActLoad = m_pParam->m_param.m_ActLoadVal;
    m_dMassDefault = m_pParam->m_dMassLoad;
    m_dPartDefault = m_pParam->m_dLocalLoad;
    const struct {
        const char* heading;
        int width;
        int editor;
    } massColumns[] = {{"荷载", 40, -1}, {"恒/活载", 60, 1}, {"X(mm)", 50, 0}, {"Y(mm)", 50, 0}, {"荷载值", 50, 0}};
    for (int i = 0; i <= MASS_VALUE; ++i) {
        m_MassList.InsertColumn(i, massColumns[i].heading, LVCFMT_LEFT, massColumns[i].width);
        m_MassList.setColModifyType(i, massColumns[i].editor, i == MASS_KIND ? &m_kinds : NULL, "");
    }
    m_parts.CreateColumns();
    m_MassList.DeleteAllItems();
    const CBoardData& data = m_pParam->m_BoardData;
    for (int i = 0; i < data.m_MassLoadArray.GetSize(); ++i) {
        m_MassList.InsertItem(i, FormatNumber(i + 1));
        WriteMassRow(i, data.m_MassLoadArray[i]);
    }
    m_parts.Fill(data.m_PartLoadArray);
    UpdateData(FALSE);
    return TRUE;
}

void CAtypicalBoardLoadDlg::WriteMassRow(int row, const CMassLoad& load)
{
    m_MassList.SetItemText(row, MASS_KIND, LoadKindText(load.GetLoadType()));
    m_MassList.SetItemText(row, MASS_X, FormatWhole(load.GetMassPt().x));
    m_MassList.SetItemText(row, MASS_Y, FormatWhole(load.GetMassPt().y));
    m_MassList.SetItemText(row, MASS_VALUE, FormatWhole(load.GetLoadVal()));
}

int CAtypicalBoardLoadDlg::IsPartMode() const
{
    return m_bMass != 1;
}

int CAtypicalBoardLoadDlg::EnablePartList(int bEnable)
{
    m_PartList.EnableWindow(bEnable);
    return 1;
}

void CAtypicalBoardLoadDlg::OnMassBox()
{
    m_bMass = 1;
    m_bPart = 0;
    m_pParam->m_nBoardType = BOARD_MASS_LOAD;
    m_pParam->m_nMassOrPart = 0;
    UpdateData(FALSE);
    Notify(BOARD_EDIT_OBJECT);
}

void CAtypicalBoardLoadDlg::OnPartBox()
{
    m_bMass = 0;
    m_bPart = 1;
    m_pParam->m_nBoardType = BOARD_PART_LOAD;
    m_pParam->m_nMassOrPart = 1;
    UpdateData(FALSE);
    Notify(BOARD_EDIT_OBJECT);
}

void CAtypicalBoardLoadDlg::OnSelfWeight()
{
    m_pParam->m_bIsAutoCalSelfH = IsDlgButtonChecked(IDC_BOARD_SELF_WEIGHT) == BST_CHECKED ? 1 : 0;
    m_pParam->m_bModified = 1;
}

void CAtypicalBoardLoadDlg::StoreUniformLoad(double dValue, double& dStored)
{
    if (dValue != dStored)
        m_pParam->m_bModified = 1;
    dStored = dValue;
}

void CAtypicalBoardLoadDlg::OnKillFocusDeadLoad()
{
    if (!UpdateData(TRUE))
        return;
    StoreUniformLoad(m_dEverLoad, m_pParam->m_param.m_EverLoadVal);
    UpdateData(FALSE);
}

void CAtypicalBoardLoadDlg::OnKillFocusLiveLoad()
{
    if (!UpdateData(TRUE))
        return;
    StoreUniformLoad(m_dActLoad, m_pParam->m_param.m_ActLoadVal);
    UpdateData(FALSE);
}

void CAtypicalBoardLoadDlg::OnKillFocusMassDefault()
{
    if (!UpdateData(TRUE))
        return;
    m_pParam->m_dMassLoad = m_dMassDefault;
    UpdateData(FALSE);
}

void CAtypicalBoardLoadDlg::OnKillFocusPartDefault()
{
    if (!UpdateData(TRUE))
        return;
    m_pParam->m_dLocalLoad = m_dPartDefault;
    UpdateData(FALSE);
}

int CAtypicalBoardLoadDlg::AddMassLoadRow()
{
    CArray<CMassLoad, const CMassLoad&>& loads = m_pParam->m_BoardData.m_MassLoadArray;
    const int n = m_MassList.GetItemCount();
    if (n >= loads.GetSize())
        return 1;
    CMassLoad load = loads[n];
    // Every placed load starts with the panel's default value.
    load.SetLoadVal(m_pParam->m_dMassLoad);
    loads[n] = load;
    m_MassList.InsertItem(n, FormatNumber(n + 1));
    WriteMassRow(n, load);
    return 1;
}

int CAtypicalBoardLoadDlg::AddPartPointRow()
{
    const CBoardData& data = m_pParam->m_BoardData;
    if (data.m_WorkPoly.GetBoardType() == BOARD_PART_LOAD && data.m_WorkPoly.GetCount() > 0)
        m_parts.AddDrawnVertexRow(data.m_WorkPoly, data.m_PartLoadArray.GetSize() + 1);
    return 1;
}

int CAtypicalBoardLoadDlg::FinishPartLoad()
{
    CBoardData& data = m_pParam->m_BoardData;
    if (data.m_WorkPoly.GetCount() > 0)
        return 0;
    const int loads = data.m_PartLoadArray.GetSize();
    if (loads == 0) {
        m_PartList.DeleteAllItems();
        return 0;
    }
    const CBoardPolyline& last = data.m_PartLoadArray[loads - 1];
    if (last.GetCount() == 0) {
        data.m_PartLoadArray.RemoveAt(loads - 1);
        m_parts.RemoveElementRows(FormatNumber(loads));
        return 0;
    }
    if (last.GetCount() == 1)
        return 0;
    if (last.GetBoardType() == BOARD_PART_LOAD)
        m_parts.AddClosingRow(last, loads);
    return 1;
}

LRESULT CAtypicalBoardLoadDlg::OnCellEdit(WPARAM wParam, LPARAM)
{
    const HWND sender = reinterpret_cast<HWND>(wParam);
    if (sender == m_MassList.GetSafeHwnd())
        OnMassCellEdit();
    else if (sender == m_PartList.GetSafeHwnd())
        OnPartCellEdit();
    else
        return 0;
    Notify(BOARD_MODEL_CHANGED);
    return 0;
}

void CAtypicalBoardLoadDlg::OnMassCellEdit()
{
    CArray<CMassLoad, const CMassLoad&>& loads = m_pParam->m_BoardData.m_MassLoadArray;
    const int row = m_MassList.GetCurRow(), column = m_MassList.GetCurCol();
    const int index = row < 0 ? -1 : std::atoi(m_MassList.GetItemText(row, MASS_NUMBER)) - 1;
    if (index < 0 || index >= loads.GetSize())
        return;
    CMassLoad load = loads[index];
    const CString text = m_MassList.GetItemText(row, column);
    AcGePoint3d point = load.GetMassPt();
    const double limit = column == MASS_VALUE ? kBoardLoadLimit : kBoardCoordinateLimit;
    double value = 0.0;
    if (column >= MASS_X && !ReadCellNumber(m_MassList, row, column, -limit, limit, value)) {
        WriteMassRow(row, load);
        return;
    }
    switch (column) {
    case MASS_KIND: load.SetLoadType(LoadKindOfText(text)); break;
    case MASS_X: point.x = value; break;
    case MASS_Y: point.y = value; break;
    case MASS_VALUE: load.SetLoadVal(value); break;
    }
    load.SetMassPt(point);
    loads[index] = load;
}

int CAtypicalBoardLoadDlg::PartOfRow(int row) const
{
    const int index = row < 0 ? -1 : std::atoi(m_PartList.GetItemText(row, CBoardPartList::COL_NUMBER)) - 1;
    return index >= 0 && index < m_pParam->m_BoardData.m_PartLoadArray.GetSize() ? index : -1;
}

void CAtypicalBoardLoadDlg::OnPartCellEdit()
{
    CBoardPolylineArray& parts = m_pParam->m_BoardData.m_PartLoadArray;
    const int row = m_PartList.GetCurRow(), column = m_PartList.GetCurCol();
    const int index = PartOfRow(row);
    if (index < 0)
        return;
    CBoardPolyline poly = parts[index];
    const int firstRow = CBoardVertexList::FirstRowOfElement(parts, index);
    const int closingRow = firstRow + poly.GetCount();
    if (row < firstRow || row > closingRow)
        return;
    const CString text = m_PartList.GetItemText(row, column);
    if (column == CBoardPartList::COL_KIND) {
        poly.SetLoadType(LoadKindOfText(text));
    } else if (row > firstRow && !m_parts.ApplyGeometryCell(row, column, poly, firstRow) &&
               column == CBoardPartList::COL_VALUE) {
        const int vertex = row == closingRow ? 0 : row - firstRow;
        double value = 0.0;
        if (!ReadCellNumber(m_PartList, row, column, -kBoardLoadLimit, kBoardLoadLimit, value)) {
            m_PartList.SetItemText(row, column, FormatWhole(poly.GetLoadVal(vertex)));
            return;
        }
        poly.SetLoadVal(vertex, value);
    }
    parts[index] = poly;
    if (row == closingRow)
        m_parts.RenewFirstRow(row, firstRow);
}

void CAtypicalBoardLoadDlg::OnContextMenu(CWnd*, CPoint point)
{
    if (!TrackBoardListMenu(m_MassList, IDR_BOARD_MASS_MENU, point, this))
        TrackBoardListMenu(m_PartList, IDR_BOARD_PART_MENU, point, this);
}

void CAtypicalBoardLoadDlg::OnDeleteMass()
{
    CArray<CMassLoad, const CMassLoad&>& loads = m_pParam->m_BoardData.m_MassLoadArray;
    const int row = m_MassList.GetCurRow();
    if (row < 0 || row >= loads.GetSize())
        return;
    RemoveNumberedRow(m_MassList, row);
    loads.RemoveAt(row);
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardLoadDlg::OnInsertCorner()
{
    const int row = m_PartList.GetCurRow();
    const int index = PartOfRow(row);
    if (index < 0)
        return;
    CBoardPolylineArray& parts = m_pParam->m_BoardData.m_PartLoadArray;
    CBoardPolyline poly = parts[index];
    m_parts.InsertVertex(row, poly, CBoardVertexList::FirstRowOfElement(parts, index));
    parts[index] = poly;
    m_parts.MarkFirstRows();
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardLoadDlg::DeletePartOfRow(int row)
{
    const int index = PartOfRow(row);
    if (index < 0)
        return;
    m_parts.RemoveElementRows(m_PartList.GetItemText(row, CBoardPartList::COL_NUMBER));
    m_parts.MarkFirstRows();
    m_pParam->m_BoardData.m_PartLoadArray.RemoveAt(index);
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardLoadDlg::OnDeleteCorner()
{
    const int row = m_PartList.GetCurRow();
    const int index = PartOfRow(row);
    if (index < 0)
        return;
    CBoardPolylineArray& parts = m_pParam->m_BoardData.m_PartLoadArray;
    if (parts[index].GetCount() <= 3) {
        DeletePartOfRow(row);
        return;
    }
    CBoardPolyline poly = parts[index];
    m_parts.DeleteVertex(row, poly, CBoardVertexList::FirstRowOfElement(parts, index));
    parts[index] = poly;
    m_parts.MarkFirstRows();
    Notify(BOARD_MODEL_CHANGED);
}

void CAtypicalBoardLoadDlg::OnDeletePart()
{
    DeletePartOfRow(m_PartList.GetCurRow());
}
