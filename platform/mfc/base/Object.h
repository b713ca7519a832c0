// CObject and run-time class records. A class's record carries its exact name (stored parameter
// keys begin with it), its size, its schema number, its base's record and, for classes declared
// dynamically creatable, a factory.
#pragma once

#include "win/WinTypes.h"

class CObject;
class CArchive;
class CDumpContext;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                     // 0xFFFF for classes that are not serializable
    CObject* (*m_pfnCreateObject)();    // null unless the class is dynamically creatable
    const CRuntimeClass* m_pBaseClass;  // null for CObject

    CObject* CreateObject() const;      // null (with a diagnostic) for a class without a factory
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    // The class library's three empty operations, kept so that derived classes override the same set.
    virtual void Serialize(CArchive& archive);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& context) const;

    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;
    BOOL IsSerializable() const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                 \
public:                                             \
    static const CRuntimeClass class##class_name;   \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define QELT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, factory)                         \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), \
                                                         schema, factory, RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    QELT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                     \
    CObject* class_name::CreateObject() { return new class_name; }           \
    QELT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                \
    CObject* class_name::CreateObject() { return new class_name; }           \
    QELT_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, class_name::CreateObject)
