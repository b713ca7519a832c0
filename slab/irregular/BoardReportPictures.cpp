// The nine report pictures of the irregular slab, drawn in print mode on white by a view without a
// window, each into its bitmap of the parameter object.
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardDraw.h"

namespace {

constexpr int kPictureSide = 500;
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
        DrawMassLoads(m_pBoardData->m_MassLoadArray, DeviceLength(200.0));
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

void CBoardDraw::BuildResultTextPicture(int bitmap, int picture)
{
    BuildPicture(bitmap, picture, [this] {
        DrawResultTexts(m_pBoardData->m_ResultTexts, 1.0);
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
