// The beam model: spans, load cases and their loads, copies, and the solver's system.
#include <gtest/gtest.h>

#include "ExpectedMisuses.h"

#include "BeamBuilder.h"
#include "mfc/base/Diagnostics.h"

namespace {

using namespace beamtest;

// Loads per case on a span, as (case, uniform q) pairs in record order.
std::vector<std::pair<int, double>> UniformLoads(const CSteelSpan& span) {
    std::vector<std::pair<int, double>> loads;
    for (int r = 0; r < span.m_SpanLoadArr.GetSize(); ++r) {
        const CSteelSpanLoad* load = span.m_SpanLoadArr[r];
        for (int k = 0; k < load->m_DisLoadArr.GetSize(); ++k) loads.push_back({load->m_nComIndex, load->m_DisLoadArr[k]});
    }
    return loads;
}

TEST(BeamModel, LoadOperationsActOnTheCurrentCase) {
    CSteelBeam beam;
    Build(beam, {6, 4});
    AddCase(beam, BEAM_CASE_LIVE);
    CSteelSpan* span = beam.getSpan(0);
    EXPECT_EQ(span->GetCurComLoad(), nullptr);
    EXPECT_TRUE(span->AddSpanLoad(BEAM_LOAD_UNIFORM, 5.0));
    EXPECT_TRUE(span->AddSpanLoad(BEAM_LOAD_FORCE, NormalLoad{20, 1}));
    EXPECT_TRUE(span->InsertSpanLoad(BEAM_LOAD_FORCE, 0, NormalLoad{30, 2}));
    ASSERT_NE(span->GetCurComLoad(), nullptr);
    EXPECT_EQ(span->GetCurComLoad()->m_nComIndex, 1);
    EXPECT_EQ(span->GetCurComLoad()->m_CenLoadArr[0].m_dLoadValue, 30);
    EXPECT_EQ(span->GetCurComLoad()->m_CenLoadArr[1].m_dLoadValue, 20);

    // A value of the wrong type or a bad index changes nothing.
    qelt::test::ExpectedMisuses misuses;
    EXPECT_FALSE(span->AddSpanLoad(BEAM_LOAD_FORCE, 5.0));
    EXPECT_FALSE(span->AddSpanLoad(BEAM_LOAD_UNIFORM, NormalLoad{5, 0}));
    EXPECT_FALSE(span->AddSpanLoad(7, 5.0));
    EXPECT_FALSE(span->InsertSpanLoad(BEAM_LOAD_FORCE, 3, NormalLoad{1, 1}));
    EXPECT_FALSE(span->DelSpanLoad(BEAM_LOAD_MOMENT, 0));
    EXPECT_EQ(misuses.Count(), 5);
    EXPECT_EQ(span->GetCurComLoad()->m_CenLoadArr.GetSize(), 2);

    EXPECT_TRUE(span->DelSpanLoad(BEAM_LOAD_FORCE, 0));
    EXPECT_EQ(span->GetCurComLoad()->m_CenLoadArr[0].m_dLoadValue, 20);
    EXPECT_TRUE(beam.SetCurrentCom(0));
    EXPECT_EQ(span->GetCurComLoad(), nullptr);
    EXPECT_FALSE(beam.SetCurrentCom(2));
    EXPECT_EQ(beam.GetCurrentCom(), 0);

    // A span added or inserted later follows the beam's current case.
    beam.SetCurrentCom(1);
    beam.InsertSpan(0, NewSpan(3));
    beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_UNIFORM, 7.0);
    EXPECT_EQ(beam.getSpan(0)->m_SpanLoadArr[0]->m_nComIndex, 1);
    EXPECT_EQ(beam.getSpan(3), nullptr);
    EXPECT_EQ(beam.getSpan(-1), nullptr);
}

TEST(BeamModel, RemovingACaseTakesItsLoadsAndMovesTheLaterOnesDown) {
    struct Case {
        int removed, current;
        std::vector<std::pair<int, double>> loads;
        int currentAfter;
    } cases[] = {
        {1, 2, {{0, 1}, {1, 3}}, 1},
        {1, 1, {{0, 1}, {1, 3}}, 1},
        {2, 2, {{0, 1}, {1, 2}}, 1},
        {0, 0, {{0, 2}, {1, 3}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.removed);
        CSteelBeam beam;
        Build(beam, {6});
        beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_UNIFORM, 1.0);
        AddCase(beam, BEAM_CASE_LIVE);
        beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_UNIFORM, 2.0);
        AddCase(beam, BEAM_CASE_DEAD);
        beam.getSpan(0)->AddSpanLoad(BEAM_LOAD_UNIFORM, 3.0);
        beam.SetCurrentCom(c.current);
        beam.RemoveComStyle(c.removed);
        EXPECT_EQ(beam.GetComNum(), 2);
        EXPECT_EQ(UniformLoads(*beam.getSpan(0)), c.loads);
        EXPECT_EQ(beam.GetCurrentCom(), c.currentAfter);
        EXPECT_EQ(beam.getSpan(0)->m_nCurCom, c.currentAfter);
    }
    CSteelBeam beam;
    Build(beam, {6});
    beam.ModifyComStyle(0, BEAM_CASE_LIVE);
    beam.ModifyComStyle(1, BEAM_CASE_DEAD);  // no case 1: nothing changes
    EXPECT_EQ(beam.GetComNum(), 1);
    EXPECT_EQ(beam.m_ComStyleArr[0], BEAM_CASE_LIVE);
}

