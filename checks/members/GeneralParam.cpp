// Fields, defaults and stored keys of the torsion check.
#include "checks/members/GeneralParam.h"

#include "framework/ParamExchange.h"

IMPLEMENT_DYNAMIC(CStlcnGeneralParam, CVuskParam)

// The results start at 0 in a fresh object: nothing reads them before a calculation or the store
// sets them.
CStlcnGeneralParam::CStlcnGeneralParam()
    : m_dFc(0), m_dFt(0), m_dFy(0), m_dFyv(0), m_dBc(0), m_dWt(0), m_dWtw(0), m_dWtf(0), m_dHo(0), m_dHw(0),
      m_dTw(0), m_dTf(0), m_dSteelTorque(0), m_dBcor(0), m_dHcor(0), m_dAcor(0), m_dUcor(0), m_dSquarePsv(0), m_dSquarePtl(0),
      m_dTBoardPsv(0), m_dTBoardPtl(0), m_dTEdgePsv(0), m_dTEdgePtl(0), m_dMinHoopAst1(50.3),
      m_dMinAllVertiAstl(678), m_dZetaSquare(0), m_dZetaSquareUsed(0), m_dZetaTBoard(0), m_dZetaTBoardUsed(0),
      m_dZetaTEdge(0), m_dZetaTEdgeUsed(0) {
    SetDefaults();
}

CStlcnGeneralParam::~CStlcnGeneralParam() = default;

// Restores the defaults; the minimum areas keep what the last calculation left.
void CStlcnGeneralParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    SetDefaults();
}

void CStlcnGeneralParam::SetDefaults() {
    strNumber = "L-1";
    m_strCaltType = "已知扭矩求配筋";
    m_strSectionType = "矩形";
    m_dSectionHeight = 550;
    m_dSectionWidth = 250;
    m_dTopCaltHeight = 100;
    m_dTopCaltWidth = 450;
    m_dBottomCaltHeight = 400;
    m_dBottomCaltWidth = 100;
    m_strConcreteGrade = "C20";
    m_strVertiBarGrade = "HRB335";
    m_strHoopBarGrade = "HPB235";
    m_dSteelGradeRatio = 1.0;
    m_dHoopSteelCount = 2;
    m_dHoopSteelInterval = 100;
    m_dPtlmin = 0.4;
    m_dPsvmin = 0.2;
    m_dDistanceToEdge = 40;
    m_dGrossPly = 30;
    m_dImportantCoef = 1.0;
    m_dTwistMoment = 20;
    m_dSqrtSimpleHoopAst1 = m_dSqrtSimpleHoopAst1Used = 50.3;
    m_dSqrtAllVertiAstl = m_dSqrtAllVertiAstlUsed = 678;
    m_dBoardHoopAst1 = m_dBoardHoopAst1Used = 78.5;
    m_dBoardAllVertiAstl = m_dBoardAllVertiAstlUsed = 678;
    m_dEdgeHoopAst1 = m_dEdgeHoopAst1Used = 78.5;
    m_dEdgeAllVertiAstl = m_dEdgeAllVertiAstlUsed = 678;
    m_strNote1.Empty();
    m_strNote2.Empty();
    m_strNote3.Empty();
    m_strNote4.Empty();
    m_strNote5.Empty();
    m_strNote6.Empty();
    m_strNote7.Empty();
    m_bIsAutoCaltPsv = 0;
    m_bIsAutoCaltPtl = 0;
}

