// A report's rows for the stair tests: each text row's text (GBK) and colour index; a picture row
// has the kind CWordRow::kindPicture and an empty text.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "host/MuitByteConvert.h"
#include "host/WordObject.h"
#include "host/WordRow.h"

struct StairRow {
    int nKind = CWordRow::kindText;
    CString strText;
    int nColor = 0;
};

inline std::vector<StairRow> StairRows(const CWordObject& report) {
    std::vector<StairRow> rows;
    for (int i = 0; i < report.GetRowCount(); i++) {
        const CWordRow* row = report.GetRow(i);
        StairRow r;
        r.nKind = row->GetKind();
        if (r.nKind == CWordRow::kindText) {
            CWordTextRecord record;
            if (record.Read(row->GetText(), row->GetText().GetLength())) {
                r.strText = record.m_strText;
                r.nColor = record.m_nColor;
            }
        }
        rows.push_back(r);
    }
    return rows;
}

// The index of the first row whose text contains the part, at or after nFrom; -1 when none does.
inline int FindRow(const std::vector<StairRow>& rows, const char* pszPart, int nFrom = 0) {
    for (int i = nFrom; i < static_cast<int>(rows.size()); i++)
        if (rows[static_cast<size_t>(i)].strText.Find(pszPart) >= 0) return i;
    return -1;
}

// The first text of a report that no engineer would accept as a number: "nan", "inf", or a number of
// more than 15 significant digits; empty when every number reads.
inline std::string UnreadableNumber(const CWordObject& report) {
    for (const StairRow& row : StairRows(report)) {
        const std::string text(static_cast<LPCTSTR>(row.strText));
        std::string lower = text;
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos) return text;
        int nDigits = 0;
        bool bLeading = true;
        for (size_t i = 0; i <= text.size(); i++) {
            const char ch = i < text.size() ? text[i] : ' ';
            if (ch >= '0' && ch <= '9') {
                if (ch != '0' || !bLeading) {
                    bLeading = false;
                    if (++nDigits > 15) return text;
                }
            } else if (ch != '.') {
                nDigits = 0;
                bLeading = true;
            }
        }
    }
    return std::string();
}
