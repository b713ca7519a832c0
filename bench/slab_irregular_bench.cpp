// A whole irregular-slab calculation through the analysis server: the records packed, the slab
// meshed, solved and designed, the pictures built and the model and rows read back. A slab of
// 9 m × 6 m with a hole, one edge fixed and the others simply supported, at the default mesh length
// (500 mm) and finer, so that the cost of the records can be set against the analysis's.
#include <benchmark/benchmark.h>

#include "plateserver/PlateServer.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardRecords.h"

namespace {

CBoardPolyline Closed(int kind, std::initializer_list<AcGePoint3d> points)
{
    CBoardPolyline poly;
    for (const AcGePoint3d& p : points) poly.AddPoint(p, 0, kind == BOARD_HOLE ? SEGMENT_HOLE_EDGE : 0, kind, 0.0, 0.0);
    poly.Close(1);
    return poly;
}

void BM_Calculate(benchmark::State& state)
{
    RegisterPlateServer();
    CAtypicalBoardParam param;
    param.SetDefaultData();
    param.m_param.m_nBoardWidth = 180.0;
    param.m_param.m_dBoxLength = static_cast<double>(state.range(0));
    CBoardData& data = param.m_BoardData;
    data.m_BoardPoly = Closed(BOARD_OUTLINE, {AcGePoint3d(0, 0, 0), AcGePoint3d(9000, 0, 0), AcGePoint3d(9000, 6000, 0),
                                              AcGePoint3d(0, 6000, 0)});
    data.m_BoardPoly.SetLineType(0, 1);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Closed(BOARD_HOLE, {AcGePoint3d(1500, 1500, 0), AcGePoint3d(2500, 1500, 0),
                                            AcGePoint3d(2500, 2500, 0), AcGePoint3d(1500, 2500, 0)}));
    for (auto _ : state) {
        param.m_bModified = 1;
        if (param.Calculate() != 1) state.SkipWithError("the slab was refused");
    }
    state.counters["lines"] = param.m_BoardData.m_ResultLines.GetSize();
}
BENCHMARK(BM_Calculate)->Arg(500)->Arg(200)->Arg(100)->Unit(benchmark::kMillisecond);

// The L-shaped slab with an opening of examples/yxbjs1.txt (a 6 m square less a 3 m corner, 120 mm,
// a 1 m opening, a fixed and a free edge), where the rows' strips pass singular corners.
void BM_CalculateLShapeWithOpening(benchmark::State& state)
{
    RegisterPlateServer();
    CAtypicalBoardParam param;
    param.SetDefaultData();
    param.m_param.m_nBoardWidth = 120.0;
    param.m_param.m_dBoxLength = static_cast<double>(state.range(0));
    CBoardData& data = param.m_BoardData;
    data.m_BoardPoly = Closed(BOARD_OUTLINE, {AcGePoint3d(0, 0, 0), AcGePoint3d(6000, 0, 0), AcGePoint3d(6000, 3000, 0),
                                              AcGePoint3d(3000, 3000, 0), AcGePoint3d(3000, 6000, 0), AcGePoint3d(0, 6000, 0)});
    data.m_BoardPoly.SetLineType(1, 1);
    data.m_BoardPoly.SetLineType(2, 2);
    data.m_HasBoard = 1;
    data.m_HoleArray.Add(Closed(BOARD_HOLE, {AcGePoint3d(1000, 1000, 0), AcGePoint3d(2000, 1000, 0),
                                            AcGePoint3d(2000, 2000, 0), AcGePoint3d(1000, 2000, 0)}));
    for (auto _ : state) {
        param.m_bModified = 1;
        if (param.Calculate() != 1) state.SkipWithError("the slab was refused");
    }
    state.counters["lines"] = param.m_BoardData.m_ResultLines.GetSize();
}
BENCHMARK(BM_CalculateLShapeWithOpening)->Arg(500)->Arg(200)->Arg(100)->Unit(benchmark::kMillisecond);

// The records alone: a model carrying as many result lines as the mesh above brings back, packed
// into a record and read back.
void BM_ModelRecordRoundTrip(benchmark::State& state)
{
    RegisterPlateServer();
    CBoardData data;
    data.Reset();
    CBoardResultLine line;
    for (int i = 0; i < state.range(0); ++i) {
        line.m_EndPt.x = i;
        data.m_ResultLines.Add(line);
    }
    for (auto _ : state) {
        _variant_t record;
        PackModelRecord(data, record.GetVARIANT());
        CBoardData back;
        back.Reset();
        UnpackModelRecord(record.GetVARIANT(), back);
        benchmark::DoNotOptimize(back.m_ResultLines.GetSize());
    }
}
BENCHMARK(BM_ModelRecordRoundTrip)->Arg(2754)->Arg(45535)->Unit(benchmark::kMillisecond);

}  // namespace
