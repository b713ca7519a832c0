#include "slab/irregular/PlateSolverClient.h"

#include "com/ClassRegistry.h"
#include "com/ComError.h"
#include "plateserver/interface/PlateSolver.h"
#include "slab/irregular/BoardRecords.h"

CPlateSolverClient::CPlateSolverClient() : m_pSolver(nullptr)
{
    IUnknown* pUnknown = nullptr;
    if (FAILED(CoCreateInstance(CLSID_PlateSolver, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&pUnknown))))
        return;
    if (SUCCEEDED(OleRun(pUnknown)))
        pUnknown->QueryInterface(IID_IPlateSolver, reinterpret_cast<void**>(&m_pSolver));
    pUnknown->Release();
}

CPlateSolverClient::~CPlateSolverClient()
{
    if (m_pSolver) m_pSolver->Release();
}

IPlateSolver* CPlateSolverClient::Solver() const
{
    if (!m_pSolver) _com_issue_error(E_POINTER);
    return m_pSolver;
}

void CPlateSolverClient::Check(HRESULT hr) const
{
    if (FAILED(hr)) _com_issue_errorex(hr, m_pSolver, IID_IPlateSolver);
}

int CPlateSolverClient::Solve(const CBoardData& data, const CBoardSetting& setting)
{
    IPlateSolver* pSolver = Solver();
    _variant_t model, settings;
    PackModelRecord(data, model.GetVARIANT());
    PackSettingRecord(setting, settings.GetVARIANT());
    std::int32_t nFlag = 0;
    Check(pSolver->Solve(model.GetVARIANT(), settings.GetVARIANT(), &nFlag));
    model.Clear();
    settings.Clear();
    return nFlag != 0 ? 1 : 0;
}

void CPlateSolverClient::GetModel(CBoardData& data)
{
    IPlateSolver* pSolver = Solver();
    _variant_t model;
    Check(pSolver->GetModel(&model.GetVARIANT()));
    UnpackModelRecord(model.GetVARIANT(), data);
}

void CPlateSolverClient::GetResults(CArray<BoardReinResult, const BoardReinResult&>& rows)
{
    IPlateSolver* pSolver = Solver();
    _variant_t results;
    Check(pSolver->GetResults(&results.GetVARIANT()));
    ReadResultArray(results.GetVARIANT(), rows);
}

double CPlateSolverClient::CalCrackWidth(int nRowId, double dDiameter, int nDirection, double dSpacing,
                                         const CBoardSetting& setting, double dArea)
{
    IPlateSolver* pSolver = Solver();
    _variant_t settings;
    PackSettingRecord(setting, settings.GetVARIANT());
    double dWidth = 0.0;
    Check(pSolver->CalCrackWidth(nRowId, dDiameter, nDirection, dSpacing, settings.GetVARIANT(), dArea, &dWidth));
    settings.Clear();
    return dWidth;
}
