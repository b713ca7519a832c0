#include "slab/irregular/AtypicalBoardCalParamDlg.h"

#include "com/ComError.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardInputRanges.h"
#include "slab/irregular/PlateSolverClient.h"
#include "slab/irregular/ServerErrorMessage.h"

BEGIN_MESSAGE_MAP(CAtypicalBoardCalParamDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_BOARD_PREVIEW_MESH, OnPreviewMesh)
    ON_MESSAGE(WM_EDITCMB_COMMIT, OnCellEdited)
END_MESSAGE_MAP()

CAtypicalBoardCalParamDlg::CAtypicalBoardCalParamDlg(CWnd* pParent)
    : CCaltPageDlg(IDD_BOARD_SETTINGS, pParent), m_hNotifyWnd(NULL), m_pParam(NULL)
{
}

CAtypicalBoardCalParamDlg::~CAtypicalBoardCalParamDlg()
{
    for (int i = 0; i < m_choices.GetSize(); ++i)
        delete m_choices[i];
}

void CAtypicalBoardCalParamDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOARD_SETTING_GRID, m_grid);
}

int CAtypicalBoardCalParamDlg::SetParentWnd(CWnd* pWnd)
{
    m_hNotifyWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    return 1;
}

BOOL CAtypicalBoardCalParamDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    BuildGrid();
    ShowSettings();
    UpdateData(FALSE);
    return TRUE;
}

void CAtypicalBoardCalParamDlg::BuildGrid()
{
    m_grid.InsertColumn(0, "参数名称", LVCFMT_LEFT, 150);
    m_grid.InsertColumn(1, "取值", LVCFMT_LEFT, 145);
    m_grid.setColModifyType(0, -1, NULL, "");
    m_grid.setColModifyType(1, 0, NULL, "");
    for (int row = 0; row < kBoardSettingRowCount; ++row) {
        m_grid.InsertItem(row, kBoardSettingRows[row].name);
        const CString choices = kBoardSettingRows[row].choices;
        if (choices.IsEmpty())
            continue;
        CStringArray* list = new CStringArray;
        m_choices.Add(list);
        for (int from = 0;;) {
            const int bar = choices.Find('|', from);
            list->Add(choices.Mid(from, bar < 0 ? choices.GetLength() - from : bar - from));
            if (bar < 0)
                break;
            from = bar + 1;
        }
        m_grid.SetCellModifyType(1, row, 2, list, "");
    }
}

void CAtypicalBoardCalParamDlg::ShowSettings()
{
    for (int row = 0; row < kBoardSettingRowCount; ++row)
        m_grid.SetItemText(row, 1, FormatSettingRow(m_pParam->m_param, row));
}

int CAtypicalBoardCalParamDlg::StoreCell()
{
    const int row = m_grid.GetCurRow(), column = m_grid.GetCurCol();
    if (row < 0 || row >= kBoardSettingRowCount)
        return 1;
    CString message;
    if (!StoreSettingText(m_pParam->m_param, row, m_grid.GetItemText(row, column), message)) {
        // Refused: the row shows the setting it keeps.
        MessageBox(message, kBoardCheckCaption, MB_OK | MB_ICONWARNING);
        m_grid.SetItemText(row, 1, FormatSettingRow(m_pParam->m_param, row));
        return 0;
    }
    m_pParam->m_bModified = 1;
    return 1;
}

LRESULT CAtypicalBoardCalParamDlg::OnCellEdited(WPARAM wParam, LPARAM)
{
    if (reinterpret_cast<HWND>(wParam) == m_grid.GetSafeHwnd())
        StoreCell();
    return 0;
}

void CAtypicalBoardCalParamDlg::OnPreviewMesh()
{
    CBoardData& data = m_pParam->m_BoardData;
    data.m_ResultLines.RemoveAll();
    try {
        CPlateSolverClient client;
        client.Solve(data, m_pParam->m_param);
        CBoardData mesh;
        mesh.Reset();
        client.GetModel(mesh);
        data.m_ResultLines.RemoveAll();
        data.m_ResultLines.Append(mesh.m_ResultLines);
    } catch (const _com_error& error) {
        // No server or a failed call: no mesh, and the engineer is told why.
        data.m_ResultLines.RemoveAll();
        ShowServerError(error);
    }
    NotifyBoardPage(m_hNotifyWnd, BOARD_SHOW_MESH);
    NotifyBoardPage(m_hNotifyWnd, BOARD_MODEL_CHANGED);
}
