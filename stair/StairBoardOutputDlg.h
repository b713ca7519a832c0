// CStairBoardOutputDlg: the plate stair's result page "计算结果" (dialog 29): the type's schematic, the
// required areas, the bar options of bar 1 and of bars 2/3 as lists, the chosen bars 1 to 6 by
// diameter and spacing, and the deflection and crack verdicts of the chosen bar 1, failing ones in
// red. The page object lives for the whole run and keeps its chosen bar 1; its window is made anew
// at every visit.
#pragma once

#include <memory>

#include "controls/ListCtrlEx.h"
#include "framework/CaltPageDlg.h"
#include "host/WndSlide.h"
#include "mfc/stdctrl/Static.h"
#include "mfc/user/WindowDC.h"
#include "resources/StairResource.h"
#include "stair/StairBoardParam.h"
#include "stair/StairSlabCase.h"

class CStairBoardOutputDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CStairBoardOutputDlg)

public:
    enum { IDD = IDD_STAIR_BOARD_OUTPUT };

    explicit CStairBoardOutputDlg(CWnd* pParent = NULL);
    ~CStairBoardOutputDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    // Bars chosen below their required area ask before the calculation goes on.
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL DestroyWindow() override;

    // Copies of the parameter object (SetData).
    int m_nKind;
    int m_nSteps;
    double m_dL1;
    StairBarOptionList m_Options1;
    StairBarOptionList m_Options23;
    double m_dAs1;
    double m_dAs23;
    CString m_strSteel;
    StairSlabCase m_slab;  // the re-check's inputs; its bar is the chosen bar 1
    int m_bIsCalRAL;
    int m_bSchemeChanged;
    CString m_strScheme1;
    CString m_strScheme23;
    int m_nSavedDia[6];
    int m_nSavedSpace[6];

    // The page's own: the chosen bar 1 of the re-check and its verdicts.
    int m_nChosenDia;
    int m_nChosenSpace;
    int m_bDeflectionOk;
    int m_bCrackOk;

    CListCtrlEx m_list1;
    CListCtrlEx m_list23;
    CStatic m_ctrlNeed1;
    CStatic m_ctrlNeed23;
    CStatic m_ctrlDeflection;
    CStatic m_ctrlCracking;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSelChangeBar(UINT nID);
    afx_msg void OnListChanged(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnPaint();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

private:
    void FillPage();
    void FillList(CListCtrlEx& list, const StairBarOptionList& options);
    // The re-check with the chosen bar 1; shows both verdicts.
    void Recheck();
    // Applies a row of a list to its bars (bAllBars: bars 5 and 6 whatever the type).
    void ApplyRow(UINT nListID, int nRow, BOOL bAllBars);
    // Selects the row whose notation reads d and s, or none.
    void SelectMatchingRow(CListCtrlEx& list, int nDia, int nSpace);
    // Selects the item whose number is nValue (unchanged when none is).
    void SelectNumber(UINT nID, int nValue);
    int ComboNumber(UINT nID) const;
    void ShowArea(UINT nID, double dArea);
    void EnableControl(UINT nID, BOOL bEnable);
    void PaintSchematic();

    CWndSlide m_wndSlide;
    std::unique_ptr<CClientDC> m_pFrameDC;
};
