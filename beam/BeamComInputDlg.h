// CBeamComInputDlg: the continuous beam's input page "基本参数". It edits the command's beam itself:
// spans (list and editor), end supports, load cases and loads (tree and load editor) go into the
// beam at once; the grades, cover, factors and options when the page is tested (CheckData). The
// picture above shows the beam with the selected span highlighted and the current case's loads.
//
// The load tree: case nodes "工况1(恒载)" …, under each a span node "第1跨" … per span, under each
// the span's loads of that case, texts by kind ("10-2" for a force of 10 at a = 2). The load kind
// of a tree item is told by its image.
#pragma once

#include "beam/ContinuousBeam.h"
#include "beam/TreeCtrlEx.h"
#include "controls/ListCtrlEx.h"
#include "framework/CaltPageDlg.h"
#include "mfc/comctl/ComboBoxEx.h"
#include "mfc/comctl/ImageList.h"
#include "mfc/stdctrl/Button.h"
#include "resources/ContinuousBeamResource.h"

// An option box with its range (BeamComInputDlg.cpp).
struct OptionRange;

class CBeamComInputDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CBeamComInputDlg)

public:
    enum { IDD = IDD_BEAM_COM_INPUT };

    explicit CBeamComInputDlg(CWnd* pParent = NULL);
    ~CBeamComInputDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    // Errors: a box the exchange refuses, an option outside its range, a cover of half a span's
    // height or more, a span outside the span editor's limits, a load off its span or beyond the load
    // boxes' range, an unstable beam.
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;

    CComboBoxEx m_cmbLoadKind;
    CButton m_btnInsertSpan, m_btnAddCase, m_btnAppendSpan, m_btnDeleteSpan, m_btnModifySpan, m_btnInsertLoad,
        m_btnDeleteItem, m_btnModifyLoad;
    double m_dEditSpanLen;  // m
    int m_nEditHeight;      // mm
    int m_nEditWidth;       // mm
    double m_dLoadEdit[4];  // the four load boxes
    double m_dLiveFactor;
    double m_dDeadFactor;
    double m_dCrackLimit;
    double m_dStrength;
    double m_dSupportFactor;
    double m_dSpanFactor;
    double m_dCover;
    int m_bSelfWeight;
    int m_bCrackCheck;
    int m_bOwnStrength;
    int m_nCaseKind;  // of the current case: 0 dead, 1 live
    int m_bDeformCheck;
    CListCtrlEx m_listSpan;
    CTreeCtrlEx m_treeLoad;
    int m_nCurSpan;  // -1 none
    CContinuousBeam* m_pBeam;
    CImageList m_KindImages;   // the six kinds' pictures of the selector
    CBitmap m_bmpKind;          // the chosen kind's picture, shown beside the selector
    CBitmap m_bmpTips;          // the information icon
    int m_nLoadKind;
    int m_nActiveCtrl;  // 1 the tree, 2 the span list was pressed last; 0 neither
    HTREEITEM m_hSpanNode;
    HTREEITEM m_hCaseNode;
    double m_dLastLoad[12];  // the values last entered per kind

    // Spans.
    void FillFromBeam();
    void ApplyToBeam();
    void AddSpanRow(int i);
    void ShowSpanRow(int i);
    void LoadSpanToEditor(int i);
    // The edited span's values before it becomes span nIndex of nSpansAfter: refused with a message,
    // or a deep span (l/h < 5, not a cantilever) the engineer chooses to go back to.
    BOOL CheckSpanInput(int nIndex, int nSpansAfter);
    void ResetSelection();
    void SelectSpanRow(int i);

    // Loads.
    void ShowLoadKind();
    void ReadLoadValues();
    void UpdateLoadButtons();
    void ShowTreeSelection(HTREEITEM hItem);
    void UpdateTreeButtons(HTREEITEM hItem);
    void SelectSpanNode(int i);
    void SelectSpanFromNode(HTREEITEM hSpanNode);
    HTREEITEM InsertCaseNode(int i, int nSpans);
    void InsertSpanNodes(int i);
    void DeleteSpanNodes(int i);
    void BuildTreeFromBeam();
    void RelabelCaseNode();
    void InsertLoadItem(HTREEITEM hSpanNode);
    // 0 a case node, 1 a span node, kind + 2 a load.
    int GetItemCode(HTREEITEM hItem) const;
    // The nine checks of the current kind's values; the first failing one is shown.
    BOOL CheckLoadValues();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnAppendSpan();
    afx_msg void OnInsertSpan();
    afx_msg void OnDeleteSpan();
    afx_msg void OnModifySpan();
    afx_msg void OnInsertLoad();
    afx_msg void OnDeleteTreeItem();
    afx_msg void OnModifyLoad();
    afx_msg void OnSpanItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelchangeLoadKind();
    afx_msg void OnPaint();
    afx_msg void OnAddCase();
    afx_msg void OnTreeSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSpanListFocus(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnLoadBoxKillFocus();
    afx_msg void OnCrackCheck();
    afx_msg void OnOwnStrength();
    afx_msg void OnDeformCheck();
    afx_msg void OnDeadCase();
    afx_msg void OnLiveCase();
    afx_msg void OnSupportChange();
    afx_msg void OnExchangeFromControls();
    afx_msg void OnTreeSetFocus(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnChangeDeadFactor();
    afx_msg void OnChangeLiveFactor();
    afx_msg void OnKillfocusDeadFactor();
    afx_msg void OnKillfocusStrength();
    afx_msg void OnKillfocusLiveFactor();
    afx_msg void OnKillfocusCover();
    afx_msg void OnKillfocusSpanFactor();
    afx_msg void OnKillfocusSupportFactor();
    afx_msg void OnKillfocusSpanLength();
    afx_msg LRESULT OnListClick(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCtrlActivated(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The number in a box with a range into its member; FALSE, after the range's message and with
    // the member's value back in the box, for a text that is no number within the range
    // (TakeRangedValue).
    BOOL TakeRangedBox(const OptionRange& range);
    // A factor as it is being typed: taken into its member only while it is a number in range.
    void TakeTypedFactor(const OptionRange& range);
    // Writes a value into a box without the box's own handlers taking it.
    void ShowBoxValue(UINT nID, double dValue);
    void EnableOptionBoxes();
    void RedrawPicture();
    // The smallest height of the beam's spans, or the editor's height without spans.
    int SmallestHeight() const;
    double SelectedSpanLength() const;
    void RenumberSpanRows(int nFrom);
    void RenumberSpanNodes(HTREEITEM hCaseNode, int nFrom);
    // The load of kind nKind at nIndex among the siblings before hItem of the same kind.
    int IndexAmongKind(HTREEITEM hItem, int nKind) const;
    CString LoadItemText(int nKind, LPCTSTR lpszFormat) const;
    BOOL m_bFilling;
};
