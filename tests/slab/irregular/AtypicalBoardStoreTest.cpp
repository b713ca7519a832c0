// The irregular slab's stored keys: a slab with arcs, holes and every kind of load goes into the
// store and comes back whole; the keys are the flat ones the host's other readers expect.
#include <gtest/gtest.h>

#include "TempStore.h"
#include "host/VuskSave.h"
#include "slab/irregular/AtypicalBoardParam.h"

namespace {

const CString kPrefix = "CAtypicalBoardParam/";

AcGePoint3d P(double x, double y) { return AcGePoint3d(x, y, 0.0); }

CBoardPolyline Polyline(int kind, int loadKind, std::initializer_list<AcGePoint3d> points, double bulge0 = 0.0)
{
    CBoardPolyline poly;
    const int segmentType = kind == BOARD_OUTLINE ? 1 : kind == BOARD_HOLE ? SEGMENT_HOLE_EDGE : loadKind;
    double bulge = bulge0;
    double value = 3.0;
    for (const AcGePoint3d& p : points) {
        poly.AddPoint(p, loadKind, segmentType, kind, value, bulge);
        bulge = 0.0;
        value += 1.5;
    }
    poly.Close(1);
    return poly;
}

// A slab that uses every stored field: an outline with an arc, a column and a free edge, two holes,
// and loads of each kind, dead and live.
void FillSlab(CAtypicalBoardParam& param)
{
    CBoardData& data = param.m_BoardData;
    data.m_BoardPoly = Polyline(BOARD_OUTLINE, 0, {P(0, 0), P(6000, 0), P(6000, 4000), P(0, 4000)}, -0.25);
    data.m_BoardPoly.SetHasColu(2, 1);
    data.m_BoardPoly.SetLineType(3, 2);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, 0, {P(1000, 1000), P(1500, 1000), P(1500, 1500)}));
    data.m_HoleArray.Add(Polyline(BOARD_HOLE, 0, {P(4000, 1000), P(4500, 1000), P(4500, 1500), P(4000, 1500)}, 0.5));
    data.m_MassLoadArray.Add(CMassLoad(P(3000, 2000), LOAD_DEAD, 12.5));
    data.m_MassLoadArray.Add(CMassLoad(P(3200, 2500), LOAD_LIVE, 7.25));
    data.m_PartLoadArray.Add(Polyline(BOARD_PART_LOAD, LOAD_LIVE, {P(2000, 2000), P(2500, 2000), P(2500, 2600)}));
    CBoardPolyline line = Polyline(BOARD_LINE_LOAD, LOAD_DEAD, {P(500, 3000), P(2500, 3000)});
    line.SetLoadWidth(2000.0);
    data.m_LineLoadArray.Add(line);
    CBoardPolyline trap = Polyline(BOARD_TRAP_LOAD, LOAD_LIVE, {P(1000, 500), P(5000, 500)});
    trap.m_strXorY = "X向";
    trap.m_dBottomDis = 1000.0;
    trap.m_LoadWidth = -1.0;
    trap.m_ptLeft = P(0, 500);
    trap.m_ptRight = P(6000, 500);
    data.m_TrapLoadArray.Add(trap);
}

void ExpectSamePolyline(const CBoardPolyline& a, const CBoardPolyline& b)
{
    ASSERT_EQ(a.GetCount(), b.GetCount());
    for (int i = 0; i < a.GetCount(); ++i) {
        EXPECT_EQ(a.m_StretchPtArray[i], b.m_StretchPtArray[i]) << i;
        EXPECT_EQ(a.m_BulgeArray[i], b.m_BulgeArray[i]) << i;
        EXPECT_EQ(a.m_DisArray[i], b.m_DisArray[i]) << i;
        EXPECT_EQ(a.m_LineDisArray[i], b.m_LineDisArray[i]) << i;
        EXPECT_EQ(a.m_LineTypeArray[i], b.m_LineTypeArray[i]) << i;
        EXPECT_EQ(a.m_HasColuArray[i], b.m_HasColuArray[i]) << i;
    }
    ASSERT_EQ(a.m_LoadValArray.GetSize(), b.m_LoadValArray.GetSize());
    for (int i = 0; i < a.m_LoadValArray.GetSize(); ++i) EXPECT_EQ(a.m_LoadValArray[i], b.m_LoadValArray[i]);
    EXPECT_EQ(a.m_BoardType, b.m_BoardType);
    EXPECT_EQ(a.m_LoadType, b.m_LoadType);
    EXPECT_EQ(a.m_strXorY, b.m_strXorY);
    EXPECT_EQ(a.m_dBottomDis, b.m_dBottomDis);
    EXPECT_EQ(a.m_LoadWidth, b.m_LoadWidth);
    EXPECT_EQ(a.m_ptLeft, b.m_ptLeft);
    EXPECT_EQ(a.m_ptRight, b.m_ptRight);
    EXPECT_EQ(a.m_IsClosed, b.m_IsClosed);
}

