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

// The limit fields, checked when they lose the focus (bounds included).
struct LimitField {
    UINT nID;
    double CBeamStairParam::*pValue;
    double dLower, dUpper;
};

const LimitField kLimits[] = {
    {IDC_BS_AS1, &CBeamStairParam::as1, 0.01, 200},
    {IDC_BS_AS2, &CBeamStairParam::as2, 0.01, 200},
    {IDC_BS_RG, &CBeamStairParam::m_dRg, 0.01, 10},
    {IDC_BS_RQ, &CBeamStairParam::m_dRq, 0.01, 10},
    {IDC_BS_WQ, &CBeamStairParam::m_dWq, 0.01, 10},
    {IDC_BS_COVER, &CBeamStairParam::m_dC, 0, 200},
    {IDC_BS_CRACK, &CBeamStairParam::m_dCrackWidth, 0.01, 100},
    {IDC_BS_LIM1, &CBeamStairParam::m_dFlexibilityLim1, 1, 1000},
    {IDC_BS_LIM2, &CBeamStairParam::m_dFlexibilityLim2, 1, 1000},
    {IDC_BS_LIM3, &CBeamStairParam::m_dFlexibilityLim3, 1, 1000},
};

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

// The geometry edits in the order the page writes and reads them.
const struct {
    UINT nID;
    double CBeamStairParam::*pValue;
} kGeometry[] = {
    {IDC_BS_B, &CBeamStairParam::b},   {IDC_BS_H, &CBeamStairParam::h},   {IDC_BS_T, &CBeamStairParam::t},
    {IDC_BS_B1, &CBeamStairParam::b1}, {IDC_BS_H1, &CBeamStairParam::h1}, {IDC_BS_B2, &CBeamStairParam::b2},
    {IDC_BS_H2, &CBeamStairParam::h2}, {IDC_BS_B3, &CBeamStairParam::b3}, {IDC_BS_H3, &CBeamStairParam::h3},
    {IDC_BS_W, &CBeamStairParam::w},   {IDC_BS_H4, &CBeamStairParam::h4},
};

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

double CBeamStairBasicDlg::EditValue(UINT nID) const { return std::atof(GetEditText(nID)); }

void CBeamStairBasicDlg::ApplyPlatformRule() {
    const BOOL bUpper = m_nShape == BEAM_STAIR_C || m_nShape == BEAM_STAIR_D;
    const BOOL bLower = m_nShape == BEAM_STAIR_B || m_nShape == BEAM_STAIR_D;
    EnableControl(IDC_BS_L2, bUpper);
    EnableControl(IDC_BS_L3, bLower);
    EnableControl(IDC_BS_H4, m_nShape != BEAM_STAIR_A);
    if (bUpper && std::atoi(GetEditText(IDC_BS_L2)) == 0) SetEditText(IDC_BS_L2, "500");
    if (bLower && std::atoi(GetEditText(IDC_BS_L3)) == 0) SetEditText(IDC_BS_L3, "500");
}

