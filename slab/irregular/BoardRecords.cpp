#include "slab/irregular/BoardRecords.h"

#include "com/ComError.h"
#include "com/SafeArrayData.h"
#include "plateserver/interface/PlateRecords.h"

namespace {

void Check(HRESULT hr)
{
    if (FAILED(hr)) _com_issue_error(hr);
}

// A record array of count elements in v, each filled by fill(record, index).
template <class Record, class Fill>
void PackRecords(REFGUID recordId, int count, VARIANT& v, Fill fill)
{
    Check(CreateRecordArray(LIBID_PlateServer, recordId, static_cast<ULONG>(count), v));
    CSafeArrayData data;
    Check(data.Open(v, VT_RECORD, &recordId));
    for (int i = 0; i < count; ++i) fill(data.At<Record>(static_cast<ULONG>(i)), i);
}

// Each element of the record array in v handed to read(record, index).
template <class Record, class Read>
void UnpackRecords(const VARIANT& v, REFGUID recordId, Read read)
{
    CSafeArrayData data;
    Check(data.Open(v, VT_RECORD, &recordId));
    for (ULONG i = 0; i < data.Count(); ++i) read(data.At<Record>(i), static_cast<int>(i));
}

template <class T>
void ValuesToVariant(VARTYPE vt, const CArray<T, T>& values, VARIANT& v)
{
    Check(CreateValueArray(vt, static_cast<ULONG>(values.GetSize()), v));
    CSafeArrayData data;
    Check(data.Open(v, vt));
    for (int i = 0; i < values.GetSize(); ++i) data.At<T>(static_cast<ULONG>(i)) = values[i];
}

template <class T>
void VariantToValues(const VARIANT& v, VARTYPE vt, CArray<T, T>& values)
{
    CSafeArrayData data;
    Check(data.Open(v, vt));
    for (ULONG i = 0; i < data.Count(); ++i) values.SetAtGrow(static_cast<int>(i), data.At<T>(i));
}

}  // namespace

BSTR CStringToBstr(const CString& text) { return _com_util::ConvertStringToBSTR(text); }

CString BstrToCString(BSTR text) { return CString(_com_util::ConvertBSTRToString(text).c_str()); }

void PointToVariant(const AcGePoint3d& point, VARIANT& v) { Check(PointToRecordVariant(point.x, point.y, point.z, v)); }

void PointArrayToVariant(const PointArray& points, VARIANT& v)
{
    PackRecords<PointRecord>(GUID_PointRecord, points.length(), v, [&](PointRecord& r, int i) {
        r = {points[i].x, points[i].y, points[i].z};
    });
}

void IntArrayToVariant(const CArray<int, int>& values, VARIANT& v) { ValuesToVariant(VT_I4, values, v); }

void DoubleArrayToVariant(const CArray<double, double>& values, VARIANT& v) { ValuesToVariant(VT_R8, values, v); }

void MassLoadsToVariant(const CArray<CMassLoad, const CMassLoad&>& loads, VARIANT& v)
{
    PackRecords<MassLoadRecord>(GUID_MassLoadRecord, loads.GetSize(), v, [&](MassLoadRecord& r, int i) {
        PointToVariant(loads[i].m_MassPt, r.point);
        r.loadType = loads[i].m_LaodType;
        r.loadVal = loads[i].m_LoadVal;
    });
}

void ResultPointsToVariant(const CArray<CBoardResultPoint, const CBoardResultPoint&>& points, VARIANT& v)
{
    PackRecords<ResultPointRecord>(GUID_ResultPointRecord, points.GetSize(), v, [&](ResultPointRecord& r, int i) {
        PointToVariant(points[i].m_Point, r.point);
        r.size = points[i].m_dSize;
        r.color = static_cast<std::int32_t>(points[i].m_Color);
    });
}

void ResultLinesToVariant(const CArray<CBoardResultLine, const CBoardResultLine&>& lines, VARIANT& v)
{
    PackRecords<ResultLineRecord>(GUID_ResultLineRecord, lines.GetSize(), v, [&](ResultLineRecord& r, int i) {
        PointToVariant(lines[i].m_StartPt, r.start);
        PointToVariant(lines[i].m_EndPt, r.end);
        r.color = static_cast<std::int32_t>(lines[i].m_Color);
        r.kind = lines[i].m_nKind;
    });
}

