#include "slab/rect/BoardReinList.h"

#include <algorithm>

const int g_nSlabBarDia[15] = {6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40, 50};
const double g_dSlabBarArea[15] = {28.3,  50.3,  78.5,  113.1, 153.9,  201.1,  254.5, 314.2,
                                   380.1, 490.9, 615.8, 804.2, 1017.9, 1256.6, 1964.0};
const int g_nSlabBarSpacing[10] = {100, 110, 120, 125, 130, 140, 150, 160, 180, 200};

CBoardReinList::CBoardReinList(const int& nMinDia) : m_nMinDia(nMinDia) {}

CBoardReinList::~CBoardReinList() { m_listScheme.RemoveAll(); }

int CBoardReinList::GetArea(int nDiameter, int nSpacing) {
    // A spacing of nothing or beyond a metre is no bar scheme: it would divide by zero or give a
    // fraction of a bar per metre.
    if (nSpacing <= 0 || nSpacing > 1000) return 0;
    for (int i = 0; i < 15; ++i)
        if (g_nSlabBarDia[i] == nDiameter) return static_cast<int>(g_dSlabBarArea[i] * 1000.0 / nSpacing);
    return 0;
}

int CBoardReinList::Build(int nAs) {
    m_listScheme.RemoveAll();
    const double dUpper = std::max(1.25 * nAs, nAs + 1000.0);
    for (int i = 0; i < 15; ++i) {
        if (g_nSlabBarDia[i] < m_nMinDia) continue;
        for (int nSpacing : g_nSlabBarSpacing) {
            const int nArea = GetArea(g_nSlabBarDia[i], nSpacing);
            if (nArea >= nAs && nArea <= dUpper) m_listScheme.AddTail(BoardReinScheme{g_nSlabBarDia[i], nSpacing, nArea, CString()});
        }
    }
    return m_listScheme.GetCount();
}

BoardReinScheme CBoardReinList::Pick(int nAs) {
    if (m_listScheme.IsEmpty()) Build(nAs);
    BoardReinScheme best{0, 0, 0, CString()};
    bool bFound = false;
    for (POSITION pos = m_listScheme.GetHeadPosition(); pos;) {
        const BoardReinScheme& scheme = m_listScheme.GetNext(pos);
        if (!bFound || scheme.nArea - nAs < best.nArea - nAs) {
            best = scheme;
            bFound = true;
        }
    }
    return best;
}

void CBoardReinList::SetMinDia(int nMinDia) { m_nMinDia = nMinDia; }
