#include "sibling/SteelSpan.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <vector>

#include "mfc/base/Diagnostics.h"

namespace {

const int kLastPoint = BEAM_ENVELOPE_POINTS - 1;
const int kMiddleFirst = kLastPoint / 3;      // x = L/3
const int kMiddleLast = 2 * kLastPoint / 3;   // x = 2L/3

const int kEnvelopes = 6;
const std::size_t kBlockValues = kEnvelopes * BEAM_ENVELOPE_POINTS;

// A span's six envelopes live in one block. The blocks of spans that are gone are kept for the
// next ones, so that the analysis of a new beam writes into memory that is mapped already instead
// of fresh pages; the store holds no more blocks than the most spans that were freed at a time,
// at most kKeptBlocks, and lives as long as the process.
class EnvelopeBlocks {
public:
    static EnvelopeBlocks& Store() {
        static EnvelopeBlocks* store = new EnvelopeBlocks;
        return *store;
    }

    CalValue* Take() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_free.empty()) {
                CalValue* block = m_free.back();
                m_free.pop_back();
                return block;
            }
        }
        return new CalValue[kBlockValues];
    }

    void Give(CalValue* block) {
        if (!block) return;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_free.size() < kKeptBlocks) {
                m_free.push_back(block);
                return;
            }
        }
        delete[] block;
    }

private:
    static const std::size_t kKeptBlocks = 64;
    std::mutex m_mutex;
    std::vector<CalValue*> m_free;
};

std::array<CalValue**, kEnvelopes> EnvelopeSlots(CSteelSpan& span) {
    return {&span.m_PosMomEnv, &span.m_NegMomEnv, &span.m_PosShearEnv, &span.m_NegShearEnv,
            &span.m_ReservedEnv1, &span.m_ReservedEnv2};
}

std::array<const CalValue*, kEnvelopes> Envelopes(const CSteelSpan& span) {
    return {span.m_PosMomEnv, span.m_NegMomEnv, span.m_PosShearEnv, span.m_NegShearEnv, span.m_ReservedEnv1,
            span.m_ReservedEnv2};
}

// Values within a relative 1e-9 of each other are a tie, so that rounding does not decide one.
bool Exceeds(double candidate, double current) {
    return candidate - current > 1e-9 * std::max(std::fabs(candidate), std::fabs(current));
}

// The point of from .. to where sign·value is largest, the leftmost on a tie; -1 without an envelope.
int FindExtreme(const CalValue* envelope, int from, int to, int sign) {
    if (!envelope) return -1;
    int best = from;
    for (int i = from + 1; i <= to; ++i) {
        if (Exceeds(sign * envelope[i].m_dValue, sign * envelope[best].m_dValue)) best = i;
    }
    return best;
}

CalValue ValueAt(const CalValue* envelope, int i) {
    CalValue value{0.0, 0};
    if (envelope && i >= 0) value = envelope[i];
    return value;
}

// Inserts before nIndex, or appends when nIndex is -1.
template <class ARRAY, class VALUE>
BOOL InsertInto(ARRAY& array, int nIndex, VALUE value) {
    if (nIndex == -1) nIndex = array.GetSize();
    if (nIndex < 0 || nIndex > array.GetSize()) {
        qelt::ReportMisuse("CSteelSpan: a load inserted at %d of %d", nIndex, array.GetSize());
        return FALSE;
    }
    array.InsertAt(nIndex, value);
    return TRUE;
}

template <class ARRAY>
BOOL RemoveFrom(ARRAY& array, int nIndex) {
    if (nIndex < 0 || nIndex >= array.GetSize()) {
        qelt::ReportMisuse("CSteelSpan::DelSpanLoad(%d) of %d loads", nIndex, array.GetSize());
        return FALSE;
    }
    array.RemoveAt(nIndex);
    return TRUE;
}

// The governing one of a positive and a negative envelope, as a magnitude with its case set.
CalValue Governing(const CalValue* positive, const CalValue* negative, int* point) {
    const int p = FindExtreme(positive, 0, kLastPoint, 1), n = FindExtreme(negative, 0, kLastPoint, -1);
    CalValue up = ValueAt(positive, p), down = ValueAt(negative, n);
    down.m_dValue = 0.0 - down.m_dValue;
    const bool downGoverns = Exceeds(down.m_dValue, up.m_dValue);
    *point = downGoverns ? n : p;
    return downGoverns ? down : up;
}

}  // namespace

CSteelSpan::CSteelSpan()
    : m_nCurCom(0), m_dSpanLen(-1.0), m_dSectIx0(0.0), m_dSecWidth(0.0), m_dSecHeight(0.0), m_dReserved{},
      m_dRotLeft(0.0), m_dRotRight(0.0), m_PosMomEnv(nullptr), m_NegMomEnv(nullptr), m_PosShearEnv(nullptr),
      m_NegShearEnv(nullptr), m_ReservedEnv1(nullptr), m_ReservedEnv2(nullptr) {}

