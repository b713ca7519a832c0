// The irregular slab's calculation reports: the short one and the full one, which adds the member
// code, every load and the rows of the outline's edges.
#include <algorithm>
#include <cstdarg>

#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardNodeList.h"
#include "slab/irregular/PlaneGeometry.h"
#include "slab/irregular/PolygonAlgorithms.h"

namespace {

// The writer of one report: rows of each kind, numbered sections as the report numbers them.
class CReportWriter {
public:
    CReportWriter(CWordObject& word, BOOL bFull) : m_word(word), m_bFull(bFull) {}

    void Title(const CString& text) { m_word.WriteTitleInfo(text); }
    void Section(const CString& text) { m_word.WriteSectionTitle(text); }
    void Text(const CString& text) { m_word.WriteText(text, 0, 0, 0, 0, 0, 10.5, "宋体"); }
    void Picture(const CBitmap& bitmap)
    {
        if (bitmap.GetSafeHandle())
            m_word.WritePhotograph(static_cast<HBITMAP>(bitmap.GetSafeHandle()), 0, 0);
    }
    // A section or paragraph number: the short report's, or the full report's one more.
    CString Numbered(const char* format, int shortNumber)
    {
        CString text;
        text.Format(format, shortNumber + (m_bFull ? 1 : 0));
        return text;
    }
    CString Chapter(const char* format, int shortChapter)
    {
        static const char* const kChapters[] = {"一", "二", "三", "四"};
        CString text;
        text.Format(format, kChapters[shortChapter - 1 + (m_bFull ? 1 : 0)]);
        return text;
    }

private:
    CWordObject& m_word;
    BOOL m_bFull;
};

CString Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    return text;
}

CString LoadKindRow(int kind)
{
    return kind == LOAD_DEAD ? "\t\t\t类型:恒载\n" : "\t\t\t类型:活载\n";
}

void VertexRows(CReportWriter& report, const CBoardPolyline& poly)
{
    report.Text("\t\t\t点编号\t\tX向坐标\t\tY向坐标\n");
    for (int k = 0; k < poly.GetCount(); ++k)
        report.Text(Format("\t\t\t %d \t\t%.3lf \t\t%.3lf\n", k + 1, poly.GetPoint(k).x, poly.GetPoint(k).y));
}

// The loads of the full report, by kind.
void LoadRows(CReportWriter& report, const CBoardData& data)
{
    for (int j = 0; j < data.m_MassLoadArray.GetSize(); ++j) {
        const CMassLoad& load = data.m_MassLoadArray[j];
        report.Text(Format("\t\t  集中荷载%d\n", j + 1));
        report.Text(LoadKindRow(load.GetLoadType()));
        report.Text("\t\t\tX向坐标\t\t\tY向坐标\n");
        report.Text(Format("\t\t\t%.3lf \t\t\t%.3lf\n", load.GetMassPt().x, load.GetMassPt().y));
        report.Text("\t\t\t荷载值:");
        // A concentrated load is a force.
        report.Text(Format("\t\t\t%.3lfkN\n", load.GetLoadVal()));
    }
    for (int j = 0; j < data.m_PartLoadArray.GetSize(); ++j) {
        const CBoardPolyline& load = data.m_PartLoadArray[j];
        report.Text(Format("\t\t  局部荷载%d\n", j + 1));
        report.Text(LoadKindRow(load.GetLoadType()));
        VertexRows(report, load);
        report.Text("\t\t\t边长或弧长\n");
        for (int i = 0; i < load.m_DisArray.GetSize(); ++i)
            report.Text(Format("\t\t\t %d \t\t%.3lf\n", i + 1, load.m_DisArray[i]));
        // The chord height of each segment, not its bulge.
        report.Text("\t\t\t弦高\n");
        for (int i = 0; i < load.m_BulgeArray.GetSize(); ++i)
            report.Text(Format("\t\t\t %d \t\t%.3lf\n", i + 1, GetArcHeight(load.GetChordLength(i), load.m_BulgeArray[i])));
        // A local load is a pressure.
        report.Text("\t\t\t荷载值\n");
        for (int i = 0; i < load.m_LoadValArray.GetSize(); ++i)
            report.Text(Format("\t\t\t %d \t\t%.3lfkN/m$2$\n", i + 1, load.m_LoadValArray[i]));
    }
    for (int j = 0; j < data.m_LineLoadArray.GetSize(); ++j) {
        const CBoardPolyline& load = data.m_LineLoadArray[j];
        report.Text(Format("\t\t  线荷载%d\n", j + 1));
        report.Text(LoadKindRow(load.GetLoadType()));
        VertexRows(report, load);
        report.Text("\t\t\t荷载值\n");
        for (int i = 0; i < load.m_LoadValArray.GetSize(); ++i)
            report.Text(Format("\t\t\t %d \t\t%.3lfkN/m\n", i + 1, load.m_LoadValArray[i]));
        report.Text(Format("\t\t\t分布宽度 \t\t\t%.3lf\n", load.GetLoadWidth()));
    }
    for (int j = 0; j < data.m_TrapLoadArray.GetSize(); ++j) {
        const CBoardPolyline& load = data.m_TrapLoadArray[j];
        report.Text(Format("\t\t  梯形荷载%d\n", j + 1));
        report.Text(LoadKindRow(load.GetLoadType()));
        report.Text("\t\t\tX向/Y向");
        report.Text(Format("\t\t %s\n", static_cast<LPCTSTR>(load.m_strXorY)));
        report.Text(Format("\t\t\t底边距离 \t\t%.3lfmm\n", load.m_dBottomDis));
        report.Text(load.GetLoadWidth() == -1.0 ? CString("\t\t\t分布宽度 \t\t满布\n")
                                                : Format("\t\t\t分布宽度 \t\t%.3lfmm\n", load.GetLoadWidth()));
        report.Text("\t\t\t荷载值\n");
        for (int i = 0; i < load.m_LoadValArray.GetSize(); ++i)
            report.Text(Format("\t\t\t P%d \t\t%.3lfkN/m\n", i + 1, load.m_LoadValArray[i]));
    }
}

