// The punching check: its calculation against values worked by hand from GB 50010-2002 7.7
// (βs = max(a/b, 2), η = min(0.4 + 1.2/βs, 0.5 + αs·ho/(4Um)), βh between 1.0 at h = 800 and 0.9 at
// 2000, Fl = N less q over the cone's base, 0.7βh·ft·η·Um·ho, 1.05ft·η·Um·ho, 0.35ft·η·Um·ho + 0.8fyv·Asvu
// or + 0.8fy·Asbu·sinα), its stored keys, list entry and whole reports.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "MemberReports.h"
#include "Printers.h"
#include "checks/members/DiecuttingParam.h"
#include "host/Help.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "TempStore.h"

namespace {

struct FactorCase {
    double a, b, h;
    double betaS, betaH;
};

const FactorCase kFactorCases[] = {
    // βs takes the longer side over the shorter whichever box holds it: 1000/400 both ways.
    {400, 400, 200, 2, 1.0},      {1000, 400, 800, 2.5, 1.0}, {400, 1000, 1400, 2.5, 0.95},
    {600, 300, 2000, 2, 0.9},     {600, 300, 2500, 2, 0.9},   {400, 400, 1000, 2, 1 - 200.0 / 12000},
};

TEST(DiecuttingCalc, BetaSAndBetaH) {
    for (const FactorCase& c : kFactorCases) {
        CStlcnDiecuttingParam p;
        p.m_dSectionHeight = c.a;
        p.m_dSectionWidth = c.b;
        p.m_dBoardHeight = c.h;
        p.Calculate();
        EXPECT_DOUBLE_EQ(p.m_dBs, c.betaS) << c.a << "/" << c.b;
        EXPECT_NEAR(p.m_dBh, c.betaH, 1e-15) << c.h;
    }
}

struct CheckCase {
    const char* name;
    std::function<void(CStlcnDiecuttingParam&)> setup;
    double um, eta, fl;
    const char* result;
};

// C30: ft = 1.43; HPB235: 210; HRB335: 300.
const CheckCase kCheckCases[] = {
    // 400 × 400, ho 180: Um = 2320, η = min(1.0, 1.276) = 1.0; 0.7·1.43·2320·180 = 418.018 ≥ 200.
    {"defaults", [](CStlcnDiecuttingParam&) {}, 2320, 1.0, 200, "未配筋的板冲切承载力满足规范要求。"},
    // γo·Fl = 418.0176 exactly at the capacity passes.
    {"load at the capacity", [](CStlcnDiecuttingParam& p) { p.m_dFl = 418.0176; }, 2320, 1.0, 418.0176,
     "未配筋的板冲切承载力满足规范要求。"},
    {"load above the capacity", [](CStlcnDiecuttingParam& p) { p.m_dFl = 418.02; }, 2320, 1.0, 418.02,
     "未配筋的板冲切承载力不满足规范要求。"},
    // a/b = 2.5 at a corner: Um = a + b + ho = 1000 + 400 + 180 = 1580, η = min(0.88,
    // 0.5 + 20·180/(4·1580)) = 0.88; 0.7·1.43·0.88·1580·180 = 250.52 < 1.1·600.
    {"corner column fails",
     [](CStlcnDiecuttingParam& p) {
         p.m_dSectionHeight = 1000;
         p.m_strPillarForceType = "角柱";
         p.m_dImportantCoefV = 1.1;
         p.m_dFl = 600;
     },
     1580, 0.88, 600, "未配筋的板冲切承载力不满足规范要求。"},
    // a 400, b 1000 typed against the labels: βs = 1000/400 = 2.5, Um = 2·1180 + 2·580 = 3520,
    // η = min(0.88, 0.5 + 40·180/(4·3520)) = 0.88: 0.7·1.43·0.88·3520·180 = 558.13 < 600 (not the
    // 634 of βs 2 and η 1.0).
    {"sides typed short first",
     [](CStlcnDiecuttingParam& p) {
         p.m_dSectionWidth = 1000;
         p.m_dFl = 600;
     },
     3520, 0.88, 600, "未配筋的板冲切承载力不满足规范要求。"},
    // Reaction: Fl = 200 − 10·0.76·0.76 = 194.224.
    {"reaction on a rectangle", [](CStlcnDiecuttingParam& p) { p.m_strBoardForceType = "集中反力作用"; }, 2320, 1.0,
     194.224, "未配筋的板冲切承载力满足规范要求。"},
    // A reaction smaller than the load inside the cone: Fl < 0, and the check passes.
    {"reaction cancelled",
     [](CStlcnDiecuttingParam& p) {
         p.m_strBoardForceType = "集中反力作用";
         p.m_strSectionType = "圆形";
         p.m_dForceN = 4;
     },
     M_PI * 580, 1.0, 4 - 10 * 0.76 * 0.76 * M_PI / 4, "未配筋的板冲切承载力满足规范要求。"},
    // Stirrups: 0.35·1.43·2320·180 + 0.8·210·1500 = 461.012 kN; section limit 627.026.
    {"stirrups", [](CStlcnDiecuttingParam& p) { p.m_strDieCuttingType = "配筋"; }, 2320, 1.0, 200,
     "受冲切截面符合条件; 配筋的板冲切承载力满足规范要求。"},
    // Fl = 650 beyond the section limit 627.026 and the capacity 461.012: both verdicts fail.
    {"stirrups, section too thin",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_dFl = 650;
     },
     2320, 1.0, 650, "受冲切截面不符合条件，请加大板厚; 配筋的板冲切承载力不满足规范要求。"},
    // Fl = 628 just beyond the limit 1.05·1.43·2320·180 = 627.026 with 20000 mm² of stirrups
    // (0.35·1.43·2320·180 + 0.8·210·20000 = 3569 kN): the section has no capacity, the verdict fails.
    {"stirrups, section too thin however much steel",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_dAsvu = 20000;
         p.m_dFl = 628;
     },
     2320, 1.0, 628, "受冲切截面不符合条件，请加大板厚; 配筋的板冲切承载力不满足规范要求。"},
    // Bent-up bars at 30°: 0.35·1.43·2320·180 + 0.8·210·1500·0.5 = 335.012 < 340.
    {"bent-up bars",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_strSteelStyle = "弯起钢筋";
         p.m_dA = 30;
         p.m_dFl = 340;
     },
     2320, 1.0, 340, "受冲切截面符合条件; 配筋的板冲切承载力不满足规范要求。"},
};

