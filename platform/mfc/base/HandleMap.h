// Which class-library object stands for a handle (a device context, a GDI object, an image list).
// An object attached to a handle is permanent: its owner made it and destroys it. A handle nobody
// attached gets a temporary object, owned here. When that handle is attached elsewhere or deleted,
// the temporary object lets go of it (it is retired) and is freed when the next temporary object is
// made, so that a pointer a caller still holds stays valid until then.
#pragma once

#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace qelt {

template <typename Handle, typename Object>
class HandleMap {
public:
    // Clears the handle an object holds, when its temporary object is retired.
    using Release = void (*)(Object&);

    explicit HandleMap(Release release) : m_release(release) {}
    HandleMap(const HandleMap&) = delete;
    HandleMap& operator=(const HandleMap&) = delete;

    Object* FindAttached(Handle handle) const {
        auto found = m_attached.find(handle);
        return found != m_attached.end() ? found->second : nullptr;
    }

    // The attached object, else the temporary one, else null.
    Object* Find(Handle handle) const {
        if (Object* attached = FindAttached(handle)) return attached;
        auto found = m_temporary.find(handle);
        return found != m_temporary.end() ? found->second.get() : nullptr;
    }

    // The object for a handle; when there is none, make() gives a temporary one holding the handle
    // (null when it cannot). Null for a null handle.
    template <typename Make>
    Object* FindOrMake(Handle handle, Make make) {
        if (!handle) return nullptr;
        if (Object* found = Find(handle)) return found;
        std::unique_ptr<Object> made = make();
        if (!made) return nullptr;
        FreeRetired();
        return (m_temporary[handle] = std::move(made)).get();
    }

    // Records the object as the handle's owner; the handle's temporary object, if any, is retired.
    // The caller checks that neither is attached already and sets the object's handle.
    void Attach(Handle handle, Object* object) {
        Retire(handle);
        m_attached[handle] = object;
    }

    // Forgets the object as the handle's owner (only if it is the owner).
    void Detach(Handle handle, const Object* object) {
        auto found = m_attached.find(handle);
        if (found != m_attached.end() && found->second == object) m_attached.erase(found);
    }

    // The handle goes away: its temporary object, if any, lets go of it.
    void Retire(Handle handle) {
        auto found = m_temporary.find(handle);
        if (found == m_temporary.end()) return;
        m_release(*found->second);
        m_retired.push_back(std::move(found->second));
        m_temporary.erase(found);
    }

private:
    void FreeRetired() {
        // Taken out first: a destructor that deletes a handle may retire another object meanwhile.
        std::vector<std::unique_ptr<Object>> freed;
        freed.swap(m_retired);
    }

    Release m_release;
    std::unordered_map<Handle, Object*> m_attached;
    std::unordered_map<Handle, std::unique_ptr<Object>> m_temporary;
    std::vector<std::unique_ptr<Object>> m_retired;
};

}  // namespace qelt
