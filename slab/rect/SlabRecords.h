// The records that the slab's coefficient lookups and calculators exchange. Edge codes: 0 fixed,
// 1 simply supported, 2 free. An edge array holds Top, Left, Right, Bottom, then the corner posts
// TopLeft, TopRight, BottomLeft, BottomRight (non-zero: a post stands there). Lx is the span
// between Left and Right, Ly between Top and Bottom. Moments are per metre width in N·mm
// (coefficient × q in kN/m² × l² in mm).
#pragma once

enum { SLAB_FIXED = 0, SLAB_SIMPLE = 1, SLAB_FREE = 2 };
enum { EDGE_TOP, EDGE_LEFT, EDGE_RIGHT, EDGE_BOTTOM, POST_TOPLEFT, POST_TOPRIGHT, POST_BOTTOMLEFT, POST_BOTTOMRIGHT };

// Support moments as magnitudes, span moments with their sign.
struct SlabMoments {
    double dTop, dLeft, dRight, dBottom;
    double dMx, dMy;
};

// The ten result moments (coefficients after an elastic lookup, Mx … M0yz).
struct SlabMomentList {
    double Mx, My, Mxmax, Mymax, M0x, M0y, Mox, Moy, M0xz, M0yz;
};

// What the last lookup wrote for the full report.
struct SlabTableNotes {
    double dAlpha, dZeta, dC;
    char szMxText[50], szMyText[50], szRatioText[50];
};

// The one record the lookups of every calculator write.
SlabTableNotes& GetSlabTableNotes();
