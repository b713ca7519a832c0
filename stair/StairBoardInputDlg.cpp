#include "stair/StairBoardInputDlg.h"

#include <cstdlib>

#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "mfc/stdctrl/ComboBox.h"
#include "mfc/user/DataExchange.h"
#include "mfc/user/LibraryTexts.h"
#include "stair/StairBoardParam.h"
#include "stair/StairNumberReaders.h"

namespace {

// The messages of the input tests by the control whose value each tests; a text that the data
// exchange refuses gets its control's message too.
const struct {
    UINT nID;
    const char* pszMessage;
} kMessages[] = {
    {IDC_SB_L1, "参数0<L1<=10000"},         {IDC_SB_L3, "参数0<L3<=10000"},
    {IDC_SB_H, "参数0<H<=10000"},           {IDC_SB_B2, "参数0<b2<=10000"},
    {IDC_SB_B1, "参数0<b1<=10000"},         {IDC_SB_Q, "参数0<可变荷载<=10000"},
    {IDC_SB_QF, "参数0<栏杆线荷<=10000"},   {IDC_SB_QM, "参数0<面层荷载<=10000"},
    {IDC_SB_T, "参数0<t<=10000"},           {IDC_SB_L2, "参数0<L2<=10000"},
    {IDC_SB_AS, "参数0<as<=10000"},         {IDC_SB_RATIO, "参数0<支座筋取跨中<=10000"},
    {IDC_SB_N, "参数1<n<=10000"},
};

// The message of a control's input test; the data exchange's own refusal for a control without one.
const char* Message(UINT nID) {
    for (const auto& entry : kMessages)
        if (entry.nID == nID) return entry.pszMessage;
    return qelt::texts::kParseReal;
}

const struct {
    UINT nID;
    const char* pszTip;
} kTips[] = {
    {IDC_SB_QM, "不包括梯板自重底面层荷载"},   {IDC_SB_AS, "as为受拉钢筋合力重心至楼梯板底距离"},
    {IDC_SB_CRACK, "裂缝限值取值:0.01~100 mm"}, {IDC_SB_LIM1, "取值范围:1~1000"},
    {IDC_SB_LIM2, "取值范围:1~1000"},           {IDC_SB_LIM3, "取值范围:1~1000"},
    {IDC_SB_COVER, "取值范围:0~200"},           {IDC_SB_RG, "取值范围:0.01~10"},
    {IDC_SB_RQ, "取值范围:0.01~10"},            {IDC_SB_WQ, "取值范围:0.01~10"},
};

}  // namespace

IMPLEMENT_DYNAMIC(CStairBoardInputDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CStairBoardInputDlg, CCaltPageDlg)
    ON_MESSAGE(WM_USER + 100, OnSelectKind)
    ON_BN_CLICKED(IDC_SB_FIXITY, OnClickFixity)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SB_COVER, IDC_SB_WQ, OnLimitKillFocus)
    ON_WM_PAINT()
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

CStairBoardInputDlg::CStairBoardInputDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent),
      m_dB1(0), m_dB2(0), m_dH(0), m_dL3(0), m_dL1(0), m_dQ(0), m_dQf(0), m_dQm(0), m_dT(0), m_dL2(0),
      m_nSteel(0), m_nConcrete(0), m_dAs(0), m_bFixity(0), m_nSteps(0), m_dRatio(0.25), m_nKind(STAIR_KIND_A),
      m_nRefusedID(0) {
    CQeltConcrete::GetConcreteGradeString(m_arrConcrete);
    CQeltSteelBar::GetSteelBarGradeString(m_arrSteel);
}

CStairBoardInputDlg::~CStairBoardInputDlg() = default;

void CStairBoardInputDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SB_SELECTOR, m_ctrlSelector);
    DDX_Text(pDX, IDC_SB_B1, m_dB1);
    DDX_Text(pDX, IDC_SB_B2, m_dB2);
    DDX_Text(pDX, IDC_SB_H, m_dH);
    DDX_Text(pDX, IDC_SB_L3, m_dL3);
    DDX_Text(pDX, IDC_SB_L1, m_dL1);
    DDX_Text(pDX, IDC_SB_Q, m_dQ);
    DDX_Text(pDX, IDC_SB_QF, m_dQf);
    DDX_Text(pDX, IDC_SB_QM, m_dQm);
    DDX_Text(pDX, IDC_SB_T, m_dT);
    DDX_Text(pDX, IDC_SB_L2, m_dL2);
    DDX_Text(pDX, IDC_SB_AS, m_dAs);
    DDX_CBIndex(pDX, IDC_SB_STEEL, m_nSteel);
    DDX_CBIndex(pDX, IDC_SB_CONCRETE, m_nConcrete);
    DDX_Check(pDX, IDC_SB_FIXITY, m_bFixity);
    DDX_Text(pDX, IDC_SB_N, m_nSteps);
}

BOOL CStairBoardInputDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();

    CStringArray arrSlides, arrCurSlides, arrNames;
    for (int nKind = STAIR_KIND_A; nKind <= STAIR_KIND_E; nKind++) {
        arrSlides.Add(StairBoardSlideName(nKind, "X"));
        arrCurSlides.Add(StairBoardSlideName(nKind, "J"));
        arrNames.Add(g_szStairKindNames[nKind - 1]);
    }
    const CString strLibrary = StairSlideLibrary();
    m_ctrlSelector.SetItem(strLibrary, strLibrary, arrSlides, arrCurSlides, -1, 2, 3);
    m_ctrlSelector.SetIndex(arrNames, -1);
    m_ctrlSelector.SetCurSel(m_nKind - 1);

    m_ctrlTip.Create(this);
    m_ctrlTip.Activate(TRUE);
    for (const auto& tip : kTips) m_ctrlTip.AddTool(GetDlgItem(tip.nID), tip.pszTip);

    ApplyKindRule(TRUE);
    FillGradeList(IDC_SB_CONCRETE, m_arrConcrete);
    FillGradeList(IDC_SB_STEEL, m_arrSteel);
    EnableControl(IDC_SB_RATIO, !IsDlgButtonChecked(IDC_SB_FIXITY));
    PaintSlideFrame();
    return TRUE;
}

void CStairBoardInputDlg::FillGradeList(UINT nID, const CStringArray& arrGrades) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return;
    pCombo->ResetContent();
    for (int i = 0; i < arrGrades.GetSize(); i++) pCombo->AddString(arrGrades[i]);
    pCombo->SetCurSel(0);
}

void CStairBoardInputDlg::EnableControl(UINT nID, BOOL bEnable) {
    if (CWnd* pWnd = GetDlgItem(nID)) pWnd->EnableWindow(bEnable);
}

void CStairBoardInputDlg::SetFormatted(UINT nID, double dValue) {
    CString strText;
    strText.Format("%G", dValue);
    SetDlgItemText(nID, strText);
}

int CStairBoardInputDlg::SelectByPrefix(UINT nID, LPCTSTR lpszText) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(nID));
    if (!pCombo) return 0;
    const CString strWanted(lpszText);
    const int nCount = pCombo->GetCount();
    int nFound = 0;
    for (int k = 1; k <= nCount; k++) {
        const int i = k % nCount;
        CString strItem;
        pCombo->GetLBText(i, strItem);
        if (strItem.Left(strWanted.GetLength()).CompareNoCase(strWanted) == 0) {
            nFound = i;
            break;
        }
    }
    pCombo->SetCurSel(nFound);
    return nFound;
}

