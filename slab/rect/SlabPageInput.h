// What the slab's pages share about typed input: the test of a typed number and the message of a
// refused entry with the focus back on its box; two small control helpers.
#pragma once

#include "mfc/Afx.h"

// A text that is not empty and holds an unsigned decimal number (kind 0) or integer (kind 2).
BOOL SlabInputTextValid(CString strText, int nKind);
// Shows the refusal and gives the box the focus; FALSE when the box is missing.
BOOL SlabShowInputError(CWnd* pPage, UINT nID, LPCTSTR lpszMessage);
// Selects in a combo box the first item from the top that begins with lpszText; the selection stays
// when none does.
void SlabSelectPrefix(CWnd* pPage, UINT nID, LPCTSTR lpszText);
// Enables or disables a control when it is there.
void SlabEnable(CWnd* pPage, UINT nID, BOOL bEnable);

// The refusal message of the basic and calculation-parameter pages.
#define SLAB_INPUT_ERROR "输入错误，请核查"
