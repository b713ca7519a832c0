// CBeamOutputDlg: the base of the continuous beam's result page: the list of sections (0支座,
// 1跨中, 1支座, …, record r of the beam's results in row r), and for the section picked the
// candidate bottom and top bar schemes and, for a mid-span, the candidate stirrups, with what the
// engineer picks from them kept per row.
#pragma once

#include "beam/ContinuousBeam.h"
#include "beam/Vector.h"
#include "controls/ListCtrlEx.h"
#include "framework/CaltPageDlg.h"
#include "mfc/stdctrl/Button.h"

// The picks of one section row; -1 for none.
struct RowChoice {
    int m_nBotScheme;  // row in the bottom list
    int m_nTopScheme;  // row in the top list
    int m_nStirrup;    // row in the stirrup list
    int m_nBotLayer;   // 0 one row of bars, 1 two rows
    int m_nTopLayer;
};

class CBeamOutputDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CBeamOutputDlg)

public:
    CBeamOutputDlg(UINT nIDTemplate, CWnd* pParent = NULL);
    ~CBeamOutputDlg() override;

    void SetData(CVuskParam* pParam) override;

    // The section's candidates and picks; stirrup text: the row's stirrup, to be selected.
    void ShowSectionRow(int nRow, const CString& strStirrupText);
    void CommitSectionDesign();
    // The stirrup text of a record's stirrup (spacing, diameter index) into a cell of the list.
    void SetStirrupText(const SectionResult& result, int nRow, int nColumn);
    static CString DesignStateText(int nCode);
    // The state of a span's stirrup design: "*截面尺寸不足*" for a section too small for the shear.
    static CString StirrupStateText(int nCode);
    void EnableLayerRadios(bool bEnable);

    virtual void InsertSectionColumns();
    virtual void ShowSectionForces(int bMidSpan, int nIndex);
    virtual void UpdateGroupCaptions(int nRow);
    virtual void RedesignSection();
    virtual void FillSpanRow(int nSpan, int nRow);
    virtual void ApplySelection();

    bool m_bBusy;
    CButton m_btnSelect;
    CString m_strTopArea;
    CString m_strBotArea;
    CString m_strStirArea;
    int m_nTopLayer;
    int m_nBotLayer;
    CContinuousBeam* m_pBeam;
    int m_nCurRow;
    CListCtrlEx m_lstSection;
    CListCtrlEx m_lstBotScheme;
    CListCtrlEx m_lstTopScheme;
    CListCtrlEx m_lstStirrup;
    CString m_strResultCaption;
    CString m_strBotCaption;
    CString m_strTopCaption;
    CString m_strForceCaption;
    CString m_strStirCaption;
    Vector<RowChoice> m_RowChoices;
    int m_bRedesigned;
    int m_bSectionHit, m_bBotHit, m_bTopHit, m_bStirHit;
    SectionDesign* m_pSpareDesign;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnApply();
    afx_msg void OnCandidateDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnListClick(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void FillSectionRows();
    void ClearSectionDisplay();
    void ShowSupport(int i);
    void ShowSpan(int i, const CString& strStirrupText);
    void ShowSectionDesign(const SectionDesign* pDesign);
    void FillSchemeList(CListCtrlEx& list, const PtrVectorList<CBarScheme*>& schemes, int nColumn);
    void FillStirrupList(const StirrupOptionSet* pSet, const CString& strCurrent);
    void SelectRowChoice(int nRow);
    // The design of a row's section, or null.
    SectionDesign*& DesignSlot(int nRow);
    int SpanCount() const { return m_pBeam ? m_pBeam->getSpanNum() : 0; }
    BOOL HasRecord(int nRow) const { return m_pBeam && nRow >= 0 && nRow < m_pBeam->m_ResultArr.GetSize(); }
};
