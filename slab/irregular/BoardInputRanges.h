#pragma once

// The ranges of the slab's input: the rows of the settings grid (each design setting with its name,
// its usual values, its format and the range a calculation takes), loads, the thickness and
// coordinates; the checks of a typed text against them and of a whole input (stored values too).

#include "controls/EditCmbList.h"
#include "framework/InputValidator.h"
#include "slab/irregular/BoardSetting.h"

class CBoardData;

struct BoardSettingRow {
    const char* name;
    const char* choices;  // "|"-separated, empty for none
    double CBoardSetting::*number;
    int CBoardSetting::*whole;
    CString CBoardSetting::*text;
    const char* format;
    double lower, upper;  // of a number, bounds included
};

constexpr int kBoardSettingRowCount = 23;
extern const BoardSettingRow kBoardSettingRows[kBoardSettingRowCount];

// The caption of the messages that refuse a value.
extern const char* const kBoardCheckCaption;

// The largest load of any kind the slab takes, in its unit (kN, kN/m, kN/m²), either way.
constexpr double kBoardLoadLimit = 10000.0;
// The largest coordinate or length of a shape, mm, either way.
constexpr double kBoardCoordinateLimit = 1e8;
// The thickness the slab takes, mm.
constexpr double kBoardLeastThickness = 1.0;
constexpr double kBoardGreatestThickness = 1000.0;

// The row's value shown with its format.
CString FormatSettingRow(const CBoardSetting& setting, int nRow);

// A text typed into the row: TRUE with the value stored into the setting, or FALSE with the
// message that says what the row takes (the setting unchanged). "自动计算" in the row of the least
// reinforcement ratio stands for 0.
BOOL StoreSettingText(CBoardSetting& setting, int nRow, const CString& strText, CString& strMessage);

// A number typed into a list cell, within the bounds: TRUE with the value. Otherwise the person is
// told the range: FALSE, and the caller shows the value kept.
BOOL ReadCellNumber(CEditCmbList& list, int nRow, int nColumn, double dLower, double dUpper, double& dValue);

// Every setting within its row's range, the thickness and the uniform loads within theirs, and the
// bars' centroid inside the thickness; then every support code one of the three, every coordinate
// of the slab a number and every load within ±kBoardLoadLimit. FALSE with the message of the first
// that is not.
BOOL CheckBoardInputValues(const CBoardSetting& setting, const CBoardData& data, CString& strMessage);
