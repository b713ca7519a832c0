// The continuous beam's short report (BuildWordS) and full calculation report (BuildWordC): the
// geometry picture, the loads of every case, the envelopes and, per section, the forces, the bars,
// the serviceability of the spans and their stirrups. The moments printed are the analysis' own,
// without the moment adjustment factors.
#include <cmath>

#include "beam/ContinuousBeam.h"
#include "mfc/gdi/GdiObjects.h"
#include "sibling/BeamRecords.h"

namespace {

void WriteLine(CWordObject& word, LPCTSTR lpszText) { word.WriteText(lpszText, 0, 0, 0, 0, 0, 10.5, "宋体"); }

template <typename... Args>
CString Formatted(LPCTSTR lpszFormat, Args... args) {
    CString strText;
    strText.Format(lpszFormat, args...);
    return strText;
}

// The shear of the larger magnitude of the two envelopes at point j, the positive one on a tie.
double GoverningShear(const CSteelSpan& span, int j) {
    const double dPositive = span.getPosShear(j), dNegative = span.getNegShear(j);
    return std::fabs(dNegative) > std::fabs(dPositive) ? dNegative : dPositive;
}

// The value with its sign changed; a zero stays +0, so that it never prints as "-0.00".
double Negated(double dValue) { return 0.0 - dValue; }

// The design of slot i of an array, or null when the array does not reach that far.
SectionDesign* DesignAt(PtrVector<SectionDesign*>& designs, int i) {
    return i >= 0 && i < designs.GetSize() ? designs[i] : nullptr;
}

// The verdict of a check.
LPCTSTR Verdict(BOOL bPasses) { return bPasses ? "满足" : "不满足"; }

}  // namespace

// The picture drawn last into the transform, as a picture row; nothing while there is no buffer.
void CContinuousBeam::WritePicture(CWordObject& word) {
    CBitmap* pBitmap = nullptr;
    if (m_Graph.ExportBitmap(pBitmap)) word.WritePhotograph(static_cast<HBITMAP>(pBitmap->GetSafeHandle()), 0, 0);
    delete pBitmap;
}

void CContinuousBeam::WriteGeometryPicture(CWordObject& word) {
    DrawBeam(1);
    DrawDimensions();
    WritePicture(word);
}

int CContinuousBeam::BuildWordS() {
    wordS.WriteTitleInfo("连续梁计算");
    wordS.WriteSectionTitle(Formatted("一、\t构件编号: %s", (LPCTSTR)strNumber));
    wordS.WriteSectionTitle("二、\t几何尺寸");
    WriteGeometryPicture(wordS);
    wordS.WriteSectionTitle("三、\t荷载数据");
    WriteLoadCases(wordS);
    wordS.WriteSectionTitle("四、\t内力及配筋");
    WriteForceSection(wordS);
    return TRUE;
}

int CContinuousBeam::BuildWordC() {
    wordC.WriteTitleInfo("连续梁计算");
    wordC.WriteSectionTitle("一、\t几何数据及计算参数");
    WriteGeometryPicture(wordC);
    const CString strNumberLine = Formatted("\t构件编号: %s\n", (LPCTSTR)strNumber);
    WriteLine(wordC, Formatted("%s\t混凝土： %s\t\t", (LPCTSTR)strNumberLine, (LPCTSTR)m_strConLevel) + "主筋： " +
                         m_strMainReinLv + "\t\t箍筋： " + m_strHoopReinLv + "\n");
    WriteLine(wordC, Formatted("\t保护层厚度as(mm)： %5.2f\t\t", m_ProtectAs) +
                         (m_IntensionCheck ? Formatted("指定主筋强度： %7.2fN/mm$2$\n", m_StlIntension)
                                           : CString("指定主筋强度： 无\n")));
    WriteLine(wordC, Formatted("\t跨中弯矩调整系数： %5.2f\t\t", m_MidModulus) +
                         Formatted("支座弯矩调整系数： %5.2f\n", m_TipModulus));
    WriteLine(wordC, "\t(说明：弯矩调整系数只影响配筋)\n");
    WriteLine(wordC, m_CalBeamWeightCheck ? "\t自动计算梁自重： 是\n" : "\t自动计算梁自重： 否\n");
    WriteLine(wordC, Formatted("\t恒载系数： %5.2f\t\t", m_dConLoadScale) +
                         Formatted("活载系数： %5.2f\n", m_dVarLoadScale));
    wordC.WriteSectionTitle("二、\t荷载数据");
    WriteLoadCases(wordC);
    wordC.WriteSectionTitle("三、\t内力及配筋");
    WriteForceSection(wordC);
    return TRUE;
}

