// Ids of the controls' test dialogs.
#pragma once

#define IDD_CONTROLS_TEST 7100
#define IDC_TEST_VALUE 7101
#define IDC_TEST_REPORT 7102
#define IDC_TEST_GRID 7103
#define IDC_TEST_NEXT 7104
