#include "plateserver/ServerInput.h"

#include <cmath>
#include <string>
#include <vector>

#include "com/ComError.h"
#include "com/SafeArrayData.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"

namespace fea = qelt::fea;

namespace {

constexpr int kLoadLive = 6;
constexpr int kEdgeFixed = 1;
constexpr int kEdgeFree = 2;

HRESULT ReadDoubles(const VARIANT& v, std::vector<double>& values)
{
    CSafeArrayData data;
    const HRESULT hr = data.Open(v, VT_R8);
    if (FAILED(hr)) return hr;
    values.assign(data.Data<double>(), data.Data<double>() + data.Count());
    return S_OK;
}

HRESULT ReadInts(const VARIANT& v, std::vector<int>& values)
{
    CSafeArrayData data;
    const HRESULT hr = data.Open(v, VT_I4);
    if (FAILED(hr)) return hr;
    values.assign(data.Data<std::int32_t>(), data.Data<std::int32_t>() + data.Count());
    return S_OK;
}

HRESULT ReadPoints(const VARIANT& v, std::vector<fea::Point2>& points)
{
    CSafeArrayData data;
    const HRESULT hr = data.Open(v, VT_RECORD, &GUID_PointRecord);
    if (FAILED(hr)) return hr;
    points.clear();
    for (ULONG i = 0; i < data.Count(); ++i) points.push_back({data.At<PointRecord>(i).x, data.At<PointRecord>(i).y});
    return S_OK;
}

HRESULT ReadPoint(const VARIANT& v, fea::Point2& point)
{
    std::vector<fea::Point2> points;
    const HRESULT hr = ReadPoints(v, points);
    if (FAILED(hr)) return hr;
    if (points.size() != 1) return DISP_E_TYPEMISMATCH;
    point = points[0];
    return S_OK;
}

// One polyline's vertices with their bulges, support codes, column flags and load values; the
// per-vertex lists shorter than the vertices read as 0.
struct Polyline {
    std::vector<fea::Point2> points;
    std::vector<double> bulges, loadValues;
    std::vector<int> types, columns;
    int loadType = 0;
    int holeSupport = 0;

