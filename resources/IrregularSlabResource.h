// Ids of the irregular slab's dialogs, controls and cursors.
#pragma once

// The drawing panel on the left of every slab page.
#define IDD_BOARD_DRAW 203
#define IDC_BOARD_AREA 685
#define IDC_BOARD_HISTORY 686
#define IDC_BOARD_CMD 688
#define IDC_BOARD_LINE 690
#define IDC_BOARD_ARC 692
#define IDC_BOARD_CIRCLE 694
#define IDC_BOARD_RECT 698
#define IDC_BOARD_DEAD 734
#define IDC_BOARD_LIVE 736
#define IDC_BOARD_TOOL_LABEL 751
#define IDC_BOARD_CMD_FRAME 752
#define IDC_BOARD_PICTURE 753

// The reference-point dialog "选择参照点".
#define IDD_BOARD_REF_POINT 243
#define IDC_BOARD_REF_TREE 746

// Cursors of the drawing area: the cross-hair, the open hand (middle button down) and the closed
// hand (panning).
#define IDR_BOARD_CROSS 213
#define IDR_BOARD_HAND 215
#define IDR_BOARD_GRAB 217

// The edge panel of "边界参数".
#define IDD_BOARD_EDGE 205
#define IDC_BOARD_CODE 32935
#define IDC_BOARD_OUTLINE_BOX 704
#define IDC_BOARD_HOLE_BOX 706
#define IDC_BOARD_THICKNESS 713
#define IDC_BOARD_NODE_LIST 722
#define IDC_BOARD_HOLE_LIST 725
#define IDC_BOARD_EDGE_TYPE 727
// The pictures of the default edge: simply supported, fixed, free.
#define IDB_BOARD_EDGE_FIXED 220
#define IDB_BOARD_EDGE_SIMPLE 223
#define IDB_BOARD_EDGE_FREE 225
// The node list's and the hole list's menus.
#define IDR_BOARD_NODE_MENU 227
#define IDR_BOARD_HOLE_MENU 230
#define ID_BOARD_DELETE_NODE 32771
#define ID_BOARD_DELETE_OUTLINE 32772
#define ID_BOARD_DELETE_HOLE_NODE 32773
#define ID_BOARD_DELETE_HOLE 32774
#define ID_BOARD_INSERT_NODE 32775
#define ID_BOARD_INSERT_HOLE_NODE 32776

// The point and local load panel of "荷载参数1".
#define IDD_BOARD_LOAD 207
#define IDC_BOARD_DEAD_LOAD 733
#define IDC_BOARD_LIVE_LOAD 735
#define IDC_BOARD_SELF_WEIGHT 32934
#define IDC_BOARD_MASS_BOX 741
#define IDC_BOARD_MASS_DEFAULT 742
#define IDC_BOARD_MASS_LIST 743
#define IDC_BOARD_PART_BOX 717
#define IDC_BOARD_PART_DEFAULT 738
#define IDC_BOARD_PART_LIST 737
#define IDR_BOARD_MASS_MENU 237
#define IDR_BOARD_PART_MENU 239
#define ID_BOARD_DELETE_MASS 32777
#define ID_BOARD_DELETE_CORNER 32778
#define ID_BOARD_DELETE_PART 32779
#define ID_BOARD_INSERT_CORNER 32780

// The line and trapezoid load panel of "荷载参数2".
#define IDD_BOARD_LINE_LOAD 244
#define IDB_BOARD_TRAP_SKETCH 13389
#define IDC_BOARD_TRAP_BOX 755
#define IDC_BOARD_TRAP_P1 766
#define IDC_BOARD_TRAP_P2 768
#define IDC_BOARD_TRAP_LIST 767
#define IDC_BOARD_LINE_BOX 739
#define IDC_BOARD_LINE_DEFAULT 740
#define IDC_BOARD_LINE_LIST 744
#define IDC_BOARD_TRAP_PICTURE 769
#define IDR_BOARD_LINE_MENU 241
#define IDR_BOARD_TRAP_MENU 242
#define ID_BOARD_DELETE_LINE 32781
#define ID_BOARD_DELETE_TRAP 32787

// The settings panel of "计算参数" and the result panel of "计算结果".
#define IDD_BOARD_SETTINGS 209
#define IDC_BOARD_SETTING_GRID 747
#define IDC_BOARD_PREVIEW_MESH 748
#define IDD_BOARD_RESULTS 211
#define IDC_BOARD_RESULT_TABLE 754

// The slab page: an empty page that holds the drawing panel and the panel of its title.
#define IDD_ATYPICAL_BOARD 26
