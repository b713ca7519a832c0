// The drawing panel's pointer: the point a click enters (ortho, typed lengths and points, the
// reference point), the click of each drawing mode, the right button, the rubber bands, the wheel.
#include <cmath>

#include "resources/IrregularSlabResource.h"
#include "slab/irregular/AtypicalBoardDrawDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/PlaneGeometry.h"

namespace {

constexpr UINT kMiddleButtonOnly = 0x0010;
// One wheel step zooms in by 10/9 and out by 0.9, so a step each way restores the scale.
constexpr double kZoomIn = 10.0 / 9.0;
constexpr double kZoomOut = 0.9;
constexpr COLORREF kReferenceBand = 0xFFFFFF;

}  // namespace

AcGePoint3d CAtypicalBoardDrawDlg::SquareTo(AcGePoint3d base, AcGePoint3d p)
{
    const double slope = GetSlope(base, p);
    if (slope > 1.0 || slope < -1.0)
        p.x = base.x;
    else
        p.y = base.y;
    return p;
}

AcGePoint3d CAtypicalBoardDrawDlg::OffsetPolar(AcGePoint3d base, double length, double angle)
{
    AcGeVector3d direction(1.0, 0.0, 0.0);
    direction.rotateBy(angle * (1.0 / 180.0) * M_PI, AcGeVector3d::kZAxis);
    return base + direction * length;
}

AcGePoint3d CAtypicalBoardDrawDlg::ResolvePoint(AcGePoint3d p, int noOrtho)
{
    // A typed point or offset with an active reference point is measured from it, ortho or not.
    if (m_bRefActive && (m_nTypedKind == 1 || m_nTypedKind == 3)) {
        m_ptTyped.x += m_ptRef.x;
        m_ptTyped.y += m_ptRef.y;
    }
    const AcGePoint3d base = m_bRefActive ? m_ptRef : m_ptLast;
    if (m_bOrtho && (m_bRefActive || !noOrtho))
        p = SquareTo(base, p);
    if (m_bTypedLength) {
        AcGeVector3d direction = p - base;
        p = base + direction.normalize() * m_dTypedLength;
        m_bTypedLength = 0;
    }
    switch (m_nTypedKind) {
    case 1: p = m_ptTyped; break;
    case 2: p = OffsetPolar(base, m_dPolarLength, m_dPolarAngle); break;
    case 3:
        if (m_bRefActive) {
            p = m_ptTyped;
        } else {
            p.x = m_ptLast.x + m_ptTyped.x;
            p.y = m_ptLast.y + m_ptTyped.y;
        }
        break;
    }
    if (m_nTypedKind >= 1 && m_nTypedKind <= 3)
        m_bRefActive = 0;
    m_nTypedKind = 0;
    return p;
}

AcGePoint3d CAtypicalBoardDrawDlg::ResolveArcPoint(AcGePoint3d p)
{
    if (m_bRefActive) {
        if (m_bOrtho)
            p = SquareTo(m_ptRef, p);
        if (m_bTypedLength) {
            AcGeVector3d direction = p - m_ptRef;
            p = m_ptRef + direction.normalize() * m_dTypedLength;
            m_bTypedLength = 0;
        }
        if (m_nTypedKind == 1) {
            m_ptTyped.x += m_ptRef.x;
            m_ptTyped.y += m_ptRef.y;
        }
    }
    m_bRefActive = 0;
    if (m_nTypedKind == 1)
        p = m_ptTyped;
    m_nTypedKind = 0;
    return p;
}

void CAtypicalBoardDrawDlg::StartShape(AcGePoint3d p)
{
    m_ptFirst = p;
    m_ptLast = p;
    m_view.StartPolyline(p);
    m_nPickCount = 1;
}

