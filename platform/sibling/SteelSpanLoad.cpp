#include "sibling/SteelSpanLoad.h"

namespace {

template <class ARRAY>
void CopyElements(ARRAY& target, const ARRAY& source) {
    target.RemoveAll();
    for (int i = 0; i < source.GetSize(); ++i) {
        auto element = source[i];
        target.Add(element);
    }
}

}  // namespace

CSteelSpanLoad::CSteelSpanLoad() : m_nComIndex(0) {}

CSteelSpanLoad::~CSteelSpanLoad() = default;

CSteelSpanLoad& CSteelSpanLoad::operator=(const CSteelSpanLoad& other) {
    if (&other == this) return *this;
    m_nComIndex = other.m_nComIndex;
    CopyElements(m_CenLoadArr, other.m_CenLoadArr);
    CopyElements(m_CenMomArr, other.m_CenMomArr);
    CopyElements(m_DisLoadArr, other.m_DisLoadArr);
    CopyElements(m_TriLoadArr, other.m_TriLoadArr);
    CopyElements(m_TraLoadArr, other.m_TraLoadArr);
    CopyElements(m_AnyLoadArr, other.m_AnyLoadArr);
    return *this;
}

int CSteelSpanLoad::IsEmpty() const {
    return m_CenLoadArr.IsEmpty() && m_CenMomArr.IsEmpty() && m_DisLoadArr.IsEmpty() && m_TriLoadArr.IsEmpty() &&
           m_TraLoadArr.IsEmpty() && m_AnyLoadArr.IsEmpty();
}
