#include "sibling/SteelBeam.h"

#include <algorithm>
#include <cmath>

#include "mfc/base/Diagnostics.h"

CSteelBeam::CSteelBeam()
    : m_nCurCom(0), m_dConLoadScale(1.2), m_dVarLoadScale(1.4), m_dElastModulus(0.0),
      m_nLeftSupport(BEAM_END_SIMPLE), m_nRightSupport(BEAM_END_SIMPLE), m_bCalculated(0) {
    Reset();
}

CSteelBeam::~CSteelBeam() { Reset(); }

void CSteelBeam::Reset() {
    for (int i = 0; i < m_SpanArr.GetSize(); ++i) delete m_SpanArr[i];
    m_SpanArr.RemoveAll();
    m_ComStyleArr.RemoveAll();
    m_nCurCom = 0;
    m_bCalculated = 0;
    m_BeamFunction.SetDimension(0);
}

CSteelBeam& CSteelBeam::operator=(const CSteelBeam& other) {
    if (&other == this) return *this;
    Reset();
    m_nCurCom = other.m_nCurCom;
    m_bCalculated = other.m_bCalculated;
    m_nLeftSupport = other.m_nLeftSupport;
    m_nRightSupport = other.m_nRightSupport;
    m_BeamFunction = other.m_BeamFunction;
    m_dConLoadScale = other.m_dConLoadScale;
    m_dVarLoadScale = other.m_dVarLoadScale;
    m_dElastModulus = other.m_dElastModulus;
    for (int i = 0; i < other.m_ComStyleArr.GetSize(); ++i) m_ComStyleArr.Add(other.m_ComStyleArr[i]);
    for (int i = 0; i < other.m_SpanArr.GetSize(); ++i) {
        CSteelSpan* span = new CSteelSpan;
        *span = *other.m_SpanArr[i];
        m_SpanArr.Add(span);
    }
    return *this;
}

int CSteelBeam::CheckStruct() const {
    const auto known = [](int end) { return end == BEAM_END_SIMPLE || end == BEAM_END_FIXED || end == BEAM_END_FREE; };
    if (!known(m_nLeftSupport) || !known(m_nRightSupport)) return 0;
    const int n = getSpanNum();
    const int supports = (n - 1) + (m_nLeftSupport != BEAM_END_FREE) + (m_nRightSupport != BEAM_END_FREE);
    const int fixed = (m_nLeftSupport == BEAM_END_FIXED) + (m_nRightSupport == BEAM_END_FIXED);
    return n >= 1 && (supports >= 2 || (supports >= 1 && fixed >= 1));
}

CSteelSpan* CSteelBeam::getSpan(int i) const { return i >= 0 && i < getSpanNum() ? m_SpanArr[i] : nullptr; }

void CSteelBeam::AddSpan(CSteelSpan* pSpan) { InsertSpan(getSpanNum(), pSpan); }

void CSteelBeam::InsertSpan(int i, CSteelSpan* pSpan) {
    if (!pSpan) {
        qelt::ReportMisuse("CSteelBeam::InsertSpan(%d) without a span", i);
        return;
    }
    if (i < 0 || i > getSpanNum()) {
        qelt::ReportMisuse("CSteelBeam::InsertSpan(%d) on a beam of %d spans: appended", i, getSpanNum());
        i = getSpanNum();
    }
    pSpan->m_nCurCom = m_nCurCom;
    m_SpanArr.InsertAt(i, pSpan);
}

void CSteelBeam::DeleteSpan(int i) {
    if (!getSpan(i)) {
        qelt::ReportMisuse("CSteelBeam::DeleteSpan(%d) on a beam of %d spans", i, getSpanNum());
        return;
    }
    delete m_SpanArr[i];
    m_SpanArr.RemoveAt(i);
}

void CSteelBeam::RemoveComStyle(int i) {
    if (i < 0 || i >= GetComNum()) {
        qelt::ReportMisuse("CSteelBeam::RemoveComStyle(%d) of %d cases", i, GetComNum());
        return;
    }
    m_ComStyleArr.RemoveAt(i);
    for (int s = 0; s < getSpanNum(); ++s) {
        CTypedPtrArray<CPtrArray, CSteelSpanLoad*>& loads = m_SpanArr[s]->m_SpanLoadArr;
        for (int j = loads.GetSize() - 1; j >= 0; --j) {
            if (loads[j]->m_nComIndex == i) {
                delete loads[j];
                loads.RemoveAt(j);
            } else if (loads[j]->m_nComIndex > i) {
                --loads[j]->m_nComIndex;
            }
        }
    }
    if (m_nCurCom > i || m_nCurCom >= GetComNum()) m_nCurCom = std::max(m_nCurCom - 1, 0);
    for (int s = 0; s < getSpanNum(); ++s) m_SpanArr[s]->m_nCurCom = m_nCurCom;
}

BOOL CSteelBeam::SetCurrentCom(int i) {
    if (i < 0 || i >= GetComNum()) return FALSE;
    m_nCurCom = i;
    for (int s = 0; s < getSpanNum(); ++s) m_SpanArr[s]->m_nCurCom = i;
    return TRUE;
}

double CSteelBeam::getBeamlength() const {
    double length = 0.0;
    for (int s = 0; s < getSpanNum(); ++s) {
        if (!m_SpanArr[s]->IsEmpty()) length += m_SpanArr[s]->m_dSpanLen;
    }
    return length;
}

double CSteelBeam::GetBeamMaxMom() const {
    double largest = 0.0;
    for (int s = 0; s < getSpanNum(); ++s) {
        double moment = 0.0, x = 0.0;
        m_SpanArr[s]->GetMaxMoment(moment, x);
        largest = std::max(largest, moment);
    }
    return largest;
}

double CSteelBeam::GetBeamMaxShear() const {
    double largest = 0.0;
    for (int s = 0; s < getSpanNum(); ++s) {
        double shear = 0.0, x = 0.0;
        m_SpanArr[s]->GetMaxShear(shear, x);
        largest = std::max(largest, shear);
    }
    return largest;
}

double CSteelBeam::getMaxLoadValue() const {
    double largest = 0.0;
    const auto take = [&largest](double value) { largest = std::max(largest, std::fabs(value)); };
    for (int s = 0; s < getSpanNum(); ++s) {
        const CSteelSpanLoad* load = m_SpanArr[s]->GetCurComLoad();
        if (!load) continue;
        for (int k = 0; k < load->m_CenLoadArr.GetSize(); ++k) take(load->m_CenLoadArr[k].m_dLoadValue);
        for (int k = 0; k < load->m_DisLoadArr.GetSize(); ++k) take(load->m_DisLoadArr[k]);
        for (int k = 0; k < load->m_TriLoadArr.GetSize(); ++k) take(load->m_TriLoadArr[k]);
        for (int k = 0; k < load->m_TraLoadArr.GetSize(); ++k) take(load->m_TraLoadArr[k].m_dLoadValue);
        for (int k = 0; k < load->m_AnyLoadArr.GetSize(); ++k) {
            take(load->m_AnyLoadArr[k].m_dLoadValue1);
            take(load->m_AnyLoadArr[k].m_dLoadValue2);
        }
    }
    return largest;
}

void CSteelBeam::ClearResults() {
    m_bCalculated = 0;
    m_BeamFunction.SetDimension(0);
    for (int s = 0; s < getSpanNum(); ++s) {
        CSteelSpan* span = m_SpanArr[s];
        span->ReSetEnvelop();
        span->m_dRotLeft = span->m_dRotRight = 0.0;
        span->m_ForceValueArr.RemoveAll();
    }
}
