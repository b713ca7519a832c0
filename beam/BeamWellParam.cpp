// Fields, defaults, stored keys, table loading, calculation and list entry of the grid beam.
#include "beam/BeamWellParam.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "beam/BeamWellTables.h"
#include "framework/InputValidator.h"
#include "framework/ParamExchange.h"
#include "host/Help.h"
#include "host/Numbers.h"
#include "mfc/user/MessageBox.h"
#include "mfc/user/Resources.h"

IMPLEMENT_DYNAMIC(CBeamWellParam, CVuskParam)

namespace {

const LPCTSTR s_lpszSupports[3] = {BEAMWELL_SIMPLE, BEAMWELL_FIXED, BEAMWELL_HALF_FIXED};

// The column pair of a beam in dCoefTable, by array slot.
const int s_nTableColumn[BW_BEAMS] = {
    0,  // A1
    2,  // A2
    1,  // B1
    3,  // B2
    4,  // A3
    6,  // A4
    8,  // A5
    9,  // A6
    5,  // B3
    7,  // B4
};

// The column pair in dCoefTable of the n-th pair of a table text row (A1 … A6, B1 … B4).
const int s_nTextToTable[BW_BEAMS] = {0, 2, 4, 6, 8, 9, 1, 3, 5, 7};

int SupportIndex(const CString& strSupport) {
    for (int i = 0; i < 3; ++i)
        if (strSupport == s_lpszSupports[i]) return i;
    return -1;
}

// A packed moment token 100000·c1 + c2: c1 the negative-moment, c2 the positive-moment coefficient.
void UnpackMoment(double dToken, double& dNegative, double& dPositive) {
    const double dTenth = dToken * 0.1;
    const double dWhole = std::trunc(dTenth);
    dNegative = dWhole * 0.0001;
    dPositive = (dTenth - dWhole) * 10;
}

// A coefficient to four decimals, half away from zero, as an integer count of 0.0001.
double RoundCoefficient(double dCoef, BOOL bNegative) {
    return std::trunc((bNegative ? dCoef - 0.00005 : dCoef + 0.00005) * 10000);
}

}  // namespace

CBeamWellParam::CBeamWellParam() : nPictureId(0), bCalculated(TRUE), dRatio(1) {
    std::memset(dCoefTable, 0, sizeof dCoefTable);
    std::memset(beamCoef, 0, sizeof beamCoef);
    InitDefaultParam();
}

CBeamWellParam::~CBeamWellParam() = default;

void CBeamWellParam::InitDefaultParam() {
    CVuskParam::InitDefaultParam();
    strTitle = "井字梁计算";
    strNumber = "JZL-1";
    strAbutType = BEAMWELL_SIMPLE;
    dDistA = 1000;
    dDistB = 1000;
    nNox = 2;
    nNoy = 2;
    dLoad = 2.5;
    std::memset(beamForce, 0, sizeof beamForce);
    bSpecialTable = TRUE;
}

void CBeamWellParam::ExchangeParams(CParamExchange& px) {
    static const char* const s_lpszBeamKeys[BW_BEAMS] = {"A1", "A2", "B1", "B2", "A3",
                                                         "A4", "A5", "A6", "B3", "B4"};
    px.Exchange("/strAbutType", strAbutType);
    px.Exchange("/dDistA", dDistA);
    px.Exchange("/dDistB", dDistB);
    px.Exchange("/nNox", nNox);
    px.Exchange("/nNoy", nNoy);
    px.Exchange("/dLoad", dLoad);
    for (int i = 0; i < BW_BEAMS; ++i) {
        // B1, B3 and B4 keep their shear before their negative moment.
        const BOOL bShearSecond = i == BW_B1 || i == BW_B3 || i == BW_B4;
        CString strKey;
        strKey.Format("/d%sM", s_lpszBeamKeys[i]);
        px.Exchange(strKey, beamForce[i].dPositive);
        strKey.Format(bShearSecond ? "/d%sV" : "/d%sN", s_lpszBeamKeys[i]);
        px.Exchange(strKey, bShearSecond ? beamForce[i].dShear : beamForce[i].dNegative);
        strKey.Format(bShearSecond ? "/d%sN" : "/d%sV", s_lpszBeamKeys[i]);
        px.Exchange(strKey, bShearSecond ? beamForce[i].dNegative : beamForce[i].dShear);
    }
    px.Exchange("/strNumber", strNumber);
}

