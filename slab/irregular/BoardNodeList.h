#pragma once
// The edge panel's node list: the outline vertex by vertex, with the corner column of each vertex
// (角柱 是/否) and the support of the segment that ends at it (支座类型 简支/固支/自由).
#include "slab/irregular/BoardVertexList.h"

class CBoardNodeList : public CBoardVertexList {
public:
    enum { COL_NODE, COL_X, COL_Y, COL_COLUMN, COL_LENGTH, COL_CHORD, COL_SUPPORT };

    explicit CBoardNodeList(CEditCmbList& list);

    // Headings, widths and editors.
    void CreateColumns();
    // The support code of a support text: 简支 0, 固支 1, anything else 自由 2.
    static int SupportOfText(const CString& text);
    // The text of a support code: 0 简支, 1 固支, any other 自由.
    static CString SupportText(int support);
    // The choices of a support cell: 简支, 固支, 自由.
    static void FillSupportChoices(CStringArray& choices);

protected:
    void WriteOtherColumns(int row, const CBoardPolyline& poly, int vertex, int segment) override;
    // A first row is read-only throughout; the other rows keep their editors.
    void MarkRow(int row, BOOL first) override;

private:
    CStringArray m_yesNo;
    CStringArray m_supports;
};
