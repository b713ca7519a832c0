#include "host/QeltConcrete.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "host/GradeTable.h"
#include "host/QeltSteelBar.h"

namespace {

struct ConcreteGrade {
    const char* name;
    double fcuk, fc, ft, fck, ftk, ec;
};

const ConcreteGrade kGrades[] = {
    {"C15", 15, 7.2, 0.91, 10.0, 1.27, 2.20e4}, {"C20", 20, 9.6, 1.10, 13.4, 1.54, 2.55e4},
    {"C25", 25, 11.9, 1.27, 16.7, 1.78, 2.80e4}, {"C30", 30, 14.3, 1.43, 20.1, 2.01, 3.00e4},
    {"C35", 35, 16.7, 1.57, 23.4, 2.20, 3.15e4}, {"C40", 40, 19.1, 1.71, 26.8, 2.39, 3.25e4},
    {"C45", 45, 21.1, 1.80, 29.6, 2.51, 3.35e4}, {"C50", 50, 23.1, 1.89, 32.4, 2.64, 3.45e4},
    {"C55", 55, 25.3, 1.96, 35.5, 2.74, 3.55e4}, {"C60", 60, 27.5, 2.04, 38.5, 2.85, 3.60e4},
    {"C65", 65, 29.7, 2.09, 41.5, 2.93, 3.65e4}, {"C70", 70, 31.8, 2.14, 44.5, 2.99, 3.70e4},
    {"C75", 75, 33.8, 2.18, 47.4, 3.05, 3.75e4}, {"C80", 80, 35.9, 2.22, 50.2, 3.11, 3.80e4},
};

// value(grade) of the grade lpszGrade, 0 for an unknown grade.
template <typename Value>
double Of(LPCTSTR lpszGrade, Value value) {
    return qelt::host::GradeValue(kGrades, lpszGrade, "concrete", value);
}

// A factor that is at50 up to C50 and at80 at C80, linear in fcu,k between.
double Interpolated(const ConcreteGrade& grade, double at50, double at80) {
    double fcuk = std::max(grade.fcuk, 50.0);
    return at50 + (at80 - at50) * (fcuk - 50.0) / 30.0;
}

double Ecu(const ConcreteGrade& grade) { return std::min(0.0033, 0.0033 - (grade.fcuk - 50.0) * 1e-5); }

// Two decimals, a trailing zero dropped while one decimal stays: 1.0, 0.98, 0.9.
CString FactorText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::size_t length = std::strlen(text);
    if (text[length - 1] == '0') text[length - 1] = '\0';
    return CString(text);
}

}  // namespace

double CQeltConcrete::GetFcuk(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return g.fcuk; });
}

double CQeltConcrete::GetFc(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return g.fc; });
}

double CQeltConcrete::GetFt(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return g.ft; });
}

double CQeltConcrete::GetFck(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return g.fck; });
}

double CQeltConcrete::GetFtk(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return g.ftk; });
}

double CQeltConcrete::GetEc(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return g.ec; });
}

double CQeltConcrete::GetAlpha1(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return Interpolated(g, 1.0, 0.94); });
}

double CQeltConcrete::GetBeta1(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return Interpolated(g, 0.8, 0.74); });
}

double CQeltConcrete::GetBetac(LPCTSTR lpszGrade) {
    return Of(lpszGrade, [](const ConcreteGrade& g) { return Interpolated(g, 1.0, 0.8); });
}

double CQeltConcrete::GetEcu(LPCTSTR lpszGrade) { return Of(lpszGrade, Ecu); }

double CQeltConcrete::GetEb(LPCTSTR lpszSteelGrade, LPCTSTR lpszConcreteGrade) {
    return GetEb(lpszSteelGrade, lpszConcreteGrade, CQeltSteelBar::GetFy(lpszSteelGrade));
}

double CQeltConcrete::GetEb(LPCTSTR lpszSteelGrade, LPCTSTR lpszConcreteGrade, double dFy) {
    const double es = CQeltSteelBar::GetEs(lpszSteelGrade);
    const double ecu = GetEcu(lpszConcreteGrade);
    if (es <= 0.0 || ecu <= 0.0) return 0.0;
    return GetBeta1(lpszConcreteGrade) / (1.0 + dFy / (es * ecu));
}

CString CQeltConcrete::GetAlpha1Str(LPCTSTR lpszGrade) {
    const double alpha1 = GetAlpha1(lpszGrade);
    return alpha1 > 0.0 ? FactorText(alpha1) : CString();
}

CString CQeltConcrete::GetBetacStr(LPCTSTR lpszGrade) {
    const double betac = GetBetac(lpszGrade);
    return betac > 0.0 ? FactorText(betac) : CString();
}

void CQeltConcrete::GetConcreteGradeString(CStringArray& arrGrades) {
    arrGrades.RemoveAll();
    for (const ConcreteGrade& grade : kGrades) arrGrades.Add(CString(grade.name));
}
