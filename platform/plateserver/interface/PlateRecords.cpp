#include "plateserver/interface/PlateRecords.h"

#include <cstddef>

#include "com/RecordInfo.h"
#include "com/SafeArrayData.h"

const GUID LIBID_PlateServer = {0x9D2420C5, 0x6078, 0x4DB7, {0x8F, 0x3B, 0xFC, 0x64, 0x38, 0x1C, 0x7A, 0x9E}};
const GUID GUID_PointRecord = {0x702E8C21, 0x1B45, 0x486F, {0xA0, 0x9F, 0x1D, 0x76, 0xCC, 0xE1, 0x3A, 0x63}};
const GUID GUID_MassLoadRecord = {0xE069E09B, 0x9F48, 0x45B1, {0x8F, 0x77, 0x2A, 0x86, 0xFC, 0x2A, 0xB9, 0x28}};
const GUID GUID_ResultPointRecord = {0xF6A938DC, 0xC820, 0x4C19, {0x84, 0x64, 0x09, 0xD1, 0xA0, 0xDD, 0xD9, 0xFA}};
const GUID GUID_ResultLineRecord = {0x70BEF5BD, 0x0AE6, 0x4DF9, {0xAC, 0x1B, 0x9D, 0x35, 0xD2, 0xDB, 0xE1, 0x14}};
const GUID GUID_ResultTextRecord = {0x4BBDD7B9, 0x51DA, 0x41F7, {0x96, 0x08, 0x8A, 0x90, 0x01, 0xC0, 0x46, 0xA5}};
const GUID GUID_PolylineRecord = {0x45D1B28D, 0xEE15, 0x4595, {0xBB, 0x47, 0x83, 0x1B, 0x3E, 0x58, 0xA7, 0x3D}};
const GUID GUID_SettingRecord = {0x26ACD6C3, 0xEED2, 0x4C7A, {0x9B, 0xE0, 0x12, 0x0D, 0x63, 0x55, 0xD1, 0xDC}};
const GUID GUID_ModelRecord = {0xCBA230B7, 0x7CF0, 0x43ED, {0x8E, 0xE8, 0x6E, 0x0D, 0x5A, 0x0A, 0x19, 0x89}};
// The result row has no identifier of its own in the library; this one is the server's.
const GUID GUID_ResultRecord = {0x3F1C2B7A, 0x5D64, 0x4E8B, {0x9A, 0x21, 0x6C, 0x0F, 0x4B, 0x8D, 0x27, 0xE3}};

#define QELT_FIELD(record, field, kind) {static_cast<ULONG>(offsetof(record, field)), kind}

void RegisterPlateRecordTypes()
{
    auto reg = [](REFGUID guid, ULONG size, std::vector<RecordField> fields) {
        RegisterRecordType(LIBID_PlateServer, 1, 0, guid, size, std::move(fields));
    };
    reg(GUID_PointRecord, sizeof(PointRecord), {});
    reg(GUID_MassLoadRecord, sizeof(MassLoadRecord), {QELT_FIELD(MassLoadRecord, point, VT_VARIANT)});
    reg(GUID_ResultPointRecord, sizeof(ResultPointRecord), {QELT_FIELD(ResultPointRecord, point, VT_VARIANT)});
    reg(GUID_ResultLineRecord, sizeof(ResultLineRecord),
        {QELT_FIELD(ResultLineRecord, start, VT_VARIANT), QELT_FIELD(ResultLineRecord, end, VT_VARIANT)});
    reg(GUID_ResultTextRecord, sizeof(ResultTextRecord),
        {QELT_FIELD(ResultTextRecord, text, VT_BSTR), QELT_FIELD(ResultTextRecord, first, VT_VARIANT),
         QELT_FIELD(ResultTextRecord, second, VT_VARIANT)});
    reg(GUID_PolylineRecord, sizeof(PolylineRecord),
        {QELT_FIELD(PolylineRecord, points, VT_VARIANT), QELT_FIELD(PolylineRecord, bulges, VT_VARIANT),
         QELT_FIELD(PolylineRecord, dis, VT_VARIANT), QELT_FIELD(PolylineRecord, lineDis, VT_VARIANT),
         QELT_FIELD(PolylineRecord, lineTypes, VT_VARIANT), QELT_FIELD(PolylineRecord, hasColu, VT_VARIANT),
         QELT_FIELD(PolylineRecord, loadVals, VT_VARIANT), QELT_FIELD(PolylineRecord, xorY, VT_BSTR),
         QELT_FIELD(PolylineRecord, ptLeft, VT_VARIANT), QELT_FIELD(PolylineRecord, ptRight, VT_VARIANT)});
    reg(GUID_SettingRecord, sizeof(SettingRecord),
        {QELT_FIELD(SettingRecord, boardGrade, VT_BSTR), QELT_FIELD(SettingRecord, reinGrade, VT_BSTR),
         QELT_FIELD(SettingRecord, coluReinType, VT_BSTR)});
    reg(GUID_ModelRecord, sizeof(ModelRecord),
        {QELT_FIELD(ModelRecord, boardPoly, VT_VARIANT), QELT_FIELD(ModelRecord, holes, VT_VARIANT),
         QELT_FIELD(ModelRecord, massLoads, VT_VARIANT), QELT_FIELD(ModelRecord, partLoads, VT_VARIANT),
         QELT_FIELD(ModelRecord, lineLoads, VT_VARIANT), QELT_FIELD(ModelRecord, trapLoads, VT_VARIANT),
         QELT_FIELD(ModelRecord, workPoly, VT_VARIANT), QELT_FIELD(ModelRecord, resultPoints, VT_VARIANT),
         QELT_FIELD(ModelRecord, resultLines, VT_VARIANT), QELT_FIELD(ModelRecord, resultTexts, VT_VARIANT)});
    reg(GUID_ResultRecord, sizeof(ResultRecord), {});
}

HRESULT PointToRecordVariant(double x, double y, double z, VARIANT& v)
{
    const HRESULT hr = CreateRecordArray(LIBID_PlateServer, GUID_PointRecord, 1, v);
    if (FAILED(hr)) return hr;
    CSafeArrayData data;
    data.Open(v, VT_RECORD, &GUID_PointRecord);
    data.At<PointRecord>(0) = {x, y, z};
    return S_OK;
}