BOOL CBeamWellParam::ReadParam(const CString& strPrefix) {
    const BOOL bResult = CVuskParam::ReadParam(strPrefix);
    CParamExchange px(strPrefix, FALSE);
    ExchangeParams(px);
    return bResult;
}

BOOL CBeamWellParam::WriteParam(const CString& strPrefix) {
    const BOOL bResult = CVuskParam::WriteParam(strPrefix);
    CParamExchange px(strPrefix, TRUE);
    ExchangeParams(px);
    return bResult && px.IsWriteOk();
}

BOOL CBeamWellParam::FindCoefTable(LPCTSTR* plpszTable, BOOL* pbSixRow) const {
    const int nSupport = SupportIndex(strAbutType);
    if (nNoy < 2 || nNox < nNoy || nSupport < 0) return FALSE;
    for (const BEAMWELLSIXROWTABLE& table : g_beamWellSixRowTables)
        if (table.nSmall == nNoy && table.nLarge == nNox) {
            *plpszTable = table.lpszTables[nSupport];
            *pbSixRow = TRUE;
            return TRUE;
        }
    if (strAbutType != BEAMWELL_SIMPLE) return FALSE;
    for (const BEAMWELLTHREEROWTABLE& table : g_beamWellThreeRowTables)
        if (table.nSmall == nNoy && table.nLarge == nNox) {
            *plpszTable = table.lpszTable;
            *pbSixRow = FALSE;
            return TRUE;
        }
    return FALSE;
}

void CBeamWellParam::LoadCoefTable(LPCTSTR lpszTable) {
    // Up to 120 numbers, row by row; a three-row table leaves rows 3 to 5 as they were.
    const char* p = lpszTable;
    for (int n = 0; n < 120; ++n) {
        char* pEnd = nullptr;
        const double dValue = std::strtod(p, &pEnd);
        if (pEnd == p) break;
        p = pEnd;
        const int nRow = n / 20;
        const int nPair = (n % 20) / 2;
        dCoefTable[nRow][2 * s_nTextToTable[nPair] + n % 2] = dValue;
    }
}

BOOL CBeamWellParam::IsRatioInTable(BOOL bSixRow) const {
    const double dLower = bSixRow ? 0.6 : 0.8;
    const double dUpper = bSixRow ? 1.6 : 1.2;
    const double dRatioNow = dDistA == 0 ? 1 : dDistB / dDistA;
    return dRatioNow >= dLower - 1e-9 && dRatioNow <= dUpper + 1e-9;
}

void CBeamWellParam::CheckInputRanges(CStringArray& arrErrors) const {
    const struct {
        LPCTSTR lpszLabel;
        double dValue, dLower, dUpper;
    } inputs[] = {{"荷载q", dLoad, BEAMWELL_LOAD_MIN, BEAMWELL_LOAD_MAX},
                  {"跨度a", dDistA, BEAMWELL_DIST_MIN, BEAMWELL_DIST_MAX},
                  {"跨度b", dDistB, BEAMWELL_DIST_MIN, BEAMWELL_DIST_MAX}};
    for (const auto& input : inputs)
        if (!(input.dValue >= input.dLower && input.dValue <= input.dUpper))
            arrErrors.Add(CString(input.lpszLabel) + "：" + RangeMessage(input.dLower, input.dUpper));
}

void CBeamWellParam::ClearResults() {
    std::memset(beamCoef, 0, sizeof beamCoef);
    std::memset(beamForce, 0, sizeof beamForce);
    bCalculated = FALSE;
}

