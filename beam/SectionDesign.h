// SectionDesign: the main-bar design of one section of the continuous beam: the candidate bottom
// and top bar schemes, smallest adequate first, the required areas and the result codes.
#pragma once

#include "beam/BarScheme.h"
#include "beam/Vector.h"

// Result codes of one side of a section.
enum {
    SECTION_ONE_ROW = 0,     // one-row schemes were found
    SECTION_TWO_ROWS = 1,    // two-row schemes were found
    SECTION_NO_SCHEME = -1,  // a full row reaches the area but no count does
    SECTION_TOO_SMALL = -2,  // not even full rows of the largest bars reach the area
};

struct SectionDesign {
    SectionDesign() : m_dBotArea(0), m_dTopArea(0), m_nBotCode(SECTION_NO_SCHEME), m_nTopCode(SECTION_NO_SCHEME) {}

    // The first scheme of a list, or null when it is empty.
    static const CBarScheme* FirstScheme(const PtrVectorList<CBarScheme*>& list) {
        return list.m_Head.m_pNext ? list.m_Head.m_pNext->m_Value : nullptr;
    }

    PtrVectorList<CBarScheme*> m_BotList;
    PtrVectorList<CBarScheme*> m_TopList;
    double m_dBotArea;  // required bottom area (mm²)
    double m_dTopArea;  // required top area (mm²)
    int m_nBotCode;
    int m_nTopCode;
};
