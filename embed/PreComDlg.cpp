#include "embed/PreComDlg.h"

#include "embed/EmbedCtrlReaders.h"
#include "embed/EmbedInputMessage.h"
#include "host/VuskMainInfo.h"

IMPLEMENT_DYNAMIC(CPreComDlg, CCaltPageDlg)

BEGIN_MESSAGE_MAP(CPreComDlg, CCaltPageDlg)
    ON_NOTIFY(TVN_SELCHANGED, IDC_PRECOM_TREE, OnSelChangedTree)
    ON_WM_SHOWWINDOW()
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PRECOM_TENSION, IDC_PRECOM_PRESS_BEND_SHEAR, OnLoadCaseButton)
    ON_BN_CLICKED(IDC_PRECOM_PLAN, OnPlanCheck)
    ON_BN_CLICKED(IDC_PRECOM_SIDE, OnSideCheck)
    ON_EN_KILLFOCUS(IDC_PRECOM_SCALE, OnDrawOptionKillFocus)
    ON_EN_KILLFOCUS(IDC_PRECOM_NAME, OnDrawOptionKillFocus)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

namespace {

// The load-case buttons in case order.
const UINT kLoadCaseButtons[] = {IDC_PRECOM_TENSION, IDC_PRECOM_SHEAR, IDC_PRECOM_BEND_SHEAR,
                                 IDC_PRECOM_TENSION_BEND_SHEAR, IDC_PRECOM_PRESS_BEND_SHEAR};

// What drawing needs: the name, the scale and "绘图".
const UINT kDrawControls[] = {IDC_PRECOM_NAME, IDC_PRECOM_SCALE, IDOK};

// Item data of the tree: the group of detailing types, and each anchor type.
enum { kItemGroup = 0, kItemPlate = 101, kItemAngleDetail = 102, kItemStraight = 11, kItemAngle = 12,
       kItemBent = 22, kItemShearKey = 23, kItemEndPlate = 32, kItemRing = 6 };

// Per type: item data, page, load cases enabled (bits by case) and the case checked, -1 for none.
struct TypeRow {
    DWORD_PTR dwItemData;
    int nSub;
    unsigned nCases;
    int nChecked;
};

const TypeRow kTypes[] = {
    {kItemPlate, 1, 0, -1},
    {kItemAngleDetail, 2, 0, -1},
    {kItemStraight, 3, 0x1F, 0},
    {kItemAngle, 4, (1u << 0) | (1u << 1) | (1u << 3), 0},
    {kItemBent, 5, 1u << 1, 1},
    {kItemShearKey, 6, 1u << 1, 1},
    {kItemEndPlate, 7, (1u << 0) | (1u << 3), 0},
    {kItemRing, 8, 1u << 0, 0},
};

}  // namespace

CPreComDlg::CPreComDlg(CWnd* pParent) : CCaltPageDlg(IDD, pParent) {}

CPreComDlg::~CPreComDlg() = default;

CPreComPage* CPreComDlg::GetPage(int nSub) {
    CPreComPage* pages[] = {&m_dlgSub1, &m_dlgSub2, &m_dlgSub3, &m_dlgSub4,
                            &m_dlgSub5, &m_dlgSub6, &m_dlgSub7, &m_dlgSub8};
    return nSub >= 1 && nSub <= 8 ? pages[nSub - 1] : nullptr;
}

void CPreComDlg::DoDataExchange(CDataExchange* pDX) {
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PRECOM_V, m_ctrlV);
    DDX_Control(pDX, IDC_PRECOM_M, m_ctrlM);
    DDX_Control(pDX, IDC_PRECOM_N, m_ctrlN);
    DDX_Control(pDX, IDC_PRECOM_TREE, m_ctrlTree);
    DDX_Check(pDX, IDC_PRECOM_PLAN, m_record.m_bIsLeft);
    DDX_Check(pDX, IDC_PRECOM_SIDE, m_record.m_bIsRight);
    DDX_Check(pDX, IDC_PRECOM_DIM, m_record.m_bIsDim);
}

BOOL CPreComDlg::OnInitDialog() {
    CCaltPageDlg::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    for (int nSub = 1; nSub <= 8; ++nSub) GetPage(nSub)->SetData(&m_record);
    m_record.LoadDrawParam();
    UpdateData(FALSE);
    SetDrawOptions();
    m_nSubSelect = m_record.m_nSubSelect;
    for (UINT nID : {IDC_PRECOM_N, IDC_PRECOM_M, IDC_PRECOM_V}) SetDlgItemText(nID, "--");
    CheckDrawOptions();
    return TRUE;
}

