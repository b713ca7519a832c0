// CStlcnDiecuttingParam: punching shear of a slab ("C:CHQJS") after GB 50010-2002 7.7, at a column
// (rectangular a × b or circular d) under a local load Fl, or under a concentrated reaction N less the
// surface load q inside the punching cone; without shear reinforcement (7.7.1) or with stirrups or
// bent-up bars (7.7.3). One check: the verdicts go into the result text.
//
// Lengths in mm, forces in kN, q in kN/m², strengths in N/mm², areas in mm², α in degrees.
#pragma once

#include "checks/members/CheckParam.h"
#include "mfc/base/Object.h"

class CStlcnDiecuttingParam : public CStlcnCheckParam {
    DECLARE_DYNAMIC(CStlcnDiecuttingParam)

public:
    CStlcnDiecuttingParam();
    ~CStlcnDiecuttingParam() override;

    int Calculate() override;
    void InitDefaultParam() override;

    void InitMaterial();
    void CalBetaS();
    void CalAlphaS();
    void CalUm();
    void CalEta();
    void CalBetaH();
    void CalFl();
    void CheckSection();
    void CheckPunching();

    // The section limit 1.05·ft·η·Um·ho of a reinforced slab, kN.
    double CalSectionLimit() const;
    // Whether γo·Fl lies within the section limit (7.7.3-1); a section beyond it has no capacity.
    BOOL IsSectionFit() const;
    // The rectangle's sides as the formulas take them, a the longer whichever box holds it.
    double GetLongSide() const;
    double GetShortSide() const;
    // The angle arccos(d/D) at the column's centre between the normal to a free edge at the column's
    // face and the point where the circle of diameter D about the column meets that edge: θ of the
    // critical circle (D = d + ho), φ of the cone's base (D = d + 2ho).
    double CalEdgeAngle(double dDiameter) const;
    // The slab inside the punching cone, whose load the concentrated reaction is relieved of, m².
    double CalConeArea() const;
    // The circular cone's base area over (d + 2ho)²/4: π, less what lies beyond the free edge(s).
    double CalConeCircleFactor() const;
    // The capacity of the slab as reinforced (or not), kN.
    double CalCapacity() const;

    void GetInfoText();
    void GetProcessText();

    // Stored fields, in their key order (the member number, first, is the base's strNumber).
    CString m_strDieCuttingType;    // "配筋" or "不配筋"
    CString m_strSteelStyle;        // "箍筋" or "弯起钢筋"
    CString m_strPillarForceType;   // "中柱", "边柱" or "角柱"
    CString m_strBoardForceType;    // "局部荷载作用" or "集中反力作用"
    double m_dImportantCoefV;       // γo
    CString m_strSectionType;       // "矩形" or "圆形"
    double m_dSectionHeight;        // a, the rectangle's long side as labelled
    double m_dSectionWidth;         // b, its short side as labelled (the formulas sort the two)
    double m_dSectionDiameter;      // d
    double m_dBoardHeight;          // h
    double m_dBoardValidHeight;     // ho
    CString m_strConcreteGrade;
    CString m_strSteelBarGrade;     // stirrups or bent-up bars
    double m_dAsvu;                 // stirrups crossing the critical section
    double m_dAsbu;                 // bent-up bars crossing it
    double m_dA;                    // α
    double m_dFl;                   // Fl: given, or N less the load inside the cone
    double m_dBoardQ;               // q
    double m_dForceN;               // N
    double m_dFt, m_dFyv, m_dFy;
    double m_dBs;                   // βs
    double m_dAs;                   // αs
    double m_dUm;                   // Um: the whole perimeter at ho/2 for an inner column, the part on
                                    // the slab side of the free edge(s) at the column's outer face(s)
                                    // for an edge or corner column
    double m_dG;                    // η
    double m_dBh;                   // βh
    CString m_strResult;            // the verdicts of the last check (not stored)

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    void GetShortDimensionText(CStringArray& arrDims) override;
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "CHQJS"; }

private:
    void SetDefaults();
    BOOL IsReinforced() const;
    BOOL IsUnreinforced() const;
    BOOL IsRectangle() const;
    BOOL IsCircle() const;
    BOOL IsLocalLoad() const;
    BOOL IsReaction() const;
    BOOL IsStirrup() const;
    BOOL IsBentUp() const;
    BOOL IsEdgeColumn() const;
    BOOL IsCornerColumn() const;
    // The Um lines of the column's position and section.
    void AddUmLines();
    // βh as the formulas take it: one decimal at its ends, three between them.
    CString BetaHText() const;
    // The Fl lines of a concentrated reaction, rectangle or circle.
    void AddFlLines();
    // η1 = 0.4 + 1.2/βs and η2 = 0.5 + αs·ho/(4Um).
    double Eta1() const;
    double Eta2() const;
};
