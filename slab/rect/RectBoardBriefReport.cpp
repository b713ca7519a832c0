// The slab's brief report and the row writers of both reports.
#include "slab/rect/BoardServiceability.h"
#include "slab/rect/RectBoardCalculator.h"
#include "slab/rect/SlabReportParts.h"

namespace {

double DeflectionL0(int nCase, int nSpan) { return (nCase == DEFLECT_CANTILEVER ? 2.0 : 1.0) * nSpan; }

LPCTSTR PostWord(int nPost) { return nPost ? "有" : "否"; }

CString BarText(const BoardReinScheme& scheme) {
    CString strText;
    strText.Format("d%d@%d(%d)", scheme.nDiameter, scheme.nSpacing, scheme.nArea);
    return strText;
}

}  // namespace

void CRectBoardCalculator::WriteReportTitle(CWordObject* pReport, const CString& strTitle) {
    if (!pReport || pReport->WriteTitleInfo(strTitle) == 0) throw 0;
}

void CRectBoardCalculator::WriteReportText(CWordObject* pReport, const CString& strText) {
    if (!pReport || pReport->WriteText(strText, 0, 0, 0, 0, 0, 10.5, "宋体") == 0) throw 0;
}

double CRectBoardCalculator::GetDeflectionDivisor() const {
    const double dL0 = DeflectionL0(GetCase(), GetSpan());
    if (dL0 < 7000) return m_dFleLim1;
    if (dL0 <= 9000) return m_dFleLim2;
    return m_dFleLim3;
}

double CRectBoardCalculator::GetAllowedDeflection() const {
    return DeflectionL0(GetCase(), GetSpan()) / GetDeflectionDivisor();
}

int CRectBoardCalculator::WriteBriefReport(CWordObject* pReport, const CString& strNumber) {
    // Without both checks there is no deflection or crack width to state.
    if (!(m_bStrengthDone && m_bDeflectDone && m_bCrackDone)) return 0;
    const RectBoardInputs& in = m_inputs;
    const SlabMoments& m = m_moments;
    // Areas: top, left, right, bottom support, x span, y span; widths: top, bottom, left, right
    // support, y span, x span.
    const int* a = m_nAreas;
    const double* w = m_crackWidths;
    const BoardReinScheme* s = m_schemes;
    try {
        WriteReportTitle(pReport, "矩形板计算\n");
        WriteReportText(pReport, "一.构件编号：" + strNumber + "\n");
        CString strText, strLine;
        strText.Format("二.尺寸参数：\n   Lx = %d\n   Ly = %d\n   h = %d\n", in.nLength, in.nWidth, in.nThick);
        WriteReportText(pReport, strText);
        strText.Format("   四边支撑条件(上端/下端/左端/右端):\n   %s   角柱 左下:%s 右下:%s 左上:%s 右上:%s\n",
                       static_cast<LPCTSTR>(SlabEdgeWords(in)), PostWord(in.nBottomLeft), PostWord(in.nBottomRight), PostWord(in.nTopLeft),
                       PostWord(in.nTopRight));
        WriteReportText(pReport, strText);
        strText.Format("三.荷载参数\n   ｑgk = %.3lfkN/m$2$\n   ｑqk = %.3lfkN/m$2$\n", in.dQgk, in.dQqk);
        WriteReportText(pReport, strText);

        strText = "四.荷载参数\n   (1)跨中:          [水平]          [竖向]\n";
        strLine.Format("      弯矩            %.3lf          %.3lf\n", m.dMx * 0.000001, m.dMy * 0.000001);
        strText += strLine;
        strLine.Format("      计算面积        %d            %d\n", a[4], a[5]);
        strText += strLine;
        strLine.Format("      实配面积        %s\t  %s\n", static_cast<LPCTSTR>(BarText(s[SCHEME_XSPAN])),
                       static_cast<LPCTSTR>(BarText(s[SCHEME_YSPAN])));
        strText += strLine;
        strLine.Format("      裂缝宽度        %.4lf         %.4lf\n", w[5], w[4]);
        strText += strLine;
        WriteReportText(pReport, strText);

        strText = "   (2)四边:          [上]          [下]          [左]          [右]\n";
        strLine.Format("      弯矩           %.3lf        %.3lf        %.3lf        %.3lf\n", m.dTop * 0.000001,
                       m.dBottom * 0.000001, m.dLeft * 0.000001, m.dRight * 0.000001);
        strText += strLine;
        strLine.Format("      计算面积        %d           %d          %d           %d\n", a[0], a[3], a[1], a[2]);
        strText += strLine;
        strLine.Format("      实配面积        %s  %s %s  %s\n", static_cast<LPCTSTR>(BarText(s[SCHEME_TOP])),
                       static_cast<LPCTSTR>(BarText(s[SCHEME_BOTTOM])), static_cast<LPCTSTR>(BarText(s[SCHEME_LEFT])),
                       static_cast<LPCTSTR>(BarText(s[SCHEME_RIGHT])));
        strText += strLine;
        strLine.Format("      裂缝宽度        %.4lf        %.4lf       %.4lf        %.4lf\n", w[0], w[1], w[2], w[3]);
        strText += strLine;
        strText += "      (弯矩单位:kN*m  配筋面积:mm2  裂缝宽度:mm )\n";
        WriteReportText(pReport, strText);

        const double dAllowed = GetAllowedDeflection();
        strText.Format(m_dDeflection <= dAllowed ? "   (3)挠度验算\n      挠度 fmax = %.3lfmm <= %.3lf, 满足规范要求"
                                                 : "   (3)挠度验算\n      挠度 fmax = %.3lfmm > %.3lf, 不满足规范要求",
                       m_dDeflection, dAllowed);
        WriteReportText(pReport, strText);
    } catch (...) {
        return 0;
    }
    return 1;
}
