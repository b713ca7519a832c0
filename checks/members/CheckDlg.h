// CStlcnCheckDlg: what the input pages of the torsion, punching, local and axial compression checks
// share: the section slide (control 680, not selectable) with the command's slides, the concrete and
// steel grade lists of the host, the "计  算" button (224) shown only when the work dialog sits in
// the host's frame, and F1 on the page answered as handled (help opens from the work dialog).
// Values move between the controls and the parameter object only through GetData and SetData.
#pragma once

#include <initializer_list>

#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "mfc/Afx.h"

class CStlcnCheckDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CStlcnCheckDlg)

public:
    CStlcnCheckDlg(UINT nIDTemplate, CWnd* pParent);
    ~CStlcnCheckDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The page base's initialisation, the command's lists, the "计  算" button by the mode, the slides.
    BOOL OnInitDialog() override;

    // Empties and fills the page's fixed lists, in the command's order.
    virtual void FillLists() = 0;
    // The names of the command's slides, index 0 first.
    virtual void GetSlideNames(CStringArray& arrSlides) const = 0;

    // Empties a combo box and adds the texts in order.
    void FillComboBox(UINT nID, const CStringArray& arrItems);
    void FillComboBox(UINT nID, std::initializer_list<LPCTSTR> items);
    // The structure-importance combo box (328): "0.9", "1.0", "1.1".
    void FillImportanceList();
    void EnableControl(UINT nID, BOOL bEnable);
    void ShowControl(UINT nID, BOOL bShow);
    BOOL IsControlEnabled(UINT nID) const;
    // A control's window text as a number (0 for a text that is not one).
    double GetTextDouble(UINT nID) const;
    CString GetText(UINT nID) const;
    BOOL IsChecked(UINT nID) const;
    void SetChecked(UINT nID, BOOL bChecked);

    // The range check of a box (CCaltPageDlg::CheckEditDouble with the host's number format),
    // counting its refusals for CheckRangesBeforeCalculation.
    BOOL CheckRange(UINT nID, double& dValue, double dUpper, double dLower);
    // The range checks once more before the input test (OnDataChange), so that a value that reached
    // its box without the box being left (a stored one) is tested too; a refusal adds the error that
    // stops the calculation (FALSE).
    BOOL CheckRangesBeforeCalculation(CStringArray& arrErrors);

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    CSubStatic m_ctrlSlide;
    CStringArray m_arrConcreteGrade;
    CStringArray m_arrSteelGrade;

private:
    int m_nRefused;  // the range checks refused since CheckRangesBeforeCalculation began
};
