// SectionResult: the design of one section of the continuous beam: a support or a mid-span.
#pragma once

#include "beam/BarScheme.h"
#include "beam/StirrupOption.h"
#include "mfc/base/String.h"

struct SectionResult {
    SectionResult();

    int m_bInitTopBar;     // 1 when the top bars are set
    CBarScheme TopBar;
    double TopMainArea;    // required top area As (mm²)
    int m_bInitBotBar;     // 1 when the bottom bars are set
    CBarScheme BotBar;
    double BotMainArea;    // required bottom area (mm²)
    int m_bInitStiBar;     // 1 when the stirrups are set (mid-spans only)
    int StiInt;            // stirrup spacing (mm)
    int StiDia;            // index into g_StirrupDiameters, never a diameter in mm
    CString StiGrade;      // stirrup grade text at the time of the design
    double StiArea;        // required Asv/s × 1000 (mm²/m)
    double Deform;         // deflection of the span (m, downwards positive)
    double Crack;          // maximum crack width (mm)
};
