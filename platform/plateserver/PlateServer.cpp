// The plate server's COM class. The last solution is kept for the whole process, so that a later
// client asks for the crack width of one of its rows with other bars.
#include <dlfcn.h>
#include <omp.h>

#include <memory>

#include "com/SafeArrayData.h"
#include "fea/Serviceability.h"
#include "plateserver/PlateServer.h"
#include "plateserver/ServerOutput.h"

namespace fea = qelt::fea;

namespace {

struct Solution {
    bool solved = false;  // false: refused, with the mesh when there is one and rows that say why
    ServerInput input;
    fea::PlateAnalysis analysis;
    fea::SlabDesign design;
    _variant_t model;  // the input model with the result elements in place of those sent
    _variant_t rows;
};

std::unique_ptr<Solution>& LastSolution()
{
    static std::unique_ptr<Solution> last;
    return last;
}

// The server works on the caller's thread alone: the host calls from its one user-interface thread,
// and a machine's other cores belong to other work. CHOLMOD asks for its own number of OpenMP
// threads in each parallel region, which no thread count overrides; with no active parallel level
// every region runs on the thread that meets it. The BLAS under it is told the same when it has
// threads of its own.
void UseOneThread()
{
    omp_set_max_active_levels(0);
    using SetThreads = void (*)(int);
    if (auto openblas = reinterpret_cast<SetThreads>(dlsym(RTLD_DEFAULT, "openblas_set_num_threads"))) openblas(1);
}

bool EveryRowDesigned(const fea::SlabDesign& design)
{
    for (const fea::DesignRow& row : design.rows)
        if (row.status != fea::RowStatus::Designed) return false;
    return true;
}

// Why a slab that was not analysed was refused.
std::int32_t RefusalOf(InputStatus input, fea::AnalysisStatus analysis)
{
    if (input == InputStatus::NoOutline) return kSlabNoOutline;
    if (input == InputStatus::BadSettings) return kSlabBadSettings;
    switch (analysis) {
    case fea::AnalysisStatus::Mechanism: return kSlabMechanism;
    case fea::AnalysisStatus::TooLarge: return kSlabTooLarge;
    default: return kSlabBadInput;
    }
}

// The model as sent, its result elements replaced by those of the solution.
HRESULT EchoModel(const VARIANT& sent, Solution& solution)
{
    const fea::SlabDesign* design = solution.solved ? &solution.design : nullptr;
    HRESULT hr = VariantCopy(&solution.model.GetVARIANT(), &sent);
    if (FAILED(hr)) return hr;
    CSafeArrayData data;
    if (FAILED(hr = data.Open(solution.model.GetVARIANT(), VT_RECORD, &GUID_ModelRecord))) return hr;
    ModelRecord& model = data.At<ModelRecord>(0);
    return BuildResultPictures(solution.input, solution.analysis, design, model.resultPoints, model.resultLines,
                               model.resultTexts);
}

class CPlateSolver final : public IPlateSolver {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != IID_IDispatch && riid != IID_IPlateSolver) return E_NOINTERFACE;
        *ppv = static_cast<IPlateSolver*>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG refs = --m_refs;
        if (refs == 0) delete this;
        return refs;
    }

    HRESULT GetTypeInfoCount(UINT* count) override
    {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, void**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, const wchar_t**, UINT, LCID, LONG*) override { return E_NOTIMPL; }
    HRESULT Invoke(LONG, REFIID, LCID, WORD, void*, void*, void*, UINT*) override { return E_NOTIMPL; }

    HRESULT Solve(VARIANT model, VARIANT settings, std::int32_t* flag) override
    {
        if (!flag) return E_POINTER;
        *flag = 0;
        LastSolution().reset();
        auto solution = std::make_unique<Solution>();
        InputStatus status = InputStatus::Ready;
        HRESULT hr = ReadServerInput(model, settings, solution->input, status);
        if (FAILED(hr)) return hr;
        bool designed = false;
        if (status == InputStatus::Ready) {
            solution->analysis = fea::AnalysePlate(solution->input.slab, solution->input.mesh);
            if (solution->analysis.status == fea::AnalysisStatus::Solved) {
                solution->design = fea::DesignSlab(solution->input.slab, solution->analysis, solution->input.design);
                designed = true;
                solution->solved = EveryRowDesigned(solution->design);
            }
        }
        // A refused slab is kept too: its model comes back with the mesh, if any, and rows that say why.
        if (FAILED(hr = EchoModel(model, *solution)) ||
            FAILED(hr = designed ? BuildResultRows(solution->design, solution->rows.GetVARIANT())
                                 : BuildRefusalRow(RefusalOf(status, solution->analysis.status),
                                                   solution->rows.GetVARIANT())))
            return hr;
        *flag = solution->solved ? 1 : 0;
        LastSolution() = std::move(solution);
        return S_OK;
    }

    HRESULT GetResults(VARIANT* results) override
    {
        if (!results) return E_POINTER;
        if (!LastSolution()) return E_UNEXPECTED;
        return VariantCopy(results, &LastSolution()->rows.GetVARIANT());
    }

    HRESULT GetModel(VARIANT* model) override
    {
        if (!model) return E_POINTER;
        if (!LastSolution()) return E_UNEXPECTED;
        return VariantCopy(model, &LastSolution()->model.GetVARIANT());
    }

    HRESULT CalCrackWidth(std::int32_t rowId, double diameter, std::int32_t, double spacing, VARIANT settings, double,
                          double* width) override
    {
        if (!width) return E_POINTER;
        *width = 0.0;
        const Solution* last = LastSolution().get();
        if (!last || !last->solved || rowId < 0 || rowId >= std::int32_t(last->design.rows.size()) || diameter <= 0.0 ||
            spacing <= 0.0)
            return E_INVALIDARG;
        fea::DesignSettings design;
        InputStatus status = InputStatus::Ready;
        const HRESULT hr = ReadDesignSettings(settings, design, status);
        if (FAILED(hr)) return hr;
        if (status != InputStatus::Ready) return E_INVALIDARG;
        *width = fea::RowCrackWidth(last->design.rows[std::size_t(rowId)], design.section, diameter, spacing);
        return S_OK;
    }

private:
    ~CPlateSolver() = default;
    ULONG m_refs = 0;
};

HRESULT CreatePlateSolver(REFIID riid, void** ppv)
{
    UseOneThread();
    CPlateSolver* solver = new CPlateSolver;
    solver->AddRef();
    const HRESULT hr = solver->QueryInterface(riid, ppv);
    solver->Release();
    return hr;
}

}  // namespace

HRESULT DllGetClassObject(REFCLSID clsid, InprocClassFactory* factory)
{
    if (!factory) return E_POINTER;
    *factory = nullptr;
    if (clsid != CLSID_PlateSolver) return CLASS_E_CLASSNOTAVAILABLE;
    RegisterPlateRecordTypes();
    *factory = &CreatePlateSolver;
    return S_OK;
}

void RegisterPlateServer()
{
    RegisterPlateRecordTypes();
    CoRegisterInprocClass(CLSID_PlateSolver, &CreatePlateSolver);
}

void RevokePlateServer() { CoRevokeInprocClass(CLSID_PlateSolver); }
