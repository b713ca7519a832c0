// Stored keys, defaults, list entry and help of the axial compression check.
#include <gtest/gtest.h>

#include "Printers.h"
#include "checks/members/PillarParam.h"
#include "host/Help.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "TempStore.h"

namespace {

const char kPrefix[] = "CStlcnPillarParam/";

TEST(PillarParam, KeyPrefixIsTheClassName) {
    CStlcnPillarParam p;
    EXPECT_STREQ(p.GetRuntimeClass()->m_lpszClassName, "CStlcnPillarParam");
    EXPECT_EQ(p.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CVuskParam));
}

TEST(PillarParam, AnEmptyStoreLeavesTheDefaults) {
    TempStore store;
    CStlcnPillarParam p;
    p.ReadParam(kPrefix);
    EXPECT_EQ(p.strNumber, CString("ZH-1"));
    EXPECT_EQ(p.m_strCaltType, CString("已知压力求配筋"));
    EXPECT_EQ(p.m_strSectionType, CString("矩形"));
    EXPECT_EQ(p.m_strGrade, CString("C30"));
    EXPECT_EQ(p.m_strSteelType, CString("HRB335"));
    EXPECT_EQ(p.m_dCaltLength, 5000);
    EXPECT_EQ(p.m_dSectionWidth, 400);
    EXPECT_EQ(p.m_dSectionHeight, 400);
    EXPECT_EQ(p.m_dSectionDiameter, 400);
    EXPECT_EQ(p.m_dAxialForce, 2000);
    EXPECT_EQ(p.m_dPressedSteelArea, 500);
    EXPECT_EQ(p.m_dPgMin, 0.6);
    EXPECT_EQ(p.m_dImportantModulus, 1.0);
    EXPECT_EQ(p.m_bIsMultCoef, 0);
    EXPECT_EQ(p.m_dEc, 0);
    EXPECT_EQ(p.m_dOldAxialForce, 0);
}

// Every key written under the class name, "/" and the field's key comes back in a fresh object.
TEST(PillarParam, EveryKeyRoundTrips) {
    TempStore store;
    CStlcnPillarParam w;
    w.strNumber = "KZ-9";
    w.m_dCaltLength = 4200.5;
    w.m_strCaltType = "已知配筋求压力";
    w.m_strGrade = "C25";
    w.m_strSteelType = "HRB400";
    w.m_dSectionDiameter = 350.25;
    w.m_dSectionHeight = 450.5;
    w.m_dSectionWidth = 300.75;
    w.m_strSectionType = "圆形";
    w.m_dAxialForce = 1234.567;
    w.m_dPressedSteelArea = 987.5;
    w.m_dPgMin = 0.8;
    w.m_dImportantModulus = 1.1;
    w.m_dEc = 3.0e4;
    w.m_dFt = 1.27;
    w.m_dFc = 11.9;
    w.m_dFy = 360;
    w.m_dA = 1.5e5;
    w.m_dQ = 0.913;
    w.m_dSteelArea = 876.5;
    w.m_dOldA = 1.6e5;
    w.m_dOldAxialForce = 2.5e6;
    w.m_bIsMultCoef = 1;
    EXPECT_TRUE(w.WriteParam(kPrefix));

    CStlcnPillarParam r;
    EXPECT_TRUE(r.ReadParam(kPrefix));
    EXPECT_EQ(r.strNumber, w.strNumber);
    EXPECT_EQ(r.m_dCaltLength, w.m_dCaltLength);
    EXPECT_EQ(r.m_strCaltType, w.m_strCaltType);
    EXPECT_EQ(r.m_strGrade, w.m_strGrade);
    EXPECT_EQ(r.m_strSteelType, w.m_strSteelType);
    EXPECT_EQ(r.m_dSectionDiameter, w.m_dSectionDiameter);
    EXPECT_EQ(r.m_dSectionHeight, w.m_dSectionHeight);
    EXPECT_EQ(r.m_dSectionWidth, w.m_dSectionWidth);
    EXPECT_EQ(r.m_strSectionType, w.m_strSectionType);
    EXPECT_EQ(r.m_dAxialForce, w.m_dAxialForce);
    EXPECT_EQ(r.m_dPressedSteelArea, w.m_dPressedSteelArea);
    EXPECT_EQ(r.m_dPgMin, w.m_dPgMin);
    EXPECT_EQ(r.m_dImportantModulus, w.m_dImportantModulus);
    EXPECT_EQ(r.m_dEc, w.m_dEc);
    EXPECT_EQ(r.m_dFt, w.m_dFt);
    EXPECT_EQ(r.m_dFc, w.m_dFc);
    EXPECT_EQ(r.m_dFy, w.m_dFy);
    EXPECT_EQ(r.m_dA, w.m_dA);
    EXPECT_EQ(r.m_dQ, w.m_dQ);
    EXPECT_EQ(r.m_dSteelArea, w.m_dSteelArea);
    EXPECT_EQ(r.m_dOldA, w.m_dOldA);
    EXPECT_EQ(r.m_dOldAxialForce, w.m_dOldAxialForce);
    EXPECT_EQ(r.m_bIsMultCoef, 1);

    CString strNumber;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnPillarParam//strNumber", strNumber, ""));
    EXPECT_EQ(strNumber, CString("KZ-9"));
    int bMult = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnPillarParam//bIsMultCoef", bMult, 0));
    EXPECT_EQ(bMult, 1);
}

