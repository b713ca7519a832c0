#include "host/VuskParam.h"

#include "host/Help.h"
#include "host/Store.h"
#include "host/VuskMainInfo.h"

IMPLEMENT_DYNAMIC(CVuskParam, CObject)

CVuskParam& CVuskParam::operator=(const CVuskParam& other) {
    if (this == &other) return *this;
    strNumber = other.strNumber;
    strTitle = other.strTitle;
    strCmdType = other.strCmdType;
    strDimInfo = other.strDimInfo;
    strLoadInfo = other.strLoadInfo;
    strResultInfo = other.strResultInfo;
    wordS = other.wordS;
    wordC = other.wordC;
    return *this;
}

BOOL CVuskParam::ReadParam(const CString&) { return qelt::host::IsStoreOpen(); }

BOOL CVuskParam::WriteParam(const CString&) { return qelt::host::IsStoreOpen(); }

int CVuskParam::Calculate() { return 1; }

int CVuskParam::BuildWordS() { return 1; }

int CVuskParam::BuildWordC() { return 1; }

void CVuskParam::GetListData() {
    g_VuskMainInfo.SetCurCmdType(strCmdType);
    g_VuskMainInfo.SetCurCmdDimInfo(strDimInfo);
    g_VuskMainInfo.SetCurCmdLoadInfo(strLoadInfo);
    g_VuskMainInfo.SetCurCmdResultInfo(strResultInfo);
    g_VuskMainInfo.SetCurCmdNumber(strNumber);
    g_VuskMainInfo.SetCurCmdBPrint(1);
}

void CVuskParam::InitDefaultParam() {
    strNumber.Empty();
    strTitle.Empty();
    strCmdType.Empty();
    strDimInfo.Empty();
    strLoadInfo.Empty();
    strResultInfo.Empty();
}

BOOL CVuskParam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "", 0);
    return TRUE;
}
