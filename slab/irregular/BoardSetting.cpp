#include "slab/irregular/BoardSetting.h"

CBoardSetting::CBoardSetting()
{
    SetDefault();
}

void CBoardSetting::SetDefault()
{
    m_dEverLoadCoef = 1.2;
    m_dActLoadCoef = 1.4;
    m_dPreEverCoef = 0.4;
    m_dImportCoef = 1.0;
    m_dProtectWidth = 15.0;
    m_strBoardGrade = "C25";
    m_strReinGrade = "HRB335";
    m_dPlusReinCoef = 1.0;
    m_dMinusReinCoef = 1.0;
    m_dReinMinDia = 8.0;
    m_dReinMaxDis = 200.0;
    m_dColuReinMinRate = 0.2;
    m_strColuReinType = "带肋钢筋";
    m_dResultantForce = 30.0;
    m_dCrackWidth = 0.3;
    m_dNaoDu = 2.0;
    m_dLoadZuHe = 0.7;
    m_dPlusWanJu = 1.0;
    m_dMinusWanJu = 1.0;
    m_nPouFenXianType = 1;
    m_dBoxLength = 500.0;
    m_dReinDir = 0.0;
    m_nCloudNum = 10;
    m_nBoardWidth = 100.0;
    m_EverLoadVal = 4.0;
    m_ActLoadVal = 4.0;
}
