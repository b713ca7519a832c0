#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "ExpectedMisuses.h"
#include "mfc/base/Array.h"
#include "mfc/base/Map.h"
#include "Printers.h"

namespace {

// Every pair met by a walk, in the order met.
template <class MAP, class KEY, class VALUE>
std::vector<std::pair<KEY, VALUE>> Walk(const MAP& map) {
    std::vector<std::pair<KEY, VALUE>> pairs;
    KEY key;
    VALUE value;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        map.GetNextAssoc(pos, key, value);
        pairs.emplace_back(key, value);
    }
    return pairs;
}

// A value as the module's grid keeps them: a string array member, copied by assignment.
struct CEditor {
    int m_nType = -1;
    CStringArray m_arrChoices;
    CEditor() = default;
    CEditor(const CEditor& other) { *this = other; }
    CEditor& operator=(const CEditor& other) {
        m_nType = other.m_nType;
        m_arrChoices.Copy(other.m_arrChoices);
        return *this;
    }
};

}  // namespace

TEST(CMap, GbkTextKeys) {
    CMapStringToString map;
    map.SetAt("混凝土", "C30");
    map.SetAt("钢筋", "HRB335");
    map["箍筋"] = "HPB235";
    map.SetAt("钢筋", "HRB400");
    EXPECT_EQ(map.GetCount(), 3);

    CString value("unchanged");
    EXPECT_TRUE(map.Lookup("钢筋", value));
    EXPECT_EQ(value, "HRB400");
    EXPECT_TRUE(map.Lookup(CString("箍筋"), value));
    EXPECT_EQ(value, "HPB235");
    value = "unchanged";
    EXPECT_FALSE(map.Lookup("钢", value));  // a prefix of a key is another key
    EXPECT_EQ(value, "unchanged");

    EXPECT_TRUE(map["新键"].IsEmpty());
    EXPECT_EQ(map.GetCount(), 4);
    EXPECT_TRUE(map.RemoveKey("混凝土"));
    EXPECT_FALSE(map.RemoveKey("混凝土"));
    EXPECT_EQ(map.PLookup("混凝土"), nullptr);
    map.PLookup("箍筋")->value = "HRB335";
    EXPECT_EQ(map["箍筋"], "HRB335");
    EXPECT_EQ(map.PLookup("箍筋")->key, "箍筋");
    EXPECT_EQ(map.GetCount(), 3);

    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    EXPECT_FALSE(map.Lookup("钢筋", value));
    map.SetAt("钢筋", "HRB335");  // usable again after RemoveAll
    EXPECT_EQ(map.GetSize(), 1);

    // Keys passed as CString: the whole text is the key, a byte past a zero included.
    CMap<CString, const CString&, int, int> grades;
    grades[CString("C30")] = 30;
    grades[CString("C3")] = 3;
    grades[CString("C3\0" "5", 4)] = 35;
    EXPECT_EQ(grades.GetCount(), 3);
    EXPECT_EQ(grades[CString("C3")], 3);
    EXPECT_EQ(grades[CString("C30")], 30);
    EXPECT_EQ(grades[CString("C3\0" "5", 4)], 35);
}

TEST(CMap, IntPointerAndWordKeys) {
    int a = 0, b = 0;
    CMapPtrToPtr pointers;
    pointers.SetAt(&a, &b);
    pointers.SetAt(&b, nullptr);
    void* found = nullptr;
    EXPECT_TRUE(pointers.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_TRUE(pointers.Lookup(&b, found));
    EXPECT_EQ(found, nullptr);
    EXPECT_FALSE(pointers.Lookup(nullptr, found));

    CMapWordToPtr words(20);
    words[0xFFFF] = &a;
    words[0] = &b;
    EXPECT_EQ(words[0xFFFF], &a);
    EXPECT_EQ(words[0], &b);

    // Keys as the grid builds them (column * 100000 + row), negative ones included.
    CMap<int, int, COLORREF, COLORREF> colours(10);
    const int keys[] = {3 * 100000 + 7, 3 * 100000 - 1, 7 - 100000, -1, 0};
    for (int key : keys) colours.SetAt(key, static_cast<COLORREF>(key * 2));
    for (int key : keys) EXPECT_EQ(colours[key], static_cast<COLORREF>(key * 2)) << key;
}

TEST(CMap, WalkVisitsEachPairOnceAndRepeats) {
    std::map<int, int> expected;
    auto fill = [&](CMap<int, int, int, int>& map) {
        for (int i = 0; i < 2000; ++i) map.SetAt(i * 7919 % 10007, i);
        for (int i = 0; i < 2000; i += 3) map.RemoveKey(i * 7919 % 10007);
    };
    for (int i = 0; i < 2000; ++i)
        if (i % 3 != 0) expected[i * 7919 % 10007] = i;

    CMap<int, int, int, int> first, second;
    fill(first);
    fill(second);
    const auto walk = Walk<CMap<int, int, int, int>, int, int>(first);
    EXPECT_EQ(walk, (Walk<CMap<int, int, int, int>, int, int>(second)));
    EXPECT_EQ((std::map<int, int>(walk.begin(), walk.end())), expected);
    EXPECT_EQ(walk.size(), expected.size());
}

TEST(CMap, RemovingThePairJustVisitedKeepsTheWalkGoing) {
    CMap<int, int, CString, const CString&> map;
    for (int i = 0; i < 50; ++i) {
        CString text;
        text.Format("第%d跨", i);
        map.SetAt(i, text);
    }
    int key = 0;
    CString value;
    int visited = 0;
    for (POSITION pos = map.GetStartPosition(); pos; ++visited) {
        map.GetNextAssoc(pos, key, value);
        if (key % 2 == 0) map.RemoveKey(key);
    }
    EXPECT_EQ(visited, 50);
    EXPECT_EQ(map.GetCount(), 25);
    EXPECT_EQ(map[49], "第49跨");
    EXPECT_EQ(map.PLookup(48), nullptr);
}

TEST(CMap, ClassValuesAreCopiedByAssignment) {
    CMap<int, int, CEditor, CEditor&> editors(10);
    CEditor editor;
    editor.m_nType = 1;
    editor.m_arrChoices.Add("固定");
    editor.m_arrChoices.Add("简支");
    editors.SetAt(300007, editor);
    editor.m_arrChoices.RemoveAll();

    CEditor found;
    ASSERT_TRUE(editors.Lookup(300007, found));
    EXPECT_EQ(found.m_nType, 1);
    ASSERT_EQ(found.m_arrChoices.GetSize(), 2);
    EXPECT_EQ(found.m_arrChoices[1], "简支");
    EXPECT_EQ(editors[5].m_nType, -1);
}

TEST(CMap, NullPositionIsMisuse) {
    CMapStringToPtr map;
    map.SetAt("a", nullptr);
    POSITION pos = nullptr;
    CString key("kept");
    void* value = &pos;
    qelt::test::ExpectedMisuses misuses;
    map.GetNextAssoc(pos, key, value);
    EXPECT_EQ(misuses.Count(), 1);
    EXPECT_EQ(key, "kept");
    EXPECT_EQ(value, &pos);
}
