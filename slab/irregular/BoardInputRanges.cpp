#include "slab/irregular/BoardInputRanges.h"

#include <cmath>

#include "host/Numbers.h"
#include "host/QeltConcrete.h"
#include "host/QeltSteelBar.h"
#include "slab/irregular/BoardData.h"

// The ranges: a usual list's ends where the codes go no further, else what a design takes: load
// factors 0.9 … 1.5 (γG 1.35 of the dead-load combination; 1.3 and 1.5 of the later codes), the
// live load's factors 0 … 1, a cover of 10 … 50 mm, amplifications 0.85 … 1.5, the list's bar
// diameters and spacings, the least ratio 0.15 … 1 % (or 自动计算), a bar centroid of 15 … 100 mm,
// an allowed crack width of 0.05 … 0.4 mm (GB 50010-2002 3.3.4 allows 0.2 … 0.4), θ adjusted to
// 1.0 … 4.0 (θ ≥ 1; the settings' own default adjustment is 2.0), moment adjustments 0.5 … 1.5,
// a mesh length of 50 … 2000 mm (finer meshes of large slabs pass the server's node limit), bar
// directions of a half turn either way and 1 … 50 contour lines.
const BoardSettingRow kBoardSettingRows[kBoardSettingRowCount] = {
    {"永久荷载分项系数γG", "0.9|1.0|1.2|1.35", &CBoardSetting::m_dEverLoadCoef, nullptr, nullptr, "%.2lf", 0.9, 1.5},
    {"可变荷载分项系数γQ", "0.9|1.0|1.3|1.4", &CBoardSetting::m_dActLoadCoef, nullptr, nullptr, "%.1lf", 0.9, 1.5},
    {"准永久值系数", "0.4|0.5|0.6|0.7", &CBoardSetting::m_dPreEverCoef, nullptr, nullptr, "%.1lf", 0.0, 1.0},
    {"结构重要性系数γ0", "0.9|1.0|1.1|1.2", &CBoardSetting::m_dImportCoef, nullptr, nullptr, "%.1lf", 0.9, 1.2},
    {"保护层厚度", "10|15|20|25|30|35|40", &CBoardSetting::m_dProtectWidth, nullptr, nullptr, "%.0lf", 10.0, 50.0},
    {"板砼等级", "C15|C20|C25|C30|C35|C40|C45|C50", nullptr, nullptr, &CBoardSetting::m_strBoardGrade, nullptr, 0, 0},
    {"钢筋等级", "HPB235|HRB335|HRB400|冷拉钢筋", nullptr, nullptr, &CBoardSetting::m_strReinGrade, nullptr, 0, 0},
    {"正筋放大系数", "0.85|0.9|1.0|1.1|1.2|1.3", &CBoardSetting::m_dPlusReinCoef, nullptr, nullptr, "%.2lf", 0.85, 1.5},
    {"负筋放大系数", "0.85|0.9|1.0|1.1|1.2|1.3", &CBoardSetting::m_dMinusReinCoef, nullptr, nullptr, "%.2lf", 0.85, 1.5},
    {"受力钢筋最小直径(mm)", "6|8|10|12|14|16|18|20|22|25|28|32", &CBoardSetting::m_dReinMinDia, nullptr, nullptr,
     "%.0lf", 6.0, 32.0},
    {"板分布钢筋最大间距(mm)", "100|110|120|130|140|150|160|170|180|190|200|210|220|230|240|250|300",
     &CBoardSetting::m_dReinMaxDis, nullptr, nullptr, "%.0lf", 100.0, 300.0},
    {"受拉纵筋最小配筋率", "0.15|0.25|0.3|0.35|0.4|自动计算", &CBoardSetting::m_dColuReinMinRate, nullptr, nullptr,
     "%.2lf", 0.15, 1.0},
    {"受拉纵筋钢筋类别", "光面钢筋|带肋钢筋", nullptr, nullptr, &CBoardSetting::m_strColuReinType, nullptr, 0, 0},
    {"合力点As(mm)", "15|20|25|30|35|40|45|50|55|60|65|70", &CBoardSetting::m_dResultantForce, nullptr, nullptr,
     "%.0lf", 15.0, 100.0},
    {"允许裂缝宽度(mm)", "0.1|0.15|0.2|0.25|0.3", &CBoardSetting::m_dCrackWidth, nullptr, nullptr, "%.2lf", 0.05, 0.4},
    {"荷载长期作用挠度增大系数θ的调整系数", "", &CBoardSetting::m_dNaoDu, nullptr, nullptr, "%.2lf", 0.5, 2.0},
    {"活荷载的组合值系数", "", &CBoardSetting::m_dLoadZuHe, nullptr, nullptr, "%.1lf", 0.0, 1.0},
    {"正弯矩的调整系数", "", &CBoardSetting::m_dPlusWanJu, nullptr, nullptr, "%.1lf", 0.5, 1.5},
    {"负弯矩的调整系数", "", &CBoardSetting::m_dMinusWanJu, nullptr, nullptr, "%.1lf", 0.5, 1.5},
    {"剖分线准则", "1|2|3", nullptr, &CBoardSetting::m_nPouFenXianType, nullptr, "%d", 1, 3},
    {"网格控制长度(mm)", "", &CBoardSetting::m_dBoxLength, nullptr, nullptr, "%.0lf", 50.0, 2000.0},
    {"配筋方向(度)", "", &CBoardSetting::m_dReinDir, nullptr, nullptr, "%.1lf", -180.0, 180.0},
    {"等值线条数", "", nullptr, &CBoardSetting::m_nCloudNum, nullptr, "%d", 1, 50},
};

