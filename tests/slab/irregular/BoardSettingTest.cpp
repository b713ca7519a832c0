// The design settings are never read unset: a fresh object holds the defaults, and SetDefault
// brings an edited one back to them.
#include <gtest/gtest.h>

#include "slab/irregular/BoardSetting.h"

namespace {

void ExpectDefaults(const CBoardSetting& v)
{
    EXPECT_EQ(v.m_dEverLoadCoef, 1.2);
    EXPECT_EQ(v.m_dActLoadCoef, 1.4);
    EXPECT_EQ(v.m_dImportCoef, 1.0);
    EXPECT_EQ(v.m_strReinGrade, CString("HRB335"));
    EXPECT_EQ(v.m_strColuReinType, CString("带肋钢筋"));
    EXPECT_EQ(v.m_dNaoDu, 2.0);
    EXPECT_EQ(v.m_dBoxLength, 500.0);
    EXPECT_EQ(v.m_nCloudNum, 10);
    EXPECT_EQ(v.m_nBoardWidth, 100.0);
}

TEST(BoardSetting, FreshAndResetHoldTheDefaults) {
    ExpectDefaults(CBoardSetting());
    CBoardSetting edited;
    edited.m_dEverLoadCoef = 1.35;
    edited.m_dBoxLength = 10;
    edited.m_strReinGrade = "HPB235";
    edited.m_nCloudNum = 3;
    edited.SetDefault();
    ExpectDefaults(edited);
}

}  // namespace
