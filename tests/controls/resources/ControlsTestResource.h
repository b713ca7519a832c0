// Ids of the controls' test dialogs.
#pragma once

#define IDD_CONTROLS_TEST 7100
#define IDC_TEST_VALUE 7101
#define IDC_TEST_REPORT 7102
#define IDC_TEST_GRID 7103
#define IDC_TEST_NEXT 7104
#define IDC_TEST_TREE 7105
#define IDC_TEST_KIND 7106
#define IDR_TEST_MENU 7110
#define ID_TEST_INSERT 7111
#define ID_TEST_DELETE 7112
#define ID_TEST_CLEAR 7113
