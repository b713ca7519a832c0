// Every number box of the flexural checks, in each state that enables it, given what no calculation
// may take (nan, inf, -inf, 1e400, -1, letters, nothing): each is refused with the box's range message
// and a number within its bounds comes back; the calculation that follows reads as numbers. A stored
// value that never passed its box is refused when "计算" is clicked.
#include <gtest/gtest.h>

#include <cmath>

#include "BadNumberSession.h"
#include "Printers.h"
#include "checks/flexural/DeepFlexNormalDlg.h"
#include "checks/flexural/DeepFlexNormalParam.h"
#include "checks/flexural/DeepFlexObliqueDlg.h"
#include "checks/flexural/DeepFlexObliqueParam.h"
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/FlexObliqueDlg.h"
#include "checks/flexural/FlexObliqueParam.h"

namespace {

const double kLength = 10000, kSpan = 100000, kForce = 500000, kArea = 20000;

using FlexNormalBadNumbers = BadNumberSession<CStlcnFlexNormalDlg, CStlcnFlexNormalParam>;

TEST_F(FlexNormalBadNumbers, AreRefused) {
    const PageState states[] = {
        {"design, rectangle, single", [](qelt::UserScript&) {},
         {{IDC_FN_B, 1e-6, kLength}, {IDC_FN_H, 1e-6, kLength}, {IDC_FN_GO, 1e-6, 10}, {IDC_FN_PMIN_PL, 0, 10},
          {IDC_FN_AS_PL, 0, 1000}, {IDC_FN_M, 1e-6, kForce}}},
        {"design, T section", [](qelt::UserScript& s) { s.Choose(IDC_FN_SECTION, "T形"); },
         {{IDC_FN_BF, 1e-6, kLength}, {IDC_FN_HF, 1e-6, kLength}}},
        {"capacity, given compression steel",
         [](qelt::UserScript& s) {
             s.Choose(IDC_FN_SECTION, "矩形").Choose(IDC_FN_MATCHBAR, "双筋(已知受压钢筋)").Click(IDC_FN_CAPACITY);
         },
         {{IDC_FN_AS_PS, 0, 1000}, {IDC_FN_PMIN_PS, 0, 10}, {IDC_FN_AREAS_PL, 1e-6, kArea},
          {IDC_FN_AREAS_PS, 1e-6, kArea}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(FlexNormalBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dB = std::nan("");
    CalculateStoredValue({IDC_FN_B, 1e-6, kLength});
    EXPECT_EQ(m_param.m_dB, kLength);  // the old value, not a number, is put back as the upper bound
}

using FlexObliqueBadNumbers = BadNumberSession<CStlcnFlexObliqueDlg, CStlcnFlexObliqueParam>;

TEST_F(FlexObliqueBadNumbers, AreRefused) {
    const PageState states[] = {
        {"design, rectangle, uniform load", [](qelt::UserScript&) {},
         {{IDC_FO_B, 1e-6, kLength}, {IDC_FO_H, 1e-6, kLength}, {IDC_FO_GO, 1e-6, 10}, {IDC_FO_S, 1e-6, 1000},
          {IDC_FO_PMIN, 0, 10}, {IDC_FO_AS, 0, 1000}, {IDC_FO_V, 1e-6, kForce}}},
        {"capacity, T section, concentrated load",
         [](qelt::UserScript& s) {
             s.Choose(IDC_FO_SECTION, "T形").Choose(IDC_FO_FTYPE, "集中荷载独立梁").Click(IDC_FO_CAPACITY);
         },
         {{IDC_FO_BF, 1e-6, kLength}, {IDC_FO_HF, 1e-6, kLength}, {IDC_FO_A, 1e-6, kLength},
          {IDC_FO_AREAS_SV, 1e-6, kArea}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(FlexObliqueBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dS = -50;
    CalculateStoredValue({IDC_FO_S, 1e-6, 1000});
}

using DeepNormalBadNumbers = BadNumberSession<CStlcnDeepFlexNormalDlg, CStlcnDeepFlexNormalParam>;

TEST_F(DeepNormalBadNumbers, AreRefused) {
    const PageState states[] = {
        {"design", [](qelt::UserScript&) {},
         {{IDC_DN_AS, 0, 1000}, {IDC_DN_PMIN, 0, 10}, {IDC_DN_GO, 1e-6, 10}, {IDC_DN_B, 1e-6, kLength},
          {IDC_DN_H, 1e-6, kLength}, {IDC_DN_LO, 1e-6, kSpan}, {IDC_DN_M, 1e-6, kForce}}},
        {"capacity", [](qelt::UserScript& s) { s.Click(IDC_DN_CAPACITY); }, {{IDC_DN_AREAS, 1e-6, kArea}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(DeepNormalBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dLo = INFINITY;
    CalculateStoredValue({IDC_DN_LO, 1e-6, kSpan});
}

using DeepObliqueBadNumbers = BadNumberSession<CStlcnDeepFlexObliqueDlg, CStlcnDeepFlexObliqueParam>;

TEST_F(DeepObliqueBadNumbers, AreRefused) {
    const PageState states[] = {
        {"find Ash, uniform load", [](qelt::UserScript&) {},
         {{IDC_DO_B, 1e-6, kLength}, {IDC_DO_H, 1e-6, kLength}, {IDC_DO_LO, 1e-6, kSpan}, {IDC_DO_GO, 1e-6, 10},
          {IDC_DO_SV, 1e-6, 1000}, {IDC_DO_SH, 1e-6, 1000}, {IDC_DO_PMIN_SH, 0, 10}, {IDC_DO_PMIN_SV, 0, 10},
          {IDC_DO_AS, 0, 1000}, {IDC_DO_V, 1e-6, kForce}, {IDC_DO_AREAS_SV, 1e-6, kArea}}},
        {"find V, concentrated load",
         [](qelt::UserScript& s) { s.Choose(IDC_DO_FTYPE, "集中荷载独立梁").Click(IDC_DO_FIND_V); },
         {{IDC_DO_A, 1e-6, kLength}, {IDC_DO_AREAS_SH, 1e-6, kArea}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(DeepObliqueBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dGo = 0;
    CalculateStoredValue({IDC_DO_GO, 1e-6, 10});
}

}  // namespace
