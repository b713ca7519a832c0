// The continuous beam's input page: spans, supports and settings (this file's first half), load
// cases and loads in the tree and the load editor (second half).
#include "beam/BeamComInputDlg.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "beam/BeamLoadPictures.h"
#include "beam/RangedValue.h"
#include "framework/InputValidator.h"
#include "host/Help.h"
#include "host/Numbers.h"
#include "mfc/gdi/DC.h"
#include "mfc/stdctrl/Static.h"
#include "mfc/user/MessageBox.h"
#include "sibling/BeamRecords.h"
#include "sibling/SteelSpanLoad.h"

IMPLEMENT_DYNAMIC(CBeamComInputDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CBeamComInputDlg, CCaltPageDlg)
    ON_BN_CLICKED(IDC_CB_APPEND_SPAN, OnAppendSpan)
    ON_BN_CLICKED(IDC_CB_DELETE_SPAN, OnDeleteSpan)
    ON_BN_CLICKED(IDC_CB_MODIFY_SPAN, OnModifySpan)
    ON_BN_CLICKED(IDC_CB_INSERT_LOAD, OnInsertLoad)
    ON_BN_CLICKED(IDC_CB_DELETE_ITEM, OnDeleteTreeItem)
    ON_BN_CLICKED(IDC_CB_MODIFY_LOAD, OnModifyLoad)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_CB_SPANS, OnSpanItemChanged)
    ON_CBN_SELCHANGE(IDC_CB_LOAD_KIND, OnSelchangeLoadKind)
    ON_WM_PAINT()
    ON_BN_CLICKED(IDC_CB_ADD_CASE, OnAddCase)
    ON_NOTIFY(TVN_SELCHANGED, IDC_CB_LOAD_TREE, OnTreeSelChanged)
    ON_BN_CLICKED(IDC_CB_INSERT_SPAN, OnInsertSpan)
    ON_NOTIFY(NM_SETFOCUS, IDC_CB_SPANS, OnSpanListFocus)
    ON_WM_SHOWWINDOW()
    ON_WM_HELPINFO()
    ON_EN_KILLFOCUS(IDC_CB_LOAD_VALUE1, OnLoadBoxKillFocus)
    ON_EN_KILLFOCUS(IDC_CB_LOAD_VALUE2, OnLoadBoxKillFocus)
    ON_EN_KILLFOCUS(IDC_CB_LOAD_POS_A, OnLoadBoxKillFocus)
    ON_EN_KILLFOCUS(IDC_CB_LOAD_POS_C, OnLoadBoxKillFocus)
    ON_BN_CLICKED(IDC_CB_CRACK_CHECK, OnCrackCheck)
    ON_BN_CLICKED(IDC_CB_OWN_STRENGTH, OnOwnStrength)
    ON_BN_CLICKED(IDC_CB_DEFORM_CHECK, OnDeformCheck)
    ON_BN_CLICKED(IDC_CB_DEAD_CASE, OnDeadCase)
    ON_BN_CLICKED(IDC_CB_LIVE_CASE, OnLiveCase)
    ON_CBN_SELCHANGE(IDC_CB_LEFT_END, OnSupportChange)
    ON_CBN_SELCHANGE(IDC_CB_RIGHT_END, OnSupportChange)
    ON_EN_KILLFOCUS(IDC_CB_CRACK_LIMIT, OnExchangeFromControls)
    ON_EN_KILLFOCUS(IDC_CB_STRENGTH, OnKillfocusStrength)
    ON_NOTIFY(NM_SETFOCUS, IDC_CB_LOAD_TREE, OnTreeSetFocus)
    ON_EN_CHANGE(IDC_CB_DEAD_FACTOR, OnChangeDeadFactor)
    ON_EN_CHANGE(IDC_CB_LIVE_FACTOR, OnChangeLiveFactor)
    ON_EN_KILLFOCUS(IDC_CB_DEAD_FACTOR, OnKillfocusDeadFactor)
    ON_EN_KILLFOCUS(IDC_CB_LIVE_FACTOR, OnKillfocusLiveFactor)
    ON_EN_KILLFOCUS(IDC_CB_COVER, OnKillfocusCover)
    ON_EN_KILLFOCUS(IDC_CB_SPAN_FACTOR, OnKillfocusSpanFactor)
    ON_EN_KILLFOCUS(IDC_CB_SUPPORT_FACTOR, OnKillfocusSupportFactor)
    ON_EN_KILLFOCUS(IDC_CB_SPAN_LENGTH, OnKillfocusSpanLength)
    ON_MESSAGE(WM_LIST_CLICKED, OnListClick)
    ON_MESSAGE(WM_LIST_LBUTTONDOWN, OnCtrlActivated)
END_MESSAGE_MAP()

// The option boxes with a range: a value outside it is refused when the box is left, and a stored
// one outside it stops the calculation.
struct OptionRange {
    UINT nID;
    double CBeamComInputDlg::*pValue;
    double dLower, dUpper;
    LPCTSTR lpszLabel;
};

namespace {

const UINT kLoadBoxes[4] = {IDC_CB_LOAD_VALUE1, IDC_CB_LOAD_VALUE2, IDC_CB_LOAD_POS_A, IDC_CB_LOAD_POS_C};
const UINT kLoadLabels[4] = {IDC_CB_LABEL_VALUE1, IDC_CB_LABEL_VALUE2, IDC_CB_LABEL_POS_A, IDC_CB_LABEL_POS_C};

// Per load kind: the labels of the four boxes (null: box unused), the slot of each box's value in
// the remembered values and the kind's tree image.
struct LoadKindInfo {
    LPCTSTR labels[4];
    int slots[4];
    int nImage;
};

const LoadKindInfo kLoadKinds[BEAM_LOAD_KINDS] = {
    {{"P(kN)", nullptr, "a(m)", nullptr}, {11, -1, 10, -1}, 2},
    {{"M(kN-m)", nullptr, "a(m)", nullptr}, {9, -1, 8, -1}, 5},
    {{"q(kN/m)", nullptr, nullptr, nullptr}, {7, -1, -1, -1}, 3},
    {{"q(kN/m)", nullptr, nullptr, nullptr}, {6, -1, -1, -1}, 6},
    {{"q(kN/m)", nullptr, "a(m)", nullptr}, {5, -1, 4, -1}, 7},
    {{"q1(kN/m)", "q2(kN/m)", "a(m)", "c(m)"}, {3, 2, 1, 0}, 8},
};

const int kCaseImage = 0;
const int kCaseSelectedImage = 1;
const int kSpanImage = 4;

const OptionRange kDeadFactor = {IDC_CB_DEAD_FACTOR, &CBeamComInputDlg::m_dDeadFactor, 1, 2, "恒载系数"};
const OptionRange kLiveFactor = {IDC_CB_LIVE_FACTOR, &CBeamComInputDlg::m_dLiveFactor, 1, 2, "活载系数"};
const OptionRange kSpanFactor = {IDC_CB_SPAN_FACTOR, &CBeamComInputDlg::m_dSpanFactor, 0.5, 2, "跨中弯矩调整系数"};
const OptionRange kSupportFactor = {IDC_CB_SUPPORT_FACTOR, &CBeamComInputDlg::m_dSupportFactor, 0.5, 2,
                                    "支座弯矩调整系数"};
const OptionRange kCover = {IDC_CB_COVER, &CBeamComInputDlg::m_dCover, 10, 100, "保护层厚度as(mm)"};
const OptionRange kStrength = {IDC_CB_STRENGTH, &CBeamComInputDlg::m_dStrength, 100, 10000, "指定主筋强度"};
const OptionRange kSpanLength = {IDC_CB_SPAN_LENGTH, &CBeamComInputDlg::m_dEditSpanLen, 1, 1000, "跨度"};
const OptionRange* const kOptionRanges[] = {&kDeadFactor, &kLiveFactor, &kSpanFactor, &kSupportFactor, &kCover,
                                            &kStrength};

// The load boxes' range (kN, kN/m, kN·m, m).
const double kLoadLimit = 10000;

// The message that refuses a span of length L (m), width b and height h (mm), or null. h0 = h − 30
// must remain for the crack width and deflection, and sizes stay within what a report can print.
LPCTSTR SpanProblem(double L, double b, double h) {
    if (!(L >= 0.00001) || !(b > 0) || !(h > 0)) return "跨长、梁高或者梁宽不能小于或等于0！";
    if (L > 1000 || b > 10000 || h > 10000) return "跨长不能大于1000m，梁高和梁宽不能大于10000mm！";
    if (h <= 30) return "梁高必须大于30mm！";
    return nullptr;
}


CString CaseText(int i, int nKind) {
    CString strText;
    strText.Format("工况%d%s", i + 1, nKind == BEAM_CASE_LIVE ? "(活载)" : "(恒载)");
    return strText;
}

CString SpanNodeText(int j) {
    CString strText;
    strText.Format("第%d跨", j + 1);
    return strText;
}

void ShowAssert(int nLine) { ReportAssert("BeamComInput", nLine); }

}  // namespace

