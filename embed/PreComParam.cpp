#include "embed/PreComParam.h"

#include "host/Help.h"
#include "host/YorFile.h"

namespace {

// Builds the key list: "CPreCom" followed by "D_mSub<n>/<member>" or "PreCom/<member>".
class CPreComKeyList {
public:
    explicit CPreComKeyList(std::vector<CPreComKey>& keys) : m_keys(keys) {}

    void SetGroup(LPCTSTR lpszGroup) { m_strGroup = lpszGroup; }

    void Add(LPCTSTR lpszMember, int& nValue, int nDefault) {
        CPreComKey& key = Append(lpszMember);
        key.pInt = &nValue;
        key.nDefault = nDefault;
    }
    void Add(LPCTSTR lpszMember, double& dValue, double dDefault) {
        CPreComKey& key = Append(lpszMember);
        key.pDouble = &dValue;
        key.dDefault = dDefault;
    }
    void Add(LPCTSTR lpszMember, CString& strValue, LPCTSTR lpszDefault) {
        CPreComKey& key = Append(lpszMember);
        key.pString = &strValue;
        key.lpszDefault = lpszDefault;
    }

    // The members pages 3 to 7 share, from the class index to the bar spacing, in stored order; a page
    // anchored by an angle keeps its designation in place of the bar diameter.
    void AddAnchorGroup(CPreComAnchorGroup& group, CString* pJGStyle, int nCa, int nB1, int nB) {
        Add("m_nConLevel", group.m_nConLevel, 0);
        if (pJGStyle)
            Add("m_strJGStyle", *pJGStyle, "L30x3");
        else
            Add("m_nSteelD", group.m_nSteelD, 8);
        Add("m_nSteelN0", group.m_nSteelN0, 2);
        Add("m_nSteelN1", group.m_nSteelN1, 2);
        Add("m_nSlabScale", group.m_nSlabScale, 0);
        Add("m_nSlabT", group.m_nSlabT, 8);
        Add("m_nAnchorLa", group.m_nAnchorLa, 250);
        Add("m_nSteelCa", group.m_nSteelCa, nCa);
        Add("m_nSteelB1", group.m_nSteelB1, nB1);
        Add("m_nSteelCb", group.m_nSteelCb, 40);
        Add("m_nSteelB", group.m_nSteelB, nB);
    }

    void AddForces(CPreComForces& forces) {
        Add("m_dForceN", forces.m_dForceN, 1.0);
        Add("m_dForceV", forces.m_dForceV, 1.0);
        Add("m_dForceM", forces.m_dForceM, 1.0);
    }

private:
    CPreComKey& Append(LPCTSTR lpszMember) {
        CPreComKey key;
        key.strKey = "CPreCom" + m_strGroup + "/" + lpszMember;
        m_keys.push_back(key);
        return m_keys.back();
    }

    std::vector<CPreComKey>& m_keys;
    CString m_strGroup;
};

}  // namespace

CPreComParam::CPreComParam() {
    for (const CPreComKey& key : GetKeys()) {
        if (key.pInt) *key.pInt = key.nDefault;
        if (key.pDouble) *key.pDouble = key.dDefault;
        if (key.pString) *key.pString = key.lpszDefault;
    }
}

