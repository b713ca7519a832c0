// The allowable load of a lifting ring by its bar diameter.
#pragma once

// The tabulated load (kN, held as single precision) of a ring of diameter d; FALSE and fLoad as it
// was for a diameter the table does not hold.
bool GetRingLoad(int nSteelD, float& fLoad);
