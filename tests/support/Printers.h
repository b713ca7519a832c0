// GoogleTest printers: a CString shows as UTF-8 in failure messages.
#pragma once

#include <ostream>

#include "mfc/base/String.h"

void PrintTo(const CString& text, std::ostream* os);
