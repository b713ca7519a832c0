#include "embed/EmbedMaterials.h"

#include <cmath>

namespace {

struct ConcreteRow {
    double dFc, dFcm, dFt, dKc;
};

const ConcreteRow kConcrete[] = {
    {9.6, 11.0, 1.10, 1.0},
    {11.9, 13.5, 1.27, 1.182},
    {14.3, 16.5, 1.43, 1.364},
};

}  // namespace

void GetConcreteStrength(int nConLevel, double& dFc, double& dFcm, double& dFt, double& dKc) {
    if (nConLevel < 0 || nConLevel > 2) return;
    const ConcreteRow& row = kConcrete[nConLevel];
    dFc = row.dFc;
    dFcm = row.dFcm;
    dFt = row.dFt;
    dKc = row.dKc;
}

int GetAnchorLength(int nSteelD, int nConLevel) {
    static const int kThin[] = {31, 27, 24};   // d up to 11 mm
    static const int kThick[] = {39, 34, 30};  // d from 12 mm
    int nFactor = 1;
    if (nConLevel >= 0 && nConLevel <= 2) nFactor = nSteelD <= 11 ? kThin[nConLevel] : kThick[nConLevel];
    const int nLength = nFactor * nSteelD;
    return nLength <= 250 ? 250 : nLength;
}

double GetAnchorSteelFy(int nSteelD) { return nSteelD <= 10 ? 210.0 : 300.0; }

double GetAnchorSteelArea(int nSteelD) { return M_PI / 4 * nSteelD * nSteelD; }
