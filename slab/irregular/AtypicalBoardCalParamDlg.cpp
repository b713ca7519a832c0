#include "slab/irregular/AtypicalBoardCalParamDlg.h"

#include <cstdlib>

#include "com/ComError.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/PlateSolverClient.h"
#include "slab/irregular/ServerErrorMessage.h"

namespace {

// One row of the settings grid: its name, its usual values ("|"-separated, empty for none), the
// setting it shows and the format it is shown with.
struct SettingRow {
    const char* name;
    const char* choices;
    double CBoardSetting::*number;
    int CBoardSetting::*whole;
    CString CBoardSetting::*text;
    const char* format;
};

const SettingRow kRows[] = {
    {"永久荷载分项系数γG", "0.9|1.0|1.2|1.35", &CBoardSetting::m_dEverLoadCoef, nullptr, nullptr, "%.2lf"},
    {"可变荷载分项系数γQ", "0.9|1.0|1.3|1.4", &CBoardSetting::m_dActLoadCoef, nullptr, nullptr, "%.1lf"},
    {"准永久值系数", "0.4|0.5|0.6|0.7", &CBoardSetting::m_dPreEverCoef, nullptr, nullptr, "%.1lf"},
    {"结构重要性系数γ0", "0.9|1.0|1.1|1.2", &CBoardSetting::m_dImportCoef, nullptr, nullptr, "%.1lf"},
    {"保护层厚度", "10|15|20|25|30|35|40", &CBoardSetting::m_dProtectWidth, nullptr, nullptr, "%.0lf"},
    {"板砼等级", "C15|C20|C25|C30|C35|C40|C45|C50", nullptr, nullptr, &CBoardSetting::m_strBoardGrade, nullptr},
    {"钢筋等级", "HPB235|HRB335|HRB400|冷拉钢筋", nullptr, nullptr, &CBoardSetting::m_strReinGrade, nullptr},
    {"正筋放大系数", "0.85|0.9|1.0|1.1|1.2|1.3", &CBoardSetting::m_dPlusReinCoef, nullptr, nullptr, "%.2lf"},
    {"负筋放大系数", "0.85|0.9|1.0|1.1|1.2|1.3", &CBoardSetting::m_dMinusReinCoef, nullptr, nullptr, "%.2lf"},
    {"受力钢筋最小直径(mm)", "6|8|10|12|14|16|18|20|22|25|28|32", &CBoardSetting::m_dReinMinDia, nullptr, nullptr,
     "%.0lf"},
    {"板分布钢筋最大间距(mm)", "100|110|120|130|140|150|160|170|180|190|200|210|220|230|240|250|300",
     &CBoardSetting::m_dReinMaxDis, nullptr, nullptr, "%.0lf"},
    {"受拉纵筋最小配筋率", "0.15|0.25|0.3|0.35|0.4|自动计算", &CBoardSetting::m_dColuReinMinRate, nullptr, nullptr,
     "%.2lf"},
    {"受拉纵筋钢筋类别", "光面钢筋|带肋钢筋", nullptr, nullptr, &CBoardSetting::m_strColuReinType, nullptr},
    {"合力点As(mm)", "15|20|25|30|35|40|45|50|55|60|65|70", &CBoardSetting::m_dResultantForce, nullptr, nullptr,
     "%.0lf"},
    {"允许裂缝宽度(mm)", "0.1|0.15|0.2|0.25|0.3", &CBoardSetting::m_dCrackWidth, nullptr, nullptr, "%.2lf"},
    {"荷载长期作用挠度增大系数θ的调整系数", "", &CBoardSetting::m_dNaoDu, nullptr, nullptr, "%.2lf"},
    {"活荷载的组合值系数", "", &CBoardSetting::m_dLoadZuHe, nullptr, nullptr, "%.1lf"},
    {"正弯矩的调整系数", "", &CBoardSetting::m_dPlusWanJu, nullptr, nullptr, "%.1lf"},
    {"负弯矩的调整系数", "", &CBoardSetting::m_dMinusWanJu, nullptr, nullptr, "%.1lf"},
    {"剖分线准则", "1|2|3", nullptr, &CBoardSetting::m_nPouFenXianType, nullptr, "%d"},
    {"网格控制长度(mm)", "", &CBoardSetting::m_dBoxLength, nullptr, nullptr, "%.0lf"},
    {"配筋方向(度)", "", &CBoardSetting::m_dReinDir, nullptr, nullptr, "%.1lf"},
    {"等值线条数", "", nullptr, &CBoardSetting::m_nCloudNum, nullptr, "%d"},
};
constexpr int kRowCount = sizeof(kRows) / sizeof(kRows[0]);

}  // namespace

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
    for (int row = 0; row < kRowCount; ++row) {
        m_grid.InsertItem(row, kRows[row].name);
        const CString choices = kRows[row].choices;
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
    const CBoardSetting& setting = m_pParam->m_param;
    for (int row = 0; row < kRowCount; ++row) {
        const SettingRow& r = kRows[row];
        CString text;
        if (r.number)
            text.Format(r.format, setting.*r.number);
        else if (r.whole)
            text.Format(r.format, setting.*r.whole);
        else
            text = setting.*r.text;
        m_grid.SetItemText(row, 1, text);
    }
}

int CAtypicalBoardCalParamDlg::StoreCell()
{
    const int row = m_grid.GetCurRow(), column = m_grid.GetCurCol();
    if (row < 0 || row >= kRowCount)
        return 1;
    const CString text = m_grid.GetItemText(row, column);
    CBoardSetting& setting = m_pParam->m_param;
    m_pParam->m_bModified = 1;
    const SettingRow& r = kRows[row];
    if (r.number)
        setting.*r.number = std::atof(text);
    else if (r.whole)
        setting.*r.whole = std::atoi(text);
    else
        setting.*r.text = text;
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
