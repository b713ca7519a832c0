// Safe arrays of one dimension: 32-bit ints, doubles, BSTRs or records of a described type. The
// array owns its elements: destroying it frees their texts and clears their records.
#pragma once

#include "com/ComBase.h"
#include "com/RecordInfo.h"
#include "com/Variant.h"

struct SAFEARRAYBOUND {
    ULONG cElements;
    LONG lLbound;
};

struct SAFEARRAY {
    WORD cDims;
    WORD fFeatures;
    ULONG cbElements;
    ULONG cLocks;
    void* pvData;
    SAFEARRAYBOUND rgsabound[1];
    VARTYPE vt;              // the element kind
    IRecordInfo* pRecInfo;   // the record description of a VT_RECORD array
};

// Null when the kind is not one of VT_I4, VT_R8 and VT_BSTR, or memory runs out.
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count);
// VT_RECORD with the record description (kept with an added reference); elements start initialised.
SAFEARRAY* SafeArrayCreateVectorEx(VARTYPE vt, LONG lowerBound, ULONG count, IRecordInfo* info);
HRESULT SafeArrayDestroy(SAFEARRAY* array);
HRESULT SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT SafeArrayUnaccessData(SAFEARRAY* array);
HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound);
HRESULT SafeArrayGetRecordInfo(SAFEARRAY* array, IRecordInfo** info);
// A deep copy of the array and its elements.
HRESULT SafeArrayCopy(SAFEARRAY* source, SAFEARRAY** copy);