void CContinuousBeam::WriteLoadCases(CWordObject& word) {
    for (int c = 0; c < GetComNum(); ++c) {
        WriteLine(word, Formatted(" 荷载工况%d", c + 1) +
                            (m_ComStyleArr[c] == BEAM_CASE_DEAD ? " (恒载):\n" : " (活载):\n"));
        DrawBeam(1);
        SetCurrentCom(c);
        const CFloatRect world = m_Graph.GetWorldRect();
        const double dLoad = std::fabs(getMaxLoadValue());
        m_dScaleY = dLoad <= 0.0001 ? 1.0 : (std::fabs(world.bottom - world.top) / 2 - 300) / dLoad;
        DrawBeamLoads(m_ptOrigin);
        WritePicture(word);
    }
}

void CContinuousBeam::WriteForceSection(CWordObject& word) {
    WriteLine(word, "\t\t1.\t弯矩图");
    DrawBeam(1);
    DrawMomentEnvelope(m_ptOrigin);
    WritePicture(word);
    WriteLine(word, "\t\t2.\t剪力图\n");
    DrawBeam(1);
    DrawShearEnvelope(m_ptOrigin);
    WritePicture(word);
    WriteLine(word, "\t\t3.\t截面内力及配筋\n");
    WriteSections(word);
}

void CContinuousBeam::WriteSections(CWordObject& word) {
    const int nSpans = getSpanNum();
    for (int i = 0; i < nSpans; ++i) {
        WriteSectionPara(i, SECTION_SUPPORT, word);
        WriteSectionPara(i, SECTION_MID_SPAN, word);
    }
    WriteSectionPara(nSpans, SECTION_SUPPORT, word);
}

void CContinuousBeam::WriteSectionPara(int i, int nKind, CWordObject& word) {
    if (nKind == SECTION_SUPPORT) {
        WriteLine(word, Formatted("\t\t%d支座:\t ", i));
        WriteSectionForces(i, nKind, word);
        WriteSectionBars(DesignAt(m_TipDesignArr, i), 2 * i, word);
        // A free end has no moment to crack it.
        if (!IsFreeEnd(i)) WriteCrack(2 * i, word);
    } else if (nKind == SECTION_MID_SPAN) {
        WriteLine(word, Formatted("\t\t%d跨中:\t ", i + 1));
        WriteSectionForces(i, nKind, word);
        WriteServiceability(i, word);
        WriteSectionBars(DesignAt(m_MidDesignArr, i), 2 * i + 1, word);
        WriteStirrups(i, word);
    } else {
        ReportAssert("ContinuousBeam", 826);
    }
}

void CContinuousBeam::WriteSectionForces(int i, int nKind, CWordObject& word) {
    const int nSpans = getSpanNum();
    if (nSpans == 0) return;
    if (nKind == SECTION_SUPPORT) {
        const CSteelSpan& span = *m_SpanArr[i < nSpans ? i : nSpans - 1];
        const int j = i < nSpans ? 0 : BEAM_ENVELOPE_POINTS - 1;
        WriteLine(word, Formatted("正弯矩\t%5.2f kN*m,\t", span.getPosMoment(j)) + "\n");
        WriteLine(word, Formatted("\t\t\t\t 负弯矩\t%5.2f kN*m,\t", Negated(span.getNegMoment(j))) + "\n");
        if (i > 0 && i < nSpans)
            WriteLine(word, Formatted("\t\t\t\t 剪力左\t%5.2f kN,\t", GoverningShear(*m_SpanArr[i - 1],
                                                                                 BEAM_ENVELOPE_POINTS - 1)) +
                                "\n" + Formatted("\t\t\t\t 剪力右\t%5.2f kN,\t", GoverningShear(span, j)) + "\n");
        else
            WriteLine(word, Formatted("\t\t\t\t 剪力\t%5.2f kN,\t", GoverningShear(span, j)) + "\n");
        return;
    }
    const CSteelSpan& span = *m_SpanArr[i];
    double dSaggingAt, dHogging, dHoggingAt, dShear, dShearAt;
    const double dSagging = GetSpanSagging(span, dSaggingAt).m_dValue;
    span.GetCenMaxNegMom(dHogging, dHoggingAt);
    span.GetMaxShear(dShear, dShearAt);
    const LPCTSTR lpszAt = "\t位置:  %5.2fm\n";
    WriteLine(word, Formatted("正弯矩\t%5.2f kN*m,\t", dSagging) + Formatted(lpszAt, dSaggingAt));
    WriteLine(word, Formatted("\t\t\t\t 负弯矩\t%5.2f kN*m,\t", Negated(dHogging)) + Formatted(lpszAt, dHoggingAt));
    WriteLine(word, Formatted("\t\t\t\t 剪力\t%5.2f kN,\t", dShear) + Formatted(lpszAt, dShearAt));
}