void CAtypicalBoardDrawDlg::ClickStep(AcGePoint3d p)
{
    const BOOL hole = m_pParam->m_nBoardType == BOARD_HOLE;
    switch (m_nMode) {
    case DRAW_LINE:
    case DRAW_PART:
        if (m_nPickCount == 0) {
            StartShape(ResolvePoint(p, 0));
        } else {
            m_ptLast = ResolvePoint(p, 0);
            m_view.AddVertex(m_ptLast);
            ++m_nPickCount;
        }
        break;
    case DRAW_ARC:
        if (m_nPickCount == 0) {
            StartShape(ResolvePoint(p, 0));
        } else {
            m_ptArcEnd = ResolvePoint(p, 0);
            m_nMode = DRAW_ARC_THROUGH;
        }
        break;
    case DRAW_ARC_THROUGH: {
        const AcGePoint3d through = ResolveArcPoint(p);
        m_ptLast = m_ptArcEnd;
        m_view.AddArcPoint(m_ptArcEnd, through);
        ++m_nPickCount;
        m_nMode = DRAW_LINE;
        m_nDrawType = 0;
        break;
    }
    case DRAW_CIRCLE:
    case DRAW_RECT:
        if (m_nPickCount == 0) {
            StartShape(ResolvePoint(p, 1));
            Notify(hole ? BOARD_HOLE_POINT : BOARD_OUTLINE_POINT);
        } else {
            // Opposite corners of a rectangle are never squared; the circle's diameter may be.
            m_ptLast = ResolvePoint(p, m_nMode == DRAW_RECT ? 1 : 0);
            if (m_nMode == DRAW_CIRCLE)
                m_view.FinishCircle(m_ptLast);
            else
                m_view.FinishRectangle(m_ptLast);
            m_nPickCount = 0;
            if (m_nMode == DRAW_CIRCLE)
                Notify(hole ? BOARD_CIRCLE_HOLE : BOARD_CIRCLE_OUTLINE);
            else
                Notify(hole ? BOARD_RECT_HOLE : BOARD_RECT_OUTLINE);
        }
        break;
    case DRAW_MASS:
        m_view.AddMassLoad(ResolvePoint(p, 0), 10.0);
        m_bRefActive = 0;
        break;
    case DRAW_LINE_LOAD:
    case DRAW_TRAP_LOAD:
        if (m_nPickCount == 0) {
            StartShape(ResolvePoint(p, 0));
            Notify(m_nMode == DRAW_LINE_LOAD ? BOARD_LINE_FIRST : BOARD_TRAP_FIRST);
        } else {
            m_ptLast = ResolvePoint(p, 0);
            m_view.FinishTwoPointLoad(m_ptLast);
            m_nPickCount = 0;
            Notify(m_nMode == DRAW_LINE_LOAD ? BOARD_LINE_DONE : BOARD_TRAP_DONE);
        }
        break;
    }
}

void CAtypicalBoardDrawDlg::OnLButtonDown(UINT, CPoint point)
{
    if (!IsInDrawArea(point)) {
        Default();
        return;
    }
    UpdateData(TRUE);
    SetBoardCursor(IDR_BOARD_CROSS);
    if (m_bDrawEnabled != 1)
        return;
    ClickStep(ModelPoint(point));
    Default();
    const int target = m_pParam->m_nBoardType;
    if (m_nPickCount > 0) {
        if (m_nMode == DRAW_LINE || m_nMode == DRAW_ARC || m_nMode == DRAW_PART)
            Notify(target == BOARD_HOLE ? BOARD_HOLE_POINT : target == BOARD_PART_LOAD ? BOARD_PART_POINT : BOARD_OUTLINE_POINT);
        if (m_nMode != DRAW_CIRCLE && m_nMode != DRAW_RECT && m_nPickCount != 1) {
            GetDlgItem(IDC_BOARD_CIRCLE)->EnableWindow(FALSE);
            GetDlgItem(IDC_BOARD_RECT)->EnableWindow(FALSE);
        }
    } else if (m_nMode == DRAW_MASS) {
        Notify(BOARD_MASS_PLACED);
    }
    WriteControls();
    UpdatePrompt();
}

