#include "slab/irregular/AtypicalBoardLineLoadDlg.h"

#include <cmath>
#include <cstdlib>

#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardInputRanges.h"
#include "slab/irregular/BoardPartList.h"
#include "slab/irregular/BoardVertexList.h"
#include "slab/irregular/PlaneGeometry.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

enum { LINE_NUMBER, LINE_KIND, LINE_X1, LINE_Y1, LINE_X2, LINE_Y2, LINE_VALUE1, LINE_VALUE2, LINE_WIDTH };
enum { TRAP_NUMBER, TRAP_KIND, TRAP_DIRECTION, TRAP_BOTTOM, TRAP_LENGTH, TRAP_P1, TRAP_P2 };

const char* const kAlongX = "X向";
const char* const kAlongY = "Y向";
const char* const kFullWidth = "满布";
// Crossings this far away or farther are never taken.
constexpr double kFarCrossing = 1000000.0;
constexpr double kSameCoordinate = 1e-6;

struct ColumnSpec {
    const char* heading;
    int width;
    int editor;
};

// The coordinate of p along the load's direction: x for "X向", y otherwise.
double Along(const CBoardPolyline& load, const AcGePoint3d& p)
{
    return load.m_strXorY == kAlongX ? p.x : p.y;
}

void SetAlong(const CBoardPolyline& load, AcGePoint3d& p, double value)
{
    (load.m_strXorY == kAlongX ? p.x : p.y) = value;
}

}  // namespace

void ExtendTrapezoidLoad(CBoardPolyline& load, const CBoardPolyline& outline)
{
    const AcGePoint3d a = load.GetPoint(0), b = load.GetPoint(1);
    if (std::fabs(a.x - b.x) < kSameCoordinate)
        load.m_strXorY = kAlongY;
    else if (std::fabs(a.y - b.y) < kSameCoordinate)
        load.m_strXorY = kAlongX;
    else
        load.m_strXorY = "";
    const double low = std::min(Along(load, a), Along(load, b)), high = std::max(Along(load, a), Along(load, b));
    double bestStart = kFarCrossing, bestEnd = kFarCrossing;
    AcGePoint3d start, end;
    const int n = outline.GetCount();
    for (int i = 0; i < n; ++i) {
        const PointArray crossings = GetLineLineIntersection(outline.GetPoint(i), outline.GetPoint((i + 1) % n), a, b, 2);
        for (int k = 0; k < crossings.length(); ++k) {
            const double at = Along(load, crossings[k]);
            if (at < low && low - at < bestStart) {
                bestStart = low - at;
                start = crossings[k];
            } else if (at > high && at - high < bestEnd) {
                bestEnd = at - high;
                end = crossings[k];
            }
        }
    }
    load.m_dBottomDis = 0.0;
    if (bestStart < kFarCrossing && bestEnd < kFarCrossing) {
        load.m_ptLeft = start;
        load.m_ptRight = end;
        load.MovePoint(0, start);
        load.MovePoint(1, end);
        load.m_LoadWidth = -1.0;
    } else {
        // No full width to span: the load keeps what was drawn, and its distances count from its start.
        load.m_ptLeft = a;
        load.m_ptRight = b;
        load.m_LoadWidth = std::fabs(Along(load, b) - Along(load, a));
    }
}

BEGIN_MESSAGE_MAP(CAtypicalBoardLineLoadDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_BOARD_LINE_BOX, OnLineBox)
    ON_BN_CLICKED(IDC_BOARD_TRAP_BOX, OnTrapBox)
    ON_EN_KILLFOCUS(IDC_BOARD_LINE_DEFAULT, OnKillFocusLineDefault)
    ON_EN_KILLFOCUS(IDC_BOARD_TRAP_P1, OnKillFocusTrapP1)
    ON_EN_KILLFOCUS(IDC_BOARD_TRAP_P2, OnKillFocusTrapP2)
    ON_MESSAGE(WM_EDITCMB_COMMIT, OnCellEdited)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_BOARD_DELETE_LINE, OnDeleteLine)
    ON_COMMAND(ID_BOARD_DELETE_TRAP, OnDeleteTrap)
END_MESSAGE_MAP()

