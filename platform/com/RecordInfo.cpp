#include "com/RecordInfo.h"

#include <cstring>
#include <memory>

namespace {

std::vector<std::unique_ptr<IRecordInfo>>& Registry()
{
    static std::vector<std::unique_ptr<IRecordInfo>> registry;
    return registry;
}

}  // namespace

IRecordInfo::IRecordInfo(REFGUID libid, WORD major, WORD minor, REFGUID guid, ULONG size,
                         std::vector<RecordField> fields)
    : m_libid(libid), m_major(major), m_minor(minor), m_guid(guid), m_size(size), m_fields(std::move(fields))
{
}

HRESULT IRecordInfo::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown) return E_NOINTERFACE;
    *ppv = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
}

ULONG IRecordInfo::AddRef() { return ++m_refs; }

ULONG IRecordInfo::Release() { return m_refs > 0 ? --m_refs : 0; }

HRESULT IRecordInfo::RecordInit(void* record)
{
    if (!record) return E_INVALIDARG;
    std::memset(record, 0, m_size);
    return S_OK;
}

HRESULT IRecordInfo::RecordClear(void* record)
{
    if (!record) return E_INVALIDARG;
    char* base = static_cast<char*>(record);
    for (const RecordField& field : m_fields) {
        if (field.vt == VT_BSTR) {
            BSTR* text = reinterpret_cast<BSTR*>(base + field.offset);
            SysFreeString(*text);
            *text = nullptr;
        } else {
            const HRESULT hr = VariantClear(reinterpret_cast<VARIANT*>(base + field.offset));
            if (FAILED(hr)) return hr;
        }
    }
    return RecordInit(record);
}

HRESULT IRecordInfo::RecordCopy(const void* source, void* dest)
{
    if (!source || !dest) return E_INVALIDARG;
    std::memcpy(dest, source, m_size);
    const char* from = static_cast<const char*>(source);
    char* to = static_cast<char*>(dest);
    // Owned fields start empty in the copy, so that a failure leaves nothing to free twice.
    for (const RecordField& field : m_fields) {
        if (field.vt == VT_BSTR) *reinterpret_cast<BSTR*>(to + field.offset) = nullptr;
        else VariantInit(reinterpret_cast<VARIANT*>(to + field.offset));
    }
    for (const RecordField& field : m_fields) {
        if (field.vt == VT_BSTR) {
            BSTR text = *reinterpret_cast<const BSTR*>(from + field.offset);
            if (!text) continue;
            BSTR copy = SysAllocStringLen(text, SysStringLen(text));
            if (!copy) return E_OUTOFMEMORY;
            *reinterpret_cast<BSTR*>(to + field.offset) = copy;
        } else {
            const HRESULT hr = VariantCopy(reinterpret_cast<VARIANT*>(to + field.offset),
                                           reinterpret_cast<const VARIANT*>(from + field.offset));
            if (FAILED(hr)) return hr;
        }
    }
    return S_OK;
}

HRESULT IRecordInfo::GetSize(ULONG* size)
{
    if (!size) return E_POINTER;
    *size = m_size;
    return S_OK;
}

HRESULT IRecordInfo::GetGuid(GUID* guid)
{
    if (!guid) return E_POINTER;
    *guid = m_guid;
    return S_OK;
}

bool IRecordInfo::Matches(REFGUID libid, WORD major, WORD minor, REFGUID guid) const
{
    return m_libid == libid && m_major == major && m_minor == minor && m_guid == guid;
}

void RegisterRecordType(REFGUID libid, WORD major, WORD minor, REFGUID guid, ULONG size,
                        std::vector<RecordField> fields)
{
    for (const auto& info : Registry())
        if (info->Matches(libid, major, minor, guid)) return;
    Registry().push_back(std::make_unique<IRecordInfo>(libid, major, minor, guid, size, std::move(fields)));
}

HRESULT GetRecordInfoFromGuids(REFGUID libid, ULONG major, ULONG minor, LCID, REFGUID guid, IRecordInfo** info)
{
    if (!info) return E_POINTER;
    *info = nullptr;
    for (const auto& candidate : Registry()) {
        if (candidate->Matches(libid, static_cast<WORD>(major), static_cast<WORD>(minor), guid)) {
            *info = candidate.get();
            candidate->AddRef();
            return S_OK;
        }
    }
    return TYPE_E_ELEMENTNOTFOUND;
}
