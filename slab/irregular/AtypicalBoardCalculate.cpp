// The slab's calculation: the model and settings go to the analysis server; its copy of the model,
// with the result elements, and the result rows come back.
#include "com/ComError.h"
#include "mfc/user/MessageBox.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/irregular/PlateSolverClient.h"
#include "slab/irregular/ServerErrorMessage.h"

int CAtypicalBoardParam::Calculate()
{
    if (m_bModified == 0) return 1;
    m_ReinResults.RemoveAll();
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
            AfxMessageBox("计算超限,请返回修改!", MB_OK);
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
