#include "slab/irregular/AtypicalBoardDrawDlg.h"

#include "mfc/user/Resources.h"
#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/RefPointDlg.h"

namespace {

constexpr UINT kKeyF8 = 0x77;

// The result pictures by their index in the picture list.
const char* const kPictureNames[] = {"网格图", "位移等值图", "弯矩图", "配筋图", "配筋面积图", "挠度极值图", "裂缝图"};

const UINT kToolIds[] = {IDC_BOARD_LINE, IDC_BOARD_ARC, IDC_BOARD_CIRCLE, IDC_BOARD_RECT};

struct ToolsOfPage {
    int kind;
    UINT shown[8];
    UINT hidden[11];
    int drawEnabled;
};

// What each page shows of the panel's controls (ids of 0 end a list).
const ToolsOfPage kToolsOfPages[] = {
    {0,
     {IDC_BOARD_TOOL_LABEL, IDC_BOARD_LINE, IDC_BOARD_ARC, IDC_BOARD_CIRCLE, IDC_BOARD_RECT, IDC_BOARD_CMD_FRAME,
      IDC_BOARD_CMD, IDC_BOARD_HISTORY},
     {IDC_BOARD_PICTURE},
     1},
    {1, {IDC_BOARD_TOOL_LABEL, IDC_BOARD_LIVE, IDC_BOARD_DEAD, IDC_BOARD_CMD_FRAME, IDC_BOARD_CMD, IDC_BOARD_HISTORY},
     {IDC_BOARD_PICTURE}, 1},
    {2, {IDC_BOARD_TOOL_LABEL, IDC_BOARD_LIVE, IDC_BOARD_DEAD, IDC_BOARD_CMD_FRAME, IDC_BOARD_CMD, IDC_BOARD_HISTORY},
     {IDC_BOARD_PICTURE}, 1},
    {3, {},
     {IDC_BOARD_TOOL_LABEL, IDC_BOARD_LINE, IDC_BOARD_ARC, IDC_BOARD_CIRCLE, IDC_BOARD_RECT, IDC_BOARD_LIVE, IDC_BOARD_DEAD,
      IDC_BOARD_CMD_FRAME, IDC_BOARD_CMD, IDC_BOARD_HISTORY, IDC_BOARD_PICTURE},
     0},
    {4, {IDC_BOARD_PICTURE},
     {IDC_BOARD_TOOL_LABEL, IDC_BOARD_LINE, IDC_BOARD_ARC, IDC_BOARD_CIRCLE, IDC_BOARD_RECT, IDC_BOARD_LIVE, IDC_BOARD_DEAD,
      IDC_BOARD_CMD_FRAME, IDC_BOARD_CMD, IDC_BOARD_HISTORY},
     0},
    {5, {IDC_BOARD_PICTURE},
     {IDC_BOARD_TOOL_LABEL, IDC_BOARD_LINE, IDC_BOARD_ARC, IDC_BOARD_CIRCLE, IDC_BOARD_RECT, IDC_BOARD_LIVE, IDC_BOARD_DEAD,
      IDC_BOARD_CMD_FRAME, IDC_BOARD_CMD, IDC_BOARD_HISTORY},
     0},
};

}  // namespace

BEGIN_MESSAGE_MAP(CAtypicalBoardDrawDlg, CCaltPageDlg)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONUP()
    ON_WM_MBUTTONDOWN()
    ON_WM_MBUTTONUP()
    ON_BN_CLICKED(IDC_BOARD_LINE, OnLineTool)
    ON_BN_CLICKED(IDC_BOARD_ARC, OnArcTool)
    ON_BN_CLICKED(IDC_BOARD_CIRCLE, OnCircleTool)
    ON_BN_CLICKED(IDC_BOARD_RECT, OnRectTool)
    ON_BN_CLICKED(IDC_BOARD_DEAD, OnDeadLoad)
    ON_BN_CLICKED(IDC_BOARD_LIVE, OnLiveLoad)
    ON_EN_CHANGE(IDC_BOARD_CMD, OnCmdLineChange)
    ON_CBN_SELCHANGE(IDC_BOARD_PICTURE, OnSelChangePicture)
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CAtypicalBoardDrawDlg::CAtypicalBoardDrawDlg(CWnd* pParent)
    : CCaltPageDlg(IDD_BOARD_DRAW, pParent), m_nDrawType(-1), m_nLoadKind(-1), m_hNotifyWnd(NULL), m_nPickCount(0),
      m_bOrtho(0), m_nMode(DRAW_LINE), m_nPromptCode(0), m_bTypedLength(0), m_dTypedLength(0.0), m_bRefActive(0),
      m_bDrawEnabled(0), m_nTypedKind(0), m_dPolarLength(0.0), m_dPolarAngle(0.0), m_pParam(NULL), m_bMouseKnown(FALSE),
      m_bWritingControls(FALSE)
{
    m_brushHistory.CreateSolidBrush(0xFFFFFF);
}

