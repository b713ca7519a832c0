// CStlcnFlexObliqueParam: the oblique section of a flexural member ("C:XJMJS"): the stirrups of a
// rectangular or T section for a given shear, or the shear that given stirrups carry, after
// GB 50010-2002 7.5, for an ordinary beam under uniform load or an independent beam under a
// concentrated load.
//
// Lengths are in mm, areas in mm², V in N (the page and the reports show kN), ratios as fractions.
// The result goes into the field that holds the other mode's input: Asv in the design mode, V in
// the capacity mode.
#pragma once

#include "checks/flexural/MemberCheckParam.h"
#include "mfc/base/Object.h"

class CStlcnFlexObliqueParam : public CStlcnMemberParam {
    DECLARE_DYNAMIC(CStlcnFlexObliqueParam)

public:
    CStlcnFlexObliqueParam();
    ~CStlcnFlexObliqueParam() override;

    int Calculate() override;
    void InitDefaultParam() override;

    // Formula members; none of them writes a field.
    double CalHo() const;
    double CalHw() const;
    double CalLambda() const;
    double GetMinSteelRatio() const;
    double GetPmin() const;
    // The factor of βc·fc·b·ho/γo in the section limit: 0.25 up to hw/b = 4, 0.2 from 6, the
    // straight line between.
    double CalSectionLimitFactor() const;
    double CalSectionLimit() const;
    double CalVc() const;
    double CalAsv() const;
    double CalShearCapacity() const;

    // The two modes; each writes its results into the fields.
    void CalDesign();
    void CalCapacity();

    // Information and process lines of the full report.
    CStringArray& GetInfoTextDesign();
    CStringArray& GetInfoTextCapacity();
    CStringArray& GetProcessTextDesign();
    CStringArray& GetProcessTextCapacity();

    // Stored inputs (the member number is the base's strNumber).
    CString m_strCaltType;       // "已知剪力求配筋" or "已知配筋求剪力"
    CString m_strSectionType;    // "矩形" or "T形"
    CString m_strFType;          // "均布荷载一般梁" or "集中荷载独立梁"
    double m_dB;                 // web width b
    double m_dH;                 // section height h
    double m_dBf;                // flange width b'f
    double m_dHf;                // flange height h'f
    double m_dA;                 // a: the concentrated load to the edge of the support
    CString m_strConcreteGrade;
    CString m_strSteelBarGrade;  // stirrups
    double m_dS;                 // stirrup spacing s
    double m_dPmin;              // ρmin given by the user
    double m_dAs;                // as: resultant of the longitudinal bars to the near edge
    double m_dGo;                // γo
    double m_dV;                 // V, N
    double m_dAreasSv;           // Asv: all stirrup legs of one section
    int m_bIsAutoCalt;           // 1: ρmin is the code's minimum

    // Result: the stirrup ratio of the designed Asv.
    double m_dRatioSv;

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    double GetSectionWidth() const override { return m_dB; }
    double GetSectionHeight() const override { return m_dH; }
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "XJMJS"; }

private:
    BOOL IsDesignMode() const;
    BOOL IsRectangle() const;
    BOOL IsUniformLoad() const;

    double Ft() const;
    double Fc() const;
    double Fyv() const;

    void GetInfoText(BOOL bDesign);
    // Pieces of the process lines.
    void AddHoHwLines(CStringArray& arrLines) const;
    void AddLambdaLine(CStringArray& arrLines) const;
    // The figures of a section-limit line: βc, fc, b, ho, γo (with that many decimals) and the limit.
    CString LimitFigures(int nGoDecimals) const;
    void AddDesignLimitLines(CStringArray& arrLines) const;
    void AddCapacityLimitLines(CStringArray& arrLines, double dVu) const;
    void AddRatioLines(CStringArray& arrLines, double dArea, BOOL bTolerant, LPCTSTR lpszPassFormat) const;
};
