// The slab's calculation: the model and settings go to the analysis server; its copy of the model,
// with the result elements, and the result rows come back.
#include "com/ComError.h"
#include "mfc/user/MessageBox.h"
#include "plateserver/interface/PlateSolver.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/BoardInputRanges.h"
#include "slab/irregular/PlateSolverClient.h"
#include "slab/irregular/ServerErrorMessage.h"

namespace {

// Why the server refused the slab, from the flags of its rows (PlateSolver.h): the rows that could
// not be reinforced within the settings, each with the limit that stops it, under "计算超限";
// otherwise the reason the slab was not analysed.
CString RefusalMessage(const CArray<BoardReinResult, const BoardReinResult&>& rows, const CBoardSetting& setting,
                       int nEdges)
{
    CString message = "计算超限,请返回修改!";
    if (rows.GetSize() == 1 && rows[0].m_nRowId < 0) {
        switch (rows[0].m_nFlag) {
        case kSlabNoOutline: return "请输入板边信息";
        case kSlabBadSettings: return "板砼等级、钢筋等级或计算参数不能用于计算,请返回修改!";
        case kSlabBadInput: return "荷载超出板的范围或位于洞口内,或板的形状无法剖分网格,请返回修改!";
        case kSlabMechanism: return "板的支座不足以约束板,板可发生刚体位移,请返回修改!";
        case kSlabTooLarge: return "网格控制长度相对板的尺寸过小,网格节点过多,请加大网格控制长度!";
        default: return message;
        }
    }
    for (int i = 0; i < rows.GetSize(); ++i) {
        const BoardReinResult& row = rows[i];
        const CString name = BoardRowName(i, nEdges, row);
        CString line;
        switch (row.m_nFlag) {
        case kRowSectionTooSmall:
            line.Format("%s:弯矩%.2fkN·m/m超过板厚%.0fmm截面的受弯承载力(受压区高度超过ξb·h0),请加大板厚或提高板砼等级",
                        (LPCTSTR)name, row.m_dMoment, setting.m_nBoardWidth);
            break;
        case kRowNoBars:
            line.Format("%s:计算面积%.0fmm2/m,受力钢筋最小直径%.0fmm、板分布钢筋最大间距%.0fmm之内没有配筋方案",
                        (LPCTSTR)name, row.m_dCalArea, setting.m_dReinMinDia, setting.m_dReinMaxDis);
            break;
        case kRowCrackTooWide:
            line.Format("%s:受力钢筋最小直径%.0fmm、板分布钢筋最大间距%.0fmm之内没有裂缝宽度不超过允许裂缝宽度%.2fmm的配筋方案",
                        (LPCTSTR)name, setting.m_dReinMinDia, setting.m_dReinMaxDis, setting.m_dCrackWidth);
            break;
        default: continue;
        }
        message += "\n" + line;
    }
    return message;
}

}  // namespace

BOOL CAtypicalBoardParam::CheckStoredValues(CString& strMessage) const
{
    if (m_bStoreDamaged) {
        strMessage = "存储的板边、洞口或荷载数据不完整,请重新输入";
        return FALSE;
    }
    return CheckBoardInputValues(m_param, m_BoardData, strMessage);
}

int CAtypicalBoardParam::Calculate()
{
    // An unchanged slab keeps its results; a slab without any is calculated (and refused when it
    // cannot be), so that 1 always means results that belong to the slab.
    if (m_bModified == 0 && m_ReinResults.GetSize() > 0) return 1;
    m_ReinResults.RemoveAll();
    // Values that came from a store or a script pass the same ranges as the pages' own.
    CString strMessage;
    if (!CheckStoredValues(strMessage)) {
        AfxMessageBox(strMessage, MB_OK | MB_ICONWARNING);
        return 0;
    }
    // The self weight joins the uniform dead load for this run only; the value held before is put
    // back exactly, whatever the server answers.
    const double dStoredDeadLoad = m_param.m_EverLoadVal;
    if (m_bIsAutoCalSelfH == 1) m_param.m_EverLoadVal += m_param.m_nBoardWidth * kSelfWeightPerMm;
    const int nResult = SolveOnServer();
    m_param.m_EverLoadVal = dStoredDeadLoad;
    if (nResult == 1) m_bModified = 0;
    return nResult;
}

int CAtypicalBoardParam::SolveOnServer()
{
    try {
        CPlateSolverClient client;
        m_BoardData.m_ResultLines.RemoveAll();
        if (!client.Solve(m_BoardData, m_param)) {
            CArray<BoardReinResult, const BoardReinResult&> rows;
            client.GetResults(rows);
            AfxMessageBox(RefusalMessage(rows, m_param, m_BoardData.m_BoardPoly.GetCount()), MB_OK);
            return 0;
        }
        // Read whole before anything is replaced, so that a failing read leaves the model as it was.
        CBoardData solved;
        solved.Reset();
        client.GetModel(solved);
        CArray<BoardReinResult, const BoardReinResult&> rows;
        client.GetResults(rows);
        m_BoardData = solved;
        m_ReinResults.Copy(rows);
        return 1;
    } catch (const _com_error& error) {
        m_BoardData.m_ResultLines.RemoveAll();
        ShowServerError(error);
        return 0;
    }
}
