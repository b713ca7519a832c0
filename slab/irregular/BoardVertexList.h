#pragma once
// A grid list that shows polylines (the outline, holes, local loads) vertex by vertex. A polyline
// of k >= 2 vertices takes k + 1 rows: its first row (vertex 0, grey, read-only, "--" in the
// segment columns), one row per further vertex with the segment that ends there, and the closing
// row (vertex 0 again, with the closing segment). Lists of several polylines carry the polyline's
// number (index + 1) in a column of their own. A list names its columns and writes its other
// columns itself.
#include "controls/EditCmbList.h"
#include "slab/irregular/BoardPolyline.h"

typedef CArray<CBoardPolyline, const CBoardPolyline&> CBoardPolylineArray;

// The columns of a vertex list; the segment columns run from the length column to the last.
struct BoardListColumns {
    int number;  // the polyline number, -1 in a list of one polyline
    int node;
    int x;
    int y;
    int length;
    int chord;
    int last;
};

class CBoardVertexList {
public:
    CBoardVertexList(CEditCmbList& list, const BoardListColumns& columns);
    virtual ~CBoardVertexList() = default;

    // Rows of a whole array (numbered from 1), or of a single polyline.
    void Fill(const CBoardPolylineArray& polylines);
    void Fill(const CBoardPolyline& poly);
    // The rows of polylines 0 .. n-1: the index of polyline n's first row.
    static int FirstRowOfElement(const CBoardPolylineArray& polylines, int n);

    // The row of the newest vertex of the shape being drawn, as polyline number.
    void AddDrawnVertexRow(const CBoardPolyline& work, int number);
    // The closing row of a finished shape at the end of the list (or at row, when given).
    void AddClosingRow(const CBoardPolyline& poly, int number, int row = -1);
    // One vertex row: vertex `vertex` with the segment `segment` that ends at it (-1: a first row).
    void WriteRow(int row, const CBoardPolyline& poly, int number, int vertex, int segment);

    // A cell of a polyline's rows edited: X, Y or chord height applied to poly (whose first row is
    // given) and the dependent cells updated, or a text that is no number within the coordinates'
    // range refused (the cell shows the value kept); FALSE for another column.
    BOOL ApplyGeometryCell(int row, int column, CBoardPolyline& poly, int firstRow);
    // After an edit of a closing row: the first row takes its texts and is a first row again.
    void RenewFirstRow(int closingRow, int firstRow);
    // Inserts a copy of the row's vertex (a closing row: of vertex 0 as the last vertex).
    void InsertVertex(int row, CBoardPolyline& poly, int firstRow);
    // Deletes the row's vertex of a polyline of four or more vertices.
    void DeleteVertex(int row, CBoardPolyline& poly, int firstRow);
    // Deletes the rows of polyline `number` and renumbers the polylines after it.
    void RemoveElementRows(const CString& number);
    // Rows whose node reads "1" and length "--" become grey first rows, others white and editable.
    void MarkFirstRows();

    CEditCmbList& m_list;
    BoardListColumns m_columns;

protected:
    // The list's own columns of a row (none in the base).
    virtual void WriteOtherColumns(int row, const CBoardPolyline& poly, int vertex, int segment);
    // Grey, read-only first row; white, editable other rows.
    virtual void MarkRow(int row, BOOL first);

    void DashSegmentCells(int row);
    virtual void CopyListRow(int from, int to);
    void DuplicateListRow(int row);
    void SetText(int row, int column, const CString& text);
    void SetNumberText(int row, int column, double value);
    // Node numbers 1, 2, ... for the rows of a polyline from firstRow up to its closing row.
    void RenumberNodes(int firstRow, int closingRow);
};

// The context menu of a list: shown at the screen point (commands to the owner) when the list's
// selected row is not a first row and the point lies on the list; FALSE when not shown.
BOOL TrackBoardListMenu(CEditCmbList& list, UINT nMenu, CPoint point, CWnd* pOwner);

// Deletes row `row` of a list of one row per element and numbers the rows after it index + 1.
void RemoveNumberedRow(CEditCmbList& list, int row);

// "%.0f" of a value, "%d" of a number.
CString FormatWhole(double value);
CString FormatNumber(int number);
