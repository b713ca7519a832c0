#include "stair/BeamStairDrawDlg.h"

#include <cmath>
#include <cstdlib>

#include "host/CommandReports.h"
#include "host/QeltSteelBar.h"
#include "host/VuskMainInfo.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "mfc/user/MessageBox.h"
#include "stair/BeamStairParam.h"
#include "stair/StairBarNotation.h"
#include "stair/StairBoardParam.h"

namespace {

// The controls of bars 1 to 7: grade, diameter, count or spacing.
const UINT kGradeIDs[7] = {IDC_BSD_GRADE1, IDC_BSD_GRADE2, IDC_BSD_GRADE3, IDC_BSD_GRADE4,
                           IDC_BSD_GRADE5, IDC_BSD_GRADE6, IDC_BSD_GRADE7};
const UINT kDiaIDs[7] = {IDC_BSD_DIA1, IDC_BSD_DIA2, IDC_BSD_DIA3, IDC_BSD_DIA4,
                         IDC_BSD_DIA5, IDC_BSD_DIA6, IDC_BSD_DIA7};
const UINT kNumberIDs[7] = {IDC_BSD_NUM1, IDC_BSD_NUM2, IDC_BSD_NUM3, IDC_BSD_NUM4,
                            IDC_BSD_NUM5, IDC_BSD_NUM6, IDC_BSD_NUM7};

// One Redraw at a time, for every page.
bool g_bRedrawing = false;

}  // namespace

IMPLEMENT_DYNAMIC(CBeamStairDrawDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CBeamStairDrawDlg, CCaltPageDlg)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BSD_DETAIL_SCALE, IDC_BSD_SCALE, OnFieldKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BSD_NUM1, IDC_BSD_NUM7, OnFieldKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BSD_B1, IDC_BSD_W, OnFieldKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BSD_B, IDC_BSD_H2, OnFieldKillFocus)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_BSD_DIA1, IDC_BSD_GRADE6, OnFieldKillFocus)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_BSD_DIA5, IDC_BSD_GRADE3, OnFieldKillFocus)
    ON_CONTROL_RANGE(CBN_KILLFOCUS, IDC_BSD_GRADE5, IDC_BSD_GRADE7, OnFieldKillFocus)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BSD_VIEW_FLIGHT, IDC_BSD_VIEW_DETAIL2, OnClickView)
    ON_BN_CLICKED(IDC_BSD_MIRROR, OnClickMirror)
    ON_MESSAGE(WM_USER + 100, OnSelectShape)
    ON_BN_CLICKED(IDC_BSD_PREV, OnIgnoredClick)
    ON_BN_CLICKED(IDC_BSD_NEXT, OnIgnoredClick)
    ON_WM_HELPINFO()
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CBeamStairDrawDlg::CBeamStairDrawDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent),
      m_dB(0), m_dB1(0), m_dB2(0), m_dB3(0), m_dH(0), m_dH1(0), m_dH2(0), m_dH3(0), m_dL2(0), m_dL3(0), m_dT(0),
      m_dW(0), m_dElev(0), m_dDtaScale(0), m_dScale(0), m_nSteps(0), m_nView(0), m_bMirror(0) {
    for (int& n : m_nNumber) n = 0;
    CQeltSteelBar::GetSteelBarGradeString(m_arrGrades);
}

CBeamStairDrawDlg::~CBeamStairDrawDlg() = default;

void CBeamStairDrawDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BSD_SELECTOR, m_ctrlSelector);
    DDX_Control(pDX, IDC_BSD_PICTURE, m_ctrlPicture);
    DDX_Text(pDX, IDC_BSD_B, m_dB);
    DDX_Text(pDX, IDC_BSD_B1, m_dB1);
    DDX_Text(pDX, IDC_BSD_B2, m_dB2);
    DDX_Text(pDX, IDC_BSD_B3, m_dB3);
    DDX_Text(pDX, IDC_BSD_H, m_dH);
    DDX_Text(pDX, IDC_BSD_H1, m_dH1);
    DDX_Text(pDX, IDC_BSD_H2, m_dH2);
    DDX_Text(pDX, IDC_BSD_H3, m_dH3);
    DDX_Text(pDX, IDC_BSD_L2, m_dL2);
    DDX_Text(pDX, IDC_BSD_L3, m_dL3);
    DDX_Text(pDX, IDC_BSD_T, m_dT);
    DDX_Text(pDX, IDC_BSD_W, m_dW);
    DDX_Text(pDX, IDC_BSD_ELEV, m_dElev);
    DDX_Text(pDX, IDC_BSD_DETAIL_SCALE, m_dDtaScale);
    DDX_Text(pDX, IDC_BSD_SCALE, m_dScale);
    DDX_Text(pDX, IDC_BSD_NAME, m_strNum);
    for (int i = 0; i < 7; i++) DDX_Text(pDX, kNumberIDs[i], m_nNumber[i]);
    DDX_Text(pDX, IDC_BSD_N, m_nSteps);
    DDX_Radio(pDX, IDC_BSD_VIEW_FLIGHT, m_nView);
    DDX_Check(pDX, IDC_BSD_MIRROR, m_bMirror);
}

BOOL CBeamStairDrawDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    CString strItem;
    for (UINT nID : kDiaIDs) {
        CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
        for (int k = 0; pCombo && k < 14; k++) {
            strItem.Format("%d", g_nStairDiameters[k]);
            pCombo->AddString(strItem);
        }
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

CString CBeamStairDrawDlg::DrawSlideName(int nShape, int nView, BOOL bMirror) {
    if (nShape < BEAM_STAIR_A || nShape > BEAM_STAIR_D) nShape = BEAM_STAIR_A;
    CString strName;
    strName.Format("BEAMSTAIRDRAW_%s%c", bMirror ? "R" : "", 'A' + nShape);
    if (nView == 1 || nView == 2) strName.AppendFormat("%d", nView);
    return strName;
}

void CBeamStairDrawDlg::GetData(CVuskParam* pParam) {
    BeamStairDrawData& r = m_record;
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (p) {
        r.m_dSizeB = p->b;
        r.m_dSizeB1 = p->b1;
        r.m_dSizeB2 = p->b2;
        r.m_dSizeB3 = p->b3;
        r.m_dSizeH = p->h;
        r.m_dSizeH1 = p->h1;
        r.m_dSizeH2 = p->h2;
        r.m_dSizeH3 = p->h3;
        r.m_dSizeL2 = p->l2;
        r.m_dSizeL3 = p->l3;
        r.m_nSizeN = p->nSteps;
        r.m_dSizeT = p->t;
        r.m_dSizeW = p->w;
        for (int nBar = 1; nBar <= 7; nBar++) r.Grade(nBar) = p->strSteelLevel;
        if (p->shpbar1_Dia != 0) {
            const int aDia[7] = {p->shpbar1_Dia, p->shpbar2_Dia, p->shpbar3_Dia, p->shpbar4_Dia,
                                 p->shpbar5_Dia, p->shpbar6_Dia, p->shpbar7_Dia};
            const int aInt[7] = {p->shpbar1_Int, p->shpbar2_Int, p->shpbar3_Int, p->shpbar4_Int,
                                 p->shpbar5_Int, p->shpbar6_Int, p->shpbar7_Int};
            for (int nBar = 1; nBar <= 7; nBar++) {
                r.Dia(nBar) = aDia[nBar - 1];
                r.Number(nBar) = aInt[nBar - 1];
            }
            r.m_nType = p->nStairType;
        }
    } else if (m_hWnd) {
        UpdateData(TRUE);
        r.m_dSizeB = m_dB;
        r.m_dSizeB1 = m_dB1;
        r.m_dSizeB2 = m_dB2;
        r.m_dSizeB3 = m_dB3;
        r.m_dSizeH = m_dH;
        r.m_dSizeH1 = m_dH1;
        r.m_dSizeH2 = m_dH2;
        r.m_dSizeH3 = m_dH3;
        r.m_dSizeL2 = m_dL2;
        r.m_dSizeL3 = m_dL3;
        r.m_nSizeN = m_nSteps;
        r.m_dSizeT = m_dT;
        r.m_dSizeW = m_dW;
        r.m_dElev = m_dElev;
        r.m_strNum = m_strNum;
        for (int nBar = 1; nBar <= 7; nBar++) {
            r.Number(nBar) = m_nNumber[nBar - 1];
            r.Dia(nBar) = std::atoi(GetComboBoxText(kDiaIDs[nBar - 1]));
            r.Grade(nBar) = GetComboBoxText(kGradeIDs[nBar - 1]);
        }
    }
    if (m_hWnd) r.m_bMirror = GetCheckData(IDC_BSD_MIRROR) ? 1 : 0;
}

void CBeamStairDrawDlg::SetData(CVuskParam* pParam) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p || !m_hWnd) return;
    m_bMirror = m_record.m_bMirror;
    m_dB = p->b;
    m_dB1 = p->b1;
    m_dB2 = p->b2;
    m_dB3 = p->b3;
    m_dH = p->h;
    m_dH1 = p->h1;
    m_dH2 = p->h2;
    m_dH3 = p->h3;
    m_dL2 = p->l2;
    m_dL3 = p->l3;
    m_nSteps = p->nSteps;
    m_dT = p->t;
    m_dW = p->w;
    m_dElev = m_record.m_dElev;
    m_strNum = m_record.m_strNum;
    m_dDtaScale = m_record.m_dDtaScale;
    m_dScale = m_record.m_dScale;
    const BOOL bSchemes = p->shpbar1_Dia != 0;
    const int aDia[7] = {p->shpbar1_Dia, p->shpbar2_Dia, p->shpbar3_Dia, p->shpbar4_Dia,
                         p->shpbar5_Dia, p->shpbar6_Dia, p->shpbar7_Dia};
    const int aInt[7] = {p->shpbar1_Int, p->shpbar2_Int, p->shpbar3_Int, p->shpbar4_Int,
                         p->shpbar5_Int, p->shpbar6_Int, p->shpbar7_Int};
    for (int nBar = 1; nBar <= 7; nBar++) {
        m_nNumber[nBar - 1] = bSchemes ? aInt[nBar - 1] : m_record.Number(nBar);
        SetComboBoxText(kDiaIDs[nBar - 1], bSchemes ? aDia[nBar - 1] : m_record.Dia(nBar));
        // The stair beam's longitudinal bars take its grade, the stirrups and slab bars HPB235.
        const BOOL bBeamBar = nBar == 1 || nBar == 2 || nBar == 4 || nBar == 5;
        SetComboBoxText(kGradeIDs[nBar - 1], bBeamBar ? p->strSteelLevel : CString("HPB235"));
    }
    UpdateData(FALSE);
    FillSelector();
    ApplyBarRule();
}

