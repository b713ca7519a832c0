// CStlcnLocalPressParam: local compression with indirect reinforcement ("C:JBSHY") after GB 50010-2002
// 7.8: the local area Al and the calculation base area Ab for six distribution shapes, βl, the volume
// ratio ρv of welded meshes or of a spiral, Acor and βcor, the section limit (7.8.1-1) and the capacity
// (7.8.3-1). One check: both verdicts go into the result text.
//
// Lengths in mm, areas in mm², Fl in kN, strengths in N/mm².
#pragma once

#include "checks/members/CheckParam.h"
#include "mfc/base/Object.h"

class CStlcnLocalPressParam : public CStlcnCheckParam {
    DECLARE_DYNAMIC(CStlcnLocalPressParam)

public:
    CStlcnLocalPressParam();
    ~CStlcnLocalPressParam() override;

    int Calculate() override;
    void InitDefaultParam() override;

    void InitMaterial();
    void CalAb();
    void CalBetaL();
    void CalRhoV();
    void CalBetaCor();
    void GetLocalPressAlpha();
    void CheckSection();
    void CheckCapacity();

    // 1.35·βc·βl·fc·Aln and 0.9·(βc·βl·fc + 2α·ρv·βcor·fy)·Aln, kN.
    double CalSectionLimit() const;
    double CalCapacity() const;

    void GetInfoText();
    void GetProcessText();

    // The local area's sides as the formulas take them, a the longer whichever box holds it: the
    // base area extends by the short side (7.8.2).
    double GetLongSide() const;
    double GetShortSide() const;

    // Stored fields, in their key order (the member number, first, is the base's strNumber).
    CString m_strSteelType;         // "方格网式" or "螺旋式"
    CString m_strPressedAreaType;   // "三边临空" … "四边矩形", "四边圆形"
    double m_dImportantCoefV;       // γo
    CString m_strConcreteGrade;
    CString m_strSteelBarGrade;     // indirect steel
    double m_dSteelInterval;        // s
    double m_dSectionHeight;        // a, the local area's long side as labelled
    double m_dSectionWidth;         // b, its short side as labelled (the formulas sort the two)
    double m_dSectionDiameter;      // d of a circular local area
    double m_dAln;                  // Aln
    double m_dLengthL1, m_dLengthL2;
    double m_dSteelCountToL1, m_dSteelCountToL2;        // n1, n2
    double m_dSteelDiameterToL1, m_dSteelDiameterToL2;  // d1, d2
    double m_dCoreDiameter;         // dcor inside the spiral
    double m_dSteelDiameter;        // the spiral bar
    double m_dPressForce;           // Fl
    double m_dFc, m_dFy;
    double m_dAb, m_dAl, m_dBl, m_dBc;
    CString m_strWordNoteA;         // verdict of the section limit
    CString m_strWordNoteF;         // verdict of the capacity
    double m_dPv, m_dAs1, m_dAs2, m_dAss1, m_dAcor, m_dBcor, m_dAlpha;
    int m_bIsAutoCaltAln;           // 1: Aln is Al
    CString m_strResult;            // both verdicts of the last check (not stored)

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    void GetShortDimensionText(CStringArray& arrDims) override;
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "JBSHY"; }

private:
    BOOL IsMesh() const;
    BOOL IsSpiral() const;
    BOOL IsCircle() const;
    // The core inside the meshes, (L1 − d2)(L2 − d1), and inside the spiral, π/4·dcor².
    double MeshCoreArea() const;
    double SpiralCoreArea() const;
};
