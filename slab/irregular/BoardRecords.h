#pragma once

// The slab model and settings as the analysis server's records, and back. Packing fills a caller's
// VARIANT (cleared first); unpacking appends to the caller's arrays, writes plain arrays and point
// lists from their front, and fills a single polyline in place. A VARIANT of the wrong shape, or a
// failure of the COM layer, raises _com_error.

#include "com/Variant.h"
#include "mfc/base/Array.h"
#include "mfc/base/String.h"
#include "slab/irregular/BoardData.h"
#include "slab/irregular/BoardReinResult.h"
#include "slab/irregular/BoardSetting.h"

typedef CArray<CBoardPolyline, const CBoardPolyline&> CBoardPolylineArray;

BSTR CStringToBstr(const CString& text);
CString BstrToCString(BSTR text);

void PointToVariant(const AcGePoint3d& point, VARIANT& v);
void PointArrayToVariant(const PointArray& points, VARIANT& v);
void IntArrayToVariant(const CArray<int, int>& values, VARIANT& v);
void DoubleArrayToVariant(const CArray<double, double>& values, VARIANT& v);
void MassLoadsToVariant(const CArray<CMassLoad, const CMassLoad&>& loads, VARIANT& v);
void ResultPointsToVariant(const CArray<CBoardResultPoint, const CBoardResultPoint&>& points, VARIANT& v);
void ResultLinesToVariant(const CArray<CBoardResultLine, const CBoardResultLine&>& lines, VARIANT& v);
void ResultTextsToVariant(const CArray<CBoardResultText, const CBoardResultText&>& texts, VARIANT& v);
void PolylineToVariant(const CBoardPolyline& poly, VARIANT& v);
void PolylinesToVariant(const CBoardPolylineArray& polys, VARIANT& v);
void PackSettingRecord(const CBoardSetting& setting, VARIANT& v);
void PackModelRecord(const CBoardData& data, VARIANT& v);

void VariantToPoint(const VARIANT& v, AcGePoint3d& point);
void VariantToPointArray(const VARIANT& v, PointArray& points);
void VariantToIntArray(const VARIANT& v, CArray<int, int>& values);
void VariantToDoubleArray(const VARIANT& v, CArray<double, double>& values);
void VariantToMassLoads(const VARIANT& v, CArray<CMassLoad, const CMassLoad&>& loads);
void VariantToResultPoints(const VARIANT& v, CArray<CBoardResultPoint, const CBoardResultPoint&>& points);
void VariantToResultLines(const VARIANT& v, CArray<CBoardResultLine, const CBoardResultLine&>& lines);
void VariantToResultTexts(const VARIANT& v, CArray<CBoardResultText, const CBoardResultText&>& texts);
void VariantToPolyline(const VARIANT& v, CBoardPolyline& poly);
void VariantToPolylines(const VARIANT& v, CBoardPolylineArray& polys);
// Fills the outline and the working polyline in place and appends to every array: the caller
// empties the model first.
void UnpackModelRecord(const VARIANT& v, CBoardData& data);
void ReadResultArray(const VARIANT& v, CArray<BoardReinResult, const BoardReinResult&>& rows);