TEST(DiecuttingCalc, Verdicts) {
    for (const CheckCase& c : kCheckCases) {
        SCOPED_TRACE(c.name);
        CStlcnDiecuttingParam p;
        c.setup(p);
        EXPECT_EQ(p.Calculate(), 1);
        EXPECT_NEAR(p.m_dUm, c.um, 1e-9);
        EXPECT_NEAR(p.m_dG, c.eta, 1e-12);
        EXPECT_NEAR(p.m_dFl, c.fl, 1e-9);
        EXPECT_EQ(p.m_strResult, CString(c.result));
    }
}

struct PerimeterCase {
    const char* name;
    const char* position;
    const char* section;
    double a, b, d, ho;
    double um;
    double capacity;  // 0.7·βh·ft·η·Um·ho, kN (0: not worked)
};

// The critical section at ho/2 (7.7.1), with the slab's free edge(s) at the column's outer face(s).
// 600 × 400, ho 260, h 300 (βh 1.0), C35 (ft 1.57), βs 2 so η1 = 1.0:
//   edge:   Um = a + 2b + 2ho = 600 + 800 + 520 = 1920 (the other way 2a + b + 2ho = 2120 is larger),
//           η2 = 0.5 + 30·260/(4·1920) = 1.516: 0.7·1.57·1920·260 = 548.621 kN;
//   corner: Um = a + b + ho = 1260, η2 = 1.532: 0.7·1.57·1260·260 = 360.032 kN;
//   inner:  Um = 2·860 + 2·660 = 3040, η2 = 1.355: 868.650 kN.
// Circle d 400, ho 180: the circle of diameter 580 less the arcs beyond the edges, θ = arccos(400/580)
// = 0.80978: edge (2π − 2θ)·290 = 1352.449; corner, θ > π/4, (3π/2 − 2θ)·290 = 896.918.
// d 600, ho 200: θ = arccos(600/800) = 0.72273 < π/4, corner (2π − 4θ)·400 = 1356.899.
const PerimeterCase kPerimeterCases[] = {
    {"edge column", "边柱", "矩形", 600, 400, 0, 260, 1920, 548.6208},
    {"edge column, sides swapped", "边柱", "矩形", 400, 600, 0, 260, 1920, 548.6208},
    {"corner column", "角柱", "矩形", 600, 400, 0, 260, 1260, 360.0324},
    {"inner column", "中柱", "矩形", 600, 400, 0, 260, 3040, 868.6496},
    {"circular edge column", "边柱", "圆形", 0, 0, 400, 180, 1352.44926699, 0},
    {"circular corner column", "角柱", "圆形", 0, 0, 400, 180, 896.91833222, 0},
    {"circular corner column, arcs apart", "角柱", "圆形", 0, 0, 600, 200, 1356.89932637, 0},
    {"circular inner column", "中柱", "圆形", 0, 0, 400, 180, M_PI * 580, 0},
};