// The long-term deflection limit of a floor slab after GB 50010-2002 table 3.3.2 on the span l0:
// l0/200 below 7 m, l0/250 up to 9 m, l0/300 beyond.
int DeflectionDivisor(double span)
{
    return span < 7000.0 ? 200 : span <= 9000.0 ? 250 : 300;
}

// The governing deflection against its limit, the slab's short span being the shorter side of the
// outline's extents.
void DeflectionRows(CReportWriter& report, const CBoardPolyline& outline, double deflection)
{
    AcGePoint3d lower, upper;
    GetPolylineExtents(outline, lower, upper);
    const double span = std::min(upper.x - lower.x, upper.y - lower.y);
    const int divisor = DeflectionDivisor(span);
    const double allowed = span / divisor;
    report.Text(Format("\t\t挠度为:    %.4lf mm\n", deflection));
    report.Text(Format("\t\t挠度限值(混凝土规范表3.3.2,l0取板的短向尺寸):    l0/%d = %.0lf/%d = %.2lf mm\n", divisor,
                       span, divisor, allowed));
    report.Text(deflection <= allowed ? Format("\t\tf = %.4lf mm ≤ %.2lf mm, 满足规范要求\n", deflection, allowed)
                                      : Format("\t\tf = %.4lf mm > %.2lf mm, 不满足规范要求\n", deflection, allowed));
}

}  // namespace

int CAtypicalBoardParam::BuildWordS()
{
    BuildReport(wordS, FALSE);
    return 1;
}

int CAtypicalBoardParam::BuildWordC()
{
    BuildReport(wordC, TRUE);
    return 1;
}

