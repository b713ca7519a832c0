// StairBoardDrawData: the drawing record of the plate stair that the CAD drawing command reads:
// name, scale, elevation and mirroring of the drawing, the stair type, the six bars' diameters,
// grades and spacings, and the stair's dimensions (mm).
#pragma once

#include "mfc/base/String.h"

class StairBoardDrawData {
public:
    StairBoardDrawData();
    StairBoardDrawData(const StairBoardDrawData& other) = default;
    StairBoardDrawData& operator=(const StairBoardDrawData& other) = default;
    ~StairBoardDrawData() = default;

    // Writes the 35 fields into the drawing-parameter store, each under lpszPrefix followed by the
    // field's key ("StairBoardDraw" and "/m_bMirror").
    void Save(LPCTSTR lpszPrefix) const;

    int m_bMirror;
    double m_dElev;
    CString m_strNum;
    double m_dScale;
    int m_nReinD1, m_nReinD2, m_nReinD3, m_nReinD4, m_nReinD5, m_nReinD6;
    CString m_strReinLevel1, m_strReinLevel2, m_strReinLevel3, m_strReinLevel4, m_strReinLevel5, m_strReinLevel6;
    int m_nReinN1, m_nReinN2, m_nReinN3, m_nReinN4, m_nReinN6, m_nReinN5;
    double m_dSizeB;
    double m_dSizeB2;
    double m_dSizeC1;
    double m_dSizeC2;
    double m_dSizeH;
    double m_dSizeH1;
    double m_dSizeB1;
    double m_dSizeL;
    double m_dSizeL1;
    double m_dSizeL2;
    double m_dSizeL3;
    int m_nSizeN;
    int m_nType;

    // Bar nBar (1 to 6): its diameter, grade and spacing.
    int& Dia(int nBar);
    CString& Grade(int nBar);
    int& Space(int nBar);
};
