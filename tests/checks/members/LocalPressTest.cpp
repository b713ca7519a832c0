// The local compression check: its calculation against values worked by hand from GB 50010-2002 7.8
// (Al and Ab by shape, βl = √(Ab/Al), ρv of meshes (n1·As1·L1 + n2·As2·L2)/(Acor·s) or of a spiral
// 4Ass1/(dcor·s), Acor at most Ab, βcor = √(Acor/Al), α by grade, 1.35βc·βl·fc·Aln and
// 0.9(βc·βl·fc + 2α·ρv·βcor·fy)·Aln), its stored keys, list entry and whole reports.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "MemberReports.h"
#include "Printers.h"
#include "checks/members/LocalPressParam.h"
#include "host/Help.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "TempStore.h"

namespace {

struct ShapeCase {
    const char* shape;
    double al, ab, betaL;
};

const ShapeCase kShapes[] = {
    {"三边临空", 90000, 90000, 1},
    {"两边临空", 90000, 90000, 1},
    {"对边临空", 90000, 270000, std::sqrt(3.0)},
    {"一边临空", 90000, 270000, std::sqrt(3.0)},
    {"四边矩形", 90000, 810000, 3},
    {"四边圆形", 22500 * M_PI, 202500 * M_PI, 3},
};

TEST(LocalPressCalc, AreasByShape) {
    for (const ShapeCase& c : kShapes) {
        CStlcnLocalPressParam p;
        p.m_strPressedAreaType = c.shape;
        p.Calculate();
        EXPECT_NEAR(p.m_dAl, c.al, 1e-6) << c.shape;
        EXPECT_NEAR(p.m_dAb, c.ab, 1e-6) << c.shape;
        EXPECT_NEAR(p.m_dBl, c.betaL, 1e-12) << c.shape;
        EXPECT_NEAR(p.m_dAln, c.al, 1e-6) << c.shape;  // Aln follows Al
    }
}

// 四边矩形: Ab = (a + 2b)·3b extends by the short side, whichever box holds it. 400 × 200 either way:
// Ab = (400 + 400)·600 = 480000, Al = 80000, βl = √6 = 2.449; section limit (C30, βc 1.0)
// 1.35·2.449·14.3·80000 = 3782.6 kN (not the 5981.6 of b = 400 as the extension).
TEST(LocalPressCalc, RectangleBaseExtendsByTheShortSide) {
    const double kSides[][2] = {{400, 200}, {200, 400}};
    for (const auto& sides : kSides) {
        CStlcnLocalPressParam p;
        p.m_strPressedAreaType = "四边矩形";
        p.m_dSectionHeight = sides[0];
        p.m_dSectionWidth = sides[1];
        p.Calculate();
        EXPECT_NEAR(p.m_dAb, 480000, 1e-6) << sides[0];
        EXPECT_NEAR(p.m_dBl, std::sqrt(6.0), 1e-12) << sides[0];
        EXPECT_NEAR(p.CalSectionLimit(), 1.35 * std::sqrt(6.0) * 14.3 * 80000 / 1000, 1e-9) << sides[0];
    }
}

TEST(LocalPressCalc, AlphaByGrade) {
    const struct {
        const char* grade;
        double alpha;
    } cases[] = {{"C30", 1.0}, {"C50", 1.0}, {"C60", 0.95}, {"C70", 0.9}, {"C80", 0.85}};
    for (const auto& c : cases) {
        CStlcnLocalPressParam p;
        p.m_strConcreteGrade = c.grade;
        p.GetLocalPressAlpha();
        EXPECT_NEAR(p.m_dAlpha, c.alpha, 1e-12) << c.grade;
    }
}

struct CheckCase {
    const char* name;
    std::function<void(CStlcnLocalPressParam&)> setup;
    double rhoV, acor, betaCor, limit, capacity;
    const char* result;
};

// C30: fc 14.3, βc 1.0; HPB235: fy 210.
const CheckCase kChecks[] = {
    // Meshes 8 × d8 each way over 500 × 500, s = 50: Acor = 492², ρv = 2·8·16π·500/(492²·50) = 0.03322;
    // βcor = √(242064/90000) = 1.64.
    {"defaults", [](CStlcnLocalPressParam&) {}, 16 * 16 * M_PI * 500 / (242064.0 * 50), 242064, 1.64, 5212.35,
     0.9 * (3 * 14.3 + 2 * 16 * 16 * M_PI * 500 / (242064.0 * 50) * 1.64 * 210) * 90000 / 1000,
     "局部受压区的截面尺寸符合规范要求\r\n局部受压承载力满足规范要求"},
    // A spiral with π/4·1100² > Ab: Acor = Ab and βcor = βl; ρv = 4·16π/(1100·50).
    {"spiral core beyond Ab",
     [](CStlcnLocalPressParam& p) {
         p.m_strSteelType = "螺旋式";
         p.m_dCoreDiameter = 1100;
     },
     4 * 16 * M_PI / 55000, 810000, 3, 5212.35, 0.9 * (3 * 14.3 + 2 * 4 * 16 * M_PI / 55000 * 3 * 210) * 90000 / 1000,
     "局部受压区的截面尺寸符合规范要求\r\n局部受压承载力满足规范要求"},
    // Fl at the section limit passes; the capacity check follows whatever the limit says.
    {"force at the section limit",
     [](CStlcnLocalPressParam& p) {
         p.m_strPressedAreaType = "三边临空";
         p.m_dPressForce = 1.35 * 14.3 * 90000 / 1000;
     },
     16 * 16 * M_PI * 500 / (242064.0 * 50), 90000, 1, 1737.45,
     0.9 * (14.3 + 2 * 16 * 16 * M_PI * 500 / (242064.0 * 50) * 210) * 90000 / 1000,
     "局部受压区的截面尺寸符合规范要求\r\n局部受压承载力满足规范要求"},
    // A given Aln of 50000 with γo 1.1 and Fl 3000: 3300 > 1.35·3·14.3·50000/1000 = 2895.75, and above
    // the capacity 0.9·(42.9 + 2·0.0332·1.64·210)·50 = 2960.3.
    {"given Aln fails the section limit",
     [](CStlcnLocalPressParam& p) {
         p.m_bIsAutoCaltAln = 0;
         p.m_dAln = 50000;
         p.m_dImportantCoefV = 1.1;
         p.m_dPressForce = 3000;
     },
     16 * 16 * M_PI * 500 / (242064.0 * 50), 242064, 1.64, 2895.75,
     0.9 * (3 * 14.3 + 2 * 16 * 16 * M_PI * 500 / (242064.0 * 50) * 1.64 * 210) * 50000 / 1000,
     "局部受压区的截面尺寸不符合规范要求\r\n局部受压承载力不满足规范要求"},
};

TEST(LocalPressCalc, Checks) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(c.name);
        CStlcnLocalPressParam p;
        c.setup(p);
        EXPECT_EQ(p.Calculate(), 1);
        EXPECT_NEAR(p.m_dPv, c.rhoV, 1e-12);
        EXPECT_NEAR(p.m_dAcor, c.acor, 1e-6);
        EXPECT_NEAR(p.m_dBcor, c.betaCor, 1e-12);
        EXPECT_NEAR(p.CalSectionLimit(), c.limit, 1e-9);
        EXPECT_NEAR(p.CalCapacity(), c.capacity, 1e-9);
        EXPECT_EQ(p.m_strResult, CString(c.result));
    }
}