    template <class T>
    static T Entry(const std::vector<T>& values, std::size_t i) { return i < values.size() ? values[i] : T(); }
    fea::LoadCase Case() const { return loadType == kLoadLive ? fea::LoadCase::Live : fea::LoadCase::Dead; }
    std::vector<fea::PolygonVertex> Polygon() const
    {
        std::vector<fea::PolygonVertex> polygon;
        for (std::size_t i = 0; i < points.size(); ++i) polygon.push_back({points[i].x, points[i].y, Entry(bulges, i)});
        return polygon;
    }
};

HRESULT ReadPolyline(const PolylineRecord& record, Polyline& poly)
{
    HRESULT hr;
    if (FAILED(hr = ReadPoints(record.points, poly.points)) || FAILED(hr = ReadDoubles(record.bulges, poly.bulges)) ||
        FAILED(hr = ReadDoubles(record.loadVals, poly.loadValues)) || FAILED(hr = ReadInts(record.lineTypes, poly.types)) ||
        FAILED(hr = ReadInts(record.hasColu, poly.columns)))
        return hr;
    poly.loadType = record.loadType;
    poly.holeSupport = record.holeSupport;
    return S_OK;
}

HRESULT ReadPolylines(const VARIANT& v, std::vector<Polyline>& polylines)
{
    CSafeArrayData data;
    HRESULT hr = data.Open(v, VT_RECORD, &GUID_PolylineRecord);
    if (FAILED(hr)) return hr;
    polylines.resize(data.Count());
    for (ULONG i = 0; i < data.Count(); ++i)
        if (FAILED(hr = ReadPolyline(data.At<PolylineRecord>(i), polylines[i]))) return hr;
    return S_OK;
}

// A line or trapezoid load: linear between the values of each pair of neighbouring vertices.
void AddLineLoads(const std::vector<Polyline>& polylines, fea::Slab& slab)
{
    for (const Polyline& poly : polylines) {
        for (std::size_t i = 0; i + 1 < poly.points.size(); ++i) {
            fea::LineLoad load;
            load.start = poly.points[i];
            load.end = poly.points[i + 1];
            load.value1 = Polyline::Entry(poly.loadValues, i);
            load.value2 = Polyline::Entry(poly.loadValues, i + 1);
            load.loadCase = poly.Case();
            slab.lineLoads.push_back(load);
        }
    }
}

// The support of an outline segment or of a hole's edges from its code: 1 fixed, 2 free, any other
// simply supported.
fea::EdgeSupport SupportOf(int code)
{
    return code == kEdgeFixed ? fea::EdgeSupport::Fixed
           : code == kEdgeFree ? fea::EdgeSupport::Free
                               : fea::EdgeSupport::SimplySupported;
}

HRESULT ReadSlab(const ModelRecord& model, fea::Slab& slab, bool& hasOutline)
{
    std::vector<Polyline> outline, holes, parts, lines, traps;
    HRESULT hr;
    if (FAILED(hr = ReadPolylines(model.boardPoly, outline)) || FAILED(hr = ReadPolylines(model.holes, holes)) ||
        FAILED(hr = ReadPolylines(model.partLoads, parts)) || FAILED(hr = ReadPolylines(model.lineLoads, lines)) ||
        FAILED(hr = ReadPolylines(model.trapLoads, traps)))
        return hr;
    if (outline.size() != 1) return DISP_E_TYPEMISMATCH;
    hasOutline = model.hasBoard != 0 && outline[0].points.size() >= 2;  // a circle has two
    for (std::size_t i = 0; i < outline[0].points.size(); ++i) {
        fea::OutlineVertex vertex;
        vertex.x = outline[0].points[i].x;
        vertex.y = outline[0].points[i].y;
        vertex.bulge = Polyline::Entry(outline[0].bulges, i);
        vertex.support = SupportOf(Polyline::Entry(outline[0].types, i));
        vertex.column = Polyline::Entry(outline[0].columns, i) == 1;
        slab.outline.push_back(vertex);
    }
    // Every edge of a hole takes the hole's support code (its segment types all say "hole edge").
    for (const Polyline& hole : holes) {
        slab.holes.push_back(hole.Polygon());
        slab.holeSupports.push_back(SupportOf(hole.holeSupport));
    }
    for (const Polyline& part : parts) {
        fea::AreaLoad load;
        load.polygon = part.Polygon();
        for (std::size_t i = 0; i < part.points.size(); ++i) load.values.push_back(Polyline::Entry(part.loadValues, i));
        load.loadCase = part.Case();
        slab.areaLoads.push_back(load);
    }
    AddLineLoads(lines, slab);
    AddLineLoads(traps, slab);

    CSafeArrayData masses;
    if (FAILED(hr = masses.Open(model.massLoads, VT_RECORD, &GUID_MassLoadRecord))) return hr;
    for (ULONG i = 0; i < masses.Count(); ++i) {
        const MassLoadRecord& record = masses.At<MassLoadRecord>(i);
        fea::PointLoad load;
        if (FAILED(hr = ReadPoint(record.point, load.at))) return hr;
        load.value = record.loadVal;
        load.loadCase = record.loadType == kLoadLive ? fea::LoadCase::Live : fea::LoadCase::Dead;
        slab.pointLoads.push_back(load);
    }
    return S_OK;
}

bool IsListed(const CStringArray& grades, const std::string& grade)
{
    for (int i = 0; i < grades.GetSize(); ++i)
        if (grades[i] == grade.c_str()) return true;
    return false;
}

HRESULT ReadSettingRecord(const VARIANT& v, const SettingRecord*& record, CSafeArrayData& data)
{
    const HRESULT hr = data.Open(v, VT_RECORD, &GUID_SettingRecord);
    if (FAILED(hr)) return hr;
    if (data.Count() != 1) return DISP_E_TYPEMISMATCH;
    record = &data.At<SettingRecord>(0);
    return S_OK;
}

HRESULT FillDesign(const SettingRecord& s, fea::DesignSettings& design, InputStatus& status)
{
    std::string concrete, steel, surface;
    try {
        concrete = _com_util::ConvertBSTRToString(s.boardGrade);
        steel = _com_util::ConvertBSTRToString(s.reinGrade);
        surface = _com_util::ConvertBSTRToString(s.coluReinType);
    } catch (const _com_error& e) {
        return e.Error();
    }
    CStringArray concreteGrades, steelGrades;
    CQeltConcrete::GetConcreteGradeString(concreteGrades);
    CQeltSteelBar::GetSteelBarGradeString(steelGrades);
    const double numbers[] = {s.everLoadCoef, s.actLoadCoef,  s.preEverCoef,   s.importCoef, s.protectWidth,
                              s.plusReinCoef, s.minusReinCoef, s.reinMinDia,    s.reinMaxDis, s.coluReinMinRate,
                              s.resultantForce, s.crackWidth, s.naoDu,         s.loadZuHe,   s.plusWanJu,
                              s.minusWanJu,   s.boxLength,     s.reinDir,       s.boardWidth, s.everLoadVal,
                              s.actLoadVal};
    bool finite = true;
    for (double number : numbers) finite = finite && std::isfinite(number);
    if (!finite || !IsListed(concreteGrades, concrete) || !IsListed(steelGrades, steel)) {
        status = InputStatus::BadSettings;
        return S_OK;
    }
    design.factors = {s.importCoef, s.everLoadCoef, s.actLoadCoef, s.loadZuHe, s.preEverCoef};
    fea::SlabSection& section = design.section;
    section.thickness = s.boardWidth;
    section.barCentroid = s.resultantForce;
    section.cover = s.protectWidth;
    section.fc = CQeltConcrete::GetFc(concrete.c_str());
    section.ft = CQeltConcrete::GetFt(concrete.c_str());
    section.ftk = CQeltConcrete::GetFtk(concrete.c_str());
    section.alpha1 = CQeltConcrete::GetAlpha1(concrete.c_str());
    section.xiB = CQeltConcrete::GetEb(steel.c_str(), concrete.c_str());
    section.ec = CQeltConcrete::GetEc(concrete.c_str());
    section.fy = CQeltSteelBar::GetFy(steel.c_str());
    section.es = CQeltSteelBar::GetEs(steel.c_str());
    section.minimumRatio = s.coluReinMinRate;
    section.ribbed = surface != "光面钢筋";
    design.barAngle = s.reinDir;
    design.positiveAdjustment = s.plusWanJu;
    design.negativeAdjustment = s.minusWanJu;
    design.bottomAreaFactor = s.plusReinCoef;
    design.topAreaFactor = s.minusReinCoef;
    design.leastDiameter = s.reinMinDia;
    design.greatestSpacing = s.reinMaxDis;
    design.crackLimit = s.crackWidth;
    design.deflectionAdjustment = s.naoDu;
    status = InputStatus::Ready;
    return S_OK;
}

}  // namespace

