#pragma once

// A concentrated load (kN) at a point of the slab, dead (5) or live (6).

#include "acge/Point3d.h"

class CMassLoad {
public:
    CMassLoad() : m_LaodType(0), m_LoadVal(0.0) {}
    CMassLoad(AcGePoint3d point, int kind, double value) : m_MassPt(point), m_LaodType(kind), m_LoadVal(value) {}

    AcGePoint3d GetMassPt() const { return m_MassPt; }
    void SetMassPt(AcGePoint3d point) { m_MassPt = point; }
    int GetLoadType() const { return m_LaodType; }
    void SetLoadType(int kind) { m_LaodType = kind; }
    double GetLoadVal() const { return m_LoadVal; }
    void SetLoadVal(double value) { m_LoadVal = value; }

    AcGePoint3d m_MassPt;
    int m_LaodType;
    double m_LoadVal;
};
