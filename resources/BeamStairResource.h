// Ids of the beam stair's dialogs, controls and report pictures.
#pragma once

#define IDD_BEAM_STAIR_DRAW 31
#define IDD_BEAM_STAIR_INPUT 32
#define IDD_BEAM_STAIR_RESULT 33

// The report pictures by shape A to D.
#define IDB_BEAM_STAIR_A 16
#define IDB_BEAM_STAIR_B 1680
#define IDB_BEAM_STAIR_C 1679
#define IDB_BEAM_STAIR_D 1678

// The input page.
#define IDC_BS_SELECTOR 680
#define IDC_BS_NUMBER 510
#define IDC_BS_B 417
#define IDC_BS_H 776
#define IDC_BS_N 763
#define IDC_BS_T 546
#define IDC_BS_B1 419
#define IDC_BS_H1 778
#define IDC_BS_B2 421
#define IDC_BS_H2 780
#define IDC_BS_B3 299
#define IDC_BS_H3 782
#define IDC_BS_W 232
#define IDC_BS_H4 784
#define IDC_BS_L2 234
#define IDC_BS_L3 236
#define IDC_BS_LV 765
#define IDC_BS_LM 764
#define IDC_BS_LX 226
#define IDC_BS_RG 403
#define IDC_BS_RQ 405
#define IDC_BS_WQ 449
#define IDC_BS_RESTRAINT 242
#define IDC_BS_STEEL 109
#define IDC_BS_CONCRETE 228
#define IDC_BS_COVER 314
#define IDC_BS_AS1 284
#define IDC_BS_AS2 285
#define IDC_BS_SURFACE 229
#define IDC_BS_CRACK 335
#define IDC_BS_LIM1 349
#define IDC_BS_LIM2 350
#define IDC_BS_LIM3 351
#define IDC_BS_SERVICE 148

// The result page.
#define IDC_BS_SLIDE 680
#define IDC_BS_LIST1 343
#define IDC_BS_NEED1 464
#define IDC_BS_HAVE1 468
#define IDC_BS_LIST2 346
#define IDC_BS_NEED2 493
#define IDC_BS_HAVE2 652
#define IDC_BS_LIST5 484
#define IDC_BS_NEED5 673
#define IDC_BS_HAVE5 672
#define IDC_BS_LIST67 112
#define IDC_BS_NEED67 430
#define IDC_BS_HAVE67 441
#define IDC_BS_LIST3 348
#define IDC_BS_NEED3 659
#define IDC_BS_HAVE3 671
#define IDC_BS_DIA1 595
#define IDC_BS_DIA2 596
#define IDC_BS_DIA3 597
#define IDC_BS_DIA4 598
#define IDC_BS_DIA5 599
#define IDC_BS_DIA67 600
#define IDC_BS_NUM1 601
#define IDC_BS_NUM2 602
#define IDC_BS_SPACE3 603
#define IDC_BS_NUM4 604
#define IDC_BS_NUM5 606
#define IDC_BS_SPACE67 607
#define IDC_BS_BEAM_DEFLECTION 622
#define IDC_BS_BEAM_CRACK 657
#define IDC_BS_SLAB_DEFLECTION 669
#define IDC_BS_SLAB_CRACK 666
