// The description of a user-defined record of a type library: its size and the fields that own
// memory (BSTRs and VARIANTs), so that records can be initialised, copied and cleared whole.
// A type library's records are registered once (RegisterRecordType) and found by their GUIDs.
#pragma once

#include <vector>

#include "com/ComBase.h"
#include "com/Variant.h"

struct RecordField {
    ULONG offset;
    VARTYPE vt;  // VT_BSTR or VT_VARIANT; plain fields need no entry
};

class IRecordInfo final : public IUnknown {
public:
    IRecordInfo(REFGUID libid, WORD major, WORD minor, REFGUID guid, ULONG size, std::vector<RecordField> fields);

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    // The registry owns every description; the counts only pair the calls.
    ULONG AddRef() override;
    ULONG Release() override;

    // Zeroes a record: empty texts and empty variants.
    HRESULT RecordInit(void* record);
    // Frees what a record's fields own and zeroes it.
    HRESULT RecordClear(void* record);
    // A deep copy of a record into an initialised or cleared destination.
    HRESULT RecordCopy(const void* source, void* dest);
    HRESULT GetSize(ULONG* size);
    HRESULT GetGuid(GUID* guid);

    bool Matches(REFGUID libid, WORD major, WORD minor, REFGUID guid) const;

private:
    GUID m_libid;
    WORD m_major, m_minor;
    GUID m_guid;
    ULONG m_size;
    std::vector<RecordField> m_fields;
    ULONG m_refs = 0;
};

// Registers a record type of a type library; registering the same GUID again replaces nothing.
void RegisterRecordType(REFGUID libid, WORD major, WORD minor, REFGUID guid, ULONG size,
                        std::vector<RecordField> fields);
// The description of a registered record type (AddRef'ed); TYPE_E_ELEMENTNOTFOUND when unknown.
HRESULT GetRecordInfoFromGuids(REFGUID libid, ULONG major, ULONG minor, LCID lcid, REFGUID guid, IRecordInfo** info);
