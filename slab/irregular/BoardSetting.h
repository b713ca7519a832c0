#pragma once

// The irregular slab's design settings: load factors, materials, bar rules, serviceability limits,
// meshing and the slab's own thickness and uniform loads.

#include "mfc/base/String.h"

class CBoardSetting {
public:
    // Starts from the defaults, so that no field is ever read unset.
    CBoardSetting();

    // Writes every field's default (the long-term deflection adjustment is 2.0 here; the slab
    // parameters set their own 1.0 afterwards).
    void SetDefault();

    double m_dEverLoadCoef;
    double m_dActLoadCoef;
    double m_dPreEverCoef;
    double m_dImportCoef;
    double m_dProtectWidth;
    CString m_strBoardGrade;
    CString m_strReinGrade;
    double m_dPlusReinCoef;
    double m_dMinusReinCoef;
    double m_dReinMinDia;
    double m_dReinMaxDis;
    double m_dColuReinMinRate;  // 0.0: worked out from the materials
    CString m_strColuReinType;
    double m_dResultantForce;
    double m_dCrackWidth;
    double m_dNaoDu;
    double m_dLoadZuHe;
    double m_dPlusWanJu;
    double m_dMinusWanJu;
    int m_nPouFenXianType;
    double m_dBoxLength;
    double m_dReinDir;
    int m_nCloudNum;
    double m_nBoardWidth;
    double m_EverLoadVal;
    double m_ActLoadVal;
};
