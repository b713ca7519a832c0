#include "stair/BeamStairBasicDlg.h"

#include <cmath>
#include <cstdlib>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "stair/BeamStairParam.h"
#include "stair/StairBoardParam.h"
#include "stair/StairNumberReaders.h"

namespace {

const struct {
    UINT nID;
    const char* pszTip;
} kTips[] = {
    {IDC_BS_AS1, "as1为梯段板纵筋合力点至近边距离."}, {IDC_BS_AS2, "as2为梯梁纵筋合力点至近边距离."},
    {IDC_BS_COVER, "c为保护层厚度."},                 {IDC_BS_CRACK, "裂缝限值取值:0.01~100 mm"},
    {IDC_BS_LIM1, "取值范围:1~1000"},                 {IDC_BS_LIM2, "取值范围:1~1000"},
    {IDC_BS_LIM3, "取值范围:1~1000"},                 {IDC_BS_COVER, "取值范围:0~200"},
    {IDC_BS_RG, "取值范围:0.01~10"},                  {IDC_BS_RQ, "取值范围:0.01~10"},
    {IDC_BS_WQ, "取值范围:0.01~10"},
};

// The number edits, in the order the page writes and reads them.
const struct {
    UINT nID;
    double CBeamStairParam::*pValue;
} kNumbers[] = {
    {IDC_BS_B, &CBeamStairParam::b},   {IDC_BS_H, &CBeamStairParam::h},   {IDC_BS_T, &CBeamStairParam::t},
    {IDC_BS_B1, &CBeamStairParam::b1}, {IDC_BS_H1, &CBeamStairParam::h1}, {IDC_BS_B2, &CBeamStairParam::b2},
    {IDC_BS_H2, &CBeamStairParam::h2}, {IDC_BS_B3, &CBeamStairParam::b3}, {IDC_BS_H3, &CBeamStairParam::h3},
    {IDC_BS_W, &CBeamStairParam::w},   {IDC_BS_H4, &CBeamStairParam::h4}, {IDC_BS_L2, &CBeamStairParam::l2},
    {IDC_BS_L3, &CBeamStairParam::l3}, {IDC_BS_LV, &CBeamStairParam::lv}, {IDC_BS_LM, &CBeamStairParam::lm},
    {IDC_BS_LX, &CBeamStairParam::lx},
};

// The message of each range test by the edit whose value it tests; it also tells a text that is no
// number.
const struct {
    UINT nID;
    const char* pszMessage;
} kMessages[] = {
    {IDC_BS_B, "参数180<=b<=350"},
    {IDC_BS_H, "参数140<=h<=210"},
    {IDC_BS_COVER, "参数5<=c<=50,且c<=t-10"},
    {IDC_BS_B1, "参数150<=b1<1000"},
    {IDC_BS_H1, "参数0<h1<1000"},
    {IDC_BS_B2, "参数150<b2<1000"},
    {IDC_BS_H2, "参数0<h2<1000"},
    {IDC_BS_B3, "参数150<=b3<1000"},
    {IDC_BS_H3, "参数0<h3<1000"},
    {IDC_BS_N, "参数3<=n<=100"},
    {IDC_BS_W, "参数850<=W<3000"},
    {IDC_BS_L2, "参数150<l2<5000"},
    {IDC_BS_L3, "参数150<l3<5000"},
    {IDC_BS_T, "参数40<=t<=h3"},
    {IDC_BS_H4, "参数40<h4<h3"},
    {IDC_BS_LM, "楼梯面荷载参数 0<pm<10000"},
    {IDC_BS_LV, "楼梯活荷载参数 0<pv<10000"},
    {IDC_BS_LX, "楼梯栏杆线荷载参数 0<px<10000"},
};

const char* Message(UINT nID) {
    for (const auto& entry : kMessages)
        if (entry.nID == nID) return entry.pszMessage;
    return "";
}

// Inside [dLower, dUpper]; FALSE for not-a-number.
bool Within(double dValue, double dLower, double dUpper) { return dValue >= dLower && dValue <= dUpper; }

CString Formatted(double dValue) {
    CString strText;
    strText.Format("%G", dValue);
    return strText;
}

}  // namespace