HRESULT ReadDesignSettings(const VARIANT& settings, fea::DesignSettings& design, InputStatus& status)
{
    CSafeArrayData data;
    const SettingRecord* record = nullptr;
    const HRESULT hr = ReadSettingRecord(settings, record, data);
    return FAILED(hr) ? hr : FillDesign(*record, design, status);
}

HRESULT ReadServerInput(const VARIANT& model, const VARIANT& settings, ServerInput& input, InputStatus& status)
{
    CSafeArrayData settingData;
    const SettingRecord* s = nullptr;
    HRESULT hr = ReadSettingRecord(settings, s, settingData);
    if (FAILED(hr)) return hr;
    CSafeArrayData modelData;
    if (FAILED(hr = modelData.Open(model, VT_RECORD, &GUID_ModelRecord))) return hr;
    if (modelData.Count() != 1) return DISP_E_TYPEMISMATCH;
    bool hasOutline = false;
    if (FAILED(hr = ReadSlab(modelData.At<ModelRecord>(0), input.slab, hasOutline))) return hr;
    if (FAILED(hr = FillDesign(*s, input.design, status))) return hr;
    if (!hasOutline) status = InputStatus::NoOutline;
    input.slab.uniformLoad[static_cast<int>(fea::LoadCase::Dead)] = s->everLoadVal;
    input.slab.uniformLoad[static_cast<int>(fea::LoadCase::Live)] = s->actLoadVal;
    input.slab.thickness = s->boardWidth;
    input.slab.elasticModulus = input.design.section.ec;
    input.mesh.elementSize = s->boxLength;
    input.mesh.rule = s->pouFenXianType;
    input.mesh.barAngle = s->reinDir;
    input.contourCount = s->cloudNum;
    return S_OK;
}
