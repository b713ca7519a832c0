#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "ExpectedMisuses.h"
#include "mfc/base/Array.h"
#include "mfc/base/Object.h"
#include "mfc/base/TypedPtrArray.h"
#include "Printers.h"

namespace {

typedef CArray<int, int> CIntArray;

template <class ARRAY>
auto Contents(const ARRAY& array) {
    std::vector<std::decay_t<decltype(array[0])>> items;
    for (int i = 0; i < array.GetSize(); ++i) items.push_back(array[i]);
    return items;
}

void Fill(CIntArray& array, const std::vector<int>& items) {
    array.RemoveAll();
    for (int item : items) array.Add(item);
}

// Counts live objects, so that a missed or doubled construction or destruction shows.
struct CTracked {
    static int s_live;
    CString m_strName;
    CTracked() { ++s_live; }
    CTracked(const CTracked& other) : m_strName(other.m_strName) { ++s_live; }
    ~CTracked() { --s_live; }
    CTracked& operator=(const CTracked&) = default;
};
int CTracked::s_live = 0;

// An element as the module writes them: string members, an array member, an assignment of its own
// and no copy constructor (the array member makes the implicit one deleted).
struct CPolyline {
    CString m_strName;
    CArray<double, double> m_arrBulge;
    CPolyline() = default;
    CPolyline& operator=(const CPolyline& other) {
        m_strName = other.m_strName;
        m_arrBulge.Copy(other.m_arrBulge);
        return *this;
    }
};

}  // namespace

