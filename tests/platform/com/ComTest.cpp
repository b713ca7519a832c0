// The COM layer: texts through BSTRs in the GBK code page, variants and record arrays that own
// nested arrays and texts (copied deeply and freed whole, which the leak checker watches), and
// in-process classes created by class id.
#include <gtest/gtest.h>

#include <cstring>

#include "com/Bstr.h"
#include "com/ClassRegistry.h"
#include "com/ComError.h"
#include "com/RecordInfo.h"
#include "com/SafeArray.h"
#include "com/Variant.h"

namespace {

const GUID kLib = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
const GUID kTagRecord = {0x44444444, 0x5555, 0x6666, {8, 7, 6, 5, 4, 3, 2, 1}};

// A record with a text, a nested array and a plain value.
struct TagRecord {
    BSTR name;
    VARIANT values;
    double weight;
};

IRecordInfo* TagInfo()
{
    RegisterRecordType(kLib, 1, 0, kTagRecord, sizeof(TagRecord),
                       {{offsetof(TagRecord, name), VT_BSTR}, {offsetof(TagRecord, values), VT_VARIANT}});
    IRecordInfo* info = nullptr;
    EXPECT_EQ(GetRecordInfoFromGuids(kLib, 1, 0, GetUserDefaultLCID(), kTagRecord, &info), S_OK);
    return info;
}

TEST(Bstr, GbkTextsSurviveTheRoundTrip) {
    const char* texts[] = {"X向", "", "光面钢筋 HRB335", "计算超限,请返回修改!"};
    for (const char* text : texts) {
        BSTR bstr = _com_util::ConvertStringToBSTR(text);
        EXPECT_EQ(_com_util::ConvertBSTRToString(bstr), text);
        SysFreeString(bstr);
    }
    BSTR direction = _com_util::ConvertStringToBSTR("X向");
    ASSERT_EQ(SysStringLen(direction), 2u);
    EXPECT_EQ(direction[0], u'X');
    EXPECT_EQ(direction[1], u'向');
    EXPECT_EQ(direction[2], 0);
    SysFreeString(direction);
    EXPECT_EQ(_com_util::ConvertStringToBSTR(nullptr), nullptr);
    EXPECT_EQ(_com_util::ConvertBSTRToString(nullptr), "");
}

TEST(Bstr, BytesThatAreNotGbkAreRefused) {
    try {
        _com_util::ConvertStringToBSTR("\x81");
        FAIL() << "a lone lead byte converted";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_INVALIDARG);
    }
}

TEST(SafeArray, PlainArraysHaveTheirBoundsAndZeroedElements) {
    SAFEARRAY* ints = SafeArrayCreateVector(VT_I4, 0, 3);
    ASSERT_NE(ints, nullptr);
    LONG upper = -7;
    EXPECT_EQ(SafeArrayGetUBound(ints, 1, &upper), S_OK);
    EXPECT_EQ(upper, 2);
    std::int32_t* data = nullptr;
    ASSERT_EQ(SafeArrayAccessData(ints, reinterpret_cast<void**>(&data)), S_OK);
    EXPECT_EQ(data[0] + data[1] + data[2], 0);
    // A locked array is not destroyed under its user.
    EXPECT_EQ(SafeArrayDestroy(ints), DISP_E_ARRAYISLOCKED);
    EXPECT_EQ(SafeArrayUnaccessData(ints), S_OK);
    EXPECT_EQ(SafeArrayUnaccessData(ints), E_UNEXPECTED);
    EXPECT_EQ(SafeArrayDestroy(ints), S_OK);

    SAFEARRAY* empty = SafeArrayCreateVector(VT_R8, 0, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SafeArrayGetUBound(empty, 1, &upper), S_OK);
    EXPECT_EQ(upper, -1);
    EXPECT_EQ(SafeArrayDestroy(empty), S_OK);
    EXPECT_EQ(SafeArrayCreateVector(VT_RECORD, 0, 1), nullptr);
    EXPECT_EQ(SafeArrayCreateVectorEx(VT_RECORD, 0, 1, nullptr), nullptr);
}

