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

// The flexural oblique section's input page.
#define IDD_FLEX_OBLIQUE 40
#define IDC_FO_NUMBER 723
#define IDC_FO_SECTION 724
#define IDC_FO_FTYPE 721
#define IDC_FO_B 587
#define IDC_FO_H 589
#define IDC_FO_BF 588
#define IDC_FO_BF_LABEL 206
#define IDC_FO_HF 590
#define IDC_FO_HF_LABEL 832
#define IDC_FO_A 585
#define IDC_FO_A_LABEL 684
#define IDC_FO_GO 281
#define IDC_FO_CONCRETE 280
#define IDC_FO_STEEL 283
#define IDC_FO_S 591
#define IDC_FO_AS 586
#define IDC_FO_PMIN 282
#define IDC_FO_DESIGN 651
#define IDC_FO_CAPACITY 564
#define IDC_FO_V 726
#define IDC_FO_AREAS_SV 719

// The deep flexural normal section's input page.
#define IDD_DEEP_NORMAL 36
#define IDC_DN_NUMBER 730
#define IDC_DN_GENTYPE 731
#define IDC_DN_SECTPOSIT 732
#define IDC_DN_B 570
#define IDC_DN_H 571
#define IDC_DN_LO 572
#define IDC_DN_GO 265
#define IDC_DN_CONCRETE 264
#define IDC_DN_STEEL 266
#define IDC_DN_AS 263
#define IDC_DN_PMIN 287
#define IDC_DN_DESIGN 644
#define IDC_DN_CAPACITY 645
#define IDC_DN_M 729
#define IDC_DN_AREAS 728

// The deep flexural oblique section's input page.
#define IDD_DEEP_OBLIQUE 37
#define IDC_DO_NUMBER 705
#define IDC_DO_DEEPTYPE 708
#define IDC_DO_FTYPE 703
#define IDC_DO_SECTPOSIT 707
#define IDC_DO_GO 269
#define IDC_DO_CONCRETE 268
#define IDC_DO_STEEL_HOR 272
#define IDC_DO_SV 578
#define IDC_DO_STEEL_VER 273
#define IDC_DO_SH 577
#define IDC_DO_AS 267
#define IDC_DO_PMIN_SH 270
#define IDC_DO_PMIN_SV 271
#define IDC_DO_B 574
#define IDC_DO_H 575
#define IDC_DO_LO 576
#define IDC_DO_A 573
#define IDC_DO_FIND_ASH 646
#define IDC_DO_FIND_ASV 647
#define IDC_DO_FIND_V 648
#define IDC_DO_V 709
#define IDC_DO_AREAS_SH 700
#define IDC_DO_AREAS_SV 701
