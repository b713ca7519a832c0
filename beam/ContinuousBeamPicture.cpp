// The continuous beam's pictures through its drawing transform m_Graph: the beam line with its
// supports, the loads of the current case, the moment and shear envelopes and the dimensions.
// World units are about a tenth of a pixel; angles are radians, π/2 upwards on the screen.
#include <cmath>

#include "beam/ContinuousBeam.h"
#include "sibling/BeamRecords.h"
#include "sibling/SteelSpanLoad.h"

namespace {

const double kRight = 0;
const double kUp = M_PI / 2;
const double kLeft = M_PI;
const double kDown = -M_PI / 2;

const COLORREF kRed = 0x0000FF;
const COLORREF kGreen = 0x00FF00;
const COLORREF kYellow = 0x00FFFF;
const COLORREF kWhite = 0xFFFFFF;
const COLORREF kBlack = 0;

const double kArrowHead = 60;
const double kArrowStep = 50;
const double kSmallLoad = 1e-6;
const double kSmallExtreme = 0.0001;

// A scale that brings dExtreme to dReach, or 1 when the extreme is too small to scale by.
double ScaleTo(double dReach, double dExtreme) {
    return std::fabs(dExtreme) <= kSmallExtreme ? 1.0 : dReach / std::fabs(dExtreme);
}

}  // namespace

void CContinuousBeam::DrawLabel(const CFloatPoint& point, LPCTSTR lpszFormat, double dValue) {
    CString strText;
    strText.Format(lpszFormat, dValue);
    m_Graph.TextGT(point, strText, 0, 0.0, 1, 14, 0.4, "Arial Unicode MS");
}

void CContinuousBeam::DrawHinge(const CFloatPoint& centre) {
    m_Graph.PointGT(centre, 20, m_Graph.GetBkColor());
    m_Graph.CircleGT(centre, 20, kGreen, 0, 1);
}

// A base of 160 through G along dAlong, with four hatch lines towards dAway, from the end that lies
// against dAlong.
void CContinuousBeam::DrawHatchedBase(const CFloatPoint& G, double dAlong, double dAway) {
    CFloatPoint current = m_Graph.MoveFPtTo(G, -80, dAlong);
    m_Graph.LineGT(current, m_Graph.MoveFPtTo(G, 80, dAlong), kGreen, 0, 1);
    for (int k = 0; k < 4; ++k) {
        m_Graph.LineGT(m_Graph.MoveFPtTo(current, 40, dAlong), m_Graph.MoveFPtTo(current, 40, dAway), kGreen, 0, 1);
        current = m_Graph.MoveFPtTo(current, 40, dAlong);
    }
}

// A link from P towards dDirection ending in a hinge on a base across it.
void CContinuousBeam::DrawLink(const CFloatPoint& P, double dDirection, double dBaseAlong) {
    const CFloatPoint G = m_Graph.MoveFPtTo(P, 120, dDirection);
    m_Graph.LineGT(m_Graph.MoveFPtTo(P, 20, dDirection), G, kGreen, 0, 1);
    DrawHatchedBase(G, dBaseAlong, dDirection);
    DrawHinge(G);
}

void CContinuousBeam::DrawInnerSupport(const CFloatPoint& P) {
    DrawHinge(m_Graph.MoveFPtTo(P, 40, kDown));
    const CFloatPoint G = m_Graph.MoveFPtTo(P, 160, kDown);
    m_Graph.LineGT(m_Graph.MoveFPtTo(P, 60, kDown), G, kGreen, 0, 1);
    DrawHatchedBase(G, kRight, kDown);
    DrawHinge(G);
}

