// Stored keys, defaults, read-back of the adopted areas, list entry and help of the torsion check.
#include <gtest/gtest.h>

#include "Printers.h"
#include "checks/members/GeneralParam.h"
#include "host/Help.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "TempStore.h"

namespace {

const char kPrefix[] = "CStlcnGeneralParam/";

using DoubleField = double CStlcnGeneralParam::*;
using TextField = CString CStlcnGeneralParam::*;

// Every stored double and text field; each gets a value of its own in the round trip.
const DoubleField kDoubles[] = {
    &CStlcnGeneralParam::m_dSectionHeight,    &CStlcnGeneralParam::m_dSectionWidth,
    &CStlcnGeneralParam::m_dTopCaltHeight,    &CStlcnGeneralParam::m_dTopCaltWidth,
    &CStlcnGeneralParam::m_dBottomCaltHeight, &CStlcnGeneralParam::m_dBottomCaltWidth,
    &CStlcnGeneralParam::m_dSteelGradeRatio,  &CStlcnGeneralParam::m_dHoopSteelCount,
    &CStlcnGeneralParam::m_dHoopSteelInterval, &CStlcnGeneralParam::m_dPtlmin,
    &CStlcnGeneralParam::m_dPsvmin,           &CStlcnGeneralParam::m_dDistanceToEdge,
    &CStlcnGeneralParam::m_dGrossPly,         &CStlcnGeneralParam::m_dImportantCoef,
    &CStlcnGeneralParam::m_dTwistMoment,      &CStlcnGeneralParam::m_dSqrtSimpleHoopAst1,
    &CStlcnGeneralParam::m_dSqrtAllVertiAstl, &CStlcnGeneralParam::m_dBoardHoopAst1,
    &CStlcnGeneralParam::m_dBoardAllVertiAstl, &CStlcnGeneralParam::m_dEdgeHoopAst1,
    &CStlcnGeneralParam::m_dEdgeAllVertiAstl, &CStlcnGeneralParam::m_dFc,
    &CStlcnGeneralParam::m_dFt,               &CStlcnGeneralParam::m_dFy,
    &CStlcnGeneralParam::m_dFyv,              &CStlcnGeneralParam::m_dBc,
    &CStlcnGeneralParam::m_dWt,               &CStlcnGeneralParam::m_dWtw,
    &CStlcnGeneralParam::m_dWtf,              &CStlcnGeneralParam::m_dHo,
    &CStlcnGeneralParam::m_dHw,               &CStlcnGeneralParam::m_dTw,
    &CStlcnGeneralParam::m_dTf,               &CStlcnGeneralParam::m_dBcor,
    &CStlcnGeneralParam::m_dHcor,             &CStlcnGeneralParam::m_dAcor,
    &CStlcnGeneralParam::m_dUcor,             &CStlcnGeneralParam::m_dSquarePsv,
    &CStlcnGeneralParam::m_dSquarePtl,        &CStlcnGeneralParam::m_dTBoardPsv,
    &CStlcnGeneralParam::m_dTBoardPtl,        &CStlcnGeneralParam::m_dTEdgePsv,
    &CStlcnGeneralParam::m_dTEdgePtl,
};
const TextField kTexts[] = {
    &CStlcnGeneralParam::m_strCaltType,      &CStlcnGeneralParam::m_strSectionType,
    &CStlcnGeneralParam::m_strConcreteGrade, &CStlcnGeneralParam::m_strVertiBarGrade,
    &CStlcnGeneralParam::m_strHoopBarGrade,  &CStlcnGeneralParam::m_strNote1,
    &CStlcnGeneralParam::m_strNote2,         &CStlcnGeneralParam::m_strNote3,
    &CStlcnGeneralParam::m_strNote4,         &CStlcnGeneralParam::m_strNote5,
    &CStlcnGeneralParam::m_strNote6,         &CStlcnGeneralParam::m_strNote7,
};

TEST(GeneralParam, KeyPrefixIsTheClassName) {
    CStlcnGeneralParam p;
    EXPECT_STREQ(p.GetRuntimeClass()->m_lpszClassName, "CStlcnGeneralParam");
    EXPECT_EQ(p.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CVuskParam));
}

