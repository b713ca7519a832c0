#pragma once
// The local-load list: local loads vertex by vertex, numbered, with the load kind (恒载/活载) on a
// load's first row only, where it stays editable, and the load value of each corner.
#include "slab/irregular/BoardVertexList.h"

class CBoardPartList : public CBoardVertexList {
public:
    enum { COL_NUMBER, COL_KIND, COL_CORNER, COL_X, COL_Y, COL_LENGTH, COL_CHORD, COL_VALUE };

    explicit CBoardPartList(CEditCmbList& list);

    void CreateColumns();

protected:
    void WriteOtherColumns(int row, const CBoardPolyline& poly, int vertex, int segment) override;
    void MarkRow(int row, BOOL first) override;
    // The load kind stays on the first row it was written on.
    void CopyListRow(int from, int to) override;

private:
    CStringArray m_kinds;
};

// The text of a load kind: 恒载 for dead (5), 活载 for any other; and back (活载 live, else dead).
CString LoadKindText(int kind);
int LoadKindOfText(const CString& text);
// The choices of a load-kind cell: 恒载, 活载.
void FillLoadKindChoices(CStringArray& choices);
