// Ids of the torsion, punching, local and axial compression checks' dialogs and controls.
#pragma once

// Shared by the four input pages (the slide is IDC_MEMBER_SLIDE, the "计  算" button
// IDC_PAGE_CALCULATE).
#define IDC_CHECK_NUMBER 510
#define IDC_CHECK_GO 328
#define IDC_CHECK_CONCRETE 319

// The axial compression page.
#define IDD_PILLAR 43
#define IDC_PL_SECTION 352
#define IDC_PL_STEEL 196
#define IDC_PL_PGMIN 822
#define IDC_PL_MULTCOEF 251
#define IDC_PL_B 557
#define IDC_PL_H 788
#define IDC_PL_D 605
#define IDC_PL_LO 814
#define IDC_PL_DESIGN 555
#define IDC_PL_CAPACITY 552
#define IDC_PL_N 415
#define IDC_PL_AS 513
