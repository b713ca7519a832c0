// CCaltReportDlg: the page "计算书". It shows the parameter object's full report as rich text in
// a read-only rich edit control: text rows with their format and colour, pictures, and the tables
// that arrive as directive rows, assembled here into RTF.
#pragma once

#include "framework/CaltPageDlg.h"
#include "host/RtfEdit.h"
#include "host/WordObject.h"

class CCaltReportDlg : public CCaltPageDlg {
    DECLARE_DYNAMIC(CCaltReportDlg)

public:
    explicit CCaltReportDlg(CWnd* pParentWnd = NULL);
    ~CCaltReportDlg() override;

    // Shows the parameter object's full report.
    void SetData(CVuskParam* pParam) override;
    // Rebuilds the control's contents from m_pReport.
    void ShowReport();

    CRtfEdit m_ctrlReport;
    CWordObject* m_pReport;  // the report shown, not owned

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