TEST(CArray, GrowthAndInsertion) {
    struct Case {
        const char* name;
        std::vector<int> initial;
        std::function<void(CIntArray&)> action;
        std::vector<int> expected;
    };
    CIntArray other;
    Fill(other, {8, 9});
    const Case cases[] = {
        {"SetSize zero-fills", {}, [](CIntArray& a) { a.SetSize(3); }, {0, 0, 0}},
        {"SetSize grows keeping", {1, 2}, [](CIntArray& a) { a.SetSize(4, 16); }, {1, 2, 0, 0}},
        {"SetSize shrinks", {1, 2, 3}, [](CIntArray& a) { a.SetSize(1); }, {1}},
        {"SetSize shrink then grow zero-fills", {1, 2, 3}, [](CIntArray& a) { a.SetSize(1); a.SetSize(3); }, {1, 0, 0}},
        {"Add returns index", {5}, [](CIntArray& a) { EXPECT_EQ(a.Add(6), 1); }, {5, 6}},
        {"InsertAt front", {1, 2}, [](CIntArray& a) { a.InsertAt(0, 7); }, {7, 1, 2}},
        {"InsertAt middle count 2", {1, 2, 3}, [](CIntArray& a) { a.InsertAt(1, 7, 2); }, {1, 7, 7, 2, 3}},
        {"InsertAt at end", {1, 2}, [](CIntArray& a) { a.InsertAt(2, 7); }, {1, 2, 7}},
        {"InsertAt past end grows", {1, 2}, [](CIntArray& a) { a.InsertAt(4, 7, 2); }, {1, 2, 0, 0, 7, 7}},
        {"SetAtGrow inside", {1, 2}, [](CIntArray& a) { a.SetAtGrow(0, 7); }, {7, 2}},
        {"SetAtGrow past end", {1}, [](CIntArray& a) { a.SetAtGrow(3, 7); }, {1, 0, 0, 7}},
        {"InsertAt array", {1, 2}, [&](CIntArray& a) { a.InsertAt(1, &other); }, {1, 8, 9, 2}},
        {"InsertAt array past end", {1}, [&](CIntArray& a) { a.InsertAt(2, &other); }, {1, 0, 8, 9}},
        {"Append", {1}, [&](CIntArray& a) { EXPECT_EQ(a.Append(other), 1); }, {1, 8, 9}},
        {"Copy", {1, 2, 3}, [&](CIntArray& a) { a.Copy(other); }, {8, 9}},
        {"FreeExtra keeps elements", {1, 2, 3}, [](CIntArray& a) { a.SetSize(2, 100); a.FreeExtra(); }, {1, 2}},
        {"ElementAt writes", {1, 2}, [](CIntArray& a) { a.ElementAt(1) = 5; a[0] = 4; }, {4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CIntArray array;
        Fill(array, c.initial);
        c.action(array);
        EXPECT_EQ(Contents(array), c.expected);
        EXPECT_EQ(array.GetCount(), static_cast<int>(c.expected.size()));
        EXPECT_EQ(array.GetUpperBound(), static_cast<int>(c.expected.size()) - 1);
    }
}

TEST(CArray, RemoveAtRanges) {
    struct Case {
        int index, count;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {0, 1, {1, 2, 3, 4, 5}}, {2, 2, {0, 1, 4, 5}}, {5, 1, {0, 1, 2, 3, 4}},
        {3, 3, {0, 1, 2}},       {0, 6, {}},           {6, 0, {0, 1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "RemoveAt(" << c.index << ", " << c.count << ")");
        CIntArray array;
        Fill(array, {0, 1, 2, 3, 4, 5});
        array.RemoveAt(c.index, c.count);
        EXPECT_EQ(Contents(array), c.expected);
    }
}

TEST(CArray, ElementsAreConstructedAndDestroyedOnce) {
    {
        CArray<CTracked> array;
        CTracked item;
        for (int i = 0; i < 100; ++i) {
            item.m_strName.Format("梁%d", i);
            array.Add(item);
        }
        EXPECT_EQ(CTracked::s_live, 101);
        array.RemoveAt(10, 20);
        array.InsertAt(5, item, 3);
        array.SetSize(90, 50);
        EXPECT_EQ(CTracked::s_live, 91);
        array.FreeExtra();
        EXPECT_EQ(CTracked::s_live, 91);
        EXPECT_EQ(array[4].m_strName, "梁4");
        EXPECT_EQ(array[5].m_strName, "梁99");
        EXPECT_EQ(array[8].m_strName, "梁5");
        EXPECT_EQ(array[13].m_strName, "梁30");
    }
    EXPECT_EQ(CTracked::s_live, 0);
}

TEST(CArray, HoldsElementsWithoutACopyConstructor) {
    CArray<CPolyline, CPolyline&> holes;
    CPolyline hole;
    hole.m_arrBulge.Add(0.5);
    for (int i = 0; i < 40; ++i) {
        hole.m_strName.Format("洞口%d", i);
        holes.Add(hole);
    }
    holes.InsertAt(0, hole);
    holes.RemoveAt(1);
    ASSERT_EQ(holes.GetSize(), 40);
    EXPECT_EQ(holes[0].m_strName, "洞口39");
    EXPECT_EQ(holes[1].m_strName, "洞口1");
    EXPECT_EQ(holes[39].m_arrBulge[0], 0.5);
}

// An element of the array itself passed by reference must survive the array's reallocation.
TEST(CArray, ArgumentsThatAreItsOwnElements) {
    const CString longText("受拉钢筋面积不满足最小配筋率要求，按构造配筋");
    CStringArray texts;
    texts.Add(longText);
    for (int i = 0; i < 20; ++i) texts.Add(texts[0]);
    texts.InsertAt(0, texts[texts.GetUpperBound()], 3);
    texts.SetAtGrow(40, texts[1]);
    for (int i = 0; i < texts.GetSize(); ++i) {
        if (i >= 24 && i < 40) EXPECT_TRUE(texts[i].IsEmpty());
        else EXPECT_EQ(texts[i], longText) << i;
    }

    CIntArray numbers;
    Fill(numbers, {1, 2});
    numbers.Append(numbers);
    numbers.InsertAt(1, &numbers);
    EXPECT_EQ(Contents(numbers), (std::vector<int>{1, 1, 2, 1, 2, 2, 1, 2}));
}

TEST(CArray, MisuseIsReportedAndChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(CStringArray&)> action;
    };
    const Case cases[] = {
        {"GetAt(-1)", [](CStringArray& a) { EXPECT_TRUE(a.GetAt(-1).IsEmpty()); }},
        {"GetAt(size)", [](CStringArray& a) { EXPECT_TRUE(std::as_const(a).GetAt(2).IsEmpty()); }},
        {"operator[](size)", [](CStringArray& a) { EXPECT_TRUE(a[2].IsEmpty()); }},
        {"ElementAt(size) written", [](CStringArray& a) { a.ElementAt(5) = "写入"; }},
        {"SetAt(size)", [](CStringArray& a) { a.SetAt(2, "写入"); }},
        {"SetAtGrow(-1)", [](CStringArray& a) { a.SetAtGrow(-1, "写入"); }},
        {"SetSize(-1)", [](CStringArray& a) { a.SetSize(-1); }},
        {"InsertAt(-1)", [](CStringArray& a) { a.InsertAt(-1, "写入"); }},
        {"InsertAt count 0", [](CStringArray& a) { a.InsertAt(0, "写入", 0); }},
        {"InsertAt null array", [](CStringArray& a) { a.InsertAt(0, nullptr); }},
        {"RemoveAt(-1)", [](CStringArray& a) { a.RemoveAt(-1); }},
        {"RemoveAt past end", [](CStringArray& a) { a.RemoveAt(1, 2); }},
        {"RemoveAt negative count", [](CStringArray& a) { a.RemoveAt(0, -1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CStringArray array;
        array.Add("矩形");
        array.Add("T形");
        qelt::test::ExpectedMisuses misuses;
        c.action(array);
        EXPECT_EQ(misuses.Count(), 1);
        EXPECT_EQ(Contents(array), (std::vector<CString>{"矩形", "T形"}));
    }
    // What was written through a bad index is not seen by the next bad read.
    CStringArray empty;
    qelt::test::ExpectedMisuses misuses;
    EXPECT_TRUE(empty[0].IsEmpty());
    EXPECT_EQ(misuses.Count(), 1);
}

TEST(CTypedPtrArray, ConvertsPointers) {
    struct CBar : CObject {
        int m_nDiameter = 0;
    };
    CBar bars[3];
    CTypedPtrArray<CObArray, CBar*> objects;
    CTypedPtrArray<CPtrArray, CBar*> pointers;
    for (CBar& bar : bars) {
        objects.Add(&bar);
        pointers.Add(&bar);
    }
    objects[1]->m_nDiameter = 12;
    pointers.SetAt(0, &bars[2]);
    pointers[2] = &bars[0];
    EXPECT_EQ(objects.GetAt(1)->m_nDiameter, 12);
    EXPECT_EQ(pointers.GetAt(0), &bars[2]);
    EXPECT_EQ(pointers.GetAt(2), &bars[0]);

    CTypedPtrArray<CPtrArray, CBar*> copy;
    copy.Copy(pointers);
    copy.InsertAt(0, &pointers);
    EXPECT_EQ(copy.GetSize(), 6);
    EXPECT_EQ(copy[3], &bars[2]);
    EXPECT_EQ(copy.GetAt(5), &bars[0]);
}
