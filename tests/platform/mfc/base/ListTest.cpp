#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ExpectedMisuses.h"
#include "mfc/base/List.h"
#include "Printers.h"

namespace {

typedef CList<int, int> CIntList;

std::vector<int> Forward(const CIntList& list) {
    std::vector<int> items;
    for (POSITION pos = list.GetHeadPosition(); pos;) items.push_back(list.GetNext(pos));
    return items;
}

std::vector<int> Backward(const CIntList& list) {
    std::vector<int> items;
    for (POSITION pos = list.GetTailPosition(); pos;) items.insert(items.begin(), list.GetPrev(pos));
    return items;
}

}  // namespace

TEST(CList, EditingKeepsBothDirectionsInStep) {
    struct Case {
        const char* name;
        std::function<void(CIntList&)> action;
        std::vector<int> expected;
    };
    // Every case starts from 1 2 3.
    const Case cases[] = {
        {"AddHead", [](CIntList& l) { l.AddHead(0); }, {0, 1, 2, 3}},
        {"AddTail", [](CIntList& l) { l.AddTail(4); }, {1, 2, 3, 4}},
        {"InsertBefore head", [](CIntList& l) { l.InsertBefore(l.GetHeadPosition(), 0); }, {0, 1, 2, 3}},
        {"InsertBefore middle", [](CIntList& l) { l.InsertBefore(l.FindIndex(1), 9); }, {1, 9, 2, 3}},
        {"InsertBefore null is AddHead", [](CIntList& l) { l.InsertBefore(nullptr, 0); }, {0, 1, 2, 3}},
        {"InsertAfter tail", [](CIntList& l) { l.InsertAfter(l.GetTailPosition(), 4); }, {1, 2, 3, 4}},
        {"InsertAfter middle", [](CIntList& l) { l.InsertAfter(l.FindIndex(1), 9); }, {1, 2, 9, 3}},
        {"InsertAfter null is AddTail", [](CIntList& l) { l.InsertAfter(nullptr, 4); }, {1, 2, 3, 4}},
        {"RemoveAt head", [](CIntList& l) { l.RemoveAt(l.GetHeadPosition()); }, {2, 3}},
        {"RemoveAt middle", [](CIntList& l) { l.RemoveAt(l.Find(2)); }, {1, 3}},
        {"RemoveAt tail", [](CIntList& l) { l.RemoveAt(l.GetTailPosition()); }, {1, 2}},
        {"RemoveHead", [](CIntList& l) { EXPECT_EQ(l.RemoveHead(), 1); }, {2, 3}},
        {"RemoveTail", [](CIntList& l) { EXPECT_EQ(l.RemoveTail(), 3); }, {1, 2}},
        {"SetAt", [](CIntList& l) { l.SetAt(l.FindIndex(2), 7); }, {1, 2, 7}},
        {"GetHead and GetTail write", [](CIntList& l) { l.GetHead() = 5; l.GetTail() = 6; }, {5, 2, 6}},
        {"RemoveAll", [](CIntList& l) { l.RemoveAll(); }, {}},
        {"remove every element then add",
         [](CIntList& l) {
             while (!l.IsEmpty()) l.RemoveTail();
             l.AddHead(8);
         },
         {8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CIntList list;
        for (int i : {1, 2, 3}) list.AddTail(i);
        c.action(list);
        EXPECT_EQ(Forward(list), c.expected);
        EXPECT_EQ(Backward(list), c.expected);
        EXPECT_EQ(list.GetCount(), static_cast<int>(c.expected.size()));
    }
}

TEST(CList, FindAndFindIndex) {
    CStringList texts;
    for (const char* text : {"固定", "简支", "自由", "简支"}) texts.AddTail(text);

    POSITION first = texts.Find("简支");
    ASSERT_NE(first, nullptr);
    POSITION second = texts.Find("简支", first);
    EXPECT_EQ(second, texts.GetTailPosition());
    EXPECT_EQ(texts.Find("简支", second), nullptr);
    EXPECT_EQ(texts.Find("简"), nullptr);
    EXPECT_EQ(texts.GetAt(texts.FindIndex(2)), "自由");
    EXPECT_EQ(texts.FindIndex(4), nullptr);
    EXPECT_EQ(texts.FindIndex(-1), nullptr);
    EXPECT_EQ(CStringList(10).FindIndex(0), nullptr);
}

TEST(CList, MisuseIsReportedAndChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(CStringList&)> action;
    };
    const Case cases[] = {
        {"GetHead of empty", [](CStringList& l) { EXPECT_TRUE(l.GetHead().IsEmpty()); }},
        {"GetTail of empty", [](CStringList& l) { l.GetTail() = "写入"; }},
        {"RemoveHead of empty", [](CStringList& l) { EXPECT_TRUE(l.RemoveHead().IsEmpty()); }},
        {"RemoveTail of empty", [](CStringList& l) { EXPECT_TRUE(l.RemoveTail().IsEmpty()); }},
        {"GetNext(null)",
         [](CStringList& l) {
             POSITION pos = nullptr;
             EXPECT_TRUE(l.GetNext(pos).IsEmpty());
             EXPECT_EQ(pos, nullptr);
         }},
        {"GetPrev(null)",
         [](CStringList& l) {
             POSITION pos = nullptr;
             EXPECT_TRUE(l.GetPrev(pos).IsEmpty());
         }},
        {"GetAt(null)", [](CStringList& l) { EXPECT_TRUE(l.GetAt(nullptr).IsEmpty()); }},
        {"SetAt(null)", [](CStringList& l) { l.SetAt(nullptr, "写入"); }},
        {"RemoveAt(null)", [](CStringList& l) { l.RemoveAt(nullptr); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CStringList list;
        qelt::test::ExpectedMisuses misuses;
        c.action(list);
        EXPECT_EQ(misuses.Count(), 1);
        EXPECT_TRUE(list.IsEmpty());
    }
}
