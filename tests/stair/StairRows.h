// A report's rows for the stair tests: each text row's text (GBK) and colour index; a picture row
// has the kind CWordRow::kindPicture and an empty text.
#pragma once

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
