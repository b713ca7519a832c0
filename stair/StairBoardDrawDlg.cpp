#include "stair/StairBoardDrawDlg.h"

#include <cmath>
#include <cstdlib>

#include "host/Numbers.h"
#include "host/QeltSteelBar.h"
#include "host/VuskMainInfo.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "stair/StairBarNotation.h"
#include "stair/StairBoardParam.h"
#include "stair/StairBoardPreview.h"

namespace {

const UINT kGradeIDs[6] = {IDC_SBD_GRADE1, IDC_SBD_GRADE2, IDC_SBD_GRADE3,
                           IDC_SBD_GRADE4, IDC_SBD_GRADE5, IDC_SBD_GRADE6};
const UINT kDiaIDs[6] = {IDC_SBD_DIA1, IDC_SBD_DIA2, IDC_SBD_DIA3, IDC_SBD_DIA4, IDC_SBD_DIA5, IDC_SBD_DIA6};
const UINT kSpaceIDs[6] = {IDC_SBD_SPACE1, IDC_SBD_SPACE2, IDC_SBD_SPACE3,
                           IDC_SBD_SPACE4, IDC_SBD_SPACE5, IDC_SBD_SPACE6};

// An accepted page value goes into the record; a refused one is replaced by the record's.
// A length of the drawing to a tenth of a millimetre, as the report gives the stair's dimensions
// (2000/9 shows "222.2"). A text that still reads so keeps the exact length, so that n − 1 treads
// make L1 again; any other text is taken as typed.
void DDX_Length(CDataExchange* pDX, int nID, double& dValue) {
    const CString strShown = ftos(std::round(dValue * 10) / 10);
    CWnd* pEdit = CWnd::FromHandle(pDX->PrepareEditCtrl(nID));
    if (pDX->m_bSaveAndValidate) {
        CString strText;
        pEdit->GetWindowText(strText);
        if (strText.Trim() != strShown) DDX_Text(pDX, nID, dValue);
        return;
    }
    pEdit->SetWindowText(strShown);
}

template <class T>
void Take(T& page, T& record, bool bAccepted) {
    if (bAccepted)
        record = page;
    else
        page = record;
}

bool Between(double dValue, double dLower, double dUpper) { return dValue > dLower && dValue < dUpper; }

// One Redraw at a time, for every page.
bool g_bRedrawing = false;

}  // namespace

IMPLEMENT_DYNAMIC(CStairBoardDrawDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CStairBoardDrawDlg, CCaltPageDlg)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SBD_ELEV, IDC_SBD_SCALE, OnFieldKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SBD_SPACE1, IDC_SBD_SPACE6, OnFieldKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SBD_B1, IDC_SBD_N, OnFieldKillFocus)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_SBD_DIA1, IDC_SBD_GRADE6, OnFieldKillFocus)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_SBD_DIA5, IDC_SBD_GRADE3, OnFieldKillFocus)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_SBD_GRADE5, IDC_SBD_GRADE5, OnFieldKillFocus)
    ON_BN_CLICKED(IDC_SBD_MIRROR, OnClickMirror)
    ON_MESSAGE(WM_USER + 100, OnSelectKind)
    ON_STN_CLICKED(IDC_SBD_PREVIEW, OnIgnoredClick)
    ON_BN_CLICKED(IDC_SBD_PREV, OnIgnoredClick)
    ON_BN_CLICKED(IDC_SBD_NEXT, OnIgnoredClick)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CStairBoardDrawDlg::CStairBoardDrawDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent),
      m_dElev(0), m_dScale(0), m_dB(0), m_dB2(0), m_dC1(0), m_dC2(0), m_dH(0), m_dT(0), m_dLn(0), m_dL1(0),
      m_dL2(0), m_dL3(0), m_dB1(0), m_nSteps(0), m_bMirror(0), m_nKind(0) {
    for (int& nSpace : m_nSpace) nSpace = 0;
    CQeltSteelBar::GetSteelBarGradeString(m_arrGrades);
}

CStairBoardDrawDlg::~CStairBoardDrawDlg() = default;

void CStairBoardDrawDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SBD_SELECTOR, m_ctrlSelector);
    DDX_Control(pDX, IDC_SBD_PREVIEW, m_ctrlPreview);
    DDX_Text(pDX, IDC_SBD_ELEV, m_dElev);
    DDX_Text(pDX, IDC_SBD_SCALE, m_dScale);
    DDX_Text(pDX, IDC_SBD_NAME, m_strNum);
    for (int i = 0; i < 6; i++) DDX_Text(pDX, kSpaceIDs[i], m_nSpace[i]);
    DDX_Length(pDX, IDC_SBD_B, m_dB);
    DDX_Length(pDX, IDC_SBD_B2, m_dB2);
    DDX_Length(pDX, IDC_SBD_C1, m_dC1);
    DDX_Length(pDX, IDC_SBD_C2, m_dC2);
    DDX_Length(pDX, IDC_SBD_H, m_dH);
    DDX_Length(pDX, IDC_SBD_T, m_dT);
    DDX_Length(pDX, IDC_SBD_LN, m_dLn);
    DDX_Length(pDX, IDC_SBD_L1, m_dL1);
    DDX_Length(pDX, IDC_SBD_L2, m_dL2);
    DDX_Length(pDX, IDC_SBD_L3, m_dL3);
    DDX_Length(pDX, IDC_SBD_B1, m_dB1);
    DDX_Text(pDX, IDC_SBD_N, m_nSteps);
    DDX_Check(pDX, IDC_SBD_MIRROR, m_bMirror);
}

BOOL CStairBoardDrawDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    m_bmpPreview.DeleteObject();
    if (CreateStairBoardPreview(m_bmpPreview)) m_ctrlPreview.SetBitmap(static_cast<HBITMAP>(m_bmpPreview));
    CString strItem;
    for (UINT nID : kDiaIDs) {
        CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
        for (int k = 0; pCombo && k < 14; k++) {
            strItem.Format("%d", g_nStairDiameters[k]);
            pCombo->AddString(strItem);
        }
    }
    ShowRecord(m_record);
    FillSelector();
    EnableByType();
    UpdateData(FALSE);
    Redraw();
    if (::GetKeyState(VK_CONTROL) < 0) {
        m_ctrlTip.Create(this);
        m_ctrlTip.Activate(TRUE);
        m_ctrlTip.AddTool(GetDlgItem(IDC_SBD_PREVIEW), "鼠标单击可放大预览");
    }
    for (UINT nID : kGradeIDs) {
        CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
        if (!pCombo) continue;
        pCombo->ResetContent();
        for (int i = 0; i < m_arrGrades.GetSize(); i++) pCombo->AddString(m_arrGrades[i]);
        pCombo->SetCurSel(0);
    }
    return TRUE;
}

void CStairBoardDrawDlg::SetData(CVuskParam* pParam) {
    CStairBoardParam* p = static_cast<CStairBoardParam*>(pParam);
    if (!p) return;
    for (int nBar = 1; nBar <= 6; nBar++) {
        m_record.Dia(nBar) = p->m_nBarDia[nBar - 1];
        m_record.Space(nBar) = p->m_nBarSpace[nBar - 1];
        m_record.Grade(nBar) = nBar == 4 ? CString("HPB235") : p->M_STRSTEEL;
    }
    // The tread width of the calculation, L1/(n − 1), so that the flight (n − 1)·b is L1 again.
    m_record.m_dSizeB = p->M_N > 1 ? p->M_LN / (p->M_N - 1) : p->M_LN;
    m_record.m_dSizeB2 = p->M_FB2;
    m_record.m_dSizeH = p->M_H / p->M_N;
    m_record.m_dSizeH1 = p->M_T;
    m_record.m_dSizeB1 = p->M_FB1;
    m_record.m_dSizeL = p->M_LL + p->M_LN + p->M_LR;
    m_record.m_dSizeL1 = p->M_LN;
    m_record.m_dSizeL2 = p->M_LR;
    m_record.m_dSizeL3 = p->M_LL;
    m_record.m_nSizeN = p->M_N;
    m_record.m_nType = p->M_STAIR_KIND;
    ShowRecord(m_record);
    FillSelector();
    EnableByType();
    UpdateData(FALSE);
    Redraw();
}

