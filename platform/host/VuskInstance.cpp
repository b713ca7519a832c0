#include "host/VuskInstance.h"

#include "mfc/user/Resources.h"

HINSTANCE CVuskInsTance::GetResourceHandle() { return AfxGetResourceHandle(); }

void CVuskInsTance::SetResourceHandle(HINSTANCE hInstance) { AfxSetResourceHandle(hInstance); }