TEST(GeneralParam, AnEmptyStoreLeavesTheDefaults) {
    TempStore store;
    CStlcnGeneralParam p;
    p.ReadParam(kPrefix);
    EXPECT_EQ(p.strNumber, CString("L-1"));
    EXPECT_EQ(p.m_strCaltType, CString("已知扭矩求配筋"));
    EXPECT_EQ(p.m_strSectionType, CString("矩形"));
    EXPECT_EQ(p.m_dSectionHeight, 550);
    EXPECT_EQ(p.m_dSectionWidth, 250);
    EXPECT_EQ(p.m_dTopCaltHeight, 100);
    EXPECT_EQ(p.m_dTopCaltWidth, 450);
    EXPECT_EQ(p.m_strConcreteGrade, CString("C20"));
    EXPECT_EQ(p.m_strVertiBarGrade, CString("HRB335"));
    EXPECT_EQ(p.m_strHoopBarGrade, CString("HPB235"));
    EXPECT_EQ(p.m_dSteelGradeRatio, 1.0);
    EXPECT_EQ(p.m_dHoopSteelCount, 2);
    EXPECT_EQ(p.m_dHoopSteelInterval, 100);
    EXPECT_EQ(p.m_dPtlmin, 0.4);
    EXPECT_EQ(p.m_dPsvmin, 0.2);
    EXPECT_EQ(p.m_dDistanceToEdge, 40);
    EXPECT_EQ(p.m_dGrossPly, 30);
    EXPECT_EQ(p.m_dImportantCoef, 1.0);
    EXPECT_EQ(p.m_dTwistMoment, 20);
    EXPECT_EQ(p.m_dWt, 0);
}

TEST(GeneralParam, EveryKeyRoundTrips) {
    TempStore store;
    CStlcnGeneralParam w;
    double dValue = 1.125;
    for (DoubleField field : kDoubles) w.*field = (dValue += 1.5);
    int nText = 0;
    for (TextField field : kTexts) (w.*field).Format("text %d", ++nText);
    w.strNumber = "NJ-4";
    w.m_bIsAutoCaltPsv = 1;
    w.m_bIsAutoCaltPtl = 1;
    EXPECT_TRUE(w.WriteParam(kPrefix));

    CStlcnGeneralParam r;
    EXPECT_TRUE(r.ReadParam(kPrefix));
    for (size_t i = 0; i < std::size(kDoubles); i++) EXPECT_EQ(r.*kDoubles[i], w.*kDoubles[i]) << "double " << i;
    for (size_t i = 0; i < std::size(kTexts); i++) EXPECT_EQ(r.*kTexts[i], w.*kTexts[i]) << "text " << i;
    EXPECT_EQ(r.strNumber, CString("NJ-4"));
    EXPECT_EQ(r.m_bIsAutoCaltPsv, 1);
    EXPECT_EQ(r.m_bIsAutoCaltPtl, 1);

    double dT = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnGeneralParam//dTwistMoment", dT, 0.0));
    EXPECT_EQ(dT, w.m_dTwistMoment);
    double dBottom = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnGeneralParam//dBottomCaltWidth", dBottom, 0.0));
    EXPECT_EQ(dBottom, w.m_dBottomCaltWidth);
}