void CStairBoardInputDlg::ApplyKindRule(BOOL bAlways) {
    EnableControl(IDC_SB_B2, m_nKind != STAIR_KIND_B);
    const BOOL bLower = m_nKind == STAIR_KIND_C || m_nKind == STAIR_KIND_E;
    const BOOL bUpper = m_nKind == STAIR_KIND_D || m_nKind == STAIR_KIND_E;
    EnableControl(IDC_SB_L2, bLower);
    EnableControl(IDC_SB_L3, bUpper);
    const char* pszDefault = m_nKind == STAIR_KIND_E ? "500" : "1000";
    if (bLower && (bAlways || m_dL2 == 0)) SetDlgItemText(IDC_SB_L2, pszDefault);
    if (bUpper && (bAlways || m_dL3 == 0)) SetDlgItemText(IDC_SB_L3, pszDefault);
}

void CStairBoardInputDlg::SetData(CVuskParam* pParam) {
    CStairBoardParam* p = static_cast<CStairBoardParam*>(pParam);
    if (!p) return;
    m_dL3 = p->M_LL;
    m_dB1 = p->M_FB1;
    m_dB2 = p->M_FB2;
    m_dH = p->M_H;
    m_nSteps = p->M_N;
    m_dT = p->M_T;
    m_dL1 = p->M_LN;
    m_dL2 = p->M_LR;
    m_dQ = p->M_P;
    m_dQm = p->M_PM;
    m_dQf = p->M_PF;
    m_dAs = p->M_AS;
    m_bFixity = p->M_BUILDING;
    m_nKind = p->M_STAIR_KIND;
    SetDlgItemText(IDC_SB_NUMBER, p->strNumber);
    m_nConcrete = SelectByPrefix(IDC_SB_CONCRETE, p->M_STRCONCRETE);
    m_nSteel = SelectByPrefix(IDC_SB_STEEL, p->M_STRSTEEL);

    m_dRatio = p->M_DSACLE;
    EnableControl(IDC_SB_RATIO, !m_bFixity);
    ShowRatio(m_dRatio);
    UpdateData(FALSE);

    SetFormatted(IDC_SB_RG, p->m_dRg);
    SetFormatted(IDC_SB_RQ, p->m_dRq);
    SetFormatted(IDC_SB_WQ, p->m_dWq);
    SetFormatted(IDC_SB_COVER, p->m_dC);
    SetFormatted(IDC_SB_CRACK, p->m_dCrackWidth);
    SetFormatted(IDC_SB_LIM1, p->m_dFlexibilityLim1);
    SetFormatted(IDC_SB_LIM2, p->m_dFlexibilityLim2);
    SetFormatted(IDC_SB_LIM3, p->m_dFlexibilityLim3);
    SelectByPrefix(IDC_SB_SURFACE, p->m_strSteelStypeVor);
    CheckDlgButton(IDC_SB_SERVICE, p->m_bIsCalRAL ? BST_CHECKED : BST_UNCHECKED);
    if (m_nKind >= STAIR_KIND_A && m_nKind <= STAIR_KIND_E) m_ctrlSelector.SetCurSel(m_nKind - 1);
    ApplyKindRule(FALSE);
}

void CStairBoardInputDlg::GetData(CVuskParam* pParam) {
    CStairBoardParam* p = static_cast<CStairBoardParam*>(pParam);
    if (!p) return;
    TakeControls();
    p->M_LL = m_dL3;
    p->M_FB1 = m_dB1;
    p->M_FB2 = m_dB2;
    p->M_H = m_dH;
    p->M_N = m_nSteps;
    p->M_T = m_dT;
    p->M_LN = m_dL1;
    p->M_LR = m_dL2;
    p->M_P = m_dQ;
    p->M_PM = m_dQm;
    p->M_PF = m_dQf;
    p->M_AS = m_dAs;
    p->M_BUILDING = m_bFixity;
    p->M_STAIR_KIND = m_nKind;
    GetDlgItemText(IDC_SB_NUMBER, p->strNumber);
    if (m_nConcrete >= 0 && m_nConcrete < m_arrConcrete.GetSize()) p->M_STRCONCRETE = m_arrConcrete[m_nConcrete];
    if (m_nSteel >= 0 && m_nSteel < m_arrSteel.GetSize()) p->M_STRSTEEL = m_arrSteel[m_nSteel];

    // A ratio that is no number leaves the ratio as it was; the input check refuses the text.
    CString strRatio;
    GetDlgItemText(IDC_SB_RATIO, strRatio);
    if (ReadFiniteNumber(strRatio, m_dRatio)) p->M_DSACLE = m_dRatio;
    p->M_B = 1000;
    p->ClearMissingLandings();

    p->m_wndSlide = m_wndSlide;
    if (CWnd* pFrame = GetDlgItem(IDC_SB_PICTURE)) pFrame->GetWindowRect(&p->m_rcSlide);
    p->m_strScheme1.Empty();
    p->m_strScheme23.Empty();
    p->m_bSchemeChanged = 0;

    for (const StairBoardLimitField& field : g_StairBoardLimits) TakeLimit(field.nID, *p);
    GetDlgItemText(IDC_SB_SURFACE, p->m_strSteelStypeVor);
    p->m_bIsCalRAL = IsDlgButtonChecked(IDC_SB_SERVICE) == BST_CHECKED ? 1 : 0;
}

