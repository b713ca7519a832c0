// _tagCaltInfo: the record of one command that a module registers with the host: its name
// ("C:ZHJMJS"), two ints, its category, its title (the name the host lists it under), its entry
// function, an unsigned value and a letter. The host keeps the values as given; it uses the name,
// the title and the entry function.
#pragma once

#include "mfc/base/String.h"
#include "win/WinTypes.h"

typedef int (*CALTFUNC)();

struct _tagCaltInfo {
    _tagCaltInfo(LPCTSTR lpszCommand, int nFirst, int nSecond, LPCTSTR lpszCategory, LPCTSTR lpszTitle,
                 CALTFUNC pfnCalt, UINT nMask, char chLetter)
        : strCommand(lpszCommand), nFirst(nFirst), nSecond(nSecond), strCategory(lpszCategory),
          strTitle(lpszTitle), pfnCalt(pfnCalt), nMask(nMask), chLetter(chLetter) {}

    CString strCommand;
    int nFirst;
    int nSecond;
    CString strCategory;
    CString strTitle;
    CALTFUNC pfnCalt;
    UINT nMask;
    char chLetter;
};