// After a read the adopted areas are the stored ones of their parts, and both minimum areas the
// rectangle's, whatever the section.
TEST(GeneralParam, ReadingSetsTheAdoptedAreasToTheStoredOnes) {
    TempStore store;
    CStlcnGeneralParam w;
    w.m_strSectionType = "T形";
    w.m_dSqrtSimpleHoopAst1 = 11;
    w.m_dSqrtAllVertiAstl = 22;
    w.m_dBoardHoopAst1 = 33;
    w.m_dBoardAllVertiAstl = 44;
    w.m_dEdgeHoopAst1 = 55;
    w.m_dEdgeAllVertiAstl = 66;
    w.WriteParam(kPrefix);
    CStlcnGeneralParam r;
    r.ReadParam(kPrefix);
    EXPECT_EQ(r.m_dSqrtSimpleHoopAst1Used, 11);
    EXPECT_EQ(r.m_dSqrtAllVertiAstlUsed, 22);
    EXPECT_EQ(r.m_dBoardHoopAst1Used, 33);
    EXPECT_EQ(r.m_dBoardAllVertiAstlUsed, 44);
    EXPECT_EQ(r.m_dEdgeHoopAst1Used, 55);
    EXPECT_EQ(r.m_dEdgeAllVertiAstlUsed, 66);
    EXPECT_EQ(r.m_dMinHoopAst1, 11);
    EXPECT_EQ(r.m_dMinAllVertiAstl, 22);
}

// "恢复默认" after a design keeps the minimum areas the calculation set.
TEST(GeneralParam, RestoringTheDefaultsKeepsTheMinimumAreas) {
    CStlcnGeneralParam p;
    p.m_strSectionType = "T形";
    p.Calculate();  // the web's longitudinal minimum: 550
    p.m_strNote1 = "x";
    p.m_dTwistMoment = 99;
    p.InitDefaultParam();
    EXPECT_EQ(p.m_strSectionType, CString("矩形"));
    EXPECT_EQ(p.m_dTwistMoment, 20);
    EXPECT_EQ(p.m_strNote1, CString(""));
    EXPECT_NEAR(p.m_dMinAllVertiAstl, 550, 1e-9);
    EXPECT_EQ(p.m_dBoardAllVertiAstlUsed, 678);
}

struct ListCase {
    const char* mode;
    const char* section;
    const char* type;
    const char* dims;
    const char* load;
    const char* result;
};

const ListCase kListCases[] = {
    {"已知扭矩求配筋", "矩形", "受扭构件配筋计算", "h=550mm\nb=250mm\n", "T=20.500kN*m", "Asv1=61.32mm^2\nAstl=584mm^2\n"},
    {"已知扭矩求配筋", "T形", "受扭构件配筋计算", "h=550mm\nb=250mm\nh'f=100mm\nb'f=450mm\n", "T=20.500kN*m",
     "腹板截面Asv1=78.50mm^2\n腹板截面Astl=678mm^2\n翼缘截面Asv1=12.35mm^2\n翼缘截面Astl=678mm^2"},
    {"已知配筋求扭矩", "矩形", "受扭构件扭矩计算", "h=550mm\nb=250mm\n", "Asv1=61.32mm^2\nAstl=584mm^2\n",
     "T=20.500kN*m"},
};

TEST(GeneralParam, ListEntryByModeAndSection) {
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(std::string(c.mode) + c.section);
        CStlcnGeneralParam p;
        p.strNumber = "NL-1";
        p.m_strCaltType = c.mode;
        p.m_strSectionType = c.section;
        p.m_dTwistMoment = 20.5;
        p.m_dSqrtSimpleHoopAst1 = 61.3158;
        p.m_dSqrtAllVertiAstl = 583.73;
        p.m_dEdgeHoopAst1 = 12.345;
        g_VuskMainInfo.SetCurCmdBPrint(0);
        p.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        EXPECT_EQ(entry.strType, CString(c.type));
        EXPECT_EQ(entry.strDimInfo, CString(c.dims));
        EXPECT_EQ(entry.strLoadInfo, CString(c.load));
        EXPECT_EQ(entry.strResultInfo, CString(c.result));
        EXPECT_EQ(entry.strNumber, CString("NL-1"));
        EXPECT_EQ(entry.nBPrint, 1);
    }
}

TEST(GeneralParam, HelpOpensTheCommandsTopic) {
    qelt::host::ClearHelpRequests();
    CStlcnGeneralParam p;
    EXPECT_TRUE(p.OnHelpInfo(nullptr));
    ASSERT_EQ(qelt::host::HelpRequests().size(), 1u);
    EXPECT_EQ(qelt::host::HelpRequests()[0].topic, "WJNJS");
}

}  // namespace
