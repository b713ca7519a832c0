// The analysis server as a COM class: what it answers to calls out of order, to records of the wrong
// shape and to missing out pointers. (Solutions are tested with the slab's own records, in the
// irregular slab's tests.)
#include <gtest/gtest.h>
#include <omp.h>

#include "com/ClassRegistry.h"
#include "com/SafeArrayData.h"
#include "plateserver/interface/PlateRecords.h"
#include "plateserver/PlateServer.h"

namespace {

class PlateServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterPlateServer();
        ASSERT_EQ(CoCreateInstance(CLSID_PlateSolver, nullptr, CLSCTX_ALL, IID_IPlateSolver,
                                   reinterpret_cast<void**>(&m_solver)),
                  S_OK);
    }
    void TearDown() override
    {
        if (m_solver) m_solver->Release();
    }
    IPlateSolver* m_solver = nullptr;
};

TEST_F(PlateServer, IsAnAutomationObjectWithoutTypeInformation) {
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(m_solver->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    UINT count = 7;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(dispatch->Invoke(1, IID_NULL, 0, 0, nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
    dispatch->Release();
    RevokePlateServer();
    IUnknown* unknown = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_PlateSolver, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&unknown)),
              REGDB_E_CLASSNOTREG);
}

TEST_F(PlateServer, RecordsOfTheWrongShapeFailAndLeaveNoSolution) {
    _variant_t model, settings, numbers;
    ASSERT_EQ(CreateValueArray(VT_R8, 2, numbers.GetVARIANT()), S_OK);
    ASSERT_EQ(CreateRecordArray(LIBID_PlateServer, GUID_SettingRecord, 1, settings.GetVARIANT()), S_OK);
    std::int32_t flag = 7;
    EXPECT_EQ(m_solver->Solve(model.GetVARIANT(), settings.GetVARIANT(), &flag), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(m_solver->Solve(settings.GetVARIANT(), numbers.GetVARIANT(), &flag), DISP_E_TYPEMISMATCH);
    // Two model records where one is expected.
    ASSERT_EQ(CreateRecordArray(LIBID_PlateServer, GUID_ModelRecord, 2, model.GetVARIANT()), S_OK);
    EXPECT_EQ(m_solver->Solve(model.GetVARIANT(), settings.GetVARIANT(), &flag), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(m_solver->Solve(model.GetVARIANT(), settings.GetVARIANT(), nullptr), E_POINTER);

    VARIANT out;
    VariantInit(&out);
    EXPECT_EQ(m_solver->GetModel(&out), E_UNEXPECTED);
    EXPECT_EQ(m_solver->GetResults(&out), E_UNEXPECTED);
    EXPECT_EQ(out.vt, VT_EMPTY);
    EXPECT_EQ(m_solver->GetModel(nullptr), E_POINTER);
    double width = -1.0;
    EXPECT_EQ(m_solver->CalCrackWidth(0, 10.0, 2, 150.0, settings.GetVARIANT(), 523.0, &width), E_INVALIDARG);
    EXPECT_EQ(width, 0.0);
}

// Once a server exists, a parallel region that asks for four threads (as CHOLMOD's do) runs on one.
TEST_F(PlateServer, ParallelRegionsRunOnOneThread) {
    int threads = 0;
#pragma omp parallel num_threads(4)
    {
#pragma omp single
        threads = omp_get_num_threads();
    }
    EXPECT_EQ(threads, 1);
}

// A client that knows only the class id and the server's library: the registry loads the library
// when the class is first asked for, and tells a library that is missing or serves no such class.
TEST(PlateServerLibrary, IsLoadedWhenItsClassIsFirstAskedFor) {
    const CLSID otherClass = {0x0BADC0DE, 0x1111, 0x2222, {3, 3, 3, 3, 3, 3, 3, 3}};
    struct Case {
        const char* name;
        const char* library;
        const CLSID* clsid;
        HRESULT expected;
    };
    const Case cases[] = {
        {"the server", QELT_PLATESERVER, &CLSID_PlateSolver, S_OK},
        {"a class it does not serve", QELT_PLATESERVER, &otherClass, CLASS_E_CLASSNOTAVAILABLE},
        {"no such library", "/nonexistent/libqelt_plateserver.so", &CLSID_PlateSolver, CO_E_DLLNOTFOUND},
        {"a library that is no server", QELT_COM_LIBRARY, &CLSID_PlateSolver, CO_E_ERRORINDLL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CoRevokeInprocClass(*c.clsid);
        CoRegisterInprocServer(*c.clsid, c.library);
        IPlateSolver* solver = nullptr;
        EXPECT_EQ(CoCreateInstance(*c.clsid, nullptr, CLSCTX_ALL, IID_IPlateSolver, reinterpret_cast<void**>(&solver)),
                  c.expected);
        EXPECT_EQ(solver != nullptr, c.expected == S_OK);
        if (solver) {
            std::int32_t flag = 7;
            EXPECT_EQ(solver->Solve(VARIANT(), VARIANT(), &flag), DISP_E_TYPEMISMATCH);
            solver->Release();
        }
        CoRevokeInprocClass(*c.clsid);
    }
}

}  // namespace
