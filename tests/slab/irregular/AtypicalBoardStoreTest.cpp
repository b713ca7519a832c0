// The irregular slab's stored keys: a slab with arcs, holes and every kind of load goes into the
// store and comes back whole; the keys are the flat ones the host's other readers expect.
#include <gtest/gtest.h>

#include "BoardFixtures.h"
#include "TempStore.h"
#include "host/VuskMainInfo.h"
#include "host/VuskSave.h"
#include "slab/irregular/AtypicalBoardParam.h"

namespace {

using namespace board_fixtures;

const CString kPrefix = "CAtypicalBoardParam/";

TEST(AtypicalBoardStore, ASlabWithArcsHolesAndEveryLoadComesBackWhole) {
    TempStore store;
    CAtypicalBoardParam written;
    written.SetDefaultData();
    FillSlab(written.m_BoardData);
    written.m_strBoardCode = "YX-7";
    written.m_nLoadType = LOAD_LIVE;
    written.m_dTrapLoadP2 = 6.5;
    written.m_bIsAutoCalSelfH = 0;
    written.m_param.m_strBoardGrade = "C30";
    written.m_param.m_strColuReinType = "光面钢筋";
    written.m_param.m_nCloudNum = 14;
    written.m_param.m_nBoardWidth = 120.0;
    written.m_param.m_EverLoadVal = 5.5;
    written.m_BoardData.m_HoleArray[0].m_nHoleSupport = EDGE_FIXED;
    written.m_param.m_dEverLoadCoef = 1.35;
    written.m_param.m_dImportCoef = 1.1;
    ASSERT_TRUE(written.WriteParam(kPrefix));

    // The reader already holds a slab: the stored one replaces it.
    CAtypicalBoardParam read;
    read.SetDefaultData();
    FillSlab(read.m_BoardData);
    ASSERT_TRUE(read.ReadParam(kPrefix));

    ExpectSameModel(written.m_BoardData, read.m_BoardData);
    const CBoardData& b = read.m_BoardData;
    EXPECT_EQ(b.m_HasBoard, 1);
    EXPECT_EQ(b.m_MassLoadArray.GetSize(), 2);
    EXPECT_EQ(b.m_HoleArray[0].m_nHoleSupport, EDGE_FIXED);
    EXPECT_EQ(b.m_HoleArray[1].m_nHoleSupport, EDGE_FREE);

    // Results are not stored, so the slab read back waits for a calculation.
    EXPECT_EQ(read.m_bModified, 1);
    EXPECT_EQ(read.m_strBoardCode, "YX-7");
    EXPECT_EQ(read.m_nLoadType, LOAD_LIVE);
    EXPECT_EQ(read.m_dTrapLoadP2, 6.5);
    EXPECT_EQ(read.m_bIsAutoCalSelfH, 0);
    EXPECT_EQ(read.m_param.m_strBoardGrade, "C30");
    EXPECT_EQ(read.m_param.m_strColuReinType, "光面钢筋");
    EXPECT_EQ(read.m_param.m_nCloudNum, 14);
    EXPECT_EQ(read.m_param.m_nBoardWidth, 120.0);
    EXPECT_EQ(read.m_param.m_EverLoadVal, 5.5);
    EXPECT_EQ(read.m_param.m_dEverLoadCoef, 1.35);
    EXPECT_EQ(read.m_param.m_dImportCoef, 1.1);
}

TEST(AtypicalBoardStore, KeysAreTheClassPrefixAndTheMemberNamesRunTogether) {
    TempStore store;
    CAtypicalBoardParam param;
    param.SetDefaultData();
    FillSlab(param.m_BoardData);
    ASSERT_TRUE(param.WriteParam(kPrefix));

    struct DoubleKey {
        const char* key;
        double value;
    };
    const DoubleKey doubles[] = {
        {"CAtypicalBoardParam/m_BoardPolym_StretchPtArray0/x", 0.0},
        {"CAtypicalBoardParam/m_BoardPolym_StretchPtArray1/x", 6000.0},
        {"CAtypicalBoardParam/m_HoleArray1m_StretchPtArray2/y", 1500.0},
        {"CAtypicalBoardParam/m_TrapLoadArray0m_ptRight/x", 6000.0},
        {"CAtypicalBoardParam/m_TrapLoadArray0/m_dBottomDis", 1000.0},
        {"CAtypicalBoardParam/m_MassLoadArray1m_LoadVal", 7.25},
        {"CAtypicalBoardParam/m_MassLoadArray1m_MassPt/y", 2500.0},
        {"CAtypicalBoardParam//m_param.m_dEverLoadCoef", 1.2},
        {"CAtypicalBoardParam//m_param.m_dImportCoef", 1.0},
        {"CAtypicalBoardParam//m_param.m_dNaoDu", 1.0},
    };
    for (const DoubleKey& k : doubles) {
        double value = -99.0;
        EXPECT_TRUE(CVuskSave::GetValue(k.key, value, -99.0)) << k.key;
        EXPECT_EQ(value, k.value) << k.key;
    }
    struct IntKey {
        const char* key;
        int value;
    };
    const IntKey ints[] = {
        {"CAtypicalBoardParam/m_HoleArraySize", 2},
        {"CAtypicalBoardParam/m_PartLoadArraySize", 1},
        {"CAtypicalBoardParam/m_LineLoadArraySize", 1},
        {"CAtypicalBoardParam/m_TrapLoadArraySize", 1},
        {"CAtypicalBoardParam/m_MassLoadArraySize", 2},
        {"CAtypicalBoardParam/m_HasBoard", 1},
        {"CAtypicalBoardParam/m_BoardPolym_StretchPtArraySize", 4},
        {"CAtypicalBoardParam/m_MassLoadArray0m_LaodType", LOAD_DEAD},
        {"CAtypicalBoardParam//m_nLoadType", LOAD_DEAD},
        {"CAtypicalBoardParam//m_param.m_nCloudNum", 10},
    };
    for (const IntKey& k : ints) {
        int value = -99;
        EXPECT_TRUE(CVuskSave::GetValue(k.key, value, -99)) << k.key;
        EXPECT_EQ(value, k.value) << k.key;
    }
    CString strDirection;
    EXPECT_TRUE(CVuskSave::GetValue("CAtypicalBoardParam/m_TrapLoadArray0/m_strXorY", strDirection, ""));
    EXPECT_EQ(strDirection, "X向");
    CArray<int, int> types;
    EXPECT_TRUE(CVuskSave::GetValue("CAtypicalBoardParam/m_BoardPoly/m_LineTypeArray", types));
    ASSERT_EQ(types.GetSize(), 4);
    EXPECT_EQ(types[3], 2);
}

// A store without a slab (the command's first run) leaves no outline, no holes and no loads; the
// values held stay.
TEST(AtypicalBoardStore, AnEmptyStoreLeavesNoSlabAndKeepsTheValuesHeld) {
    TempStore store;
    CAtypicalBoardParam param;
    param.SetDefaultData();
    FillSlab(param.m_BoardData);
    param.m_param.m_dEverLoadCoef = 1.35;
    param.m_param.m_dBoxLength = 400.0;
    param.m_strBoardCode = "YX-3";
    ASSERT_TRUE(param.ReadParam(kPrefix));
    const CBoardData& data = param.m_BoardData;
    EXPECT_EQ(data.m_HasBoard, 0);
    EXPECT_EQ(data.m_BoardPoly.GetCount(), 0);
    EXPECT_EQ(data.m_HoleArray.GetSize(), 0);
    EXPECT_EQ(data.m_MassLoadArray.GetSize(), 0);
    EXPECT_EQ(data.m_PartLoadArray.GetSize(), 0);
    EXPECT_EQ(data.m_LineLoadArray.GetSize(), 0);
    EXPECT_EQ(data.m_TrapLoadArray.GetSize(), 0);
    EXPECT_EQ(param.m_param.m_dEverLoadCoef, 1.35);
    EXPECT_EQ(param.m_param.m_dBoxLength, 400.0);
    EXPECT_EQ(param.m_strBoardCode, "YX-3");
}

TEST(AtypicalBoardParam, DefaultsOfTheCommandOverTheSettingsOwn) {
    CAtypicalBoardParam param;
    param.m_ReinResults.Add(BoardReinResult());
    param.m_BoardData.m_HasBoard = 1;
    param.m_bModified = 1;
    param.InitDefaultParam();
    EXPECT_EQ(param.m_param.m_dNaoDu, 1.0);
    EXPECT_EQ(param.m_nLoadType, LOAD_DEAD);
    EXPECT_EQ(param.m_strBoardCode, "YX-1");
    EXPECT_EQ(param.m_dDefaultLoad, 10.0);
    EXPECT_EQ(param.m_dTrapLoadP1, 10.0);
    EXPECT_EQ(param.m_bIsAutoCalSelfH, 1);
    // The rows kept are those of the slab just emptied: it waits for a calculation.
    EXPECT_EQ(param.m_bModified, 1);
    EXPECT_EQ(param.m_BoardData.m_HasBoard, 0);
    EXPECT_EQ(param.m_ReinResults.GetSize(), 1);
}

TEST(AtypicalBoardParam, NamesItsKeysAndItsListEntry) {
    CAtypicalBoardParam param;
    param.SetDefaultData();
    EXPECT_STREQ(param.GetRuntimeClass()->m_lpszClassName, "CAtypicalBoardParam");
    param.m_strBoardCode = "YX-9";
    param.GetListData();
    EXPECT_EQ(g_VuskMainInfo.GetCurCmdEntry().strType, "异形板计算");
    EXPECT_EQ(g_VuskMainInfo.GetCurCmdEntry().strNumber, "YX-9");
}

// A count that claims elements the store does not hold (a damaged store, or INT_MAX of them) is
// found with one look-up: it reads as none, and the store is marked damaged for the checks. A sound
// store is not marked.
TEST(AtypicalBoardStore, ACountBeyondTheStoredElementsMarksTheStoreDamaged) {
    const struct {
        const char* key;
        int count;
    } cases[] = {{"CAtypicalBoardParam/m_BoardPolym_StretchPtArraySize", 2147483647},
                 {"CAtypicalBoardParam/m_BoardPolym_StretchPtArraySize", 5},
                 {"CAtypicalBoardParam/m_HoleArraySize", 2147483647},
                 {"CAtypicalBoardParam/m_MassLoadArraySize", -3},
                 {"CAtypicalBoardParam/m_MassLoadArraySize", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " " << c.count);
        TempStore store;
        CAtypicalBoardParam written;
        written.SetDefaultData();
        FillSlab(written.m_BoardData);
        ASSERT_TRUE(written.WriteParam(kPrefix));
        CAtypicalBoardParam sound;
        ASSERT_TRUE(sound.ReadParam(kPrefix));
        EXPECT_FALSE(sound.m_bStoreDamaged);
        ASSERT_TRUE(CVuskSave::SetValue(c.key, c.count));
        CAtypicalBoardParam read;
        ASSERT_TRUE(read.ReadParam(kPrefix));
        EXPECT_TRUE(read.m_bStoreDamaged);
        CString message;
        EXPECT_FALSE(read.CheckStoredValues(message));
        EXPECT_EQ(message, "存储的板边、洞口或荷载数据不完整,请重新输入");
    }
}

// A store written before holes had a support of their own holds none: its holes were drawn as free
// openings and read as free, whatever a polyline held before.
TEST(AtypicalBoardStore, AHoleStoredWithoutASupportIsFree) {
    TempStore store;
    CAtypicalBoardParam param;
    CBoardPolyline hole = Polyline(BOARD_HOLE, SEGMENT_HOLE_EDGE, {P(0, 0), P(1000, 0), P(1000, 1000)});
    // Written as another kind, so that no support key is written, then marked a hole.
    hole.m_BoardType = BOARD_PART_LOAD;
    param.WritePolyline("old/", hole);
    ASSERT_TRUE(CVuskSave::SetValue("old//m_BoardType", static_cast<int>(BOARD_HOLE)));
    CBoardPolyline read;
    read.m_nHoleSupport = EDGE_SIMPLE;
    param.ReadPolyline("old/", read);
    EXPECT_EQ(read.GetBoardType(), BOARD_HOLE);
    EXPECT_EQ(read.m_nHoleSupport, EDGE_FREE);
}

}  // namespace
