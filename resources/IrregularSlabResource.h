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
