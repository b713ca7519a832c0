#include "stair/BeamStairDrawData.h"

#include <initializer_list>

#include "host/YorFile.h"

BeamStairDrawData::BeamStairDrawData()
    : m_bMirror(0), m_dSizeB(300), m_dSizeB1(200), m_dSizeB2(200), m_dSizeB3(200), m_dSizeH(150), m_dSizeH1(500),
      m_dSizeH2(450), m_dSizeH3(300), m_dSizeL2(800), m_dSizeL3(800), m_nSizeN(12), m_dSizeT(60), m_dSizeW(1800),
      m_dElev(3), m_strNum("LT-1"), m_dDtaScale(30), m_dScale(30),
      m_nReinD1(14), m_nReinD2(12), m_nReinD3(6), m_nReinD4(14), m_nReinD5(14), m_nReinD6(8), m_nReinD7(8),
      m_strReinLevel1("HPB235"), m_strReinLevel2("HPB235"), m_strReinLevel3("HPB235"), m_strReinLevel4("HPB235"),
      m_strReinLevel5("HPB235"), m_strReinLevel6("HPB235"), m_strReinLevel7("HPB235"),
      m_nReinN1(2), m_nReinN2(2), m_nReinN3(200), m_nReinN4(2), m_nReinN5(2), m_nReinN6(200), m_nReinN7(200),
      m_nType(0) {}

namespace {

// The field of bar nBar (1 to 7) of a record, const or not.
template <class Record>
auto& DiaOf(Record& r, int nBar) {
    auto fields = {&r.m_nReinD1, &r.m_nReinD2, &r.m_nReinD3, &r.m_nReinD4, &r.m_nReinD5, &r.m_nReinD6, &r.m_nReinD7};
    return **(fields.begin() + (nBar - 1));
}
template <class Record>
auto& GradeOf(Record& r, int nBar) {
    auto fields = {&r.m_strReinLevel1, &r.m_strReinLevel2, &r.m_strReinLevel3, &r.m_strReinLevel4,
                   &r.m_strReinLevel5, &r.m_strReinLevel6, &r.m_strReinLevel7};
    return **(fields.begin() + (nBar - 1));
}
template <class Record>
auto& NumberOf(Record& r, int nBar) {
    auto fields = {&r.m_nReinN1, &r.m_nReinN2, &r.m_nReinN3, &r.m_nReinN4, &r.m_nReinN5, &r.m_nReinN6, &r.m_nReinN7};
    return **(fields.begin() + (nBar - 1));
}

}  // namespace

int& BeamStairDrawData::Dia(int nBar) { return DiaOf(*this, nBar); }
CString& BeamStairDrawData::Grade(int nBar) { return GradeOf(*this, nBar); }
int& BeamStairDrawData::Number(int nBar) { return NumberOf(*this, nBar); }
int BeamStairDrawData::Dia(int nBar) const { return DiaOf(*this, nBar); }
int BeamStairDrawData::Number(int nBar) const { return NumberOf(*this, nBar); }

void BeamStairDrawData::Save(LPCTSTR lpszPrefix) const {
    const CString strPrefix(lpszPrefix);
    auto key = [&](const char* pszKey) { return strPrefix + pszKey; };
    CYorFile::SetValue(key("/m_dSizeB"), m_dSizeB);
    CYorFile::SetValue(key("/m_dSizeB1"), m_dSizeB1);
    CYorFile::SetValue(key("/m_dSizeB2"), m_dSizeB2);
    CYorFile::SetValue(key("/m_dSizeB3"), m_dSizeB3);
    CYorFile::SetValue(key("/m_dSizeH"), m_dSizeH);
    CYorFile::SetValue(key("/m_dSizeH1"), m_dSizeH1);
    CYorFile::SetValue(key("/m_dSizeH2"), m_dSizeH2);
    CYorFile::SetValue(key("/m_dSizeH3"), m_dSizeH3);
    CYorFile::SetValue(key("/m_dSizeL2"), m_dSizeL2);
    CYorFile::SetValue(key("/m_dSizeL3"), m_dSizeL3);
    CYorFile::SetValue(key("/m_nSizeN"), m_nSizeN);
    CYorFile::SetValue(key("/m_dSizeT"), m_dSizeT);
    CYorFile::SetValue(key("/m_dSizeW"), m_dSizeW);
    CYorFile::SetValue(key("/m_dElev"), m_dElev);
    CYorFile::SetValue(key("/m_strNum"), m_strNum);
    CYorFile::SetValue(key("/m_dDtaScale"), m_dDtaScale);
    CYorFile::SetValue(key("/m_dScale"), m_dScale);
    CString strKey;
    for (int nBar = 1; nBar <= 7; nBar++) {
        strKey.Format("/m_nReinD%d", nBar);
        CYorFile::SetValue(key(strKey), DiaOf(*this, nBar));
    }
    for (int nBar = 1; nBar <= 7; nBar++) {
        strKey.Format("/m_strReinLevel%d", nBar);
        CYorFile::SetValue(key(strKey), GradeOf(*this, nBar));
    }
    for (int nBar = 1; nBar <= 7; nBar++) {
        strKey.Format("/m_nReinN%d", nBar);
        CYorFile::SetValue(key(strKey), NumberOf(*this, nBar));
    }
    CYorFile::SetValue(key("/m_nType"), m_nType);
    CYorFile::SetValue(key("/m_bMirror"), m_bMirror);
}
