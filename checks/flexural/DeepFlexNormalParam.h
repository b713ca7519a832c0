// CStlcnDeepFlexNormalParam: the normal section of a deep flexural member ("C:SHZHJM"): the tension
// steel of a rectangular section for a given moment, or the moment that given steel carries, after
// GB 50010-2002 10.7.3 and 10.7.13, for a single simply supported span or a continuous beam.
//
// Lengths are in mm, areas in mm², the moment in kN·m (N·mm inside the formulas), ratios as
// fractions. The result goes into the field that holds the other mode's input: As in the design
// mode, M in the capacity mode.
#pragma once

#include "checks/flexural/MemberCheckParam.h"
#include "mfc/base/Object.h"

// Member classes by the span-to-depth ratio.
enum {
    DEEP_CLASS_NONE = -1,     // lo/h not positive, or no rule applies
    DEEP_CLASS_DEEP_BEAM = 0,
    DEEP_CLASS_GENERAL = 1,   // a general deep flexural member
    DEEP_CLASS_NOT_DEEP = 2   // lo/h of 5 or more
};

class CStlcnDeepFlexNormalParam : public CStlcnMemberParam {
    DECLARE_DYNAMIC(CStlcnDeepFlexNormalParam)

public:
    CStlcnDeepFlexNormalParam();
    ~CStlcnDeepFlexNormalParam() override;

    int Calculate() override;
    void InitDefaultParam() override;

    // Formula members; they write no field, except GetX, which clears the root flag when the
    // compression zone has no positive root.
    double CalHo() const;
    double CalAlphaD() const;
    double CalA() const;
    // The smaller root of A·x² − 2·A·ho·x + 2·γo·M = 0; -1 when there is none.
    double CalX() const;
    double GetX();
    double CalZShort() const;
    double CalZ();
    double CalAsShort() const;
    double CalAs();
    double CalRatioShort() const;
    double CalRatio();
    double GetXib() const;
    // The design's compression zone lies beyond ξb·ho (never for a short span).
    BOOL IsOverReinforced() const;
    // The design has a compression zone within ξb·ho, or needs none (a short span).
    BOOL HasDesign() const;
    double CalXByAs() const;
    // The given steel's compression zone lies beyond ξb·ho: the capacity takes x = ξb·ho.
    BOOL IsCapacityCapped() const;
    // x of the given steel, taken between 0.2·ho and ξb·ho.
    double GetXByAs() const;
    double CalZByAs() const;
    double CalMShort() const;
    double CalM() const;
    static int GetBeamTypeIndex(const CString& strType);
    static int GetDeepTypeSimple(const double& dH, const double& dLo);
    static int GetDeepTypeContinuous(const double& dH, const double& dLo);
    int GetDeepType() const;
    CString GetDeepTypeText() const;
    double GetMinSteelRatio() const;
    double GetPmin() const;
    double CalMinAs() const;

    // The two modes; each writes its results into the fields.
    void CalDesign();
    void CalCapacity();

    // Information and process lines of the full report.
    CStringArray& GetInfoTextDesign();
    CStringArray& GetInfoTextCapacity();
    CStringArray& GetProcessTextDesign();
    CStringArray& GetProcessTextCapacity();

    // Stored inputs (the member number is the base's strNumber).
    CString m_strGenType;        // "单跨简支梁" or "多跨连续梁"
    CString m_strCalType;        // "已知弯矩求配筋" or "已知配筋求弯矩"
    CString m_strSectPosit;      // "跨中截面" or "支座截面"
    double m_dB;
    double m_dH;
    double m_dLo;                // effective span lo
    CString m_strSteelBarGrade;
    CString m_strConcreteGrade;
    double m_dAs;                // as: resultant of the tension bars to the near edge
    double m_dPmin;              // ρmin given by the user
    double m_dGo;                // γo
    double m_dM;                 // M, kN·m
    double m_dAreas;             // As: given in the capacity mode; a design's result, left as it was
                                 // when the design has none
    int m_bIsAutoCalt;           // 1: ρmin is the code's minimum

    // Results of the last calculation.
    int m_bHasRoot;              // 0 when the design found no positive root for the compression zone
    double m_dRatio;             // ρ = As/(b·h)
    double m_dMinAs;             // As,min
    double m_dHo;
    double m_dAlphaD;
    double m_dA;                 // A = α1·fc·b·αd
    double m_dX;
    double m_dZ;
    double m_dXib;

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    double GetSectionWidth() const override { return m_dB; }
    double GetSectionHeight() const override { return m_dH; }
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "SHZHJM"; }

private:
    BOOL IsDesignMode() const;
    // lo < h: the lever arm is 0.6·lo and no compression zone is computed.
    BOOL IsShortSpan() const;

    double Fc() const;
    double Ft() const;
    double Alpha1() const;
    double Fy() const;
    static double SteelArea(double dMoment, double dFy, double dZ);

    // The short report's and the list entry's words for a design that has no compression zone.
    CString NoDesignText() const;
    void GetInfoText(BOOL bDesign);
    void AddClassLines(CStringArray& arrLines, BOOL bDesign) const;
    void AddHoLines(CStringArray& arrLines, LPCTSTR lpszHeading) const;
};
