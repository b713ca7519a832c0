#include "slab/irregular/AtypicalBoardDlg.h"

#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

const char* const kPageTitles[] = {"边界参数", "荷载参数1", "荷载参数2", "计算参数", "计算结果"};
// The gap between the page's top and the panels, and between the two panels, in pixels.
constexpr int kPanelGap = 10;

}  // namespace

BEGIN_MESSAGE_MAP(CAtypicalBoardDlg, CCaltPageDlg)
    ON_MESSAGE(WM_BOARD_NOTIFY, OnBoardNotify)
END_MESSAGE_MAP()

CAtypicalBoardDlg::CAtypicalBoardDlg(CAtypicalBoardParam* pParam, CWnd* pParent)
    : CCaltPageDlg(IDD_ATYPICAL_BOARD, pParent), m_bHoleBoxEnabled(0), m_nHolePoints(0), m_pBoardParam(pParam)
{
}

int CAtypicalBoardDlg::GetBoardPage() const
{
    for (int page = BOARD_PAGE_EDGE; page <= BOARD_PAGE_RESULT; ++page)
        if (m_strTitle == kPageTitles[page])
            return page;
    return -1;
}

BOOL CAtypicalBoardDlg::OnInitDialog()
{
    CCaltPageDlg::OnInitDialog();
    CreatePanels();
    m_dlgDraw.SetPicture(-1);
    m_nHolePoints = 0;
    return TRUE;
}

void CAtypicalBoardDlg::CreatePanels()
{
    m_dlgDraw.SetParentWnd(this);
    m_dlgDraw.m_pParam = m_pBoardParam;
    m_dlgDraw.Create(IDD_BOARD_DRAW, this);
    CRect draw;
    m_dlgDraw.GetWindowRect(&draw);
    draw.OffsetRect(-draw.left, kPanelGap - draw.top);
    CCaltPageDlg* panel = NULL;
    UINT nTemplate = 0;
    switch (GetBoardPage()) {
    case BOARD_PAGE_EDGE:
        m_dlgEdge.SetParentWnd(this);
        m_dlgEdge.m_pParam = m_pBoardParam;
        panel = &m_dlgEdge, nTemplate = IDD_BOARD_EDGE;
        break;
    case BOARD_PAGE_LOAD:
        m_dlgLoad.SetParentWnd(this);
        m_dlgLoad.m_pParam = m_pBoardParam;
        panel = &m_dlgLoad, nTemplate = IDD_BOARD_LOAD;
        break;
    case BOARD_PAGE_LINE_LOAD:
        m_dlgLineLoad.SetParentWnd(this);
        m_dlgLineLoad.m_pParam = m_pBoardParam;
        panel = &m_dlgLineLoad, nTemplate = IDD_BOARD_LINE_LOAD;
        break;
    case BOARD_PAGE_SETTINGS:
        m_dlgSettings.SetParentWnd(this);
        m_dlgSettings.m_pParam = m_pBoardParam;
        panel = &m_dlgSettings, nTemplate = IDD_BOARD_SETTINGS;
        break;
    case BOARD_PAGE_RESULT:
        m_dlgResult.SetParentWnd(this);
        m_dlgResult.m_pParam = m_pBoardParam;
        panel = &m_dlgResult, nTemplate = IDD_BOARD_RESULTS;
        break;
    }
    if (panel && panel->Create(nTemplate, this)) {
        CRect place;
        panel->GetWindowRect(&place);
        place.OffsetRect(draw.right + kPanelGap - place.left, draw.top - place.top);
        panel->MoveWindow(&place);
        panel->ShowWindow(SW_SHOW);
    }
    m_dlgDraw.MoveWindow(&draw);
    m_dlgDraw.ShowWindow(SW_SHOW);
    m_dlgDraw.GetDlgItem(IDC_BOARD_CMD)->Invalidate();
}