// Deflection of span i with its limit, and the crack width of its mid-span, with the place of the
// deflection: the free end of a cantilever span, otherwise mid-span. A span without its bars has
// neither figure.
void CContinuousBeam::WriteServiceability(int i, CWordObject& word) {
    const int r = 2 * i + 1;
    if (r >= m_ResultArr.GetSize() || !HasServiceBars(r)) {
        WriteLine(word, "\t\t\t\t 挠度 —\t(未配筋)\n");
        WriteCrack(r, word);
        return;
    }
    const SectionResult& result = m_ResultArr[r];
    const LPCTSTR lpszPlace = m_nLeftSupport == BEAM_END_FREE && i == 0                    ? "左端\n"
                              : m_nRightSupport == BEAM_END_FREE && i == getSpanNum() - 1 ? "右端\n"
                                                                                          : "跨中\n";
    const CString strDeform = result.Deform < 0 ? Formatted("%.2fmm(↑", std::fabs(result.Deform) * 1000)
                                                : Formatted("%.2fmm(↓", result.Deform * 1000);
    WriteLine(word, CString("\t\t\t\t 挠度 ") + strDeform + "),\t\t位置： " + lpszPlace);
    double l0 = 0;
    int nDivisor = 0;
    GetDeflectionLimit(i, l0, nDivisor);
    WriteLine(word, Formatted("\t\t\t\t 挠度限值 l0/%d = %.2fmm (l0 = %.2fm),\t %s\n", nDivisor, 1000 * l0 / nDivisor, l0,
                              Verdict(IsDeflectionWithinLimit(i))));
    WriteCrack(r, word);
}

void CContinuousBeam::WriteCrack(int r, CWordObject& word) {
    if (r >= m_ResultArr.GetSize() || !HasServiceBars(r)) {
        WriteLine(word, "\t\t\t\t 裂缝 —\t(未配筋)\n");
        return;
    }
    WriteLine(word, Formatted("\t\t\t\t 裂缝  %.2fmm,\t 限值 %.2fmm,\t %s\n", m_ResultArr[r].Crack, kCrackLimit,
                              Verdict(IsCrackWithinLimit(r))));
}

void CContinuousBeam::WriteStirrups(int i, CWordObject& word) {
    const int r = 2 * i + 1;
    const StirrupOptionSet* pSet = i < m_StirrupSetArr.GetSize() ? m_StirrupSetArr[i] : nullptr;
    if (r >= m_ResultArr.GetSize() || !m_ResultArr[r].m_bInitStiBar) {
        // Why there is none: a section too small for the span's shear is the engineer's to enlarge.
        const BOOL bTooSmall = pSet && pSet->m_nCode == STIRRUP_TOO_SMALL;
        WriteLine(word, CString("\t\t\t\t 箍筋: ") + (bTooSmall ? "  无钢筋方案(截面尺寸不足，请加大截面)\n" : "  无钢筋方案\n"));
        return;
    }
    const SectionResult& result = m_ResultArr[r];
    StirrupOption option;
    option.m_nSpacing = result.StiInt;
    option.m_nDiaIndex = result.StiDia;
    option.m_strGrade = result.StiGrade;
    const double d = StirrupDiameter(result.StiDia);
    const double dActual = result.StiInt > 0 ? 2 * 250 * M_PI * d * d / result.StiInt : 0;
    const double dRequired = pSet ? pSet->m_dAreaPerMetre : result.StiArea;
    WriteLine(word, CString("\t\t\t\t 箍筋: ") + option.GetText() + Formatted(",\t 实际面积: %1.2f mm$2$/m", dActual) +
                        Formatted(", 计算面积: %1.2f mm$2$/m\n", dRequired));
}

void CContinuousBeam::WriteSectionBars(const SectionDesign* pDesign, int k, CWordObject& word) {
    // Without any design (no calculation gave results) the rows say so without a report.
    if (!pDesign && m_TipDesignArr.GetSize() > 0) ReportAssert("ContinuousBeam", 935);
    WriteBarsLine("\t\t\t\t 上钢筋: ", k, TRUE, word);
    WriteBarsLine("\t\t\t\t 下钢筋: ", k, FALSE, word);
}

void CContinuousBeam::WriteBarsLine(LPCTSTR lpszLabel, int k, BOOL bTop, CWordObject& word) {
    const BOOL bSet = k < m_ResultArr.GetSize() && (bTop ? m_ResultArr[k].m_bInitTopBar : m_ResultArr[k].m_bInitBotBar);
    if (!bSet) {
        WriteLine(word, CString(lpszLabel) + "无钢筋方案\n");
        return;
    }
    const SectionResult& result = m_ResultArr[k];
    const CBarScheme& bars = bTop ? result.TopBar : result.BotBar;
    // A free end's bars are detailing: no area is required there.
    const CString strRequired = IsFreeEnd(k / 2) && k % 2 == 0
                                    ? CString(", 构造配筋\n")
                                    : Formatted(", 计算面积: %1.2f mm$2$\n", bTop ? result.TopMainArea : result.BotMainArea);
    WriteLine(word, CString(lpszLabel) + bars.GetText(m_strMainReinLv) +
                        Formatted(",\t 实际面积: %1.2f mm$2$", bars.GetArea()) + strRequired);
}