void CAtypicalBoardDrawDlg::DoDataExchange(CDataExchange* pDX)
{
    CCaltPageDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOARD_PICTURE, m_cmbPicture);
    DDX_Control(pDX, IDC_BOARD_HISTORY, m_editHistory);
    DDX_Control(pDX, IDC_BOARD_CMD, m_editCmd);
    DDX_Control(pDX, IDC_BOARD_AREA, m_drawArea);
    DDX_Radio(pDX, IDC_BOARD_LINE, m_nDrawType);
    DDX_Radio(pDX, IDC_BOARD_DEAD, m_nLoadKind);
    DDX_Text(pDX, IDC_BOARD_CMD, m_strCmd);
    DDX_Text(pDX, IDC_BOARD_HISTORY, m_strHistory);
}

BOOL CAtypicalBoardDrawDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    m_view.FitToWindow(&m_drawArea, m_pParam);
    m_drawArea.SetView(&m_view);
    UpdateData(TRUE);
    m_nPickCount = 0;
    m_bOrtho = 0;
    m_nPromptCode = 0;
    m_bTypedLength = 0;
    m_dTypedLength = 0.0;
    m_nTypedKind = 0;
    m_dPolarLength = m_dPolarAngle = 0.0;
    m_bRefActive = 0;
    m_nMode = DRAW_LINE;
    m_nDrawType = 0;
    m_nLoadKind = m_pParam->m_nLoadType == LOAD_LIVE ? 1 : 0;
    WriteControls();
    UpdatePrompt();
    FillPictureCombo();
    m_bDrawEnabled = 1;
    return TRUE;
}

int CAtypicalBoardDrawDlg::SetParentWnd(CWnd* pWnd)
{
    m_hNotifyWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
    return 1;
}

int CAtypicalBoardDrawDlg::SetDrawMode(int nMode)
{
    m_nMode = nMode;
    return 1;
}

int CAtypicalBoardDrawDlg::GetDrawMode() const
{
    return m_nMode;
}

int CAtypicalBoardDrawDlg::GetDrawType() const
{
    return m_nDrawType;
}

int CAtypicalBoardDrawDlg::SetPicture(int nPicture)
{
    return m_view.SetPicture(nPicture);
}

int CAtypicalBoardDrawDlg::Redraw()
{
    return m_view.DrawAll();
}

void CAtypicalBoardDrawDlg::EnableDrawing(int bEnable)
{
    m_bDrawEnabled = bEnable;
}

int CAtypicalBoardDrawDlg::ShowTools(int nKind)
{
    for (const ToolsOfPage& tools : kToolsOfPages) {
        if (tools.kind != nKind)
            continue;
        for (UINT id : tools.shown)
            if (id)
                GetDlgItem(id)->ShowWindow(SW_SHOW);
        for (UINT id : tools.hidden)
            if (id)
                GetDlgItem(id)->ShowWindow(SW_HIDE);
        m_bDrawEnabled = tools.drawEnabled;
    }
    return 1;
}

void CAtypicalBoardDrawDlg::FillPictureCombo()
{
    for (int i = 6; i >= 0; --i)
        m_cmbPicture.InsertString(0, kPictureNames[i]);
    m_cmbPicture.SetCurSel(0);
}

void CAtypicalBoardDrawDlg::OnSelChangePicture()
{
    SetPicture(m_cmbPicture.GetCurSel());
    m_view.DrawAll();
    m_editCmd.SetFocus();
}

void CAtypicalBoardDrawDlg::WriteControls()
{
    m_bWritingControls = TRUE;
    UpdateData(FALSE);
    m_bWritingControls = FALSE;
}

void CAtypicalBoardDrawDlg::Notify(int nCode)
{
    NotifyBoardPage(m_hNotifyWnd, nCode);
}

void CAtypicalBoardDrawDlg::SetBoardCursor(UINT nID)
{
    const LPCTSTR name = MAKEINTRESOURCE(nID);
    ::SetCursor(::LoadCursor(AfxFindResourceHandle(name, RT_CURSOR), name));
}

