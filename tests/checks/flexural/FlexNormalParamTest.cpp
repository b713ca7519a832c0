// Stored keys, defaults, list entry and help of the flexural normal section.
#include <gtest/gtest.h>

#include "Printers.h"
#include "checks/flexural/FlexNormalParam.h"
#include "host/Help.h"
#include "host/Store.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "TempStore.h"

namespace {

const char kPrefix[] = "CStlcnFlexNormalParam/";

TEST(FlexNormalParam, KeyPrefixIsTheClassName) {
    CStlcnFlexNormalParam p;
    EXPECT_STREQ(p.GetRuntimeClass()->m_lpszClassName, "CStlcnFlexNormalParam");
    EXPECT_EQ(p.GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CVuskParam));
}

TEST(FlexNormalParam, AnEmptyStoreLeavesTheDefaults) {
    TempStore store;
    CStlcnFlexNormalParam p;
    p.ReadParam(kPrefix);
    EXPECT_EQ(p.strNumber, CString("L-1"));
    EXPECT_EQ(p.m_strCaltType, CString("已知弯矩求配筋"));
    EXPECT_EQ(p.m_strSectionType, CString("矩形"));
    EXPECT_EQ(p.m_strMatchBarType, CString("单筋"));
    EXPECT_EQ(p.m_strConcreteGrade, CString("C20"));
    EXPECT_EQ(p.m_strSteelBarGradePl, CString("HRB335"));
    EXPECT_EQ(p.m_dB, 400);
    EXPECT_EQ(p.m_dH, 800);
    EXPECT_EQ(p.m_dM, 500);
    EXPECT_EQ(p.m_bIsSingleRein, 1);
}

// Every field written goes under the class name, "/" and its own key, and comes back in a fresh object.
TEST(FlexNormalParam, EveryKeyRoundTrips) {
    TempStore store;
    CStlcnFlexNormalParam written;
    written.strNumber = "KL-3";
    written.m_strCaltType = "已知配筋求弯矩";
    written.m_strSectionType = "T形";
    written.m_strMatchBarType = "双筋(已知受压钢筋)";
    written.m_dB = 250.5;
    written.m_dH = 600.25;
    written.m_dBf = 1200.125;
    written.m_dHf = 120.0625;
    written.m_strConcreteGrade = "C30";
    written.m_strSteelBarGradePl = "HRB400";
    written.m_strSteelBarGradePs = "HPB235";
    written.m_dPminPl = 0.0025;
    written.m_dPminPs = 0.0031;
    written.m_dAsPl = 40.5;
    written.m_dAsPs = 45.5;
    written.m_dGo = 1.1;
    written.m_dM = 321.123;
    written.m_dAreasPl = 1234.5;
    written.m_dAreasPs = 678.25;
    written.m_bIsAutoCalt = 1;
    written.m_bIsAutoCaltPs = 1;
    written.m_bIsSingleRein = 0;
    EXPECT_TRUE(written.WriteParam(kPrefix));

    CStlcnFlexNormalParam read;
    EXPECT_TRUE(read.ReadParam(kPrefix));
    EXPECT_EQ(read.strNumber, written.strNumber);
    EXPECT_EQ(read.m_strCaltType, written.m_strCaltType);
    EXPECT_EQ(read.m_strSectionType, written.m_strSectionType);
    EXPECT_EQ(read.m_strMatchBarType, written.m_strMatchBarType);
    EXPECT_EQ(read.m_dB, written.m_dB);
    EXPECT_EQ(read.m_dH, written.m_dH);
    EXPECT_EQ(read.m_dBf, written.m_dBf);
    EXPECT_EQ(read.m_dHf, written.m_dHf);
    EXPECT_EQ(read.m_strConcreteGrade, written.m_strConcreteGrade);
    EXPECT_EQ(read.m_strSteelBarGradePl, written.m_strSteelBarGradePl);
    EXPECT_EQ(read.m_strSteelBarGradePs, written.m_strSteelBarGradePs);
    EXPECT_EQ(read.m_dPminPl, written.m_dPminPl);
    EXPECT_EQ(read.m_dPminPs, written.m_dPminPs);
    EXPECT_EQ(read.m_dAsPl, written.m_dAsPl);
    EXPECT_EQ(read.m_dAsPs, written.m_dAsPs);
    EXPECT_EQ(read.m_dGo, written.m_dGo);
    EXPECT_EQ(read.m_dM, written.m_dM);
    EXPECT_EQ(read.m_dAreasPl, written.m_dAreasPl);
    EXPECT_EQ(read.m_dAreasPs, written.m_dAreasPs);
    EXPECT_EQ(read.m_bIsAutoCalt, 1);
    EXPECT_EQ(read.m_bIsAutoCaltPs, 1);
    EXPECT_EQ(read.m_bIsSingleRein, 0);

    // The keys as stored, two slashes in a row after the class name.
    CString strNumber;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexNormalParam//strNumber", strNumber, ""));
    EXPECT_EQ(strNumber, CString("KL-3"));
    double dB = 0;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexNormalParam//dB", dB, 0.0));
    EXPECT_EQ(dB, 250.5);
    int bSingle = 1;
    EXPECT_TRUE(CVuskSave::GetValue("CStlcnFlexNormalParam//bIsSingleRein", bSingle, 1));
    EXPECT_EQ(bSingle, 0);
}