IMPLEMENT_DYNAMIC(CBeamStairBasicDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CBeamStairBasicDlg, CCaltPageDlg)
    ON_MESSAGE(WM_USER + 100, OnSelectShape)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BS_AS1, IDC_BS_AS2, OnLimitKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BS_COVER, IDC_BS_COVER, OnLimitKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BS_CRACK, IDC_BS_CRACK, OnLimitKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BS_LIM1, IDC_BS_LIM3, OnLimitKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BS_RG, IDC_BS_RQ, OnLimitKillFocus)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_BS_WQ, IDC_BS_WQ, OnLimitKillFocus)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CBeamStairBasicDlg::CBeamStairBasicDlg(CWnd* pParent) : CCaltPageDlg(IDD, pParent), m_nShape(BEAM_STAIR_A) {
    CQeltConcrete::GetConcreteGradeString(m_arrConcrete);
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteel);
}

CBeamStairBasicDlg::~CBeamStairBasicDlg() = default;

void CBeamStairBasicDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BS_SELECTOR, m_ctrlSelector);
}

BOOL CBeamStairBasicDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();

    CStringArray arrSlides, arrCurSlides, arrNames;
    for (int nShape = BEAM_STAIR_A; nShape <= BEAM_STAIR_D; nShape++) {
        arrSlides.Add(BeamStairSlideName(nShape, "X"));
        arrCurSlides.Add(BeamStairSlideName(nShape, "J"));
        arrNames.Add(g_szBeamStairShapeNames[nShape]);
    }
    const CString strLibrary = StairSlideLibrary();
    m_ctrlSelector.SetItem(strLibrary, strLibrary, arrSlides, arrCurSlides, -1, 2, 2);
    m_ctrlSelector.SetIndex(arrNames, -1);

    m_ctrlTip.Create(this);
    m_ctrlTip.Activate(TRUE);
    for (const auto& tip : kTips) m_ctrlTip.AddTool(GetDlgItem(tip.nID), tip.pszTip);

    FillGradeList(IDC_BS_CONCRETE, m_arrConcrete);
    FillGradeList(IDC_BS_STEEL, m_arrSteel);
    return TRUE;
}

void CBeamStairBasicDlg::FillGradeList(UINT nID, const CStringArray& arrGrades) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return;
    pCombo->ResetContent();
    for (int i = 0; i < arrGrades.GetSize(); i++) pCombo->AddString(arrGrades[i]);
    pCombo->SetCurSel(0);
}

void CBeamStairBasicDlg::EnableControl(UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}

void CBeamStairBasicDlg::ApplyPlatformRule() {
    const BOOL bUpper = m_nShape == BEAM_STAIR_C || m_nShape == BEAM_STAIR_D;
    const BOOL bLower = m_nShape == BEAM_STAIR_B || m_nShape == BEAM_STAIR_D;
    EnableControl(IDC_BS_L2, bUpper);
    EnableControl(IDC_BS_L3, bLower);
    EnableControl(IDC_BS_H4, m_nShape != BEAM_STAIR_A);
    if (bUpper && std::atoi(GetEditText(IDC_BS_L2)) == 0) SetEditText(IDC_BS_L2, "500");
    if (bLower && std::atoi(GetEditText(IDC_BS_L3)) == 0) SetEditText(IDC_BS_L3, "500");
}

BOOL CBeamStairBasicDlg::IsEnabled(UINT nID) const {
    const CWnd* pWnd = GetDlgItem(nID);
    return pWnd && pWnd->IsWindowEnabled();
}

void CBeamStairBasicDlg::SetData(CVuskParam* pParam) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p) return;
    for (const auto& field : kNumbers) SetEditText(field.nID, p->*field.pValue);
    SetEditText(IDC_BS_N, p->nSteps);
    SetEditText(IDC_BS_NUMBER, p->strNumber);
    if (CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_BS_RESTRAINT)))
        pCombo->SetCurSel(p->nRestrictionType);
    SetComboBoxText(IDC_BS_STEEL, p->strSteelLevel);
    SetComboBoxText(IDC_BS_CONCRETE, p->strConcreteLevel);
    m_nShape = p->nStairType;
    ApplyPlatformRule();
    m_ctrlSelector.SetCurSel(m_nShape);
    for (const BeamStairLimitField& field : g_BeamStairLimits) SetDlgItemText(field.nID, Formatted(p->*field.pValue));
    if (CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_BS_SURFACE))) {
        int nFound = 0;
        for (int i = 0; i < pCombo->GetCount(); i++) {
            CString strItem;
            pCombo->GetLBText(i, strItem);
            if (strItem.Left(p->m_strSteelStypeVor.GetLength()) == p->m_strSteelStypeVor) {
                nFound = i;
                break;
            }
        }
        pCombo->SetCurSel(nFound);
    }
    SetCheckData(IDC_BS_SERVICE, p->m_bIsCalRAL);
}