TEST(LocalPressParam, DefaultsAndKeys) {
    TempStore store;
    CStlcnLocalPressParam p;
    EXPECT_STREQ(p.GetRuntimeClass()->m_lpszClassName, "CStlcnLocalPressParam");
    EXPECT_EQ(p.strTitle, CString("局部受压承载力验算"));
    p.ReadParam("CStlcnLocalPressParam/");
    EXPECT_EQ(p.strNumber, CString("B-1"));
    EXPECT_EQ(p.m_bIsAutoCaltAln, 1);
    EXPECT_EQ(p.m_dCoreDiameter, 450);

    CStlcnLocalPressParam w;
    w.strNumber = "JB-2";
    w.m_strSteelType = "螺旋式";
    w.m_strPressedAreaType = "四边圆形";
    w.m_dImportantCoefV = 0.9;
    w.m_strConcreteGrade = "C60";
    w.m_strSteelBarGrade = "HRB335";
    w.m_dSteelInterval = 60;
    w.m_dSectionHeight = 310;
    w.m_dSectionWidth = 320;
    w.m_dSectionDiameter = 330;  // the local area's d and the spiral's dcor stay apart
    w.m_dCoreDiameter = 440;
    w.m_dLengthL1 = 510;
    w.m_dLengthL2 = 520;
    w.m_dSteelCountToL1 = 7;
    w.m_dSteelCountToL2 = 9;
    w.m_dSteelDiameterToL1 = 10;
    w.m_dSteelDiameterToL2 = 12;
    w.m_dSteelDiameter = 14;
    w.m_dPressForce = 1500;
    w.m_bIsAutoCaltAln = 0;
    w.m_dAln = 70000;
    w.Calculate();
    EXPECT_TRUE(w.WriteParam("CStlcnLocalPressParam/"));
    CStlcnLocalPressParam r;
    EXPECT_TRUE(r.ReadParam("CStlcnLocalPressParam/"));
    EXPECT_EQ(r.strNumber, w.strNumber);
    EXPECT_EQ(r.m_strSteelType, w.m_strSteelType);
    EXPECT_EQ(r.m_strPressedAreaType, w.m_strPressedAreaType);
    EXPECT_EQ(r.m_dImportantCoefV, w.m_dImportantCoefV);
    EXPECT_EQ(r.m_strConcreteGrade, w.m_strConcreteGrade);
    EXPECT_EQ(r.m_strSteelBarGrade, w.m_strSteelBarGrade);
    EXPECT_EQ(r.m_dSteelInterval, w.m_dSteelInterval);
    EXPECT_EQ(r.m_dSectionHeight, w.m_dSectionHeight);
    EXPECT_EQ(r.m_dSectionWidth, w.m_dSectionWidth);
    EXPECT_EQ(r.m_dSectionDiameter, 330);
    EXPECT_EQ(r.m_dCoreDiameter, 440);
    EXPECT_EQ(r.m_dAln, w.m_dAln);
    EXPECT_EQ(r.m_dLengthL1, w.m_dLengthL1);
    EXPECT_EQ(r.m_dLengthL2, w.m_dLengthL2);
    EXPECT_EQ(r.m_dSteelCountToL1, w.m_dSteelCountToL1);
    EXPECT_EQ(r.m_dSteelCountToL2, w.m_dSteelCountToL2);
    EXPECT_EQ(r.m_dSteelDiameterToL1, w.m_dSteelDiameterToL1);
    EXPECT_EQ(r.m_dSteelDiameterToL2, w.m_dSteelDiameterToL2);
    EXPECT_EQ(r.m_dSteelDiameter, w.m_dSteelDiameter);
    EXPECT_EQ(r.m_dPressForce, w.m_dPressForce);
    EXPECT_EQ(r.m_dFc, w.m_dFc);
    EXPECT_EQ(r.m_dFy, w.m_dFy);
    EXPECT_EQ(r.m_dAb, w.m_dAb);
    EXPECT_EQ(r.m_dAl, w.m_dAl);
    EXPECT_EQ(r.m_dBl, w.m_dBl);
    EXPECT_EQ(r.m_dBc, w.m_dBc);
    EXPECT_EQ(r.m_strWordNoteA, w.m_strWordNoteA);
    EXPECT_EQ(r.m_strWordNoteF, w.m_strWordNoteF);
    EXPECT_EQ(r.m_dPv, w.m_dPv);
    EXPECT_EQ(r.m_dAs1, w.m_dAs1);
    EXPECT_EQ(r.m_dAs2, w.m_dAs2);
    EXPECT_EQ(r.m_dAss1, w.m_dAss1);
    EXPECT_EQ(r.m_dAcor, w.m_dAcor);
    EXPECT_EQ(r.m_dBcor, w.m_dBcor);
    EXPECT_EQ(r.m_dAlpha, w.m_dAlpha);
    EXPECT_EQ(r.m_bIsAutoCaltAln, 0);
    EXPECT_EQ(r.m_strResult, CString(""));
    CString strNote;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnLocalPressParam//trWordNoteA", strNote, ""));
    EXPECT_EQ(strNote, w.m_strWordNoteA);

    qelt::host::ClearHelpRequests();
    r.OnHelpInfo(nullptr);
    ASSERT_EQ(qelt::host::HelpRequests().size(), 1u);
    EXPECT_EQ(qelt::host::HelpRequests()[0].topic, "JBSHY");
}