TEST(DiecuttingCalc, PerimeterByColumnPosition) {
    for (const PerimeterCase& c : kPerimeterCases) {
        SCOPED_TRACE(c.name);
        CStlcnDiecuttingParam p;
        p.m_strPillarForceType = c.position;
        p.m_strSectionType = c.section;
        p.m_dSectionHeight = c.a;
        p.m_dSectionWidth = c.b;
        p.m_dSectionDiameter = c.d;
        p.m_dBoardValidHeight = c.ho;
        p.m_dBoardHeight = c.ho + 40;
        p.m_strConcreteGrade = "C35";
        p.Calculate();
        EXPECT_NEAR(p.m_dUm, c.um, 1e-6);
        if (c.capacity > 0) {
            EXPECT_NEAR(p.CalCapacity(), c.capacity, 1e-9);
        }
    }
}

struct ConeCase {
    const char* name;
    const char* position;
    const char* section;
    double a, b, d, ho;
    double fl;  // N − q·A, N 500 kN, q 100 kN/m²
};

// The load on the slab inside the punching cone, whose base reaches ho beyond the column's faces, is
// taken off N; at an edge or a corner the slab stops at the free edge(s) at the column's outer
// face(s), an edge column's long side along its edge as for Um.
// 600 × 400, ho 260 (m): inner (0.6 + 0.52)(0.4 + 0.52) = 1.0304, Fl = 500 − 103.04 = 396.96;
//   edge (0.6 + 0.52)(0.4 + 0.26) = 0.7392, Fl 426.08; corner (0.6 + 0.26)(0.4 + 0.26) = 0.5676, 443.24.
// Circle d 400, ho 180: R = 0.38, c = 0.2 from the centre to a free edge, R² = 0.1444,
//   φ = arccos(0.2/0.38) = 1.0165345, sinφ·cosφ = 0.8502892·0.5263158 = 0.4475206, cos²φ = 0.2770083;
//   inner πR² = 0.4536460, Fl 454.635402;
//   edge, less the segment R²(φ − sinφcosφ): R²(π − φ + sinφcosφ) = 0.1444·2.5725788 = 0.3714804,
//   Fl 462.851962;
//   corner, φ > π/4 so the two segments overlap by R²(φ − π/4) − c(R·sinφ − c):
//   R²(3π/4 − φ + sinφcosφ + cos²φ) = 0.1444·2.0641889 = 0.2980689, Fl 470.193112.
// Circle d 600, ho 50: R = 0.35, c = 0.3, φ = arccos(0.3/0.35) = 0.5410995 ≤ π/4 (segments apart),
//   sinφ·cosφ = 0.4414961: corner R²(π − 2φ + 2sinφcosφ) = 0.1225·2.9423858 = 0.3604423, Fl 463.955775.
// (A strip sum over the circle, cut at the edges, gives the same areas to 5e-5 m².)
const ConeCase kConeCases[] = {
    {"inner column", "中柱", "矩形", 600, 400, 0, 260, 396.96},
    {"edge column", "边柱", "矩形", 600, 400, 0, 260, 426.08},
    {"edge column, sides swapped", "边柱", "矩形", 400, 600, 0, 260, 426.08},
    {"corner column", "角柱", "矩形", 600, 400, 0, 260, 443.24},
    {"circular inner column", "中柱", "圆形", 0, 0, 400, 180, 454.6354020},
    {"circular edge column", "边柱", "圆形", 0, 0, 400, 180, 462.8519624},
    {"circular corner column", "角柱", "圆形", 0, 0, 400, 180, 470.1931119},
    {"circular corner column, segments apart", "角柱", "圆形", 0, 0, 600, 50, 463.9557755},
};

