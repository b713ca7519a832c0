// CStlcnDeepFlexObliqueParam: the oblique section of a deep flexural member ("C:SHXJM") after
// GB 50010-2002 10.7.4, 10.7.5 and 10.7.13, in three modes: the horizontal distribution steel Ash
// for a given shear and vertical steel, the vertical distribution steel Asv for a given shear and
// horizontal steel, or the shear that both steels carry.
//
// Lengths are in mm, areas in mm², V in N (the page and the reports show kN), ratios as fractions.
// The result goes into the field of the sought quantity, which another mode takes as given. From
// lo/h = 5 on the member is not a deep member: the formulas have no value there, so nothing is
// calculated and the reports say why.
#pragma once

#include "checks/flexural/MemberCheckParam.h"
#include "mfc/base/Object.h"

class CStlcnDeepFlexObliqueParam : public CStlcnMemberParam {
    DECLARE_DYNAMIC(CStlcnDeepFlexObliqueParam)

public:
    CStlcnDeepFlexObliqueParam();
    ~CStlcnDeepFlexObliqueParam() override;

    int Calculate() override;
    void InitDefaultParam() override;

    // 0 "已知剪力、Asv求Ash", 1 "已知剪力、Ash求Asv", 2 any other mode text.
    int GetModeIndex() const;
    // FALSE from lo/h = 5 on (and for a span that is not positive): no result.
    BOOL HasResult() const;

    // Formula members; none of them writes a field.
    double CalHo() const;
    double CalLoH() const;
    int GetDeepType() const;
    double CalLambda() const;
    // The coefficient k of the section limit: 10 up to hw/b = 4, 7 from 6, the straight line between.
    double CalSectionLimitFactor() const;
    double CalSectionLimit() const;
    double GetMinSteelRatioSh() const;
    double GetMinSteelRatioSv() const;
    double GetPminSh() const;
    double GetPminSv() const;
    double CalMinAsh() const;
    double CalMinAsv() const;
    // Resistance of the concrete, of vertical steel Asv and of horizontal steel Ash, N.
    double CalVc() const;
    double CalVsv(double dAsv) const;
    double CalVsh(double dAsh) const;
    double CalShearByAsv() const;
    double CalAsh() const;
    double CalShearByAsh() const;
    double CalAsv() const;
    // The capacity of the given areas, as they are: an area below its minimum ratio is told in the
    // report, never raised. Writes the given ratios.
    double CalShearCapacity();

    // The three modes; each writes its results into the fields.
    void CalDesignAsh();
    void CalDesignAsv();
    void CalCapacity();

    // Information and process lines of the full report.
    CStringArray& GetInfoTextDesignAsh();
    CStringArray& GetProcessTextDesignAsh();
    CStringArray& GetInfoTextDesignAsv();
    CStringArray& GetProcessTextDesignAsv();
    CStringArray& GetInfoTextCapacity();
    CStringArray& GetProcessTextCapacity();

    // Stored inputs (the member number is the base's strNumber).
    CString m_strDeepType;        // "单跨简支梁" or "多跨连续梁"
    CString m_strDeepFType;       // "均布荷载一般梁" or "集中荷载独立梁"
    CString m_strDeepSectPosit;   // "跨中截面" or "支座截面"
    CString m_strDeepCaltType;    // the mode text
    double m_dB;
    double m_dH;
    double m_dLo;                 // calculation span lo
    double m_dA;                  // a: the concentrated load to the edge of the support
    CString m_strConcreteGrade;
    CString m_strSteelBarGradeHor;
    CString m_strSteelBarGradeVer;
    double m_dSv;                 // spacing of the horizontal bars
    double m_dSh;                 // spacing of the vertical bars
    double m_dPminSh;             // minimum ratio of the horizontal steel given by the user
    double m_dPminSv;             // minimum ratio of the vertical steel given by the user
    double m_dAs;                 // as: resultant of the longitudinal bars to the near edge
    double m_dGo;                 // γo
    double m_dV;                  // V, N
    double m_dAreasSh;            // Ash within one spacing Sv
    double m_dAreasSv;            // Asv within one spacing Sh
    int m_bIsAutoCaltSh;          // 1: the horizontal minimum is the code's
    int m_bIsAutoCaltSv;          // 1: the vertical minimum is the code's

    // Results: the final ratios of the horizontal and the vertical steel.
    double m_dRatioSh;
    double m_dRatioSv;

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    double GetSectionWidth() const override { return m_dB; }
    double GetSectionHeight() const override { return m_dH; }
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "SHXJM"; }

private:
    BOOL IsUniformLoad() const;
    double Ft() const;
    double Fc() const;
    double Fyh() const;
    double Fyv() const;
    double SpanRatio() const;
    // The ratio raised to the minimum: the ratio itself when it reaches the minimum (within 1e-6).
    static double RaisedRatio(double dRatio, double dMin);

    void GetInfoText(int nMode);
    CString MinRatioLine(BOOL bHorizontal) const;
    // The verdict of the member class, as step 1 prints it.
    CString ClassLine() const;
    void AddClassLines(CStringArray& arrLines) const;
    void AddHoHwLines(CStringArray& arrLines, LPCTSTR lpszHeading) const;
    void AddSpanRatioLines(CStringArray& arrLines, LPCTSTR lpszHeading, LPCTSTR lpszBelowTwo) const;
    // The figures of a section-limit line: lo/h, βc, fc, b, ho, γo and the limit in kN.
    CString LimitFigures() const;
    // Step 4 of the design modes; bInterpolatedFormula: the case 4 < hw/b < 6 prints its formula.
    void AddDesignLimitLines(CStringArray& arrLines, BOOL bInterpolatedFormula) const;
    void AddCapacityLimitLines(CStringArray& arrLines, double dVu) const;
    // The shear span lines under a concentrated load; bByRatio: the bounds name the span ratio
    // (capacity) instead of lo and h (design).
    void AddLambdaLines(CStringArray& arrLines, BOOL bByRatio) const;
    void AddMinRatioCheck(CStringArray& arrLines, BOOL bHorizontal, double dRequired, double dTaken) const;
};
