// The user script file of the host program: what the person at the screen does, one action a line.
// Lines are UTF-8 (a byte-order mark before the first is left out); blank lines and lines whose first non-blank character is "#" are ignored.
//   set ID TEXT          type TEXT into control ID and leave it (TEXT may be empty)
//   choose ID TEXT       pick the item with exactly that text in a combo box or list box
//   choose ID #N         pick the item at place N (from 0)
//   check ID on|off      check or uncheck a box
//   click ID             click a button
//   tab TITLE            choose the tab with that title
//   row ID N             select row N (counted from 0) of a list view
//   cell ID COL ROW TEXT edit a cell of a list view in place (without TEXT: click it)
//   pick ID PATH         select the item of a tree at PATH ("楼梯/板式楼梯")
//   key VK               press a key on the focused control (VK_RETURN, VK_TAB, VK_F8 …)
//   type TEXT            type TEXT on the focused control
//   mouse ID down|up|move|dblclk|wheel|rdown|rup X Y [DELTA]   the pointer on control ID
//   menu TEXT            choose the item of the popup menu shown
//   answer yes|no|ok|cancel   the answer to the next message box or prompt
//   close                close the top dialog as with its close box
//   read ID              print control ID's id and text
//   controls             print the controls of the dialog on top and its pages
//   snap NAME            write a picture of the dialog on top as NAME.png in the --snap folder
//                        (NAME: letters, digits, "-", "_" and ".", not starting with ".")
// ID is a control id in decimal. TEXT and TITLE are the rest of the line after the blanks that
// follow the word before them, with trailing blanks removed; they become GBK, the system's own
// encoding, so a text that GBK cannot hold is an error of its line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mfc/person/UserAction.h"

namespace qelt::app {

struct ParsedScript {
    std::vector<UserAction> actions;  // each with its line number; empty when not ok
    bool ok = true;
    int errorLine = 0;                // the line that does not parse, when not ok
    std::string error;                // what is wrong with it (UTF-8)
};

ParsedScript ParseScript(std::string_view utf8);

// Reads the whole script file at path ("-": stdin) into text; "" on success, otherwise why not (a
// folder, a file that fails on read …).
std::string ReadScriptFile(const std::string& path, std::string& text);

}  // namespace qelt::app
