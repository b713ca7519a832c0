#pragma once
// The drawing area of the drawing panel: a static frame that shows the slab view's canvas and, as
// a static control lets them through to its dialog, hands the pointer's messages to the panel in
// the panel's client coordinates.
#include "mfc/Afx.h"
#include "mfc/stdctrl/Static.h"

class CBoardDraw;

class CBoardDrawArea : public CStatic {
public:
    CBoardDrawArea();

    void SetView(CBoardDraw* pView);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CBoardDraw* m_pView;
};
