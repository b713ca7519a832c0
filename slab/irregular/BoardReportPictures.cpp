// The nine report pictures of the irregular slab, drawn in print mode on white by a view without a
// window, each into its bitmap of the parameter object: a picture of the slab's shape that the slab
// fills, its texts at least as tall as the report's body text.
#include <algorithm>
#include <cmath>

#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardDraw.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

// The longer side of a picture: the report prints it 5.2 inches long, within the page's text width.
constexpr int kPictureSide = 500;
// Room between the outermost label and the picture's edge, pixels.
constexpr double kPad = 4.0;
const COLORREF kColumnGrey = 0xA0A0A0;

enum ReportPicture {
    SCHEME_PICTURE,
    LOAD_PICTURE,
    MESH_PICTURE,
    DISPLACEMENT_PICTURE,
    MOMENT_PICTURE,
    REIN_PICTURE,
    REIN_AREA_PICTURE,
    DEFLECTION_PICTURE,
    CRACK_PICTURE
};

}  // namespace

void CAtypicalBoardParam::DrawReportPictures()
{
    for (CBitmap& picture : m_ReportPictures)
        picture.DeleteObject();
    CBoardDraw view;
    view.Setup(CRect(0, 0, kPictureSide, kPictureSide), this);
    view.m_canvas.m_bPrint = 1;
    view.FitReportPicture(kPictureSide);
    view.m_canvas.SetBackColor(0xFFFFFF);
    view.BuildSchemePicture();
    view.BuildLoadPicture();
    view.BuildMeshPicture();
    view.BuildCrackPicture();
    view.BuildMomentPicture();
    view.BuildDeflectionPicture();
    view.BuildReinPicture();
    view.BuildDisplacementPicture();
    view.BuildReinAreaPicture();
    view.m_canvas.m_bPrint = 0;
}

void CBoardDraw::FitReportPicture(int longSide)
{
    const CBoardPolyline& outline = m_pBoardData->m_BoardPoly;
    if (m_pBoardData->m_HasBoard == 0 || outline.GetCount() == 0)
        return;
    AcGePoint3d lower, upper;
    GetPolylineExtents(outline, lower, upper);
    const double width = upper.x - lower.x, height = upper.y - lower.y, extent = std::max(width, height);
    if (extent < 1.0)
        return;
    // A supported edge's value stands 2.5 symbol sizes off the edge, or a taller text beside the
    // symbol; vertex numbers and column discs stay within that. The symbol size is kSymbolLength at
    // the scale k, so the border is max(2.5 s, s + text) + kPad with s = kSymbolLength * k.
    const double text = m_canvas.TextHeight(0.0);
    const double k = std::min((longSide - 2.0 * kPad) / (extent + 5.0 * kSymbolLength),
                              (longSide - 2.0 * (text + kPad)) / (extent + 2.0 * kSymbolLength));
    const double s = kSymbolLength * k;
    const double border = std::max(2.5 * s, s + text) + kPad;
    const auto side = [&](double length) {
        return std::min(longSide, static_cast<int>(std::ceil(length * k + 2.0 * border - 1e-6)));
    };
    m_rcClient.SetRect(0, 0, side(width), side(height));
    m_canvas.Create(0, 0, m_rcClient.right, m_rcClient.bottom, 0x000000);
    AcGeMatrix3d scaling, translation;
    scaling.setToScaling(k, AcGePoint3d());
    translation.setToTranslation(AcGeVector3d(border / k - lower.x, upper.y + border / k, 0.0));
    m_matrix = scaling * translation;
}

template <typename Draw>
void CBoardDraw::BuildPicture(int bitmap, int picture, Draw draw)
{
    SetPicture(picture);
    CBitmap& target = m_pParam->m_ReportPictures[bitmap];
    target.CreateCompatibleBitmap(m_canvas.m_pMemDC, m_rcClient.Width(), m_rcClient.Height());
    CBitmap* previous = m_canvas.m_pMemDC->SelectObject(&target);
    Clear();
    // A slab without outline has no picture: its bitmap stays blank.
    if (m_pBoardData->m_BoardPoly.GetCount() > 0)
        draw();
    // The picture's bitmap leaves the canvas so that the report writer can select it elsewhere.
    m_canvas.m_pMemDC->SelectObject(previous);
}

void CBoardDraw::BuildSchemePicture()
{
    BuildPicture(SCHEME_PICTURE, 0, [this] {
        DrawPolylines(m_pBoardData->m_HoleArray, 1.0);
        DrawOutline(ALL_VALUES, kColumnGrey, FALSE);
    });
}

