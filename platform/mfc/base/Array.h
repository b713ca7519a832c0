// CArray: the class library's growable array, its elements stored contiguously. As on the platform,
// an element type needs only a default constructor and an assignment: new elements are
// default-constructed (scalars start at zero) and then assigned. An array cannot be copied as a
// whole; Copy and Append copy its elements.
//
// Misuse (an index out of range, a negative size or count, a null source array) is reported through
// qelt::ReportMisuse and changes nothing; an accessor that must return a reference then returns
// qelt::MisuseElement<TYPE>().
#pragma once

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/MisuseElement.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CObject;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    virtual ~CArray() { SetSize(0); }

    int GetSize() const { return m_nSize; }
    int GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    int GetUpperBound() const { return m_nSize - 1; }

    // Elements past the old size are default-constructed, elements past the new size destroyed.
    // nGrowBy (when not negative) is how many elements a later growth adds at least; 0 lets the
    // array grow by half its size. Size 0 releases the storage.
    void SetSize(int nNewSize, int nGrowBy = -1) {
        if (nNewSize < 0) {
            qelt::ReportMisuse("CArray::SetSize(%d): a negative size", nNewSize);
            return;
        }
        if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
        if (nNewSize == 0) {
            Release();
            return;
        }
        if (nNewSize > m_nMaxSize) {
            const long long step = m_nGrowBy > 0 ? m_nGrowBy : std::max(4, m_nSize / 2);
            Reallocate(static_cast<int>(std::min<long long>(
                INT_MAX, std::max<long long>(nNewSize, static_cast<long long>(m_nMaxSize) + step))));
        }
        if (nNewSize > m_nSize) {
            for (int i = m_nSize; i < nNewSize; ++i) ::new (static_cast<void*>(m_pData + i)) TYPE();
        } else {
            std::destroy(m_pData + nNewSize, m_pData + m_nSize);
        }
        m_nSize = nNewSize;
    }

    // Gives back the storage beyond the current size.
    void FreeExtra() {
        if (m_nSize == m_nMaxSize) return;
        if (m_nSize == 0) Release();
        else Reallocate(m_nSize);
    }

    void RemoveAll() { SetSize(0); }

    const TYPE& GetAt(int nIndex) const { return Checked(nIndex, "GetAt"); }
    TYPE& GetAt(int nIndex) { return Checked(nIndex, "GetAt"); }
    const TYPE& ElementAt(int nIndex) const { return Checked(nIndex, "ElementAt"); }
    TYPE& ElementAt(int nIndex) { return Checked(nIndex, "ElementAt"); }
    const TYPE& operator[](int nIndex) const { return Checked(nIndex, "operator[]"); }
    TYPE& operator[](int nIndex) { return Checked(nIndex, "operator[]"); }

    void SetAt(int nIndex, ARG_TYPE newElement) {
        if (!InRange(nIndex, "SetAt")) return;
        m_pData[nIndex] = newElement;
    }

    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Sets the element, first growing the array to nIndex + 1 elements when it is shorter.
    void SetAtGrow(int nIndex, ARG_TYPE newElement) {
        if (nIndex < 0 || nIndex == INT_MAX) {
            qelt::ReportMisuse("CArray::SetAtGrow(%d): the index is out of reach", nIndex);
            return;
        }
        if (nIndex < m_nSize) {
            m_pData[nIndex] = newElement;
        } else if (MayReferToElements(newElement)) {
            TYPE value;
            value = newElement;
            SetSize(nIndex + 1);
            m_pData[nIndex] = std::move(value);
        } else {
            SetSize(nIndex + 1);
            m_pData[nIndex] = newElement;
        }
    }

    // Returns the index of the new element.
    int Add(ARG_TYPE newElement) {
        const int index = m_nSize;
        SetAtGrow(index, newElement);
        return index;
    }

    // Appends copies of the source's elements (the array itself included); returns the old size.
    int Append(const CArray& src) {
        const int oldSize = m_nSize;
        const int count = src.m_nSize;
        if (static_cast<long long>(oldSize) + count > INT_MAX) {
            qelt::ReportMisuse("CArray::Append: %d + %d elements are more than an array holds", oldSize, count);
            return oldSize;
        }
        SetSize(oldSize + count);
        for (int i = 0; i < count; ++i) m_pData[oldSize + i] = src.m_pData[i];
        return oldSize;
    }

    // Makes the array an element-by-element copy of the source.
    void Copy(const CArray& src) {
        if (&src == this) return;
        SetSize(src.m_nSize);
        for (int i = 0; i < m_nSize; ++i) m_pData[i] = src.m_pData[i];
    }

    // Inserts nCount copies of the element before nIndex; an index at or past the end grows the
    // array to nIndex + nCount elements, the ones in between default-constructed.
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1) {
        if (!CanOpenGap(nIndex, nCount, "InsertAt")) return;
        if (MayReferToElements(newElement)) {
            TYPE value;
            value = newElement;
            OpenGap(nIndex, nCount);
            std::fill_n(m_pData + nIndex, nCount, value);
        } else {
            OpenGap(nIndex, nCount);
            std::fill_n(m_pData + nIndex, nCount, newElement);
        }
    }

    // Inserts copies of all elements of another array (or of this one) before nStartIndex.
    void InsertAt(int nStartIndex, const CArray* pNewArray) {
        if (!pNewArray) {
            qelt::ReportMisuse("CArray::InsertAt(%d, null array)", nStartIndex);
            return;
        }
        if (pNewArray == this) {
            CArray copy;
            copy.Copy(*this);
            InsertAt(nStartIndex, &copy);
            return;
        }
        const int count = pNewArray->m_nSize;
        if (count == 0 || !CanOpenGap(nStartIndex, count, "InsertAt")) return;
        OpenGap(nStartIndex, count);
        std::copy_n(pNewArray->m_pData, count, m_pData + nStartIndex);
    }

    // Removes nCount elements from nIndex on; the range must lie inside the array.
    void RemoveAt(int nIndex, int nCount = 1) {
        if (nIndex < 0 || nCount < 0 || static_cast<long long>(nIndex) + nCount > m_nSize) {
            qelt::ReportMisuse("CArray::RemoveAt(%d, %d) on an array of %d elements", nIndex, nCount, m_nSize);
            return;
        }
        std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
        std::destroy(m_pData + m_nSize - nCount, m_pData + m_nSize);
        m_nSize -= nCount;
    }

