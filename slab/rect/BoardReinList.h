// The practical bar schemes of a slab (a diameter at a spacing) for a required area per metre
// width, and the most economical of them.
#pragma once

#include "mfc/base/List.h"
#include "mfc/base/String.h"

struct BoardReinScheme {
    int nDiameter;  // mm
    int nSpacing;   // mm
    int nArea;      // mm² per metre, truncated
    CString strGrade;
};

extern const int g_nSlabBarDia[15];
extern const double g_dSlabBarArea[15];
extern const int g_nSlabBarSpacing[10];

class CBoardReinList {
public:
    explicit CBoardReinList(const int& nMinDia);
    virtual ~CBoardReinList();

    // Area per metre of d at spacing s; 0 for a diameter not in the table or a spacing outside
    // (0, 1000] mm.
    virtual int GetArea(int nDiameter, int nSpacing);
    // Rebuilds the list for As: every scheme of at least As and at most max(1.25·As, As + 1000), by
    // diameter, then spacing; the number kept.
    int Build(int nAs);
    // The scheme of least excess over As (the earlier on a tie), building the list only when it is
    // empty; all zeros when none fits.
    BoardReinScheme Pick(int nAs);
    void SetMinDia(int nMinDia);

    CList<BoardReinScheme, const BoardReinScheme&> m_listScheme;
    int m_nMinDia;
};