int CBeamWellParam::Calculate() {
    LPCTSTR lpszTable = nullptr;
    BOOL bSixRow = TRUE;
    if (!FindCoefTable(&lpszTable, &bSixRow)) {
        CString strMessage;
        strMessage.Format("没有%s、横向跨数 %d、纵向跨数 %d 的井字梁系数表，请核查", (LPCTSTR)strAbutType, nNox, nNoy);
        AfxMessageBox(strMessage);
        ClearResults();
        return FALSE;
    }
    // A ratio beyond the table's rows has no coefficients: extrapolated ones would be numbers of
    // no table (negative moments of a simply supported grid among them).
    if (!IsRatioInTable(bSixRow)) {
        AfxMessageBox("跨度比b/a不合理,查表失败!");
        ClearResults();
        return FALSE;
    }
    bSpecialTable = bSixRow;
    LoadCoefTable(lpszTable);

    const double a = dDistA;
    const double b = dDistB;
    const double q = dLoad;
    const double dFactorA = b * b * a * q * 1e-9;
    const double dFactorB = b * a * a * q * 1e-9;
    const double dFactorV = b * a * q * 1e-6;
    dRatio = a == 0 ? 1 : b / a;

    // The lower row of the interval that holds the ratio, and its b/a.
    int nRow;
    double dBase;
    if (bSpecialTable) {
        nRow = dRatio < 0.8 ? 0 : dRatio < 1.0 ? 1 : dRatio < 1.2 ? 2 : dRatio < 1.4 ? 3 : 4;
        dBase = 0.6 + 0.2 * nRow;
    } else {
        nRow = dRatio < 1.0 ? 0 : 1;
        dBase = 0.8 + 0.2 * nRow;
    }
    const double* lo = dCoefTable[nRow];
    const double* hi = dCoefTable[nRow + 1];
    auto interpolate = [&](double dLo, double dHi) { return dLo + (dRatio - dBase) * (dHi - dLo) * 5; };

    const BOOL bSimple = strAbutType == BEAMWELL_SIMPLE;
    for (int i = 0; i < BW_BEAMS; ++i) {
        const int nMoment = 2 * s_nTableColumn[i];
        BeamCoef& coef = beamCoef[i];
        coef.dPositive = interpolate(lo[nMoment], hi[nMoment]);
        coef.dShear = interpolate(lo[nMoment + 1], hi[nMoment + 1]);
        coef.dNegative = 0;
        // Packed moments: A1, A2, B1 and B2 of the fixed and half-fixed tables, and a B1 that
        // hogs in a simply supported one.
        BOOL bPacked = bSpecialTable && i <= BW_B2 && !bSimple;
        if (bSpecialTable && bSimple && i == BW_B1 && lo[nMoment] > 10) bPacked = TRUE;
        if (bPacked) {
            double dNegLo, dPosLo, dNegHi, dPosHi;
            UnpackMoment(lo[nMoment], dNegLo, dPosLo);
            UnpackMoment(hi[nMoment], dNegHi, dPosHi);
            coef.dNegative = -interpolate(dNegLo, dNegHi);
            coef.dPositive = interpolate(dPosLo, dPosHi);
        }
    }

    for (int i = 0; i < BW_BEAMS; ++i) {
        const BOOL bBeamA = i == BW_A1 || i == BW_A2 || (i >= BW_A3 && i <= BW_A6);
        const double dFactorM = bBeamA ? dFactorA : dFactorB;
        beamForce[i].dPositive = RoundCoefficient(beamCoef[i].dPositive, FALSE) * dFactorM * 0.0001;
        beamForce[i].dShear = RoundCoefficient(beamCoef[i].dShear, FALSE) * dFactorV * 0.0001;
        // A zero negative moment rounds to −0; + 0.0 makes it 0, so that it prints "0.000".
        beamForce[i].dNegative = i <= BW_B2 ? RoundCoefficient(beamCoef[i].dNegative, TRUE) * dFactorM * 0.0001 + 0.0 : 0;
    }
    bCalculated = TRUE;
    return TRUE;
}