TEST(DiecuttingCalc, ReactionLessTheLoadInsideTheCone) {
    for (const ConeCase& c : kConeCases) {
        SCOPED_TRACE(c.name);
        CStlcnDiecuttingParam p;
        p.m_strBoardForceType = "集中反力作用";
        p.m_strPillarForceType = c.position;
        p.m_strSectionType = c.section;
        p.m_dSectionHeight = c.a;
        p.m_dSectionWidth = c.b;
        p.m_dSectionDiameter = c.d;
        p.m_dBoardValidHeight = c.ho;
        p.m_dBoardHeight = c.ho + 40;
        p.m_dForceN = 500;
        p.m_dBoardQ = 100;
        p.Calculate();
        EXPECT_NEAR(p.m_dFl, c.fl, 1e-6);
    }
}

TEST(DiecuttingCalc, Capacities) {
    CStlcnDiecuttingParam p;
    p.m_strDieCuttingType = "配筋";
    p.Calculate();
    EXPECT_NEAR(p.CalSectionLimit(), 1.05 * 1.43 * 2320 * 180 / 1000, 1e-9);
    EXPECT_NEAR(p.CalCapacity(), (0.35 * 1.43 * 2320 * 180 + 0.8 * 210 * 1500) / 1000, 1e-9);
    p.m_strSteelStyle = "弯起钢筋";
    p.m_strSteelBarGrade = "HRB335";
    p.Calculate();
    EXPECT_NEAR(p.CalCapacity(), (0.35 * 1.43 * 2320 * 180 + 0.8 * 300 * 1500 * std::sqrt(0.5)) / 1000, 1e-9);
    EXPECT_EQ(p.m_dA, 45);  // α stays in degrees
}

