#pragma once

// One polyline of the slab: the outline, a hole, or a local, line or trapezoid load. Segment i runs
// from vertex i to vertex i + 1; the entry at the last vertex belongs to the closing segment back to
// vertex 0. Bulge, segment type, corner flag and both lengths hold one entry per vertex.

#include "acge/PointArray.h"
#include "mfc/base/Array.h"
#include "mfc/base/String.h"

// Polyline kinds (m_BoardType) and load kinds.
enum {
    BOARD_OUTLINE = 0,
    BOARD_HOLE = 1,
    BOARD_MASS_LOAD = 2,
    BOARD_PART_LOAD = 3,
    BOARD_LINE_LOAD = 4,
    BOARD_TRAP_LOAD = 5,
    LOAD_DEAD = 5,
    LOAD_LIVE = 6,
    SEGMENT_HOLE_EDGE = 3
};

// Support codes of an outline segment and of a hole's edges.
enum { EDGE_SIMPLE = 0, EDGE_FIXED = 1, EDGE_FREE = 2 };

class CBoardPolyline {
public:
    CBoardPolyline();
    CBoardPolyline(const CBoardPolyline& other);
    CBoardPolyline& operator=(const CBoardPolyline& other);

    int GetCount() const;
    AcGePoint3d GetPoint(int index) const;
    AcGePoint3d GetFirstPoint() const;
    AcGePoint3d GetLastPoint() const;
    int GetPoints(PointArray& points) const;
    double GetBulge(int index) const;
    double GetLineDis(int index) const;
    int GetLineType(int index) const;
    // The support of segment index: a hole's support for every edge of a hole, else its line type.
    int GetSupport(int index) const;
    int GetHasColu(int index) const;
    double GetLoadVal(int index) const;
    int SetLineType(int index, int type);
    int SetHasColu(int index, int hasColumn);
    int SetLoadVal(int index, double value);
    int SetLoadType(int kind);
    int SetLoadWidth(double width);
    int GetBoardType() const { return m_BoardType; }
    int GetLoadType() const { return m_LoadType; }
    double GetLoadWidth() const { return m_LoadWidth; }

    int AddPoint(AcGePoint3d point, int loadKind, int segmentType, int polylineKind, double loadValue,
                 double bulge);
    int InsertPoint(int index);
    int RemovePoint(int index);
    int MovePoint(int index, AcGePoint3d point);
    int SetBulge(int index, double bulge);
    int Close(int closed);
    int Reset();

    double GetChordLength(int index) const;
    double GetArcLength(int index) const;
    double GetSegLength(int index) const;
    int GetPointAtDistance(double distance, AcGePoint3d& point) const;

    PointArray m_StretchPtArray;
    CArray<double, double> m_BulgeArray;
    CArray<double, double> m_DisArray;
    CArray<double, double> m_LineDisArray;
    CArray<int, int> m_LineTypeArray;
    CArray<int, int> m_HasColuArray;
    int m_BoardType;
    int m_LoadType;
    CString m_strXorY;
    double m_dBottomDis;
    CArray<double, double> m_LoadValArray;
    double m_LoadWidth;
    AcGePoint3d m_ptLeft;
    AcGePoint3d m_ptRight;
    int m_IsClosed;
    // The support of every edge of a hole (EDGE_*): free until the engineer gives it one.
    int m_nHoleSupport;

private:
    // The index of a segment or vertex: -1 is the last one.
    int Resolve(int index) const { return index == -1 ? GetCount() - 1 : index; }
    // Stores both lengths of segment i, which must exist.
    void UpdateLengths(int i);
};