void ResultTextsToVariant(const CArray<CBoardResultText, const CBoardResultText&>& texts, VARIANT& v)
{
    PackRecords<ResultTextRecord>(GUID_ResultTextRecord, texts.GetSize(), v, [&](ResultTextRecord& r, int i) {
        const CBoardResultText& t = texts[i];
        r.text = CStringToBstr(t.m_strText);
        r.height = t.m_dHeight;
        r.color = static_cast<std::int32_t>(t.m_Color);
        PointToVariant(t.m_FirstPt, r.first);
        PointToVariant(t.m_SecondPt, r.second);
        r.firstOption = t.m_nFirstOption;
        r.textMode = t.m_nTextMode;
        r.picture = t.m_nPicture;
    });
}

namespace {

void FillPolylineRecord(const CBoardPolyline& p, PolylineRecord& r)
{
    PointArrayToVariant(p.m_StretchPtArray, r.points);
    DoubleArrayToVariant(p.m_BulgeArray, r.bulges);
    DoubleArrayToVariant(p.m_DisArray, r.dis);
    DoubleArrayToVariant(p.m_LineDisArray, r.lineDis);
    IntArrayToVariant(p.m_LineTypeArray, r.lineTypes);
    IntArrayToVariant(p.m_HasColuArray, r.hasColu);
    DoubleArrayToVariant(p.m_LoadValArray, r.loadVals);
    r.boardType = p.m_BoardType;
    r.loadType = p.m_LoadType;
    r.xorY = CStringToBstr(p.m_strXorY);
    r.bottomDis = p.m_dBottomDis;
    r.loadWidth = p.m_LoadWidth;
    PointToVariant(p.m_ptLeft, r.ptLeft);
    PointToVariant(p.m_ptRight, r.ptRight);
    r.isClosed = p.m_IsClosed;
    r.holeSupport = p.m_nHoleSupport;
}

void ReadPolylineRecord(const PolylineRecord& r, CBoardPolyline& p)
{
    VariantToPointArray(r.points, p.m_StretchPtArray);
    VariantToDoubleArray(r.bulges, p.m_BulgeArray);
    VariantToDoubleArray(r.dis, p.m_DisArray);
    VariantToDoubleArray(r.lineDis, p.m_LineDisArray);
    VariantToIntArray(r.lineTypes, p.m_LineTypeArray);
    VariantToIntArray(r.hasColu, p.m_HasColuArray);
    VariantToDoubleArray(r.loadVals, p.m_LoadValArray);
    p.m_BoardType = r.boardType;
    p.m_LoadType = r.loadType;
    p.m_strXorY = BstrToCString(r.xorY);
    p.m_dBottomDis = r.bottomDis;
    p.m_LoadWidth = r.loadWidth;
    VariantToPoint(r.ptLeft, p.m_ptLeft);
    VariantToPoint(r.ptRight, p.m_ptRight);
    p.m_IsClosed = r.isClosed;
    p.m_nHoleSupport = r.holeSupport;
}

}  // namespace

void PolylineToVariant(const CBoardPolyline& poly, VARIANT& v)
{
    PackRecords<PolylineRecord>(GUID_PolylineRecord, 1, v, [&](PolylineRecord& r, int) { FillPolylineRecord(poly, r); });
}

void PolylinesToVariant(const CBoardPolylineArray& polys, VARIANT& v)
{
    PackRecords<PolylineRecord>(GUID_PolylineRecord, polys.GetSize(), v,
                                [&](PolylineRecord& r, int i) { FillPolylineRecord(polys[i], r); });
}

