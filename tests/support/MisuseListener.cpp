// Fails every test in which the class library reported a misuse that the test did not expect
// (ExpectedMisuses.h). Compiled into every test program, where it joins the test listeners.
#include <gtest/gtest.h>

#include "ExpectedMisuses.h"
#include "mfc/base/Diagnostics.h"

namespace qelt::test {
namespace {

// Misuses of the running test that fell within an ExpectedMisuses.
int g_expected = 0;

class MisuseListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        m_atStart = MisuseCount();
        g_expected = 0;
    }
    // Runs before the result printer's OnTestEnd, so that the test is shown as failed.
    void OnTestEnd(const ::testing::TestInfo&) override {
        const int unexpected = MisuseCount() - m_atStart - g_expected;
        if (unexpected > 0)
            ADD_FAILURE() << unexpected << " misuse(s) of the class library that the test did not expect (see "
                          << "\"qelt: misuse:\" above)";
    }

    int m_atStart = 0;
};

const bool g_registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new MisuseListener);
    return true;
}();

}  // namespace

ExpectedMisuses::ExpectedMisuses() : m_before(MisuseCount()) {}

ExpectedMisuses::~ExpectedMisuses() { g_expected += Count(); }

int ExpectedMisuses::Count() const { return MisuseCount() - m_before; }

}  // namespace qelt::test
