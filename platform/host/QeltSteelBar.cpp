#include "host/QeltSteelBar.h"

#include <cstring>

#include "host/Problem.h"
#include "mfc/Encoding.h"

namespace {

struct SteelGrade {
    const char* name;
    double fy, fyCompression, es;
};

const SteelGrade kGrades[] = {
    {"HPB235", 210, 210, 2.1e5}, {"HRB335", 300, 300, 2.0e5}, {"HRB400", 360, 360, 2.0e5},
    {"RRB400", 360, 360, 2.0e5}, {"冷拉钢筋", 250, 210, 2.1e5},
};

const SteelGrade* Find(LPCTSTR lpszGrade) {
    if (lpszGrade)
        for (const SteelGrade& grade : kGrades)
            if (std::strcmp(grade.name, lpszGrade) == 0) return &grade;
    qelt::host::ReportProblem("unknown steel grade \"%s\"; its values are 0",
                              lpszGrade ? qelt::text::GbkToUtf8ForDisplay(lpszGrade).c_str() : "(null)");
    return nullptr;
}

}  // namespace

double CQeltSteelBar::GetFy(LPCTSTR lpszGrade) {
    const SteelGrade* grade = Find(lpszGrade);
    return grade ? grade->fy : 0.0;
}

double CQeltSteelBar::GetFy_(LPCTSTR lpszGrade) {
    const SteelGrade* grade = Find(lpszGrade);
    return grade ? grade->fyCompression : 0.0;
}

double CQeltSteelBar::GetEs(LPCTSTR lpszGrade) {
    const SteelGrade* grade = Find(lpszGrade);
    return grade ? grade->es : 0.0;
}

double CQeltSteelBar::GetSteelBarArea(double dDiameter, int nCount) {
    if (!(dDiameter >= 0.0) || nCount < 0) {
        qelt::host::ReportProblem("no bar area for %d bars of diameter %g; the area is 0", nCount, dDiameter);
        return 0.0;
    }
    return nCount * 3.14159265358979323846 * dDiameter * dDiameter / 4.0;
}

void CQeltSteelBar::GetSteelBarGradeString(CStringArray& arrGrades) {
    arrGrades.RemoveAll();
    for (const SteelGrade& grade : kGrades) arrGrades.Add(CString(grade.name));
}
