// CMap: the class library's hash map from keys to values, and HashKey, the hash it uses for a key
// argument (ints, enums and pointers by value; texts by their GBK bytes). Another key type needs its
// own HashKey specialization and an operator== between the stored key and the key argument.
//
// Walking a map (GetStartPosition, GetNextAssoc) visits every pair once, in the order the keys
// were first added. That order is not the platform's (which follows its hash buckets), so code must
// not depend on it; it is only guaranteed to be the same for the same insertions and removals.
// Pairs never move: a value reference or a POSITION stays valid until its pair is removed, so the
// pair just returned by GetNextAssoc may be removed while walking.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/Position.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

namespace qelt {

// FNV-1a over a run of bytes.
inline UINT HashBytes(const char* bytes, size_t length) {
    std::uint32_t hash = 2166136261u;
    for (size_t i = 0; i < length; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace qelt

template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key) {
    typedef std::remove_cv_t<std::remove_reference_t<ARG_KEY>> Key;
    static_assert(std::is_integral_v<Key> || std::is_enum_v<Key> || std::is_pointer_v<Key>,
                  "this key type needs its own HashKey specialization");
    std::uint64_t bits;
    if constexpr (std::is_pointer_v<Key>) bits = reinterpret_cast<std::uintptr_t>(key);
    else bits = static_cast<std::uint64_t>(key);
    return static_cast<UINT>(bits ^ (bits >> 32));
}

template <>
inline UINT HashKey<LPCTSTR>(LPCTSTR key) {
    return key ? qelt::HashBytes(key, std::strlen(key)) : qelt::HashBytes("", 0);
}

template <>
inline UINT HashKey<const CString&>(const CString& key) {
    return qelt::HashBytes(key.Str().data(), key.Str().size());
}

template <>
inline UINT HashKey<CString>(CString key) {
    return HashKey<const CString&>(key);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
public:
    class CPair {
    public:
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyValue) : key(keyValue), value() {}
    };

    // The block size is the platform's allocation granularity; here every pair is allocated by
    // itself, so it is accepted and has no effect.
    explicit CMap(int nBlockSize = 10) { (void)nBlockSize; }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    virtual ~CMap() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        const CPair* pair = PLookup(key);
        if (!pair) return FALSE;
        rValue = pair->value;
        return TRUE;
    }

    const CPair* PLookup(ARG_KEY key) const { return Find(key, HashKey<ARG_KEY>(key)); }
    CPair* PLookup(ARG_KEY key) { return Find(key, HashKey<ARG_KEY>(key)); }

    // The value stored under the key, added (value-initialized) when the key is new.
    VALUE& operator[](ARG_KEY key) {
        const UINT hash = HashKey<ARG_KEY>(key);
        if (CAssoc* found = Find(key, hash)) return found->value;
        if (static_cast<size_t>(m_nCount) >= m_buckets.size()) Rehash(m_buckets.empty() ? 16 : m_buckets.size() * 2);
        CAssoc* assoc = new CAssoc(key, hash);
        CAssoc*& bucket = m_buckets[BucketOf(hash)];
        assoc->pNextInBucket = bucket;
        bucket = assoc;
        assoc->pPrev = m_pTail;
        (m_pTail ? m_pTail->pNext : m_pHead) = assoc;
        m_pTail = assoc;
        ++m_nCount;
        return assoc->value;
    }

    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) {
        if (m_buckets.empty()) return FALSE;
        CAssoc** link = &m_buckets[BucketOf(HashKey<ARG_KEY>(key))];
        while (*link && !((*link)->key == key)) link = &(*link)->pNextInBucket;
        CAssoc* assoc = *link;
        if (!assoc) return FALSE;
        *link = assoc->pNextInBucket;
        (assoc->pPrev ? assoc->pPrev->pNext : m_pHead) = assoc->pNext;
        (assoc->pNext ? assoc->pNext->pPrev : m_pTail) = assoc->pPrev;
        delete assoc;
        --m_nCount;
        return TRUE;
    }

    void RemoveAll() {
        while (m_pHead) {
            CAssoc* next = m_pHead->pNext;
            delete m_pHead;
            m_pHead = next;
        }
        m_pTail = nullptr;
        m_buckets.clear();
        m_buckets.shrink_to_fit();
        m_nCount = 0;
    }

    // Null when the map is empty.
    POSITION GetStartPosition() const { return ToPosition(m_pHead); }

    // Reads the pair at the position and moves the position on (to null after the last pair).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        if (!rNextPosition) {
            qelt::ReportMisuse("CMap::GetNextAssoc with a null POSITION");
            return;
        }
        const CAssoc* assoc = reinterpret_cast<const CAssoc*>(rNextPosition);
        rKey = assoc->key;
        rValue = assoc->value;
        rNextPosition = ToPosition(assoc->pNext);
    }

private:
    struct CAssoc : CPair {
        CAssoc(ARG_KEY keyValue, UINT hash) : CPair(keyValue), nHash(hash) {}
        UINT nHash;
        CAssoc* pNextInBucket = nullptr;
        CAssoc* pPrev = nullptr;  // in order of insertion
        CAssoc* pNext = nullptr;
    };

    static POSITION ToPosition(const CAssoc* assoc) {
        return reinterpret_cast<POSITION>(const_cast<CAssoc*>(assoc));
    }

    // Fibonacci hashing spreads the key's hash over the power-of-two bucket table.
    size_t BucketOf(UINT hash) const {
        return static_cast<size_t>((hash * 0x9E3779B97F4A7C15ull) >> (64 - m_nBits));
    }

    CAssoc* Find(ARG_KEY key, UINT hash) const {
        if (m_buckets.empty()) return nullptr;
        for (CAssoc* assoc = m_buckets[BucketOf(hash)]; assoc; assoc = assoc->pNextInBucket)
            if (assoc->nHash == hash && assoc->key == key) return assoc;
        return nullptr;
    }

    void Rehash(size_t bucketCount) {
        m_buckets.assign(bucketCount, nullptr);
        m_nBits = 0;
        while ((size_t{1} << m_nBits) < bucketCount) ++m_nBits;
        for (CAssoc* assoc = m_pHead; assoc; assoc = assoc->pNext) {
            CAssoc*& bucket = m_buckets[BucketOf(assoc->nHash)];
            assoc->pNextInBucket = bucket;
            bucket = assoc;
        }
    }

    std::vector<CAssoc*> m_buckets;  // empty until the first pair is added; a power of two after
    int m_nBits = 0;                 // log2 of the bucket count
    CAssoc* m_pHead = nullptr;
    CAssoc* m_pTail = nullptr;
    int m_nCount = 0;
};

// The platform's maps of fixed key and value types.
class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*> {
public:
    using CMap::CMap;
};
class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR> {
public:
    using CMap::CMap;
};
class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
public:
    using CMap::CMap;
};
class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
public:
    using CMap::CMap;
};