void CAtypicalBoardParam::BuildReport(CWordObject& word, BOOL bFull)
{
    CReportWriter report(word, bFull);
    const CBoardPolyline& outline = m_BoardData.m_BoardPoly;
    report.Title("异形板计算书");
    report.Section("项目名称_____________日    期_____________");
    report.Section("设 计 者_____________校 对 者_____________\n");
    if (bFull)
        report.Section(Format("一、构件编号:%s", static_cast<LPCTSTR>(m_strBoardCode)));
    report.Section(report.Chapter("%s、计算简图与几何条件:", 1));

    report.Text(report.Numbered("\t%d.1 计算简图:\n", 1));
    DrawReportPictures();
    report.Picture(m_ReportPictures[0]);
    report.Text(report.Numbered("\t%d.2 几何条件:\n", 1));
    report.Text(Format("\t\t板厚为:%.0lfmm\n", m_param.m_nBoardWidth));
    report.Text("\t\t板的各点坐标为:\n");
    report.Text("\t\t\t点编号\t\tX向坐标\t\tY向坐标\t\t角柱\n");
    for (int i = 0; i < outline.GetCount(); ++i)
        report.Text(Format("\t\t\t %d \t\t%.3lf \t\t%.3lf  \t\t%s\n", i + 1, outline.GetPoint(i).x, outline.GetPoint(i).y,
                           outline.GetHasColu(i) != 0 ? "是" : "否"));
    if (m_BoardData.m_HoleArray.GetSize() > 0)
        report.Text("\t\t洞口的各点坐标为:\n");
    for (int h = 0; h < m_BoardData.m_HoleArray.GetSize(); ++h) {
        report.Text(Format("\t\t  洞口%d\n", h + 1));
        report.Text(Format("\t\t\t洞边支座:%s\n",
                           static_cast<LPCTSTR>(CBoardNodeList::SupportText(m_BoardData.m_HoleArray[h].m_nHoleSupport))));
        VertexRows(report, m_BoardData.m_HoleArray[h]);
    }

    report.Section(report.Chapter("%s、计算条件:", 2));
    report.Text(report.Numbered("\t%d.1 荷载条件:\n", 2));
    // The dead load the calculation takes: with the self weight when the slab adds it.
    if (m_bIsAutoCalSelfH == 1) {
        const double selfWeight = m_param.m_nBoardWidth * kSelfWeightPerMm;
        report.Text(Format("\t\t均布恒载:        \t\t%.2lf  kN/m$2$ (含板自重%.2lf kN/m$2$)\n",
                           m_param.m_EverLoadVal + selfWeight, selfWeight));
    } else {
        report.Text(Format("\t\t均布恒载:        \t\t%.2lf  kN/m$2$ (不含板自重)\n", m_param.m_EverLoadVal));
    }
    report.Text(Format("\t\t恒载分项系数:    \t\t%.2lf\n", m_param.m_dEverLoadCoef));
    report.Text(Format("\t\t均布活载:        \t\t%.2lf  kN/m$2$\n", m_param.m_ActLoadVal));
    report.Text(Format("\t\t活载分项系数:    \t\t%.2lf\n", m_param.m_dActLoadCoef));
    report.Text(Format("\t\t活载组合系数:    \t\t%.2lf\n", m_param.m_dLoadZuHe));
    report.Text(Format("\t\t活载准永久值系数:\t\t%.2lf\n", m_param.m_dPreEverCoef));
    report.Text("\t\t荷载图:\n");
    report.Picture(m_ReportPictures[1]);
    if (bFull)
        LoadRows(report, m_BoardData);
    report.Text(report.Numbered("\t%d.2 配筋条件:\n", 2));
    report.Text(Format("\t\t材料类型:                \t\t%s\n", "混凝土"));
    report.Text(Format("\t\t混凝土等级:              \t\t%s\n", static_cast<LPCTSTR>(m_param.m_strBoardGrade)));
    report.Text(Format("\t\t纵筋级别:                \t\t%s\n", static_cast<LPCTSTR>(m_param.m_strReinGrade)));
    report.Text(Format("\t\t保护层厚度:              \t\t%.0lf    mm\n", m_param.m_dProtectWidth));
    report.Text(Format("\t\t合力点as:                \t\t%.0lf    mm\n", m_param.m_dResultantForce));
    report.Text(Format("\t\t允许裂缝宽度:            \t\t%.2lf   mm\n", m_param.m_dCrackWidth));
    report.Text(Format("\t\t网格控制长度:            \t\t%.0lf   mm\n", m_param.m_dBoxLength));
    report.Text(Format("\t\t配筋方向(度):            \t\t%.1lf   度\n", m_param.m_dReinDir));
    report.Text(Format("\t\t结构重要性系数:          \t\t%.1lf\n", m_param.m_dImportCoef));
    report.Text(Format("\t\t正弯矩调整系数:          \t\t%.1lf\n", m_param.m_dPlusWanJu));
    report.Text(Format("\t\t负弯矩调整系数:          \t\t%.1lf\n", m_param.m_dMinusWanJu));
    // θ as the deflection takes it: 2.0 (GB 50010-2002 8.2.5, ρ' = 0) times the settings' factor.
    report.Text(Format("\t\t荷载长期作用挠度增大系数θ:\t\t%.2lf\n", kThetaWithoutCompressionBars * m_param.m_dNaoDu));

    report.Section(report.Chapter("%s、计算结果:", 3));
    const char* const captions[] = {"\t网络划分图:\n", "\t位移等值图:\n", "\t弯矩图:\n", "\t配筋图:\n",
                                    "\t配筋面积图:\n", "\t挠度极值图:\n", "\t裂缝图:\n"};
    for (int i = 0; i < 7; ++i) {
        report.Text(captions[i]);
        report.Picture(m_ReportPictures[2 + i]);
    }
    report.Text(report.Numbered("\t%d.1 单位说明:\n", 3));
    report.Text("\t\t弯矩:  kN·m/m\t\t钢筋面积:  mm$2$/m\n");
    const int count = m_ReinResults.GetSize();
    if (count < 2)
        return;
    auto scheme = [](const BoardReinResult& row) {
        return HasBars(row) ? Format("%.0lf@%.0lf", row.m_dDiameter, row.m_dSpace) : CString("无配筋方案");
    };
    // Rows 2 .. of the edges (only in the full report) and of the re-entrant corners (in both).
    const int edges = outline.GetCount();
    auto name = [&](int i) { return BoardRowName(i, edges, m_ReinResults[i]); };
    auto listed = [&](int i) { return bFull || m_ReinResults[i].m_nCorner >= 0; };
    report.Text(report.Numbered("\t%d.2 弯矩及配筋:\n", 3));
    // The strip rule of the design moments (fea/DesignStrips.h).
    report.Text("\t\t弯矩取1000mm宽板带内的平均值:板底钢筋的板带垂直于钢筋,板边钢筋的板带沿板边\n");
    for (int i = 2; i < count; ++i)
        if (m_ReinResults[i].m_nCorner >= 0) {
            report.Text("\t\t阴角板面钢筋垂直于角平分线,弯矩取角平分线上自阴角起1000mm内的平均值\n");
            break;
        }
    report.Text("\t  编号    弯矩    计算面积    配筋方案    实配面积    备注\n");
    const char* const bottoms[] = {"板底配筋方向", "板底垂直配筋方向"};
    for (int i = 0; i < 2; ++i) {
        const BoardReinResult& row = m_ReinResults[i];
        report.Text(Format("\t   1     %.3lf     %.0lf       %s       %.0lf      %s\n", row.m_dMoment, row.m_dCalArea,
                           static_cast<LPCTSTR>(scheme(row)), row.m_dRealArea, bottoms[i]));
    }
    for (int i = 2; i < count; ++i) {
        const BoardReinResult& row = m_ReinResults[i];
        if (listed(i))
            report.Text(Format("\t  %s     %.3lf     %.0lf       %s       %.0lf      %s\n", static_cast<LPCTSTR>(name(i)),
                               row.m_dMoment, row.m_dCalArea, static_cast<LPCTSTR>(scheme(row)), row.m_dRealArea,
                               row.m_nCorner >= 0 ? "阴角板面配筋(垂直于角平分线)" : ""));
    }
    report.Text(report.Numbered("\t%d.3 挠度裂缝:\n", 3));
    report.Text("\t    ==========　裂缝计算结果 ==========\n");
    report.Text(Format("\t\t允许裂缝宽度为:    %.2lf mm\n", m_param.m_dCrackWidth));
    report.Text(Format("\t\t板底平行配筋方向裂缝的宽度为:    %.4lf mm\n", m_ReinResults[0].m_dCrack));
    report.Text(Format("\t\t板底垂直配筋方向裂缝的宽度为:    %.4lf mm\n", m_ReinResults[1].m_dCrack));
    for (int i = 2; i < count; ++i)
        if (listed(i))
            report.Text(Format(m_ReinResults[i].m_nCorner >= 0 ? "\t\t%s处裂缝的宽度为:\t\t    %.4lf mm\n"
                                                               : "\t\t%s方向裂缝的宽度为:\t\t    %.4lf mm\n",
                               static_cast<LPCTSTR>(name(i)), m_ReinResults[i].m_dCrack));
    report.Text("\t    ==========　挠度计算结果 ==========\n");
    DeflectionRows(report, outline, std::max(m_ReinResults[0].m_dDeflection, m_ReinResults[1].m_dDeflection));
}