void CBeamStairBasicDlg::SetData(CVuskParam* pParam) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p) return;
    for (const auto& field : kGeometry) SetEditText(field.nID, p->*field.pValue);
    SetEditText(IDC_BS_N, p->nSteps);
    SetEditText(IDC_BS_L2, p->l2);
    SetEditText(IDC_BS_L3, p->l3);
    SetEditText(IDC_BS_NUMBER, p->strNumber);
    if (CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_BS_RESTRAINT)))
        pCombo->SetCurSel(p->nRestrictionType);
    SetComboBoxText(IDC_BS_STEEL, p->strSteelLevel);
    SetComboBoxText(IDC_BS_CONCRETE, p->strConcreteLevel);
    SetEditText(IDC_BS_LV, p->lv);
    SetEditText(IDC_BS_LM, p->lm);
    SetEditText(IDC_BS_LX, p->lx);
    m_nShape = p->nStairType;
    ApplyPlatformRule();
    m_ctrlSelector.SetCurSel(m_nShape);
    for (const LimitField& field : kLimits) SetDlgItemText(field.nID, Formatted(p->*field.pValue));
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
    for (const auto& field : kGeometry) p->*field.pValue = EditValue(field.nID);
    p->nSteps = std::atoi(GetEditText(IDC_BS_N));
    p->strNumber = GetEditText(IDC_BS_NUMBER);
    const CWnd* pL2 = GetDlgItem(IDC_BS_L2);
    const CWnd* pL3 = GetDlgItem(IDC_BS_L3);
    p->l2 = pL2 && pL2->IsWindowEnabled() ? EditValue(IDC_BS_L2) : 0;
    p->l3 = pL3 && pL3->IsWindowEnabled() ? EditValue(IDC_BS_L3) : 0;
    if (const CComboBox* pCombo = static_cast<const CComboBox*>(GetDlgItem(IDC_BS_RESTRAINT)))
        p->nRestrictionType = pCombo->GetCurSel();
    p->strSteelLevel = GetComboBoxText(IDC_BS_STEEL);
    p->strConcreteLevel = GetComboBoxText(IDC_BS_CONCRETE);
    p->lv = EditValue(IDC_BS_LV);
    p->lm = EditValue(IDC_BS_LM);
    p->lx = EditValue(IDC_BS_LX);
    p->nStairType = m_nShape;
    for (const LimitField& field : kLimits) p->*field.pValue = GetPositiveDouble(GetEditText(field.nID), p->*field.pValue);
    p->m_strSteelStypeVor = GetComboBoxText(IDC_BS_SURFACE);
    p->m_bIsCalRAL = GetCheckData(IDC_BS_SERVICE);
    p->bSchemeChosen = 0;
}

BOOL CBeamStairBasicDlg::CheckRanges(const CBeamStairParam& p, CStringArray& arrWarnings) const {
    const BOOL bUpper = m_nShape == BEAM_STAIR_C || m_nShape == BEAM_STAIR_D;
    const BOOL bLower = m_nShape == BEAM_STAIR_B || m_nShape == BEAM_STAIR_D;
    const struct {
        bool bFails;
        const char* pszMessage;
    } tests[] = {
        {p.b < 180 || p.b > 350, "参数180<=b<=350"},
        {p.h < 140 || p.h > 210, "参数140<=h<=210"},
        {p.m_dC < 5 || p.m_dC > 50 || p.t - 10 < p.m_dC, "参数5<=c<=50,且c<=t-10"},
        {p.b1 < 150 || p.b1 >= 1000, "参数150<=b1<1000"},
        {p.h1 < 0 || p.h1 > 1000, "参数0<h1<1000"},
        {p.b2 < 150 || p.b2 > 1000, "参数150<b2<1000"},
        {p.h2 < 0 || p.h2 > 1000, "参数0<h2<1000"},
        {p.b3 < 150 || p.b3 > 1000, "参数150<=b3<1000"},
        {p.h3 < 0 || p.h3 > 1000, "参数0<h3<1000"},
        {p.nSteps < 3 || p.nSteps > 100, "参数3<=n<=100"},
        {p.w < 850 || p.w > 3000, "参数850<=W<3000"},
        {bUpper && (p.l2 < 150 || p.l2 > 5000), "参数150<l2<5000"},
        {bLower && (p.l3 < 150 || p.l3 > 5000), "参数150<l3<5000"},
        {p.t < 40 || p.t > p.h3, "参数40<=t<=h3"},
        {p.h4 < 40 || p.h4 > p.h3, "参数40<h4<h3"},
        {p.lm < 0 || p.lm > 10000, "楼梯面荷载参数 0<pm<10000"},
        {p.lv < 0 || p.lv > 10000, "楼梯活荷载参数 0<pv<10000"},
        {p.lx < 0 || p.lx > 10000, "楼梯栏杆线荷载参数 0<px<10000"},
    };
    for (const auto& test : tests) {
        if (test.bFails) {
            arrWarnings.Add(test.pszMessage);
            return FALSE;
        }
    }

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
    if (!strMessage.IsEmpty()) {
        arrWarnings.Add(strMessage);
        return FALSE;
    }
    return TRUE;
}