void CBoardDraw::BuildLoadPicture()
{
    BuildPicture(LOAD_PICTURE, 0, [this] {
        DrawPolylines(m_pBoardData->m_HoleArray, 1.0);
        DrawPolylines(m_pBoardData->m_PartLoadArray, 1.0);
        DrawPolylines(m_pBoardData->m_LineLoadArray, 1.0);
        DrawPolylines(m_pBoardData->m_TrapLoadArray, 1.0);
        DrawOutline(ALL_VALUES, kColumnGrey, FALSE);
        DrawMassLoads(m_pBoardData->m_MassLoadArray, DeviceLength(kSymbolLength));
    });
}

void CBoardDraw::BuildMeshPicture()
{
    BuildPicture(MESH_PICTURE, 0, [this] {
        DrawResultLines(m_pBoardData->m_ResultLines);
        DrawPolylines(m_pBoardData->m_HoleArray, 1.0);
        DrawOutline(ALL_VALUES, kColumnGrey, FALSE);
    });
}

void CBoardDraw::BuildDisplacementPicture()
{
    BuildPicture(DISPLACEMENT_PICTURE, 1, [this] {
        DrawOutline(ALL_VALUES, kColumnGrey, FALSE);
        DrawPolylines(m_pBoardData->m_HoleArray, 2.0);
        DrawResultLines(m_pBoardData->m_ResultLines);
    });
}

CBoardResultText CBoardDraw::InsideOutline(const CBoardResultText& text) const
{
    const double pixelsPerMm = DeviceLength(1.0);
    AcGeVector3d along = text.GetFirstPoint() - text.GetSecondPoint();
    if (!(pixelsPerMm > 0.0) || along.length() == 0.0)
        return text;
    along.normalize();
    // The cell in mm as the canvas writes it: centred on the middle of the text's points, on their
    // left for the text mode 1 and on their right otherwise.
    const int h = m_canvas.TextHeight(DeviceLength(text.GetHeight()));
    const double height = h / pixelsPerMm, width = m_canvas.TextWidth(text.GetText(), h) / pixelsPerMm;
    const double side = text.GetTextMode() == 1 ? height : -height;
    const AcGeVector3d across(-along.y * side, along.x * side, 0.0);
    const AcGePoint3d middle = text.GetFirstPoint() + (text.GetSecondPoint() - text.GetFirstPoint()) / 2.0;
    const CBoardPolyline& outline = m_pBoardData->m_BoardPoly;
    // Centred, then starting or ending at the middle.
    for (double shift : {0.0, 0.5, -0.5}) {
        const AcGePoint3d start = middle + along * ((shift - 0.5) * width), end = start + along * width;
        if (PointInPolyline(start, outline) == 1 && PointInPolyline(end, outline) == 1 &&
            PointInPolyline(start + across, outline) == 1 && PointInPolyline(end + across, outline) == 1) {
            CBoardResultText moved = text;
            moved.SetFirstPoint(text.GetFirstPoint() + along * (shift * width));
            moved.SetSecondPoint(text.GetSecondPoint() + along * (shift * width));
            return moved;
        }
    }
    return text;
}

void CBoardDraw::BuildResultTextPicture(int bitmap, int picture)
{
    BuildPicture(bitmap, picture, [this] {
        CArray<CBoardResultText, const CBoardResultText&> texts;
        for (int i = 0; i < m_pBoardData->m_ResultTexts.GetSize(); ++i)
            if (m_pBoardData->m_ResultTexts[i].GetPicture() == m_nPicture)
                texts.Add(InsideOutline(m_pBoardData->m_ResultTexts[i]));
        DrawResultTexts(texts, 1.0);
        DrawPolylines(m_pBoardData->m_HoleArray, 1.0);
        DrawOutline(NO_VALUES, kColumnGrey, FALSE);
    });
}

void CBoardDraw::BuildMomentPicture()
{
    BuildResultTextPicture(MOMENT_PICTURE, 2);
}

void CBoardDraw::BuildReinPicture()
{
    BuildResultTextPicture(REIN_PICTURE, 3);
}

void CBoardDraw::BuildReinAreaPicture()
{
    BuildResultTextPicture(REIN_AREA_PICTURE, 4);
}

void CBoardDraw::BuildDeflectionPicture()
{
    BuildResultTextPicture(DEFLECTION_PICTURE, 5);
}

void CBoardDraw::BuildCrackPicture()
{
    BuildResultTextPicture(CRACK_PICTURE, 6);
}