void CStlcnGeneralParam::ExchangeParams(CParamExchange& px) {
    px.Exchange("/strNumber", strNumber);
    px.Exchange("/strCaltType", m_strCaltType);
    px.Exchange("/strSectionType", m_strSectionType);
    px.Exchange("/dSectionHeight", m_dSectionHeight);
    px.Exchange("/dSectionWidth", m_dSectionWidth);
    px.Exchange("/dTopCaltHeight", m_dTopCaltHeight);
    px.Exchange("/dTopCaltWidth", m_dTopCaltWidth);
    px.Exchange("/dBottomCaltHeight", m_dBottomCaltHeight);
    px.Exchange("/dBottomCaltWidth", m_dBottomCaltWidth);
    px.Exchange("/strConcreteGrade", m_strConcreteGrade);
    px.Exchange("/strVertiBarGrade", m_strVertiBarGrade);
    px.Exchange("/strHoopBarGrade", m_strHoopBarGrade);
    px.Exchange("/dSteelGradeRatio", m_dSteelGradeRatio);
    px.Exchange("/dHoopSteelCount", m_dHoopSteelCount);
    px.Exchange("/dHoopSteelInterval", m_dHoopSteelInterval);
    px.Exchange("/dPtlmin", m_dPtlmin);
    px.Exchange("/dPsvmin", m_dPsvmin);
    px.Exchange("/dDistanceToEdge", m_dDistanceToEdge);
    px.Exchange("/dGrossPly", m_dGrossPly);
    px.Exchange("/dImportantCoef", m_dImportantCoef);
    px.Exchange("/dTwistMoment", m_dTwistMoment);
    px.Exchange("/dSqrtSimpleHoopAst1", m_dSqrtSimpleHoopAst1);
    px.Exchange("/dSqrtAllVertiAstl", m_dSqrtAllVertiAstl);
    px.Exchange("/dBoardHoopAst1", m_dBoardHoopAst1);
    px.Exchange("/dBoardAllVertiAstl", m_dBoardAllVertiAstl);
    px.Exchange("/dEdgeHoopAst1", m_dEdgeHoopAst1);
    px.Exchange("/dEdgeAllVertiAstl", m_dEdgeAllVertiAstl);
    px.Exchange("/dFc", m_dFc);
    px.Exchange("/dFt", m_dFt);
    px.Exchange("/dFy", m_dFy);
    px.Exchange("/dFyv", m_dFyv);
    px.Exchange("/dBc", m_dBc);
    px.Exchange("/dWt", m_dWt);
    px.Exchange("/dWtw", m_dWtw);
    px.Exchange("/dWtf", m_dWtf);
    px.Exchange("/dHo", m_dHo);
    px.Exchange("/dHw", m_dHw);
    px.Exchange("/dTw", m_dTw);
    px.Exchange("/dTf", m_dTf);
    px.Exchange("/dBcor", m_dBcor);
    px.Exchange("/dHcor", m_dHcor);
    px.Exchange("/dAcor", m_dAcor);
    px.Exchange("/dUcor", m_dUcor);
    px.Exchange("/dSquarePsv", m_dSquarePsv);
    px.Exchange("/dSquarePtl", m_dSquarePtl);
    px.Exchange("/dTBoardPsv", m_dTBoardPsv);
    px.Exchange("/dTBoardPtl", m_dTBoardPtl);
    px.Exchange("/dTEdgePsv", m_dTEdgePsv);
    px.Exchange("/dTEdgePtl", m_dTEdgePtl);
    px.Exchange("/strNote1", m_strNote1);
    px.Exchange("/strNote2", m_strNote2);
    px.Exchange("/strNote3", m_strNote3);
    px.Exchange("/strNote4", m_strNote4);
    px.Exchange("/strNote5", m_strNote5);
    px.Exchange("/strNote6", m_strNote6);
    px.Exchange("/strNote7", m_strNote7);
    px.Exchange("/bIsAutoCaltPsv", m_bIsAutoCaltPsv);
    px.Exchange("/bIsAutoCaltPtl", m_bIsAutoCaltPtl);
}

// After a read the page shows the stored areas: each adopted area is its part's stored one, and the
// minimum areas are the rectangle's.
BOOL CStlcnGeneralParam::ReadParam(const CString& strPrefix) {
    BOOL bResult = CStlcnCheckParam::ReadParam(strPrefix);
    m_dMinHoopAst1 = m_dSqrtSimpleHoopAst1;
    m_dMinAllVertiAstl = m_dSqrtAllVertiAstl;
    m_dSqrtSimpleHoopAst1Used = m_dSqrtSimpleHoopAst1;
    m_dSqrtAllVertiAstlUsed = m_dSqrtAllVertiAstl;
    m_dBoardHoopAst1Used = m_dBoardHoopAst1;
    m_dBoardAllVertiAstlUsed = m_dBoardAllVertiAstl;
    m_dEdgeHoopAst1Used = m_dEdgeHoopAst1;
    m_dEdgeAllVertiAstlUsed = m_dEdgeAllVertiAstl;
    return bResult;
}

BOOL CStlcnGeneralParam::IsDesignMode() const { return m_strCaltType == "已知扭矩求配筋"; }

BOOL CStlcnGeneralParam::IsCapacityMode() const { return m_strCaltType == "已知配筋求扭矩"; }

BOOL CStlcnGeneralParam::IsRectangle() const { return m_strSectionType == "矩形"; }

BOOL CStlcnGeneralParam::IsTSection() const { return m_strSectionType == "T形"; }