TEST(SafeArray, RecordArraysCopyDeeplyAndFreeWhatTheyOwn) {
    IRecordInfo* info = TagInfo();
    ASSERT_NE(info, nullptr);
    VARIANT original;
    VariantInit(&original);
    original.vt = VT_ARRAY | VT_RECORD;
    original.parray = SafeArrayCreateVectorEx(VT_RECORD, 0, 2, info);
    info->Release();
    ASSERT_NE(original.parray, nullptr);
    TagRecord* tags = nullptr;
    ASSERT_EQ(SafeArrayAccessData(original.parray, reinterpret_cast<void**>(&tags)), S_OK);
    EXPECT_EQ(tags[1].name, nullptr);
    EXPECT_EQ(tags[1].values.vt, VT_EMPTY);
    tags[0].name = _com_util::ConvertStringToBSTR("Y向");
    tags[0].values.vt = VT_ARRAY | VT_R8;
    tags[0].values.parray = SafeArrayCreateVector(VT_R8, 0, 2);
    double* values = nullptr;
    SafeArrayAccessData(tags[0].values.parray, reinterpret_cast<void**>(&values));
    values[0] = 1.5;
    values[1] = -2.5;
    SafeArrayUnaccessData(tags[0].values.parray);
    tags[0].weight = 3.25;
    SafeArrayUnaccessData(original.parray);

    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &original), S_OK);
    EXPECT_EQ(VariantClear(&original), S_OK);
    EXPECT_EQ(original.vt, VT_EMPTY);

    ASSERT_EQ(copy.vt, VT_ARRAY | VT_RECORD);
    IRecordInfo* copyInfo = nullptr;
    ASSERT_EQ(SafeArrayGetRecordInfo(copy.parray, &copyInfo), S_OK);
    GUID guid{};
    copyInfo->GetGuid(&guid);
    EXPECT_EQ(guid, kTagRecord);
    copyInfo->Release();
    ASSERT_EQ(SafeArrayAccessData(copy.parray, reinterpret_cast<void**>(&tags)), S_OK);
    EXPECT_EQ(_com_util::ConvertBSTRToString(tags[0].name), "Y向");
    EXPECT_EQ(tags[0].weight, 3.25);
    ASSERT_EQ(tags[0].values.vt, VT_ARRAY | VT_R8);
    SafeArrayAccessData(tags[0].values.parray, reinterpret_cast<void**>(&values));
    EXPECT_EQ(values[0], 1.5);
    EXPECT_EQ(values[1], -2.5);
    SafeArrayUnaccessData(tags[0].values.parray);
    SafeArrayUnaccessData(copy.parray);
    EXPECT_EQ(VariantClear(&copy), S_OK);
}

TEST(RecordInfo, AnUnknownRecordTypeIsNotFound) {
    IRecordInfo* info = reinterpret_cast<IRecordInfo*>(1);
    EXPECT_EQ(GetRecordInfoFromGuids(kLib, 2, 0, 0, kTagRecord, &info), TYPE_E_ELEMENTNOTFOUND);
    EXPECT_EQ(info, nullptr);
}

// A class that counts its objects, to show that creation hands out one reference and release frees.
class Counter final : public IUnknown {
public:
    static int s_alive;
    Counter() { ++s_alive; }
    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = nullptr;
        if (riid != IID_IUnknown) return E_NOINTERFACE;
        *ppv = this;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG refs = --m_refs;
        if (refs == 0) {
            --s_alive;
            delete this;
        }
        return refs;
    }

private:
    ~Counter() = default;
    ULONG m_refs = 0;
};
int Counter::s_alive = 0;

HRESULT MakeCounter(REFIID riid, void** ppv)
{
    Counter* counter = new Counter;
    counter->AddRef();
    const HRESULT hr = counter->QueryInterface(riid, ppv);
    counter->Release();
    return hr;
}

const CLSID kCounterClass = {0x77777777, 0x8888, 0x9999, {9, 9, 9, 9, 9, 9, 9, 9}};

TEST(ClassRegistry, CreatesRegisteredClassesOnly) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);

    CoRegisterInprocClass(kCounterClass, &MakeCounter);
    ASSERT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, IID_IUnknown, &object), S_OK);
    EXPECT_EQ(Counter::s_alive, 1);
    IUnknown* unknown = static_cast<IUnknown*>(object);
    EXPECT_EQ(OleRun(unknown), S_OK);
    void* dispatch = nullptr;
    EXPECT_EQ(unknown->QueryInterface(IID_IDispatch, &dispatch), E_NOINTERFACE);
    EXPECT_EQ(unknown->Release(), 0u);
    EXPECT_EQ(Counter::s_alive, 0);

    EXPECT_EQ(CoCreateInstance(kCounterClass, unknown, CLSCTX_ALL, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, IID_IUnknown, nullptr), E_POINTER);
    CoRevokeInprocClass(kCounterClass);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
}

TEST(ComError, CarriesTheCodeAndTheInterface) {
    try {
        _com_issue_errorex(E_POINTER, nullptr, IID_IDispatch);
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_POINTER);
        EXPECT_EQ(e.GUID(), IID_IDispatch);
        EXPECT_EQ(e.ErrorMessage(), "Invalid pointer (0x80004003)");
        EXPECT_TRUE(FAILED(e.Error()));
    }
}

}  // namespace
