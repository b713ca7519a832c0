// Units of the member checks: moments are entered in kN·m and shears in kN, while the section's
// formulas work in N·mm and N.
#pragma once

// N·mm in one kN·m.
const double NMM_PER_KNM = 1e6;
// N in one kN.
const double N_PER_KN = 1000;
