// Every number box of the torsion, punching, local and axial compression checks, in each state that
// enables it, given what no calculation may take (nan, inf, -inf, 1e400, -1, letters, nothing; a box
// that takes digits only nothing and too many): each is refused with the box's range message and a
// number within its bounds comes back; the calculation that follows reads as numbers. A stored value
// that never passed its box is refused when "计算" is clicked.
#include <gtest/gtest.h>

#include <cmath>

#include "BadNumberSession.h"
#include "Printers.h"
#include "checks/members/DiecuttingDlg.h"
#include "checks/members/DiecuttingParam.h"
#include "checks/members/GeneralDlg.h"
#include "checks/members/GeneralParam.h"
#include "checks/members/LocalPressDlg.h"
#include "checks/members/LocalPressParam.h"
#include "checks/members/PillarDlg.h"
#include "checks/members/PillarParam.h"
#include "resources/MembersResource.h"

namespace {

const double kLength = 10000, kForce = 500000, kArea = 20000;

using GeneralBadNumbers = BadNumberSession<CStlcnGeneralDlg, CStlcnGeneralParam>;

TEST_F(GeneralBadNumbers, AreRefused) {
    const PageState states[] = {
        {"design, rectangle", [](qelt::UserScript&) {},
         {{IDC_GN_B, 1e-6, kLength}, {IDC_GN_H, 1e-6, kLength}, {IDC_CHECK_GO, 1e-6, 10}, {IDC_GN_ZETA, 0.6, 1.7},
          {IDC_GN_HOOP_COUNT, 1, 20, true}, {IDC_GN_HOOP_INTERVAL, 1e-6, 1000}, {IDC_GN_AS, 0, 1000},
          {IDC_GN_COVER, 0, 1000}, {IDC_GN_PSVMIN, 0, 10}, {IDC_GN_PTLMIN, 0, 10}, {IDC_GN_T, 1e-6, kForce}}},
        {"capacity, rectangle", [](qelt::UserScript& s) { s.Click(IDC_GN_CAPACITY); },
         {{IDC_GN_RECT_AST1, 1e-6, kArea}, {IDC_GN_RECT_ASTL, 1e-6, kArea}}},
        {"capacity, T section", [](qelt::UserScript& s) { s.Choose(IDC_GN_SECTION, "T形"); },
         {{IDC_GN_BF, 1e-6, kLength}, {IDC_GN_HF, 1e-6, kLength}, {IDC_GN_WEB_AST1, 1e-6, kArea},
          {IDC_GN_WEB_ASTL, 1e-6, kArea}, {IDC_GN_FLANGE_AST1, 1e-6, kArea}, {IDC_GN_FLANGE_ASTL, 1e-6, kArea}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(GeneralBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dHoopSteelCount = 0;
    CalculateStoredValue({IDC_GN_HOOP_COUNT, 1, 20});
}

using DiecuttingBadNumbers = BadNumberSession<CStlcnDiecuttingDlg, CStlcnDiecuttingParam>;

TEST_F(DiecuttingBadNumbers, AreRefused) {
    const PageState states[] = {
        {"stirrups, local load, rectangle",
         [](qelt::UserScript& s) {
             s.Choose(IDC_DC_TYPE, "配筋").Choose(IDC_DC_STYLE, "箍筋").Choose(IDC_DC_BOARD_FORCE, "局部荷载作用");
         },
         {{IDC_DC_A, 1e-6, kLength}, {IDC_DC_B, 1e-6, kLength}, {IDC_DC_H, 1e-6, kLength}, {IDC_DC_HO, 1e-6, kLength},
          {IDC_CHECK_GO, 1e-6, 10}, {IDC_DC_ASVU, 1e-6, kArea}, {IDC_DC_FL, 1e-6, kForce}}},
        {"bent bars, reaction, circle",
         [](qelt::UserScript& s) {
             s.Choose(IDC_DC_STYLE, "弯起钢筋").Choose(IDC_DC_BOARD_FORCE, "集中反力作用").Choose(IDC_DC_SECTION, "圆形");
         },
         {{IDC_DC_D, 1e-6, kLength}, {IDC_DC_ALPHA, 0, 360}, {IDC_DC_ASBU, 1e-6, kArea}, {IDC_DC_N, 1e-6, kForce},
          {IDC_DC_Q, 1e-6, kForce}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(DiecuttingBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dFl = std::nan("");
    CalculateStoredValue({IDC_DC_FL, 1e-6, kForce});
}

using LocalPressBadNumbers = BadNumberSession<CStlcnLocalPressDlg, CStlcnLocalPressParam>;

TEST_F(LocalPressBadNumbers, AreRefused) {
    const PageState states[] = {
        {"meshes, four sides rectangular",
         [](qelt::UserScript& s) { s.Choose(IDC_LP_STEEL_TYPE, "方格网式").Choose(IDC_LP_AREA_TYPE, "四边矩形"); },
         {{IDC_CHECK_GO, 1e-6, 10}, {IDC_LP_INTERVAL, 1e-6, 1000}, {IDC_LP_L1, 1e-6, kLength},
          {IDC_LP_N1, 0, 100, true}, {IDC_LP_D1, 1e-6, 200}, {IDC_LP_L2, 1e-6, kLength}, {IDC_LP_N2, 0, 100, true},
          {IDC_LP_D2, 1e-6, 200}, {IDC_LP_A, 1e-6, kLength}, {IDC_LP_B, 1e-6, kLength},
          {IDC_LP_ALN, 1e-6, 1000000}, {IDC_LP_FL, 1e-6, kLength}}},
        {"spiral, four sides circular",
         [](qelt::UserScript& s) { s.Choose(IDC_LP_STEEL_TYPE, "螺旋式").Choose(IDC_LP_AREA_TYPE, "四边圆形"); },
         {{IDC_LP_DCOR, 1e-6, kLength}, {IDC_LP_SPIRAL_D, 1e-6, 200}, {IDC_LP_D, 1e-6, kLength}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(LocalPressBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dPressForce = 1e308;
    CalculateStoredValue({IDC_LP_FL, 1e-6, kLength});
}

using PillarBadNumbers = BadNumberSession<CStlcnPillarDlg, CStlcnPillarParam>;

TEST_F(PillarBadNumbers, AreRefused) {
    const PageState states[] = {
        {"design, rectangle", [](qelt::UserScript&) {},
         {{IDC_PL_B, 1e-6, kLength}, {IDC_PL_H, 1e-6, kLength}, {IDC_PL_LO, 1e-6, 100000}, {IDC_CHECK_GO, 1e-6, 10},
          {IDC_PL_PGMIN, 0, 10}, {IDC_PL_N, 1e-6, kForce}}},
        {"capacity, circle", [](qelt::UserScript& s) { s.Click(IDC_PL_CAPACITY).Choose(IDC_PL_SECTION, "圆形"); },
         {{IDC_PL_D, 1e-6, kLength}, {IDC_PL_AS, 1e-6, kArea}}},
    };
    for (const PageState& state : states) TypeBadNumbers(state);
}

TEST_F(PillarBadNumbers, StoredValueIsRefusedBeforeTheCalculation) {
    m_param.m_dCaltLength = -5000;
    CalculateStoredValue({IDC_PL_LO, 1e-6, 100000});
}

}  // namespace