CSteelSpan::~CSteelSpan() { Reset(); }

void CSteelSpan::Reset() {
    for (int i = 0; i < m_SpanLoadArr.GetSize(); ++i) delete m_SpanLoadArr[i];
    m_SpanLoadArr.RemoveAll();
    EnvelopeBlocks::Store().Give(m_PosMomEnv);
    for (CalValue** slot : EnvelopeSlots(*this)) *slot = nullptr;
    std::fill(std::begin(m_dReserved), std::end(m_dReserved), 0.0);
    m_dRotLeft = m_dRotRight = 0.0;
    m_ForceValueArr.RemoveAll();
}

void CSteelSpan::ReSetEnvelop() {
    if (!m_PosMomEnv) {
        CalValue* block = EnvelopeBlocks::Store().Take();
        for (CalValue** slot : EnvelopeSlots(*this)) {
            *slot = block;
            block += BEAM_ENVELOPE_POINTS;
        }
    }
    std::fill_n(m_PosMomEnv, kBlockValues, CalValue{0.0, 0});
}

CSteelSpan& CSteelSpan::operator=(const CSteelSpan& other) {
    if (&other == this) return *this;
    Reset();
    m_nCurCom = other.m_nCurCom;
    m_dSpanLen = other.m_dSpanLen;
    m_dSectIx0 = other.m_dSectIx0;
    std::copy(std::begin(other.m_dReserved), std::end(other.m_dReserved), m_dReserved);
    m_dRotLeft = other.m_dRotLeft;
    m_dRotRight = other.m_dRotRight;
    if (!other.IsEmptyEnvelop()) {
        ReSetEnvelop();
        const auto targets = EnvelopeSlots(*this);
        const auto sources = Envelopes(other);
        for (size_t e = 0; e < targets.size(); ++e) {
            if (sources[e]) std::copy_n(sources[e], BEAM_ENVELOPE_POINTS, *targets[e]);
        }
    }
    for (int i = 0; i < other.m_SpanLoadArr.GetSize(); ++i) {
        CSteelSpanLoad* load = new CSteelSpanLoad;
        *load = *other.m_SpanLoadArr[i];
        m_SpanLoadArr.Add(load);
    }
    m_ForceValueArr.Copy(other.m_ForceValueArr);
    return *this;
}

CSteelSpanLoad* CSteelSpan::GetCurComLoad() const {
    for (int i = 0; i < m_SpanLoadArr.GetSize(); ++i) {
        if (m_SpanLoadArr[i]->m_nComIndex == m_nCurCom) return m_SpanLoadArr[i];
    }
    return nullptr;
}

CSteelSpanLoad* CSteelSpan::CurComLoadMade() {
    CSteelSpanLoad* load = GetCurComLoad();
    if (!load) {
        load = new CSteelSpanLoad;
        load->m_nComIndex = m_nCurCom;
        m_SpanLoadArr.Add(load);
    }
    return load;
}

BOOL CSteelSpan::AddSpanLoad(int nKind, double value) { return AddLoadAt(nKind, -1, &value, nullptr, nullptr); }
BOOL CSteelSpan::AddSpanLoad(int nKind, const NormalLoad& value) { return AddLoadAt(nKind, -1, nullptr, &value, nullptr); }
BOOL CSteelSpan::AddSpanLoad(int nKind, const AnyLoad& value) { return AddLoadAt(nKind, -1, nullptr, nullptr, &value); }

BOOL CSteelSpan::InsertSpanLoad(int nKind, int nIndex, double value) {
    return AddLoadAt(nKind, nIndex, &value, nullptr, nullptr);
}
BOOL CSteelSpan::InsertSpanLoad(int nKind, int nIndex, const NormalLoad& value) {
    return AddLoadAt(nKind, nIndex, nullptr, &value, nullptr);
}
BOOL CSteelSpan::InsertSpanLoad(int nKind, int nIndex, const AnyLoad& value) {
    return AddLoadAt(nKind, nIndex, nullptr, nullptr, &value);
}

