#include "beam/BeamWellResultDlg.h"

#include <cmath>
#include <cstdlib>

#include "beam/BeamWellParam.h"
#include "beam/BeamWellPicture.h"
#include "framework/InputValidator.h"
#include "host/Numbers.h"
#include "mfc/user/DataExchange.h"

IMPLEMENT_DYNAMIC(CBeamWellResultDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CBeamWellResultDlg, CCaltPageDlg)
    ON_WM_HELPINFO()
    ON_MESSAGE(WM_EDITCMB_COMMIT, OnCellCommit)
END_MESSAGE_MAP()

namespace {

// The list's value columns.
enum { COL_LABEL, COL_POSITIVE, COL_NEGATIVE, COL_SHEAR };

// The largest magnitude an edited result may have (kN·m, kN): what the reports print with three
// decimals within fifteen digits.
const double kResultLimit = 1e10;

CString ValueText(double dValue) {
    CString strValue;
    strValue.Format("%.3lf", dValue);
    return strValue;
}

}  // namespace

CBeamWellResultDlg::CBeamWellResultDlg(CWnd* pParent) : CCaltPageDlg(IDD, pParent) {}

CBeamWellResultDlg::~CBeamWellResultDlg() {
    m_bitmap.DeleteObject();
    if (m_listResult.GetSafeHwnd() != NULL) m_listResult.DestroyWindow();
}

void CBeamWellResultDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BW_RESULTS, m_listResult);
}

BOOL CBeamWellResultDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    m_listResult.InsertColumn(COL_LABEL, "梁号", LVCFMT_LEFT, 40);
    m_listResult.InsertColumn(COL_POSITIVE, "正弯矩(kN*m)", LVCFMT_LEFT, 90);
    m_listResult.InsertColumn(COL_NEGATIVE, "负弯矩(kN*m)", LVCFMT_LEFT, 90);
    m_listResult.InsertColumn(COL_SHEAR, "剪力(kN)", LVCFMT_LEFT, 60);
    m_listResult.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int nCol = COL_POSITIVE; nCol <= COL_SHEAR; ++nCol) m_listResult.setColModifyType(nCol, EDITCMB_EDIT, NULL, "");
    return TRUE;
}

BOOL CBeamWellResultDlg::OnHelpInfo(HELPINFO*) { return TRUE; }

void CBeamWellResultDlg::AddResultRow(int nRow, LPCTSTR lpszLabel, double dPositive, double dNegative, double dShear) {
    m_listResult.InsertItem(nRow, lpszLabel);
    const double dValues[3] = {dPositive, dNegative, dShear};
    for (int i = 0; i < 3; ++i) {
        m_listResult.SetItemText(nRow, COL_POSITIVE + i, ValueText(dValues[i]));
        if (std::fabs(dValues[i]) < 0.000001)
            m_listResult.SetCellModifyType(COL_POSITIVE + i, nRow, static_cast<UINT>(EDITCMB_READONLY), NULL, "");
    }
}

void CBeamWellResultDlg::SetData(CVuskParam* pParam) {
    CBeamWellParam* pWell = static_cast<CBeamWellParam*>(pParam);
    m_listResult.DeleteAllItems();
    ShowBeamWellPicture(*this, m_bitmap, pWell->nPictureId);
    // A calculation that found no coefficients has no results to list.
    if (!pWell->bCalculated) return;
    BEAMWELLROW rows[BW_BEAMS];
    const int nRows = pWell->GetListedBeams(rows);
    for (int i = 0; i < nRows; ++i) {
        const BeamForce& force = pWell->beamForce[rows[i].slot];
        AddResultRow(i, pWell->GetBeamLabel(rows[i].bFamilyA, rows[i].nIndex), force.dPositive, force.dNegative,
                     force.dShear);
    }
}

LRESULT CBeamWellResultDlg::OnCellCommit(WPARAM, LPARAM) {
    CBeamWellParam* pWell = static_cast<CBeamWellParam*>(GetParam());
    const int nRow = m_listResult.GetCurRow(), nCol = m_listResult.GetCurCol();
    BEAMWELLROW rows[BW_BEAMS];
    if (!pWell || nRow < 0 || nRow >= pWell->GetListedBeams(rows) || nCol < COL_POSITIVE || nCol > COL_SHEAR) return 0;
    BeamForce& force = pWell->beamForce[rows[nRow].slot];
    double& dResult = nCol == COL_POSITIVE ? force.dPositive : nCol == COL_NEGATIVE ? force.dNegative : force.dShear;
    // Moments and shears keep their signs: a negative moment is zero or below, the others above.
    const double dLower = nCol == COL_NEGATIVE ? -kResultLimit : 0;
    const double dUpper = nCol == COL_NEGATIVE ? 0 : kResultLimit;
    double dValue = 0;
    if (CheckDouble(m_listResult.GetItemText(nRow, nCol), dValue, dUpper, dLower)) {
        dResult = dValue;
        return 0;
    }
    MessageBox(RangeMessage(dLower, dUpper), "QELT构件计算提示您", MB_OK | MB_ICONWARNING);
    m_listResult.SetItemText(nRow, nCol, ValueText(dResult));
    return 0;
}

void CBeamWellResultDlg::GetData(CVuskParam* pParam) {
    CBeamWellParam* pWell = static_cast<CBeamWellParam*>(pParam);
    BEAMWELLROW rows[BW_BEAMS];
    const int nRows = pWell->GetListedBeams(rows);
    for (int i = 0; i < nRows && i < m_listResult.GetItemCount(); ++i) {
        BeamForce& force = pWell->beamForce[rows[i].slot];
        force.dPositive = std::atof(m_listResult.GetItemText(i, COL_POSITIVE));
        force.dNegative = std::atof(m_listResult.GetItemText(i, COL_NEGATIVE));
        force.dShear = std::atof(m_listResult.GetItemText(i, COL_SHEAR));
    }
}