void CAtypicalBoardDrawDlg::RightButtonRoutine()
{
    if (m_bRefActive) {
        m_bRefActive = 0;
        UpdatePrompt();
        return;
    }
    BOOL finished = FALSE;
    if (m_nPickCount > 0) {
        m_view.FinishPolyline();
        m_view.DrawAll();
        m_nPickCount = 0;
        finished = TRUE;
    }
    SetBoardCursor(IDR_BOARD_CROSS);
    if (m_nMode == DRAW_ARC || m_nMode == DRAW_ARC_THROUGH) {
        m_nMode = DRAW_LINE;
        m_nDrawType = 0;
    }
    GetDlgItem(IDC_BOARD_CIRCLE)->EnableWindow(TRUE);
    GetDlgItem(IDC_BOARD_RECT)->EnableWindow(TRUE);
    WriteControls();
    if (!finished) {
        Notify(BOARD_PROMPT);
        return;
    }
    switch (m_pParam->m_nBoardType) {
    case BOARD_HOLE: Notify(BOARD_HOLE_DONE); break;
    case BOARD_PART_LOAD: Notify(BOARD_PART_DONE); break;
    case BOARD_LINE_LOAD: Notify(BOARD_LINE_DONE); break;
    case BOARD_TRAP_LOAD: Notify(BOARD_TRAP_DONE); break;
    default: Notify(BOARD_OUTLINE_DONE); break;
    }
}

void CAtypicalBoardDrawDlg::OnRButtonDown(UINT, CPoint)
{
    RightButtonRoutine();
}

void CAtypicalBoardDrawDlg::DrawBand(AcGePoint3d w, int mode, BOOL withReference)
{
    const int type = m_pParam->m_nBoardLineType;
    const AcGePoint3d closing = m_nPickCount == 1 ? m_ptLast : m_ptFirst;
    if (m_nPickCount > 0) {
        switch (mode) {
        case DRAW_LINE:
        case DRAW_ARC:
        case DRAW_PART:
        case DRAW_LINE_LOAD:
        case DRAW_TRAP_LOAD: {
            const AcGePoint3d end = m_bOrtho ? SquareTo(m_bRefActive ? m_ptRef : m_ptLast, w) : w;
            m_view.RubberSegment(m_ptLast, end, type, 1);
            m_view.RubberSegment(end, closing, type, 1);
            break;
        }
        case DRAW_ARC_THROUGH:
            m_view.RubberArc(m_ptLast, m_ptArcEnd, w, type, -1);
            m_view.RubberSegment(m_ptArcEnd, closing, type, -1);
            break;
        case DRAW_CIRCLE:
            m_view.RubberCircle(m_ptLast, m_bOrtho ? SquareTo(m_ptLast, w) : w, type);
            break;
        case DRAW_RECT:
            m_view.RubberRectangle(m_ptLast, w, type);
            break;
        }
    }
    if (withReference && m_bRefActive)
        m_view.RubberLine(m_ptRef, m_bOrtho ? SquareTo(m_ptRef, w) : w, kReferenceBand);
}

void CAtypicalBoardDrawDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd* pFocus = GetFocus();
    if (pFocus && pFocus->GetParent() != this)
        m_editCmd.SetFocus();
    m_editCmd.KeepCaretAfterPrompt();
    if (!IsInDrawArea(point)) {
        ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
        Default();
        return;
    }
    if (nFlags == kMiddleButtonOnly) {
        SetBoardCursor(IDR_BOARD_GRAB);
        m_view.Pan(m_ptMouse.x, m_ptMouse.y, point.x, point.y);
    } else {
        SetBoardCursor(IDR_BOARD_CROSS);
    }
    m_view.DrawAll();
    // Concentrated loads are placed without a band.
    DrawBand(ModelPoint(point), m_nMode == DRAW_MASS ? 0 : m_nMode, TRUE);
    m_ptMouse = point;
    m_bMouseKnown = TRUE;
    Default();
}

BOOL CAtypicalBoardDrawDlg::OnMouseWheel(UINT, short zDelta, CPoint pt)
{
    CPoint point = pt;
    ScreenToClient(&point);
    if (!IsInDrawArea(point))
        return static_cast<BOOL>(Default());
    const CPoint inside = ToDrawArea(point);
    m_view.ZoomAt(zDelta > 0 ? kZoomIn : kZoomOut, inside.x, inside.y);
    m_view.DrawAll();
    if (m_nPickCount > 0) {
        const int mode = m_nMode == DRAW_ARC_THROUGH || m_nMode == DRAW_CIRCLE || m_nMode == DRAW_RECT ? m_nMode : DRAW_LINE;
        DrawBand(ModelPoint(point), mode, FALSE);
    }
    return TRUE;
}
