// CTitleTip: the popup that shows the whole text of a report-list cell too narrow for it. The list
// creates one hidden tip window for its life and shows it over a clipped cell while the mouse
// rests there; a click on the tip goes on to the list beneath it, a key or leaving the cell
// hides it.
#pragma once

#include "mfc/Afx.h"
#include "mfc/Wnd.h"

class CTitleTip : public CWnd {
public:
    CTitleTip();
    ~CTitleTip() override;

    // A hidden popup of class "ZTitleTip" owned by the list; FALSE when it cannot be created.
    virtual BOOL Create(CWnd* pParentWnd);
    // The brush of the list's background; the tip keeps it and deletes the one it replaces.
    void SetBackBrush(HBRUSH hBrush);
    HBRUSH GetBackBrush() const { return m_hBrush; }

    // Shows the text over rectTitle (the cell, in the owner's client coordinates) when the text
    // needs more room than the cell has; hides the tip otherwise. The tip is as high as the cell and
    // as wide as the text, kept on the screen.
    void Show(const CRect& rectTitle, LPCTSTR lpszTitleText);
    void Hide();
    // Where the tip stays shown under the mouse, in the owner's client coordinates.
    CRect GetTitleRect() const { return m_rectTitle; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    // Hands a mouse message on to the owner at the same screen point.
    void PassToOwner(const MSG& message);

    CWnd* m_pParentWnd;
    HBRUSH m_hBrush;
    COLORREF m_clrHighlight;
    COLORREF m_clrHighlightText;
    CRect m_rectTitle;
};
