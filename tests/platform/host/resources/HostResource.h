// Control and dialog ids of the host library's test dialogs.
#pragma once

#define IDD_HOST_WORK 158
#define IDD_HOST_CONTROLS 159
#define IDD_HOST_FRAME 160

#define IDC_HOST_EDIT 1001
#define IDC_HOST_GRADE 1002
#define IDC_HOST_GAMMA 1003
#define IDC_HOST_LABEL 1004
#define IDC_HOST_CHECK 1005
#define IDC_HOST_SLIDE 1006
