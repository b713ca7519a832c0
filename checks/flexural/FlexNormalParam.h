// CStlcnFlexNormalParam: the normal section of a flexural member ("C:ZHJMJS"): the tension steel
// (and the compression steel) of a rectangular or T section for a given moment, or the moment that
// given steel carries, after GB 50010-2002 7.2.
//
// Lengths are in mm, areas in mm², strengths in N/mm², the moment in kN·m (N·mm inside the
// formulas), ratios as fractions. Material values are read from the host's tables on every use.
// The results go into the fields that hold the other mode's inputs: M in the capacity mode, As and
// A's in the design modes.
#pragma once

#include "checks/flexural/MemberCheckParam.h"
#include "mfc/base/Object.h"

class CStlcnFlexNormalParam : public CStlcnMemberParam {
    DECLARE_DYNAMIC(CStlcnFlexNormalParam)

public:
    CStlcnFlexNormalParam();
    ~CStlcnFlexNormalParam() override;

    int Calculate() override;
    void InitDefaultParam() override;

    // Formula members; none of them writes a field.
    double CalHo() const;
    double CalAlphaS() const;
    double CalXi() const;
    double CalAsSingle() const;
    double CalRatioSingle() const;
    double GetMinSteelRatio() const;
    double GetMinSteelRatioPs() const;
    double GetPminPl() const;
    double GetPminPs() const;
    double GetXib() const;
    double GetMaxSteelRatio() const;
    double CalXiCapacity() const;
    double CalMPs() const;
    double CalM1() const;
    double CalAlphaS1() const;
    double CalXi1() const;
    double CalX1() const;
    double CalAsPsDouble() const;
    double CalAsPsOver() const;
    double CalXCapacityDouble() const;
    int IsFlangeClassDesign() const;
    double CalAlphaST() const;
    double CalXiT() const;
    int IsFlangeClassCapacity() const;
    double CalXiTCapacity() const;
    double CalXiTFlange() const;

    // The calculation paths; each writes its results into the fields.
    void CalDesignSingle();
    void CalCapacitySingle();
    void CalDesignDouble();
    void CalCapacityDouble();
    void CalDesignKnownAs_();
    void CalDesignT();
    void CalCapacityT();

    // Process and information lines of the full report.
    CStringArray& GetProcessTextDesignDouble();
    CStringArray& GetProcessTextDesignSingle(int nFirstStep);
    void GetProcessTextDesignT();
    void GetProcessTextCapacityRect();
    void GetProcessTextCapacityT();
    void GetInfoText();

    // Stored inputs (the member number is the base's strNumber).
    CString m_strCaltType;          // "已知弯矩求配筋" or "已知配筋求弯矩"
    CString m_strSectionType;       // "矩形" or "T形"
    CString m_strMatchBarType;      // "单筋", "双筋" or "双筋(已知受压钢筋)"
    double m_dB;                    // web width b
    double m_dH;                    // section height h
    double m_dBf;                   // flange width b'f
    double m_dHf;                   // flange height h'f
    CString m_strConcreteGrade;
    CString m_strSteelBarGradePl;   // tension steel
    CString m_strSteelBarGradePs;   // compression steel
    double m_dPminPl;               // ρmin given by the user
    double m_dPminPs;               // ρ'min given by the user
    double m_dAsPl;                 // as: centroid of the tension steel to the tension face
    double m_dAsPs;                 // as': centroid of the compression steel to the compression face
    double m_dGo;                   // γo
    double m_dM;                    // M
    double m_dAreasPl;              // As
    double m_dAreasPs;              // A's
    int m_bIsAutoCalt;              // 1: ρmin is the code's minimum
    int m_bIsAutoCaltPs;            // 1: ρ'min is the code's minimum
    int m_bIsSingleRein;            // 1: a double design that needs no compression steel gets none

    // 1: the full report builds the rectangular design's process lines; 0: it keeps those that
    // Calculate built (the design with given compression steel).
    int m_bRebuildProcess;
    // The lines of the single-reinforcement design text.
    CStringArray m_arrSingleText;

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    double GetSectionWidth() const override { return m_dB; }
    double GetSectionHeight() const override { return m_dH; }
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "ZHJMJS"; }

private:
    BOOL IsDesignMode() const;
    BOOL IsRectangle() const;

    // Material values of the chosen grades.
    double Fc() const;
    double Ft() const;
    double Alpha1() const;
    CString Alpha1Text() const;
    double Fy() const;
    double FyPs() const;

    // ξ = 1 − √(1 − 2αs), and 1 once αs reaches 0.5.
    static double XiOfAlphaS(double dAlphaS);

    // Shared pieces of the process lines.
    static CString Percent(double dRatio);
    CString HoText() const;
    CString XibText() const;
    void AddHoLine(CStringArray& arrLines) const;
    void AddXibLine(CStringArray& arrLines, int nEsPower) const;
    void AddAlphaSLine(CStringArray& arrLines) const;
    // Whether ξ = 1 − √(1 − 2αs) exists: αs up to 0.5.
    static BOOL HasXi(double dAlphaS);
    // The line for an αs beyond 0.5, which has no ξ, followed by the verdict text.
    static void AddNoXiLine(CStringArray& arrLines, double dAlphaS, LPCTSTR lpszVerdict);
    // ξ against ξb, or the line without ξ; TRUE when ξ ≤ ξb.
    BOOL AddXiLine(CStringArray& arrLines, double dAlphaS, double dXi, LPCTSTR lpszPassTabs,
                   LPCTSTR lpszFailTabs) const;
    void AddRatioLine(CStringArray& arrLines, BOOL bCompression, double dArea) const;
    BOOL AddMinVerdict(CStringArray& arrLines, BOOL bCompression, double dRatio) const;
    void AddTakeMinAsLine(CStringArray& arrLines, double dAs) const;
    void AddMinRatioCheck(CStringArray& arrLines, double dAs) const;
    void AddMaxRatioLine(CStringArray& arrLines) const;
    // The maximum test of the ratio named lpszSymbol; bEqualPasses lets ρmax itself pass.
    void AddMaxVerdict(CStringArray& arrLines, double dRatio, BOOL bFullWidth, LPCTSTR lpszSymbol,
                       BOOL bEqualPasses) const;
    // ρ of As with the ρmax line and the minimum test.
    void AddTensionMinCheck(CStringArray& arrLines, double dAs) const;
    // The tension steel of a single design: its ρ against ρmin and ρmax.
    void AddTensionCheck(CStringArray& arrLines, double dAs, BOOL bFullWidth) const;
    // The tension steel of a doubly reinforced design with the compression steel dAsPs: all of As
    // against ρmin, the part the concrete balances, As − fy'·A's/fy, against ρmax.
    void AddDoubleTensionCheck(CStringArray& arrLines, double dAs, double dAsPs, BOOL bFullWidth) const;
    void AddCompressionCheck(CStringArray& arrLines, double dAsPs, BOOL bTakeMin, double dAsPsTaken) const;
    void AddAsPsDoubleLines(CStringArray& arrLines, LPCTSTR lpszClosing) const;
    double AddAsBalancedLines(CStringArray& arrLines, int nFcDecimals) const;
    void AddAsSingleLine(CStringArray& arrLines, int nFcDecimals) const;
    void AddNoCompressionLines(LPCTSTR lpszReason);
    void AddProcessTextKnownAsPs();
    void AddProcessTextDouble();
    void AddInfoRatioLine(BOOL bCompression, LPCTSTR lpszAutoFormat, LPCTSTR lpszManualFormat);
};
