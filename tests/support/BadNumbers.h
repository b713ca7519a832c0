// Numbers a calculation must never take, as a person may type them, and the test that a report or a
// result reads as numbers: no nan, no inf, no number of more than 15 significant digits.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "mfc/Afx.h"

// Not numbers, beyond a double, below every lower bound of the pages, letters, nothing.
inline const std::vector<const char*>& BadNumberTexts() {
    static const std::vector<const char*> texts = {"nan", "inf", "-inf", "1e400", "-1", "abc", ""};
    return texts;
}
// What a box that takes digits only lets a person type that is still no number in its range.
inline const std::vector<const char*>& BadDigitTexts() {
    static const std::vector<const char*> texts = {"", "99999999"};
    return texts;
}

// The control of that id in a window or beneath it.
inline CWnd* FindControl(CWnd* pParent, UINT nID) {
    for (CWnd* pChild = pParent->GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if (static_cast<UINT>(pChild->GetDlgCtrlID()) == nID) return pChild;
        if (CWnd* pFound = FindControl(pChild, nID)) return pFound;
    }
    return nullptr;
}

// Whether a report reads as numbers: no "nan" or "inf" standing as a word, and no number of more
// than 15 significant digits.
inline testing::AssertionResult ReadsAsNumbers(const std::string& text) {
    auto letter = [&text](size_t i) { return i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); };
    for (const char* word : {"nan", "inf"}) {
        for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
            if ((at == 0 || !letter(at - 1)) && !letter(at + 3))
                return testing::AssertionFailure() << "\"" << word << "\" in " << text.substr(at < 40 ? 0 : at - 40, 80);
    }
    for (size_t i = 0; i < text.size();) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        size_t end = i;
        int digits = 0;
        bool leading = true;
        for (; end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.'); ++end) {
            if (text[end] == '.') continue;
            if (leading && text[end] == '0') continue;
            leading = false;
            ++digits;
        }
        if (digits > 15) return testing::AssertionFailure() << "a number of " << digits << " digits: " << text.substr(i, end - i);
        i = end;
    }
    return testing::AssertionSuccess();
}

