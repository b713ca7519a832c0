#include "embed/EmbedAngleSteel.h"

#include <cstring>

namespace {

struct AngleSteelRow {
    LPCTSTR lpszStyle;
    int nB;
    int nT;
    int nArea;        // mm²
    double dModulus;  // cm³, about an axis parallel to a leg, least fibre
};

// Hot-rolled equal-leg angles (GB/T 706): area rounded to mm², modulus to three figures.
const AngleSteelRow kAngleSteel[] = {
    {"L30x3", 30, 3, 175, 0.68},     {"L30x4", 30, 4, 228, 0.87},     {"L36x3", 36, 3, 211, 0.99},
    {"L36x4", 36, 4, 276, 1.28},     {"L36x5", 36, 5, 338, 1.56},     {"L40x3", 40, 3, 236, 1.23},
    {"L40x4", 40, 4, 309, 1.60},     {"L40x5", 40, 5, 379, 1.96},     {"L45x3", 45, 3, 266, 1.58},
    {"L45x4", 45, 4, 349, 2.05},     {"L45x5", 45, 5, 429, 2.51},     {"L45x6", 45, 6, 508, 2.95},
    {"L50x3", 50, 3, 297, 1.96},     {"L50x4", 50, 4, 390, 2.56},     {"L50x5", 50, 5, 480, 3.13},
    {"L50x6", 50, 6, 569, 3.68},     {"L56x3", 56, 3, 334, 2.48},     {"L56x4", 56, 4, 439, 3.24},
    {"L56x5", 56, 5, 542, 3.97},     {"L56x8", 56, 8, 837, 6.03},     {"L63x4", 63, 4, 498, 4.13},
    {"L63x5", 63, 5, 614, 5.08},     {"L63x6", 63, 6, 729, 6.00},     {"L63x8", 63, 8, 952, 7.75},
    {"L63x10", 63, 10, 1166, 9.39},  {"L70x4", 70, 4, 557, 5.14},     {"L70x5", 70, 5, 688, 6.32},
    {"L70x6", 70, 6, 816, 7.48},     {"L70x7", 70, 7, 942, 8.59},     {"L70x8", 70, 8, 1067, 9.68},
    {"L75x5", 75, 5, 741, 7.32},     {"L75x6", 75, 6, 880, 8.64},     {"L75x7", 75, 7, 1016, 9.93},
    {"L75x8", 75, 8, 1150, 11.2},    {"L75x10", 75, 10, 1413, 13.6},  {"L80x5", 80, 5, 791, 8.34},
    {"L80x6", 80, 6, 940, 9.87},     {"L80x7", 80, 7, 1086, 11.4},    {"L80x8", 80, 8, 1230, 12.8},
    {"L80x10", 80, 10, 1513, 15.6},  {"L90x6", 90, 6, 1064, 12.6},    {"L90x7", 90, 7, 1230, 14.5},
    {"L90x8", 90, 8, 1394, 16.4},    {"L90x10", 90, 10, 1717, 20.1},  {"L90x12", 90, 12, 2031, 23.6},
    {"L100x6", 100, 6, 1193, 15.7},  {"L100x7", 100, 7, 1380, 18.1},  {"L100x8", 100, 8, 1564, 20.5},
    {"L100x10", 100, 10, 1926, 25.1}, {"L100x12", 100, 12, 2280, 29.5}, {"L100x14", 100, 14, 2626, 33.7},
    {"L100x16", 100, 16, 2963, 37.8}, {"L110x7", 110, 7, 1520, 22.1},  {"L110x8", 110, 8, 1724, 25.0},
    {"L110x10", 110, 10, 2126, 30.6}, {"L110x12", 110, 12, 2520, 36.1}, {"L110x14", 110, 14, 2906, 41.3},
    {"L125x8", 125, 8, 1975, 32.5},  {"L125x10", 125, 10, 2437, 40.0}, {"L125x12", 125, 12, 2891, 47.2},
    {"L125x14", 125, 14, 3337, 54.2}, {"L140x10", 140, 10, 2737, 50.6}, {"L140x12", 140, 12, 3251, 59.8},
    {"L140x14", 140, 14, 3757, 68.8}, {"L140x16", 140, 16, 4254, 77.5}, {"L160x10", 160, 10, 3150, 66.7},
    {"L160x12", 160, 12, 3744, 79.0}, {"L160x14", 160, 14, 4330, 91.0}, {"L160x16", 160, 16, 4907, 103},
    {"L180x12", 180, 12, 4224, 101}, {"L180x14", 180, 14, 4890, 116}, {"L180x16", 180, 16, 5547, 131},
    {"L180x18", 180, 18, 6196, 146}, {"L200x14", 200, 14, 5464, 145}, {"L200x16", 200, 16, 6201, 164},
    {"L200x18", 200, 18, 6930, 182}, {"L200x20", 200, 20, 7651, 200}, {"L200x24", 200, 24, 9066, 236},
};

}  // namespace

void GetAngleSteelData(LPCTSTR lpszStyle, int& nT, int& nB, int& nArea, double& dModulus) {
    if (!lpszStyle) return;
    for (const AngleSteelRow& row : kAngleSteel) {
        if (std::strcmp(row.lpszStyle, lpszStyle) != 0) continue;
        nT = row.nT;
        nB = row.nB;
        nArea = row.nArea;
        dModulus = row.dModulus;
        return;
    }
}

int GetAngleSteelThickness(LPCTSTR lpszStyle) {
    int nT = 0, nB = 0, nArea = 0;
    double dModulus = 0;
    GetAngleSteelData(lpszStyle, nT, nB, nArea, dModulus);
    return nT;
}

int GetAngleSteelWidth(LPCTSTR lpszStyle) {
    int nT = 0, nB = 0, nArea = 0;
    double dModulus = 0;
    GetAngleSteelData(lpszStyle, nT, nB, nArea, dModulus);
    return nB;
}

int GetAngleSteelArea(LPCTSTR lpszStyle) {
    int nT = 0, nB = 0, nArea = 0;
    double dModulus = 0;
    GetAngleSteelData(lpszStyle, nT, nB, nArea, dModulus);
    return nArea;
}

double GetAngleSteelModulus(LPCTSTR lpszStyle) {
    int nT = 0, nB = 0, nArea = 0;
    double dModulus = 0;
    GetAngleSteelData(lpszStyle, nT, nB, nArea, dModulus);
    return dModulus;
}

void FillAngleSteelList(CStringArray& arrStyles) {
    arrStyles.RemoveAll();
    for (const AngleSteelRow& row : kAngleSteel) arrStyles.Add(row.lpszStyle);
}