private:
    bool InRange(int nIndex, const char* operation) const {
        if (nIndex >= 0 && nIndex < m_nSize) return true;
        qelt::ReportMisuse("CArray::%s(%d) on an array of %d elements", operation, nIndex, m_nSize);
        return false;
    }

    TYPE& Checked(int nIndex, const char* operation) const {
        return InRange(nIndex, operation) ? m_pData[nIndex] : qelt::MisuseElement<TYPE>();
    }

    // True when the argument may designate storage that growing or shifting the array moves: one
    // of its own elements, or (for an argument that is not a TYPE, such as a text pointer) anything
    // inside one. Such an argument is copied before the array changes shape.
    bool MayReferToElements(const std::remove_reference_t<ARG_TYPE>& arg) const {
        typedef std::remove_cv_t<std::remove_reference_t<ARG_TYPE>> Arg;
        if constexpr (!std::is_same_v<Arg, TYPE>) {
            return true;
        } else if constexpr (std::is_reference_v<ARG_TYPE>) {
            const TYPE* p = std::addressof(arg);
            std::less<const TYPE*> before;
            return !before(p, m_pData) && before(p, m_pData + m_nSize);
        } else {
            return false;
        }
    }

    bool CanOpenGap(int nIndex, int nCount, const char* operation) const {
        if (nIndex >= 0 && nCount > 0 && static_cast<long long>(std::max(nIndex, m_nSize)) + nCount <= INT_MAX)
            return true;
        qelt::ReportMisuse("CArray::%s(%d, count %d) on an array of %d elements", operation, nIndex, nCount, m_nSize);
        return false;
    }

    // Makes room for nCount elements at nIndex, moving the later ones up; the room holds
    // default-constructed or moved-from elements for the caller to assign.
    void OpenGap(int nIndex, int nCount) {
        const int oldSize = m_nSize;
        if (nIndex >= oldSize) {
            SetSize(nIndex + nCount);
            return;
        }
        SetSize(oldSize + nCount);
        std::move_backward(m_pData + nIndex, m_pData + oldSize, m_pData + oldSize + nCount);
    }

    void Reallocate(int nNewMax) {
        TYPE* data = std::allocator<TYPE>().allocate(static_cast<size_t>(nNewMax));
        for (int i = 0; i < m_nSize; ++i) {
            if constexpr (std::is_nothrow_move_constructible_v<TYPE>) {
                ::new (static_cast<void*>(data + i)) TYPE(std::move(m_pData[i]));
            } else {
                ::new (static_cast<void*>(data + i)) TYPE();
                data[i] = std::move(m_pData[i]);
            }
            m_pData[i].~TYPE();
        }
        if (m_pData) std::allocator<TYPE>().deallocate(m_pData, static_cast<size_t>(m_nMaxSize));
        m_pData = data;
        m_nMaxSize = nNewMax;
    }

    void Release() {
        std::destroy(m_pData, m_pData + m_nSize);
        if (m_pData) std::allocator<TYPE>().deallocate(m_pData, static_cast<size_t>(m_nMaxSize));
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
    }

    TYPE* m_pData = nullptr;
    int m_nSize = 0;
    int m_nMaxSize = 0;
    int m_nGrowBy = 0;
};

// The platform's arrays of fixed element types.
class CStringArray : public CArray<CString, const CString&> {};
class CPtrArray : public CArray<void*, void*> {};
class CObArray : public CArray<CObject*, CObject*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
