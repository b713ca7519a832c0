// CBeamComOutputDlg: the continuous beam's result page "计算结果": the beam's picture with its
// envelopes, the sections with their bars, stirrups, deflections and crack widths, and for the
// section picked its internal forces with the load cases that give them ("1+2+4"), the editing of
// its bars and stirrups (from the candidate lists or composed in the combo boxes), the redesign
// for one or two rows of bars, and the section drawing. Every choice goes into the beam's results.
//
// Stirrup diameters are kept in the results as indices into the stirrup table (4 to 16 mm); the
// diameter box offers the table's diameters of 6 mm and more, the bar boxes the main-bar table.
#pragma once

#include "beam/BeamOutputDlg.h"
#include "resources/ContinuousBeamResource.h"
#include "sibling/BeamRecords.h"

class CBeamComOutputDlg : public CBeamOutputDlg {
    DECLARE_DYNAMIC(CBeamComOutputDlg)

public:
    enum { IDD = IDD_BEAM_COM_OUTPUT };

    explicit CBeamComOutputDlg(CWnd* pParent = NULL);
    ~CBeamComOutputDlg() override;

    void InsertSectionColumns() override;
    void ShowSectionForces(int bMidSpan, int nIndex) override;
    void RedesignSection() override;
    void FillSpanRow(int nSpan, int nRow) override;
    void ApplySelection() override;

    void SetData(CVuskParam* pParam) override;
    // Row nRow's record takes the bars the row shows; the beam's serviceability is checked anew, as
    // the report's is, and every row shows its figures.
    void UpdateServiceability(int nRow);
    // Deflection (a span's row) and crack width of a row from its record: "—" where its bars are
    // unset, "不满足" after a figure beyond its limit.
    void ShowServiceability(int nRow);
    // The bar text as a scheme of diameter indices; a diameter outside the table becomes index 0.
    CBarScheme ParseBarIndexes(const CString& strBars) const;
    // Selects the composed scheme in the list, or adds it when it fits and supplies the area.
    void AddUserScheme(CListCtrlEx& list, int n1, int d1, int n2, int d2);
    // The value, its position and the load cases that give it, of the beam's nCases cases (the
    // self-weight the calculation adds is no case of the beam's).
    static void ShowForceValue(const CalValue& value, double dPos, int nCases, CString& strValue, CString& strPos,
                               CString& strCombo);
    // Writes the shown section's drawing parameters and sends the drawing command.
    void DrawSection();

    CString m_strMomVal1, m_strMomPos1, m_strMomCombo1;
    CString m_strMomVal2;
    CString m_strShearVal, m_strShearCombo, m_strShearPos;
    int m_nStirDiaIndex;
    int m_nStirSpacing;
    CString m_strMomCombo2;
    CString m_strMomPos2;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg void OnPaint();
    afx_msg void OnApply();
    afx_msg void OnDrawSection();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnBotBarsChanged();
    afx_msg void OnTopBarsChanged();
    afx_msg void OnSectionChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBotSchemeChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTopSchemeChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnStirrupChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnStirrupEdited();
    afx_msg void OnBotLayer(UINT nID);
    afx_msg void OnTopLayer(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    void SchemeChanged(BOOL bTop);
    void BarsChanged(BOOL bTop);
    void LayerChanged(BOOL bTop, int nLayer);
    // The groups of a bar text into the count and diameter boxes of the bottom or top bars.
    void ShowBarBoxes(BOOL bTop, int n1, int d1, int n2, int d2);
    SectionResult* CurrentRecord();
    const CSteelSpan* SpanOfRow(int nRow) const;
};
