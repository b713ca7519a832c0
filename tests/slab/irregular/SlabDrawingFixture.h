// A small slab for the drawing tests: polylines built vertex by vertex as the editor builds them.
#pragma once

#include <cmath>
#include <initializer_list>
#include <variant>
#include <vector>

#include "mfc/gdi/GdiObjectTable.h"
#include "slab/irregular/AtypicalBoardParam.h"

namespace slabtest {

inline AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

// The report's body text, 10.5 pt, is an em of 14 pixels in a picture printed at 96 pixels an inch.
constexpr double kBodyTextEm = 14.0;

// The texts drawn into a bitmap as its recording holds them: text, font, cell and turn.
inline std::vector<qelt::gdi::TextRecord> DrawnTexts(const CBitmap& bitmap)
{
    std::vector<qelt::gdi::TextRecord> texts;
    if (const auto data = qelt::gdi::Find<qelt::gdi::BitmapData>(bitmap.GetSafeHandle()))
        for (const qelt::gdi::Record& record : data->recording->records)
            if (const auto* text = std::get_if<qelt::gdi::TextRecord>(&record.item))
                texts.push_back(*text);
    return texts;
}

// A text reads left to right or bottom to top: turned counter-clockwise by more than -90 degrees
// and at most 90 (and one degree more, the truncation of a vertical segment's angle).
inline bool Upright(const qelt::gdi::TextRecord& text)
{
    const double turn = std::remainder(text.angle, 2.0 * M_PI) * 180.0 / M_PI;
    return turn > -90.0 + 1e-6 && turn <= 91.0 + 1e-6;
}

// The centre of a text's cell on the screen (the cell turns about its top-left corner).
inline AcGePoint3d CellCentre(const qelt::gdi::TextRecord& text)
{
    const double c = std::cos(text.angle), s = std::sin(text.angle);
    // Reading direction (c, -s) and foot direction (s, c), y pointing down.
    return AcGePoint3d(text.x + c * text.width / 2 + s * text.height / 2,
                       text.y - s * text.width / 2 + c * text.height / 2, 0.0);
}

// A closed polyline of one kind whose every segment has the given type; bulge0 on its first segment.
inline CBoardPolyline Polyline(int kind, int segmentType, std::initializer_list<AcGePoint3d> points,
                               double bulge0 = 0.0)
{
    CBoardPolyline poly;
    double bulge = bulge0;
    const int loadKind = segmentType == LOAD_LIVE ? LOAD_LIVE : LOAD_DEAD;
    for (const AcGePoint3d& p : points) {
        poly.AddPoint(p, loadKind, segmentType, kind, 2.0, bulge);
        bulge = 0.0;
    }
    poly.Close(1);
    return poly;
}

// An L-shaped slab 12000 x 8000 mm: fixed edges, a simply supported and a free one, an arc on the
// inner corner's edge, a column at vertex 3, a rectangular hole, and one load of each kind.
inline void FillLShapedSlab(CBoardData& data)
{
    data.m_BoardPoly = Polyline(BOARD_OUTLINE, 1,
                                {P(0, 0), P(12000, 0), P(12000, 4000), P(6000, 4000), P(6000, 8000), P(0, 8000)});
    data.m_BoardPoly.SetLineType(1, 0);
    data.m_BoardPoly.SetLineType(4, 2);
    data.m_BoardPoly.SetBulge(2, 0.3);
    data.m_BoardPoly.SetHasColu(2, 1);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(2000, 2000), P(4000, 2000), P(4000, 3000), P(2000, 3000)}));
    data.m_MassLoadArray.Add(CMassLoad(P(9000, 2000), LOAD_DEAD, 10.0));
    data.m_PartLoadArray.Add(Polyline(BOARD_PART_LOAD, LOAD_LIVE, {P(1000, 5000), P(3000, 5000), P(3000, 7000), P(1000, 7000)}));
    data.m_LineLoadArray.Add(Polyline(BOARD_LINE_LOAD, LOAD_DEAD, {P(7000, 1000), P(11000, 1000)}));
    data.m_TrapLoadArray.Add(Polyline(BOARD_TRAP_LOAD, LOAD_LIVE, {P(500, 500), P(11500, 500)}));
}

}  // namespace slabtest
