// Everything of the Windows layer in one include.
#pragma once

#include "win/WinTypes.h"
#include "win/WinMessages.h"
#include "win/WinStyles.h"
#include "win/WinUser.h"
#include "win/WinGdi.h"
#include "win/WinScroll.h"
#include "win/CommCtrl.h"
#include "win/RichEdit.h"
