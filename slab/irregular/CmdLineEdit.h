#pragma once
// The drawing panel's command line: a single-line edit that begins with the program's prompt (which
// ends with ": "), keeps the caret behind it, and on Space classifies what was typed after it into a
// key word and values for the panel to act on:
//   "c" nothing typed, "f" a text starting with f, "AngleInput" @length<angle, "OppCoord" @dx,dy,
//   "CoordInput" x,y, "NumInput" a whole number, "ErrKey" anything else; "other" while typing.
#include "acge/Point3d.h"
#include "mfc/Afx.h"
#include "mfc/stdctrl/Edit.h"

class CCmdLineEdit : public CEdit {
public:
    CCmdLineEdit();

    // "x,y" as whole millimetres; 1 on success.
    static int ParsePoint(const CString& text, AcGePoint3d& point);
    // "@length<angle" (the "@" included) as real numbers, the angle in degrees; 1 on success.
    static int ParsePolar(const CString& text, double& length, double& angle);

    // Keeps the selection and the caret behind the prompt; returns the prompt's position (-1 without).
    int KeepCaretAfterPrompt();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    CString m_strKeyWord;
    int m_nNumber;
    AcGePoint3d m_ptInput;
    double m_dLength;
    double m_dAngle;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // The key word of a finished entry (the text after the prompt), its values stored.
    CString Classify(const CString& entry);
};