void CContinuousBeam::DrawPinSupport(const CFloatPoint& P) {
    DrawHinge(m_Graph.MoveFPtTo(P, 40, kDown));
    const CFloatPoint K = m_Graph.MoveFPtTo(P, 60, kDown);
    const CFloatPoint G = m_Graph.MoveFPtTo(P, 160, kDown);
    const CFloatPoint F1 = m_Graph.MoveFPtTo(G, 50, kLeft);
    const CFloatPoint F2 = m_Graph.MoveFPtTo(G, 50, kRight);
    m_Graph.LineGT(K, F1, kGreen, 0, 1);
    m_Graph.LineGT(K, F2, kGreen, 0, 1);
    DrawHatchedBase(G, kRight, kDown);
    DrawHinge(F1);
    DrawHinge(F2);
}

void CContinuousBeam::DrawLeftSupport(const CFloatPoint& P) {
    if (m_nLeftSupport == BEAM_END_SIMPLE) {
        DrawHinge(P);
        DrawLink(P, kDown, kRight);
        DrawLink(P, kLeft, kDown);
    } else if (m_nLeftSupport == BEAM_END_FIXED) {
        DrawHatchedBase(P, kDown, kLeft);
    }
}

void CContinuousBeam::DrawRightSupport(const CFloatPoint& P) {
    if (m_nRightSupport == BEAM_END_SIMPLE)
        DrawInnerSupport(P);
    else if (m_nRightSupport == BEAM_END_FIXED)
        DrawHatchedBase(P, kDown, kRight);
}

// The world rectangle of the back buffer less the margin at the right and bottom, fitted into the
// buffer.
CFloatRect CContinuousBeam::FitWorld(double dMargin, int nBorder) {
    const CRect rc = m_Graph.GetPicBoxRect();
    const CFloatRect world(10.0 * rc.left, 10.0 * rc.top, 10.0 * rc.right - dMargin, 10.0 * rc.bottom - dMargin);
    m_Graph.SetPicRect(world, nBorder);
    return world;
}

// The beam's length across the world's width less 400; FALSE, with nothing set, for a beam
// without length.
BOOL CContinuousBeam::FitBeamLength(const CFloatRect& world) {
    const double Lb = getBeamlength();
    if (std::fabs(Lb) <= 0.001) return FALSE;
    m_dScaleX = (std::fabs(world.right - world.left) - 400) / Lb;
    return TRUE;
}

// The span lines from origin, the span nSelected yellow, with the inner and end supports.
void CContinuousBeam::DrawSpansAndSupports(const CFloatPoint& origin, int nSelected) {
    CFloatPoint current = origin;
    const int nSpans = getSpanNum();
    for (int i = 0; i < nSpans; ++i) {
        const CFloatPoint next = m_Graph.MoveFPtTo(current, m_SpanArr[i]->m_dSpanLen * m_dScaleX, kRight);
        m_Graph.LineGT(current, next, i == nSelected ? kYellow : kRed, 0, 3);
        current = next;
        if (i == nSpans - 1) break;
        if (i == 0 && m_nLeftSupport == BEAM_END_FREE)
            DrawPinSupport(current);
        else
            DrawInnerSupport(current);
    }
    DrawLeftSupport(origin);
    DrawRightSupport(current);
}

void CContinuousBeam::DrawBeam(int bReport) {
    m_nSelSpan = -1;
    if (m_Graph.isEmpty()) return;
    m_Graph.SetBkColor(bReport ? kWhite : kBlack);
    m_Graph.EraseAll();
    const CFloatRect world = FitWorld(bReport ? 100 : 300, bReport ? 5 : 15);
    if (!FitBeamLength(world)) return;
    const double H = std::fabs(world.bottom - world.top);
    m_dScaleY = ScaleTo(H / 2, GetBeamMaxMom());
    m_dScaleV = ScaleTo(H / 2, GetBeamMaxShear());
    m_ptOrigin = CFloatPoint(200, H / 2);
    DrawSpansAndSupports(m_ptOrigin, -1);
    if (bReport) return;
    DrawMomentEnvelope(m_ptOrigin);
    DrawShearEnvelope(m_ptOrigin);
}