CBeamComInputDlg::CBeamComInputDlg(CWnd* pParent)
    : CCaltPageDlg(IDD, pParent),
      m_dEditSpanLen(6),
      m_nEditHeight(600),
      m_nEditWidth(300),
      m_dLoadEdit{10, 0, 0, 0},
      m_dLiveFactor(1.4),
      m_dDeadFactor(1.2),
      m_dCrackLimit(50),
      m_dStrength(210),
      m_dSupportFactor(1.0),
      m_dSpanFactor(1.0),
      m_dCover(35),
      m_bSelfWeight(0),
      m_bCrackCheck(0),
      m_bOwnStrength(0),
      m_nCaseKind(0),
      m_bDeformCheck(0),
      m_nCurSpan(-1),
      m_pBeam(nullptr),
      m_nLoadKind(BEAM_LOAD_UNIFORM),
      m_nActiveCtrl(0),
      m_hSpanNode(nullptr),
      m_hCaseNode(nullptr),
      m_dLastLoad{0, 0, 10, 10, 0, 10, 10, 10, 0, 10, 0, 10},
      m_bFilling(FALSE) {}

CBeamComInputDlg::~CBeamComInputDlg() = default;

void CBeamComInputDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CB_INSERT_SPAN, m_btnInsertSpan);
    DDX_Control(pDX, IDC_CB_ADD_CASE, m_btnAddCase);
    DDX_Control(pDX, IDC_CB_APPEND_SPAN, m_btnAppendSpan);
    DDX_Control(pDX, IDC_CB_DELETE_SPAN, m_btnDeleteSpan);
    DDX_Control(pDX, IDC_CB_MODIFY_SPAN, m_btnModifySpan);
    DDX_Control(pDX, IDC_CB_INSERT_LOAD, m_btnInsertLoad);
    DDX_Control(pDX, IDC_CB_DELETE_ITEM, m_btnDeleteItem);
    DDX_Control(pDX, IDC_CB_MODIFY_LOAD, m_btnModifyLoad);
    DDX_Text(pDX, IDC_CB_SPAN_LENGTH, m_dEditSpanLen);
    DDX_Text(pDX, IDC_CB_SPAN_HEIGHT, m_nEditHeight);
    DDX_Text(pDX, IDC_CB_SPAN_WIDTH, m_nEditWidth);
    for (int b = 0; b < 4; ++b) {
        DDX_Text(pDX, kLoadBoxes[b], m_dLoadEdit[b]);
        DDV_MinMaxDouble(pDX, m_dLoadEdit[b], -kLoadLimit, kLoadLimit);
    }
    DDX_Text(pDX, IDC_CB_LIVE_FACTOR, m_dLiveFactor);
    DDX_Text(pDX, IDC_CB_DEAD_FACTOR, m_dDeadFactor);
    DDX_Text(pDX, IDC_CB_CRACK_LIMIT, m_dCrackLimit);
    DDV_MinMaxDouble(pDX, m_dCrackLimit, 0, 100);
    DDX_Text(pDX, IDC_CB_STRENGTH, m_dStrength);
    DDV_MinMaxDouble(pDX, m_dStrength, 100, 10000);
    if (m_pBeam) {
        DDX_CBIndex(pDX, IDC_CB_LEFT_END, m_pBeam->m_nLeftSupport);
        DDX_CBIndex(pDX, IDC_CB_RIGHT_END, m_pBeam->m_nRightSupport);
    }
    DDX_Text(pDX, IDC_CB_SUPPORT_FACTOR, m_dSupportFactor);
    DDX_Text(pDX, IDC_CB_SPAN_FACTOR, m_dSpanFactor);
    DDX_Text(pDX, IDC_CB_COVER, m_dCover);
    DDX_Check(pDX, IDC_CB_SELF_WEIGHT, m_bSelfWeight);
    DDX_Check(pDX, IDC_CB_CRACK_CHECK, m_bCrackCheck);
    DDX_Check(pDX, IDC_CB_OWN_STRENGTH, m_bOwnStrength);
    DDX_Radio(pDX, IDC_CB_DEAD_CASE, m_nCaseKind);
    DDX_Check(pDX, IDC_CB_DEFORM_CHECK, m_bDeformCheck);
}

BOOL CBeamComInputDlg::OnInitDialog() {
    CVuskDlg::OnInitDialog();
    m_listSpan.SubclassDlgItem(IDC_CB_SPANS, this);
    m_listSpan.SetFullRowSel(TRUE);
    const LPCTSTR columns[] = {"跨号", "跨度", " 截面尺寸 "};
    for (int c = 0; c < 3; ++c) m_listSpan.InsertColumn(columns[c], c, -1, LVCF_TEXT | LVCF_WIDTH, LVCFMT_LEFT);
    for (int c = 0; c < 3; ++c) m_listSpan.SetColumnWidth(c, LVSCW_AUTOSIZE_USEHEADER);
    m_treeLoad.SubclassDlgItem(IDC_CB_LOAD_TREE, this);
    m_treeLoad.InitImageList();
    m_hCaseNode = m_treeLoad.InsertItem(CaseText(0, BEAM_CASE_DEAD), kCaseImage, kCaseSelectedImage);
    if (m_pBeam) m_pBeam->m_Graph.SetGraph(GetDlgItem(IDC_CB_PICTURE));

    // The load-kind selector over the hidden template combo: one picture a kind, items of 20 pixels.
    CBitmap strip;
    if (!m_KindImages.GetSafeHandle() && CreateLoadKindStrip(strip)) {
        m_KindImages.Create(LOAD_KIND_IMAGE_WIDTH, LOAD_KIND_IMAGE_HEIGHT, ILC_COLOR24 | ILC_MASK, BEAM_LOAD_KINDS, 0);
        m_KindImages.Add(&strip, LOAD_PICTURE_MASK);
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cx = rcClient.Width(), cy = rcClient.Height();
    m_cmbLoadKind.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
                         CRect(cx * 209 / 405, cy * 165 / 318, cx * 279 / 405, cy * 324 / 318), this,
                         IDC_CB_LOAD_KIND);
    m_cmbLoadKind.SetImageList(&m_KindImages);
    for (int k = 0; k < BEAM_LOAD_KINDS; ++k) {
        COMBOBOXEXITEM item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = k;
        item.pszText = const_cast<LPTSTR>("");
        item.iImage = item.iSelectedImage = k;
        m_cmbLoadKind.InsertItem(&item);
    }
    m_cmbLoadKind.SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), LOAD_KIND_IMAGE_HEIGHT);
    m_cmbLoadKind.SendMessage(CB_SETITEMHEIGHT, 0, LOAD_KIND_IMAGE_HEIGHT);
    m_cmbLoadKind.SetCurSel(BEAM_LOAD_UNIFORM);
    // The information icon beside the note of the lower right corner.
    if (CStatic* pTips = static_cast<CStatic*>(GetDlgItem(IDC_CB_TIPS))) {
        CBitmap icon;
        if (CreateInformationIcon(icon, ::GetSysColor(COLOR_3DFACE))) {
            pTips->SetBitmap(static_cast<HBITMAP>(icon));
            m_bmpTips.DeleteObject();
            m_bmpTips.Attach(icon.Detach());
        }
    }

    FillFromBeam();
    ShowLoadKind();
    UpdateLoadButtons();
    EnableOptionBoxes();
    return TRUE;
}

