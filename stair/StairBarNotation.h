// The notation of a stair bar: a letter by the steel grade, the diameter, "@" and the spacing
// (mm): "HPB235" d, "HRB335" D, "HRB400" f, "RRB400" F, "冷拉钢筋" R ("d10@150"). A grade that is none
// of these takes lpszOther in place of the letter, or the grade text itself when lpszOther is NULL.
#pragma once

#include "mfc/base/String.h"

CString StairBarNotation(LPCTSTR lpszGrade, int nDia, int nSpace, LPCTSTR lpszOther);

// Reads a notation back: the diameter and the spacing after the leading letters; FALSE when the
// text holds no "diameter@spacing".
BOOL StairParseBarNotation(LPCTSTR lpszText, int& nDia, int& nSpace);

// The provided area of bars of diameter d at spacing s, mm² per metre (785.398…·d²/s); 0 for a
// diameter or a spacing that is not above 0.
double StairBarArea(int nDia, int nSpace);

// The bar diameters that the stair pages offer, mm.
extern const int g_nStairDiameters[14];
