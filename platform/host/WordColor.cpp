#include "host/WordColor.h"

#include "mfc/base/Diagnostics.h"

COLORREF WordColorToColorRef(int nIndex) {
    static const COLORREF colors[WORD_COLOR_COUNT] = {
        0x000000,  // automatic
        0x000000,  // black
        0xFF0000,  // blue
        0xFFFF00,  // turquoise
        0x00FF00,  // bright green
        0xFF00FF,  // pink
        0x0000FF,  // red
        0x00FFFF,  // yellow
        0xFFFFFF,  // white
        0x800000,  // dark blue
        0x808000,  // teal
        0x008000,  // green
        0x800080,  // violet
        0x000080,  // dark red
        0x008080,  // dark yellow
        0x808080,  // gray 50%
    };
    if (nIndex < 0 || nIndex >= WORD_COLOR_COUNT) {
        qelt::ReportMisuse("WordColorToColorRef: colour index %d outside 0 to 15", nIndex);
        return 0x000000;
    }
    return colors[nIndex];
}
