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