BOOL CStairBoardInputDlg::TakeControls() {
    m_nRefusedID = 0;
    if (UpdateData(TRUE)) return TRUE;
    // The data exchange has told the person and put the focus on the control it refused.
    const CWnd* pFocus = GetFocus();
    m_nRefusedID = pFocus && IsChild(pFocus) ? pFocus->GetDlgCtrlID() : IDC_STATIC;
    return FALSE;
}

BOOL CStairBoardInputDlg::CheckData(CVuskParam* pParam, CStringArray&, CStringArray& arrErrors) {
    // The control values were taken by GetData just before; a text it refused stops here, told once.
    if (m_nRefusedID == 0) TakeControls();
    if (m_nRefusedID != 0) {
        arrErrors.Add(Message(m_nRefusedID));
        return FALSE;
    }
    const int nErrors = arrErrors.GetSize();
    CStairBoardParam* p = static_cast<CStairBoardParam*>(pParam);
    // The limit fields keep their value when a text is refused: a stored one is tested here.
    if (p) p->CheckLimits(arrErrors);
    // Each test fails for a value outside its range (and for one that is not a number). A flight, a
    // span or a lever arm of less than a millimetre leaves nothing to calculate.
    auto outside = [](double dValue, double dLower) { return !(dValue >= dLower && dValue <= 10000); };
    CString strRatio;
    GetDlgItemText(IDC_SB_RATIO, strRatio);
    double dRatio = 0;
    const BOOL bRatio = ReadFiniteNumber(strRatio, dRatio) && dRatio >= 0 && dRatio <= 1;
    const BOOL bLower = m_nKind == STAIR_KIND_C || m_nKind == STAIR_KIND_E;
    const struct {
        bool bFails;
        UINT nID;
    } tests[] = {
        {outside(m_dL1, 1), IDC_SB_L1},
        {m_nKind >= STAIR_KIND_D && outside(m_dL3, 1), IDC_SB_L3},
        {outside(m_dH, 0), IDC_SB_H},
        {m_nKind != STAIR_KIND_B && outside(m_dB2, 0), IDC_SB_B2},
        {outside(m_dB1, 0), IDC_SB_B1},
        {outside(m_dQ, 0), IDC_SB_Q},
        {outside(m_dQf, 0), IDC_SB_QF},
        {outside(m_dQm, 0), IDC_SB_QM},
        {outside(m_dT, 0), IDC_SB_T},
        {bLower && outside(m_dL2, 1), IDC_SB_L2},
        {outside(m_dAs, 0), IDC_SB_AS},
        {!bRatio, IDC_SB_RATIO},
        {m_nSteps <= 1 || m_nSteps > 10000, IDC_SB_N},
    };
    for (const auto& test : tests)
        if (test.bFails) arrErrors.Add(Message(test.nID));
    // Type B with two steps and no landing beam width has no span left to carry the load.
    if (arrErrors.GetSize() == nErrors &&
        StairBoardSpanOf(m_nKind, 0.001 * m_dL1, 0.001 * m_dL2, 0.001 * m_dL3, 0.001 * m_dB1, 0.001 * m_dB2, m_nSteps)
                .L0() < 0.001)
        arrErrors.Add("计算跨度L0必须大于0，请加大b1或踏步数n");
    // The section needs a lever arm h0 = t - as.
    if (!(m_dT - m_dAs >= 1)) arrErrors.Add("梯板厚度t必须大于as");
    if (arrErrors.GetSize() != nErrors) return FALSE;
    // A flight whose section cannot take its moment has no bars to design.
    if (p && !p->Calculate()) arrErrors.Add("计算结果截面超筋");
    return arrErrors.GetSize() == nErrors;
}

