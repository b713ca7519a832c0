#include "stair/BeamStairReportRows.h"

#include <cstdarg>

#include "stair/StairSlabCase.h"

void BeamStairWriteFormat(CWordObject* pReport, int nColor, LPCTSTR lpszFormat, ...) {
    if (!pReport) return;
    va_list args;
    va_start(args, lpszFormat);
    CString strText;
    strText.FormatV(lpszFormat, args);
    va_end(args);
    StairWriteRow(pReport, strText, nColor);
}

CString BeamStairSchemeFormat(const CString& strGrade, BOOL bBlankBeforeF, BOOL bWithArea) {
    CString strFormat;
    if (strGrade == "HPB235")
        strFormat = "\t\t采用方案：%dd%d\n";
    else if (strGrade == "HRB335")
        strFormat = "\t\t采用方案：%dD%d\n";
    else
        strFormat = bBlankBeforeF ? "\t\t采用方案： %df%d\n" : "\t\t采用方案：%df%d\n";
    if (bWithArea) strFormat += "\t\t实配面积：A~g~ = %.0fmm$2$\n";
    return strFormat;
}
