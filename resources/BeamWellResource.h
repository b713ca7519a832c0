// Ids of the grid beam's pages and controls.
#pragma once

#define IDD_BEAMWELL_BASIC 34
#define IDD_BEAMWELL_RESULT 35

#define IDC_BW_PICTURE 624
#define IDC_BW_NUMBER 510
#define IDC_BW_SUPPORT 149
#define IDC_BW_LOAD 485
#define IDC_BW_NOX 150
#define IDC_BW_DISTA 256
#define IDC_BW_NOY 151
#define IDC_BW_DISTB 258
#define IDC_BW_RESULTS 473
