// Concrete classes and anchor bars of the embedded-part pages.
#pragma once

// Design strengths fc, fcm, ft (N/mm²) and class factor kc of the class index 0 "C20", 1 "C25",
// 2 "C30及以上"; any other index leaves the outputs untouched.
void GetConcreteStrength(int nConLevel, double& dFc, double& dFcm, double& dFt, double& dKc);

// Required anchorage length of a tension anchor bar of diameter d for the class index; never below 250.
int GetAnchorLength(int nSteelD, int nConLevel);

// Design strength of an anchor bar: grade I up to 10 mm, grade II above.
double GetAnchorSteelFy(int nSteelD);

// Area of one bar of diameter d, mm².
double GetAnchorSteelArea(int nSteelD);