std::vector<CPreComKey> CPreComParam::GetKeys() {
    std::vector<CPreComKey> keys;
    CPreComKeyList list(keys);

    list.SetGroup("D_mSub1");
    list.Add("m_nSteelD", m_Sub1.m_nSteelD, 6);
    list.Add("m_nSlabT", m_Sub1.m_nSlabT, 6);
    list.Add("m_nAnchorLa", m_Sub1.m_nAnchorLa, 250);
    list.Add("m_nSteelCa", m_Sub1.m_nSteelCa, 40);
    list.Add("m_nSteelB", m_Sub1.m_nSteelB, 45);
    list.Add("m_nSteelN", m_Sub1.m_nSteelN, 1);

    list.SetGroup("D_mSub2");
    list.Add("m_nSteelD", m_Sub2.m_nSteelD, 6);
    list.Add("m_strJGStyle", m_Sub2.m_strJGStyle, "L30x3");
    list.Add("m_nLW", m_Sub2.m_nLW, 30);
    list.Add("m_nAnchorLa", m_Sub2.m_nAnchorLa, 250);
    list.Add("m_nSteelCa", m_Sub2.m_nSteelCa, 35);
    list.Add("m_nSteelB", m_Sub2.m_nSteelB, 45);
    list.Add("m_nSteelN", m_Sub2.m_nSteelN, 1);

    list.SetGroup("D_mSub3");
    list.AddAnchorGroup(m_Sub3, nullptr, 40, 45, 45);
    list.Add("m_nShearE", m_Sub3.m_nShearE, 8);
    list.AddForces(m_Sub3);

    list.SetGroup("D_mSub4");
    list.AddAnchorGroup(m_Sub4, &m_Sub4.m_strJGStyle, 40, 45, 45);
    list.Add("m_nSlabBe", m_Sub4.m_nSlabBe, 40);
    list.Add("m_nSlabTe", m_Sub4.m_nSlabTe, 6);
    list.AddForces(m_Sub4);

    list.SetGroup("D_mSub5");
    list.AddAnchorGroup(m_Sub5, nullptr, 50, 70, 48);
    list.Add("m_nWanSteelD1", m_Sub5.m_nWanSteelD1, 8);
    list.Add("m_nWanSteelN", m_Sub5.m_nWanSteelN, 1);
    list.Add("m_nLW", m_Sub5.m_nLW, 70);
    list.Add("m_nWanAnchorLa", m_Sub5.m_nWanAnchorLa, 250);
    list.Add("m_dWanAngle", m_Sub5.m_dWanAngle, 30.0);

    list.SetGroup("D_mSub6");
    list.AddAnchorGroup(m_Sub6, nullptr, 40, 70, 48);
    list.Add("m_nShearBv", m_Sub6.m_nShearBv, 20);
    list.Add("m_nShearHv", m_Sub6.m_nShearHv, 10);
    list.Add("m_nShearTv", m_Sub6.m_nShearTv, 6);

    list.SetGroup("D_mSub7");
    list.AddAnchorGroup(m_Sub7, nullptr, 40, 45, 45);
    list.Add("m_nSlabBe", m_Sub7.m_nSlabBe, 24);
    list.Add("m_nSlabTe", m_Sub7.m_nSlabTe, 6);
    list.AddForces(m_Sub7);

    list.SetGroup("D_mSub8");
    list.Add("m_nSteelD", m_Sub8.m_nSteelD, 8);
    list.Add("m_nSteelDb", m_Sub8.m_nSteelDb, 60);
    list.Add("m_nSteelLw", m_Sub8.m_nSteelLw, 60);
    list.Add("m_nSteelLn", m_Sub8.m_nSteelLn, 240);

    list.SetGroup("PreCom");
    list.Add("m_nSubSelect", m_nSubSelect, 3);
    list.Add("m_strName", m_strName, "M-1");
    list.Add("m_nDraw", m_nDraw, 5);
    list.Add("m_bIsDim", m_bIsDim, 1);
    list.Add("m_bIsLeft", m_bIsLeft, 1);
    list.Add("m_bIsRight", m_bIsRight, 1);
    return keys;
}

void CPreComParam::LoadDrawParam() {
    for (const CPreComKey& key : GetKeys()) {
        if (key.pInt) CYorFile::GetValue(key.strKey, *key.pInt, key.nDefault);
        if (key.pDouble) CYorFile::GetValue(key.strKey, *key.pDouble, key.dDefault);
        if (key.pString) CYorFile::GetValue(key.strKey, *key.pString, key.lpszDefault);
    }
}

void CPreComParam::SaveDrawParam() {
    for (const CPreComKey& key : GetKeys()) {
        if (key.pInt) CYorFile::SetValue(key.strKey, *key.pInt);
        if (key.pDouble) CYorFile::SetValue(key.strKey, *key.pDouble);
        if (key.pString) CYorFile::SetValue(key.strKey, static_cast<LPCTSTR>(*key.pString));
    }
}

BOOL CPreComParam::OnHelpInfo(HELPINFO*) {
    AdsHelp("Qelt", "YMJJS", 0);
    return 1;
}