BOOL CBeamStairBasicDlg::CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) {
    CBeamStairParam* p = static_cast<CBeamStairParam*>(pParam);
    if (!p) return TRUE;
    // Sections the calculation cannot work with at all stop it, whatever the engineer answers to
    // the warnings below: a flight of at least two steps, a stair beam deeper than its bars and the
    // slab, a slab strip deeper than its bars.
    const double dStripDepth = p->TreadStripDepth();
    if (p->nSteps < 2 || p->b <= 0 || p->h <= 0 || p->w - 2 * p->b3 <= 0 || p->b3 <= 0) {
        arrErrors.Add("楼梯几何尺寸无法计算：n>=2, b>0, h>0, b3>0, W>2*b3");
        return FALSE;
    }
    if (p->h3 - p->as2 <= p->t || dStripDepth <= p->as1) {
        arrErrors.Add("截面无法计算：h3-as2>t, 且(h*cosα+t)/2>as1");
        return FALSE;
    }
    if (!CheckRanges(*p, arrWarnings)) return FALSE;

    p->CalBeamForces(0);

    const double xib = p->strSteelLevel == "HPB235" ? 0.614 : 0.544;
    const double dAlphaB = xib * (1 - 0.5 * xib);
    const double fm = CQeltConcrete::GetFm(p->strConcreteLevel);
    const double fc = CQeltConcrete::GetFc(p->strConcreteLevel);
    const double bc = CQeltConcrete::GetBetac(p->strConcreteLevel);
    const double h0 = p->h3 - p->as2;
    const double L = p->l1 + p->l2 + p->l3;
    const double bf = L / 6 < p->w / 2 ? L / 6 : p->w / 2;
    const double M = p->Mmax2 * 1e6;
    const double Mf1 = fm * bf * p->t * (h0 - p->t / 2);
    const double bw = Mf1 < M ? p->b3 : bf;
    const double Mf = fm * (bf - bw) * p->t * (h0 - p->t / 2);
    const double dLs = std::sqrt(p->b * p->b + p->h * p->h);
    const BOOL bLowerFixed = p->nRestrictionType == 1 || p->nRestrictionType == 3;
    const struct {
        bool bHolds;
        const char* pszMessage;
    } verdicts[] = {
        {0.2 * bc * fc * p->b3 * h0 <= p->beamVmax, "配箍计算超筋!"},
        {(M - Mf) / (fm * bw * h0 * h0) > dAlphaB, "梯梁超筋!"},
        {fm * dLs * dStripDepth * dStripDepth * dAlphaB <= p->Mmax1, "楼梯板超筋!"},
        {std::fabs(p->MmaxL) / (fm * p->b3 * h0 * h0) > dAlphaB, "左支座处超筋!"},
        {bLowerFixed && std::fabs(p->MmaxR) / (fm * p->b3 * h0 * h0) > dAlphaB, "右支座处超筋!"},
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

void CBeamStairBasicDlg::OnLimitKillFocus(UINT nID) {
    CWnd* pEdit = GetDlgItem(nID);
    CBeamStairParam* p = static_cast<CBeamStairParam*>(GetParam());
    if (!pEdit || !pEdit->IsWindowEnabled() || !p) return;
    for (const LimitField& field : kLimits) {
        if (field.nID != nID) continue;
        double dValue = 0;
        if (ParseDouble(GetEditText(nID), dValue) && dValue >= field.dLower && dValue <= field.dUpper)
            p->*field.pValue = dValue;
        else
            SetDlgItemText(nID, Formatted(p->*field.pValue));
    }
}

BOOL CBeamStairBasicDlg::OnHelpInfo(HELPINFO*) { return TRUE; }
