// How a tree view looks: its shown items one row each, indented by depth, with dotted lines
// joining parents to children (TVS_HASLINES, from the root with TVS_LINESATROOT), a box with + or −
// before each item that has children (TVS_HASBUTTONS), the item's image of the normal image list
// before its label when the tree has one, and the selected item highlighted.
#pragma once

#include <vector>

#include "mfc/base/String.h"
#include "win/Windows.h"

namespace qelt {

// One shown item, in the order the tree shows them (an item's children follow it while it is
// expanded).
struct TreeRow {
    CString text;
    int depth = 0;                      // 0 for the items at the root
    bool hasChildren = false;
    bool expanded = false;
    bool selected = false;
    int image = 0;                      // its image (the selected image while selected)
    // For each level 0..depth: whether the item's ancestor at that level (the item itself at
    // `depth`) has a later sibling, so a line goes on down past this row.
    std::vector<bool> continues;
};

constexpr int kTreeRowHeight = 16;
constexpr int kTreeIndent = 19;

// Answers WM_PAINT for a tree view; images: its normal image list, or null.
void PaintTreeView(HWND tree, const std::vector<TreeRow>& rows, HIMAGELIST images);

}  // namespace qelt
