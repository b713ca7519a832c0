// CBeamWellBasicDlg: the grid beam's input page "基本参数": support, the two panel counts, a, b, the
// load and the member number, beside the picture of the grid. The count lists offer only the grids
// that have a coefficient table: the horizontal count 2 … 13 with simple supports, 2 … 5 with the
// others, and for each the vertical counts of its tables.
#pragma once

#include "framework/CaltPageDlg.h"
#include "mfc/gdi/GdiObjects.h"
#include "resources/BeamWellResource.h"

class CBeamWellBasicDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CBeamWellBasicDlg)

public:
    enum { IDD = IDD_BEAMWELL_BASIC };

    explicit CBeamWellBasicDlg(CWnd* pParent = NULL);
    ~CBeamWellBasicDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    // Errors for a load or panel size outside its range; warns when b/a lies outside the rows of the
    // grid's table (0.6 … 1.6 or 0.8 … 1.2), where the calculation then finds no coefficients.
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;

    // Refills the vertical counts for a horizontal count and selects the first.
    void FillVerticalSpanList(int nHorizontal);
    // Shows the picture of the grid that the two count lists name.
    void ShowGridPicture();

    CBitmap m_bitmap;  // the picture shown
    int nPictureId;    // its id; 0 before one is chosen
    // The load and the panel sizes as their boxes last took them: a refused text gets them back.
    double m_dLoad, m_dDistA, m_dDistB;

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnSupportChange();
    afx_msg void OnHorizontalSpanChange();
    afx_msg void OnVerticalSpanChange();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnKillFocusLoad();
    afx_msg void OnKillFocusDistA();
    afx_msg void OnKillFocusDistB();
    DECLARE_MESSAGE_MAP()

private:
    // Refills the horizontal counts for the support shown and selects the first.
    void FillHorizontalSpanList();
};
