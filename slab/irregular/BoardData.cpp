#include "slab/irregular/BoardData.h"

CBoardData::CBoardData() : m_HasBoard(0)
{
}

CBoardData::CBoardData(const CBoardData& other) : CBoardData()
{
    *this = other;
}

CBoardData& CBoardData::operator=(const CBoardData& other)
{
    if (this == &other)
        return *this;
    m_WorkPoly = other.m_WorkPoly;
    m_HoleArray.Copy(other.m_HoleArray);
    m_BoardPoly = other.m_BoardPoly;
    m_HasBoard = other.m_HasBoard;
    m_MassLoadArray.Copy(other.m_MassLoadArray);
    m_PartLoadArray.Copy(other.m_PartLoadArray);
    m_LineLoadArray.Copy(other.m_LineLoadArray);
    m_TrapLoadArray.Copy(other.m_TrapLoadArray);
    m_ResultPoints.Copy(other.m_ResultPoints);
    m_ResultLines.Copy(other.m_ResultLines);
    m_ResultTexts.Copy(other.m_ResultTexts);
    return *this;
}

int CBoardData::Reset()
{
    m_WorkPoly.Reset();
    m_BoardPoly.Reset();
    m_HoleArray.RemoveAll();
    m_MassLoadArray.RemoveAll();
    m_PartLoadArray.RemoveAll();
    m_LineLoadArray.RemoveAll();
    m_TrapLoadArray.RemoveAll();
    m_ResultPoints.RemoveAll();
    m_ResultLines.RemoveAll();
    m_ResultTexts.RemoveAll();
    m_HasBoard = 0;
    return 1;
}
