// Ids of the data exchange target's dialog.
#pragma once

#define IDD_NUMBERS 100
#define IDC_INT 1001
#define IDC_UINT 1002
#define IDC_LONG 1003
#define IDC_DOUBLE 1004
#define IDC_FLOAT 1005
#define IDC_APPLY 1006
