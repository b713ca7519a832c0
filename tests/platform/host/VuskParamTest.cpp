#include <gtest/gtest.h>

#include "Printers.h"
#include "TempStore.h"
#include "host/Help.h"
#include "host/VuskMainInfo.h"
#include "host/VuskParam.h"
#include "host/VuskSave.h"

namespace {

// A parameter class without a record of its own that overrides nothing but the help, as the
// embedded part's does.
class CBareParam : public CVuskParam {
public:
    BOOL OnHelpInfo(HELPINFO*) override { return AdsHelp("Qelt", "YMJJS", 0); }
};

CString KeyPrefix(const CVuskParam& param) { return CString(param.GetRuntimeClass()->m_lpszClassName) + "/"; }

TEST(VuskParam, BaseOperations) {
    TempStore store;
    CBareParam param;
    EXPECT_EQ(KeyPrefix(param), "CVuskParam/");
    EXPECT_TRUE(param.IsKindOf(RUNTIME_CLASS(CVuskParam)));

    // Another class under the same prefix keeps its member number there.
    ASSERT_TRUE(CVuskSave::SetValue("CVuskParam//strNumber", "TB-1"));
    param.strNumber = "";
    CVuskParam& base = param;
    EXPECT_TRUE(base.WriteParam(KeyPrefix(param)));
    EXPECT_TRUE(base.ReadParam(KeyPrefix(param)));
    CString stored;
    CVuskSave::GetValue("CVuskParam//strNumber", stored, "");
    EXPECT_EQ(stored, "TB-1");

    EXPECT_EQ(base.Calculate(), 1);
    EXPECT_EQ(base.BuildWordC(), 1);
    EXPECT_EQ(base.BuildWordS(), 1);
    EXPECT_EQ(param.wordC.GetRowCount(), 0);

    qelt::host::CloseStore();
    EXPECT_FALSE(base.WriteParam(KeyPrefix(param))) << "no store to write to";
}

TEST(VuskParam, ListEntryFromTheFourTexts) {
    CVuskParam param;
    param.strNumber = "L-1";
    param.strCmdType = "井字梁计算";
    param.strDimInfo = "a=6m\n";
    param.strLoadInfo = "q=10kN/m^2\n";
    param.strResultInfo = "M=20kN*m\n";
    param.GetListData();
    const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
    EXPECT_EQ(entry.strNumber, "L-1");
    EXPECT_EQ(entry.strType, "井字梁计算");
    EXPECT_EQ(entry.strDimInfo, "a=6m\n");
    EXPECT_EQ(entry.strLoadInfo, "q=10kN/m^2\n");
    EXPECT_EQ(entry.strResultInfo, "M=20kN*m\n");
    EXPECT_EQ(entry.nBPrint, 1);

    param.InitDefaultParam();
    EXPECT_EQ(param.strNumber, "");
    EXPECT_EQ(param.strResultInfo, "");
}

TEST(VuskParam, AssignmentCopiesTextsAndReports) {
    CVuskParam source, copy;
    source.strNumber = "L-2";
    source.strTitle = "受弯构件纵向受拉钢筋面积计算\n";
    source.wordC.WriteTitleInfo("计算书\n");
    source.wordS.WriteSectionTitle("一、构件编号: \tL-2");
    CVuskParam& target = copy;
    target = source;
    EXPECT_EQ(copy.strNumber, "L-2");
    EXPECT_EQ(copy.strTitle, source.strTitle);
    EXPECT_EQ(copy.wordC.GetRowCount(), 1);
    EXPECT_EQ(copy.wordS.GetRowCount(), 1);
}

TEST(VuskParam, HelpOfTheBaseAndOfAClass) {
    qelt::host::ClearHelpRequests();
    CVuskParam base;
    CBareParam bare;
    EXPECT_TRUE(base.OnHelpInfo(nullptr));
    EXPECT_TRUE(static_cast<CVuskParam&>(bare).OnHelpInfo(nullptr));
    const auto& requests = qelt::host::HelpRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].product, "Qelt");
    EXPECT_EQ(requests[0].topic, "");
    EXPECT_EQ(requests[1].topic, "YMJJS");
}

}  // namespace
