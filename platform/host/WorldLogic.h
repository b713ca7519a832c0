// CWorldLogic: a world window (CWorRect) and its mapping into a logical rectangle: the world window is
// scaled evenly to fit, centred, with y turned downwards. Until set, the world window is the unit
// square, so its width and height are never 0.
#pragma once

#include "host/WorRect.h"
#include "mfc/base/Geometry.h"

class CWorldLogic {
public:
    CWorldLogic() = default;
    virtual ~CWorldLogic() = default;

    const CWorRect& GetWorldExt() const { return m_rcWorld; }
    // A window without a width or a height is refused (FALSE, with a diagnostic).
    BOOL SetWorldExt(const CWorRect& rcWorld);

    // Logical units per world unit when the world window is fitted into rcLogic.
    double GetScale(const CRect& rcLogic) const;
    CPoint WorldToLogic(double x, double y, const CRect& rcLogic) const;

protected:
    CWorRect m_rcWorld{0, 0, 1, 1};
};
