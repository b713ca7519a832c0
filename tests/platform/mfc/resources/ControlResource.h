// Ids of the common-control test dialogs.
#pragma once

#define IDD_CTL_TABS 300
#define IDD_CTL_LISTS 301
#define IDD_CTL_TREE 302
#define IDD_CTL_RICH 303
#define IDD_CTL_COMBOEX 304

#define IDC_CTL_TABS 3001
#define IDC_CTL_VALUE 3002
#define IDC_CTL_LIST 3003
#define IDC_CTL_DRAWN_LIST 3004
#define IDC_CTL_TREE 3005
#define IDC_CTL_RICH 3006
#define IDC_CTL_COMBOEX 3007
#define IDC_CTL_SCROLL 3008

#define IDR_CTL_MENU 310
#define ID_CTL_OPEN 3101
#define ID_CTL_SAVE 3102
#define ID_CTL_ZOOM_IN 3103
#define ID_CTL_ZOOM_OUT 3104
