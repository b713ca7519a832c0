// gVusk_GetQeltPath (kind): folders of the installed tree, each ending in "/" so that a file name can
// be appended directly.
// Kind 2: the folder of the help files ("VUSK20.chm", "qelt.hlp") and the slide libraries
// ("Vusk10Dll.slb", "qelt.slb"): the environment variable QELT_SUPPORT_DIR when the host program
// sets it, otherwise the folder "qelt" next to the host library (libqelt_host.so), where the build
// puts the slide libraries.
// Other kinds have no folder: an empty text, with a diagnostic.
#pragma once

#include "mfc/base/String.h"

CString gVusk_GetQeltPath(int nKind);
