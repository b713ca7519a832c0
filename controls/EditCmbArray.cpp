#include "controls/EditCmbArray.h"

CEditCmbArray::CEditCmbArray() : m_nModifyType(EDITCMB_READONLY) {}

CEditCmbArray::CEditCmbArray(const CEditCmbArray& other) : m_nModifyType(other.m_nModifyType) {
    m_strChoices.Append(other.m_strChoices);
    m_strBtnCaption = other.m_strBtnCaption;
}

CEditCmbArray& CEditCmbArray::operator=(const CEditCmbArray& other) {
    if (this == &other) return *this;
    m_nModifyType = other.m_nModifyType;
    m_strChoices.RemoveAll();
    m_strChoices.Append(other.m_strChoices);
    m_strBtnCaption = other.m_strBtnCaption;
    return *this;
}

CEditCmbArray::~CEditCmbArray() { m_strChoices.RemoveAll(); }