void CBeamStairDrawDlg::FillSelector() {
    if (!m_hWnd) return;
    CStringArray arrSlides, arrNames;
    for (int nShape = BEAM_STAIR_A; nShape <= BEAM_STAIR_D; nShape++) {
        arrSlides.Add(DrawSlideName(nShape, m_nView, m_bMirror));
        arrNames.Add(g_szBeamStairShapeNames[nShape]);
    }
    const CString strLibrary = StairSlideLibrary();
    m_ctrlSelector.SetItem(strLibrary, strLibrary, arrSlides, arrSlides, -1, 2, 2);
    m_ctrlSelector.SetIndex(arrNames, -1);
    m_ctrlSelector.SetCurSel(m_record.m_nType);
}

void CBeamStairDrawDlg::EnableControl(UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}

void CBeamStairDrawDlg::ApplyBarRule() {
    if (!m_hWnd) return;
    UpdateData(TRUE);
    const BeamStairDrawData& r = m_record;
    const int nShape = r.m_nType;
    EnableControl(IDC_BSD_L2, nShape == BEAM_STAIR_C || nShape == BEAM_STAIR_D);
    EnableControl(IDC_BSD_L3, nShape == BEAM_STAIR_B || nShape == BEAM_STAIR_D);
    BOOL bBar4 = FALSE, bBar5 = FALSE;
    if (nShape == BEAM_STAIR_C || nShape == BEAM_STAIR_D) {
        // Bar 4 needs more than 100 mm of upper platform beyond the stair beam's bend.
        const double a = std::atan(r.m_dSizeH / r.m_dSizeB);
        const double dBend = (r.m_dSizeB * std::sin(a) + r.m_dSizeH3) / std::sin(a) - r.m_dSizeH3 / std::tan(a);
        bBar4 = r.m_dSizeL2 - dBend > 100;
        bBar5 = TRUE;
    }
    for (UINT nID : {IDC_BSD_GRADE4, IDC_BSD_DIA4, IDC_BSD_NUM4}) EnableControl(nID, bBar4);
    for (UINT nID : {IDC_BSD_GRADE5, IDC_BSD_DIA5, IDC_BSD_NUM5}) EnableControl(nID, bBar5);
    UpdateData(FALSE);
}