TEST(DiecuttingParam, DefaultsAndKeys) {
    TempStore store;
    CStlcnDiecuttingParam p;
    EXPECT_STREQ(p.GetRuntimeClass()->m_lpszClassName, "CStlcnDiecuttingParam");
    p.ReadParam("CStlcnDiecuttingParam/");
    EXPECT_EQ(p.strNumber, CString("B-1"));
    EXPECT_EQ(p.m_strDieCuttingType, CString("不配筋"));
    EXPECT_EQ(p.m_strBoardForceType, CString("局部荷载作用"));
    EXPECT_EQ(p.m_dBoardValidHeight, 180);

    CStlcnDiecuttingParam w;
    w.strNumber = "B-7";
    w.m_strDieCuttingType = "配筋";
    w.m_strSteelStyle = "弯起钢筋";
    w.m_strPillarForceType = "边柱";
    w.m_strBoardForceType = "集中反力作用";
    w.m_dImportantCoefV = 1.1;
    w.m_strSectionType = "圆形";
    w.m_dSectionHeight = 501;
    w.m_dSectionWidth = 302;
    w.m_dSectionDiameter = 403;
    w.m_dBoardHeight = 254;
    w.m_dBoardValidHeight = 225;
    w.m_strConcreteGrade = "C40";
    w.m_strSteelBarGrade = "HRB335";
    w.m_dAsvu = 1206;
    w.m_dAsbu = 1307;
    w.m_dA = 60;
    w.m_dFl = 208;
    w.m_dBoardQ = 9;
    w.m_dForceN = 310;
    w.Calculate();
    w.m_strResult = "not stored";
    EXPECT_TRUE(w.WriteParam("CStlcnDiecuttingParam/"));
    CStlcnDiecuttingParam r;
    EXPECT_TRUE(r.ReadParam("CStlcnDiecuttingParam/"));
    EXPECT_EQ(r.strNumber, w.strNumber);
    EXPECT_EQ(r.m_strDieCuttingType, w.m_strDieCuttingType);
    EXPECT_EQ(r.m_strSteelStyle, w.m_strSteelStyle);
    EXPECT_EQ(r.m_strPillarForceType, w.m_strPillarForceType);
    EXPECT_EQ(r.m_strBoardForceType, w.m_strBoardForceType);
    EXPECT_EQ(r.m_dImportantCoefV, w.m_dImportantCoefV);
    EXPECT_EQ(r.m_strSectionType, w.m_strSectionType);
    EXPECT_EQ(r.m_dSectionHeight, w.m_dSectionHeight);
    EXPECT_EQ(r.m_dSectionWidth, w.m_dSectionWidth);
    EXPECT_EQ(r.m_dSectionDiameter, w.m_dSectionDiameter);
    EXPECT_EQ(r.m_dBoardHeight, w.m_dBoardHeight);
    EXPECT_EQ(r.m_dBoardValidHeight, w.m_dBoardValidHeight);
    EXPECT_EQ(r.m_strConcreteGrade, w.m_strConcreteGrade);
    EXPECT_EQ(r.m_strSteelBarGrade, w.m_strSteelBarGrade);
    EXPECT_EQ(r.m_dAsvu, w.m_dAsvu);
    EXPECT_EQ(r.m_dAsbu, w.m_dAsbu);
    EXPECT_EQ(r.m_dA, w.m_dA);
    EXPECT_EQ(r.m_dFl, w.m_dFl);
    EXPECT_EQ(r.m_dBoardQ, w.m_dBoardQ);
    EXPECT_EQ(r.m_dForceN, w.m_dForceN);
    EXPECT_EQ(r.m_dFt, w.m_dFt);
    EXPECT_EQ(r.m_dFyv, w.m_dFyv);
    EXPECT_EQ(r.m_dFy, w.m_dFy);
    EXPECT_EQ(r.m_dBs, w.m_dBs);
    EXPECT_EQ(r.m_dAs, w.m_dAs);
    EXPECT_EQ(r.m_dUm, w.m_dUm);
    EXPECT_EQ(r.m_dG, w.m_dG);
    EXPECT_EQ(r.m_dBh, w.m_dBh);
    EXPECT_EQ(r.m_strResult, CString(""));
    double dAsbu = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnDiecuttingParam//dAsbu", dAsbu, 0.0));
    EXPECT_EQ(dAsbu, 1307);
}

TEST(DiecuttingParam, RestoringTheDefaultsSetsTheTitle) {
    CStlcnDiecuttingParam p;
    p.m_strDieCuttingType = "配筋";
    p.m_strResult = "x";
    p.InitDefaultParam();
    EXPECT_EQ(p.strTitle, CString("板的冲切承载力验算"));
    EXPECT_EQ(p.m_strDieCuttingType, CString("不配筋"));
    EXPECT_EQ(p.m_strResult, CString(""));
    qelt::host::ClearHelpRequests();
    p.OnHelpInfo(nullptr);
    ASSERT_EQ(qelt::host::HelpRequests().size(), 1u);
    EXPECT_EQ(qelt::host::HelpRequests()[0].topic, "CHQJS");
}