const char* const kBoardCheckCaption = "QELT构件计算提示您";

namespace {

const int kLeastRatioRow = 11;
const char* const kAutomaticRatio = "自动计算";

// The texts a text row takes: the grades of the material tables, or its own list.
void AllowedTexts(int nRow, CStringArray& texts)
{
    const BoardSettingRow& row = kBoardSettingRows[nRow];
    if (row.text == &CBoardSetting::m_strBoardGrade) {
        CQeltConcrete::GetConcreteGradeString(texts);
        return;
    }
    if (row.text == &CBoardSetting::m_strReinGrade) {
        CQeltSteelBar::GetSteelBarGradeString(texts);
        return;
    }
    texts.RemoveAll();
    const CString choices = row.choices;
    for (int from = 0;;) {
        const int bar = choices.Find('|', from);
        texts.Add(choices.Mid(from, bar < 0 ? choices.GetLength() - from : bar - from));
        if (bar < 0)
            return;
        from = bar + 1;
    }
}

BOOL IsWhole(double dValue)
{
    return dValue == std::floor(dValue);
}

// Whether a value lies in the row's range; FALSE with the row's message.
BOOL CheckRowValue(int nRow, double dValue, CString& strMessage)
{
    const BoardSettingRow& row = kBoardSettingRows[nRow];
    if (nRow == kLeastRatioRow && dValue == 0.0)
        return TRUE;
    if (dValue >= row.lower && dValue <= row.upper && (!row.whole || IsWhole(dValue)))
        return TRUE;
    if (row.whole)
        strMessage.Format("%s应为%s到%s之间的整数", row.name, (LPCTSTR)ftos(row.lower), (LPCTSTR)ftos(row.upper));
    else if (nRow == kLeastRatioRow)
        strMessage.Format("%s应为%s,或在%s与%s之间", row.name, kAutomaticRatio, (LPCTSTR)ftos(row.lower),
                          (LPCTSTR)ftos(row.upper));
    else
        strMessage.Format("%s的%s", row.name, (LPCTSTR)RangeMessage(row.lower, row.upper));
    return FALSE;
}

BOOL CheckRowText(int nRow, const CString& strText, CString& strMessage)
{
    CStringArray texts;
    AllowedTexts(nRow, texts);
    CString list;
    for (int i = 0; i < texts.GetSize(); ++i) {
        if (texts[i] == strText)
            return TRUE;
        list += (i > 0 ? "、" : "") + texts[i];
    }
    strMessage.Format("%s应为%s之一", kBoardSettingRows[nRow].name, (LPCTSTR)list);
    return FALSE;
}

BOOL CoordinateWithinLimit(double dValue)
{
    return std::fabs(dValue) <= kBoardCoordinateLimit;  // also FALSE for not-a-number
}

BOOL FinitePolyline(const CBoardPolyline& poly)
{
    for (int i = 0; i < poly.GetCount(); ++i) {
        const AcGePoint3d p = poly.GetPoint(i);
        if (!CoordinateWithinLimit(p.x) || !CoordinateWithinLimit(p.y) || !std::isfinite(poly.GetBulge(i)))
            return FALSE;
    }
    return TRUE;
}

BOOL LoadWithinLimit(double dValue)
{
    return std::fabs(dValue) <= kBoardLoadLimit;  // also FALSE for not-a-number
}

}  // namespace

CString FormatSettingRow(const CBoardSetting& setting, int nRow)
{
    const BoardSettingRow& r = kBoardSettingRows[nRow];
    CString text;
    if (r.number)
        text.Format(r.format, setting.*r.number);
    else if (r.whole)
        text.Format(r.format, setting.*r.whole);
    else
        text = setting.*r.text;
    return text;
}