void PackSettingRecord(const CBoardSetting& s, VARIANT& v)
{
    PackRecords<SettingRecord>(GUID_SettingRecord, 1, v, [&](SettingRecord& r, int) {
        r.everLoadCoef = s.m_dEverLoadCoef;
        r.actLoadCoef = s.m_dActLoadCoef;
        r.preEverCoef = s.m_dPreEverCoef;
        r.importCoef = s.m_dImportCoef;
        r.protectWidth = s.m_dProtectWidth;
        r.boardGrade = CStringToBstr(s.m_strBoardGrade);
        r.reinGrade = CStringToBstr(s.m_strReinGrade);
        r.plusReinCoef = s.m_dPlusReinCoef;
        r.minusReinCoef = s.m_dMinusReinCoef;
        r.reinMinDia = s.m_dReinMinDia;
        r.reinMaxDis = s.m_dReinMaxDis;
        r.coluReinMinRate = s.m_dColuReinMinRate;
        r.coluReinType = CStringToBstr(s.m_strColuReinType);
        r.resultantForce = s.m_dResultantForce;
        r.crackWidth = s.m_dCrackWidth;
        r.naoDu = s.m_dNaoDu;
        r.loadZuHe = s.m_dLoadZuHe;
        r.plusWanJu = s.m_dPlusWanJu;
        r.minusWanJu = s.m_dMinusWanJu;
        r.pouFenXianType = s.m_nPouFenXianType;
        r.boxLength = s.m_dBoxLength;
        r.reinDir = s.m_dReinDir;
        r.cloudNum = s.m_nCloudNum;
        r.boardWidth = s.m_nBoardWidth;
        r.everLoadVal = s.m_EverLoadVal;
        r.actLoadVal = s.m_ActLoadVal;
    });
}

void PackModelRecord(const CBoardData& d, VARIANT& v)
{
    PackRecords<ModelRecord>(GUID_ModelRecord, 1, v, [&](ModelRecord& r, int) {
        PolylineToVariant(d.m_BoardPoly, r.boardPoly);
        PolylinesToVariant(d.m_HoleArray, r.holes);
        MassLoadsToVariant(d.m_MassLoadArray, r.massLoads);
        PolylinesToVariant(d.m_PartLoadArray, r.partLoads);
        PolylinesToVariant(d.m_LineLoadArray, r.lineLoads);
        PolylinesToVariant(d.m_TrapLoadArray, r.trapLoads);
        r.hasBoard = d.m_HasBoard;
        PolylineToVariant(d.m_WorkPoly, r.workPoly);
        ResultPointsToVariant(d.m_ResultPoints, r.resultPoints);
        ResultLinesToVariant(d.m_ResultLines, r.resultLines);
        ResultTextsToVariant(d.m_ResultTexts, r.resultTexts);
    });
}

void VariantToPoint(const VARIANT& v, AcGePoint3d& point)
{
    CSafeArrayData data;
    Check(data.Open(v, VT_RECORD, &GUID_PointRecord));
    if (data.Count() != 1) _com_issue_error(DISP_E_TYPEMISMATCH);
    const PointRecord& r = data.At<PointRecord>(0);
    point.set(r.x, r.y, r.z);
}

void VariantToPointArray(const VARIANT& v, PointArray& points)
{
    UnpackRecords<PointRecord>(v, GUID_PointRecord, [&](const PointRecord& r, int i) {
        const AcGePoint3d point(r.x, r.y, r.z);
        if (i < points.length()) points[i] = point;
        else points.append(point);
    });
}

void VariantToIntArray(const VARIANT& v, CArray<int, int>& values) { VariantToValues(v, VT_I4, values); }

void VariantToDoubleArray(const VARIANT& v, CArray<double, double>& values) { VariantToValues(v, VT_R8, values); }

void VariantToMassLoads(const VARIANT& v, CArray<CMassLoad, const CMassLoad&>& loads)
{
    UnpackRecords<MassLoadRecord>(v, GUID_MassLoadRecord, [&](const MassLoadRecord& r, int) {
        CMassLoad load;
        VariantToPoint(r.point, load.m_MassPt);
        load.m_LaodType = r.loadType;
        load.m_LoadVal = r.loadVal;
        loads.Add(load);
    });
}

