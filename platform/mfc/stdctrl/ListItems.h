// The items of a list box or of a combo box's list: texts with item data, kept in insertion order
// or sorted, and the current selection. Searches compare case-blind in ASCII letters (GBK
// characters as they are), start after a given index and wrap around. Sorted insertion places an
// item after the items that compare equal to it.
//
// HandleListMessage answers the item messages of both controls (LB_… or CB_…) from one table of
// message numbers, so the two behave alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "win/Windows.h"

namespace qelt {

class ListItems {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    int Add(std::string text, bool sorted);
    // -1 inserts at the end; -1 is returned for an index past the end.
    int Insert(int index, std::string text);
    // The count left, or -1 for a bad index. The selection follows its item; removing the selected
    // item clears it.
    int Remove(int index);
    void Clear();
    // Null for a bad index.
    const std::string* Text(int index) const;
    bool SetData(int index, DWORD_PTR data);
    bool Data(int index, DWORD_PTR& data) const;
    int FindPrefix(int start, std::string_view text) const;
    int FindExact(int start, std::string_view text) const;
    // The first item whose text is exactly these bytes (the script's choice), or -1.
    int FindBytes(std::string_view text) const;

    int Selection() const { return m_selection; }
    // -1 clears the selection; an index out of range clears it too and returns false.
    bool Select(int index);

private:
    struct Item {
        std::string text;
        DWORD_PTR data = 0;
    };
    template <class Match>
    int Find(int start, Match match) const;

    std::vector<Item> m_items;
    int m_selection = -1;
};

// The message numbers of one control's item messages.
struct ListMessages {
    UINT addString, insertString, deleteString, resetContent, getCount, getCurSel, setCurSel, getText, getTextLen,
        findString, findStringExact, selectString, setItemData, getItemData;
};

extern const ListMessages kListBoxMessages;
extern const ListMessages kComboBoxMessages;

// Answers an item message; false when `message` is not one of `messages`. `selectionChanged` is
// set when the current item changed (selected, cleared, or removed).
bool HandleListMessage(ListItems& items, const ListMessages& messages, bool sorted, UINT message, WPARAM wParam,
                       LPARAM lParam, LRESULT& result, bool& selectionChanged);

}  // namespace qelt