void CBeamStairBasicDlg::GetData(CVuskParam* pParam) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p) return;
    // A text that is no number leaves the value as it was; the input check refuses the text.
    for (const auto& field : kNumbers) {
        double dValue = 0;
        if (!IsEnabled(field.nID) && (field.nID == IDC_BS_L2 || field.nID == IDC_BS_L3))
            p->*field.pValue = 0;
        else if (ReadFiniteNumber(GetEditText(field.nID), dValue))
            p->*field.pValue = dValue;
    }
    ReadWholeNumber(GetEditText(IDC_BS_N), p->nSteps);
    p->strNumber = GetEditText(IDC_BS_NUMBER);
    if (const CComboBox* pCombo = static_cast<const CComboBox*>(GetDlgItem(IDC_BS_RESTRAINT)))
        p->nRestrictionType = pCombo->GetCurSel();
    p->strSteelLevel = GetComboBoxText(IDC_BS_STEEL);
    p->strConcreteLevel = GetComboBoxText(IDC_BS_CONCRETE);
    p->nStairType = m_nShape;
    for (const BeamStairLimitField& field : g_BeamStairLimits) TakeLimit(field.nID, *p);
    p->m_strSteelStypeVor = GetComboBoxText(IDC_BS_SURFACE);
    p->m_bIsCalRAL = GetCheckData(IDC_BS_SERVICE);
    p->bSchemeChosen = 0;
}

BOOL CBeamStairBasicDlg::CheckTexts(CStringArray& arrErrors) const {
    if (!m_hWnd) return TRUE;
    for (const auto& field : kNumbers) {
        double dValue = 0;
        if (IsEnabled(field.nID) && !ReadFiniteNumber(GetEditText(field.nID), dValue)) {
            arrErrors.Add(Message(field.nID));
            return FALSE;
        }
    }
    int nSteps = 0;
    if (!ReadWholeNumber(GetEditText(IDC_BS_N), nSteps)) {
        arrErrors.Add(Message(IDC_BS_N));
        return FALSE;
    }
    return TRUE;
}