BOOL CSteelSpan::AddLoadAt(int nKind, int nIndex, const double* scalar, const NormalLoad* normal, const AnyLoad* any) {
    const bool matches = (nKind == BEAM_LOAD_UNIFORM || nKind == BEAM_LOAD_TRIANGLE) ? scalar != nullptr
                         : (nKind == BEAM_LOAD_FORCE || nKind == BEAM_LOAD_MOMENT || nKind == BEAM_LOAD_TRAPEZOID)
                             ? normal != nullptr
                         : nKind == BEAM_LOAD_PARTIAL ? any != nullptr
                                                      : false;
    if (!matches) {
        qelt::ReportMisuse("CSteelSpan: load kind %d with a value of another kind", nKind);
        return FALSE;
    }
    CSteelSpanLoad* load = CurComLoadMade();
    switch (nKind) {
    case BEAM_LOAD_FORCE: return InsertInto(load->m_CenLoadArr, nIndex, *normal);
    case BEAM_LOAD_MOMENT: return InsertInto(load->m_CenMomArr, nIndex, *normal);
    case BEAM_LOAD_UNIFORM: return InsertInto(load->m_DisLoadArr, nIndex, *scalar);
    case BEAM_LOAD_TRIANGLE: return InsertInto(load->m_TriLoadArr, nIndex, *scalar);
    case BEAM_LOAD_TRAPEZOID: return InsertInto(load->m_TraLoadArr, nIndex, *normal);
    default: return InsertInto(load->m_AnyLoadArr, nIndex, *any);
    }
}

BOOL CSteelSpan::DelSpanLoad(int nKind, int nIndex) {
    CSteelSpanLoad* load = GetCurComLoad();
    if (!load || nKind < 0 || nKind >= BEAM_LOAD_KINDS) {
        qelt::ReportMisuse("CSteelSpan::DelSpanLoad(%d, %d) without such loads in case %d", nKind, nIndex, m_nCurCom);
        return FALSE;
    }
    switch (nKind) {
    case BEAM_LOAD_FORCE: return RemoveFrom(load->m_CenLoadArr, nIndex);
    case BEAM_LOAD_MOMENT: return RemoveFrom(load->m_CenMomArr, nIndex);
    case BEAM_LOAD_UNIFORM: return RemoveFrom(load->m_DisLoadArr, nIndex);
    case BEAM_LOAD_TRIANGLE: return RemoveFrom(load->m_TriLoadArr, nIndex);
    case BEAM_LOAD_TRAPEZOID: return RemoveFrom(load->m_TraLoadArr, nIndex);
    default: return RemoveFrom(load->m_AnyLoadArr, nIndex);
    }
}

double CSteelSpan::EnvelopeValue(const CalValue* envelope, int i) const {
    if (i < 0 || i > kLastPoint) {
        qelt::ReportMisuse("CSteelSpan: envelope point %d", i);
        return 0.0;
    }
    return envelope ? envelope[i].m_dValue : 0.0;
}

double CSteelSpan::PointPosition(int i) const {
    if (i <= 0) return 0.0;
    return i == kLastPoint ? m_dSpanLen : i * (m_dSpanLen / kLastPoint);
}

void CSteelSpan::GetMaxPosMoment(double& dMoment, double& dPos) const {
    const int i = FindExtreme(m_PosMomEnv, 0, kLastPoint, 1);
    dMoment = ValueAt(m_PosMomEnv, i).m_dValue;
    dPos = PointPosition(i);
}

void CSteelSpan::GetMaxNegMoment(double& dMoment, double& dPos) const {
    const int i = FindExtreme(m_NegMomEnv, 0, kLastPoint, -1);
    dMoment = 0.0 - ValueAt(m_NegMomEnv, i).m_dValue;  // never −0
    dPos = PointPosition(i);
}

void CSteelSpan::GetCenMaxPosMom(CalValue& value, double& dPos) const {
    const int i = FindExtreme(m_PosMomEnv, kMiddleFirst, kMiddleLast, 1);
    value = ValueAt(m_PosMomEnv, i);
    dPos = PointPosition(i);
}

void CSteelSpan::GetCenMaxPosMom(double& dMoment, double& dPos) const {
    CalValue value;
    GetCenMaxPosMom(value, dPos);
    dMoment = value.m_dValue;
}

void CSteelSpan::GetCenMaxNegMom(CalValue& value, double& dPos) const {
    const int i = FindExtreme(m_NegMomEnv, kMiddleFirst, kMiddleLast, -1);
    value = ValueAt(m_NegMomEnv, i);
    dPos = PointPosition(i);
}

void CSteelSpan::GetCenMaxNegMom(double& dMoment, double& dPos) const {
    CalValue value;
    GetCenMaxNegMom(value, dPos);
    dMoment = value.m_dValue;
}

void CSteelSpan::GetMaxShear(CalValue& value, double& dPos) const {
    int point = -1;
    value = Governing(m_PosShearEnv, m_NegShearEnv, &point);
    dPos = PointPosition(point);
}

void CSteelSpan::GetMaxShear(double& dShear, double& dPos) const {
    CalValue value;
    GetMaxShear(value, dPos);
    dShear = value.m_dValue;
}

void CSteelSpan::GetMaxMoment(double& dMoment, double& dPos) const {
    int point = -1;
    dMoment = Governing(m_PosMomEnv, m_NegMomEnv, &point).m_dValue;
    dPos = PointPosition(point);
}
