// The grid beam's short report (BuildWordS) and full calculation report (BuildWordC). Both print
// the results as they stand, values edited on the result page included, and the coefficients of
// the last calculation; after a calculation that found no coefficients they write nothing.
#include "beam/BeamWellParam.h"

#include "beam/BeamWellPicture.h"
#include "mfc/gdi/GdiObjects.h"

namespace {

void WriteLine(CWordObject& word, LPCTSTR lpszText) { word.WriteText(lpszText, 0, 0, 0, 0, 0, 10.5, "宋体"); }

template <typename... Args>
void WriteFormat(CWordObject& word, LPCTSTR lpszFormat, Args... args) {
    CString strText;
    strText.Format(lpszFormat, args...);
    WriteLine(word, strText);
}

}  // namespace

// Support, counts and panel sizes; the full report sets its lines in by one more blank.
void CBeamWellParam::WriteSizeText(CWordObject& word, BOOL bFull) const {
    const CString strIndent(bFull ? " " : "");
    WriteLine(word, bFull ? "\t 支撑条件: " : "\t\t支撑条件: ");
    WriteLine(word, strAbutType);
    WriteFormat(word, "\n\t\t" + strIndent + "横向跨数: nx = %d ", nNox);
    WriteFormat(word, "\t跨度: a = %.2f mm\n", dDistA);
    WriteFormat(word, "\t\t" + strIndent + "纵向跨数: ny = %d ", nNoy);
    WriteFormat(word, "\t跨度: b = %.2f mm\n", dDistB);
}

// One value of one beam: its positive or negative moment, or (bMoment FALSE) its shear.
void CBeamWellParam::WriteResult(CWordObject& word, BOOL bFormulas, const BEAMWELLROW& row, BOOL bMoment,
                                 BOOL bNegative) const {
    const BeamWellBeam slot = row.slot;
    const BOOL bFamilyA = row.bFamilyA;
    const CString strLabel = GetBeamLabel(bFamilyA, row.nIndex);
    const LPCTSTR lpszLabel = strLabel;
    const double a = dDistA;
    const double b = dDistB;
    const double q = dLoad;
    CString strText;
    if (bMoment) {
        const double dCoef = bNegative ? beamCoef[slot].dNegative : beamCoef[slot].dPositive;
        const double dValue = bNegative ? beamForce[slot].dNegative : beamForce[slot].dPositive;
        const LPCTSTR lpszKind = bNegative ? "负" : "正";
        const LPCTSTR lpszSign = bNegative ? "-" : "+";
        if (!bFormulas)
            strText.Format("\t\t梁-%s最大%s弯矩: M_%s(%s) = %.3f kN·m\n", lpszLabel, lpszKind, lpszLabel, lpszSign,
                           dValue);
        else if (bFamilyA)
            strText.Format("\t梁-%s最大%s弯矩: M_%s(%s) = %.4lf*qab$2$ = %.4lf*%G*%G*%G$2$ = %.3f kN·m\n", lpszLabel,
                           lpszKind, lpszLabel, lpszSign, dCoef, dCoef, q, a, b, dValue);
        else
            strText.Format("\t梁-%s最大%s弯矩: M_%s(%s) = %.4lf*qa$2$b = %.4lf*%G*%G$2$*%G = %.3f kN·m\n", lpszLabel,
                           lpszKind, lpszLabel, lpszSign, dCoef, dCoef, q, a, b, dValue);
    } else {
        // The shear is marked "(-)" on the six-row path of wider grids, except for a single beam.
        const int nCount = bFamilyA ? GetBeamCountA() : GetBeamCountB();
        const BOOL bMarked = bSpecialTable && nNox != 2 && nNox != 3 && nCount > 1;
        const LPCTSTR lpszMark = bMarked ? "(-)" : "";
        const double dCoef = beamCoef[slot].dShear;
        const double dValue = beamForce[slot].dShear;
        if (!bFormulas)
            strText.Format("\t\t梁-%s最大剪力: V_%s%s = %.3f kN\n", lpszLabel, lpszLabel, lpszMark, dValue);
        else
            strText.Format("\t梁-%s最大剪力:   V_%s%s = %.4lf*qab = %.4lf*%G*%G*%G = %.3f kN\n", lpszLabel, lpszLabel,
                           lpszMark, dCoef, dCoef, q, a, b, dValue);
    }
    WriteLine(word, strText);
}

// The cited table, then M+, M− (six-row tables only) and V of A1 … A(n), then of B1 … B(m).
void CBeamWellParam::WriteResultTexts(CWordObject& word, BOOL bFormulas) const {
    WriteLine(word, bSpecialTable ? "\t查《建筑结构静力计算手册》（第二版)表9-1得\n" : "\t查《建筑结构设计手册》表3.8.1得\n");
    BEAMWELLROW rows[BW_BEAMS];
    const int nRows = GetListedBeams(rows);
    for (int i = 0; i < nRows; ++i) {
        WriteResult(word, bFormulas, rows[i], TRUE, FALSE);
        if (bSpecialTable) WriteResult(word, bFormulas, rows[i], TRUE, TRUE);
        WriteResult(word, bFormulas, rows[i], FALSE, FALSE);
    }
}

int CBeamWellParam::BuildWordS() {
    if (!bCalculated) return TRUE;
    wordS.WriteTitleInfo(strTitle);
    CString strSection;
    strSection.Format("一、构件编号: %s", (LPCTSTR)strNumber);
    wordS.WriteSectionTitle(strSection);
    wordS.WriteSectionTitle("二、尺寸参数");
    WriteSizeText(wordS, FALSE);
    WriteLine(wordS, "三、荷载参数：");
    WriteFormat(wordS, "\n\t\t荷载设计值：p = %.3lf kN/m$2$\n", dLoad);
    wordS.WriteSectionTitle("四、计算结果：");
    WriteResultTexts(wordS, FALSE);
    return TRUE;
}

int CBeamWellParam::BuildWordC() {
    if (!bCalculated) return TRUE;
    wordC.WriteTitleInfo(strTitle);
    wordC.WriteSectionTitle("项目名称_____________日    期_____________");
    wordC.WriteSectionTitle("设 计 者_____________校 对 者_____________\n");
    CString strSection;
    strSection.Format("一、工程名称: %s", (LPCTSTR)strNumber);
    wordC.WriteSectionTitle(strSection);
    wordC.WriteSectionTitle("二、示意图");
    const int nSmall = nNox < nNoy ? nNox : nNoy;
    const int nLarge = nNox < nNoy ? nNoy : nNox;
    CBitmap bitmap;
    if (CreateBeamWellPicture(bitmap, BeamWellPictureId(nSmall, nLarge)))
        wordC.WritePhotograph(static_cast<HBITMAP>(bitmap), 1, 0);
    wordC.WriteSectionTitle("三、基本资料");
    WriteLine(wordC, "1．依据规范：");
    WriteLine(wordC, "\t《建筑结构荷载规范》（GB 50009--2001)\n");
    WriteLine(wordC, "2．几何参数：");
    WriteSizeText(wordC, TRUE);
    WriteLine(wordC, "3．荷载设计值：");
    WriteFormat(wordC, " 荷载设计值：p = %.3lf kN/m$2$\n", dLoad);
    wordC.WriteSectionTitle("四、计算结果：");
    WriteResultTexts(wordC, TRUE);
    return TRUE;
}