void CAtypicalBoardDlg::Modified()
{
    m_pBoardParam->m_bModified = 1;
}

void CAtypicalBoardDlg::EnableItem(CWnd& panel, UINT nID, BOOL bEnable)
{
    if (CWnd* pItem = panel.GetDlgItem(nID))
        pItem->EnableWindow(bEnable);
}

void CAtypicalBoardDlg::ShowPicture(int nPicture)
{
    m_dlgDraw.SetPicture(nPicture);
    m_dlgDraw.Redraw();
}

void CAtypicalBoardDlg::SetData(CVuskParam*)
{
    Modified();
    m_dlgDraw.Redraw();
    if (GetBoardPage() == BOARD_PAGE_EDGE)
        m_dlgEdge.RefreshLists();
}

void CAtypicalBoardDlg::SelectEditObject(int nPage)
{
    CAtypicalBoardParam& param = *m_pBoardParam;
    const int lineType = param.m_nLoadType == LOAD_DEAD ? LOAD_DEAD : LOAD_LIVE;
    switch (nPage) {
    case BOARD_PAGE_EDGE: {
        const BOOL hole = m_dlgEdge.IsHoleMode();
        param.m_nBoardType = hole ? BOARD_HOLE : BOARD_OUTLINE;
        param.m_nBoardLineType = hole ? SEGMENT_HOLE_EDGE : m_dlgEdge.GetEdgeType();
        const int tool = m_dlgDraw.GetDrawType();
        if (tool >= 0 && tool <= 3)
            m_dlgDraw.SetDrawMode(tool + DRAW_LINE);
        break;
    }
    case BOARD_PAGE_LOAD:
        param.m_nBoardType = m_dlgLoad.IsPartMode() ? BOARD_PART_LOAD : BOARD_MASS_LOAD;
        param.m_nBoardLineType = lineType;
        m_dlgDraw.SetDrawMode(param.m_nBoardType + 3);
        break;
    case BOARD_PAGE_LINE_LOAD:
        param.m_nBoardType = m_dlgLineLoad.GetLoadTarget() + 2;
        param.m_nBoardLineType = lineType;
        m_dlgDraw.SetDrawMode(param.m_nBoardType + 3);
        break;
    }
}

void CAtypicalBoardDlg::Refresh(int)
{
    const int page = GetBoardPage();
    if (page < 0)
        return;
    m_pBoardParam->m_nCurPage = page;
    if (page <= BOARD_PAGE_LINE_LOAD) {
        ShowPicture(-1);
        const BOOL loads = page != BOARD_PAGE_EDGE;
        for (UINT id : {IDC_BOARD_DEAD, IDC_BOARD_LIVE})
            m_dlgDraw.GetDlgItem(id)->ShowWindow(loads ? SW_SHOW : SW_HIDE);
        for (UINT id : {IDC_BOARD_LINE, IDC_BOARD_ARC, IDC_BOARD_CIRCLE, IDC_BOARD_RECT})
            m_dlgDraw.GetDlgItem(id)->ShowWindow(loads ? SW_HIDE : SW_SHOW);
        SelectEditObject(page);
        m_dlgDraw.UpdatePrompt();
        m_dlgDraw.ShowTools(page);
        m_dlgDraw.GetDlgItem(IDC_BOARD_CMD)->SetFocus();
    } else if (page == BOARD_PAGE_SETTINGS) {
        ShowPicture(-1);
        m_dlgDraw.ShowTools(page);
    } else {
        Calculate();
        m_dlgResult.SetRows(m_pBoardParam->m_ReinResults);
        ShowPicture(m_dlgDraw.m_cmbPicture.GetCurSel());
        m_dlgDraw.ShowTools(page);
    }
}