void ExpectSameGroup(const CArray<CBoardPolyline, const CBoardPolyline&>& a,
                     const CArray<CBoardPolyline, const CBoardPolyline&>& b)
{
    ASSERT_EQ(a.GetSize(), b.GetSize());
    for (int i = 0; i < a.GetSize(); ++i) ExpectSamePolyline(a[i], b[i]);
}

TEST(AtypicalBoardStore, ASlabWithArcsHolesAndEveryLoadComesBackWhole) {
    TempStore store;
    CAtypicalBoardParam written;
    written.SetDefaultData();
    FillSlab(written);
    written.m_strBoardCode = "YX-7";
    written.m_nLoadType = LOAD_LIVE;
    written.m_dTrapLoadP2 = 6.5;
    written.m_bIsAutoCalSelfH = 0;
    written.m_param.m_strBoardGrade = "C30";
    written.m_param.m_strColuReinType = "光面钢筋";
    written.m_param.m_nCloudNum = 14;
    written.m_param.m_nBoardWidth = 120.0;
    written.m_param.m_EverLoadVal = 5.5;
    written.m_param.m_dEverLoadCoef = 1.35;
    written.m_param.m_dImportCoef = 1.1;
    ASSERT_TRUE(written.WriteParam(kPrefix));

    // The reader already holds a slab: the stored one replaces it.
    CAtypicalBoardParam read;
    read.SetDefaultData();
    FillSlab(read);
    ASSERT_TRUE(read.ReadParam(kPrefix));

    const CBoardData& a = written.m_BoardData;
    const CBoardData& b = read.m_BoardData;
    ExpectSamePolyline(a.m_BoardPoly, b.m_BoardPoly);
    EXPECT_EQ(b.m_HasBoard, 1);
    ExpectSameGroup(a.m_HoleArray, b.m_HoleArray);
    ExpectSameGroup(a.m_PartLoadArray, b.m_PartLoadArray);
    ExpectSameGroup(a.m_LineLoadArray, b.m_LineLoadArray);
    ExpectSameGroup(a.m_TrapLoadArray, b.m_TrapLoadArray);
    ASSERT_EQ(b.m_MassLoadArray.GetSize(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(b.m_MassLoadArray[i].m_MassPt, a.m_MassLoadArray[i].m_MassPt);
        EXPECT_EQ(b.m_MassLoadArray[i].m_LaodType, a.m_MassLoadArray[i].m_LaodType);
        EXPECT_EQ(b.m_MassLoadArray[i].m_LoadVal, a.m_MassLoadArray[i].m_LoadVal);
    }
    // A hole's support code is not stored; read back it is that of a drawn hole.
    EXPECT_EQ(b.m_HoleArray[0].m_nHoleSupport, 0);
    EXPECT_EQ(b.m_HoleArray[1].m_nHoleSupport, 0);

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
    FillSlab(param);
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

TEST(AtypicalBoardStore, AnEmptyStoreLeavesNoSlabAndKeepsTheValuesHeld) {
    TempStore store;
    CAtypicalBoardParam param;
    param.SetDefaultData();
    FillSlab(param);
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
    EXPECT_EQ(param.m_bModified, 0);
    EXPECT_EQ(param.m_BoardData.m_HasBoard, 0);
    EXPECT_EQ(param.m_ReinResults.GetSize(), 1);
}

}  // namespace
