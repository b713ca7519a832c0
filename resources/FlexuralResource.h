// Ids of the flexural member checks' dialogs and controls.
#pragma once

// Shared by the member-check pages: the section slide.
#define IDC_MEMBER_SLIDE 680

// The flexural normal section's input page.
#define IDD_FLEX_NORMAL 39
#define IDC_FN_NUMBER 715
#define IDC_FN_SECTION 716
#define IDC_FN_MATCHBAR 718
#define IDC_FN_B 581
#define IDC_FN_H 583
#define IDC_FN_BF 582
#define IDC_FN_BF_LABEL 206
#define IDC_FN_HF 584
#define IDC_FN_HF_LABEL 601
#define IDC_FN_GO 275
#define IDC_FN_CONCRETE 274
#define IDC_FN_STEEL_PL 278
#define IDC_FN_AS_PL 579
#define IDC_FN_PMIN_PL 276
#define IDC_FN_PMIN_PL_LABEL 531
#define IDC_FN_STEEL_PS 279
#define IDC_FN_STEEL_PS_LABEL 542
#define IDC_FN_AS_PS 580
#define IDC_FN_AS_PS_LABEL 541
#define IDC_FN_PMIN_PS 277
#define IDC_FN_DESIGN 649
#define IDC_FN_CAPACITY 650
#define IDC_FN_M 714
#define IDC_FN_AREAS_PL 710
#define IDC_FN_AREAS_PS 711
#define IDC_FN_AREAS_PS_LABEL 540
#define IDC_FN_MODE_LIST 712
