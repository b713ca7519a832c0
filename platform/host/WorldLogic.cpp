#include "host/WorldLogic.h"

#include <algorithm>
#include <cmath>

#include "mfc/base/Diagnostics.h"

BOOL CWorldLogic::SetWorldExt(const CWorRect& rcWorld) {
    if (!(rcWorld.Width() > 0 && rcWorld.Height() > 0)) {
        qelt::ReportMisuse("CWorldLogic::SetWorldExt of a window %g wide and %g high", rcWorld.Width(), rcWorld.Height());
        return FALSE;
    }
    m_rcWorld = rcWorld;
    return TRUE;
}

double CWorldLogic::GetScale(const CRect& rcLogic) const {
    return std::min(rcLogic.Width() / m_rcWorld.Width(), rcLogic.Height() / m_rcWorld.Height());
}

CPoint CWorldLogic::WorldToLogic(double x, double y, const CRect& rcLogic) const {
    double scale = GetScale(rcLogic);
    double centreX = (rcLogic.left + rcLogic.right) / 2.0, centreY = (rcLogic.top + rcLogic.bottom) / 2.0;
    double worldX = (m_rcWorld.left + m_rcWorld.right) / 2.0, worldY = (m_rcWorld.bottom + m_rcWorld.top) / 2.0;
    return CPoint(static_cast<int>(std::lround(centreX + (x - worldX) * scale)),
                  static_cast<int>(std::lround(centreY - (y - worldY) * scale)));
}
