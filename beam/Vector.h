// The continuous-beam code's own containers:
// - Vector: a growable array whose block holds exactly m_nSize elements; SetSize is a reset to n
//   zeroed elements (every byte 0), never a resize that keeps the old contents;
// - VectorList: a singly linked list with a sentinel head and a cursor that serves both for
//   appending (Add links after the cursor) and for walking (callers move m_pCur along m_pNext);
// - PtrVector and PtrVectorList: the same holding pointers and owning what they point to.
// A bad index or an Add after a complete walk is reported through ReportAssert; the program goes on.
// Containers are never copied.
#pragma once

#include <cstring>

#include "beam/ReportAssert.h"

template <class T>
class Vector {
public:
    Vector() : m_pData(nullptr), m_nSize(0) {}
    virtual ~Vector() { Vector::RemoveAll(); }
    Vector(const Vector&) = delete;
    Vector& operator=(const Vector&) = delete;

    // Replaces the contents with n zeroed elements; n <= 0 leaves the array empty.
    void SetSize(int n) {
        RemoveAll();
        if (n <= 0) return;
        m_pData = new T[n];
        std::memset(static_cast<void*>(m_pData), 0, sizeof(T) * static_cast<size_t>(n));
        m_nSize = n;
    }

    int GetSize() const { return m_nSize; }

    // Outside 0 .. m_nSize - 1: the assertion message, then a zeroed element kept for that purpose,
    // so that a bad index never reaches memory outside the block.
    T& operator[](int i) {
        if (i < 0 || i >= m_nSize) {
            ReportAssert("Vector", 58);
            return OutOfRangeElement();
        }
        return m_pData[i];
    }

    virtual void RemoveAll() {
        delete[] m_pData;
        m_pData = nullptr;
        m_nSize = 0;
    }

    T* m_pData;
    int m_nSize;

private:
    static T& OutOfRangeElement() {
        static T element;
        std::memset(static_cast<void*>(&element), 0, sizeof(T));
        return element;
    }
};

// An array of pointers that deletes every non-null element when it is emptied or destroyed.
template <class T>
class PtrVector : public Vector<T> {
public:
    PtrVector() = default;
    ~PtrVector() override { PtrVector::RemoveAll(); }

    void RemoveAll() override {
        for (int i = 0; i < this->m_nSize; ++i) delete this->m_pData[i];
        Vector<T>::RemoveAll();
    }
};

template <class T>
class VectorList {
public:
    struct Node {
        T m_Value;
        Node* m_pNext;
    };

    VectorList() : m_Head{T(), nullptr}, m_pCur(&m_Head), m_nCount(0) {}
    virtual ~VectorList() { VectorList::RemoveAll(); }
    VectorList(const VectorList&) = delete;
    VectorList& operator=(const VectorList&) = delete;

    // Links the value after the cursor and moves the cursor to it; on a new or emptied list,
    // successive calls append in call order. After a complete walk (cursor null) nothing is linked.
    void Add(T value) {
        if (!m_pCur) {
            ReportAssert("Vector", 133);
            return;
        }
        m_pCur->m_pNext = new Node{value, m_pCur->m_pNext};
        m_pCur = m_pCur->m_pNext;
        ++m_nCount;
    }

    int GetCount() const { return m_nCount; }

    virtual void RemoveAll() {
        Node* node = m_Head.m_pNext;
        while (node) {
            Node* next = node->m_pNext;
            delete node;
            node = next;
        }
        m_Head.m_pNext = nullptr;
        m_pCur = &m_Head;
        m_nCount = 0;
    }

    Node m_Head;  // sentinel: its value is never used; m_pNext is the first node
    Node* m_pCur;
    int m_nCount;
};

// A list of pointers that, with m_bAutoDelete set, deletes each non-null value with its node.
template <class T>
class PtrVectorList : public VectorList<T> {
public:
    typedef typename VectorList<T>::Node Node;

    explicit PtrVectorList(bool bAutoDelete = true) : m_bAutoDelete(bAutoDelete) {}
    ~PtrVectorList() override { PtrVectorList::RemoveAll(); }

    void RemoveAll() override {
        if (m_bAutoDelete) {
            for (Node* node = this->m_Head.m_pNext; node; node = node->m_pNext) delete node->m_Value;
        }
        VectorList<T>::RemoveAll();
    }

    bool m_bAutoDelete;
};