void CBeamComInputDlg::EnableOptionBoxes() {
    GetDlgItem(IDC_CB_CRACK_LIMIT)->EnableWindow(m_bCrackCheck);
    GetDlgItem(IDC_CB_DEFORM_LIMIT)->EnableWindow(m_bDeformCheck);
    GetDlgItem(IDC_CB_STRENGTH)->EnableWindow(m_bOwnStrength);
}

void CBeamComInputDlg::RedrawPicture() {
    if (!m_pBeam || !GetSafeHwnd()) return;
    m_pBeam->m_nSelSpan = m_nCurSpan;
    m_pBeam->DrawInputBeam();
    if (!m_pBeam->m_Graph.isEmpty()) m_pBeam->m_Graph.ViewBitMap();
}

void CBeamComInputDlg::OnPaint() {
    CPaintDC dc(this);
    RedrawPicture();
}

void CBeamComInputDlg::GetData(CVuskParam* pParam) {
    if (pParam) pParam->strNumber = GetEditText(IDC_CB_NUMBER);
}

void CBeamComInputDlg::SetData(CVuskParam* pParam) {
    if (!pParam) return;
    SetEditText(IDC_CB_NUMBER, pParam->strNumber);
    FillFromBeam();
    EnableOptionBoxes();
    RedrawPicture();
    UpdateData(FALSE);
}

int CBeamComInputDlg::SmallestHeight() const {
    if (!m_pBeam || m_pBeam->getSpanNum() == 0) return m_nEditHeight;
    double dSmallest = m_pBeam->getSpan(0)->m_dSecHeight;
    for (int i = 1; i < m_pBeam->getSpanNum(); ++i) dSmallest = std::min(dSmallest, m_pBeam->getSpan(i)->m_dSecHeight);
    return static_cast<int>(dSmallest);
}

BOOL CBeamComInputDlg::CheckData(CVuskParam*, CStringArray&, CStringArray& arrErrors) {
    if (!m_pBeam) return TRUE;
    ReadLoadValues();
    if (!UpdateData(TRUE)) {
        // The exchange has told which box; nothing is calculated from what the boxes held before.
        arrErrors.Add("输入错误，请核查");
        return FALSE;
    }
    // The boxes show what the beam held: a damaged store may have put values there that no box takes.
    const int nErrors = arrErrors.GetSize();
    for (const OptionRange* pRange : kOptionRanges) {
        const double dValue = this->*(pRange->pValue);
        if (!(dValue >= pRange->dLower && dValue <= pRange->dUpper))
            arrErrors.Add(CString(pRange->lpszLabel) + "：" + RangeMessage(pRange->dLower, pRange->dUpper));
    }
    // Every span's own height, so that no span is left with bars outside its section.
    if (2 * m_dCover >= SmallestHeight()) arrErrors.Add("保护层厚度太大，请重新输入！");
    ApplyToBeam();
    for (int i = 0; i < m_pBeam->getSpanNum(); ++i) {
        const CSteelSpan& span = *m_pBeam->getSpan(i);
        if (LPCTSTR lpszProblem = SpanProblem(span.m_dSpanLen, span.m_dSecWidth, span.m_dSecHeight)) {
            CString strError;
            strError.Format("第%d跨：%s", i + 1, lpszProblem);
            arrErrors.Add(strError);
        }
    }
    // A span shortened after its loads were entered may leave them off it.
    const int nOutside = m_pBeam->FindSpanWithLoadOutside();
    if (nOutside >= 0) {
        CString strError;
        strError.Format("第%d跨的荷载位置超出跨度，请重新输入！", nOutside + 1);
        arrErrors.Add(strError);
    }
    const int nBadValue = m_pBeam->FindSpanWithLoadBeyond(kLoadLimit);
    if (nBadValue >= 0) {
        CString strError;
        strError.Format("第%d跨的荷载值应在-10000与10000之间，请重新输入！", nBadValue + 1);
        arrErrors.Add(strError);
    }
    if (arrErrors.GetSize() > nErrors) return FALSE;
    if (!m_pBeam->CheckStruct()) {
        arrErrors.Add("该结构为几何可变结构，请重新构造！");
        return FALSE;
    }
    return TRUE;
}

void CBeamComInputDlg::ApplyToBeam() {
    if (!m_pBeam || !UpdateData(TRUE)) return;
    m_pBeam->m_strConLevel = GetComboBoxText(IDC_CB_CONCRETE);
    m_pBeam->m_strMainReinLv = GetComboBoxText(IDC_CB_MAIN_GRADE);
    m_pBeam->m_strHoopReinLv = GetComboBoxText(IDC_CB_STIRRUP_GRADE);
    m_pBeam->m_ProtectAs = m_dCover;
    m_pBeam->m_MidModulus = m_dSpanFactor;
    m_pBeam->m_TipModulus = m_dSupportFactor;
    m_pBeam->m_CrackCheck = m_bCrackCheck;
    m_pBeam->m_dCrackLimit = m_dCrackLimit;
    m_pBeam->m_DeformCheck = m_bDeformCheck;
    m_pBeam->m_IntensionCheck = m_bOwnStrength;
    m_pBeam->m_StlIntension = m_dStrength;
    m_pBeam->m_CalBeamWeightCheck = m_bSelfWeight;
    m_pBeam->m_dConLoadScale = m_dDeadFactor;
    m_pBeam->m_dVarLoadScale = m_dLiveFactor;
}

void CBeamComInputDlg::FillFromBeam() {
    if (!m_pBeam || !GetSafeHwnd()) return;
    m_bFilling = TRUE;
    m_listSpan.DeleteAllItems();
    m_treeLoad.DeleteAllItems();
    for (int i = 0; i < m_pBeam->getSpanNum(); ++i) {
        const CSteelSpan& span = *m_pBeam->getSpan(i);
        m_dEditSpanLen = span.m_dSpanLen;
        m_nEditHeight = static_cast<int>(span.m_dSecHeight);
        m_nEditWidth = static_cast<int>(span.m_dSecWidth);
        AddSpanRow(i);
    }
    BuildTreeFromBeam();
    ResetSelection();
    SetComboBoxText(IDC_CB_CONCRETE, m_pBeam->m_strConLevel);
    SetComboBoxText(IDC_CB_MAIN_GRADE, m_pBeam->m_strMainReinLv);
    SetComboBoxText(IDC_CB_STIRRUP_GRADE, m_pBeam->m_strHoopReinLv);
    m_dCover = m_pBeam->m_ProtectAs;
    m_dSpanFactor = m_pBeam->m_MidModulus;
    m_dSupportFactor = m_pBeam->m_TipModulus;
    m_bCrackCheck = m_pBeam->m_CrackCheck;
    m_dCrackLimit = m_pBeam->m_dCrackLimit;
    m_bDeformCheck = m_pBeam->m_DeformCheck;
    m_bOwnStrength = m_pBeam->m_IntensionCheck;
    m_dStrength = m_pBeam->m_StlIntension;
    m_bSelfWeight = m_pBeam->m_CalBeamWeightCheck;
    m_dDeadFactor = m_pBeam->m_dConLoadScale;
    m_dLiveFactor = m_pBeam->m_dVarLoadScale;
    RedrawPicture();
    UpdateData(FALSE);
    for (CButton* pButton : {&m_btnInsertSpan, &m_btnModifySpan, &m_btnDeleteSpan, &m_btnInsertLoad, &m_btnModifyLoad,
                             &m_btnDeleteItem})
        pButton->EnableWindow(FALSE);
    m_bFilling = FALSE;
}

void CBeamComInputDlg::AddSpanRow(int i) {
    CString strNumber;
    strNumber.Format("%d", i + 1);
    m_listSpan.SetItem(i, 0, strNumber, -1);
    ShowSpanRow(i);
}

