#pragma once
// The edge panel's hole list: the holes vertex by vertex, numbered, with the support of the hole's
// edges (支座类型 简支/固支/自由) on every row of the hole, editable on each; a hole has one support
// for all its edges, so an edit on any row sets it for the hole.
#include "slab/irregular/BoardVertexList.h"

class CBoardHoleList : public CBoardVertexList {
public:
    enum { COL_HOLE, COL_NODE, COL_X, COL_Y, COL_LENGTH, COL_CHORD, COL_SUPPORT };

    explicit CBoardHoleList(CEditCmbList& list);

    // Headings, widths and editors.
    void CreateColumns();
    // Every row's support cell from its hole's support, after rows were added, moved or copied.
    void WriteSupports(const CBoardPolylineArray& holes);

protected:
    void WriteOtherColumns(int row, const CBoardPolyline& poly, int vertex, int segment) override;
    void MarkRow(int row, BOOL first) override;

private:
    CStringArray m_supports;
};
