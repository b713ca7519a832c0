#include "slab/irregular/BoardReinResult.h"

CString BoardRowName(int nRow, int nEdges, const BoardReinResult& row)
{
    if (nRow < 2)
        return nRow == 0 ? "X向正筋" : "Y向正筋";
    CString name;
    if (row.m_nCorner >= 0) {
        name.Format("阴角%d", row.m_nCorner + 1);
        return name;
    }
    const int k = nRow - 2;
    name.Format("%d-%d", k + 1, k + 1 < nEdges ? k + 2 : 1);
    return name;
}
