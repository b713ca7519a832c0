#include "slab/irregular/BoardDraw.h"

#include <algorithm>

#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/PlaneGeometry.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

// The extent of the picture of a model without outline, mm.
constexpr double kDefaultExtent = 10000.0;
// The least height of a result label on the screen, pixels.
constexpr double kLeastLabelPixels = 12.0;

const COLORREF kRed = 0x0000FF;
const COLORREF kYellow = 0x00FFFF;
const COLORREF kOrange = 0x3A92F4;
const COLORREF kWhite = 0xFFFFFF;

// The label colour of a hole or load polyline by its kind.
COLORREF LabelColor(const CBoardPolyline& poly)
{
    switch (poly.m_BoardType) {
    case BOARD_OUTLINE: return 0xFF0000;
    case BOARD_HOLE: return 0x00FF00;
    case BOARD_PART_LOAD:
    case BOARD_LINE_LOAD: return poly.GetLineType(0) == LOAD_DEAD ? kYellow : kOrange;
    default: return kRed;
    }
}

}  // namespace

CBoardDraw::CBoardDraw() : m_pWnd(nullptr), m_pBoardData(nullptr), m_nPicture(-1), m_pParam(nullptr) {}

CBoardDraw::~CBoardDraw() = default;

void CBoardDraw::Fit(CAtypicalBoardParam* pParam, double margin)
{
    double extent = kDefaultExtent;
    AcGeVector3d shift(0.0, kDefaultExtent, 0.0);
    const CBoardPolyline& outline = pParam->m_BoardData.m_BoardPoly;
    if (pParam->m_BoardData.m_HasBoard != 0 && outline.GetCount() > 0) {
        AcGePoint3d lower = outline.GetPoint(0), upper = lower;
        for (int i = 1; i < outline.GetCount(); ++i) {
            const AcGePoint3d p = outline.GetPoint(i);
            lower.x = std::min(lower.x, p.x), lower.y = std::min(lower.y, p.y);
            upper.x = std::max(upper.x, p.x), upper.y = std::max(upper.y, p.y);
        }
        const double w = upper.x - lower.x, h = upper.y - lower.y;
        const double e = static_cast<double>(static_cast<long long>(h > w ? h : w));
        // An outline smaller than 1 mm has no finite scale: it keeps the default picture.
        if (e >= 1.0) {
            shift = AcGeVector3d(margin * e - lower.x, (1.0 + margin) * e + lower.y, 0.0);
            extent = e + static_cast<double>(static_cast<long long>(2.0 * margin * e));
        }
    }
    AcGeMatrix3d scaling, translation;
    scaling.setToScaling(static_cast<double>(m_rcClient.bottom - m_rcClient.top) / extent, AcGePoint3d());
    translation.setToTranslation(shift);
    m_matrix = scaling * translation;
    m_pParam = pParam;
    m_pBoardData = &pParam->m_BoardData;
}

int CBoardDraw::FitToWindow(CWnd* pWnd, CAtypicalBoardParam* pParam)
{
    m_pWnd = pWnd;
    pWnd->GetClientRect(&m_rcClient);
    m_canvas.Create(m_rcClient.left, m_rcClient.top, m_rcClient.right, m_rcClient.bottom, 0x000000);
    Fit(pParam, 0.15);
    return 1;
}

int CBoardDraw::Setup(const CRect& rect, CAtypicalBoardParam* pParam)
{
    m_rcClient = rect;
    m_canvas.Create(rect.left, rect.top, rect.right, rect.bottom, 0x000000);
    Fit(pParam, 0.1);
    return 1;
}

AcGePoint3d CBoardDraw::WorldToDevice(AcGePoint3d p) const
{
    AcGePoint3d q(p.x, -p.y, p.z);
    return q.transformBy(m_matrix);
}

AcGePoint3d CBoardDraw::DeviceToWorld(int x, int y) const
{
    AcGePoint3d q(x, y, 0.0);
    q.transformBy(m_matrix.inverse());
    q.y = -q.y;
    return q;
}

double CBoardDraw::DeviceLength(double length) const
{
    return GetDistance(WorldToDevice(AcGePoint3d()), WorldToDevice(AcGePoint3d(length, 0.0, 0.0)));
}

int CBoardDraw::ApplyMatrix(AcGeMatrix3d matrix)
{
    m_matrix = matrix * m_matrix;
    return 1;
}

int CBoardDraw::ZoomAt(double factor, int x, int y)
{
    AcGeMatrix3d zoom;
    zoom.setToScaling(factor, AcGePoint3d(x, y, 0.0));
    return ApplyMatrix(zoom);
}

int CBoardDraw::Pan(int x0, int y0, int x1, int y1)
{
    AcGeMatrix3d move;
    move.setToTranslation(AcGeVector3d(x1 - x0, y1 - y0, 0.0));
    ApplyMatrix(move);
    return DrawAll();
}