CAtypicalBoardLineLoadDlg::CAtypicalBoardLineLoadDlg(CWnd* pParent)
    : CCaltPageDlg(IDD_BOARD_LINE_LOAD, pParent), m_pParam(NULL), m_bLineLoad(0), m_bTrapLoad(0), m_dLineDefault(0.0),
      m_dTrapP1Default(0.0), m_dTrapP2Default(0.0), m_hNotifyWnd(NULL)
{
    FillLoadKindChoices(m_kinds);
    m_directions.Add(kAlongX);
    m_directions.Add(kAlongY);
    m_fullWidth.Add(kFullWidth);
}

void CAtypicalBoardLineLoadDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOARD_LINE_LIST, m_lstLine);
    DDX_Control(pDX, IDC_BOARD_TRAP_LIST, m_lstTrap);
    DDX_Check(pDX, IDC_BOARD_LINE_BOX, m_bLineLoad);
    DDX_Check(pDX, IDC_BOARD_TRAP_BOX, m_bTrapLoad);
    // Loads are numbers within ±kBoardLoadLimit.
    DDX_Text(pDX, IDC_BOARD_LINE_DEFAULT, m_dLineDefault);
    DDV_MinMaxDouble(pDX, m_dLineDefault, -kBoardLoadLimit, kBoardLoadLimit);
    DDX_Text(pDX, IDC_BOARD_TRAP_P1, m_dTrapP1Default);
    DDV_MinMaxDouble(pDX, m_dTrapP1Default, -kBoardLoadLimit, kBoardLoadLimit);
    DDX_Text(pDX, IDC_BOARD_TRAP_P2, m_dTrapP2Default);
    DDV_MinMaxDouble(pDX, m_dTrapP2Default, -kBoardLoadLimit, kBoardLoadLimit);
}

int CAtypicalBoardLineLoadDlg::SetParentWnd(CWnd* pWnd)
{
    m_hNotifyWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    return 1;
}

int CAtypicalBoardLineLoadDlg::NotifyRedraw()
{
    NotifyBoardPage(m_hNotifyWnd, BOARD_MODEL_CHANGED);
    return 1;
}

BOOL CAtypicalBoardLineLoadDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    if (m_pParam->m_nLineOrTrap == 0) {
        m_bTrapLoad = 1;
        m_bLineLoad = 0;
    } else if (m_pParam->m_nLineOrTrap == 1) {
        m_bLineLoad = 1;
        m_bTrapLoad = 0;
    }
    m_dLineDefault = m_pParam->m_dLineLoad;
    m_dTrapP1Default = m_pParam->m_dTrapLoadP1;
    m_dTrapP2Default = m_pParam->m_dTrapLoadP2;
    SetupLineList();
    SetupTrapList();
    FillLineList();
    FillTrapList();
    UpdateData(FALSE);
    return TRUE;
}

void CAtypicalBoardLineLoadDlg::SetupLineList()
{
    const ColumnSpec columns[] = {{"荷载", 40, -1},    {"恒/活载", 60, 1},  {"X1(mm)", 50, 0},
                                  {"Y1(mm)", 50, 0},   {"X2(mm)", 50, 0},   {"Y2(mm)", 50, 0},
                                  {"荷载值1", 60, 0}, {"荷载值2", 60, 0}, {"分布宽度", 70, -1}};
    for (int i = 0; i <= LINE_WIDTH; ++i) {
        m_lstLine.InsertColumn(i, columns[i].heading, LVCFMT_LEFT, columns[i].width);
        m_lstLine.setColModifyType(i, columns[i].editor, i == LINE_KIND ? &m_kinds : NULL, "");
    }
}

void CAtypicalBoardLineLoadDlg::SetupTrapList()
{
    const ColumnSpec columns[] = {{"荷载", 40, -1},         {"恒/活载", 60, 1},        {"X/Y向", 50, -1},
                                  {"底边距离(mm)", 85, 0}, {"分布长度(mm)", 85, 2}, {"P1", 40, 0},
                                  {"P2", 40, 0}};
    CStringArray* choices[] = {NULL, &m_kinds, &m_directions, NULL, &m_fullWidth, NULL, NULL};
    for (int i = 0; i <= TRAP_P2; ++i) {
        m_lstTrap.InsertColumn(i, columns[i].heading, LVCFMT_LEFT, columns[i].width);
        m_lstTrap.setColModifyType(i, columns[i].editor, choices[i], "");
    }
}

