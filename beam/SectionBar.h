// CSectionBar: the longitudinal bars of a rectangular beam section under a sagging and a hogging
// design moment: the required bottom and top areas (single or double reinforcement, minimum ratio)
// and the bar schemes that supply each within 25 % above it, one row of bars tried before two.
#pragma once

#include "beam/SectionDesign.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CSectionBar {
public:
    // h and b in mm (whole millimetres); the main bars' strength is dOwnStrength when bOwnStrength
    // is set, else the steel grade's.
    CSectionBar(int h, int b, LPCTSTR lpszConcrete, LPCTSTR lpszSteel, double dAs, int bOwnStrength,
                double dOwnStrength);

    // Required tension As and compression As′ (mm²) for a moment magnitude M in N·mm; bTensionOneRow
    // and bCompressionOneRow: one row of bars on that side (two rows move the centroid 25 mm in).
    void CalcAs(double M, BOOL bTensionOneRow, BOOL bCompressionOneRow, double& dAs, double& dAsPrime) const;
    // Fills the design for M1 (kN·m, sagging when ≥ 0) and M2 (kN·m, hogging when ≤ 0), trying one
    // row at the bottom and top, then two at the bottom, two at the top, two at both.
    void DesignBothSigns(SectionDesign& design, double M1, double M2);
    // The same for the rows chosen: one row (TRUE) or two at the bottom and at the top.
    void DesignWithRows(SectionDesign& design, double M1, double M2, BOOL bBottomOneRow, BOOL bTopOneRow);

    // Bars of diameter d (mm) that fit in one row at clear spacing s.
    int BarsPerRow(int d, int s) const;
    // One-row schemes for As at clear spacing s; the result code.
    int ListSingleRow(int s, double As, PtrVectorList<CBarScheme*>& list) const;
    // Two-row schemes for As of every diameter pair; the result code.
    int ListTwoRows(int s, double As, PtrVectorList<CBarScheme*>& list) const;

private:
    void InitMaterial();
    void SetMoments(double M1, double M2);
    int EnumSchemes(int s, double As, int i, int j, PtrVectorList<CBarScheme*>& list) const;
    BOOL FillDesign(SectionDesign& design, double dBottom, double dTop, BOOL bBottomOneRow, BOOL bTopOneRow) const;
    BOOL DesignTwoMoments(SectionDesign& design, BOOL bBottomOneRow, BOOL bTopOneRow) const;

    int m_h, m_b;
    CString m_strConcrete, m_strSteel;
    int m_bOwnStrength;
    double m_dOwnStrength;
    double m_as;         // mm
    double m_fy;         // N/mm²
    double m_dAlpha1Fc;  // the compression block's stress α1·fc (N/mm²)
    double m_dAlphaMax, m_dXiB;  // αs,max = ξb(1 − 0.5ξb) and ξb
    double m_dB, m_dH;
    BOOL m_bFirstSagging, m_bSecondHogging;
    double m_M1, m_M2;   // magnitudes, N·mm
};
