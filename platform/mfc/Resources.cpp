#include "mfc/Resources.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "mfc/Diagnostics.h"
#include "mfc/ExtensionModule.h"
#include "mfc/GbkText.h"
#include "mfc/WinUserApi.h"

namespace qelt {
namespace {

std::map<HINSTANCE, std::vector<const res::ModuleResources*>>& Modules() {
    static std::map<HINSTANCE, std::vector<const res::ModuleResources*>> modules;
    return modules;
}

int FirstSegment(dl_phdr_info* info, size_t, void* data) {
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        if (info->dlpi_phdr[i].p_type == PT_LOAD) {
            *static_cast<const void**>(data) = reinterpret_cast<const void*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
            return 1;
        }
    }
    return 0;
}

HINSTANCE ComputeProgramHandle() {
    // The first object dl_iterate_phdr reports is the program itself.
    const void* address = nullptr;
    dl_iterate_phdr(&FirstSegment, &address);
    return address ? ModuleHandleOf(address) : nullptr;
}

HINSTANCE g_resourceHandle = nullptr;
bool g_resourceHandleSet = false;

bool Matches(const res::ResourceId& id, LPCTSTR name) {
    if (IS_INTRESOURCE(name)) return !id.name && id.number == LOWORD(reinterpret_cast<ULONG_PTR>(name));
    if (name[0] == '#') return !id.name && id.number == static_cast<UINT>(std::strtoul(name + 1, nullptr, 10));
    return id.name && gbk::CompareNoCase(id.name, name) == 0;
}

UINT TypeOrdinal(LPCTSTR type) {
    return IS_INTRESOURCE(type) ? LOWORD(reinterpret_cast<ULONG_PTR>(type)) : 0;
}

bool Holds(HINSTANCE module, LPCTSTR name, LPCTSTR type) {
    const UINT ordinal = TypeOrdinal(type);
    if (ordinal == TypeOrdinal(RT_DIALOG)) return FindDialogTemplate(module, name) != nullptr;
    if (ordinal == TypeOrdinal(RT_MENU)) return FindMenuTemplate(module, name) != nullptr;
    if (ordinal == TypeOrdinal(RT_STRING)) {
        // String resources are looked up by block: block n holds the ids 16(n-1) … 16n-1.
        const UINT block = IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<ULONG_PTR>(name)) : 0;
        for (UINT id = (block - 1) * 16; block && id < block * 16; ++id) {
            if (FindString(module, id)) return true;
        }
        return false;
    }
    return FindBinaryResource(module, name, type) != nullptr;
}

template <class Record, class Count>
const Record* Search(HINSTANCE module, const Record* res::ModuleResources::*table, Count res::ModuleResources::*count,
                     LPCTSTR name) {
    if (!name) return nullptr;
    auto found = Modules().find(module);
    if (found == Modules().end()) return nullptr;
    for (const res::ModuleResources* resources : found->second) {
        for (Count i = 0; i < resources->*count; ++i) {
            const Record& record = (resources->*table)[i];
            if (Matches(record.id, name)) return &record;
        }
    }
    return nullptr;
}

}  // namespace

HINSTANCE ModuleHandleOf(const void* addressInModule) {
    Dl_info info{};
    if (!dladdr(addressInModule, &info)) return nullptr;
    return static_cast<HINSTANCE>(info.dli_fbase);
}

void RegisterModuleResources(const res::ModuleResources& resources) {
    Modules()[ModuleHandleOf(&resources)].push_back(&resources);
}

void UnregisterModuleResources(const res::ModuleResources& resources) {
    auto found = Modules().find(ModuleHandleOf(&resources));
    if (found == Modules().end()) return;
    auto& list = found->second;
    list.erase(std::remove(list.begin(), list.end(), &resources), list.end());
    if (list.empty()) Modules().erase(found);
}

const res::DialogTemplate* FindDialogTemplate(HINSTANCE module, LPCTSTR name) {
    return Search(module, &res::ModuleResources::dialogs, &res::ModuleResources::dialogCount, name);
}

const res::MenuTemplate* FindMenuTemplate(HINSTANCE module, LPCTSTR name) {
    return Search(module, &res::ModuleResources::menus, &res::ModuleResources::menuCount, name);
}

const res::BinaryResource* FindBinaryResource(HINSTANCE module, LPCTSTR name, LPCTSTR type) {
    if (!name) return nullptr;
    auto found = Modules().find(module);
    if (found == Modules().end()) return nullptr;
    for (const res::ModuleResources* resources : found->second) {
        for (int i = 0; i < resources->binaryCount; ++i) {
            const res::BinaryResource& record = resources->binaries[i];
            if (record.type == TypeOrdinal(type) && Matches(record.id, name)) return &record;
        }
    }
    return nullptr;
}

const char* FindString(HINSTANCE module, UINT id) {
    auto found = Modules().find(module);
    if (found == Modules().end()) return nullptr;
    for (const res::ModuleResources* resources : found->second) {
        for (int i = 0; i < resources->stringCount; ++i) {
            if (resources->strings[i].id == id) return resources->strings[i].text;
        }
    }
    return nullptr;
}

bool LoadResourceString(UINT id, CString& text) {
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE(id / 16 + 1), RT_STRING);
    const char* found = FindString(module, id);
    if (!found) return false;
    text = found;
    return true;
}

CString DescribeResourceName(LPCTSTR name) {
    CString shown;
    if (!name) shown = "(null)";
    else if (IS_INTRESOURCE(name)) shown.Format("%u", LOWORD(reinterpret_cast<ULONG_PTR>(name)));
    else shown = name;
    return shown;
}

namespace res {

Registration::Registration(const ModuleResources& resources) : m_resources(resources) {
    RegisterModuleResources(m_resources);
}

Registration::~Registration() { UnregisterModuleResources(m_resources); }

}  // namespace res
}  // namespace qelt

HINSTANCE AfxGetInstanceHandle() {
    static const HINSTANCE program = qelt::ComputeProgramHandle();
    return program;
}

HINSTANCE AfxGetResourceHandle() {
    return qelt::g_resourceHandleSet ? qelt::g_resourceHandle : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
    qelt::g_resourceHandle = hInstResource;
    qelt::g_resourceHandleSet = true;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    std::vector<HINSTANCE> order{AfxGetResourceHandle()};
    for (HINSTANCE extension : qelt::ExtensionResourceHandles()) order.push_back(extension);
    order.push_back(AfxGetInstanceHandle());
    for (HINSTANCE module : order) {
        if (qelt::Holds(module, lpszName, lpszType)) return module;
    }
    return AfxGetResourceHandle();
}

int LoadString(HINSTANCE hInstance, UINT uID, LPTSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax <= 0) {
        qelt::ReportMisuse("LoadString(%u) without a buffer", uID);
        return 0;
    }
    const char* text = qelt::FindString(hInstance, uID);
    if (!text) {
        lpBuffer[0] = '\0';
        return 0;
    }
    size_t length = qelt::gbk::PrefixLength(text, static_cast<size_t>(cchBufferMax) - 1);
    std::memcpy(lpBuffer, text, length);
    lpBuffer[length] = '\0';
    return static_cast<int>(length);
}

HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName) {
    return reinterpret_cast<HCURSOR>(
        const_cast<qelt::res::BinaryResource*>(qelt::FindBinaryResource(hInstance, lpCursorName, RT_CURSOR)));
}

HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName) {
    return reinterpret_cast<HICON>(
        const_cast<qelt::res::BinaryResource*>(qelt::FindBinaryResource(hInstance, lpIconName, RT_ICON)));
}
