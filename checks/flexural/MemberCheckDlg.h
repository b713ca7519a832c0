// CStlcnMemberDlg: what the input pages of the member checks share: the section slide (control
// 680, not selectable), the mode radio group, the concrete grades, the "计  算" button (224) shown only
// when the work dialog sits in the host's frame, the minimum-ratio combo boxes (in percent, or
// "自动计算" for the code's minimum), and F1 answered by the page with the command's help.
#pragma once

#include "framework/CaltPageDlg.h"
#include "host/SubStatic.h"
#include "mfc/Afx.h"

// The kinds of box that a page's range check tests.
enum {
    MEMBER_RANGE_NUMBER,   // an edit box or an editable combo box holding the field
    MEMBER_RANGE_PERCENT,  // a minimum-ratio combo box: skipped on "自动计算", tested in percent on a copy
    MEMBER_RANGE_KN,       // a force box in kN over a field in N
    MEMBER_RANGE_AS        // the as combo box: skipped on "0.1h" and "0.2h"
};

// One row of a page's range check: the box, its kind, the field it fills and the bounds of the
// number in the box.
struct MEMBERRANGE {
    UINT nID;
    int nKind;
    double* pValue;
    double dUpper;
    double dLower;
};

// Adds the error that stops a calculation after a box's value was refused by the range check that the
// input test runs once more (the range message has named the box's bounds and put a valid value back).
void AddRangeRefusalError(CStringArray& arrErrors);

class CStlcnMemberDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CStlcnMemberDlg)

public:
    CStlcnMemberDlg(UINT nIDTemplate, UINT nIDFirstModeRadio, CWnd* pParent);
    ~CStlcnMemberDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The page base's initialisation, the command's control states, the grade lists, the "计  算"
    // button by the mode, then the slides.
    BOOL OnInitDialog() override;

    // The enable and visibility states of the controls when the page opens.
    virtual void InitControlState() = 0;
    // Fills the page's grade combo boxes (FillComboBox).
    virtual void FillGradeLists() = 0;

    // Inserts the texts into a combo box, each at the next index.
    void FillComboBox(UINT nID, const CStringArray& arrItems);
    void EnableControl(UINT nID, BOOL bEnable);
    void ShowControl(UINT nID, BOOL bShow);
    // An edit box's text as a number (0 for a text that is not one).
    double GetEditDouble(UINT nID) const;

    // A minimum-ratio combo box: "自动计算" sets the flag and takes the code's minimum, any other
    // text clears it and takes the number in percent as a fraction.
    void GetRatioCombo(UINT nID, int& bAuto, double& dRatio, double dCodeMinimum) const;
    void SetRatioCombo(UINT nID, int bAuto, double dRatio);
    // The range check of a minimum-ratio combo box: 0 to 10 percent, unless it reads "自动计算".
    BOOL CheckRatioCombo(UINT nID, double dRatio);

    // The as combo box of the deep members: "0.1h" and "0.2h" are those shares of the height in
    // the box nIDHeight, any other text a distance in mm; it shows them so when as is exactly that.
    double GetAsCombo(UINT nID, UINT nIDHeight) const;
    void SetAsCombo(UINT nID, double dAs, double dH);

    // A force box in kN over a field in N (three decimals).
    double GetForceEdit(UINT nID) const;
    void SetForceEdit(UINT nID, double dForce);

    // The formulas divide by the strengths: a grade that the host's tables do not hold adds the
    // error "请选择混凝土等级和钢筋种类。" (FALSE). A NULL second steel grade is not tested.
    BOOL CheckGrades(CStringArray& arrErrors, LPCTSTR lpszConcrete, LPCTSTR lpszSteel, LPCTSTR lpszSteel2 = NULL);

    // The error of a design whose compression zone lies beyond ξb·ho.
    static const char kXiError[];

    // The range checks once more before the input test (OnDataChange), so that a value that reached
    // its box without the box being left (a stored one) is tested too; a refusal adds the error that
    // stops the calculation (FALSE).
    BOOL CheckRangesBeforeCalculation(CStringArray& arrErrors);

    // Runs the range check of every row, in order, whatever the earlier rows gave; TRUE when all
    // passed.
    BOOL CheckRanges(const MEMBERRANGE* pRanges, int nCount);
    template <int N>
    BOOL CheckRanges(const MEMBERRANGE (&ranges)[N]) {
        return CheckRanges(ranges, N);
    }

    // F1 on the page: the command's help through the parameter object, unless a page opens its own.
    virtual void OpenPageHelp();

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

    CSubStatic m_ctrlSlide;
    int m_nCaltType;  // index of the checked mode radio
    CStringArray m_arrConcreteGrade;
    // The grid of the slide control: one slide at a time unless a page says otherwise.
    int m_nSlideCols;
    int m_nSlideRows;

private:
    UINT m_nIDFirstModeRadio;
};
