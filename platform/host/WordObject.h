// CWordObject: the report writer that a parameter object fills with rows (titles, text, paragraphs,
// pictures, tables) and that the report page and the Word output read back by count and index.
//
// Every text row is stored as its packed text record (MuitByteConvert.h). The style arguments of
// WriteText and WriteParagraph are those of the record:
//   a      character style bits: 1 bold, 2 italic, 4 underline (0 to 7)
//   b      paragraph alignment: 0 left, 1 centred, 2 right
//   c, d   kept in the record and handed on unchanged; they change nothing in the rendering
//   colour Word colour index, 0 to 15 (WordColor.h)
//   size   font size in points, above 0 and at most 1638
//   font   font name ("宋体" for ordinary text)
// A row whose text does not end in "\n" is continued on the same line by the next row. Titles and
// section titles always end their line. A text longer than a record holds (9999 bytes) is split
// into consecutive rows, at a line break where there is one, so nothing is lost.
//
// The writers return nonzero when the rows were appended and 0 when the arguments were refused
// (with a diagnostic); a refused call appends nothing.
#pragma once

#include <memory>
#include <vector>

#include "host/WordRow.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CStringArray;
class CYorWord;

class CWordObject {
public:
    CWordObject();
    CWordObject(const CWordObject& other);
    CWordObject& operator=(const CWordObject& other);
    ~CWordObject();

    // Removes every row.
    void InitData();

    // The report title: bold, centred, 16 points, "宋体".
    int WriteTitleInfo(LPCTSTR pszText);
    // A section title: bold, 12 points, "宋体".
    int WriteSectionTitle(LPCTSTR pszText);
    int WriteText(LPCTSTR pszText, long lStyle, int nAlign, int nC, int nD, int nColor, double dSize,
                  LPCTSTR pszFont);
    // Each line becomes a row of its own, ended by "\n" when it lacks one.
    int WriteParagraph(const CStringArray& lines, long lStyle, int nAlign, int nC, int nD, int nColor,
                       double dSize, LPCTSTR pszFont);

    // A picture row with a PNG copy of the bitmap; the caller keeps, and deletes, its own bitmap.
    // nCentre nonzero centres the picture on its line; the long has no effect (callers pass 0).
    int WritePhotograph(HBITMAP hBitmap, int nCentre, long lReserved);
    // The same for the bitmap resource nBitmapID of the module hModule.
    int WritePhotograph(HINSTANCE hModule, UINT nBitmapID, int nCentre, long lReserved);

    // Table directive rows: a table of nRows × nCols empty cells, one cell's text (which may hold
    // commas and report markup), and the end that writes the table out. A table holds at most
    // MaxTableCells cells, so that a directive can never ask a reader for unbounded memory.
    static constexpr int MaxTableCells = 100000;
    int InsertTable(int nRows, int nCols);
    int SetTableCell(int nRow, int nCol, LPCTSTR pszText);
    int EndTable();

    // A number for a formula line: nLevel decimals (clamped to 0 to 9); a negative number is put in
    // parentheses, so that "%s*%s" reads "1.50*(-2.00)"; -0 reads as 0.
    static CString NumToStrLv(double dValue, int nLevel);

    int GetRowCount() const;
    // NULL, with a diagnostic, for an index outside 0 to GetRowCount() - 1.
    const CWordRow* GetRow(int nIndex) const;

    // Appends the report to the Word output; FALSE when it could not be written (see CYorWord).
    BOOL WriteToWord(CYorWord* pWord) const;

private:
    static BOOL CheckStyle(LPCTSTR pszWhere, long lStyle, int nAlign, int nC, int nD, int nColor,
                           double dSize, LPCTSTR pszFont);
    int AppendText(LPCTSTR pszWhere, LPCTSTR pszText, BOOL bEndLine, long lStyle, int nAlign, int nC,
                   int nD, int nColor, double dSize, LPCTSTR pszFont);

    int AppendPicture(LPCTSTR pszWhere, HBITMAP hBitmap, int nCentre);

    std::vector<std::unique_ptr<CWordRow>> m_rows;
    int m_nTableRows = 0;  // the table of the last InsertTable, which SetTableCell checks against
    int m_nTableCols = 0;
};