TEST(PillarParam, RestoringTheDefaults) {
    CStlcnPillarParam p;
    p.strNumber = "X";
    p.m_strSectionType = "圆形";
    p.m_bIsMultCoef = 1;
    p.m_dQ = 0.5;
    p.InitDefaultParam();
    EXPECT_EQ(p.strNumber, CString("ZH-1"));
    EXPECT_EQ(p.m_strSectionType, CString("矩形"));
    EXPECT_EQ(p.m_bIsMultCoef, 0);
    EXPECT_EQ(p.m_dQ, 0.5);  // a result, not a default
}

struct ListCase {
    const char* mode;
    const char* section;
    const char* dims;
    const char* load;
    const char* result;
};

const ListCase kListCases[] = {
    {"已知压力求配筋", "矩形", "b=400mm\nh=450.5mm\nlo=5000mm\n", "N=1234.568kN", "A's=988mm^2"},
    {"已知配筋求压力", "圆形", "d=350mm\nlo=5000mm\n", "A's=988mm^2", "N=1234.568kN"},
};

// The calculation type in the list is the mode; the title is set to the report's all the same.
TEST(PillarParam, ListEntryByModeAndSection) {
    for (const ListCase& c : kListCases) {
        SCOPED_TRACE(std::string(c.mode) + c.section);
        CStlcnPillarParam p;
        p.strNumber = "KZ-2";
        p.m_strCaltType = c.mode;
        p.m_strSectionType = c.section;
        p.m_dSectionHeight = 450.5;
        p.m_dSectionDiameter = 350;
        p.m_dAxialForce = 1234.5678;
        p.m_dPressedSteelArea = 987.6;
        g_VuskMainInfo.SetCurCmdBPrint(0);
        p.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        EXPECT_EQ(entry.strType, CString(c.mode));
        EXPECT_EQ(entry.strDimInfo, CString(c.dims));
        EXPECT_EQ(entry.strLoadInfo, CString(c.load));
        EXPECT_EQ(entry.strResultInfo, CString(c.result));
        EXPECT_EQ(entry.strNumber, CString("KZ-2"));
        EXPECT_EQ(entry.nBPrint, 1);
        EXPECT_EQ(p.strTitle, CString(c.mode == std::string("已知压力求配筋") ? "轴心受压构件纵向受压钢筋计算"
                                                                              : "轴心受压构件轴向力设计值计算"));
    }
}

TEST(PillarParam, HelpOpensTheCommandsTopic) {
    qelt::host::ClearHelpRequests();
    CStlcnPillarParam p;
    EXPECT_TRUE(p.OnHelpInfo(nullptr));
    ASSERT_EQ(qelt::host::HelpRequests().size(), 1u);
    EXPECT_EQ(qelt::host::HelpRequests()[0].product, "Qelt");
    EXPECT_EQ(qelt::host::HelpRequests()[0].topic, "ZHXSHY");
}

}  // namespace
