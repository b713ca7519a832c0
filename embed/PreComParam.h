// CPreComParam: every input of the embedded-part pages and the drawing options, one group per page,
// kept between uses in the host's drawing-parameter store, where the host's drawing command reads them.
#pragma once

#include <vector>

#include "host/VuskParam.h"
#include "mfc/base/String.h"

// Page 1 "构造-钢板锚板".
struct CPreComSub1 {
    int m_nSteelD = 0;
    int m_nSlabT = 0;
    int m_nAnchorLa = 0;
    int m_nSteelCa = 0;
    int m_nSteelB = 0;
    int m_nSteelN = 0;
};

// Page 2 "构造-角钢锚板".
struct CPreComSub2 {
    int m_nSteelD = 0;
    CString m_strJGStyle;
    int m_nLW = 0;
    int m_nAnchorLa = 0;
    int m_nSteelCa = 0;
    int m_nSteelB = 0;
    int m_nSteelN = 0;
};

// What pages 3 to 7 share: concrete class, bar layout and the anchor plate under it.
struct CPreComAnchorGroup {
    int m_nConLevel = 0;
    int m_nSteelD = 0;  // not kept by page 4, which anchors with an angle
    int m_nSteelN0 = 0;
    int m_nSteelN1 = 0;
    int m_nSlabScale = 0;
    int m_nSlabT = 0;
    int m_nAnchorLa = 0;
    int m_nSteelCa = 0;
    int m_nSteelB1 = 0;
    int m_nSteelCb = 0;
    int m_nSteelB = 0;
};

// The design loads of pages 3, 4 and 7: N kN, V kN, M kN·m.
struct CPreComForces {
    double m_dForceN = 0;
    double m_dForceV = 0;
    double m_dForceM = 0;
};

// Page 3 "直锚筋".
struct CPreComSub3 : CPreComAnchorGroup, CPreComForces {
    int m_nShearE = 0;
};

// Page 4 "角钢锚筋".
struct CPreComSub4 : CPreComAnchorGroup, CPreComForces {
    CString m_strJGStyle;
    int m_nSlabBe = 0;
    int m_nSlabTe = 0;
};

// Page 5 "直锚筋+弯折锚筋".
struct CPreComSub5 : CPreComAnchorGroup {
    int m_nWanSteelD1 = 0;
    int m_nWanSteelN = 0;
    int m_nLW = 0;
    int m_nWanAnchorLa = 0;
    double m_dWanAngle = 0;
};

// Page 6 "直锚筋+抗剪钢板".
struct CPreComSub6 : CPreComAnchorGroup {
    int m_nShearBv = 0;
    int m_nShearHv = 0;
    int m_nShearTv = 0;
};

// Page 7 "直锚筋+端板".
struct CPreComSub7 : CPreComAnchorGroup, CPreComForces {
    int m_nSlabBe = 0;
    int m_nSlabTe = 0;
};

// Page 8 "吊环".
struct CPreComSub8 {
    int m_nSteelD = 0;
    int m_nSteelDb = 0;
    int m_nSteelLw = 0;
    int m_nSteelLn = 0;
};

// One stored value: its key, the member it fills and the value a missing key gives.
struct CPreComKey {
    CString strKey;
    int* pInt = nullptr;
    double* pDouble = nullptr;
    CString* pString = nullptr;
    int nDefault = 0;
    double dDefault = 0;
    LPCTSTR lpszDefault = "";
};

// Over the host's parameter base only for the work dialog and help: the values never go through the
// host's parameter store, and there is nothing to calculate or report for the work dialog.
class CPreComParam : public CVuskParam {
public:
    CPreComParam();
    ~CPreComParam() override = default;

    // The help topic of the command.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;

    CPreComSub1 m_Sub1;
    CPreComSub2 m_Sub2;
    CPreComSub3 m_Sub3;
    CPreComSub4 m_Sub4;
    CPreComSub5 m_Sub5;
    CPreComSub6 m_Sub6;
    CPreComSub7 m_Sub7;
    CPreComSub8 m_Sub8;

    int m_nSubSelect = 0;  // page last drawn, 1..8
    CString m_strName;     // drawing name
    int m_nDraw = 0;       // drawing scale 1:n
    int m_bIsDim = 0;      // 标注
    int m_bIsLeft = 0;     // 平面
    int m_bIsRight = 0;    // 侧面

    // Every stored value in the order both directions process them.
    std::vector<CPreComKey> GetKeys();

    // Fills every member from the store, or with its default when the key is missing.
    void LoadDrawParam();
    // Writes every member to the store.
    void SaveDrawParam();

    CPreComParam(const CPreComParam&) = delete;
    CPreComParam& operator=(const CPreComParam&) = delete;
};
