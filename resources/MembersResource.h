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

// The torsion page.
#define IDD_GENERAL 41
#define IDC_GN_SECTION 352
#define IDC_GN_ZETA 528
#define IDC_GN_VERTI_STEEL 320
#define IDC_GN_HOOP_STEEL 327
#define IDC_GN_HOOP_COUNT 774
#define IDC_GN_HOOP_INTERVAL 772
#define IDC_GN_AS 413
#define IDC_GN_COVER 517
#define IDC_GN_PTLMIN 194
#define IDC_GN_PSVMIN 342
#define IDC_GN_B 557
#define IDC_GN_H 788
#define IDC_GN_BF 786
#define IDC_GN_HF 792
#define IDC_GN_DESIGN 555
#define IDC_GN_CAPACITY 563
#define IDC_GN_T 554
#define IDC_GN_RECT_ASTL 519
#define IDC_GN_RECT_AST1 520
#define IDC_GN_WEB_ASTL 637
#define IDC_GN_WEB_AST1 639
#define IDC_GN_FLANGE_ASTL 561
#define IDC_GN_FLANGE_AST1 562
#define IDC_GN_ASTL_LABEL 667
#define IDC_GN_AST1_LABEL 668
#define IDC_GN_FLANGE_ASTL_LABEL 695
#define IDC_GN_FLANGE_AST1_LABEL 696

// The punching page.
#define IDD_DIECUTTING 38
#define IDC_DC_SECTION 316
#define IDC_DC_TYPE 296
#define IDC_DC_STYLE 195
#define IDC_DC_BOARD_FORCE 295
#define IDC_DC_PILLAR_FORCE 315
#define IDC_DC_FL 511
#define IDC_DC_N 635
#define IDC_DC_Q 627
#define IDC_DC_STEEL 196
#define IDC_DC_ASVU 398
#define IDC_DC_ALPHA 521
#define IDC_DC_ASBU 397
#define IDC_DC_ASVU_LABEL 658
#define IDC_DC_A 810
#define IDC_DC_B 812
#define IDC_DC_D 605
#define IDC_DC_H 788
#define IDC_DC_HO 790
#define IDC_DC_RESULT 529

// The local compression page.
#define IDD_LOCALPRESS 42
#define IDC_LP_STEEL_TYPE 195
#define IDC_LP_AREA_TYPE 294
#define IDC_LP_STEEL 196
#define IDC_LP_INTERVAL 344
#define IDC_LP_L1 816
#define IDC_LP_DCOR 534
#define IDC_LP_L1_LABEL 670
#define IDC_LP_N1 526
#define IDC_LP_SPIRAL_D 533
#define IDC_LP_N1_LABEL 674
#define IDC_LP_D1 524
#define IDC_LP_L2 818
#define IDC_LP_N2 527
#define IDC_LP_D2 525
#define IDC_LP_A 810
#define IDC_LP_B 557
#define IDC_LP_D 605
#define IDC_LP_ALN 338
#define IDC_LP_FL 514
#define IDC_LP_RESULT 529
