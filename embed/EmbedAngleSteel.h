// The equal-leg angle-steel table of the embedded-part pages, looked up by designation ("L90x10").
#pragma once

#include "mfc/base/Array.h"
#include "mfc/base/String.h"

// Fills leg thickness t and width b (mm), area A (mm²) and section modulus W (cm³) of the first
// designation equal to the text; a text not in the table leaves them untouched.
void GetAngleSteelData(LPCTSTR lpszStyle, int& nT, int& nB, int& nArea, double& dModulus);

int GetAngleSteelThickness(LPCTSTR lpszStyle);
int GetAngleSteelWidth(LPCTSTR lpszStyle);
int GetAngleSteelArea(LPCTSTR lpszStyle);
double GetAngleSteelModulus(LPCTSTR lpszStyle);

// Empties the array and appends every designation in table order, as the drop-down lists show them.
void FillAngleSteelList(CStringArray& arrStyles);
