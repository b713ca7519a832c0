// The exchange records: the model and the settings packed into records and read back, field by
// field, with the shapes the server relies on (empty lists as empty record arrays, a missing
// outline as a one-element polyline array).
#include <gtest/gtest.h>

#include "BoardFixtures.h"
#include "com/ComError.h"
#include "com/SafeArrayData.h"
#include "plateserver/interface/PlateRecords.h"
#include "slab/irregular/BoardRecords.h"

namespace {

using namespace board_fixtures;

class BoardRecords : public ::testing::Test {
protected:
    void SetUp() override { RegisterPlateRecordTypes(); }
};

TEST_F(BoardRecords, TheModelWithResultElementsComesBackWhole) {
    CBoardData sent;
    FillSlab(sent);
    sent.m_HoleArray[0].m_nHoleSupport = 2;
    sent.m_WorkPoly = Polyline(BOARD_HOLE, 0, {P(10, 10), P(20, 10)});
    CBoardResultPoint point;
    point.m_Point = P(5, 6);
    point.m_dSize = 150.0;
    point.m_Color = 0x0000FF;
    sent.m_ResultPoints.Add(point);
    CBoardResultLine line;
    line.m_StartPt = P(1, 2);
    line.m_EndPt = AcGePoint3d(3, 4, 5);
    line.m_Color = 0x00FF00;
    line.m_nKind = 1;
    sent.m_ResultLines.Add(line);
    sent.m_ResultTexts.Add(CBoardResultText("Φ8@200", 120.0, 0x00FFFF, P(7, 8), P(9, 10), 3, 4, 5));

    _variant_t record;
    PackModelRecord(sent, record.GetVARIANT());
    CBoardData got;
    got.Reset();
    UnpackModelRecord(record.GetVARIANT(), got);

    ExpectSameModel(sent, got);
    ExpectSamePolyline(sent.m_WorkPoly, got.m_WorkPoly);
    EXPECT_EQ(got.m_HoleArray[0].m_nHoleSupport, 2);
    EXPECT_EQ(got.m_TrapLoadArray[0].m_strXorY, "X向");
    ASSERT_EQ(got.m_ResultPoints.GetSize(), 1);
    EXPECT_EQ(got.m_ResultPoints[0].m_Point, P(5, 6));
    EXPECT_EQ(got.m_ResultPoints[0].m_dSize, 150.0);
    EXPECT_EQ(got.m_ResultPoints[0].m_Color, 0x0000FFu);
    ASSERT_EQ(got.m_ResultLines.GetSize(), 1);
    EXPECT_EQ(got.m_ResultLines[0].m_EndPt, AcGePoint3d(3, 4, 5));
    EXPECT_EQ(got.m_ResultLines[0].m_nKind, 1);
    ASSERT_EQ(got.m_ResultTexts.GetSize(), 1);
    const CBoardResultText& text = got.m_ResultTexts[0];
    EXPECT_EQ(text.m_strText, "Φ8@200");
    EXPECT_EQ(text.m_dHeight, 120.0);
    EXPECT_EQ(text.m_SecondPt, P(9, 10));
    EXPECT_EQ(text.m_nTextMode, 3);
    EXPECT_EQ(text.m_nFirstOption, 4);
    EXPECT_EQ(text.m_nPicture, 5);
}

TEST_F(BoardRecords, ASlabWithoutOutlineSendsAnEmptyPolylineAndEmptyLists) {
    CBoardData empty;
    empty.Reset();
    _variant_t record;
    PackModelRecord(empty, record.GetVARIANT());
    CSafeArrayData model;
    ASSERT_EQ(model.Open(record.GetVARIANT(), VT_RECORD, &GUID_ModelRecord), S_OK);
    ASSERT_EQ(model.Count(), 1u);
    const ModelRecord& m = model.At<ModelRecord>(0);
    EXPECT_EQ(m.hasBoard, 0);
    CSafeArrayData outline;
    ASSERT_EQ(outline.Open(m.boardPoly, VT_RECORD, &GUID_PolylineRecord), S_OK);
    ASSERT_EQ(outline.Count(), 1u);
    CSafeArrayData vertices;
    ASSERT_EQ(vertices.Open(outline.At<PolylineRecord>(0).points, VT_RECORD, &GUID_PointRecord), S_OK);
    EXPECT_EQ(vertices.Count(), 0u);
    struct List {
        const VARIANT* v;
        const GUID* record;
    };
    const List lists[] = {{&m.holes, &GUID_PolylineRecord},       {&m.massLoads, &GUID_MassLoadRecord},
                          {&m.partLoads, &GUID_PolylineRecord},   {&m.lineLoads, &GUID_PolylineRecord},
                          {&m.trapLoads, &GUID_PolylineRecord},   {&m.resultPoints, &GUID_ResultPointRecord},
                          {&m.resultLines, &GUID_ResultLineRecord}, {&m.resultTexts, &GUID_ResultTextRecord}};
    for (const List& list : lists) {
        EXPECT_EQ(list.v->vt, VT_ARRAY | VT_RECORD);
        CSafeArrayData data;
        ASSERT_EQ(data.Open(*list.v, VT_RECORD, list.record), S_OK);
        EXPECT_EQ(data.Count(), 0u);
    }
}

TEST_F(BoardRecords, SettingsTravelFieldByField) {
    CBoardSetting setting;
    setting.m_dImportCoef = 1.1;
    setting.m_strColuReinType = "光面钢筋";
    setting.m_nPouFenXianType = 3;
    setting.m_nCloudNum = 12;
    setting.m_ActLoadVal = 2.5;
    _variant_t record;
    PackSettingRecord(setting, record.GetVARIANT());
    CSafeArrayData data;
    ASSERT_EQ(data.Open(record.GetVARIANT(), VT_RECORD, &GUID_SettingRecord), S_OK);
    const SettingRecord& s = data.At<SettingRecord>(0);
    EXPECT_EQ(s.everLoadCoef, 1.2);
    EXPECT_EQ(s.importCoef, 1.1);
    EXPECT_EQ(BstrToCString(s.boardGrade), "C25");
    EXPECT_EQ(BstrToCString(s.coluReinType), "光面钢筋");
    EXPECT_EQ(s.pouFenXianType, 3);
    EXPECT_EQ(s.cloudNum, 12);
    EXPECT_EQ(s.boardWidth, 100.0);
    EXPECT_EQ(s.actLoadVal, 2.5);
}

TEST_F(BoardRecords, PlainArraysOverwriteFromTheFrontAndWrongShapesAreRefused) {
    CArray<double, double> values;
    values.Add(1.0);
    values.Add(2.0);
    _variant_t v;
    DoubleArrayToVariant(values, v.GetVARIANT());
    CArray<double, double> target;
    target.Add(9.0);
    target.Add(9.0);
    target.Add(9.0);
    VariantToDoubleArray(v.GetVARIANT(), target);
    ASSERT_EQ(target.GetSize(), 3);
    EXPECT_EQ(target[0], 1.0);
    EXPECT_EQ(target[1], 2.0);
    EXPECT_EQ(target[2], 9.0);

    CArray<int, int> ints;
    EXPECT_THROW(VariantToIntArray(v.GetVARIANT(), ints), _com_error);
    AcGePoint3d point;
    EXPECT_THROW(VariantToPoint(v.GetVARIANT(), point), _com_error);
    CBoardData data;
    try {
        UnpackModelRecord(v.GetVARIANT(), data);
        FAIL() << "a double array read as a model";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), DISP_E_TYPEMISMATCH);
    }
}

}  // namespace
