// The texts of the fifteen commands that the entry functions hand out: the work dialog's caption
// and the description that the host shows for the command that runs.
#pragma once

#include "mfc/Afx.h"

struct CALTCOMMANDTEXT {
    LPCTSTR lpszCommand;      // "C:ZHJMJS"
    LPCTSTR lpszCaption;      // the work dialog's caption
    LPCTSTR lpszDescription;  // the description handed to the host
};

// The texts of a command by its exact name; for a name that has none, a diagnostic and empty texts.
const CALTCOMMANDTEXT& CaltGetCommandText(LPCTSTR lpszCommand);