TEST(DiecuttingParam, ListEntry) {
    CStlcnDiecuttingParam p;
    p.m_strSectionType = "圆形";
    p.m_strBoardForceType = "集中反力作用";
    p.m_dForceN = 250.5;
    p.Calculate();
    p.GetListData();
    const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
    EXPECT_EQ(entry.strType, CString("冲切承载力计算"));
    EXPECT_EQ(entry.strDimInfo, CString("d=400mm\nh=200mm\nho=180mm\n"));
    EXPECT_EQ(entry.strLoadInfo, CString("N=250.500kN\nq=10.000kN/m^2"));
    EXPECT_EQ(entry.strResultInfo, CString("未配筋的板冲切承载力满足规范要求。"));
    EXPECT_EQ(entry.strNumber, CString("B-1"));
    EXPECT_EQ(p.strTitle, CString("冲切承载力计算"));
}

using ReportCase = MemberReportCase<CStlcnDiecuttingParam>;

const ReportCase kReportCases[] = {
    {"punching_plain", [](CStlcnDiecuttingParam&) {}},
    {"punching_bent_reaction",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_strSteelStyle = "弯起钢筋";
         p.m_strBoardForceType = "集中反力作用";
     }},
    {"punching_stirrups_circle",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_strSectionType = "圆形";
         p.m_strPillarForceType = "边柱";
         p.m_dBoardHeight = 1000;
         p.m_dBoardValidHeight = 960;
         p.m_dFl = 9000;
         p.m_strSteelBarGrade = "HRB335";
     }},
    {"punching_plain_cancelled",
     [](CStlcnDiecuttingParam& p) {
         p.m_strBoardForceType = "集中反力作用";
         p.m_strSectionType = "圆形";
         p.m_dForceN = 4;
     }},
    // An edge column 600 × 400 typed with the short side first, h 1400, ho 1350, C35: the sides are
    // printed as used (a 600, b 400), Um = 600 + 2·400 + 2·1350 = 4100, βh = 1 − 600/12000 = 0.950 in
    // both of its lines: 0.7·0.95·1.57·1.0·4100·1350 = 5778.817 kN.
    {"punching_edge_interpolated",
     [](CStlcnDiecuttingParam& p) {
         p.m_strPillarForceType = "边柱";
         p.m_dSectionHeight = 400;
         p.m_dSectionWidth = 600;
         p.m_dBoardHeight = 1400;
         p.m_dBoardValidHeight = 1350;
         p.m_strConcreteGrade = "C35";
     }},
    // An edge column 600 × 400 under a reaction, stirrups, ho 260, N 500, q 100: the cone stops at the
    // free edge, Fl = 500 − (0.6 + 0.52)(0.4 + 0.26)·100 = 426.080 kN.
    {"punching_edge_reaction",
     [](CStlcnDiecuttingParam& p) {
         p.m_strDieCuttingType = "配筋";
         p.m_strBoardForceType = "集中反力作用";
         p.m_strPillarForceType = "边柱";
         p.m_dSectionHeight = 600;
         p.m_dBoardHeight = 300;
         p.m_dBoardValidHeight = 260;
         p.m_dForceN = 500;
         p.m_dBoardQ = 100;
     }},
    // A circular corner column d 400, ho 180, N 500, q 100: φ = arccos(400/760) = 1.017 > π/4,
    // Fl = 500 − 0.1444·(3π/4 − φ + sinφcosφ + cos²φ)·100 = 470.193 kN.
    {"punching_corner_circle_reaction",
     [](CStlcnDiecuttingParam& p) {
         p.m_strBoardForceType = "集中反力作用";
         p.m_strPillarForceType = "角柱";
         p.m_strSectionType = "圆形";
         p.m_dForceN = 500;
         p.m_dBoardQ = 100;
     }},
    {"punching_plain_fails",
     [](CStlcnDiecuttingParam& p) {
         p.m_dSectionHeight = 1000;
         p.m_strPillarForceType = "角柱";
         p.m_dImportantCoefV = 1.1;
         p.m_dFl = 600;
     }},
};

class DiecuttingReport : public testing::TestWithParam<ReportCase> {};

TEST_P(DiecuttingReport, MatchesTheExpectedRows) {
    ExpectReportsAsIn("checks/members", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, DiecuttingReport, testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.file); });

}  // namespace