void CAtypicalBoardDrawDlg::ScrollHistoryToEnd()
{
    const int end = m_editHistory.GetWindowTextLength();
    m_editHistory.SetSel(end, end);
}

void CAtypicalBoardDrawDlg::ChooseTool(int nTool)
{
    static const int kModes[] = {DRAW_LINE, DRAW_ARC, DRAW_CIRCLE, DRAW_RECT};
    m_nMode = kModes[nTool];
    m_nDrawType = nTool;
    WriteControls();
    m_editCmd.SetFocus();
}

void CAtypicalBoardDrawDlg::OnLineTool()
{
    ChooseTool(0);
}

void CAtypicalBoardDrawDlg::OnArcTool()
{
    ChooseTool(1);
}

void CAtypicalBoardDrawDlg::OnCircleTool()
{
    ChooseTool(2);
}

void CAtypicalBoardDrawDlg::OnRectTool()
{
    ChooseTool(3);
}

void CAtypicalBoardDrawDlg::ChooseLoadKind(int nKind)
{
    m_pParam->m_nLoadType = nKind;
    m_pParam->m_nBoardLineType = nKind;
    m_editCmd.SetFocus();
}

void CAtypicalBoardDrawDlg::OnDeadLoad()
{
    ChooseLoadKind(LOAD_DEAD);
}

void CAtypicalBoardDrawDlg::OnLiveLoad()
{
    ChooseLoadKind(LOAD_LIVE);
}

BOOL CAtypicalBoardDrawDlg::IsInDrawArea(CPoint point) const
{
    const CPoint inside = ToDrawArea(point);
    CRect area;
    m_drawArea.GetClientRect(&area);
    return inside.x >= 0 && inside.x <= area.Width() && inside.y >= 0 && inside.y <= area.Height();
}

CPoint CAtypicalBoardDrawDlg::ToDrawArea(CPoint point) const
{
    ClientToScreen(&point);
    m_drawArea.ScreenToClient(&point);
    return point;
}

AcGePoint3d CAtypicalBoardDrawDlg::ModelPoint(CPoint point) const
{
    const CPoint inside = ToDrawArea(point);
    return m_view.DeviceToWorld(inside.x, inside.y);
}

int CAtypicalBoardDrawDlg::PickReferencePoint(AcGePoint3d& point)
{
    CRefPointDlg dlg;
    dlg.SetBoard(&m_pParam->m_BoardData);
    if (dlg.DoModal() != IDOK)
        return 0;
    point = dlg.GetPoint();
    return 1;
}

void CAtypicalBoardDrawDlg::OnPaint()
{
    CPaintDC dc(this);
    m_view.Blit();
}

HBRUSH CAtypicalBoardDrawDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd && pWnd->GetDlgCtrlID() == IDC_BOARD_HISTORY) {
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(0xFFFFFF);
        return static_cast<HBRUSH>(m_brushHistory.GetSafeHandle());
    }
    return CCaltPageDlg::OnCtlColor(pDC, pWnd, nCtlColor);
}

// The cursor set by the pointer's handlers stays.
BOOL CAtypicalBoardDrawDlg::OnSetCursor(CWnd*, UINT, UINT)
{
    return FALSE;
}

void CAtypicalBoardDrawDlg::OnMButtonDown(UINT, CPoint)
{
    SetBoardCursor(IDR_BOARD_HAND);
}

void CAtypicalBoardDrawDlg::OnMButtonUp(UINT, CPoint)
{
    SetBoardCursor(IDR_BOARD_CROSS);
}

void CAtypicalBoardDrawDlg::OnLButtonUp(UINT, CPoint)
{
    SetBoardCursor(IDR_BOARD_CROSS);
}

void CAtypicalBoardDrawDlg::OnRButtonUp(UINT, CPoint)
{
    SetBoardCursor(IDR_BOARD_CROSS);
}

BOOL CAtypicalBoardDrawDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == kKeyF8) {
            m_bOrtho = !m_bOrtho;
        } else if (pMsg->wParam == VK_ESCAPE) {
            m_nPromptCode = 6;
            RightButtonRoutine();
        }
    }
    return CCaltPageDlg::PreTranslateMessage(pMsg);
}

// Enter finishes an entry as Space does.
void CAtypicalBoardDrawDlg::OnOK()
{
    m_editCmd.SendMessage(WM_CHAR, ' ', 0);
    OnCmdLineChange();
}
