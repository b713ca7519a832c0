// A fresh section record: nothing set yet.
#include "beam/SectionResult.h"

SectionResult::SectionResult()
    : m_bInitTopBar(0),
      TopBar{0, 0, 0, 0},
      TopMainArea(0),
      m_bInitBotBar(0),
      BotBar{0, 0, 0, 0},
      BotMainArea(0),
      m_bInitStiBar(0),
      StiInt(-1),
      StiDia(0),
      StiArea(0),
      Deform(0),
      Crack(0) {}