struct ListCase {
    const char* shape;
    const char* form;
    const char* dims;
};

const ListCase kListCases[] = {
    {"四边圆形", "方格网式", "d=300mm\nAln=70685.834706mm^2\nL1=500mm\nn1=8\nd1=8mm\nL2=500mm\nn2=8\nd2=8mm\n"},
    {"四边圆形", "螺旋式", "d=300mm\nAln=70685.834706mm^2\ndcor=450mm\nd1=8mm\n"},
    {"四边矩形", "方格网式", "a=300mm\nb=300mm\nAln=90000mm^2\nL1=500mm\nn1=8\nd1=8mm\nL2=500mm\nn2=8\nd2=8mm\n"},
    {"一边临空", "螺旋式", "a=300mm\nb=300mm\nAln=90000mm^2\ndcor=450mm\nd1=8mm\n"},
};

TEST(LocalPressParam, ListEntryByShapeAndForm) {
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(std::string(c.shape) + c.form);
        CStlcnLocalPressParam p;
        p.m_strPressedAreaType = c.shape;
        p.m_strSteelType = c.form;
        p.Calculate();
        p.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        EXPECT_EQ(entry.strType, CString("局部受压承载力验算"));
        EXPECT_EQ(entry.strDimInfo, CString(c.dims));
        EXPECT_EQ(entry.strLoadInfo, CString("Fl=2000.000kN"));
        EXPECT_EQ(entry.strResultInfo, p.m_strResult);
    }
}

