// CStlcnPillarParam: the normal-section capacity of an axially loaded compression member
// ("C:ZHXSHY") after GB 50010-2002 7.3.1, for a rectangular section b × h or a circular one of
// diameter d: the compression steel A's for a given axial force N, or the N that given steel carries.
//
// Lengths in mm, areas in mm², strengths in N/mm², N in kN (in newtons while the design calculates),
// ρmin in percent. The design writes the adopted steel area back into A's; the capacity mode takes
// the given A's as it is and writes the capacity into N.
#pragma once

#include "checks/members/CheckParam.h"
#include "mfc/base/Object.h"

class CStlcnPillarParam : public CStlcnCheckParam {
    DECLARE_DYNAMIC(CStlcnPillarParam)

public:
    CStlcnPillarParam();
    ~CStlcnPillarParam() override;

    int Calculate() override;
    void InitDefaultParam() override;

    // φ of table 7.3.1 for x = lo/b (column 0) or lo/d (column 1), interpolated between rows.
    static double GetStabilityFactor(double x, int nColumn);
    void CalStabilityFactor();
    void CalArea();
    void CalDesign();
    void CalCapacity();

    // Whether the steel of the current input leaves concrete in the section: beyond 3 % the steel's
    // area is taken off the section's, and steel that fills the whole section leaves the formulas no
    // meaning. Calculates, and gives N and A's back as they were.
    BOOL LeavesConcrete();

    void GetInfoText();
    void GetProcessText();

    // Stored fields, in their key order (the member number is the base's strNumber).
    double m_dCaltLength;          // lo
    CString m_strCaltType;         // "已知压力求配筋" or "已知配筋求压力"
    CString m_strGrade;            // concrete grade
    CString m_strSteelType;        // grade of the longitudinal bars
    double m_dSectionDiameter;     // d
    double m_dSectionHeight;       // h
    double m_dSectionWidth;        // b
    CString m_strSectionType;      // "矩形" or "圆形"
    double m_dAxialForce;          // N, kN: given in the design mode, the capacity in the other
    double m_dPressedSteelArea;    // A's: given in the capacity mode; the adopted area after a design
    double m_dPgMin;               // ρmin, percent
    double m_dImportantModulus;    // γo
    double m_dEc;                  // kept in the store only
    double m_dFt;                  // ft of the grade
    double m_dFc;                  // fc in use (times 0.8 when m_bIsMultCoef is 1)
    double m_dFy;                  // fy'
    double m_dA;                   // the area in the formula: A, or A - A's beyond 3 %
    double m_dQ;                   // φ, rounded to three decimals
    double m_dSteelArea;           // design: A's of the first formula; capacity: the given A's
    double m_dOldA;                // the gross area A
    double m_dOldAxialForce;       // capacity with the gross area, in N (kept in the store only)
    int m_bIsMultCoef;             // 1: fc times 0.8 for a small section
    // Design mode, not stored: A's that the formulas require (the first formula's, or beyond 3 % the
    // one with A − A's), before the minimum is taken.
    double m_dRequiredArea;

    // The largest total ratio of longitudinal compression steel, GB 50010-2002 9.5.1: 5 %.
    static const double kMaxSteelRatio;
    // The largest slenderness of table 7.3.1: lo/b 50 for a rectangle, lo/d 43.5 for a circle.
    static const double kMaxSlendernessB;
    static const double kMaxSlendernessD;
    // lo/b or lo/d by the section, b being the shorter side of a rectangle (table 7.3.1); 0 for
    // another section text.
    double GetSlenderness() const;
    double GetShortSide() const;

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    void GetShortDimensionText(CStringArray& arrDims) override;
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    LPCTSTR GetShortLoadTitle() const override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "ZHXSHY"; }

private:
    BOOL IsDesignMode() const;
    BOOL IsCapacityMode() const;
    BOOL IsRectangle() const;
    BOOL IsCircle() const;
    // φ rounded to the three decimals the reports print.
    void RoundStabilityFactor();
    // The grade's fc as the texts print it: "0.8*" in front when the small-section factor applies.
    CString FcText() const;
    void AddAreaLine();
    // The short report's and the capacity text's ratio of the adopted steel to the gross area.
    double GetAdoptedRatio() const;
    // The capacity mode's given steel lies below the minimum ratio.
    BOOL IsBelowMinimum() const;
};
