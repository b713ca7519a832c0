#include "host/WordObject.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "host/MuitByteConvert.h"
#include "host/ReportMarkup.h"
#include "host/YorWord.h"
#include "host/WordColor.h"
#include "mfc/base/Array.h"
#include "mfc/base/Diagnostics.h"
#include "mfc/gdi/GdiApi.h"
#include "mfc/user/WinUserApi.h"
#include "render/Render.h"

namespace {

const long kStyleBits = 7;     // bold | italic | underline
const int kLastAlign = 2;      // right
const double kMaxSize = 1638;  // the largest font size a document takes
const char* const kPlainFont = "宋体";

// Where a text longer than a record holds is cut: after the last line break within the limit, else
// at the last character boundary outside a markup piece, else at the last character boundary.
size_t CutPosition(std::string_view text, size_t limit) {
    size_t lastBreak = 0;
    size_t lastBoundary = 0;
    size_t lastSafe = 0;
    const std::vector<qelt::report::MarkupRun> runs = qelt::report::SplitMarkup(text);
    size_t run = 0;
    for (size_t i = 0; i <= limit && i <= text.size();) {
        while (run < runs.size() && runs[run].sourceEnd <= i) ++run;
        const bool insidePiece = run < runs.size() && runs[run].kind != qelt::report::RunKind::Normal &&
                                 runs[run].sourceBegin < i;
        if (i > 0) {
            lastBoundary = i;
            if (!insidePiece) lastSafe = i;
            if (text[i - 1] == '\n') lastBreak = i;
        }
        if (i == text.size()) break;
        i += qelt::report::GbkCharLength(text, i);
    }
    if (lastBreak > 0) return lastBreak;
    return lastSafe > 0 ? lastSafe : lastBoundary;
}

}  // namespace

CWordObject::CWordObject() = default;

CWordObject::CWordObject(const CWordObject& other) { *this = other; }

CWordObject& CWordObject::operator=(const CWordObject& other) {
    if (this == &other) return *this;
    std::vector<std::unique_ptr<CWordRow>> rows;
    rows.reserve(other.m_rows.size());
    for (const auto& row : other.m_rows) rows.push_back(std::make_unique<CWordRow>(*row));
    m_rows = std::move(rows);
    m_nTableRows = other.m_nTableRows;
    m_nTableCols = other.m_nTableCols;
    return *this;
}

CWordObject::~CWordObject() = default;

void CWordObject::InitData() {
    m_rows.clear();
    m_nTableRows = 0;
    m_nTableCols = 0;
}

int CWordObject::WriteTitleInfo(LPCTSTR pszText) {
    return AppendText("WriteTitleInfo", pszText, TRUE, 1, 1, 0, 0, 0, 16, kPlainFont);
}

int CWordObject::WriteSectionTitle(LPCTSTR pszText) {
    return AppendText("WriteSectionTitle", pszText, TRUE, 1, 0, 0, 0, 0, 12, kPlainFont);
}

int CWordObject::WriteText(LPCTSTR pszText, long lStyle, int nAlign, int nC, int nD, int nColor,
                           double dSize, LPCTSTR pszFont) {
    return AppendText("WriteText", pszText, FALSE, lStyle, nAlign, nC, nD, nColor, dSize, pszFont);
}

int CWordObject::WriteParagraph(const CStringArray& lines, long lStyle, int nAlign, int nC, int nD,
                                int nColor, double dSize, LPCTSTR pszFont) {
    if (!CheckStyle("WriteParagraph", lStyle, nAlign, nC, nD, nColor, dSize, pszFont)) return 0;
    for (int i = 0; i < lines.GetSize(); ++i)
        AppendText("WriteParagraph", lines[i], TRUE, lStyle, nAlign, nC, nD, nColor, dSize, pszFont);
    return 1;
}

BOOL CWordObject::CheckStyle(LPCTSTR pszWhere, long lStyle, int nAlign, int nC, int nD, int nColor,
                             double dSize, LPCTSTR pszFont) {
    const char* problem = nullptr;
    if (pszFont == nullptr)
        problem = "a null font";
    else if (lStyle < 0 || lStyle > kStyleBits)
        problem = "a style outside 0 to 7";
    else if (nAlign < 0 || nAlign > kLastAlign)
        problem = "an alignment outside 0 to 2";
    else if (nColor < 0 || nColor >= WORD_COLOR_COUNT)
        problem = "a colour index outside 0 to 15";
    else if (!(dSize > 0 && dSize <= kMaxSize))
        problem = "a size outside 0 to 1638 points";
    else {
        CWordTextRecord record;
        record.m_nC = nC;
        record.m_nD = nD;
        record.m_dSize = dSize;
        record.m_strFont = pszFont;
        CString packed;
        if (!record.Pack(packed)) problem = "a value that does not fit its record field";
    }
    if (problem == nullptr) return TRUE;
    qelt::ReportMisuse("CWordObject::%s: %s; nothing written", pszWhere, problem);
    return FALSE;
}