CString CBeamWellParam::GetBeamLabel(BOOL bFamilyA, int nIndex) const {
    const int nCount = bFamilyA ? GetBeamCountA() : GetBeamCountB();
    CString strLabel(bFamilyA ? "A" : "B");
    if (nCount > 1) {
        CString strNumber;
        strNumber.Format("%d", nIndex + 1);
        strLabel += strNumber;
    }
    return strLabel;
}

int CBeamWellParam::GetListedBeams(BEAMWELLROW rows[BW_BEAMS]) const {
    int nRows = 0;
    for (int i = 0; i < GetBeamCountA() && i < 6; ++i) rows[nRows++] = {GetBeamSlot(TRUE, i), TRUE, i};
    for (int i = 0; i < GetBeamCountB() && i < 4; ++i) rows[nRows++] = {GetBeamSlot(FALSE, i), FALSE, i};
    return nRows;
}

BeamWellBeam CBeamWellParam::GetBeamSlot(BOOL bFamilyA, int nIndex) {
    static const BeamWellBeam s_slotsA[6] = {BW_A1, BW_A2, BW_A3, BW_A4, BW_A5, BW_A6};
    static const BeamWellBeam s_slotsB[4] = {BW_B1, BW_B2, BW_B3, BW_B4};
    return bFamilyA ? s_slotsA[nIndex] : s_slotsB[nIndex];
}

void CBeamWellParam::GetListData() {
    strCmdType = strTitle;
    strDimInfo.Format("支撑形式:%s\n横向跨数: %d\n纵向跨数: %d\n跨度a: %G\n跨度b: %G\n", (LPCTSTR)strAbutType, nNox,
                      nNoy, dDistA, dDistB);
    strLoadInfo.Format("荷载设计值:p =%s\n", (LPCTSTR)ftosp(dLoad, 3, 0, 0));
    strResultInfo.Empty();
    if (!bCalculated) return CVuskParam::GetListData();
    auto add = [this](LPCTSTR lpszFormat, double dValue) {
        CString strLine;
        strLine.Format(lpszFormat, dValue);
        strResultInfo += strLine;
    };
    const BeamForce& a1 = beamForce[BW_A1];
    const BeamForce& b1 = beamForce[BW_B1];
    if (!bSpecialTable) {
        add("M_A1(+)=%.3lf kN·m\n", a1.dPositive);
        add("V_A1=%.3lf kN·m\n", a1.dShear);
        add("M_B1(+)=%.3lf kN·m\n", b1.dPositive);
        add("V_B1=%.3lf kN·m\n", b1.dShear);
    } else if (nNox == 2 || nNox == 3) {
        add("M_A(+)=%.3lf kN·m\n", a1.dPositive);
        add("M_A(-)=%.3lf kN·m\n", a1.dNegative);
        add("V_A=%.3lf kN·m\n", a1.dShear);
        add("M_B(+)=%.3lf kN·m\n", b1.dPositive);
        add("M_B(-)=%.3lf kN·m\n", b1.dNegative);
        add("V_B=%.3lf kN·m\n", b1.dShear);
    } else {
        add("M_A1(+)=%.3lf kN·m\n", a1.dPositive);
        add("M_A1(-)=%.3lf kN·m\n", a1.dNegative);
        add("V_A1(-)=%.3lf kN·m\n", a1.dShear);
        add("M_B1(+)=%.3lf kN·m\n", b1.dPositive);
        add("M_B1(-)=%.3lf kN·m\n", b1.dNegative);
        add(nNoy == 2 || nNoy == 3 ? "V_B=%.3lf kN·m\n" : "V_B1(-)=%.3lf kN·m\n", b1.dShear);
    }
    CVuskParam::GetListData();
}

BOOL CBeamWellParam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "JZLJS", 0);
    return TRUE;
}

HINSTANCE CBeamWellParam::GetResHandle() { return AfxGetResourceHandle(); }