int CBoardDraw::SetPicture(int picture)
{
    m_nPicture = picture;
    return m_canvas.SetPicture(picture);
}

int CBoardDraw::Clear()
{
    return m_canvas.Clear();
}

int CBoardDraw::Blit()
{
    if (!m_pWnd || !m_canvas.m_pMemDC)
        return 0;
    m_pWnd->UpdateWindow();
    CDC* dc = m_pWnd->GetDC();
    const int width = m_canvas.m_rcCanvas.Width(), height = m_canvas.m_rcCanvas.Height();
    dc->StretchBlt(0, 0, width, height, m_canvas.m_pMemDC, 0, 0, width, height, SRCCOPY);
    m_pWnd->ReleaseDC(dc);
    return 1;
}

int CBoardDraw::DrawResultPoints(const CArray<CBoardResultPoint, const CBoardResultPoint&>& points)
{
    for (int i = 0; i < points.GetSize(); ++i)
        m_canvas.DrawCross(WorldToDevice(points[i].GetPoint()), DeviceLength(points[i].GetSize()), points[i].GetColor());
    return 1;
}

int CBoardDraw::DrawResultLines(const CArray<CBoardResultLine, const CBoardResultLine&>& lines)
{
    CPen yellow(PS_SOLID, 1, kYellow);
    for (int i = 0; i < lines.GetSize(); ++i) {
        const CBoardResultLine& line = lines[i];
        if (line.GetKind() != m_nPicture)
            continue;
        const AcGePoint3d p1 = WorldToDevice(line.GetStartPoint()), p2 = WorldToDevice(line.GetEndPoint());
        if (line.GetKind() == 0 || line.GetKind() == 1)
            m_canvas.DrawLine(p1, p2, line.GetColor());
        else
            m_canvas.DrawLineWithPen(p1, p2, 0, &yellow);
    }
    return 1;
}

int CBoardDraw::DrawResultTexts(const CArray<CBoardResultText, const CBoardResultText&>& texts, double factor)
{
    for (int i = 0; i < texts.GetSize(); ++i) {
        const CBoardResultText& text = texts[i];
        if (text.GetPicture() != m_nPicture)
            continue;
        // On the screen a label stays readable however large the slab; print sets its own least height.
        const double height = std::max(DeviceLength(text.GetHeight()) * factor, kLeastLabelPixels);
        m_canvas.DrawSegmentText(WorldToDevice(text.GetFirstPoint()), WorldToDevice(text.GetSecondPoint()),
                                 text.GetText(), kWhite, height, text.GetTextMode());
    }
    return 1;
}

int CBoardDraw::DrawResultText(CBoardResultText text)
{
    return m_canvas.DrawText(WorldToDevice(text.GetFirstPoint()), text.GetText(), DeviceLength(text.GetHeight()),
                             text.GetColor(), AcGeVector3d(0.0, 1.0, 0.0), text.GetFirstOption());
}

int CBoardDraw::DrawPolylines(const CArray<CBoardPolyline, const CBoardPolyline&>& polylines, double scale)
{
    for (int j = 0; j < polylines.GetSize(); ++j) {
        const CBoardPolyline poly = polylines[j];
        const int n = poly.GetCount();
        if (n == 0)
            continue;
        int o = 0;
        GetPolygonOrientation(poly, o);
        const double size = DeviceLength(kSymbolLength) * scale;
        // The input pictures carry edge values, vertex numbers and the polyline's number; the
        // result pictures only the shape with its supports.
        const BOOL values = m_nPicture == -1 || m_nPicture == 0;
        const BOOL numbers = m_nPicture <= 0;
        // The closing segment first, then the others with their start vertex's number.
        for (int k = 0; k < n; ++k) {
            const int i = (k + n - 1) % n;
            const AcGePoint3d p1 = WorldToDevice(poly.GetPoint(i)), p2 = WorldToDevice(poly.GetPoint((i + 1) % n));
            m_canvas.DrawSegment(p1, p2, poly.GetBulge(i), poly.GetSupport(i), size, o);
            if (poly.GetBulge(i) == 0.0 && values)
                m_canvas.DrawEdgeValue(p1, p2, poly.GetSupport(i), size, o, poly.GetLineDis(i));
            if (i < n - 1 && numbers)
                m_canvas.DrawNumber(p1, p2, o, i + 1, size, 0);
        }
        if (!numbers)
            continue;
        m_canvas.DrawNumber(WorldToDevice(poly.GetPoint(n - 1)), WorldToDevice(poly.GetPoint(0)), o, n, size, 0);
        AcGePoint3d centroid;
        if (GetPolygonCentroid(poly, centroid)) {
            CString label;
            label.Format("%d", j + 1);
            DrawResultText(CBoardResultText(label, kSymbolLength, LabelColor(poly), centroid, centroid, 1, 1, -1));
        }
    }
    return 1;
}

