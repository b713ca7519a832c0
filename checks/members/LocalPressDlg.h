// CStlcnLocalPressDlg: the input page "基本参数" of the local compression check (dialog 42): the
// local area by its distribution shape, the indirect steel (meshes or a spiral), the materials and
// the force, with both verdicts of the last check. Aln is a number or "Al" (Aln taken equal to Al).
#pragma once

#include "checks/members/CheckDlg.h"
#include "resources/MembersResource.h"

class CStlcnLocalPressDlg : public CStlcnCheckDlg {
    DECLARE_DYNAMIC(CStlcnLocalPressDlg)

public:
    enum { IDD = IDD_LOCALPRESS };

    explicit CStlcnLocalPressDlg(CWnd* pParent = NULL);
    ~CStlcnLocalPressDlg() override;

    void GetData(CVuskParam* pParam) override;
    void SetData(CVuskParam* pParam) override;
    BOOL CheckData(CVuskParam* pParam, CStringArray& arrWarnings, CStringArray& arrErrors) override;
    BOOL OnDataChange() override;

protected:
    void FillLists() override;
    void GetSlideNames(CStringArray& arrSlides) const override;

    afx_msg void OnSelChangeSteelType();
    afx_msg void OnSelChangeAreaType();
    afx_msg void OnKillFocusAln();
    DECLARE_MESSAGE_MAP()
};