BeamStairDrawData CBeamStairDrawDlg::CollectDrawData() {
    BeamStairDrawData& r = m_record;
    if (!m_hWnd) return r;
    UpdateData(TRUE);
    r.m_bMirror = m_bMirror;
    r.m_dSizeB = m_dB;
    r.m_dSizeB1 = m_dB1;
    r.m_dSizeB2 = m_dB2;
    r.m_dSizeB3 = m_dB3;
    r.m_dSizeH = m_dH;
    r.m_dSizeH1 = m_dH1;
    r.m_dSizeH2 = m_dH2;
    r.m_dSizeH3 = m_dH3;
    r.m_dSizeL2 = m_dL2;
    r.m_dSizeL3 = m_dL3;
    r.m_dSizeT = m_dT;
    r.m_nSizeN = m_nSteps;
    r.m_dSizeW = m_dW;
    for (int nBar = 1; nBar <= 7; nBar++) r.Number(nBar) = m_nNumber[nBar - 1];
    r.m_dElev = m_dElev;
    r.m_strNum = m_strNum;
    if (m_dDtaScale > 0)
        r.m_dDtaScale = m_dDtaScale;
    else
        m_dDtaScale = r.m_dDtaScale;
    if (m_dScale > 0)
        r.m_dScale = m_dScale;
    else
        m_dScale = r.m_dScale;
    for (int nBar = 1; nBar <= 7; nBar++) {
        r.Dia(nBar) = std::atoi(GetComboBoxText(kDiaIDs[nBar - 1]));
        r.Grade(nBar) = GetComboBoxText(kGradeIDs[nBar - 1]);
    }
    UpdateData(FALSE);
    return r;
}

