#include "sibling/BeamRecords.h"

NormalLoad& NormalLoad::operator=(const NormalLoad& other) {
    m_dLoadValue = other.m_dLoadValue;
    m_dPosA = other.m_dPosA;
    return *this;
}

AnyLoad& AnyLoad::operator=(const AnyLoad& other) {
    m_dLoadValue1 = other.m_dLoadValue1;
    m_dLoadValue2 = other.m_dLoadValue2;
    m_dPosA = other.m_dPosA;
    m_dPosC = other.m_dPosC;
    return *this;
}

CalValue& CalValue::operator=(const CalValue& other) {
    m_dValue = other.m_dValue;
    m_dwComMask = other.m_dwComMask;
    return *this;
}

SteelCalForceValue& SteelCalForceValue::operator=(const SteelCalForceValue& other) {
    m_nComIndex = other.m_nComIndex;
    m_dMomLeft = other.m_dMomLeft;
    m_dShearLeft = other.m_dShearLeft;
    m_dMomRight = other.m_dMomRight;
    m_dShearRight = other.m_dShearRight;
    return *this;
}