int CWordObject::AppendText(LPCTSTR pszWhere, LPCTSTR pszText, BOOL bEndLine, long lStyle, int nAlign,
                            int nC, int nD, int nColor, double dSize, LPCTSTR pszFont) {
    if (pszText == nullptr) {
        qelt::ReportMisuse("CWordObject::%s: a null text; nothing written", pszWhere);
        return 0;
    }
    if (!CheckStyle(pszWhere, lStyle, nAlign, nC, nD, nColor, dSize, pszFont)) return 0;

    std::string text(pszText);
    if (bEndLine && (text.empty() || text.back() != '\n')) text += '\n';

    CWordTextRecord record;
    record.m_lA = lStyle;
    record.m_nB = nAlign;
    record.m_nC = nC;
    record.m_nD = nD;
    record.m_nColor = nColor;
    record.m_dSize = dSize;
    record.m_strFont = pszFont;
    std::string_view rest(text);
    do {
        const size_t cut = rest.size() <= CWordTextRecord::maxTextLength
                               ? rest.size()
                               : CutPosition(rest, CWordTextRecord::maxTextLength);
        record.m_strText = CString(rest.substr(0, cut));
        CString packed;
        record.Pack(packed);
        m_rows.push_back(std::make_unique<CWordRow>(CWordRow::kindText, packed));
        rest.remove_prefix(cut);
    } while (!rest.empty());
    return 1;
}

int CWordObject::WritePhotograph(HBITMAP hBitmap, int nCentre, long /*lReserved*/) {
    return AppendPicture("WritePhotograph", hBitmap, nCentre);
}

int CWordObject::WritePhotograph(HINSTANCE hModule, UINT nBitmapID, int nCentre, long /*lReserved*/) {
    HBITMAP hBitmap = LoadBitmap(hModule, MAKEINTRESOURCE(nBitmapID));
    if (hBitmap == nullptr) {
        qelt::ReportMisuse("CWordObject::WritePhotograph: no bitmap %u in the module; nothing written", nBitmapID);
        return 0;
    }
    const int result = AppendPicture("WritePhotograph", hBitmap, nCentre);
    DeleteObject(hBitmap);
    return result;
}

int CWordObject::AppendPicture(LPCTSTR pszWhere, HBITMAP hBitmap, int nCentre) {
    BITMAP info{};
    if (hBitmap == nullptr || GetObjectType(hBitmap) != OBJ_BITMAP ||
        GetObject(hBitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0) {
        qelt::ReportMisuse("CWordObject::%s: no bitmap, or an empty one; nothing written", pszWhere);
        return 0;
    }
    const std::string png = qelt::render::BitmapToPng(hBitmap);
    if (png.empty()) {
        qelt::ReportMisuse("CWordObject::%s: the bitmap could not be copied; nothing written", pszWhere);
        return 0;
    }
    int pictures = 0;
    for (const auto& row : m_rows) pictures += row->GetKind() == CWordRow::kindPicture;
    CString name;
    name.Format("图%d", pictures + 1);
    m_rows.push_back(std::make_unique<CWordRow>(name, std::vector<unsigned char>(png.begin(), png.end()),
                                                info.bmWidth, info.bmHeight, nCentre != 0));
    return 1;
}

int CWordObject::InsertTable(int nRows, int nCols) {
    if (nRows <= 0 || nCols <= 0 || nRows > MaxTableCells / nCols) {
        qelt::ReportMisuse("CWordObject::InsertTable: %d rows and %d columns; nothing written", nRows, nCols);
        return 0;
    }
    CString directive;
    directive.Format("INS_%d,%d", nRows, nCols);
    m_rows.push_back(std::make_unique<CWordRow>(CWordRow::kindTable, directive));
    m_nTableRows = nRows;
    m_nTableCols = nCols;
    return 1;
}

int CWordObject::SetTableCell(int nRow, int nCol, LPCTSTR pszText) {
    if (pszText == nullptr || nRow < 0 || nRow >= m_nTableRows || nCol < 0 || nCol >= m_nTableCols) {
        qelt::ReportMisuse("CWordObject::SetTableCell: %s (%d, %d) of a %d x %d table; nothing written",
                           pszText == nullptr ? "a null text for cell" : "cell", nRow, nCol, m_nTableRows,
                           m_nTableCols);
        return 0;
    }
    CString directive;
    directive.Format("SET_%d,%d,%s", nRow, nCol, pszText);
    m_rows.push_back(std::make_unique<CWordRow>(CWordRow::kindTable, directive));
    return 1;
}

int CWordObject::EndTable() {
    if (m_nTableRows == 0) {
        qelt::ReportMisuse("CWordObject::EndTable: no table begun; nothing written");
        return 0;
    }
    m_rows.push_back(std::make_unique<CWordRow>(CWordRow::kindTable, CString("END_")));
    return 1;
}

CString CWordObject::NumToStrLv(double dValue, int nLevel) {
    const int decimals = nLevel < 0 ? 0 : (nLevel > 9 ? 9 : nLevel);
    CString text;
    text.Format("%.*f", decimals, dValue);
    if (text[0] != '-') return text;
    // A value that rounds to zero reads as 0, not -0.
    if (text.SpanIncluding("-0.") == text) return text.Mid(1);
    return "(" + text + ")";
}

int CWordObject::GetRowCount() const { return static_cast<int>(m_rows.size()); }

const CWordRow* CWordObject::GetRow(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetRowCount()) {
        qelt::ReportMisuse("CWordObject::GetRow: row %d of %d", nIndex, GetRowCount());
        return nullptr;
    }
    return m_rows[nIndex].get();
}

BOOL CWordObject::WriteToWord(CYorWord* pWord) const {
    if (pWord == nullptr) {
        qelt::ReportMisuse("CWordObject::WriteToWord: no Word connection");
        return FALSE;
    }
    return pWord->WriteReport(*this);
}
