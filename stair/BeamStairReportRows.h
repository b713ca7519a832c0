// Row helpers shared by the beam stair's reports.
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CWordObject;

// A formatted "宋体" 10.5 text row in the colour index (0 black, 6 red).
void BeamStairWriteFormat(CWordObject* pReport, int nColor, LPCTSTR lpszFormat, ...);

// The format of a longitudinal stair-beam scheme row by the bar grade: "\t\t采用方案：%dd%d\n" with
// "d" for "HPB235", "D" for "HRB335" and "f" for any other grade (with a blank after the colon
// when bBlankBeforeF), followed by the provided-area line when bWithArea.
CString BeamStairSchemeFormat(const CString& strGrade, BOOL bBlankBeforeF, BOOL bWithArea);
