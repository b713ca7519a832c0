// The class library in one include, as the module's code uses it.
#pragma once

#include "win/Windows.h"
#include "mfc/Array.h"
#include "mfc/DC.h"
#include "mfc/Diagnostics.h"
#include "mfc/GdiObjects.h"
#include "mfc/Geometry.h"
#include "mfc/List.h"
#include "mfc/Map.h"
#include "mfc/Object.h"
#include "mfc/Position.h"
#include "mfc/String.h"
#include "mfc/TypedPtrArray.h"
