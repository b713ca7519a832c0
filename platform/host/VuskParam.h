// CVuskParam: the base of a command's parameter object. It holds what every command shares: the
// member number, the calculation's title, the four texts of the host's list entry and the two
// reports (the short one that BuildWordS fills and the full one that BuildWordC fills).
//
// What the base operations do (a class overrides them and calls the base first where it adds to it):
// - InitDefaultParam empties the number, the title and the list texts.
// - ReadParam and WriteParam (key prefix) handle no key of their own: every parameter class stores
//   its member number itself under "/strNumber". (The base storing it would let a class that
//   keeps the base's prefix "CVuskParam/" and no number overwrite the number of another such class.)
//   They return TRUE when the host's store is open, FALSE when nothing can be read or stored.
// - Calculate, BuildWordS and BuildWordC do nothing and return 1.
// - GetListData hands the four list texts and the number to g_VuskMainInfo, with print flag 1.
// - OnHelpInfo opens the contents of the suite's help (AdsHelp "Qelt" without a topic); TRUE.
// - operator= copies the number, the title, the list texts and both reports.
// The run-time class record is named "CVuskParam": the key prefix of classes without their own.
#pragma once

#include "host/WordObject.h"
#include "mfc/base/Object.h"
#include "mfc/base/String.h"
#include "win/WinTypes.h"

class CVuskParam : public CObject {
    DECLARE_DYNAMIC(CVuskParam)

public:
    CVuskParam() = default;
    CVuskParam(const CVuskParam& other) = default;
    ~CVuskParam() override = default;

    virtual CVuskParam& operator=(const CVuskParam& other);
    virtual BOOL ReadParam(const CString& strPrefix);
    virtual BOOL WriteParam(const CString& strPrefix);
    virtual int Calculate();
    virtual int BuildWordS();
    virtual int BuildWordC();
    virtual void GetListData();
    virtual void InitDefaultParam();
    virtual BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    CString strNumber;      // the member number ("构件编号")
    CString strTitle;       // the calculation's title
    CString strCmdType;     // list entry: the calculation type
    CString strDimInfo;     // list entry: the dimensions, lines ended by "\n"
    CString strLoadInfo;    // list entry: the given quantities
    CString strResultInfo;  // list entry: the results
    CWordObject wordS;      // the short report
    CWordObject wordC;      // the full report
};