void CAtypicalBoardLineLoadDlg::WriteLineRow(int row, int number, const CBoardPolyline& load)
{
    const AcGePoint3d a = load.GetPoint(0), b = load.GetPoint(1);
    const CString texts[] = {FormatNumber(number), LoadKindText(load.GetLoadType()), FormatWhole(a.x), FormatWhole(a.y),
                             FormatWhole(b.x), FormatWhole(b.y), FormatWhole(load.GetLoadVal(0)),
                             FormatWhole(load.GetLoadVal(1)), FormatWhole(GetSegmentLength(a, b, 0.0))};
    for (int column = 0; column <= LINE_WIDTH; ++column)
        m_lstLine.SetItemText(row, column, texts[column]);
}

void CAtypicalBoardLineLoadDlg::MarkFullWidth(int row, BOOL full)
{
    m_lstTrap.SetCellModifyType(TRAP_BOTTOM, row, full ? -1 : 0, NULL, "");
}

void CAtypicalBoardLineLoadDlg::WriteTrapRow(int row, int number, const CBoardPolyline& load)
{
    const BOOL full = load.GetLoadWidth() < 0.0;
    const CString texts[] = {FormatNumber(number),
                             LoadKindText(load.GetLoadType()),
                             load.m_strXorY,
                             FormatWhole(load.m_dBottomDis),
                             full ? CString(kFullWidth) : FormatWhole(load.GetLoadWidth()),
                             FormatWhole(load.GetLoadVal(0)),
                             FormatWhole(load.GetLoadVal(1))};
    for (int column = 0; column <= TRAP_P2; ++column)
        m_lstTrap.SetItemText(row, column, texts[column]);
    MarkFullWidth(row, full);
}

void CAtypicalBoardLineLoadDlg::FillLineList()
{
    m_lstLine.DeleteAllItems();
    const CBoardPolylineArray& loads = m_pParam->m_BoardData.m_LineLoadArray;
    for (int i = 0; i < loads.GetSize(); ++i) {
        if (loads[i].GetCount() != 2)
            continue;
        const int row = m_lstLine.InsertItem(m_lstLine.GetItemCount(), "");
        WriteLineRow(row, i + 1, loads[i]);
    }
}

void CAtypicalBoardLineLoadDlg::FillTrapList()
{
    m_lstTrap.DeleteAllItems();
    const CBoardPolylineArray& loads = m_pParam->m_BoardData.m_TrapLoadArray;
    for (int i = 0; i < loads.GetSize(); ++i) {
        if (loads[i].GetCount() != 2)
            continue;
        const int row = m_lstTrap.InsertItem(m_lstTrap.GetItemCount(), "");
        WriteTrapRow(row, i + 1, loads[i]);
    }
}

int CAtypicalBoardLineLoadDlg::GetLoadTarget() const
{
    return m_bLineLoad == 1 ? 2 : 3;
}

int CAtypicalBoardLineLoadDlg::EnableLineList(int bEnable)
{
    m_lstLine.EnableWindow(bEnable);
    return 1;
}

int CAtypicalBoardLineLoadDlg::EnableTrapList(int bEnable)
{
    m_lstTrap.EnableWindow(bEnable);
    return 1;
}

void CAtypicalBoardLineLoadDlg::OnLineBox()
{
    m_bLineLoad = 1;
    m_bTrapLoad = 0;
    m_pParam->m_nBoardType = BOARD_LINE_LOAD;
    m_pParam->m_nLineOrTrap = 1;
    UpdateData(FALSE);
    NotifyBoardPage(m_hNotifyWnd, BOARD_EDIT_OBJECT);
}

void CAtypicalBoardLineLoadDlg::OnTrapBox()
{
    m_bLineLoad = 0;
    m_bTrapLoad = 1;
    m_pParam->m_nBoardType = BOARD_TRAP_LOAD;
    m_pParam->m_nLineOrTrap = 0;
    UpdateData(FALSE);
    NotifyBoardPage(m_hNotifyWnd, BOARD_EDIT_OBJECT);
}

void CAtypicalBoardLineLoadDlg::StoreDefault(double& dField, const double& dValue)
{
    if (!UpdateData(TRUE))
        return;
    dField = dValue;
    UpdateData(FALSE);
}

