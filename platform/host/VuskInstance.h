// CVuskInsTance: the host's current resource module, from which dialog templates, bitmaps and
// lists are loaded. A command installs its own module for the time of a run and puts the saved one
// back afterwards. Over the class library's current resource handle.
#pragma once

#include "win/Windows.h"

class CVuskInsTance {
public:
    static HINSTANCE GetResourceHandle();
    static void SetResourceHandle(HINSTANCE hInstance);
};
