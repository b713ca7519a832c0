#include "host/QeltSteelBar.h"

#include "host/GradeTable.h"
#include "host/Problem.h"

namespace {

struct SteelGrade {
    const char* name;
    double fy, fyCompression, es;
};

const SteelGrade kGrades[] = {
    {"HPB235", 210, 210, 2.1e5}, {"HRB335", 300, 300, 2.0e5}, {"HRB400", 360, 360, 2.0e5},
    {"RRB400", 360, 360, 2.0e5}, {"冷拉钢筋", 250, 210, 2.1e5},
};

// value(grade) of the grade lpszGrade, 0 for an unknown grade.
template <typename Value>
double Of(LPCTSTR lpszGrade, Value value) {
    return qelt::host::GradeValue(kGrades, lpszGrade, "steel", value);
}

}  // namespace

double CQeltSteelBar::GetFy(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const SteelGrade& g) { return g.fy; });
}

double CQeltSteelBar::GetFy_(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const SteelGrade& g) { return g.fyCompression; });
}

double CQeltSteelBar::GetEs(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const SteelGrade& g) { return g.es; });
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