TEST(FlexNormalParam, AMissingKeyLeavesItsField) {
    TempStore store;
    ASSERT_TRUE(CVuskSave::SetValue("CStlcnFlexNormalParam//dH", 650.0));
    CStlcnFlexNormalParam p;
    p.m_dB = 333;
    p.ReadParam(kPrefix);
    EXPECT_EQ(p.m_dH, 650);
    EXPECT_EQ(p.m_dB, 333);
}

TEST(FlexNormalParam, WritingWithoutAStoreFails) {
    qelt::host::CloseStore();
    CStlcnFlexNormalParam p;
    EXPECT_FALSE(p.WriteParam(kPrefix));
}

TEST(FlexNormalParam, RestoringTheDefaultsResetsTheFlags) {
    CStlcnFlexNormalParam p;
    p.m_bIsSingleRein = 0;
    p.m_bIsAutoCalt = 1;
    p.m_bIsAutoCaltPs = 1;
    p.strNumber = "X";
    p.InitDefaultParam();
    EXPECT_EQ(p.m_bIsSingleRein, 1);
    EXPECT_EQ(p.m_bIsAutoCalt, 0);
    EXPECT_EQ(p.m_bIsAutoCaltPs, 0);
    EXPECT_EQ(p.strNumber, CString("L-1"));
}

struct ListCase {
    const char* mode;
    const char* section;
    const char* rein;
    const char* type;
    const char* dims;
    const char* load;
    const char* result;
};

// As = 1234.5 (shown 1234: halves go to the even digit), A's = 600, M = 321.1234.
const ListCase kListCases[] = {
    {"已知弯矩求配筋", "矩形", "单筋", "受弯构件纵向受拉钢筋计算", "b=400mm\nh=800mm\n", "M=321.123kN*m\n",
     "As =1234mm^2\n"},
    {"已知弯矩求配筋", "矩形", "双筋", "受弯构件纵向受拉钢筋计算", "b=400mm\nh=800mm\n", "M=321.123kN*m\n",
     "As =1234mm^2\nA's=600mm^2\n"},
    {"已知弯矩求配筋", "T形", "双筋(已知受压钢筋)", "受弯构件纵向受拉钢筋计算",
     "b=400mm\nh=800mm\nb'f=1000mm\nh'f=100mm\n", "M=321.123kN*m\nA's=600mm^2\n", "As =1234mm^2\n"},
    {"已知配筋求弯矩", "矩形", "双筋(已知受压钢筋)", "受弯构件弯矩计算", "b=400mm\nh=800mm\n",
     "As =1234mm^2\nA's=600mm^2\n", "M=321.123kN*m\n"},
    {"已知配筋求弯矩", "T形", "单筋", "受弯构件弯矩计算", "b=400mm\nh=800mm\nb'f=1000mm\nh'f=100mm\n",
     "As =1234mm^2\n", "M=321.123kN*m\n"},
};

TEST(FlexNormalParam, ListEntryByModeAndReinforcement) {
    for (const ListCase& c : kListCases) {
        CStlcnFlexNormalParam p;
        p.strNumber = "KL-2";
        p.m_strCaltType = c.mode;
        p.m_strSectionType = c.section;
        p.m_strMatchBarType = c.rein;
        p.m_dAreasPl = 1234.5;
        p.m_dAreasPs = 600;
        p.m_dM = 321.1234;
        g_VuskMainInfo.SetCurCmdBPrint(0);
        p.GetListData();
        const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
        SCOPED_TRACE(std::string(c.mode) + c.section + c.rein);
        EXPECT_EQ(entry.strType, CString(c.type));
        EXPECT_EQ(entry.strDimInfo, CString(c.dims));
        EXPECT_EQ(entry.strLoadInfo, CString(c.load));
        EXPECT_EQ(entry.strResultInfo, CString(c.result));
        EXPECT_EQ(entry.strNumber, CString("KL-2"));
        EXPECT_EQ(entry.nBPrint, 1);
    }
}

TEST(FlexNormalParam, HelpOpensTheCommandsTopic) {
    qelt::host::ClearHelpRequests();
    CStlcnFlexNormalParam p;
    EXPECT_TRUE(p.OnHelpInfo(nullptr));
    ASSERT_EQ(qelt::host::HelpRequests().size(), 1u);
    EXPECT_EQ(qelt::host::HelpRequests()[0].product, "Qelt");
    EXPECT_EQ(qelt::host::HelpRequests()[0].topic, "ZHJMJS");
    EXPECT_EQ(qelt::host::HelpRequests()[0].flag, 0);
}

}  // namespace
