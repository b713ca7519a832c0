#include "slab/irregular/AtypicalBoardResultDlg.h"

#include <cmath>
#include <cstdlib>

#include "com/ComError.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardInputRanges.h"
#include "slab/irregular/BoardVertexList.h"
#include "slab/irregular/PlateSolverClient.h"
#include "slab/irregular/ServerErrorMessage.h"

namespace {

enum { COL_NAME, COL_MOMENT, COL_CAL_AREA, COL_DIAMETER, COL_SPACE, COL_REAL_AREA, COL_DEFLECTION, COL_CRACK };

const char* const kNoScheme = "无配筋方案";

// The diameter or the spacing of a row's bars; a row without bars says so in place of its diameter.
CString BarCell(const BoardReinResult& row, int column)
{
    if (!HasBars(row))
        return column == COL_DIAMETER ? kNoScheme : "";
    return FormatWhole(column == COL_DIAMETER ? row.m_dDiameter : row.m_dSpace);
}

CString Format2(double value)
{
    CString text;
    text.Format("%.2f", value);
    return text;
}

// A bar value typed into a cell: the number, or 0 when the text is no positive number.
double BarValue(const CString& text)
{
    const char* begin = text.Str().c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    return end != begin && std::isfinite(value) && value > 0.0 ? value : 0.0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAtypicalBoardResultDlg, CCaltPageDlg)
    ON_MESSAGE(WM_EDITCMB_COMMIT, OnCellEdited)
END_MESSAGE_MAP()

CAtypicalBoardResultDlg::CAtypicalBoardResultDlg(CWnd* pParent)
    : CCaltPageDlg(IDD_BOARD_RESULTS, pParent), m_pParam(NULL), m_hNotifyWnd(NULL)
{
    for (int d : {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32})
        m_diameters.Add(FormatNumber(d));
    for (int s = 100; s <= 250; s += 10)
        m_spacings.Add(FormatNumber(s));
    m_spacings.Add("300");
}

void CAtypicalBoardResultDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOARD_RESULT_TABLE, m_table);
}

int CAtypicalBoardResultDlg::SetParentWnd(CWnd* pWnd)
{
    m_hNotifyWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    return 1;
}

BOOL CAtypicalBoardResultDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    BuildColumns();
    return TRUE;
}

void CAtypicalBoardResultDlg::BuildColumns()
{
    const struct {
        const char* heading;
        int width;
    } columns[] = {{"边名称", 50},   {"弯矩(kN-m)", 80}, {"计算面积(mm2)", 90}, {"直径(mm)", 60},
                   {"间距(mm)", 60}, {"实配面积(mm2)", 90}, {"挠度(mm)", 60},   {"裂缝(mm)", 60}};
    for (int i = 0; i <= COL_CRACK; ++i) {
        m_table.InsertColumn(i, columns[i].heading, LVCFMT_LEFT, columns[i].width);
        m_table.setColModifyType(i, -1, NULL, "");
    }
    m_table.setColModifyType(COL_DIAMETER, 2, &m_diameters, "");
    m_table.setColModifyType(COL_SPACE, 2, &m_spacings, "");
}

void CAtypicalBoardResultDlg::WriteRow(int row, const CString& name, const BoardReinResult& result)
{
    const CString texts[] = {name,
                             Format2(result.m_dMoment),
                             Format2(result.m_dCalArea),
                             BarCell(result, COL_DIAMETER),
                             BarCell(result, COL_SPACE),
                             Format2(result.m_dRealArea),
                             Format2(result.m_dDeflection),
                             Format2(result.m_dCrack)};
    for (int column = 0; column <= COL_CRACK; ++column)
        m_table.SetItemText(row, column, texts[column]);
}

void CAtypicalBoardResultDlg::SetRows(const CArray<BoardReinResult, const BoardReinResult&>& rows)
{
    m_table.DeleteAllItems();
    const int n = m_pParam->m_BoardData.m_BoardPoly.GetCount();
    for (int i = 0; i < 2; ++i) {
        const CString name = BoardRowName(i, n, BoardReinResult());
        m_table.InsertItem(i, name);
        if (rows.GetSize() >= 2) {
            WriteRow(i, name, rows[i]);
        } else {
            for (int column = COL_MOMENT; column <= COL_CRACK; ++column)
                m_table.SetItemText(i, column, "***");
        }
    }
    for (int i = 2; i < rows.GetSize(); ++i) {
        const CString name = BoardRowName(i, n, rows[i]);
        WriteRow(m_table.InsertItem(m_table.GetItemCount(), name), name, rows[i]);
    }
    m_rows.Copy(rows);
}

int CAtypicalBoardResultDlg::RecalcRow()
{
    const int row = m_table.GetCurRow(), column = m_table.GetCurCol();
    if ((column != COL_DIAMETER && column != COL_SPACE) || row < 0 || row >= m_rows.GetSize())
        return 0;
    const BoardReinResult& own = m_rows[row];
    const double typed = BarValue(m_table.GetItemText(row, column));
    if (typed <= 0.0 || !HasBars(own)) {
        // No bars of zero or no size, and none for a row without a scheme: the row's own value
        // comes back, and the person is told why.
        m_table.SetItemText(row, column, BarCell(own, column));
        MessageBox(HasBars(own) ? "钢筋直径和间距应为大于0的数,已恢复原值" : "该行没有配筋方案,不能改配钢筋,已恢复原值",
                   kBoardCheckCaption, MB_OK | MB_ICONWARNING);
        return 0;
    }
    const double diameter = column == COL_DIAMETER ? typed : own.m_dDiameter;
    const double space = column == COL_SPACE ? typed : own.m_dSpace;
    const double area = diameter * diameter * M_PI / 4.0 * 1000.0 / space;
    m_table.SetItemText(row, COL_REAL_AREA, Format2(area));
    try {
        CPlateSolverClient client;
        const double crack = client.CalCrackWidth(own.m_nRowId, diameter, row < 2 ? CRACK_BOTTOM_ROW : CRACK_EDGE_ROW,
                                                  space, m_pParam->m_param, area);
        m_table.SetItemText(row, COL_CRACK, Format2(crack));
    } catch (const _com_error& error) {
        ShowServerError(error);
    }
    return 1;
}

LRESULT CAtypicalBoardResultDlg::OnCellEdited(WPARAM wParam, LPARAM)
{
    if (reinterpret_cast<HWND>(wParam) != m_table.GetSafeHwnd())
        return 0;
    RecalcRow();
    NotifyBoardPage(m_hNotifyWnd, BOARD_MODEL_CHANGED);
    return 0;
}