void CBeamComInputDlg::ShowSpanRow(int i) {
    if (i < 0) return ShowAssert(1414);
    m_listSpan.SetItem(i, 1, ftos(m_dEditSpanLen), -1);
    CString strSection;
    strSection.Format("%d*%d", m_nEditWidth, m_nEditHeight);
    m_listSpan.SetItem(i, 2, strSection, -1);
}

void CBeamComInputDlg::LoadSpanToEditor(int i) {
    if (i < 0 || i >= m_listSpan.GetItemCount()) return ShowAssert(1425);
    m_dEditSpanLen = std::atof(m_listSpan.GetItemText(i, 1));
    int nWidth = 0, nHeight = 0;
    if (std::sscanf(m_listSpan.GetItemText(i, 2), "%d*%d", &nWidth, &nHeight) != 2 || nWidth <= 0 || nHeight <= 0)
        return ShowAssert(1573);
    m_nEditWidth = nWidth;
    m_nEditHeight = nHeight;
    UpdateData(FALSE);
}

BOOL CBeamComInputDlg::CheckSpanInput(int nIndex, int nSpansAfter) {
    // A box the exchange refuses has told so; the span is not made of what the members held before.
    if (!UpdateData(TRUE)) return FALSE;
    if (LPCTSTR lpszProblem = SpanProblem(m_dEditSpanLen, m_nEditWidth, m_nEditHeight)) {
        AfxMessageBox(lpszProblem, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    // Deep members are simply supported or continuous spans: a cantilever is none.
    const BOOL bCantilever = (nIndex == 0 && m_pBeam->m_nLeftSupport == BEAM_END_FREE) ||
                             (nIndex == nSpansAfter - 1 && m_pBeam->m_nRightSupport == BEAM_END_FREE);
    if (!bCantilever && m_dEditSpanLen * 1000 / m_nEditHeight < 5)
        return AfxMessageBox("跨高比(l/h)小于5，应该按深受弯构件计算。\n是否返回修改？", MB_YESNO | MB_ICONQUESTION) !=
               IDYES;
    return TRUE;
}

void CBeamComInputDlg::SelectSpanRow(int i) {
    m_listSpan.SelectItem(i);
    m_listSpan.EnsureVisible(i, FALSE);
}

void CBeamComInputDlg::RenumberSpanRows(int nFrom) {
    for (int i = nFrom; i < m_listSpan.GetItemCount(); ++i) {
        CString strNumber;
        strNumber.Format("%d", i + 1);
        m_listSpan.SetItemText(i, 0, strNumber);
    }
}

static CSteelSpan* NewSpan(double dLength, int nWidth, int nHeight) {
    CSteelSpan* pSpan = new CSteelSpan;
    pSpan->m_dSpanLen = dLength;
    pSpan->m_dSecWidth = nWidth;
    pSpan->m_dSecHeight = nHeight;
    return pSpan;
}

void CBeamComInputDlg::OnAppendSpan() {
    if (!m_pBeam || !CheckSpanInput(m_pBeam->getSpanNum(), m_pBeam->getSpanNum() + 1)) return;
    const int n = m_pBeam->getSpanNum();
    if (n >= 100) {
        AfxMessageBox("跨数不能超过100！", MB_OK | MB_ICONSTOP);
        return;
    }
    m_pBeam->AddSpan(NewSpan(m_dEditSpanLen, m_nEditWidth, m_nEditHeight));
    AddSpanRow(n);
    InsertSpanNodes(n);
    m_nActiveCtrl = 0;
    SelectSpanRow(n);
    for (CButton* pButton : {&m_btnInsertSpan, &m_btnModifySpan, &m_btnDeleteSpan}) pButton->EnableWindow(TRUE);
    SelectSpanNode(n);
    RedrawPicture();
}

void CBeamComInputDlg::OnInsertSpan() {
    const int i = m_listSpan.GetSelectedItem();
    if (!m_pBeam || i < 0 || !CheckSpanInput(i, m_pBeam->getSpanNum() + 1)) return;
    if (m_pBeam->getSpanNum() >= 100) {
        AfxMessageBox("跨数不能超过100！", MB_OK | MB_ICONSTOP);
        return;
    }
    m_pBeam->InsertSpan(i, NewSpan(m_dEditSpanLen, m_nEditWidth, m_nEditHeight));
    AddSpanRow(i);
    RenumberSpanRows(i + 1);
    InsertSpanNodes(i);
    m_nActiveCtrl = 0;
    m_nCurSpan = -1;
    SelectSpanRow(i);
    SelectSpanNode(i);
    RedrawPicture();
}

void CBeamComInputDlg::OnModifySpan() {
    const int i = m_listSpan.GetSelectedItem();
    if (i < 0) return ShowAssert(564);
    if (!m_pBeam || !CheckSpanInput(i, m_pBeam->getSpanNum())) return;
    CSteelSpan* pSpan = m_pBeam->getSpan(i);
    if (!pSpan) return ShowAssert(564);
    pSpan->m_dSpanLen = m_dEditSpanLen;
    pSpan->m_dSecHeight = m_nEditHeight;
    pSpan->m_dSecWidth = m_nEditWidth;
    ShowSpanRow(i);
    RedrawPicture();
}

void CBeamComInputDlg::OnDeleteSpan() {
    const int i = m_listSpan.GetSelectedItem();
    if (!m_pBeam || i < 0) return;
    m_pBeam->DeleteSpan(i);
    if (m_pBeam->getSpanNum() == 0) {
        m_listSpan.DeleteAllItems();
        // The beam keeps its load cases: the tree shows each of them, without spans.
        m_bFilling = TRUE;
        BuildTreeFromBeam();
        m_bFilling = FALSE;
        ResetSelection();
        for (CButton* pButton : {&m_btnInsertSpan, &m_btnModifySpan, &m_btnDeleteSpan}) pButton->EnableWindow(FALSE);
    } else {
        m_listSpan.DeleteItem(i);
        RenumberSpanRows(i);
        DeleteSpanNodes(i);
        m_nCurSpan = -1;
        SelectSpanRow(i < m_listSpan.GetItemCount() ? i : i - 1);
    }
    RedrawPicture();
}

void CBeamComInputDlg::OnSpanItemChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    if (m_bFilling) return;
    const int i = m_listSpan.GetSelectedItem();
    if (i >= 0 && i != m_nCurSpan) {
        m_nCurSpan = i;
        LoadSpanToEditor(i);
        if (m_nActiveCtrl == 2) {
            SelectSpanNode(i);
            m_treeLoad.SetFocus();
        }
    }
    RedrawPicture();
}

void CBeamComInputDlg::OnSpanListFocus(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    m_treeLoad.SetFocus();
}

LRESULT CBeamComInputDlg::OnListClick(WPARAM wParam, LPARAM) {
    const BOOL bHit = wParam == 1;
    if (!bHit) {
        m_nCurSpan = -1;
        if (HTREEITEM hCase = m_hCaseNode ? m_hCaseNode : m_treeLoad.GetRootItem()) m_treeLoad.SelectItem(hCase);
        for (CButton* pButton : {&m_btnInsertLoad, &m_btnModifyLoad, &m_btnDeleteItem}) pButton->EnableWindow(FALSE);
        m_treeLoad.SetFocus();
        RedrawPicture();
    }
    for (CButton* pButton : {&m_btnInsertSpan, &m_btnModifySpan, &m_btnDeleteSpan}) pButton->EnableWindow(bHit);
    return 0;
}

LRESULT CBeamComInputDlg::OnCtrlActivated(WPARAM, LPARAM lParam) {
    const HWND hWnd = reinterpret_cast<HWND>(lParam);
    if (hWnd == m_treeLoad.GetSafeHwnd()) m_nActiveCtrl = 1;
    if (hWnd == m_listSpan.GetSafeHwnd()) m_nActiveCtrl = 2;
    return 0;
}

void CBeamComInputDlg::ResetSelection() {
    m_nCurSpan = -1;
    m_hCaseNode = nullptr;
    m_hSpanNode = nullptr;
    m_nActiveCtrl = 0;
    for (CButton* pButton : {&m_btnInsertLoad, &m_btnModifyLoad, &m_btnDeleteItem})
        if (pButton->GetSafeHwnd()) pButton->EnableWindow(FALSE);
    UpdateData(FALSE);
}

void CBeamComInputDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
    CCaltPageDlg::OnShowWindow(bShow, nStatus);
    if (HTREEITEM hRoot = m_treeLoad.GetRootItem()) m_treeLoad.SelectItem(hRoot);
}

