// CBeamStairResultDlg: the beam stair's result page "计算结果" (dialog 33): the shape's slide, the
// required areas, the candidate schemes of bars ①, ②, ⑤, the stirrups ③ and the slab bars ⑥/⑦, the
// chosen scheme of each bar, and, with the serviceability switch on, the re-checked deflection and
// crack width of the stair beam (bar ①) and of the slab (bars ⑥/⑦), failing ones in red. The page
// re-checks on its own copy of the parameters; GetData hands the chosen schemes back.
#pragma once

#include "controls/ListCtrlEx.h"
#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "mfc/stdctrl/Static.h"
#include "resources/BeamStairResource.h"
#include "stair/BeamStairParam.h"

struct BeamStairBarControls;

class CBeamStairResultDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CBeamStairResultDlg)

public:
    enum { IDD = IDD_BEAM_STAIR_RESULT };
    // The four verdicts: stair-beam deflection and crack width, slab deflection and crack width.
    enum { BeamDeflection, BeamCrack, SlabDeflection, SlabCrack, VerdictCount };

    explicit CBeamStairResultDlg(CWnd* pParent = NULL);
    ~CBeamStairResultDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;

    // Re-checks the copy with its schemes 1 and 6 and shows the four verdicts.
    void UpdateVerdicts();

    CBeamStairParam m_copy;  // the re-check's parameters
    int m_bSchemeChosen;
    int m_bPass[VerdictCount];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSelChangeScheme(UINT nID);
    afx_msg void OnListChanged(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

private:
    using BarControls = BeamStairBarControls;
    // The nNth bar that the list serves (list ① serves bars ① and ④), or NULL.
    static const BarControls* BarOfList(UINT nListID, int nNth);
    CListCtrlEx* List(UINT nListID);
    void FillLists(const CBeamStairParam& p);
    // Applies a row of a list to a bar's two scheme lists and its area static.
    void ApplyRow(const BarControls& bar, int nRow);
    void SelectNumber(UINT nID, int nValue);
    int ComboNumber(UINT nID) const;
    void SelectMatchingRow(UINT nListID, int nDia, int nSecond);
    void EnableControl(UINT nID, BOOL bEnable);
    void ShowScheme(UINT nDiaID, UINT nSecondID, int nDia, int nSecond);

    CListCtrlEx m_list1, m_list2, m_list5, m_list3, m_list67;
    CStatic m_ctrlVerdicts[VerdictCount];
    CSubStatic m_ctrlSlide;
    double m_dSlope;  // √(b² + h²), the width of one tread along the slope
};