void VariantToResultPoints(const VARIANT& v, CArray<CBoardResultPoint, const CBoardResultPoint&>& points)
{
    UnpackRecords<ResultPointRecord>(v, GUID_ResultPointRecord, [&](const ResultPointRecord& r, int) {
        CBoardResultPoint point;
        VariantToPoint(r.point, point.m_Point);
        point.m_dSize = r.size;
        point.m_Color = static_cast<COLORREF>(r.color);
        points.Add(point);
    });
}

void VariantToResultLines(const VARIANT& v, CArray<CBoardResultLine, const CBoardResultLine&>& lines)
{
    UnpackRecords<ResultLineRecord>(v, GUID_ResultLineRecord, [&](const ResultLineRecord& r, int) {
        CBoardResultLine line;
        VariantToPoint(r.start, line.m_StartPt);
        VariantToPoint(r.end, line.m_EndPt);
        line.m_Color = static_cast<COLORREF>(r.color);
        line.m_nKind = r.kind;
        lines.Add(line);
    });
}

void VariantToResultTexts(const VARIANT& v, CArray<CBoardResultText, const CBoardResultText&>& texts)
{
    UnpackRecords<ResultTextRecord>(v, GUID_ResultTextRecord, [&](const ResultTextRecord& r, int) {
        CBoardResultText text;
        text.m_strText = BstrToCString(r.text);
        text.m_dHeight = r.height;
        text.m_Color = static_cast<COLORREF>(r.color);
        VariantToPoint(r.first, text.m_FirstPt);
        VariantToPoint(r.second, text.m_SecondPt);
        text.m_nFirstOption = r.firstOption;
        text.m_nTextMode = r.textMode;
        text.m_nPicture = r.picture;
        texts.Add(text);
    });
}

void VariantToPolyline(const VARIANT& v, CBoardPolyline& poly)
{
    CSafeArrayData data;
    Check(data.Open(v, VT_RECORD, &GUID_PolylineRecord));
    if (data.Count() != 1) _com_issue_error(DISP_E_TYPEMISMATCH);
    ReadPolylineRecord(data.At<PolylineRecord>(0), poly);
}

void VariantToPolylines(const VARIANT& v, CBoardPolylineArray& polys)
{
    UnpackRecords<PolylineRecord>(v, GUID_PolylineRecord, [&](const PolylineRecord& r, int) {
        CBoardPolyline poly;
        ReadPolylineRecord(r, poly);
        polys.Add(poly);
    });
}

void UnpackModelRecord(const VARIANT& v, CBoardData& d)
{
    CSafeArrayData data;
    Check(data.Open(v, VT_RECORD, &GUID_ModelRecord));
    if (data.Count() != 1) _com_issue_error(DISP_E_TYPEMISMATCH);
    const ModelRecord& r = data.At<ModelRecord>(0);
    VariantToPolyline(r.boardPoly, d.m_BoardPoly);
    VariantToPolylines(r.holes, d.m_HoleArray);
    VariantToMassLoads(r.massLoads, d.m_MassLoadArray);
    VariantToPolylines(r.partLoads, d.m_PartLoadArray);
    VariantToPolylines(r.lineLoads, d.m_LineLoadArray);
    VariantToPolylines(r.trapLoads, d.m_TrapLoadArray);
    d.m_HasBoard = r.hasBoard;
    VariantToPolyline(r.workPoly, d.m_WorkPoly);
    VariantToResultPoints(r.resultPoints, d.m_ResultPoints);
    VariantToResultLines(r.resultLines, d.m_ResultLines);
    VariantToResultTexts(r.resultTexts, d.m_ResultTexts);
}

void ReadResultArray(const VARIANT& v, CArray<BoardReinResult, const BoardReinResult&>& rows)
{
    UnpackRecords<ResultRecord>(v, GUID_ResultRecord, [&](const ResultRecord& r, int) {
        BoardReinResult row;
        row.m_dMoment = r.moment;
        row.m_dCalArea = r.calArea;
        row.m_dRealArea = r.realArea;
        row.m_dDiameter = r.diameter;
        row.m_dSpace = r.space;
        row.m_nFlag = r.flag;
        row.m_dDeflection = r.deflection;
        row.m_dCrack = r.crack;
        row.m_nRowId = r.rowId;
        row.m_nCorner = r.corner;
        rows.Add(row);
    });
}
