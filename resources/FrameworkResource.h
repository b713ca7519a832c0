// Ids of the command framework's dialogs and controls.
#pragma once

// The calculation-report page.
#define IDD_CALT_REPORT 54
#define IDC_REPORT_TEXT 565

// The tabbed work dialog.
#define IDD_CALT_WORK 58
#define IDC_WORK_TAB 257
#define IDC_WORK_ADDLIST 110
#define IDC_WORK_CALCULATE 553
#define IDC_WORK_HELP 57670
#define IDC_WORK_DEFAULT 117
#define IDC_WORK_REFRESH 118

// The check-result prompt.
#define IDD_CHECK_PROMPT 59
#define IDC_PROMPT_MESSAGE 439
#define IDC_PROMPT_QUESTION 616
#define IDC_PROMPT_ACKNOWLEDGE 451

// The "计  算" button that a page shows of its own when the work dialog sits in the host's frame.
#define IDC_PAGE_CALCULATE 224
