#include "mfc/stdctrl/ListItems.h"

#include <algorithm>
#include <cstring>

#include "mfc/base/Diagnostics.h"
#include "mfc/base/GbkText.h"

namespace qelt {

const ListMessages kListBoxMessages = {LB_ADDSTRING,    LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                       LB_GETCOUNT,     LB_GETCURSEL,    LB_SETCURSEL,    LB_GETTEXT,
                                       LB_GETTEXTLEN,   LB_FINDSTRING,   LB_FINDSTRINGEXACT, LB_SELECTSTRING,
                                       LB_SETITEMDATA,  LB_GETITEMDATA};
const ListMessages kComboBoxMessages = {CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                        CB_GETCOUNT,     CB_GETCURSEL,    CB_SETCURSEL,    CB_GETLBTEXT,
                                        CB_GETLBTEXTLEN, CB_FINDSTRING,   CB_FINDSTRINGEXACT, CB_SELECTSTRING,
                                        CB_SETITEMDATA,  CB_GETITEMDATA};

int ListItems::Add(std::string text, bool sorted) {
    auto at = m_items.end();
    if (sorted) {
        at = std::upper_bound(m_items.begin(), m_items.end(), text, [](const std::string& value, const Item& item) {
            return gbk::CompareNoCase(value, item.text) < 0;
        });
    }
    return Insert(static_cast<int>(at - m_items.begin()), std::move(text));
}

int ListItems::Insert(int index, std::string text) {
    if (index == -1) index = Count();
    if (index < 0 || index > Count()) return -1;
    m_items.insert(m_items.begin() + index, Item{std::move(text), 0});
    if (m_selection >= index) ++m_selection;
    return index;
}

int ListItems::Remove(int index) {
    if (index < 0 || index >= Count()) return -1;
    m_items.erase(m_items.begin() + index);
    if (m_selection == index) m_selection = -1;
    else if (m_selection > index) --m_selection;
    return Count();
}

void ListItems::Clear() {
    m_items.clear();
    m_selection = -1;
}

const std::string* ListItems::Text(int index) const {
    return index >= 0 && index < Count() ? &m_items[static_cast<size_t>(index)].text : nullptr;
}

bool ListItems::SetData(int index, DWORD_PTR data) {
    if (index < 0 || index >= Count()) return false;
    m_items[static_cast<size_t>(index)].data = data;
    return true;
}

bool ListItems::Data(int index, DWORD_PTR& data) const {
    if (index < 0 || index >= Count()) return false;
    data = m_items[static_cast<size_t>(index)].data;
    return true;
}

template <class Match>
int ListItems::Find(int start, Match match) const {
    const int count = Count();
    if (start < -1 || start >= count) start = -1;
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        if (match(m_items[static_cast<size_t>(index)].text)) return index;
    }
    return -1;
}

int ListItems::FindPrefix(int start, std::string_view text) const {
    return Find(start, [&](const std::string& item) { return gbk::StartsWithNoCase(item, text); });
}

int ListItems::FindExact(int start, std::string_view text) const {
    return Find(start, [&](const std::string& item) { return gbk::CompareNoCase(item, text) == 0; });
}

int ListItems::FindBytes(std::string_view text) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_items[static_cast<size_t>(i)].text == text) return i;
    }
    return -1;
}

bool ListItems::Select(int index) {
    if (index < -1 || index >= Count()) {
        m_selection = -1;
        return false;
    }
    m_selection = index;
    return true;
}

bool HandleListMessage(ListItems& items, const ListMessages& m, bool sorted, UINT message, WPARAM wParam,
                       LPARAM lParam, LRESULT& result, bool& selectionChanged) {
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    const char* text = reinterpret_cast<const char*>(lParam);
    const int before = items.Selection();
    auto needText = [&](const char* what) {
        if (text) return true;
        ReportMisuse("%s with a null text", what);
        result = -1;
        return false;
    };
    if (message == m.addString) {
        if (needText("adding a list item")) result = items.Add(text, sorted);
    } else if (message == m.insertString) {
        if (needText("inserting a list item")) result = items.Insert(index, text);
    } else if (message == m.deleteString) {
        result = items.Remove(index);
    } else if (message == m.resetContent) {
        items.Clear();
        result = 0;
    } else if (message == m.getCount) {
        result = items.Count();
    } else if (message == m.getCurSel) {
        result = items.Selection();
    } else if (message == m.setCurSel) {
        result = items.Select(index) && index >= 0 ? index : -1;
    } else if (message == m.getText) {
        const std::string* item = items.Text(index);
        if (!item || !text) {
            if (item) ReportMisuse("reading list item %d into a null buffer", index);
            result = -1;
        } else {
            std::memcpy(reinterpret_cast<char*>(lParam), item->c_str(), item->size() + 1);
            result = static_cast<LRESULT>(item->size());
        }
    } else if (message == m.getTextLen) {
        const std::string* item = items.Text(index);
        result = item ? static_cast<LRESULT>(item->size()) : -1;
    } else if (message == m.findString) {
        result = needText("searching list items") ? items.FindPrefix(index, text) : -1;
    } else if (message == m.findStringExact) {
        result = needText("searching list items") ? items.FindExact(index, text) : -1;
    } else if (message == m.selectString) {
        const int found = needText("selecting a list item") ? items.FindPrefix(index, text) : -1;
        if (found >= 0) items.Select(found);
        result = found;
    } else if (message == m.setItemData) {
        result = items.SetData(index, static_cast<DWORD_PTR>(lParam)) ? TRUE : -1;
    } else if (message == m.getItemData) {
        DWORD_PTR data = 0;
        result = items.Data(index, data) ? static_cast<LRESULT>(data) : -1;
    } else {
        return false;
    }
    selectionChanged = items.Selection() != before;
    return true;
}

}  // namespace qelt