TEST(BeamModel, QueriesOfTheModel) {
    CSteelBeam beam;
    Build(beam, {6, 4.5});
    beam.AddSpan(new CSteelSpan);  // an empty span adds no length
    EXPECT_DOUBLE_EQ(beam.getBeamlength(), 10.5);
    EXPECT_TRUE(beam.getSpan(2)->IsEmpty());
    beam.getSpan(2)->m_dSpanLen = 0;
    EXPECT_FALSE(beam.getSpan(2)->IsEmpty());
    beam.DeleteSpan(2);
    EXPECT_EQ(beam.getSpanNum(), 2);

    Normal(beam, 0, BEAM_LOAD_FORCE, -50, 1);
    Normal(beam, 0, BEAM_LOAD_MOMENT, 100, 1);  // moments are left out
    Uniform(beam, 1, 20);
    beam.getSpan(1)->AddSpanLoad(BEAM_LOAD_PARTIAL, AnyLoad{5, -60, 0, 1});
    EXPECT_DOUBLE_EQ(beam.getMaxLoadValue(), 60);
    AddCase(beam, BEAM_CASE_LIVE);
    EXPECT_DOUBLE_EQ(beam.getMaxLoadValue(), 0);
}

TEST(BeamModel, CopiesAreDeep) {
    CSteelBeam source;
    Build(source, {6, 6}, BEAM_END_FIXED, BEAM_END_SIMPLE);
    source.m_dConLoadScale = 1.35;
    Uniform(source, 0, 10);
    AddCase(source, BEAM_CASE_LIVE);
    Normal(source, 1, BEAM_LOAD_FORCE, 40, 2);

    CSteelSpan unanalysed;
    unanalysed.m_dSecWidth = 250;
    unanalysed = *source.getSpan(0);
    EXPECT_TRUE(unanalysed.IsEmptyEnvelop());
    EXPECT_EQ(unanalysed.m_dSecWidth, 250);  // the section is not taken
    EXPECT_EQ(UniformLoads(unanalysed), (std::vector<std::pair<int, double>>{{0, 10}}));

    ASSERT_EQ(source.CalBeamStruct(), 1);
    CSteelBeam copy;
    copy = source;
    source.getSpan(0)->m_PosMomEnv[300].m_dValue = -1;
    source.getSpan(0)->m_SpanLoadArr[0]->m_DisLoadArr[0] = 99;
    source.Reset();

    ASSERT_EQ(copy.getSpanNum(), 2);
    EXPECT_EQ(copy.GetComNum(), 2);
    EXPECT_EQ(copy.m_nLeftSupport, BEAM_END_FIXED);
    EXPECT_EQ(copy.m_dConLoadScale, 1.35);
    EXPECT_EQ(copy.m_BeamFunction.getDimension(), 3);
    const CSteelSpan& span = *copy.getSpan(0);
    ASSERT_FALSE(span.IsEmptyEnvelop());
    EXPECT_GT(span.getPosMoment(300), 0);
    EXPECT_EQ(UniformLoads(span), (std::vector<std::pair<int, double>>{{0, 10}}));
    EXPECT_EQ(span.m_ForceValueArr.GetSize(), 2);

    // The copy analyses as the source did.
    const double before = copy.getSpan(1)->getNegMoment(0);
    ASSERT_EQ(copy.CalBeamStruct(), 1);
    EXPECT_DOUBLE_EQ(copy.getSpan(1)->getNegMoment(0), before);
}

TEST(BeamModel, TheSystemOfTheLastAnalysis) {
    // Simple span under q: K = EI/L·[4 2; 2 4], nodal moments −qL²/12 and +qL²/12.
    CSteelBeam beam;
    Build(beam, {6});
    Uniform(beam, 0, 10);
    EXPECT_TRUE(beam.m_BeamFunction.IsEmpty());
    ASSERT_EQ(beam.CalBeamStruct(), 1);
    const CBeamFunction& system = beam.m_BeamFunction;
    ASSERT_EQ(system.getDimension(), 2);
    EXPECT_DOUBLE_EQ(system.MatrixA(0), 4 * kEI / 6);
    EXPECT_DOUBLE_EQ(system.MatrixC(0), 2 * kEI / 6);
    EXPECT_DOUBLE_EQ(system.MatrixB(1), 2 * kEI / 6);
    EXPECT_DOUBLE_EQ(system.MatrixB(0), 0.0);
    EXPECT_NEAR(system.MatrixM(0), -30, 1e-12);
    EXPECT_NEAR(system.MatrixM(1), 30, 1e-12);
    EXPECT_EQ(system.MatrixA(2), 0.0);
    EXPECT_EQ(system.MatrixM(-1), 0.0);

    // End forces per case with factor 1: qL/2 at both ends, no end moments.
    const SteelCalForceValue& forces = beam.getSpan(0)->m_ForceValueArr[0];
    EXPECT_EQ(forces.m_nComIndex, 0);
    EXPECT_NEAR(forces.m_dShearLeft, 30, 1e-9);
    EXPECT_NEAR(forces.m_dShearRight, -30, 1e-9);
    EXPECT_NEAR(forces.m_dMomLeft, 0, 1e-9);
}

}  // namespace
