// The embedded part's stored values: the keys in order with their defaults, and the round trip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempStore.h"
#include "embed/PreComParam.h"
#include "host/YorFile.h"

namespace {

// Key suffix and its default written as text ("%d", "%g" or the string itself).
struct ExpectedKey {
    const char* pszSuffix;
    const char* pszDefault;
};

const ExpectedKey kKeys[] = {
    {"D_mSub1/m_nSteelD", "6"}, {"D_mSub1/m_nSlabT", "6"}, {"D_mSub1/m_nAnchorLa", "250"},
    {"D_mSub1/m_nSteelCa", "40"}, {"D_mSub1/m_nSteelB", "45"}, {"D_mSub1/m_nSteelN", "1"},
    {"D_mSub2/m_nSteelD", "6"}, {"D_mSub2/m_strJGStyle", "L30x3"}, {"D_mSub2/m_nLW", "30"},
    {"D_mSub2/m_nAnchorLa", "250"}, {"D_mSub2/m_nSteelCa", "35"}, {"D_mSub2/m_nSteelB", "45"},
    {"D_mSub2/m_nSteelN", "1"},
    {"D_mSub3/m_nConLevel", "0"}, {"D_mSub3/m_nSteelD", "8"}, {"D_mSub3/m_nSteelN0", "2"},
    {"D_mSub3/m_nSteelN1", "2"}, {"D_mSub3/m_nSlabScale", "0"}, {"D_mSub3/m_nSlabT", "8"},
    {"D_mSub3/m_nAnchorLa", "250"}, {"D_mSub3/m_nSteelCa", "40"}, {"D_mSub3/m_nSteelB1", "45"},
    {"D_mSub3/m_nSteelCb", "40"}, {"D_mSub3/m_nSteelB", "45"}, {"D_mSub3/m_nShearE", "8"},
    {"D_mSub3/m_dForceN", "1"}, {"D_mSub3/m_dForceV", "1"}, {"D_mSub3/m_dForceM", "1"},
    {"D_mSub4/m_nConLevel", "0"}, {"D_mSub4/m_strJGStyle", "L30x3"}, {"D_mSub4/m_nSteelN0", "2"},
    {"D_mSub4/m_nSteelN1", "2"}, {"D_mSub4/m_nSlabScale", "0"}, {"D_mSub4/m_nSlabT", "8"},
    {"D_mSub4/m_nAnchorLa", "250"}, {"D_mSub4/m_nSteelCa", "40"}, {"D_mSub4/m_nSteelB1", "45"},
    {"D_mSub4/m_nSteelCb", "40"}, {"D_mSub4/m_nSteelB", "45"}, {"D_mSub4/m_nSlabBe", "40"},
    {"D_mSub4/m_nSlabTe", "6"}, {"D_mSub4/m_dForceN", "1"}, {"D_mSub4/m_dForceV", "1"},
    {"D_mSub4/m_dForceM", "1"},
    {"D_mSub5/m_nConLevel", "0"}, {"D_mSub5/m_nSteelD", "8"}, {"D_mSub5/m_nSteelN0", "2"},
    {"D_mSub5/m_nSteelN1", "2"}, {"D_mSub5/m_nSlabScale", "0"}, {"D_mSub5/m_nSlabT", "8"},
    {"D_mSub5/m_nAnchorLa", "250"}, {"D_mSub5/m_nSteelCa", "50"}, {"D_mSub5/m_nSteelB1", "70"},
    {"D_mSub5/m_nSteelCb", "40"}, {"D_mSub5/m_nSteelB", "48"}, {"D_mSub5/m_nWanSteelD1", "8"},
    {"D_mSub5/m_nWanSteelN", "1"}, {"D_mSub5/m_nLW", "70"}, {"D_mSub5/m_nWanAnchorLa", "250"},
    {"D_mSub5/m_dWanAngle", "30"},
    {"D_mSub6/m_nConLevel", "0"}, {"D_mSub6/m_nSteelD", "8"}, {"D_mSub6/m_nSteelN0", "2"},
    {"D_mSub6/m_nSteelN1", "2"}, {"D_mSub6/m_nSlabScale", "0"}, {"D_mSub6/m_nSlabT", "8"},
    {"D_mSub6/m_nAnchorLa", "250"}, {"D_mSub6/m_nSteelCa", "40"}, {"D_mSub6/m_nSteelB1", "70"},
    {"D_mSub6/m_nSteelCb", "40"}, {"D_mSub6/m_nSteelB", "48"}, {"D_mSub6/m_nShearBv", "20"},
    {"D_mSub6/m_nShearHv", "10"}, {"D_mSub6/m_nShearTv", "6"},
    {"D_mSub7/m_nConLevel", "0"}, {"D_mSub7/m_nSteelD", "8"}, {"D_mSub7/m_nSteelN0", "2"},
    {"D_mSub7/m_nSteelN1", "2"}, {"D_mSub7/m_nSlabScale", "0"}, {"D_mSub7/m_nSlabT", "8"},
    {"D_mSub7/m_nAnchorLa", "250"}, {"D_mSub7/m_nSteelCa", "40"}, {"D_mSub7/m_nSteelB1", "45"},
    {"D_mSub7/m_nSteelCb", "40"}, {"D_mSub7/m_nSteelB", "45"}, {"D_mSub7/m_nSlabBe", "24"},
    {"D_mSub7/m_nSlabTe", "6"}, {"D_mSub7/m_dForceN", "1"}, {"D_mSub7/m_dForceV", "1"},
    {"D_mSub7/m_dForceM", "1"},
    {"D_mSub8/m_nSteelD", "8"}, {"D_mSub8/m_nSteelDb", "60"}, {"D_mSub8/m_nSteelLw", "60"},
    {"D_mSub8/m_nSteelLn", "240"},
    {"PreCom/m_nSubSelect", "3"}, {"PreCom/m_strName", "M-1"}, {"PreCom/m_nDraw", "5"},
    {"PreCom/m_bIsDim", "1"}, {"PreCom/m_bIsLeft", "1"}, {"PreCom/m_bIsRight", "1"},
};

// The member behind a key as text.
std::string ValueText(const CPreComKey& key) {
    CString str;
    if (key.pInt) str.Format("%d", *key.pInt);
    if (key.pDouble) str.Format("%g", *key.pDouble);
    if (key.pString) str = *key.pString;
    return static_cast<LPCTSTR>(str);
}

TEST(PreComParam, EmptyStoreLoadsTheDefaultsAndSavingWritesEveryKeyInOrder) {
    TempStore store;
    CPreComParam param;
    param.m_Sub3.m_nSteelD = 99;
    param.m_strName = "X";
    param.LoadDrawParam();

    const std::vector<CPreComKey> keys = param.GetKeys();
    ASSERT_EQ(keys.size(), std::size(kKeys));
    for (size_t i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(kKeys[i].pszSuffix);
        EXPECT_EQ(std::string(keys[i].strKey), std::string("CPreCom") + kKeys[i].pszSuffix);
        EXPECT_EQ(ValueText(keys[i]), kKeys[i].pszDefault);
    }

    qelt::host::TakeDrawingKeysWritten();
    param.SaveDrawParam();
    const std::vector<std::string> written = qelt::host::TakeDrawingKeysWritten();
    ASSERT_EQ(written.size(), 100u);
    for (size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(written[i], std::string("CPreCom") + kKeys[i].pszSuffix);
}

TEST(PreComParam, EveryValueTravelsThroughTheStore) {
    TempStore store;
    CPreComParam saved;
    // A value of its own for every key, so that two keys crossed over would show.
    int nNext = 1000;
    for (const CPreComKey& key : saved.GetKeys()) {
        ++nNext;
        if (key.pInt) *key.pInt = nNext;
        if (key.pDouble) *key.pDouble = nNext + 0.25;
        if (key.pString) key.pString->Format("L%dx%d", nNext, nNext % 7);
    }
    saved.SaveDrawParam();

    CPreComParam loaded;
    loaded.LoadDrawParam();
    std::vector<CPreComKey> savedKeys = saved.GetKeys(), loadedKeys = loaded.GetKeys();
    for (size_t i = 0; i < savedKeys.size(); ++i) {
        SCOPED_TRACE(static_cast<LPCTSTR>(savedKeys[i].strKey));
        EXPECT_EQ(ValueText(loadedKeys[i]), ValueText(savedKeys[i]));
    }
    EXPECT_EQ(loaded.m_Sub5.m_dWanAngle, saved.m_Sub5.m_dWanAngle);
    EXPECT_EQ(loaded.m_Sub4.m_strJGStyle, saved.m_Sub4.m_strJGStyle);

    // A second save without changes keeps every value.
    loaded.SaveDrawParam();
    CPreComParam again;
    again.LoadDrawParam();
    std::vector<CPreComKey> againKeys = again.GetKeys();
    for (size_t i = 0; i < savedKeys.size(); ++i) EXPECT_EQ(ValueText(againKeys[i]), ValueText(savedKeys[i]));
}

}  // namespace