BOOL StoreSettingText(CBoardSetting& setting, int nRow, const CString& strText, CString& strMessage)
{
    if (nRow < 0 || nRow >= kBoardSettingRowCount)
        return FALSE;
    const BoardSettingRow& row = kBoardSettingRows[nRow];
    if (row.text) {
        if (!CheckRowText(nRow, strText, strMessage))
            return FALSE;
        setting.*row.text = strText;
        return TRUE;
    }
    double value = 0.0;
    if (nRow == kLeastRatioRow && strText == kAutomaticRatio)
        value = 0.0;
    else if (!CheckDouble(strText, value, 1e308, -1e308))
        value = std::nan("");  // no number: refused with the range below
    if (!CheckRowValue(nRow, value, strMessage))
        return FALSE;
    if (row.whole)
        setting.*row.whole = static_cast<int>(value);
    else
        setting.*row.number = value;
    return TRUE;
}

BOOL ReadCellNumber(CEditCmbList& list, int nRow, int nColumn, double dLower, double dUpper, double& dValue)
{
    if (CheckDouble(list.GetItemText(nRow, nColumn), dValue, dUpper, dLower))
        return TRUE;
    list.GetParent()->MessageBox(RangeMessage(dLower, dUpper), kBoardCheckCaption, MB_OK | MB_ICONWARNING);
    return FALSE;
}

BOOL CheckBoardInputValues(const CBoardSetting& setting, const CBoardData& data, CString& strMessage)
{
    for (int nRow = 0; nRow < kBoardSettingRowCount; ++nRow) {
        const BoardSettingRow& row = kBoardSettingRows[nRow];
        const BOOL ok = row.text     ? CheckRowText(nRow, setting.*row.text, strMessage)
                        : row.whole ? CheckRowValue(nRow, setting.*row.whole, strMessage)
                                    : CheckRowValue(nRow, setting.*row.number, strMessage);
        if (!ok)
            return FALSE;
    }
    const double thickness = setting.m_nBoardWidth;
    if (!(thickness >= kBoardLeastThickness && thickness <= kBoardGreatestThickness)) {
        strMessage.Format("板厚(mm)的%s", (LPCTSTR)RangeMessage(kBoardLeastThickness, kBoardGreatestThickness));
        return FALSE;
    }
    if (!(setting.m_dResultantForce < thickness)) {
        strMessage = "合力点As(mm)应小于板厚";
        return FALSE;
    }
    if (!LoadWithinLimit(setting.m_EverLoadVal) || !LoadWithinLimit(setting.m_ActLoadVal)) {
        strMessage.Format("均布荷载的%s", (LPCTSTR)RangeMessage(-kBoardLoadLimit, kBoardLoadLimit));
        return FALSE;
    }
    BOOL finite = FinitePolyline(data.m_BoardPoly);
    BOOL loads = TRUE;
    for (int i = 0; i < data.m_HoleArray.GetSize(); ++i)
        finite = finite && FinitePolyline(data.m_HoleArray[i]);
    for (int i = 0; i < data.m_MassLoadArray.GetSize(); ++i) {
        const CMassLoad& load = data.m_MassLoadArray[i];
        finite = finite && CoordinateWithinLimit(load.m_MassPt.x) && CoordinateWithinLimit(load.m_MassPt.y);
        loads = loads && LoadWithinLimit(load.m_LoadVal);
    }
    for (const auto* group : {&data.m_PartLoadArray, &data.m_LineLoadArray, &data.m_TrapLoadArray}) {
        for (int i = 0; i < group->GetSize(); ++i) {
            const CBoardPolyline& poly = (*group)[i];
            finite = finite && FinitePolyline(poly);
            for (int k = 0; k < poly.m_LoadValArray.GetSize(); ++k)
                loads = loads && LoadWithinLimit(poly.m_LoadValArray[k]);
        }
    }
    BOOL supports = TRUE;
    for (int i = 0; i < data.m_BoardPoly.GetCount(); ++i)
        supports = supports && data.m_BoardPoly.GetLineType(i) >= EDGE_SIMPLE && data.m_BoardPoly.GetLineType(i) <= EDGE_FREE;
    for (int i = 0; i < data.m_HoleArray.GetSize(); ++i)
        supports = supports && data.m_HoleArray[i].m_nHoleSupport >= EDGE_SIMPLE && data.m_HoleArray[i].m_nHoleSupport <= EDGE_FREE;
    if (!supports) {
        strMessage = "板边或洞口的支座类型应为简支、固支或自由";
        return FALSE;
    }
    if (!finite) {
        strMessage.Format("板边、洞口或荷载的坐标的%s", (LPCTSTR)RangeMessage(-kBoardCoordinateLimit, kBoardCoordinateLimit));
        return FALSE;
    }
    if (!loads) {
        strMessage.Format("荷载值的%s", (LPCTSTR)RangeMessage(-kBoardLoadLimit, kBoardLoadLimit));
        return FALSE;
    }
    return TRUE;
}