void CAtypicalBoardLineLoadDlg::OnKillFocusLineDefault()
{
    StoreDefault(m_pParam->m_dLineLoad, m_dLineDefault);
}

void CAtypicalBoardLineLoadDlg::OnKillFocusTrapP1()
{
    StoreDefault(m_pParam->m_dTrapLoadP1, m_dTrapP1Default);
}

void CAtypicalBoardLineLoadDlg::OnKillFocusTrapP2()
{
    StoreDefault(m_pParam->m_dTrapLoadP2, m_dTrapP2Default);
}

int CAtypicalBoardLineLoadDlg::AddDrawnLineLoad()
{
    CBoardPolylineArray& loads = m_pParam->m_BoardData.m_LineLoadArray;
    const int n = loads.GetSize();
    if (n < 1) {
        m_lstLine.DeleteAllItems();
        return 0;
    }
    CBoardPolyline load = loads[n - 1];
    if (load.GetCount() == 0) {
        loads.RemoveAt(n - 1);
        return 0;
    }
    if (load.GetCount() == 1)
        return 0;
    if (load.GetBoardType() != BOARD_LINE_LOAD)
        return 1;
    if (load.GetCount() != 2)
        return 0;
    load.SetLoadWidth(GetDistance(load.GetPoint(0), load.GetPoint(1)));
    loads[n - 1] = load;
    WriteLineRow(m_lstLine.InsertItem(m_lstLine.GetItemCount(), ""), n, load);
    return 1;
}

int CAtypicalBoardLineLoadDlg::AddDrawnTrapLoad()
{
    CBoardPolylineArray& loads = m_pParam->m_BoardData.m_TrapLoadArray;
    const int n = loads.GetSize();
    if (n < 1) {
        m_lstTrap.DeleteAllItems();
        return 0;
    }
    CBoardPolyline& load = loads[n - 1];
    if (load.GetCount() == 0) {
        loads.RemoveAt(n - 1);
        return 0;
    }
    if (load.GetCount() != 2 || load.GetBoardType() != BOARD_TRAP_LOAD)
        return 0;
    ExtendTrapezoidLoad(load, m_pParam->m_BoardData.m_BoardPoly);
    WriteTrapRow(m_lstTrap.InsertItem(m_lstTrap.GetItemCount(), ""), n, load);
    return 1;
}

LRESULT CAtypicalBoardLineLoadDlg::OnCellEdited(WPARAM wParam, LPARAM)
{
    const HWND sender = reinterpret_cast<HWND>(wParam);
    if (sender == m_lstLine.GetSafeHwnd())
        OnLineCellEdit();
    else if (sender == m_lstTrap.GetSafeHwnd())
        OnTrapCellEdit();
    else
        return 0;
    NotifyRedraw();
    return 0;
}

void CAtypicalBoardLineLoadDlg::OnLineCellEdit()
{
    CBoardPolylineArray& loads = m_pParam->m_BoardData.m_LineLoadArray;
    const int row = m_lstLine.GetCurRow(), column = m_lstLine.GetCurCol();
    const int index = row < 0 ? -1 : std::atoi(m_lstLine.GetItemText(row, LINE_NUMBER)) - 1;
    if (index < 0 || index >= loads.GetSize() || loads[index].GetCount() != 2)
        return;
    CBoardPolyline load = loads[index];
    const CString text = m_lstLine.GetItemText(row, column);
    const double limit = column == LINE_VALUE1 || column == LINE_VALUE2 ? kBoardLoadLimit : kBoardCoordinateLimit;
    double value = 0.0;
    if (column >= LINE_X1 && column <= LINE_VALUE2 && !ReadCellNumber(m_lstLine, row, column, -limit, limit, value)) {
        WriteLineRow(row, index + 1, load);
        return;
    }
    switch (column) {
    case LINE_KIND: load.SetLoadType(LoadKindOfText(text)); break;
    case LINE_X1:
    case LINE_Y1:
    case LINE_X2:
    case LINE_Y2: {
        const int vertex = column <= LINE_Y1 ? 0 : 1;
        AcGePoint3d p = load.GetPoint(vertex);
        ((column - LINE_X1) % 2 == 0 ? p.x : p.y) = value;
        load.MovePoint(vertex, p);
        const double width = GetDistance(load.GetPoint(0), load.GetPoint(1));
        load.SetLoadWidth(width);
        CString shown;
        shown.Format("%.0lf", width);
        m_lstLine.SetItemText(row, LINE_WIDTH, shown);
        break;
    }
    case LINE_VALUE1: load.SetLoadVal(0, value); break;
    case LINE_VALUE2: load.SetLoadVal(1, value); break;
    }
    loads[index] = load;
}