BOOL CBeamComInputDlg::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "LXLJS", 0);
    return TRUE;
}

void CBeamComInputDlg::OnExchangeFromControls() { UpdateData(TRUE); }

void CBeamComInputDlg::OnCrackCheck() {
    if (UpdateData(TRUE)) EnableOptionBoxes();
}

void CBeamComInputDlg::OnOwnStrength() {
    if (UpdateData(TRUE)) EnableOptionBoxes();
}

void CBeamComInputDlg::OnDeformCheck() {
    if (UpdateData(TRUE)) EnableOptionBoxes();
}

void CBeamComInputDlg::OnSupportChange() {
    if (UpdateData(TRUE)) RedrawPicture();
}

void CBeamComInputDlg::ShowBoxValue(UINT nID, double dValue) {
    m_bFilling = TRUE;
    SetEditText(nID, dValue);
    m_bFilling = FALSE;
}

BOOL CBeamComInputDlg::TakeRangedBox(const OptionRange& range) {
    if (m_bFilling) return FALSE;
    // What a refusal writes into the box is no value typed.
    m_bFilling = TRUE;
    const BOOL bTaken = TakeRangedValue(*this, range.nID, this->*(range.pValue), range.dLower, range.dUpper);
    m_bFilling = FALSE;
    return bTaken;
}

void CBeamComInputDlg::TakeTypedFactor(const OptionRange& range) {
    double dTyped = 0;
    if (!m_bFilling && CheckDouble(GetEditText(range.nID), dTyped, range.dUpper, range.dLower))
        this->*(range.pValue) = dTyped;
}

void CBeamComInputDlg::OnChangeDeadFactor() { TakeTypedFactor(kDeadFactor); }

void CBeamComInputDlg::OnChangeLiveFactor() { TakeTypedFactor(kLiveFactor); }

void CBeamComInputDlg::OnKillfocusDeadFactor() { TakeRangedBox(kDeadFactor); }

void CBeamComInputDlg::OnKillfocusLiveFactor() { TakeRangedBox(kLiveFactor); }

void CBeamComInputDlg::OnKillfocusSpanFactor() { TakeRangedBox(kSpanFactor); }

void CBeamComInputDlg::OnKillfocusStrength() { TakeRangedBox(kStrength); }

void CBeamComInputDlg::OnKillfocusSupportFactor() { TakeRangedBox(kSupportFactor); }

void CBeamComInputDlg::OnKillfocusCover() {
    const double dOld = m_dCover;
    if (!TakeRangedBox(kCover)) return;
    // Bars at the cover from both faces must stay inside every span's height.
    if (2 * m_dCover < SmallestHeight()) return;
    m_dCover = dOld;
    ShowBoxValue(IDC_CB_COVER, m_dCover);
    AfxMessageBox("保护层厚度太大，请重新输入！");
    GetDlgItem(IDC_CB_COVER)->SetFocus();
}

void CBeamComInputDlg::OnKillfocusSpanLength() { TakeRangedBox(kSpanLength); }

// Load cases and loads.

void CBeamComInputDlg::ShowLoadKind() {
    const LoadKindInfo& kind = kLoadKinds[m_nLoadKind];
    // The kind's picture in the static beside the selector; the one it showed is released.
    if (CStatic* pPicture = static_cast<CStatic*>(GetDlgItem(IDC_CB_KIND_PICTURE))) {
        CBitmap picture;
        if (CreateLoadKindPicture(picture, m_nLoadKind)) {
            pPicture->Invalidate();
            pPicture->SetBitmap(static_cast<HBITMAP>(picture));
            m_bmpKind.DeleteObject();
            m_bmpKind.Attach(picture.Detach());
        }
    }
    for (int b = 0; b < 4; ++b) {
        const int nSlot = kind.slots[b];
        GetDlgItem(kLoadBoxes[b])->ShowWindow(nSlot >= 0 ? SW_SHOW : SW_HIDE);
        GetDlgItem(kLoadLabels[b])->ShowWindow(nSlot >= 0 ? SW_SHOW : SW_HIDE);
        if (nSlot < 0) continue;
        SetDlgItemText(kLoadLabels[b], kind.labels[b]);
        m_dLoadEdit[b] = m_dLastLoad[nSlot];
        CString strValue;
        strValue.Format("%.2lf", m_dLastLoad[nSlot]);
        SetDlgItemText(kLoadBoxes[b], strValue);
    }
}

void CBeamComInputDlg::ReadLoadValues() {
    // Only numbers within the boxes' range are remembered; the exchange refuses the others. What is
    // remembered is also what the boxes show from now on, so that choosing a span in the tree keeps
    // the values typed for its load.
    const LoadKindInfo& kind = kLoadKinds[m_nLoadKind];
    for (int b = 0; b < 4; ++b) {
        double dValue = 0;
        if (kind.slots[b] >= 0 && CheckDouble(GetEditText(kLoadBoxes[b]), dValue, kLoadLimit, -kLoadLimit))
            m_dLastLoad[kind.slots[b]] = m_dLoadEdit[b] = dValue;
    }
}

void CBeamComInputDlg::OnLoadBoxKillFocus() { ReadLoadValues(); }

void CBeamComInputDlg::OnSelchangeLoadKind() {
    const int nKind = m_cmbLoadKind.GetCurSel();
    if (nKind < 0 || nKind >= BEAM_LOAD_KINDS) return;
    m_nLoadKind = nKind;
    ShowLoadKind();
    UpdateLoadButtons();
}

void CBeamComInputDlg::UpdateLoadButtons() {
    if (m_listSpan.GetItemCount() == 0) {
        for (CButton* pButton : {&m_btnInsertLoad, &m_btnModifyLoad, &m_btnDeleteItem}) pButton->EnableWindow(FALSE);
        m_btnAddCase.EnableWindow(TRUE);
        return;
    }
    for (CButton* pButton : {&m_btnInsertLoad, &m_btnModifyLoad, &m_btnDeleteItem, &m_btnAddCase})
        pButton->EnableWindow(TRUE);
    m_nLoadKind = std::max(0, m_cmbLoadKind.GetCurSel());
    const HTREEITEM hItem = m_treeLoad.GetSelectedItem();
    const int nCode = hItem ? GetItemCode(hItem) : 0;
    if (nCode == 0) {
        m_btnInsertLoad.EnableWindow(FALSE);
        m_btnModifyLoad.EnableWindow(FALSE);
        m_btnDeleteItem.EnableWindow(m_treeLoad.GetChildCount(TVI_ROOT) > 1);
    } else if (nCode == 1) {
        m_btnModifyLoad.EnableWindow(FALSE);
    } else {
        m_btnInsertLoad.EnableWindow(FALSE);
        if (nCode - 2 != m_nLoadKind) m_btnModifyLoad.EnableWindow(FALSE);
    }
    UpdateData(FALSE);
}

int CBeamComInputDlg::GetItemCode(HTREEITEM hItem) const {
    const HTREEITEM hParent = m_treeLoad.GetParentItem(hItem);
    if (!hParent) return 0;
    if (!m_treeLoad.GetParentItem(hParent)) return 1;
    int nImage = 0, nSelected = 0;
    m_treeLoad.GetItemImage(hItem, nImage, nSelected);
    for (int k = 0; k < BEAM_LOAD_KINDS; ++k)
        if (kLoadKinds[k].nImage == nImage) return k + 2;
    return 1;
}

