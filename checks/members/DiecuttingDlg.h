// CStlcnDiecuttingDlg: the input page "基本参数" of the punching check (dialog 38): column section,
// slab, loading, reinforcement and materials, with the verdict of the last check. Only the boxes that
// the chosen case uses are enabled; the loading switches the slide.
#pragma once

#include "checks/members/CheckDlg.h"
#include "resources/MembersResource.h"

class CStlcnDiecuttingDlg : public CStlcnCheckDlg {
    DECLARE_DYNAMIC(CStlcnDiecuttingDlg)

public:
    enum { IDD = IDD_DIECUTTING };

    explicit CStlcnDiecuttingDlg(CWnd* pParent = NULL);
    ~CStlcnDiecuttingDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void FillLists() override;
    void GetSlideNames(CStringArray& arrSlides) const override;

    afx_msg void OnSelChangeSection();
    afx_msg void OnSelChangeType();
    afx_msg void OnSelChangeStyle();
    afx_msg void OnSelChangeBoardForce();
    DECLARE_MESSAGE_MAP()
};
