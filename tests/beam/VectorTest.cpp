#include <gtest/gtest.h>

#include <vector>

#include "Printers.h"
#include "beam/Vector.h"
#include "mfc/person/InteractionLog.h"

namespace {

// Counts its own destructions, so that a test sees what an owning container deleted.
struct Tracked {
    explicit Tracked(int* deaths) : m_pDeaths(deaths) {}
    ~Tracked() { ++*m_pDeaths; }
    int* m_pDeaths;
};

struct Row {
    int a, b, c;
};

const CString kAssertText58("              ASSERT Error!\r\nVector\r\nLine number:   58");
const CString kAssertText133("              ASSERT Error!\r\nVector\r\nLine number:   133");

// The texts of the message boxes shown since the log was last cleared; each must offer only OK.
std::vector<CString> ShownAsserts() {
    std::vector<CString> texts;
    for (const qelt::InteractionEntry& entry : qelt::InteractionLog::Instance().Entries()) {
        EXPECT_EQ(entry.kind, "message box");
        EXPECT_EQ(entry.buttons, std::vector<CString>{CString("确定")});
        texts.push_back(entry.text);
    }
    return texts;
}

TEST(Vector, SetSizeIsAResetToZeroedElements) {
    struct Case {
        int size;
        int expected;
    } cases[] = {{0, 0}, {-3, 0}, {3, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        Vector<Row> rows;
        rows.SetSize(2);
        rows[0].a = 7;
        rows.SetSize(c.size);
        EXPECT_EQ(rows.GetSize(), c.expected);
        EXPECT_EQ(rows.m_pData == nullptr, c.expected == 0);
        for (int i = 0; i < rows.GetSize(); ++i) {
            EXPECT_EQ(rows[i].a, 0);
            EXPECT_EQ(rows[i].c, 0);
        }
    }
}

TEST(Vector, BadIndexReportsAndNeverReachesTheBlock) {
    for (int index : {3, -1, 1000}) {
        SCOPED_TRACE(index);
        Vector<Row> rows;
        rows.SetSize(3);
        qelt::InteractionLog::Instance().Clear();
        Row& outside = rows[index];
        EXPECT_EQ(ShownAsserts(), std::vector<CString>{kAssertText58});
        EXPECT_EQ(outside.a, 0);
        outside.a = 99;  // a write through the bad access is kept from the next one
        EXPECT_EQ(rows[index].b, 0);
        EXPECT_EQ(rows[index].a, 0);
        EXPECT_EQ(rows[0].a, 0);
    }
}

TEST(PtrVector, EmptyingAndDestroyingDeleteTheElements) {
    int deaths = 0;
    {
        PtrVector<Tracked*> owned;
        owned.SetSize(2);
        owned[0] = new Tracked(&deaths);
        owned[1] = new Tracked(&deaths);
        owned.SetSize(3);
        EXPECT_EQ(deaths, 2);
        ASSERT_EQ(owned.GetSize(), 3);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(owned[i], nullptr);
        owned[2] = new Tracked(&deaths);
    }
    EXPECT_EQ(deaths, 3);
}

TEST(VectorList, AddsInCallOrderAndWalksOnce) {
    VectorList<int> list;
    for (int value : {10, 20, 30}) list.Add(value);
    EXPECT_EQ(list.GetCount(), 3);
    ASSERT_NE(list.m_pCur, nullptr);
    EXPECT_EQ(list.m_pCur->m_Value, 30);
    EXPECT_EQ(list.m_pCur->m_pNext, nullptr);

    std::vector<int> walked;
    for (list.m_pCur = list.m_Head.m_pNext; list.m_pCur; list.m_pCur = list.m_pCur->m_pNext)
        walked.push_back(list.m_pCur->m_Value);
    EXPECT_EQ(walked, (std::vector<int>{10, 20, 30}));

    qelt::InteractionLog::Instance().Clear();
    list.Add(40);  // after a complete walk the cursor is null: reported, nothing linked
    EXPECT_EQ(ShownAsserts(), std::vector<CString>{kAssertText133});
    EXPECT_EQ(list.GetCount(), 3);

    list.RemoveAll();
    EXPECT_EQ(list.m_Head.m_pNext, nullptr);
    EXPECT_EQ(list.m_pCur, &list.m_Head);
    list.Add(50);
    ASSERT_NE(list.m_Head.m_pNext, nullptr);
    EXPECT_EQ(list.m_Head.m_pNext->m_Value, 50);
    EXPECT_EQ(list.GetCount(), 1);
}

TEST(PtrVectorList, OwnsItsValuesOnlyWithAutoDelete) {
    for (bool autoDelete : {true, false}) {
        SCOPED_TRACE(autoDelete);
        int deaths = 0;
        Tracked* kept[2] = {new Tracked(&deaths), new Tracked(&deaths)};
        {
            PtrVectorList<Tracked*> list(autoDelete);
            list.Add(kept[0]);
            list.Add(nullptr);
            list.Add(kept[1]);
            list.RemoveAll();
            EXPECT_EQ(deaths, autoDelete ? 2 : 0);
            EXPECT_EQ(list.GetCount(), 0);
            if (!autoDelete) list.Add(kept[0]);  // destroyed below with the list, as RemoveAll does
        }
        EXPECT_EQ(deaths, autoDelete ? 2 : 0);
        if (!autoDelete) {
            delete kept[0];
            delete kept[1];
        }
    }
    int deaths = 0;
    {
        PtrVectorList<Tracked*> list;
        list.Add(new Tracked(&deaths));
        list.Add(new Tracked(&deaths));
    }
    EXPECT_EQ(deaths, 2);
}

}  // namespace
