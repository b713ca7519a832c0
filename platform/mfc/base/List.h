// CList: the class library's doubly linked list. A POSITION designates one element; it stays
// valid until that element is removed. As on the platform, an element type needs a default
// constructor and an assignment (and a copy for RemoveHead and RemoveTail, which return the
// element); Find compares with operator==.
//
// Misuse (a null POSITION where an element is needed, the head or tail of an empty list) is
// reported through qelt::ReportMisuse and changes nothing; an accessor that must return a
// reference then returns qelt::MisuseElement<TYPE>().
#pragma once

#include <utility>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/MisuseElement.h"
#include "mfc/base/Position.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CObject;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList {
public:
    // The block size is the platform's allocation granularity; here every element is allocated by
    // itself, so it is accepted and has no effect.
    explicit CList(int nBlockSize = 10) { (void)nBlockSize; }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    virtual ~CList() { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return EndElement(m_pHead, "GetHead"); }
    const TYPE& GetHead() const { return EndElement(m_pHead, "GetHead"); }
    TYPE& GetTail() { return EndElement(m_pTail, "GetTail"); }
    const TYPE& GetTail() const { return EndElement(m_pTail, "GetTail"); }

    // Both return the removed element; on an empty list a default-constructed one.
    TYPE RemoveHead() { return Take(m_pHead, "RemoveHead"); }
    TYPE RemoveTail() { return Take(m_pTail, "RemoveTail"); }

    POSITION AddHead(ARG_TYPE newElement) { return Insert(nullptr, m_pHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return Insert(m_pTail, nullptr, newElement); }

    void RemoveAll() {
        while (m_pHead) {
            CNode* next = m_pHead->pNext;
            delete m_pHead;
            m_pHead = next;
        }
        m_pTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }

    // Return the element at the position and move the position on (to null past either end).
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true, "GetNext"); }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true, "GetNext"); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false, "GetPrev"); }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false, "GetPrev"); }

    TYPE& GetAt(POSITION position) { return Element(position, "GetAt"); }
    const TYPE& GetAt(POSITION position) const { return Element(position, "GetAt"); }

    void SetAt(POSITION position, ARG_TYPE newElement) {
        if (CNode* node = NodeAt(position, "SetAt")) node->data = newElement;
    }

    void RemoveAt(POSITION position) {
        CNode* node = NodeAt(position, "RemoveAt");
        if (node) Unlink(node);
        delete node;
    }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter), as on the
    // platform. Both return the new element's position.
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        CNode* node = ToNode(position);
        return node ? Insert(node->pPrev, node, newElement) : AddHead(newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        CNode* node = ToNode(position);
        return node ? Insert(node, node->pNext, newElement) : AddTail(newElement);
    }

    // The first element equal to the value after startAfter (from the head when null); null if none.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
        CNode* node = startAfter ? ToNode(startAfter)->pNext : m_pHead;
        while (node && !(node->data == searchValue)) node = node->pNext;
        return ToPosition(node);
    }

    // The position of the element at a zero-based index; null when the index is out of range.
    POSITION FindIndex(int nIndex) const {
        if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
        CNode* node = m_pHead;
        while (nIndex-- > 0) node = node->pNext;
        return ToPosition(node);
    }

private:
    struct CNode {
        CNode* pPrev = nullptr;
        CNode* pNext = nullptr;
        TYPE data{};
    };

    static CNode* ToNode(POSITION position) { return reinterpret_cast<CNode*>(position); }
    static POSITION ToPosition(CNode* node) { return reinterpret_cast<POSITION>(node); }

    static CNode* NodeAt(POSITION position, const char* operation) {
        if (!position) qelt::ReportMisuse("CList::%s with a null POSITION", operation);
        return ToNode(position);
    }

    static TYPE& Element(POSITION position, const char* operation) {
        CNode* node = NodeAt(position, operation);
        return node ? node->data : qelt::MisuseElement<TYPE>();
    }

    static TYPE& Step(POSITION& rPosition, bool forward, const char* operation) {
        CNode* node = NodeAt(rPosition, operation);
        if (!node) return qelt::MisuseElement<TYPE>();
        rPosition = ToPosition(forward ? node->pNext : node->pPrev);
        return node->data;
    }

    static TYPE& EndElement(CNode* end, const char* operation) {
        if (end) return end->data;
        qelt::ReportMisuse("CList::%s on an empty list", operation);
        return qelt::MisuseElement<TYPE>();
    }

    POSITION Insert(CNode* prev, CNode* next, ARG_TYPE newElement) {
        CNode* node = new CNode;
        node->data = newElement;
        node->pPrev = prev;
        node->pNext = next;
        (prev ? prev->pNext : m_pHead) = node;
        (next ? next->pPrev : m_pTail) = node;
        ++m_nCount;
        return ToPosition(node);
    }

    void Unlink(CNode* node) {
        (node->pPrev ? node->pPrev->pNext : m_pHead) = node->pNext;
        (node->pNext ? node->pNext->pPrev : m_pTail) = node->pPrev;
        --m_nCount;
    }

    TYPE Take(CNode* end, const char* operation) {
        if (!end) {
            qelt::ReportMisuse("CList::%s on an empty list", operation);
            return TYPE();
        }
        TYPE value = std::move(end->data);
        Unlink(end);
        delete end;
        return value;
    }

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    int m_nCount = 0;
};

// The platform's lists of fixed element types.
class CPtrList : public CList<void*, void*> {
public:
    using CList::CList;
};
class CStringList : public CList<CString, const CString&> {
public:
    using CList::CList;
};
class CObList : public CList<CObject*, CObject*> {
public:
    using CList::CList;
};