void CBeamComInputDlg::ShowTreeSelection(HTREEITEM hItem) {
    if (!hItem || !m_pBeam) return;
    const int nCode = GetItemCode(hItem);
    HTREEITEM hCase = hItem;
    if (nCode == 1) hCase = m_treeLoad.GetParentItem(hItem);
    if (nCode >= 2) hCase = m_treeLoad.GetParentItem(m_treeLoad.GetParentItem(hItem));
    int nCase = 0;
    if (std::sscanf(m_treeLoad.GetItemText(hCase), "工况%d", &nCase) == 1) m_pBeam->SetCurrentCom(nCase - 1);
    if (m_listSpan.GetItemCount() == 0 || nCode < 2) return;
    const int nKind = nCode - 2;
    m_btnInsertLoad.EnableWindow(FALSE);
    m_cmbLoadKind.SetCurSel(nKind);
    double dValues[4] = {m_dLoadEdit[0], m_dLoadEdit[1], m_dLoadEdit[2], m_dLoadEdit[3]};
    const CString strText = m_treeLoad.GetItemText(hItem);
    if (nKind == BEAM_LOAD_UNIFORM || nKind == BEAM_LOAD_TRIANGLE)
        std::sscanf(strText, "%lf", &dValues[0]);
    else if (nKind == BEAM_LOAD_PARTIAL)
        std::sscanf(strText, "%lf-%lf-%lf-%lf", &dValues[0], &dValues[1], &dValues[2], &dValues[3]);
    else
        std::sscanf(strText, "%lf-%lf", &dValues[0], &dValues[2]);
    // The load's own values become the kind's remembered ones, so that the boxes show them.
    for (int b = 0; b < 4; ++b) {
        m_dLoadEdit[b] = dValues[b];
        if (kLoadKinds[nKind].slots[b] >= 0) m_dLastLoad[kLoadKinds[nKind].slots[b]] = dValues[b];
    }
    UpdateData(FALSE);
    m_nLoadKind = nKind;
    ShowLoadKind();
}

void CBeamComInputDlg::UpdateTreeButtons(HTREEITEM hItem) {
    if (m_listSpan.GetItemCount() == 0) return UpdateLoadButtons();
    for (CButton* pButton : {&m_btnInsertLoad, &m_btnModifyLoad, &m_btnDeleteItem, &m_btnAddCase})
        pButton->EnableWindow(TRUE);
    m_nLoadKind = std::max(0, m_cmbLoadKind.GetCurSel());
    const int nCode = hItem ? GetItemCode(hItem) : 0;
    if (nCode == 0) {
        m_btnInsertLoad.EnableWindow(FALSE);
        m_btnModifyLoad.EnableWindow(FALSE);
        m_hCaseNode = hItem;
        m_hSpanNode = nullptr;
        m_btnDeleteItem.SetWindowText("删除工况");
        m_btnDeleteItem.EnableWindow(m_treeLoad.GetChildCount(TVI_ROOT) > 1);
    } else if (nCode == 1) {
        m_hSpanNode = hItem;
        m_hCaseNode = m_treeLoad.GetParentItem(hItem);
        m_btnModifyLoad.EnableWindow(FALSE);
        m_btnDeleteItem.SetWindowText("删除荷载");
    } else {
        m_hSpanNode = m_treeLoad.GetParentItem(hItem);
        m_hCaseNode = m_treeLoad.GetParentItem(m_hSpanNode);
        m_btnDeleteItem.SetWindowText("删除荷载");
        m_btnInsertLoad.EnableWindow(FALSE);
        if (nCode - 2 != m_nLoadKind) m_btnModifyLoad.EnableWindow(FALSE);
    }
    UpdateData(FALSE);
    if (m_nActiveCtrl == 1)
        SelectSpanFromNode(m_hSpanNode);
    else
        RedrawPicture();
}

void CBeamComInputDlg::OnTreeSelChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    if (m_bFilling || !UpdateData(TRUE)) return;
    const HTREEITEM hItem = m_treeLoad.GetSelectedItem();
    ShowTreeSelection(hItem);
    UpdateTreeButtons(hItem);
    if (m_hCaseNode) {
        m_nCaseKind = m_treeLoad.GetItemText(m_hCaseNode).Find("(恒载)") >= 0 ? 0 : 1;
        UpdateData(FALSE);
    }
}

void CBeamComInputDlg::OnTreeSetFocus(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    if (m_bFilling) return;
    const HTREEITEM hItem = m_treeLoad.GetSelectedItem();
    ShowTreeSelection(hItem);
    UpdateTreeButtons(hItem);
}

void CBeamComInputDlg::SelectSpanFromNode(HTREEITEM hSpanNode) {
    int n = 0;
    if (hSpanNode && std::sscanf(m_treeLoad.GetItemText(hSpanNode), "第%d跨", &n) == 1 && n >= 1 &&
        n <= m_listSpan.GetItemCount()) {
        if (m_nCurSpan != n - 1) {
            m_nCurSpan = n - 1;
            m_bFilling = TRUE;
            SelectSpanRow(n - 1);
            m_bFilling = FALSE;
            LoadSpanToEditor(n - 1);
        }
        for (CButton* pButton : {&m_btnInsertSpan, &m_btnModifySpan, &m_btnDeleteSpan}) pButton->EnableWindow(TRUE);
        RedrawPicture();
        return;
    }
    m_bFilling = TRUE;
    m_listSpan.SelectItem(-1);
    m_bFilling = FALSE;
    m_nCurSpan = -1;
    RedrawPicture();
    for (CButton* pButton : {&m_btnInsertSpan, &m_btnModifySpan, &m_btnDeleteSpan}) pButton->EnableWindow(FALSE);
    m_treeLoad.SetFocus();
}

void CBeamComInputDlg::SelectSpanNode(int i) {
    if (i < 0) return ShowAssert(2205);
    HTREEITEM hCase = m_hCaseNode ? m_hCaseNode : m_treeLoad.GetRootItem();
    if (!hCase) return;
    m_treeLoad.Expand(hCase, TVE_EXPAND);
    HTREEITEM hSpan = m_treeLoad.GetChildByIndex(hCase, i);
    if (!hSpan) return;
    m_hSpanNode = hSpan;
    m_treeLoad.SelectItem(hSpan);
}

HTREEITEM CBeamComInputDlg::InsertCaseNode(int i, int nSpans) {
    if (i < 0) {
        ShowAssert(1233);
        return nullptr;
    }
    const HTREEITEM hCase = m_treeLoad.InsertItem(CaseText(i, m_nCaseKind), kCaseImage, kCaseSelectedImage);
    for (int j = 0; j < nSpans; ++j) m_treeLoad.InsertItem(SpanNodeText(j), kSpanImage, kSpanImage, hCase);
    return hCase;
}

void CBeamComInputDlg::RenumberSpanNodes(HTREEITEM hCaseNode, int nFrom) {
    for (HTREEITEM hSpan = m_treeLoad.GetChildByIndex(hCaseNode, nFrom); hSpan;
         hSpan = m_treeLoad.GetNextSiblingItem(hSpan))
        m_treeLoad.SetItemText(hSpan, SpanNodeText(nFrom++));
}

void CBeamComInputDlg::InsertSpanNodes(int i) {
    if (!m_treeLoad.GetRootItem()) {
        ShowAssert(1323);
        m_treeLoad.InsertItem(CaseText(0, BEAM_CASE_DEAD), kCaseImage, kCaseSelectedImage);
    }
    for (HTREEITEM hCase = m_treeLoad.GetRootItem(); hCase; hCase = m_treeLoad.GetNextSiblingItem(hCase)) {
        const BOOL bEmpty = !m_treeLoad.ItemHasChildren(hCase);
        const HTREEITEM hAfter = i == 0 ? TVI_FIRST : m_treeLoad.GetChildByIndex(hCase, i - 1);
        m_treeLoad.InsertItem(SpanNodeText(i), kSpanImage, kSpanImage, hCase, hAfter ? hAfter : TVI_LAST);
        RenumberSpanNodes(hCase, i + 1);
        if (bEmpty) m_treeLoad.Expand(hCase, TVE_EXPAND);
    }
}

void CBeamComInputDlg::DeleteSpanNodes(int i) {
    if (i < 0) return ShowAssert(1377);
    for (HTREEITEM hCase = m_treeLoad.GetRootItem(); hCase; hCase = m_treeLoad.GetNextSiblingItem(hCase)) {
        if (HTREEITEM hSpan = m_treeLoad.GetChildByIndex(hCase, i)) {
            if (hSpan == m_hSpanNode) m_hSpanNode = nullptr;
            m_treeLoad.DeleteItem(hSpan);
        }
        RenumberSpanNodes(hCase, i);
    }
}