BOOL CAtypicalBoardDlg::CheckData(CVuskParam*, CStringArray& arrWarnings, CStringArray& arrErrors)
{
    // Values from a store or a script pass their ranges before the shape is checked with them.
    CString strMessage;
    if (!m_pBoardParam->CheckStoredValues(strMessage)) {
        arrErrors.Add(strMessage);
        return FALSE;
    }
    const CBoardData& data = m_pBoardParam->m_BoardData;
    const BOOL edge = GetBoardPage() == BOARD_PAGE_EDGE;
    const struct {
        BOOL failed;
        const char* message;
        CStringArray* list;
    } steps[] = {
        {edge && data.m_HasBoard == 0, "请输入板边信息", &arrErrors},
        {data.HasCoincidentPoints(), "多边形不可以有重合点", &arrErrors},
        {data.HasSelfIntersection(), "多边形不可以自交", &arrErrors},
        {edge && !data.HolesInsideOutline(), "洞口必须在板边内", &arrErrors},
        {edge && HolesOverlap(data.m_HoleArray), "洞口之间不可以有重合部分", &arrErrors},
        {!data.CheckInnerAngles(), "多边形内角应在26.4~(360-26.4)度之间", &arrErrors},
        {!data.LoadsInsideOutline(), "荷载应在板边的范围内", &arrWarnings},
        {data.LoadsInHoles(), "荷载应在洞口的范围外", &arrErrors},
        {edge && !data.CheckHoleDistance(m_pBoardParam->m_param), "提示:洞口与板边的最小距离小于网格长度\n计算误差变大",
         &arrWarnings},
    };
    for (const auto& step : steps) {
        if (step.failed) {
            step.list->Add(step.message);
            return FALSE;
        }
    }
    return TRUE;
}

void CAtypicalBoardDlg::OnEdgeStep(int nCode)
{
    CAtypicalBoardEdgeDlg& edge = m_dlgEdge;
    switch (nCode) {
    case BOARD_OUTLINE_POINT:
        EnableItem(edge, IDC_BOARD_OUTLINE_BOX, FALSE);
        EnableItem(edge, IDC_BOARD_HOLE_BOX, FALSE);
        edge.AddOutlinePointRow();
        edge.EnableNodeList(FALSE);
        break;
    case BOARD_OUTLINE_DONE:
        if (edge.FinishOutline()) {
            EnableItem(edge, IDC_BOARD_HOLE_BOX, TRUE);
            edge.EnableNodeList(TRUE);
            edge.EnableEdgeType(FALSE);
            edge.OnHoleBox();
        } else {
            EnableItem(edge, IDC_BOARD_OUTLINE_BOX, TRUE);
            EnableItem(edge, IDC_BOARD_HOLE_BOX, TRUE);
            edge.EnableNodeList(TRUE);
            edge.OnOutlineBox();
        }
        Modified();
        break;
    case BOARD_HOLE_POINT:
        if (m_nHolePoints == 0)
            m_bHoleBoxEnabled = edge.GetDlgItem(IDC_BOARD_OUTLINE_BOX)->IsWindowEnabled();
        ++m_nHolePoints;
        edge.AddHolePointRow();
        EnableItem(edge, IDC_BOARD_OUTLINE_BOX, FALSE);
        EnableItem(edge, IDC_BOARD_HOLE_BOX, FALSE);
        edge.EnableHoleList(FALSE);
        break;
    case BOARD_HOLE_DONE:
    case BOARD_CIRCLE_HOLE:
    case BOARD_RECT_HOLE:
        if (nCode == BOARD_HOLE_DONE)
            edge.FinishHole();
        else if (nCode == BOARD_CIRCLE_HOLE)
            edge.AddCircleHole();
        else
            edge.AddRectHole();
        EnableItem(edge, IDC_BOARD_OUTLINE_BOX, m_bHoleBoxEnabled);
        EnableItem(edge, IDC_BOARD_HOLE_BOX, TRUE);
        edge.EnableHoleList(TRUE);
        m_nHolePoints = 0;
        if (nCode == BOARD_HOLE_DONE)
            edge.OnHoleBox();
        Modified();
        break;
    case BOARD_CIRCLE_OUTLINE:
    case BOARD_RECT_OUTLINE:
        if (nCode == BOARD_CIRCLE_OUTLINE ? edge.AddCircleOutline() : edge.AddRectOutline()) {
            EnableItem(edge, IDC_BOARD_HOLE_BOX, TRUE);
            edge.EnableNodeList(TRUE);
            edge.EnableEdgeType(FALSE);
            edge.SetEditMode(0);
        } else {
            EnableItem(edge, IDC_BOARD_OUTLINE_BOX, TRUE);
            EnableItem(edge, IDC_BOARD_HOLE_BOX, TRUE);
            edge.EnableNodeList(TRUE);
        }
        Modified();
        break;
    }
}

