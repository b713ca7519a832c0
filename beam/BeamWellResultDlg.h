// CBeamWellResultDlg: the grid beam's result page "计算结果": M+, M− and V of every distinct beam in
// an editable grid list beside the picture of the grid. Edited values go back into the parameter
// object, so the reports and the stored values show them until the next calculation.
#pragma once

#include "controls/EditCmbList.h"
#include "framework/CaltPageDlg.h"
#include "mfc/gdi/GdiObjects.h"
#include "resources/BeamWellResource.h"

class CBeamWellResultDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CBeamWellResultDlg)

public:
    enum { IDD = IDD_BEAMWELL_RESULT };

    explicit CBeamWellResultDlg(CWnd* pParent = NULL);
    ~CBeamWellResultDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;

    // Row nRow: the beam's label, then its three values with three decimals; a zero value's cell
    // cannot be edited.
    void AddResultRow(int nRow, LPCTSTR lpszLabel, double dPositive, double dNegative, double dShear);

    CEditCmbList m_listResult;
    CBitmap m_bitmap;  // the picture shown

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    // An edited cell: a number within the column's range goes into the results at once, anything
    // else is refused with the range's message and the cell shows the result it held.
    afx_msg LRESULT OnCellCommit(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