void CStairBoardInputDlg::OnOK() {
    if (UpdateData(TRUE)) CCaltPageDlg::OnOK();
}

void CStairBoardInputDlg::OnCancel() { CCaltPageDlg::OnCancel(); }

BOOL CStairBoardInputDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_ctrlTip.m_hWnd) m_ctrlTip.RelayEvent(pMsg);
    return CCaltPageDlg::PreTranslateMessage(pMsg);
}

BOOL CStairBoardInputDlg::DestroyWindow() {
    if (m_ctrlTip.m_hWnd) {
        m_ctrlTip.Activate(FALSE);
        m_ctrlTip.DestroyWindow();
    }
    m_wndSlide.SetDC(NULL);
    m_pFrameDC.reset();
    return CCaltPageDlg::DestroyWindow();
}

LRESULT CStairBoardInputDlg::OnSelectKind(WPARAM wParam, LPARAM) {
    m_nKind = static_cast<int>(wParam) + 1;
    ApplyKindRule(FALSE);
    return 0;
}

void CStairBoardInputDlg::OnClickFixity() {
    if (UpdateData(TRUE)) EnableControl(IDC_SB_RATIO, !IsDlgButtonChecked(IDC_SB_FIXITY));
}

void CStairBoardInputDlg::TakeLimit(UINT nID, CStairBoardParam& p) {
    for (const StairBoardLimitField& field : g_StairBoardLimits) {
        if (field.nID != nID) continue;
        CString strText;
        GetDlgItemText(nID, strText);
        double dValue = 0;
        if (ParseLimit(strText, field.dLower, field.dUpper, dValue))
            p.*field.pValue = dValue;
        else
            SetFormatted(nID, p.*field.pValue);
    }
}

void CStairBoardInputDlg::OnLimitKillFocus(UINT nID) {
    CWnd* pEdit = GetDlgItem(nID);
    CStairBoardParam* p = static_cast<CStairBoardParam*>(GetParam());
    if (pEdit && pEdit->IsWindowEnabled() && p) TakeLimit(nID, *p);
}

void CStairBoardInputDlg::ShowRatio(double dRatio) {
    CComboBox* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_SB_RATIO));
    if (!pCombo) return;
    CString strRatio;
    strRatio.Format("%.15g", dRatio);
    const int nItem = pCombo->FindStringExact(-1, strRatio);
    pCombo->SetCurSel(nItem);
    if (nItem < 0) pCombo->SetWindowText(strRatio);
}

void CStairBoardInputDlg::OnPaint() {
    CPaintDC dc(this);
    PaintSlideFrame();
}

void CStairBoardInputDlg::PaintSlideFrame() {
    CWnd* pFrame = GetDlgItem(IDC_SB_PICTURE);
    if (!pFrame) return;
    m_pFrameDC = std::make_unique<CClientDC>(pFrame);
    m_wndSlide.SetDC(m_pFrameDC.get());
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    m_wndSlide.SetLogicBorder(CLogRect(rcClient));
    pFrame->Invalidate();
    pFrame->UpdateWindow();
    m_wndSlide.SetDC(m_pFrameDC.get());
}

BOOL CStairBoardInputDlg::OnHelpInfo(HELPINFO*) { return TRUE; }