void CContinuousBeam::DrawInputBeam() {
    m_Graph.SetBkColor(kBlack);
    if (m_Graph.isEmpty()) return;
    m_Graph.EraseAll();
    const CFloatRect world = FitWorld(300, 15);
    if (!FitBeamLength(world)) return;
    const double H = std::fabs(world.bottom - world.top);
    m_dScaleY = ScaleTo(H / 2, getMaxLoadValue());
    const CFloatPoint origin(200, H / 2);
    DrawSpansAndSupports(origin, m_nSelSpan);
    DrawBeamLoads(origin);
}

// One envelope of every span from origin: the sagging (or positive) and hogging (or negative)
// points drawn dSign × value × dScale below the axis, joined where they move by more than half a
// pixel and leave the axis.
void CContinuousBeam::DrawEnvelope(const CFloatPoint& origin, BOOL bShear) {
    if (m_Graph.isEmpty()) return;
    const double dScale = bShear ? m_dScaleV : m_dScaleY;
    const double dDirection = bShear ? kUp : kDown;
    const COLORREF color = bShear ? kYellow : kGreen;
    double x = origin.x;
    for (int i = 0; i < getSpanNum(); ++i) {
        const CSteelSpan* pSpan = getSpan(i);
        if (!pSpan || pSpan->IsEmptyEnvelop()) return;
        const double dLength = pSpan->m_dSpanLen * m_dScaleX;
        CFloatPoint previous[2] = {CFloatPoint(x, origin.y), CFloatPoint(x, origin.y)};
        for (int j = 0; j < BEAM_ENVELOPE_POINTS; ++j) {
            const CFloatPoint B(x + j * dLength / 600, origin.y);
            const double values[2] = {bShear ? pSpan->getPosShear(j) : pSpan->getPosMoment(j),
                                      bShear ? pSpan->getNegShear(j) : pSpan->getNegMoment(j)};
            for (int k = 0; k < 2; ++k) {
                const CFloatPoint next = m_Graph.MoveFPtTo(B, values[k] * dScale, dDirection);
                if (previous[k].y == origin.y && next.y == origin.y) {
                    previous[k] = next;
                    continue;
                }
                const double dx = next.x - previous[k].x, dy = next.y - previous[k].y;
                if (std::sqrt(dx * dx + dy * dy) * m_Graph.getScale() <= 0.5) continue;
                m_Graph.LineGT(previous[k], next, color, 0, 1);
                previous[k] = next;
            }
        }
        x += dLength;
        for (const CFloatPoint& last : previous) m_Graph.LineGT(last, CFloatPoint(x, origin.y), color, 0, 1);
    }
}

void CContinuousBeam::DrawMomentEnvelope(const CFloatPoint& origin) { DrawEnvelope(origin, FALSE); }

void CContinuousBeam::DrawShearEnvelope(const CFloatPoint& origin) { DrawEnvelope(origin, TRUE); }

void CContinuousBeam::DrawBeamLoads(const CFloatPoint& origin) {
    CFloatPoint start = origin;
    for (int i = 0; i < getSpanNum(); ++i) {
        DrawSpanLoads(start, getSpan(i));
        start = m_Graph.MoveFPtTo(start, m_SpanArr[i]->m_dSpanLen * m_dScaleX, kRight);
    }
}

// A load arrow of height dHeight at dOffset along the span from S, its head on the axis.
void CContinuousBeam::DrawLoadArrow(const CFloatPoint& S, double dOffset, double dHeight) {
    const CFloatPoint W = m_Graph.MoveFPtTo(S, dOffset, kRight);
    m_Graph.ArrowGT(m_Graph.MoveFPtTo(W, dHeight, kUp), W, kArrowHead, kGreen, 0, 1);
}