CString CBeamComInputDlg::LoadItemText(int nKind, LPCTSTR lpszFormat) const {
    const double* v = m_dLoadEdit;
    CString strText;
    if (nKind == BEAM_LOAD_UNIFORM || nKind == BEAM_LOAD_TRIANGLE)
        strText.Format(lpszFormat, v[0]);
    else if (nKind == BEAM_LOAD_PARTIAL)
        strText.Format(lpszFormat, v[0], v[1], v[2], v[3]);
    else
        strText.Format(lpszFormat, v[0], v[2]);
    return strText;
}

void CBeamComInputDlg::BuildTreeFromBeam() {
    m_treeLoad.DeleteAllItems();
    if (!m_pBeam) return;
    if (m_pBeam->GetComNum() == 0) {
        m_pBeam->AddComStyle(BEAM_CASE_DEAD);
        m_treeLoad.SelectItem(m_treeLoad.InsertItem(CaseText(0, BEAM_CASE_DEAD), kCaseImage, kCaseSelectedImage));
        m_pBeam->SetCurrentCom(0);
        return;
    }
    const int nSpans = m_pBeam->getSpanNum();
    for (int c = 0; c < m_pBeam->GetComNum(); ++c) {
        m_nCaseKind = m_pBeam->m_ComStyleArr[c] == BEAM_CASE_LIVE ? 1 : 0;
        const HTREEITEM hCase = InsertCaseNode(c, nSpans);
        m_treeLoad.Expand(hCase, TVE_EXPAND);
        m_pBeam->SetCurrentCom(c);
        for (int j = 0; j < nSpans; ++j) {
            const CSteelSpanLoad* pLoads = m_pBeam->getSpan(j)->GetCurComLoad();
            if (!pLoads) continue;
            const HTREEITEM hSpan = m_treeLoad.GetChildByIndex(hCase, j);
            auto add = [&](int nKind, const CString& strText) {
                m_treeLoad.InsertItem(strText, kLoadKinds[nKind].nImage, kLoadKinds[nKind].nImage, hSpan);
            };
            CString strText;
            for (int k = 0; k < pLoads->m_CenLoadArr.GetSize(); ++k) {
                strText.Format("%.1f-%.1f", pLoads->m_CenLoadArr[k].m_dLoadValue, pLoads->m_CenLoadArr[k].m_dPosA);
                add(BEAM_LOAD_FORCE, strText);
            }
            for (int k = 0; k < pLoads->m_CenMomArr.GetSize(); ++k) {
                strText.Format("%.1f-%.1f", pLoads->m_CenMomArr[k].m_dLoadValue, pLoads->m_CenMomArr[k].m_dPosA);
                add(BEAM_LOAD_MOMENT, strText);
            }
            for (int k = 0; k < pLoads->m_DisLoadArr.GetSize(); ++k) {
                strText.Format("%.1f", pLoads->m_DisLoadArr[k]);
                add(BEAM_LOAD_UNIFORM, strText);
            }
            for (int k = 0; k < pLoads->m_TriLoadArr.GetSize(); ++k) {
                strText.Format("%.1f", pLoads->m_TriLoadArr[k]);
                add(BEAM_LOAD_TRIANGLE, strText);
            }
            for (int k = 0; k < pLoads->m_TraLoadArr.GetSize(); ++k) {
                strText.Format("%.1f-%.1f", pLoads->m_TraLoadArr[k].m_dLoadValue, pLoads->m_TraLoadArr[k].m_dPosA);
                add(BEAM_LOAD_TRAPEZOID, strText);
            }
            for (int k = 0; k < pLoads->m_AnyLoadArr.GetSize(); ++k) {
                const AnyLoad& load = pLoads->m_AnyLoadArr[k];
                strText.Format("%.1f-%.1f-%.1f-%.1f", load.m_dLoadValue1, load.m_dLoadValue2, load.m_dPosA,
                               load.m_dPosC);
                add(BEAM_LOAD_PARTIAL, strText);
            }
            m_treeLoad.Expand(hSpan, TVE_EXPAND);
        }
    }
}

void CBeamComInputDlg::OnAddCase() {
    if (!m_pBeam) return;
    UpdateData(TRUE);
    const int nCase = m_pBeam->GetComNum();
    // A combination of cases is a 32-bit mask.
    if (nCase >= BEAM_MAX_CASES) {
        AfxMessageBox("荷载工况数不能超过32个！", MB_OK | MB_ICONSTOP);
        return;
    }
    m_pBeam->AddComStyle(m_nCaseKind == 1 ? BEAM_CASE_LIVE : BEAM_CASE_DEAD);
    const HTREEITEM hCase = InsertCaseNode(nCase, m_pBeam->getSpanNum());
    m_pBeam->SetCurrentCom(nCase);
    m_hCaseNode = hCase;
    m_treeLoad.Expand(hCase, TVE_EXPAND);
    m_treeLoad.SelectItem(hCase);
}

void CBeamComInputDlg::RelabelCaseNode() {
    if (!m_hCaseNode) return;
    int nPosition = 0;
    for (HTREEITEM h = m_treeLoad.GetRootItem(); h && h != m_hCaseNode; h = m_treeLoad.GetNextSiblingItem(h))
        ++nPosition;
    m_treeLoad.SetItemText(m_hCaseNode, CaseText(nPosition, m_nCaseKind));
    if (m_pBeam) m_pBeam->ModifyComStyle(m_pBeam->GetCurrentCom(), m_nCaseKind == 1 ? BEAM_CASE_LIVE : BEAM_CASE_DEAD);
}

void CBeamComInputDlg::OnDeadCase() {
    if (m_nCaseKind != 1) return;
    m_nCaseKind = 0;
    RelabelCaseNode();
}

void CBeamComInputDlg::OnLiveCase() {
    if (m_nCaseKind != 0) return;
    m_nCaseKind = 1;
    RelabelCaseNode();
}

double CBeamComInputDlg::SelectedSpanLength() const {
    return m_nCurSpan >= 0 ? std::atof(m_listSpan.GetItemText(m_nCurSpan, 1)) : 0;
}

BOOL CBeamComInputDlg::CheckLoadValues() {
    const int* slots = kLoadKinds[m_nLoadKind].slots;
    auto value = [&](int b) { return slots[b] >= 0 ? m_dLastLoad[slots[b]] : 0.0; };
    const double v1 = value(0), v2 = value(1), a = value(2), c = value(3);
    const double L = SelectedSpanLength();
    // Positions at the span's end pass, with a hair for sums of decimals such as 0.1 + 0.2.
    const double tolerance = 1e-9;
    struct Check {
        bool bFails;
        LPCTSTR lpszMessage;
        UINT nFocus;
    };
    std::vector<Check> checks;
    switch (m_nLoadKind) {
    case BEAM_LOAD_FORCE:
        checks = {{v1 < 0.01, "P值必须>0!", IDC_CB_LOAD_VALUE1},
                  {a < 0, "a值不能小于0!", IDC_CB_LOAD_POS_A},
                  {a > L + tolerance, "a值不能大于跨度!", IDC_CB_LOAD_POS_A}};
        break;
    case BEAM_LOAD_MOMENT:
        checks = {{std::fabs(v1) < 0.01, "M值不能为0!", IDC_CB_LOAD_VALUE1},
                  {a < 0, "a值不能小于0!", IDC_CB_LOAD_POS_A},
                  {a > L + tolerance, "a值不能大于跨度!", IDC_CB_LOAD_POS_A}};
        break;
    case BEAM_LOAD_UNIFORM:
    case BEAM_LOAD_TRIANGLE:
        checks = {{v1 < 0.01, "q值必须>0!", IDC_CB_LOAD_VALUE1}};
        break;
    case BEAM_LOAD_TRAPEZOID:
        checks = {{v1 < 0.01, "q值必须>0!", IDC_CB_LOAD_VALUE1},
                  {a < 0, "a值不能小于0!", IDC_CB_LOAD_POS_A},
                  {a > L / 2 + tolerance, "a值不能大于跨度的一半!", IDC_CB_LOAD_POS_A}};
        break;
    default:
        checks = {{v1 < 0.01 && v2 < 0.01, "q1与q2必须至少有一项大于0!", IDC_CB_LOAD_VALUE1},
                  {a < 0, "a值不能小于0!", IDC_CB_LOAD_POS_A},
                  {c < 0, "c值不能小于0!", IDC_CB_LOAD_POS_C},
                  {a + c > L + tolerance, "a+c的值不能大于跨度!", IDC_CB_LOAD_POS_A}};
        break;
    }
    for (const Check& check : checks) {
        if (!check.bFails) continue;
        AfxMessageBox(check.lpszMessage, MB_OK);
        GetDlgItem(check.nFocus)->SetFocus();
        return FALSE;
    }
    return TRUE;
}