void CPreComDlg::SetDrawOptions() {
    CString strScale;
    strScale.Format("%d", m_record.m_nDraw);
    SetDlgItemText(IDC_PRECOM_SCALE, strScale);
    SetDlgItemText(IDC_PRECOM_NAME, m_record.m_strName);
}

void CPreComDlg::OnShowWindow(BOOL bShow, UINT nStatus) {
    CCaltPageDlg::OnShowWindow(bShow, nStatus);
    // The type pages and the tree are built at the first showing of the window, never again.
    if (!bShow || m_dlgSub1.GetSafeHwnd()) return;
    // The type pages right of the tree, all hidden until the tree picks one.
    CRect rcPage(125, 0, 125, 0);
    MapDialogRect(&rcPage);
    const UINT ids[] = {IDD_PRECOM_SUB1, IDD_PRECOM_SUB2, IDD_PRECOM_SUB3, IDD_PRECOM_SUB4,
                        IDD_PRECOM_SUB5, IDD_PRECOM_SUB6, IDD_PRECOM_SUB7, IDD_PRECOM_SUB8};
    for (int nSub = 1; nSub <= 8; ++nSub) {
        CPreComPage* pPage = GetPage(nSub);
        pPage->Create(ids[nSub - 1], this);
        pPage->SetWindowPos(NULL, rcPage.left, rcPage.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        pPage->ShowWindow(SW_HIDE);
    }
    if (CWnd* pDraw = GetDlgItem(IDOK)) pDraw->SetFocus();
    if (CPreComPage* pPage = GetPage(m_nSubSelect)) {
        pPage->ShowWindow(SW_SHOW);
        pPage->ShowResults();
    }
    FillTree();
}

void CPreComDlg::FillTree() {
    struct Item {
        LPCTSTR lpszText;
        DWORD_PTR dwData;
        BOOL bChild;
    } items[] = {{"构造预埋件 ", kItemGroup, FALSE}, {"构造-钢板锚板", kItemPlate, TRUE},
                 {"构造-角钢锚板", kItemAngleDetail, TRUE}, {"直锚筋", kItemStraight, FALSE},
                 {"角钢锚筋", kItemAngle, FALSE}, {"直锚筋+弯折锚筋", kItemBent, FALSE},
                 {"直锚筋+抗剪钢板", kItemShearKey, FALSE}, {"直锚筋+端板", kItemEndPlate, FALSE},
                 {"吊环", kItemRing, FALSE}};
    HTREEITEM hGroup = NULL;
    HTREEITEM hBySub[9] = {};
    for (const Item& item : items) {
        HTREEITEM hItem = m_ctrlTree.InsertItem(item.lpszText, item.bChild ? hGroup : TVI_ROOT);
        m_ctrlTree.SetItemData(hItem, item.dwData);
        if (item.dwData == kItemGroup) hGroup = hItem;
        for (const TypeRow& type : kTypes)
            if (type.dwItemData == item.dwData) hBySub[type.nSub] = hItem;
        if (item.dwData == kItemAngleDetail) m_ctrlTree.Expand(hGroup, TVE_EXPAND);
    }
    const int nSub = m_nSubSelect >= 1 && m_nSubSelect <= 8 ? m_nSubSelect : 3;
    m_ctrlTree.Select(hBySub[nSub], TVGN_CARET);
}

void CPreComDlg::OnSelChangedTree(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const NMTREEVIEW* pView = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
    if (!pView->itemNew.hItem) return;
    SelectPage(m_ctrlTree.GetItemData(pView->itemNew.hItem));
}

void CPreComDlg::SelectPage(DWORD_PTR dwItemData) {
    GetDlgItem(IDC_PRECOM_PLAN)->EnableWindow(TRUE);
    GetDlgItem(IDC_PRECOM_SIDE)->EnableWindow(TRUE);
    for (UINT nID : kLoadCaseButtons) {
        CheckDlgButton(nID, BST_UNCHECKED);
        GetDlgItem(nID)->EnableWindow(FALSE);
    }
    for (UINT nID : {IDC_PRECOM_N, IDC_PRECOM_M, IDC_PRECOM_V}) SetDlgItemText(nID, "--");
    for (int nSub = 1; nSub <= 8; ++nSub)
        if (GetPage(nSub)->GetSafeHwnd()) GetPage(nSub)->ShowWindow(SW_HIDE);
    for (UINT nID : kDrawControls) GetDlgItem(nID)->EnableWindow(TRUE);

    if (dwItemData == kItemGroup) {
        for (UINT nID : kDrawControls) GetDlgItem(nID)->EnableWindow(FALSE);
        return;
    }
    const TypeRow* pType = nullptr;
    for (const TypeRow& type : kTypes)
        if (type.dwItemData == dwItemData) pType = &type;
    if (!pType) {
        m_nSubSelect = 0;
        return;
    }
    m_nSubSelect = pType->nSub;
    if (CPreComPage* pPage = GetPage(m_nSubSelect))
        if (pPage->GetSafeHwnd()) pPage->ShowWindow(SW_SHOW);
    for (int nCase = 0; nCase < 5; ++nCase)
        if (pType->nCases & (1u << nCase)) GetDlgItem(kLoadCaseButtons[nCase])->EnableWindow(TRUE);
    if (pType->nChecked < 0) {
        if (CPreComPage* pPage = GetPage(m_nSubSelect)) pPage->ShowResults();
        return;
    }
    CheckDlgButton(kLoadCaseButtons[pType->nChecked], BST_CHECKED);
    OnLoadCase(pType->nChecked);
    if (dwItemData == kItemRing) {
        GetDlgItem(IDC_PRECOM_PLAN)->EnableWindow(FALSE);
        GetDlgItem(IDC_PRECOM_SIDE)->EnableWindow(FALSE);
        CString strLoad;
        strLoad.Format("%.2f", static_cast<double>(m_dlgSub8.GetRingLoad()));
        SetDlgItemText(IDC_PRECOM_N, strLoad);
    }
}

void CPreComDlg::OnLoadCaseButton(UINT nID) {
    for (int nCase = 0; nCase < 5; ++nCase)
        if (kLoadCaseButtons[nCase] == nID) OnLoadCase(nCase);
}

void CPreComDlg::OnLoadCase(int nLoadCase) {
    m_ctrlTree.SetFocus();
    m_nLoadCase = nLoadCase;
    // Pages 3 to 7 draw loads and show capacities by case; the detailing pages and the ring do not.
    if (m_nSubSelect < 3 || m_nSubSelect > 7) return;
    CPreComPage* pPage = GetPage(m_nSubSelect);
    if (!pPage->GetSafeHwnd() || !(pPage->GetStyle() & WS_VISIBLE)) return;
    pPage->DrawPictures();
    pPage->ShowResults();
}

void CPreComDlg::KeepOneView(int& bClicked) {
    UpdateData(TRUE);
    if (m_record.m_bIsLeft || m_record.m_bIsRight) return;
    bClicked = 1;
    UpdateData(FALSE);
    SetDrawOptions();
}

void CPreComDlg::OnPlanCheck() {
    KeepOneView(m_record.m_bIsLeft);
}

void CPreComDlg::OnSideCheck() {
    KeepOneView(m_record.m_bIsRight);
}

void CPreComDlg::OnDrawOptionKillFocus() {
    CheckDrawOptions();
}

void CPreComDlg::CheckDrawOptions() {
    if (!UpdateData(TRUE)) return;
    CString strScale;
    GetDlgItemText(IDC_PRECOM_SCALE, strScale);
    int nScale = m_record.m_nDraw;
    BOOL bRefused = !GetCtrlInt(strScale, nScale, 32767, -32768);
    if (bRefused) nScale = m_record.m_nDraw;
    if (nScale < 1) {
        nScale = m_record.m_nDraw > 1 ? m_record.m_nDraw : 1;
        bRefused = TRUE;
    }
    m_record.m_nDraw = nScale;
    if (bRefused) {
        strScale.Format("%d", nScale);
        SetDlgItemText(IDC_PRECOM_SCALE, strScale);
        TellRefusal(this, IDC_PRECOM_SCALE, GetIntRangeMessage(1, 32767));
    }

    CString strName;
    GetDlgItemText(IDC_PRECOM_NAME, strName);
    strName.Trim();
    if (strName.IsEmpty()) {
        strName = m_record.m_strName;
        SetDlgItemText(IDC_PRECOM_NAME, strName);
    }
    m_record.m_strName = strName;
}

void CPreComDlg::OnOK() {
    CheckDrawOptions();
    m_record.m_nSubSelect = m_nSubSelect;
    m_record.SaveDrawParam();
    g_VuskMainInfo.SendAcadCommand("VuskYMJ\n", NULL);
    CCaltPageDlg::OnOK();
}

void CPreComDlg::OnCancel() {}

BOOL CPreComDlg::OnHelpInfo(HELPINFO*) {
    return TRUE;
}
