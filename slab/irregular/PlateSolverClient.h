#pragma once

// CPlateSolverClient: one connection to the analysis server for one operation of its caller.
// Creation leaves a null interface when the server is missing; every call on a null interface
// raises _com_error with E_POINTER, and a failing call raises _com_error with the call's result
// code and the interface id. Solve comes first; GetModel and GetResults on the same client then
// give that solution; CalCrackWidth is asked of a client of its own.

#include "mfc/base/Array.h"
#include "slab/irregular/BoardData.h"
#include "slab/irregular/BoardReinResult.h"
#include "slab/irregular/BoardSetting.h"

class IPlateSolver;

// Direction codes of a crack-width request.
enum { CRACK_EDGE_ROW = 1, CRACK_BOTTOM_ROW = 2 };

class CPlateSolverClient {
public:
    CPlateSolverClient();
    ~CPlateSolverClient();
    CPlateSolverClient(const CPlateSolverClient&) = delete;
    CPlateSolverClient& operator=(const CPlateSolverClient&) = delete;

    BOOL IsConnected() const { return m_pSolver != nullptr; }

    // 1 when solved, 0 when the slab is more than the calculation can handle.
    int Solve(const CBoardData& data, const CBoardSetting& setting);
    // Appends the solved model (the input with the result points, lines and texts) to the model.
    void GetModel(CBoardData& data);
    // Appends the result rows.
    void GetResults(CArray<BoardReinResult, const BoardReinResult&>& rows);
    // The crack width (mm) of a row with the bars given.
    double CalCrackWidth(int nRowId, double dDiameter, int nDirection, double dSpacing, const CBoardSetting& setting,
                         double dArea);

private:
    IPlateSolver* Solver() const;
    void Check(HRESULT hr) const;

    IPlateSolver* m_pSolver;
};