void CAtypicalBoardLineLoadDlg::OnTrapCellEdit()
{
    CBoardPolylineArray& loads = m_pParam->m_BoardData.m_TrapLoadArray;
    const int row = m_lstTrap.GetCurRow(), column = m_lstTrap.GetCurCol();
    const int index = row < 0 ? -1 : std::atoi(m_lstTrap.GetItemText(row, TRAP_NUMBER)) - 1;
    if (index < 0 || index >= loads.GetSize() || loads[index].GetCount() != 2)
        return;
    CBoardPolyline& load = loads[index];
    const CString text = m_lstTrap.GetItemText(row, column);
    AcGePoint3d a = load.GetPoint(0), b = load.GetPoint(1);
    // From the bottom distance on, a column takes a number (a distance or a load), or a full width.
    const double limit = column == TRAP_P1 || column == TRAP_P2 ? kBoardLoadLimit : kBoardCoordinateLimit;
    double value = 0.0;
    if (column >= TRAP_BOTTOM && !(column == TRAP_LENGTH && text == kFullWidth) &&
        !ReadCellNumber(m_lstTrap, row, column, -limit, limit, value)) {
        WriteTrapRow(row, index + 1, load);
        return;
    }
    switch (column) {
    case TRAP_KIND: load.SetLoadType(LoadKindOfText(text)); break;
    case TRAP_BOTTOM: {
        const double bottom = value, length = Along(load, b) - Along(load, a);
        load.m_dBottomDis = bottom;
        SetAlong(load, a, Along(load, load.m_ptLeft) + bottom);
        SetAlong(load, b, Along(load, load.m_ptLeft) + bottom + length);
        load.MovePoint(0, a);
        load.MovePoint(1, b);
        break;
    }
    case TRAP_LENGTH:
        if (text == kFullWidth) {
            load.m_dBottomDis = 0.0;
            m_lstTrap.SetItemText(row, TRAP_BOTTOM, "0");
            MarkFullWidth(row, TRUE);
            load.MovePoint(0, load.m_ptLeft);
            load.MovePoint(1, load.m_ptRight);
            load.SetLoadWidth(-1.0);
        } else {
            MarkFullWidth(row, FALSE);
            // A length is a whole number of millimetres.
            const int width = static_cast<int>(value);
            SetAlong(load, b, Along(load, a) + width);
            load.MovePoint(1, b);
            load.SetLoadWidth(width);
        }
        break;
    case TRAP_P1: load.SetLoadVal(0, value); break;
    case TRAP_P2: load.SetLoadVal(1, value); break;
    }
}

void CAtypicalBoardLineLoadDlg::OnContextMenu(CWnd*, CPoint point)
{
    if (!TrackBoardListMenu(m_lstLine, IDR_BOARD_LINE_MENU, point, this))
        TrackBoardListMenu(m_lstTrap, IDR_BOARD_TRAP_MENU, point, this);
}

void CAtypicalBoardLineLoadDlg::OnDeleteLine()
{
    const int row = m_lstLine.GetCurRow();
    CBoardPolylineArray& loads = m_pParam->m_BoardData.m_LineLoadArray;
    if (row < 0 || row >= loads.GetSize())
        return;
    RemoveNumberedRow(m_lstLine, row);
    loads.RemoveAt(row);
    NotifyRedraw();
}

void CAtypicalBoardLineLoadDlg::OnDeleteTrap()
{
    const int row = m_lstTrap.GetCurRow();
    CBoardPolylineArray& loads = m_pParam->m_BoardData.m_TrapLoadArray;
    if (row < 0 || row >= loads.GetSize())
        return;
    RemoveNumberedRow(m_lstTrap, row);
    loads.RemoveAt(row);
    NotifyRedraw();
}