int CBoardDraw::DrawMassLoads(const CArray<CMassLoad, const CMassLoad&>& loads, double size)
{
    for (int j = 0; j < loads.GetSize(); ++j) {
        AcGePoint3d p = WorldToDevice(loads[j].GetMassPt());
        const COLORREF color = loads[j].GetLoadType() == LOAD_LIVE ? kOrange : kYellow;
        m_canvas.DrawCross(p, size, color);
        p.x += size / 2.0;
        CString number;
        number.Format("%d", j + 1);
        m_canvas.DrawText(p, number, 1.2 * size, color, AcGeVector3d(0.0, 1.0, 0.0), 1);
    }
    return 1;
}

void CBoardDraw::DrawOutline(EdgeValues values, COLORREF discColor, BOOL lastNumberOverDisc)
{
    const CBoardPolyline& outline = m_pBoardData->m_BoardPoly;
    const int n = outline.GetCount();
    if (n == 0)
        return;
    int o = 0;
    GetPolygonOrientation(outline, o);
    const double s = DeviceLength(kSymbolLength);
    for (int k = 0; k < n; ++k) {
        const int i = (k + n - 1) % n;
        const AcGePoint3d p1 = WorldToDevice(outline.GetPoint(i)), p2 = WorldToDevice(outline.GetPoint((i + 1) % n));
        m_canvas.DrawSegment(p1, p2, outline.GetBulge(i), outline.GetLineType(i), s, o);
        const BOOL value = values == ALL_VALUES || (values == STRAIGHT_VALUES && outline.GetBulge(i) == 0.0 &&
                                                    (m_nPicture == -1 || m_nPicture == 0));
        if (value)
            m_canvas.DrawEdgeValue(p1, p2, outline.GetLineType(i), s, o, outline.GetLineDis(i));
        if (i < n - 1) {
            m_canvas.DrawNumber(p1, p2, o, i + 1, s, 1);
            if (outline.GetHasColu(i))
                m_canvas.DrawDisc(p1, s * 0.5, discColor);
        }
    }
    const AcGePoint3d last = WorldToDevice(outline.GetPoint(n - 1));
    const BOOL column = outline.GetHasColu(n - 1) != 0;
    if (column && lastNumberOverDisc)
        m_canvas.DrawDisc(last, s * 0.5, discColor);
    m_canvas.DrawNumber(last, WorldToDevice(outline.GetPoint(n > 1 ? n - 2 : 0)), o, n, s, 1);
    if (column && !lastNumberOverDisc)
        m_canvas.DrawDisc(last, s * 0.5, discColor);
}

void CBoardDraw::DrawWorkPolyline()
{
    const CBoardPolyline& work = m_pBoardData->m_WorkPoly;
    int o = 0;
    GetPolygonOrientation(work, o);
    for (int i = 0; i + 1 < work.GetCount(); ++i) {
        const AcGePoint3d v1 = work.GetPoint(i), v2 = work.GetPoint(i + 1);
        const AcGePoint3d p1 = WorldToDevice(v1), p2 = WorldToDevice(v2);
        const double s = GetDistance(p1, WorldToDevice(GetNormalPoint(v1, v2)));
        m_canvas.DrawSegment(p1, p2, work.GetBulge(i), work.GetLineType(i), s, o);
        if (work.GetBulge(i) == 0.0)
            m_canvas.DrawEdgeValue(p1, p2, work.GetLineType(i), s, o, work.GetLineDis(i));
        m_canvas.DrawNumber(p1, p2, o, i + 1, s, 0);
    }
}

int CBoardDraw::DrawAll()
{
    Clear();
    CBoardData& data = *m_pBoardData;
    DrawResultTexts(data.m_ResultTexts, 1.0);
    DrawPolylines(data.m_HoleArray, 1.0);
    if (m_nPicture == -1) {
        DrawPolylines(data.m_PartLoadArray, 1.0);
        DrawPolylines(data.m_LineLoadArray, 1.0);
        DrawPolylines(data.m_TrapLoadArray, 1.0);
    }
    if (data.m_HasBoard == 1)
        DrawOutline(STRAIGHT_VALUES, kRed, TRUE);
    DrawWorkPolyline();
    if (m_nPicture == -1)
        DrawMassLoads(data.m_MassLoadArray, DeviceLength(kSymbolLength));
    // The marks of the design strips belong to the result pictures, not to the input pages, where
    // they would read as point loads.
    if (m_nPicture >= 0)
        DrawResultPoints(data.m_ResultPoints);
    DrawResultLines(data.m_ResultLines);
    Blit();
    return 1;
}