CString CBeamStairDrawDlg::DrawDataFailures(const BeamStairDrawData& r) {
    CString strText;
    int k = 1;
    auto add = [&](bool bFails, LPCTSTR lpszFormat, double dValue = 0, int nValue = 0, bool bInt = false) {
        if (!bFails) return;
        CString strLine;
        if (bInt)
            strLine.Format(lpszFormat, k, nValue);
        else
            strLine.Format(lpszFormat, k, dValue);
        strText += strLine + "\n";
        k++;
    };
    // The clear spacing of bar nBar across the stair beam; a count of 1 has none (its count test
    // reports it), so it is not tested.
    auto spacingFails = [&r](int nBar, double dGap, double dFactor) {
        const int n = r.Number(nBar), d = r.Dia(nBar);
        if (n < 2) return false;
        const double s = (r.m_dSizeB3 - 50 - n * d) / (n - 1);
        return s < dGap || s < dFactor * d;
    };
    add(r.m_dSizeB > 350 || r.m_dSizeB < 180, "%d.180=<b<=350。\n");
    add(r.m_dSizeH > 210 || r.m_dSizeH < 140, "%d.140=<h<=210。\n");
    add(r.m_dSizeW < 850, "%d.w>=850。\n");
    add(r.m_nSizeN < 3 || r.m_nSizeN > 18, "%d.3=<n<=18。\n");
    add(r.m_dSizeT >= r.m_dSizeH3 || r.m_dSizeT < 40, "%d.40<t<h3。\n");
    add(r.m_dSizeB1 < 150, "%d.b1>=150。\n");
    add(r.m_dSizeB2 < 150, "%d.b2>=150。\n");
    const double c = 1 / std::cos(std::atan(r.m_dSizeH / r.m_dSizeB));
    const int nH3 = static_cast<int>(r.m_dSizeH3);
    const BOOL bUpperOnFlight = r.m_nType == BEAM_STAIR_A || r.m_nType == BEAM_STAIR_B;
    const BOOL bLowerOnFlight = r.m_nType == BEAM_STAIR_A || r.m_nType == BEAM_STAIR_C;
    if (r.m_nType >= BEAM_STAIR_A && r.m_nType <= BEAM_STAIR_D) {
        if (bUpperOnFlight)
            add(c * r.m_dSizeH3 + r.m_dSizeH > r.m_dSizeH1, "%d.h1>=h3/cos(a)+h, 即大于%.2f。\n", c * r.m_dSizeH3 + r.m_dSizeH);
        else
            add(r.m_dSizeH1 < r.m_dSizeH3, "%d.h1>=h3, 即大于%d。\n", 0, nH3, true);
        if (bLowerOnFlight)
            add(c * r.m_dSizeH3 > r.m_dSizeH2, "%d.h2>=h3/cos(a), 即大于%.2f。\n", c * r.m_dSizeH3);
        else
            add(r.m_dSizeH2 < r.m_dSizeH3, "%d.h2>=h3, 即大于%d。\n", 0, nH3, true);
    }
    add(r.m_nReinN1 < 2, "%d.钢筋1不能小于2根。\n");
    add(spacingFails(1, 25, 1), "%d.钢筋1间距应大于25及d, 请增加b3或减少钢筋根数。\n");
    add(r.m_nReinN2 < 2, "%d.钢筋2不能小于2根。\n");
    add(spacingFails(2, 30, 1.5), "%d.钢筋2间距应大于30及1.5d, 请增加b3或减少钢筋根数。\n");
    add(r.m_nReinN4 < 2, "%d.钢筋4不能小于2根。\n");
    add(spacingFails(4, 25, 1), "%d.钢筋4间距应大于25及d, 请增加b3或减少钢筋根数。\n");
    add(r.m_nReinN5 < 2, "%d.钢筋5不能小于2根。\n");
    return strText;
}

BOOL CBeamStairDrawDlg::CheckDrawData() {
    const CString strFailures = DrawDataFailures(m_record);
    if (strFailures.IsEmpty()) return TRUE;
    qelt::host::CalculationStepScope step;  // the question and its answer are the drawing's own outcome
    if (AfxMessageBox(strFailures + "\n是否直接绘图?", MB_YESNO | MB_ICONQUESTION) == IDYES) return TRUE;
    step.Note(qelt::host::CalculationStep::DrawingDeclined);
    return FALSE;
}

void CBeamStairDrawDlg::Redraw() {
    if (g_bRedrawing || !m_hWnd) return;
    g_bRedrawing = true;
    CollectDrawData();
    UpdateWindow();
    g_bRedrawing = false;
}

void CBeamStairDrawDlg::OnOK() {
    CollectDrawData();
    if (!CheckDrawData()) {
        Redraw();
        return;
    }
    m_record.Save("BeamStairDraw");
    g_VuskMainInfo.SendAcadCommand("VUSKLSHLT\n", NULL);
}

void CBeamStairDrawDlg::OnFieldKillFocus(UINT) { Redraw(); }

void CBeamStairDrawDlg::OnClickView(UINT) {
    UpdateData(TRUE);
    Redraw();
    FillSelector();
}

void CBeamStairDrawDlg::OnClickMirror() {
    m_bMirror = m_bMirror ? 0 : 1;
    SetCheckData(IDC_BSD_MIRROR, m_bMirror);
    m_record.m_bMirror = m_bMirror;
    FillSelector();
}

LRESULT CBeamStairDrawDlg::OnSelectShape(WPARAM wParam, LPARAM) {
    m_record.m_nType = static_cast<int>(wParam);
    ApplyBarRule();
    return 0;
}

void CBeamStairDrawDlg::OnIgnoredClick() {}

// F1 runs the class library's help command, which takes the page's help context to the host's help.
BOOL CBeamStairDrawDlg::OnHelpInfo(HELPINFO*) {
    OnHelp();
    return TRUE;
}