void CStairBoardDrawDlg::ShowRecord(const StairBoardDrawData& record) {
    m_record = record;
    m_dElev = m_record.m_dElev;
    m_strNum = m_record.m_strNum;
    m_dScale = m_record.m_dScale;
    for (int nBar = 1; nBar <= 6; nBar++) m_nSpace[nBar - 1] = m_record.Space(nBar);
    m_dB = m_record.m_dSizeB;
    m_dB2 = m_record.m_dSizeB2;
    m_dC1 = m_record.m_dSizeC1;
    m_dC2 = m_record.m_dSizeC2;
    m_dH = m_record.m_dSizeH;
    m_dT = m_record.m_dSizeH1;
    m_dB1 = m_record.m_dSizeB1;
    m_dLn = m_record.m_dSizeL;
    m_dL1 = m_record.m_dSizeL1;
    m_dL2 = m_record.m_dSizeL2;
    m_dL3 = m_record.m_dSizeL3;
    m_nSteps = m_record.m_nSizeN;
    m_bMirror = m_record.m_bMirror;
    m_nKind = m_record.m_nType;
    if (!m_hWnd) return;
    for (int nBar = 1; nBar <= 6; nBar++) {
        SetComboBoxText(kDiaIDs[nBar - 1], m_record.Dia(nBar));
        SetComboBoxText(kGradeIDs[nBar - 1], m_record.Grade(nBar));
    }
    UpdateData(FALSE);
}

void CStairBoardDrawDlg::FillSelector() {
    if (!m_hWnd) return;
    CStringArray arrSlides, arrCurSlides, arrNames;
    for (int nKind = STAIR_KIND_A; nKind <= STAIR_KIND_E; nKind++) {
        arrSlides.Add(StairBoardSlideName(nKind, "X", m_record.m_bMirror));
        arrCurSlides.Add(StairBoardSlideName(nKind, "J", m_record.m_bMirror));
        arrNames.Add(g_szStairKindNames[nKind - 1]);
    }
    const CString strLibrary = StairSlideLibrary();
    const int nSel = m_record.m_nType >= STAIR_KIND_A && m_record.m_nType <= STAIR_KIND_E ? m_record.m_nType - 1 : -1;
    m_ctrlSelector.SetItem(strLibrary, strLibrary, arrSlides, arrCurSlides, -1, 2, 3);
    m_ctrlSelector.SetIndex(arrNames, -1);
    m_ctrlSelector.SetCurSel(nSel);
}

void CStairBoardDrawDlg::EnableByType() {
    if (!m_hWnd) return;
    const int nKind = m_record.m_nType;
    auto enable = [this](UINT nID, BOOL bOn) {
        if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bOn);
    };
    enable(IDC_SBD_LN, FALSE);
    enable(IDC_SBD_L1, FALSE);
    enable(IDC_SBD_L2, nKind == STAIR_KIND_C || nKind == STAIR_KIND_E);
    enable(IDC_SBD_L3, nKind == STAIR_KIND_D || nKind == STAIR_KIND_E);
    enable(IDC_SBD_DIA5, nKind == STAIR_KIND_C);
    enable(IDC_SBD_DIA6, nKind == STAIR_KIND_E);
    enable(IDC_SBD_SPACE5, nKind >= STAIR_KIND_C);
    enable(IDC_SBD_SPACE6, nKind == STAIR_KIND_E);
    enable(IDC_SBD_B2, nKind != STAIR_KIND_B);
    enable(IDC_SBD_C2, nKind != STAIR_KIND_B);
    enable(IDC_SBD_GRADE5, nKind >= STAIR_KIND_C);
    enable(IDC_SBD_GRADE6, nKind == STAIR_KIND_E);
}

