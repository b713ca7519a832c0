// Stirrup options of a span: a diameter (an index into g_StirrupDiameters) at a spacing.
#pragma once

#include "beam/Vector.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

// The stirrup diameters (mm) by index. The design chooses among the first five (4 to 10 mm); the
// larger ones, appended so that stored indices keep their meaning, are the engineer's to compose.
enum { STIRRUP_DIAMETERS = 8, STIRRUP_DESIGN_DIAMETERS = 5 };
extern const int g_StirrupDiameters[STIRRUP_DIAMETERS];
// The diameter of an index; an index outside the table is taken as the diameter itself.
int StirrupDiameter(int nIndex);

// Result codes of a span's stirrup design.
enum {
    STIRRUP_TOO_SMALL = 0,   // the section is too small for the shear
    STIRRUP_CALCULATED = 1,  // stirrups by calculation, with at least one option
    STIRRUP_DETAILING = 2,   // no shear reinforcement needed, or no load on the span
    STIRRUP_NO_OPTION = 3,   // by calculation, but no option fits
};

struct StirrupOption {
    int m_nSpacing;   // mm
    int m_nDiaIndex;  // into g_StirrupDiameters
    CString m_strGrade;

    // "d8@150" and its siblings by grade; "#8@150" with no grade.
    CString GetText() const;
};

struct StirrupOptionSet {
    StirrupOptionSet() : m_dAreaPerMetre(0), m_nCode(0) {}

    PtrVectorList<StirrupOption*> m_Options;  // by diameter, then spacing, ascending
    double m_dAreaPerMetre;  // required Asv/s × 1000 (mm²/m)
    int m_nCode;
};
