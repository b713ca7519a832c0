// CStlcnGeneralParam: a member in pure torsion ("C:WJNJS") after GB 50010-2002 7.6, rectangular
// (b × h) or T-shaped (web b × h, top flange b'f × h'f): the stirrup leg area Ast1 and the whole
// longitudinal torsion steel Astl of each part for a given torque T, or the T that given steel
// carries. A T section shares the torque between web and flange by their plastic moduli (7.6.5).
//
// Lengths in mm, areas in mm², moduli in mm³, strengths in N/mm², T in kN·m (the T section's part
// torques of the capacity stay in N·mm), ρtl,min and ρsv,min in percent, the ratios ρ as fractions.
// Each part's areas are given or found in the stored fields; the adopted areas (raised to the
// minimum ratios) are what the page shows.
#pragma once

#include "checks/members/CheckParam.h"
#include "mfc/base/Object.h"

class CStlcnGeneralParam : public CStlcnCheckParam {
    DECLARE_DYNAMIC(CStlcnGeneralParam)

public:
    CStlcnGeneralParam();
    ~CStlcnGeneralParam() override;

    BOOL ReadParam(const CString& strPrefix) override;
    int Calculate() override;
    void InitDefaultParam() override;

    // Calculation members; each works on the fields.
    void InitMaterial();
    void CalWt();
    void CalHoHw();
    void CalTorqueSplit();
    void CalCoreRect();
    void CalCoreWeb();
    void CalCoreFlange();
    void CalAstRect();
    void CalAstWeb();
    void CalAstFlange();
    void CalZeta();
    void CalZetaFlange();
    void CheckSection();
    int CheckConstructRect();
    int CheckConstructT();
    int CheckConstructFlange();
    void CheckMinRatioRect();
    void CheckMinRatioWeb();
    void CheckMinRatioFlange();
    void CalDesignRect();
    void CalDesignWeb();
    void CalDesignFlange();
    void CalCapacity();

    // The section limit of 7.6.1 divided by γo (kN·m), by hw/b; -1 beyond hw/b = 6, where none applies.
    double CalSectionLimit() const;
    // The torque the section condition is tested with: the given one of the design, the steel's of
    // the capacity.
    double GetTestedTorque() const;
    // Whether the capacity of the steel lies beyond the section limit: T is then the limit.
    BOOL IsCapacityCapped() const;
    // Whether the design's section condition failed ("/strNote1" of the design mode): then nothing is
    // designed, and the reports and the page show no areas.
    BOOL IsSectionRefused() const;
    // 0.7·ft·Wt/γo (kN·m): up to it construction steel suffices (7.6.2).
    double CalConstructLimit() const;

    void GetInfoText();
    CStringArray& GetProcessTextDesign();
    CStringArray& GetProcessTextCapacity();

    // Stored fields, in their key order (the member number is the base's strNumber).
    CString m_strCaltType;         // "已知扭矩求配筋" or "已知配筋求扭矩"
    CString m_strSectionType;      // "矩形" or "T形"
    double m_dSectionHeight;       // h
    double m_dSectionWidth;        // b, of the rectangle or the web
    double m_dTopCaltHeight;       // h'f
    double m_dTopCaltWidth;        // b'f
    double m_dBottomCaltHeight;    // a bottom flange: kept in the store only
    double m_dBottomCaltWidth;
    CString m_strConcreteGrade;
    CString m_strVertiBarGrade;    // longitudinal torsion bars
    CString m_strHoopBarGrade;     // stirrups
    double m_dSteelGradeRatio;     // ζ given for the design
    double m_dHoopSteelCount;      // n, stirrup legs
    double m_dHoopSteelInterval;   // s
    double m_dPtlmin;              // ρtl,min, percent
    double m_dPsvmin;              // ρsv,min, percent
    double m_dDistanceToEdge;      // as
    double m_dGrossPly;            // c, cover
    double m_dImportantCoef;       // γo
    double m_dTwistMoment;         // T, kN·m: given in the design mode, the capacity in the other
    double m_dSqrtSimpleHoopAst1;  // rectangle Ast1
    double m_dSqrtAllVertiAstl;    // rectangle Astl
    double m_dBoardHoopAst1;       // web Ast1
    double m_dBoardAllVertiAstl;   // web Astl
    double m_dEdgeHoopAst1;        // flange Ast1
    double m_dEdgeAllVertiAstl;    // flange Astl
    double m_dFc, m_dFt, m_dFy, m_dFyv, m_dBc;
    double m_dWt, m_dWtw, m_dWtf;  // plastic moduli of the section, the web, the flange
    double m_dHo, m_dHw;
    double m_dTw, m_dTf;           // the part torques: kN·m in the design, N·mm in the capacity
    double m_dSteelTorque;         // the capacity of the steel and concrete before the section limit, kN·m
    double m_dBcor, m_dHcor, m_dAcor, m_dUcor;  // the core of the part computed last
    double m_dSquarePsv, m_dSquarePtl;          // ρsv, ρtl of the rectangle
    double m_dTBoardPsv, m_dTBoardPtl;          // of the web
    double m_dTEdgePsv, m_dTEdgePtl;            // of the flange
    CString m_strNote1;  // the section condition
    CString m_strNote2;  // whether construction steel suffices (design)
    CString m_strNote3;  // kept in the store only
    CString m_strNote4;  // stirrup minimum, rectangle or web
    CString m_strNote5;  // longitudinal minimum, rectangle or web
    CString m_strNote6;  // stirrup minimum, flange
    CString m_strNote7;  // longitudinal minimum, flange
    int m_bIsAutoCaltPsv;  // 1: ρsv,min from the materials
    int m_bIsAutoCaltPtl;  // 1: ρtl,min from the materials

