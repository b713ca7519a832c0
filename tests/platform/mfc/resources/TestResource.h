// Ids of the test dialogs.
#pragma once

#define IDD_BASIC 100
#define IDD_PAGE 101
#define IDD_PROMPT 102
#define IDD_HOST 103
#define IDD_LARGE_FONT 104

#define IDC_NAME 1001
#define IDC_WIDTH 1002
#define IDC_HEIGHT 1003
#define IDC_APPLY 1004
#define IDC_RADIO_A 1005
#define IDC_RADIO_B 1006
#define IDC_RADIO_C 1007
#define IDC_RADIO_X 1008
#define IDC_RADIO_Y 1009
#define IDC_SHOW_ALL 1010
#define IDC_GRADE 1011
#define IDC_GAMMA 1012
#define IDC_SORTED 1013
#define IDC_ITEMS 1014
#define IDC_LABEL 1015
#define IDC_OPEN 1016
#define IDC_PAGE_VALUE 1017
#define IDC_PAGE_COUNT 1018
#define IDC_READONLY 1019
#define IDC_DIGITS 1020
#define IDC_NARROW 1021
#define IDC_SLIDE 1022

#define IDB_SLIDE 3001

#define IDS_GREETING 2001
#define IDS_RANGE 2002
