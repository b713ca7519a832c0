#include "slab/irregular/AtypicalBoardParam.h"

#include "host/VuskMainInfo.h"

IMPLEMENT_DYNAMIC(CAtypicalBoardParam, CVuskParam)

CAtypicalBoardParam::CAtypicalBoardParam()
    : m_nBoardLineType(0), m_nBoardType(0), m_nLoadType(LOAD_DEAD), m_dDefaultLoad(0.0), m_dMassLoad(0.0),
      m_dLocalLoad(0.0), m_dLineLoad(0.0), m_dTrapLoadP1(0.0), m_dTrapLoadP2(0.0), m_bModified(0),
      m_nMassOrPart(0), m_nLineOrTrap(0), m_nCurPage(0), m_bIsAutoCalSelfH(1), m_bStoreDamaged(FALSE)
{
}

void CAtypicalBoardParam::SetDefaultData()
{
    m_strBoardCode = "YX-1";
    m_nBoardLineType = 0;
    m_nBoardType = BOARD_OUTLINE;
    m_nLoadType = LOAD_DEAD;
    m_nMassOrPart = 0;
    m_nLineOrTrap = 0;
    m_dMassLoad = m_dLocalLoad = m_dLineLoad = m_dTrapLoadP1 = m_dTrapLoadP2 = 10.0;
    m_BoardData.Reset();
    m_param.SetDefault();
    m_dDefaultLoad = 10.0;
    m_param.m_dNaoDu = 1.0;
    // The rows kept belong to the slab just emptied: the next calculation does not return them.
    m_bModified = 1;
    m_nCurPage = 0;
    m_bIsAutoCalSelfH = 1;
}

void CAtypicalBoardParam::GetListData()
{
    g_VuskMainInfo.SetCurCmdType("异形板计算");
    g_VuskMainInfo.SetCurCmdNumber(m_strBoardCode);
}