StairBoardDrawData CStairBoardDrawDlg::Collect() {
    StairBoardDrawData& r = m_record;
    UpdateData(TRUE);

    Take(m_nSteps, r.m_nSizeN, m_nSteps >= 4 && m_nSteps <= 29);
    Take(m_dB, r.m_dSizeB, Between(m_dB, 50, 600));
    Take(m_dL1, r.m_dSizeL1, Between(m_dL1, 0, 800000));
    Take(m_dL2, r.m_dSizeL2, Between(m_dL2, 0, 8000));
    Take(m_dL3, r.m_dSizeL3, Between(m_dL3, 0, 8000));

    m_dL1 = (m_nSteps - 1) * m_dB;
    switch (m_nKind) {
    case STAIR_KIND_C:
        m_dLn = m_dL1 + m_dL2;
        break;
    case STAIR_KIND_D:
        m_dLn = m_dL1 + m_dL3;
        break;
    case STAIR_KIND_E:
        m_dLn = m_dL1 + m_dL3 + m_dL2;
        break;
    default:
        m_dLn = m_dL1;
        break;
    }
    UpdateData(FALSE);
    UpdateData(TRUE);

    r.m_dElev = m_dElev;
    r.m_strNum = m_strNum;
    Take(m_dScale, r.m_dScale, m_dScale > 0);
    r.m_nType = m_nKind;

    Take(m_dH, r.m_dSizeH, Between(m_dH, 50, 500));
    Take(m_dT, r.m_dSizeH1, Between(m_dT, 50, 250));
    Take(m_dLn, r.m_dSizeL, Between(m_dLn, 0, 800000));
    Take(m_dL1, r.m_dSizeL1, Between(m_dL1, 0, 800000));
    Take(m_nSteps, r.m_nSizeN, m_nSteps >= 4 && m_nSteps <= 29);

    for (int nBar = 1; nBar <= 6; nBar++) Take(m_nSpace[nBar - 1], r.Space(nBar), Between(m_nSpace[nBar - 1], 50, 500));

    auto takeDia = [&](int nBar) {
        const int nDia = std::atoi(GetComboBoxText(kDiaIDs[nBar - 1]));
        if (Between(nDia, 0, 500))
            r.Dia(nBar) = nDia;
        else
            SetComboBoxText(kDiaIDs[nBar - 1], r.Dia(nBar));
    };
    for (int nBar = 1; nBar <= 4; nBar++) takeDia(nBar);
    // Types D and E take bar 5 as bar 1.
    if (m_nKind == STAIR_KIND_D || m_nKind == STAIR_KIND_E) SetComboBoxText(IDC_SBD_DIA5, r.Dia(1));
    takeDia(5);
    takeDia(6);

    Take(m_dB1, r.m_dSizeB1, Between(m_dB1, 0, 1000));
    Take(m_dB2, r.m_dSizeB2, Between(m_dB2, 0, 1000));
    Take(m_dC1, r.m_dSizeC1, Between(m_dC1, 0, 2000));
    Take(m_dC2, r.m_dSizeC2, Between(m_dC2, 0, 2000));

    for (int nBar = 1; nBar <= 6; nBar++) r.Grade(nBar) = GetComboBoxText(kGradeIDs[nBar - 1]);
    r.m_bMirror = IsDlgButtonChecked(IDC_SBD_MIRROR) == BST_CHECKED ? 1 : 0;
    UpdateData(FALSE);
    return r;
}

void CStairBoardDrawDlg::Redraw() {
    if (g_bRedrawing || !m_hWnd) return;
    g_bRedrawing = true;
    Collect();
    g_bRedrawing = false;
}

void CStairBoardDrawDlg::OnOK() {
    Collect();
    m_record.Save("StairBoardDraw");
    g_VuskMainInfo.SendAcadCommand("VUSKBSHLT\n", NULL);
}

void CStairBoardDrawDlg::OnFieldKillFocus(UINT) { Redraw(); }

void CStairBoardDrawDlg::OnClickMirror() {
    m_bMirror = m_bMirror ? 0 : 1;
    m_record.m_bMirror = m_bMirror;
    SetCheckData(IDC_SBD_MIRROR, m_bMirror ? BST_CHECKED : BST_UNCHECKED);
    FillSelector();
}

LRESULT CStairBoardDrawDlg::OnSelectKind(WPARAM wParam, LPARAM) {
    m_nKind = static_cast<int>(wParam) + 1;
    m_record.m_nType = m_nKind;
    Redraw();
    EnableByType();
    return 0;
}

void CStairBoardDrawDlg::OnIgnoredClick() {}

BOOL CStairBoardDrawDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_ctrlTip.m_hWnd) m_ctrlTip.RelayEvent(pMsg);
    return CCaltPageDlg::PreTranslateMessage(pMsg);
}

BOOL CStairBoardDrawDlg::DestroyWindow() {
    if (m_ctrlTip.m_hWnd) m_ctrlTip.DestroyWindow();
    return CCaltPageDlg::DestroyWindow();
}

BOOL CStairBoardDrawDlg::OnHelpInfo(HELPINFO*) { return TRUE; }