// Puts the current kind's remembered values into the span's loads of the current case at nIndex
// (appended for -1).
static void PutLoad(CSteelSpan& span, int nKind, int nIndex, const double* v) {
    switch (nKind) {
    case BEAM_LOAD_UNIFORM:
    case BEAM_LOAD_TRIANGLE:
        if (nIndex < 0) span.AddSpanLoad(nKind, v[0]);
        else span.InsertSpanLoad(nKind, nIndex, v[0]);
        break;
    case BEAM_LOAD_PARTIAL: {
        const AnyLoad load{v[0], v[1], v[2], v[3]};
        if (nIndex < 0) span.AddSpanLoad(nKind, load);
        else span.InsertSpanLoad(nKind, nIndex, load);
        break;
    }
    default: {
        const NormalLoad load{v[0], v[2]};
        if (nIndex < 0) span.AddSpanLoad(nKind, load);
        else span.InsertSpanLoad(nKind, nIndex, load);
    }
    }
}

void CBeamComInputDlg::InsertLoadItem(HTREEITEM hSpanNode) {
    CString strText;
    const double* v = m_dLoadEdit;
    switch (m_nLoadKind) {
    case BEAM_LOAD_UNIFORM:
    case BEAM_LOAD_TRIANGLE: strText = ftos(v[0]); break;
    case BEAM_LOAD_PARTIAL: strText = ftos(v[0]) + "-" + ftos(v[1]) + "-" + ftos(v[2]) + "-" + ftos(v[3]); break;
    default: strText = ftos(v[0]) + "-" + ftos(v[2]);
    }
    const int nImage = kLoadKinds[m_nLoadKind].nImage;
    m_treeLoad.InsertItem(strText, nImage, nImage, hSpanNode);
    m_treeLoad.Expand(hSpanNode, TVE_EXPAND);
}

// The span a span node stands for, from its text "第%d跨"; -1 for none.
static int SpanOfNode(const CTreeCtrlEx& tree, HTREEITEM hSpanNode) {
    int n = 0;
    return hSpanNode && std::sscanf(tree.GetItemText(hSpanNode), "第%d跨", &n) == 1 ? n - 1 : -1;
}

void CBeamComInputDlg::OnInsertLoad() {
    if (!m_pBeam || !UpdateData(TRUE)) return;
    ReadLoadValues();
    const HTREEITEM hSpanNode = m_treeLoad.GetSelectedItem();
    if (!hSpanNode || GetItemCode(hSpanNode) != 1) return;
    m_nCurSpan = SpanOfNode(m_treeLoad, hSpanNode);
    CSteelSpan* pSpan = m_pBeam->getSpan(m_nCurSpan);
    if (!pSpan || !CheckLoadValues()) return;
    const int* slots = kLoadKinds[m_nLoadKind].slots;
    for (int b = 0; b < 4; ++b) m_dLoadEdit[b] = slots[b] >= 0 ? m_dLastLoad[slots[b]] : 0;
    InsertLoadItem(hSpanNode);
    PutLoad(*pSpan, m_nLoadKind, -1, m_dLoadEdit);
    RedrawPicture();
}

int CBeamComInputDlg::IndexAmongKind(HTREEITEM hItem, int nKind) const {
    int n = 0;
    for (HTREEITEM h = m_treeLoad.GetPrevSiblingItem(hItem); h; h = m_treeLoad.GetPrevSiblingItem(h))
        if (GetItemCode(h) == nKind + 2) ++n;
    return n;
}

void CBeamComInputDlg::OnModifyLoad() {
    if (!m_pBeam || !UpdateData(TRUE)) return;
    ReadLoadValues();
    const HTREEITEM hItem = m_treeLoad.GetSelectedItem();
    if (!hItem || GetItemCode(hItem) < 2) return;
    m_nCurSpan = SpanOfNode(m_treeLoad, m_treeLoad.GetParentItem(hItem));
    CSteelSpan* pSpan = m_pBeam->getSpan(m_nCurSpan);
    if (!pSpan || !CheckLoadValues()) return;
    const int nOldKind = GetItemCode(hItem) - 2;
    const int n = IndexAmongKind(hItem, nOldKind);
    const int* slots = kLoadKinds[m_nLoadKind].slots;
    for (int b = 0; b < 4; ++b) m_dLoadEdit[b] = slots[b] >= 0 ? m_dLastLoad[slots[b]] : 0;
    pSpan->DelSpanLoad(nOldKind, n);
    PutLoad(*pSpan, m_nLoadKind, IndexAmongKind(hItem, m_nLoadKind), m_dLoadEdit);
    const int nImage = kLoadKinds[m_nLoadKind].nImage;
    m_treeLoad.SetItemImage(hItem, nImage, nImage);
    const LPCTSTR lpszFormat = m_nLoadKind == BEAM_LOAD_UNIFORM || m_nLoadKind == BEAM_LOAD_TRIANGLE ? "%.2f"
                               : m_nLoadKind == BEAM_LOAD_PARTIAL ? "%.2f-%.2f-%.2f-%.2f"
                                                                  : "%.2f-%.2f";
    m_treeLoad.SetItemText(hItem, LoadItemText(m_nLoadKind, lpszFormat));
    RedrawPicture();
}

void CBeamComInputDlg::OnDeleteTreeItem() {
    if (!m_pBeam) return;
    const HTREEITEM hItem = m_treeLoad.GetSelectedItem();
    if (!hItem) return;
    const int nCode = GetItemCode(hItem);
    if (nCode == 0) {
        if (m_treeLoad.GetChildCount(TVI_ROOT) <= 1) return;
        m_pBeam->RemoveComStyle(m_pBeam->GetCurrentCom());
        int nPosition = 0;
        for (HTREEITEM h = m_treeLoad.GetRootItem(); h; h = m_treeLoad.GetNextSiblingItem(h)) {
            if (h == hItem) continue;
            m_treeLoad.SetItemText(h, CaseText(nPosition, m_pBeam->m_ComStyleArr[nPosition]));
            ++nPosition;
        }
        m_hCaseNode = nullptr;
        m_hSpanNode = nullptr;
        m_treeLoad.DeleteItem(hItem);
    } else if (nCode == 1) {
        CSteelSpan* pSpan = m_pBeam->getSpan(SpanOfNode(m_treeLoad, hItem));
        if (pSpan)
            for (int r = pSpan->m_SpanLoadArr.GetSize() - 1; r >= 0; --r)
                if (pSpan->m_SpanLoadArr[r]->m_nComIndex == m_pBeam->GetCurrentCom()) {
                    delete pSpan->m_SpanLoadArr[r];
                    pSpan->m_SpanLoadArr.RemoveAt(r);
                }
        while (HTREEITEM hChild = m_treeLoad.GetChildItem(hItem)) m_treeLoad.DeleteItem(hChild);
    } else {
        CSteelSpan* pSpan = m_pBeam->getSpan(SpanOfNode(m_treeLoad, m_treeLoad.GetParentItem(hItem)));
        if (pSpan) pSpan->DelSpanLoad(nCode - 2, IndexAmongKind(hItem, nCode - 2));
        m_treeLoad.DeleteItem(hItem);
    }
    RedrawPicture();
}