    // Not stored.
    double m_dMinHoopAst1;       // minimum Ast1 of the rectangle or web
    double m_dMinAllVertiAstl;   // minimum Astl of the rectangle or web
    double m_dSqrtSimpleHoopAst1Used, m_dSqrtAllVertiAstlUsed;  // adopted areas, as the page shows them
    double m_dBoardHoopAst1Used, m_dBoardAllVertiAstlUsed;
    double m_dEdgeHoopAst1Used, m_dEdgeAllVertiAstlUsed;
    double m_dZetaSquare, m_dZetaSquareUsed;  // ζ of the given bars, and clipped to [0.6, 1.7]
    double m_dZetaTBoard, m_dZetaTBoardUsed;
    double m_dZetaTEdge, m_dZetaTEdgeUsed;

protected:
    void ExchangeParams(CParamExchange& px) override;
    CString GetReportTitle() override;
    void FillReportText() override;
    LPCTSTR GetInfoSectionTitle() const override { return "三、计算信息"; }
    void GetShortDimensionText(CStringArray& arrDims) override;
    void GetShortReportText(CStringArray& arrLoads, CStringArray& arrResults) override;
    LPCTSTR GetShortLoadTitle() const override;
    void FillListText() override;
    LPCTSTR GetHelpTopic() const override { return "WJNJS"; }

private:
    BOOL IsDesignMode() const;
    BOOL IsCapacityMode() const;
    BOOL IsRectangle() const;
    BOOL IsTSection() const;
    void SetDefaults();

    // One part's construction areas (x ≥ T): ρsv,min·b·s/n for a stirrup leg, ρtl,min·b·h in all.
    void SetConstructAreas(double dWidth, double dHeight, double& dAst1, double& dAstl, double& dAst1Used,
                           double& dAstlUsed) const;
    // The required areas of a part for its torque (kN·m) and modulus, with the current core.
    void CalAst(double dTorque, double dWt, double& dAst1, double& dAstl);
    // The minimum ratios of a part; dMinAst1 and dMinAstl receive the minimum areas.
    void CheckMinRatio(double dWidth, double dHeight, double dAst1, double dAstl, double& dPsv, double& dPtl,
                       double& dAst1Used, double& dAstlUsed, double& dMinAst1, double& dMinAstl, CString& strHoopNote,
                       CString& strVertiNote, LPCTSTR lpszHoopLine, LPCTSTR lpszVertiLine);
    // ζ of given bars with the current core, and its clipped value.
    void CalZetaOf(double dAst1, double dAstl, double& dZeta, double& dZetaUsed) const;
    // A part's torque capacity (N·mm) with the current core.
    double CalPartCapacity(double dAst1, double dZetaUsed, double dWt) const;

    // Shared paragraphs of the process lines.
    void AddWtLines(LPCTSTR lpszBreak);
    void AddDepthLines();
    void AddSectionLines();
    void AddCoreLines(BOOL bFlange);
    void AddAreaLines(LPCTSTR lpszPart, LPCTSTR lpszTorque, LPCTSTR lpszModulus, double dTorque, double dWt,
                      double dAst1, double dAstl);
    void AddMinRatioLines(LPCTSTR lpszPart, BOOL bFlange);
    void AddZetaLines(LPCTSTR lpszHeading, double dAst1, double dAstl, double dZeta);
    CString AreaText(BOOL bReport) const;
};
