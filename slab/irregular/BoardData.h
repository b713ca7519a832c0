#pragma once

// The irregular slab's model: outline, holes, loads, the polyline being drawn, and the picture
// elements of the last analysis. Everything is held by value.

#include "mfc/base/Array.h"
#include "slab/irregular/BoardPolyline.h"
#include "slab/irregular/BoardResultElements.h"
#include "slab/irregular/BoardSetting.h"
#include "slab/irregular/MassLoad.h"

class CBoardData {
public:
    CBoardData();
    CBoardData(const CBoardData& other);
    CBoardData& operator=(const CBoardData& other);

    // Empties the model: the working polyline and the outline are reset, every array emptied.
    int Reset();

    // Geometry checks before the analysis (1 = true). The shape checks run over the outline, the
    // holes and the local loads; the load checks over every kind of load.
    int HasCoincidentPoints() const;
    int HasSelfIntersection() const;
    int HolesInsideOutline() const;
    int CheckInnerAngles() const;
    int LoadsInsideOutline() const;
    int LoadsInHoles() const;
    // 1 when no hole comes closer to the outline than the settings' mesh control length.
    int CheckHoleDistance(const CBoardSetting& setting) const;

    CBoardPolyline m_WorkPoly;
    CArray<CBoardPolyline, const CBoardPolyline&> m_HoleArray;
    CBoardPolyline m_BoardPoly;
    int m_HasBoard;
    CArray<CMassLoad, const CMassLoad&> m_MassLoadArray;
    CArray<CBoardPolyline, const CBoardPolyline&> m_PartLoadArray;
    CArray<CBoardPolyline, const CBoardPolyline&> m_LineLoadArray;
    CArray<CBoardPolyline, const CBoardPolyline&> m_TrapLoadArray;
    CArray<CBoardResultPoint, const CBoardResultPoint&> m_ResultPoints;
    CArray<CBoardResultLine, const CBoardResultLine&> m_ResultLines;
    CArray<CBoardResultText, const CBoardResultText&> m_ResultTexts;
};
