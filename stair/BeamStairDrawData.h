// BeamStairDrawData: the drawing record of the beam stair that the CAD drawing command reads: the
// stair's dimensions (mm), elevation, name, scales and mirroring of the drawing, the seven bars'
// diameters, grades and counts (bars 1, 2, 4, 5) or spacings (bars 3, 6, 7), and the stair shape.
#pragma once

#include "mfc/base/String.h"

class BeamStairDrawData {
public:
    BeamStairDrawData();
    BeamStairDrawData(const BeamStairDrawData& other) = default;
    BeamStairDrawData& operator=(const BeamStairDrawData& other) = default;
    ~BeamStairDrawData() = default;

    // Writes the 40 fields into the drawing-parameter store, each under lpszPrefix followed by the
    // field's key ("BeamStairDraw" and "/m_dSizeB"); the mirror flag last.
    void Save(LPCTSTR lpszPrefix) const;

    // Bar nBar (1 to 7): its diameter, grade and count or spacing.
    int& Dia(int nBar);
    CString& Grade(int nBar);
    int& Number(int nBar);
    int Dia(int nBar) const;
    int Number(int nBar) const;

    int m_bMirror;
    double m_dSizeB;
    double m_dSizeB1;
    double m_dSizeB2;
    double m_dSizeB3;
    double m_dSizeH;
    double m_dSizeH1;
    double m_dSizeH2;
    double m_dSizeH3;
    double m_dSizeL2;
    double m_dSizeL3;
    int m_nSizeN;
    double m_dSizeT;
    double m_dSizeW;
    double m_dElev;
    CString m_strNum;
    double m_dDtaScale;
    double m_dScale;
    int m_nReinD1, m_nReinD2, m_nReinD3, m_nReinD4, m_nReinD5, m_nReinD6, m_nReinD7;
    CString m_strReinLevel1, m_strReinLevel2, m_strReinLevel3, m_strReinLevel4, m_strReinLevel5,
        m_strReinLevel6, m_strReinLevel7;
    int m_nReinN1, m_nReinN2, m_nReinN3, m_nReinN4, m_nReinN5, m_nReinN6, m_nReinN7;
    int m_nType;
};