void CContinuousBeam::DrawSpanLoads(const CFloatPoint& S, const CSteelSpan* pSpan) {
    if (!pSpan) return;
    const CSteelSpanLoad* pLoads = pSpan->GetCurComLoad();
    if (!pLoads) return;
    const double s = m_dScaleY, x = m_dScaleX, L = pSpan->m_dSpanLen;
    const double Lx = L * x;
    const CFloatPoint E = m_Graph.MoveFPtTo(S, Lx, kRight);
    for (int k = 0; k < pLoads->m_CenLoadArr.GetSize(); ++k) {
        const NormalLoad& load = pLoads->m_CenLoadArr[k];
        if (load.m_dLoadValue < kSmallLoad) continue;
        const CFloatPoint W = m_Graph.MoveFPtTo(S, load.m_dPosA * x, kRight);
        const CFloatPoint T = m_Graph.MoveFPtTo(W, 1.5 * load.m_dLoadValue * s, kUp);
        m_Graph.ArrowGT(T, W, kArrowHead, kYellow, 0, 1);
        DrawLabel(m_Graph.MoveFPtTo(T, 50, kUp), "%.2fkN", load.m_dLoadValue);
    }
    for (int k = 0; k < pLoads->m_CenMomArr.GetSize(); ++k) {
        const NormalLoad& load = pLoads->m_CenMomArr[k];
        if (load.m_dLoadValue < kSmallLoad) continue;
        const CFloatPoint W = m_Graph.MoveFPtTo(S, load.m_dPosA * x, kRight);
        const CFloatPoint A = m_Graph.MoveFPtTo(W, 160, 3 * M_PI / 4);
        const CFloatPoint B = m_Graph.MoveFPtTo(W, 160, M_PI / 4);
        const CFloatPoint C = m_Graph.MoveFPtTo(W, 200, kUp);
        m_Graph.LineGT(W, A, kYellow, 0, 1);
        m_Graph.ArcGT(A, B, C, kYellow, 0, 1);
        m_Graph.ArrowGT(B, m_Graph.MoveFPtTo(B, 20, -M_PI / 3), kArrowHead, kYellow, 0, 1);
        DrawLabel(m_Graph.MoveFPtTo(C, 50, kUp), "%.2fkN*m", load.m_dLoadValue);
    }
    for (int k = 0; k < pLoads->m_DisLoadArr.GetSize(); ++k) {
        const double q = pLoads->m_DisLoadArr[k];
        if (q < kSmallLoad) continue;
        const CFloatPoint top = m_Graph.MoveFPtTo(S, q * s, kUp);
        m_Graph.LineGT(top, m_Graph.MoveFPtTo(top, Lx, kRight), kGreen, 0, 1);
        for (double d = 0; d < Lx; d += kArrowStep) DrawLoadArrow(S, d, q * s);
        DrawLoadArrow(S, Lx, q * s);
        DrawLabel(m_Graph.MoveFPtTo(m_Graph.MoveFPtTo(S, q * s + 50, kUp), Lx / 2, kRight), "%.2fkN/m", q);
    }
    for (int k = 0; k < pLoads->m_TriLoadArr.GetSize(); ++k) {
        const double q = pLoads->m_TriLoadArr[k];
        if (q < kSmallLoad) continue;
        const CFloatPoint apex = m_Graph.MoveFPtTo(m_Graph.MoveFPtTo(S, Lx / 2, kRight), q * s, kUp);
        m_Graph.LineGT(S, apex, kGreen, 0, 1);
        m_Graph.LineGT(apex, E, kGreen, 0, 1);
        for (double d = 0; d < Lx / 2; d += kArrowStep) DrawLoadArrow(S, d, 2 * q * s * d / Lx);
        for (double d = Lx / 2; d < Lx; d += kArrowStep) DrawLoadArrow(S, d, 2 * q * s * (Lx - d) / Lx);
        DrawLabel(m_Graph.MoveFPtTo(m_Graph.MoveFPtTo(S, q * s + 50, kUp), Lx / 2, kRight), "%.2fkN/m", q);
    }
    for (int k = 0; k < pLoads->m_TraLoadArr.GetSize(); ++k) {
        const double q = pLoads->m_TraLoadArr[k].m_dLoadValue, a = pLoads->m_TraLoadArr[k].m_dPosA;
        if (q < kSmallLoad) continue;
        const double ax = a * x;
        const CFloatPoint T1 = m_Graph.MoveFPtTo(m_Graph.MoveFPtTo(S, ax, kRight), q * s, kUp);
        const CFloatPoint T2 = m_Graph.MoveFPtTo(T1, (L - 2 * a) * x, kRight);
        m_Graph.LineGT(S, T1, kGreen, 0, 1);
        m_Graph.LineGT(T1, T2, kGreen, 0, 1);
        m_Graph.LineGT(T2, E, kGreen, 0, 1);
        if (ax > 0)
            for (double d = 0; d < ax; d += kArrowStep) DrawLoadArrow(S, d, q * s * d / ax);
        for (double d = ax; d < (L - a) * x; d += kArrowStep) DrawLoadArrow(S, d, q * s);
        if (ax > 0)
            for (double d = 0; d < ax; d += kArrowStep) DrawLoadArrow(S, Lx - d, q * s * d / ax);
        DrawLabel(m_Graph.MoveFPtTo(m_Graph.MoveFPtTo(S, q * s, kUp), Lx / 2, kRight), "%.2fkN/m", q);
    }
    for (int k = 0; k < pLoads->m_AnyLoadArr.GetSize(); ++k) {
        const AnyLoad& load = pLoads->m_AnyLoadArr[k];
        const double q1 = load.m_dLoadValue1, q2 = load.m_dLoadValue2;
        if (q1 < kSmallLoad && q2 < kSmallLoad) continue;
        const double ax = load.m_dPosA * x, cx = load.m_dPosC * x;
        const CFloatPoint A = m_Graph.MoveFPtTo(S, ax, kRight);
        const CFloatPoint C = m_Graph.MoveFPtTo(A, cx, kRight);
        m_Graph.LineGT(m_Graph.MoveFPtTo(A, q1 * s, kUp), m_Graph.MoveFPtTo(C, q2 * s, kUp), kGreen, 0, 1);
        for (double d = ax; d < ax + cx; d += kArrowStep)
            DrawLoadArrow(S, d, s * (q1 + (q2 - q1) * (d - ax) / cx));
        DrawLoadArrow(S, ax + cx, q2 * s);
        DrawLabel(m_Graph.MoveFPtTo(A, q1 * s + 50, kUp), "%.2fkN/m", q1);
        DrawLabel(m_Graph.MoveFPtTo(C, q2 * s + 50, kUp), "%.2fkN/m", q2);
    }
}

void CContinuousBeam::DrawDimensions() {
    CFloatPoint current = m_ptOrigin;
    for (int i = 0; i < getSpanNum(); ++i) {
        const CSteelSpan& span = *m_SpanArr[i];
        const CFloatPoint E = m_Graph.MoveFPtTo(current, span.m_dSpanLen * m_dScaleX, kRight);
        const CFloatPoint D = m_Graph.MoveFPtTo(current, 400, kDown);
        CString strLength;
        strLength.Format("%.3fm", span.m_dSpanLen);
        m_Graph.dimSignGT(current, E, D, strLength, 255, 0, -1.0);
        CString strSection;
        strSection.Format("%.0lf×%.0lf", span.m_dSecWidth, span.m_dSecHeight);
        const CFloatPoint middle = m_Graph.MoveFPtTo(current, span.m_dSpanLen * m_dScaleX / 2, kRight);
        m_Graph.TextGT(m_Graph.MoveFPtTo(middle, 200, 3 * M_PI / 2), strSection, 0, 0.0, 1, 14, 0.4,
                       "Arial Unicode MS");
        current = E;
    }
}