using ReportCase = MemberReportCase<CStlcnLocalPressParam>;

const ReportCase kReportCases[] = {
    {"local_mesh", [](CStlcnLocalPressParam&) {}},
    {"local_spiral_circle",
     [](CStlcnLocalPressParam& p) {
         p.m_strSteelType = "螺旋式";
         p.m_strPressedAreaType = "四边圆形";
         p.m_dCoreDiameter = 1000;
         p.m_strConcreteGrade = "C60";
         p.m_dPressForce = 3000;
     }},
    // A spiral under a rectangular area: the short report names a and b, not the circle's d.
    {"local_spiral_rect",
     [](CStlcnLocalPressParam& p) {
         p.m_strSteelType = "螺旋式";
         p.m_strPressedAreaType = "一边临空";
         p.m_bIsAutoCaltAln = 0;
         p.m_dAln = 80000;
         p.m_dPressForce = 6000;
         p.m_dImportantCoefV = 1.1;
     }},
    // 四边矩形 with a 200, b 400 typed: the report prints a 400 and b 200 as used, Ab = (400 + 2·200)·3·200.
    {"local_mesh_sides_swapped",
     [](CStlcnLocalPressParam& p) {
         p.m_strPressedAreaType = "四边矩形";
         p.m_dSectionHeight = 200;
         p.m_dSectionWidth = 400;
     }},
    {"local_mesh_corner",
     [](CStlcnLocalPressParam& p) {
         p.m_strPressedAreaType = "三边临空";
         p.m_strSteelBarGrade = "HRB335";
         p.m_dSectionHeight = 200;
         p.m_dSectionWidth = 250;
         p.m_dLengthL1 = 300;
         p.m_dLengthL2 = 400;
         p.m_dSteelDiameterToL1 = 10;
         p.m_dSteelCountToL2 = 6;
     }},
};

class LocalPressReport : public testing::TestWithParam<ReportCase> {};

TEST_P(LocalPressReport, MatchesTheExpectedRows) {
    ExpectReportsAsIn("checks/members", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, LocalPressReport, testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.file); });

}  // namespace