LRESULT CAtypicalBoardDlg::OnBoardNotify(WPARAM wParam, LPARAM)
{
    const int nCode = static_cast<int>(wParam);
    const int page = GetBoardPage();
    if (nCode >= BOARD_OUTLINE_POINT && nCode <= BOARD_RECT_HOLE) {
        if (page == BOARD_PAGE_EDGE)
            OnEdgeStep(nCode);
        return 1;
    }
    switch (nCode) {
    case BOARD_MASS_PLACED:
    case BOARD_PART_POINT:
    case BOARD_PART_DONE:
        if (page != BOARD_PAGE_LOAD)
            break;
        if (nCode == BOARD_MASS_PLACED) {
            m_dlgLoad.AddMassLoadRow();
            Modified();
        } else {
            const BOOL done = nCode == BOARD_PART_DONE;
            if (done)
                m_dlgLoad.FinishPartLoad();
            else
                m_dlgLoad.AddPartPointRow();
            EnableItem(m_dlgLoad, IDC_BOARD_MASS_BOX, done);
            EnableItem(m_dlgLoad, IDC_BOARD_PART_BOX, done);
            m_dlgLoad.EnablePartList(done);
            if (done) {
                m_dlgLoad.OnPartBox();
                Modified();
            }
        }
        break;
    case BOARD_LINE_FIRST:
    case BOARD_LINE_DONE:
    case BOARD_TRAP_FIRST:
    case BOARD_TRAP_DONE: {
        const BOOL done = nCode == BOARD_LINE_DONE || nCode == BOARD_TRAP_DONE;
        const BOOL trapezoid = nCode == BOARD_TRAP_FIRST || nCode == BOARD_TRAP_DONE;
        // A trapezoid load is always drawn parallel to an axis.
        if (trapezoid)
            m_dlgDraw.m_bOrtho = done ? 0 : 1;
        if (page != BOARD_PAGE_LINE_LOAD)
            break;
        if (nCode == BOARD_LINE_DONE)
            m_dlgLineLoad.AddDrawnLineLoad();
        else if (nCode == BOARD_TRAP_DONE)
            m_dlgLineLoad.AddDrawnTrapLoad();
        EnableItem(m_dlgLineLoad, IDC_BOARD_TRAP_BOX, done);
        EnableItem(m_dlgLineLoad, IDC_BOARD_LINE_BOX, done);
        if (trapezoid)
            m_dlgLineLoad.EnableTrapList(done);
        else
            m_dlgLineLoad.EnableLineList(done);
        if (done)
            Modified();
        break;
    }
    case BOARD_MODEL_CHANGED:
        m_dlgDraw.Redraw();
        Modified();
        break;
    case BOARD_EDIT_OBJECT:
        if (page < BOARD_PAGE_EDGE || page > BOARD_PAGE_LINE_LOAD)
            break;
        SelectEditObject(page);
        m_dlgDraw.UpdatePrompt();
        break;
    case BOARD_PROMPT:
        m_dlgDraw.UpdatePrompt();
        break;
    case BOARD_SHOW_MESH:
        m_dlgDraw.SetPicture(0);
        break;
    }
    return 1;
}
