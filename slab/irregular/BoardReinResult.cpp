#include "slab/irregular/BoardReinResult.h"

CString BoardRowName(int nRow, int nEdges)
{
    if (nRow < 2)
        return nRow == 0 ? "X向正筋" : "Y向正筋";
    const int k = nRow - 2;
    CString name;
    name.Format("%d-%d", k + 1, k + 1 < nEdges ? k + 2 : 1);
    return name;
}