BOOL CBeamStairBasicDlg::CheckRanges(const CBeamStairParam& p, CStringArray& arrErrors) const {
    const BOOL bUpper = m_nShape == BEAM_STAIR_C || m_nShape == BEAM_STAIR_D;
    const BOOL bLower = m_nShape == BEAM_STAIR_B || m_nShape == BEAM_STAIR_D;
    // Each test fails for a value outside its range and for one that is not a number.
    const struct {
        bool bFails;
        UINT nID;
    } tests[] = {
        {!Within(p.b, 180, 350), IDC_BS_B},
        {!Within(p.h, 140, 210), IDC_BS_H},
        {!Within(p.m_dC, 5, 50) || !(p.m_dC <= p.t - 10), IDC_BS_COVER},
        {!(p.b1 >= 150 && p.b1 < 1000), IDC_BS_B1},
        {!Within(p.h1, 0, 1000), IDC_BS_H1},
        {!Within(p.b2, 150, 1000), IDC_BS_B2},
        {!Within(p.h2, 0, 1000), IDC_BS_H2},
        {!Within(p.b3, 150, 1000), IDC_BS_B3},
        {!Within(p.h3, 0, 1000), IDC_BS_H3},
        {!(p.nSteps >= 3 && p.nSteps <= 100), IDC_BS_N},
        {!Within(p.w, 850, 3000), IDC_BS_W},
        {bUpper && !Within(p.l2, 150, 5000), IDC_BS_L2},
        {bLower && !Within(p.l3, 150, 5000), IDC_BS_L3},
        {!Within(p.t, 40, p.h3), IDC_BS_T},
        {!Within(p.h4, 40, p.h3), IDC_BS_H4},
        {!Within(p.lm, 0, 10000), IDC_BS_LM},
        {!Within(p.lv, 0, 10000), IDC_BS_LV},
        {!Within(p.lx, 0, 10000), IDC_BS_LX},
    };
    for (const auto& test : tests) {
        if (test.bFails) {
            arrErrors.Add(Message(test.nID));
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CBeamStairBasicDlg::CheckDepths(const CBeamStairParam& p, CStringArray& arrWarnings) const {
    // Landing-beam depths: an end that the flight reaches needs h3/cosα + h, a platform end h3.
    const double G = p.h3 / std::cos(std::atan(p.h / p.b)) + p.h;
    CString strMessage;
    const BOOL bUpperOnFlight = m_nShape == BEAM_STAIR_A || m_nShape == BEAM_STAIR_B;
    const BOOL bLowerOnFlight = m_nShape == BEAM_STAIR_A || m_nShape == BEAM_STAIR_C;
    if (bUpperOnFlight ? p.h1 < G : p.h1 < p.h3) {
        if (bUpperOnFlight)
            strMessage.Format("h1>=h3/cos(a)+h, 即大于%.2f。", G);
        else
            strMessage.Format("h1>=h3, 即大于%d。", static_cast<int>(p.h3));
    } else if (bLowerOnFlight ? p.h2 < G : p.h2 < p.h3) {
        if (bLowerOnFlight)
            strMessage.Format("h2>=h3/cos(a)+h, 即大于%.2f。", G);
        else
            strMessage.Format("h2>=h3, 即大于%d。", static_cast<int>(p.h3));
    }
    if (strMessage.IsEmpty()) return TRUE;
    arrWarnings.Add(strMessage);
    return FALSE;
}

BOOL CBeamStairBasicDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p) return TRUE;
    // A text that is no number and a value outside its range stop the calculation; the limit fields
    // keep their value when a text is refused, so a stored one is tested here.
    if (!CheckTexts(arrErrors) || !CheckRanges(*p, arrErrors)) return FALSE;
    const int nErrors = arrErrors.GetSize();
    p->CheckLimits(arrErrors);
    if (arrErrors.GetSize() > nErrors) return FALSE;
    // Spans and effective depths of less than a millimetre leave nothing to calculate.
    if (p->w - 2 * p->b3 < 1) {
        arrErrors.Add("楼梯几何尺寸无法计算：W-2*b3>=1mm");
        return FALSE;
    }
    if (p->h3 - p->as2 < 1 || p->TreadStripDepth() - p->as1 < 1) {
        arrErrors.Add("截面无法计算：h3-as2>=1mm, 且(h*cosα+t)/2-as1>=1mm");
        return FALSE;
    }
    if (!CheckDepths(*p, arrWarnings)) return FALSE;

    // The force run, then the over-reinforcement outcomes of the calculation's own tests.
    p->CalBeamForces(0);
    p->CalSlabSteel();
    p->CalSupportSteel();
    const double fc = CQeltConcrete::GetFc(p->strConcreteLevel);
    const double bc = CQeltConcrete::GetBetac(p->strConcreteLevel);
    const BOOL bLowerFixed = p->nRestrictionType == 1 || p->nRestrictionType == 3;
    const struct {
        bool bHolds;
        const char* pszMessage;
    } verdicts[] = {
        // The section's shear limit; equality passes.
        {0.2 * bc * fc * p->b3 * (p->h3 - p->as2) < p->beamVmax, "配箍计算超筋!"},
        {p->bXLSteelBig != 0, "梯梁超筋!"},
        {p->bTDBSteelBig != 0, "楼梯板超筋!"},
        {p->bZHZLBig != 0, "左支座处超筋!"},
        {bLowerFixed && p->bZHZRBig != 0, "右支座处超筋!"},
    };
    for (const auto& verdict : verdicts) {
        if (verdict.bHolds) {
            arrErrors.Add(verdict.pszMessage);
            return FALSE;
        }
    }
    if (p->XLSteelAsReal == 0) {
        arrWarnings.Add("钢筋1无配筋!");
        return FALSE;
    }
    return TRUE;
}

BOOL CBeamStairBasicDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_ctrlTip.m_hWnd) m_ctrlTip.RelayEvent(pMsg);
    return CCaltPageDlg::PreTranslateMessage(pMsg);
}

BOOL CBeamStairBasicDlg::DestroyWindow() {
    if (m_ctrlTip.m_hWnd) m_ctrlTip.DestroyWindow();
    return CCaltPageDlg::DestroyWindow();
}

LRESULT CBeamStairBasicDlg::OnSelectShape(WPARAM wParam, LPARAM) {
    m_nShape = static_cast<int>(wParam);
    ApplyPlatformRule();
    return 0;
}

void CBeamStairBasicDlg::TakeLimit(UINT nID, CBeamStairParam& p) {
    for (const BeamStairLimitField& field : g_BeamStairLimits) {
        if (field.nID != nID) continue;
        double dValue = 0;
        if (ParseLimit(GetEditText(nID), field.dLower, field.dUpper, dValue))
            p.*field.pValue = dValue;
        else
            SetDlgItemText(nID, Formatted(p.*field.pValue));
    }
}

void CBeamStairBasicDlg::OnLimitKillFocus(UINT nID) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(GetParam());
    if (IsEnabled(nID) && p) TakeLimit(nID, *p);
}

BOOL CBeamStairBasicDlg::OnHelpInfo(HELPINFO*) { return TRUE; }
