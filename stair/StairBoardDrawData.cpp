#include "stair/StairBoardDrawData.h"

#include <initializer_list>

#include "host/YorFile.h"

StairBoardDrawData::StairBoardDrawData()
    : m_bMirror(0), m_dElev(3.0), m_strNum("LT-1"), m_dScale(30.0),
      m_nReinD1(14), m_nReinD2(14), m_nReinD3(14), m_nReinD4(6), m_nReinD5(14), m_nReinD6(14),
      m_strReinLevel1("HPB235"), m_strReinLevel2("HPB235"), m_strReinLevel3("HPB235"), m_strReinLevel4("HPB235"),
      m_strReinLevel5("HPB235"), m_strReinLevel6("HPB235"),
      m_nReinN1(100), m_nReinN2(100), m_nReinN3(100), m_nReinN4(200), m_nReinN6(100), m_nReinN5(100),
      m_dSizeB(300.0), m_dSizeB2(200.0), m_dSizeC1(350.0), m_dSizeC2(350.0), m_dSizeH(150.0), m_dSizeH1(100.0),
      m_dSizeB1(200.0), m_dSizeL(2700.0), m_dSizeL1(2700.0), m_dSizeL2(800.0), m_dSizeL3(800.0), m_nSizeN(10),
      m_nType(1) {}

namespace {

// The fields of bar nBar (1 to 6) of a record, const or not.
template <class Record>
auto& DiaOf(Record& r, int nBar) {
    auto fields = {&r.m_nReinD1, &r.m_nReinD2, &r.m_nReinD3, &r.m_nReinD4, &r.m_nReinD5, &r.m_nReinD6};
    return **(fields.begin() + (nBar - 1));
}
template <class Record>
auto& GradeOf(Record& r, int nBar) {
    auto fields = {&r.m_strReinLevel1, &r.m_strReinLevel2, &r.m_strReinLevel3,
                   &r.m_strReinLevel4, &r.m_strReinLevel5, &r.m_strReinLevel6};
    return **(fields.begin() + (nBar - 1));
}
template <class Record>
auto& SpaceOf(Record& r, int nBar) {
    auto fields = {&r.m_nReinN1, &r.m_nReinN2, &r.m_nReinN3, &r.m_nReinN4, &r.m_nReinN5, &r.m_nReinN6};
    return **(fields.begin() + (nBar - 1));
}

}  // namespace

int& StairBoardDrawData::Dia(int nBar) { return DiaOf(*this, nBar); }
CString& StairBoardDrawData::Grade(int nBar) { return GradeOf(*this, nBar); }
int& StairBoardDrawData::Space(int nBar) { return SpaceOf(*this, nBar); }

void StairBoardDrawData::Save(LPCTSTR lpszPrefix) const {
    const CString strPrefix(lpszPrefix);
    auto key = [&](const char* pszKey) { return strPrefix + pszKey; };
    CYorFile::SetValue(key("/m_bMirror"), m_bMirror);
    CYorFile::SetValue(key("/m_dElev"), m_dElev);
    CYorFile::SetValue(key("/m_strNum"), m_strNum);
    CYorFile::SetValue(key("/m_dScale"), m_dScale);
    CString strKey;
    for (int nBar = 1; nBar <= 6; nBar++) {
        strKey.Format("/m_nReinD%d", nBar);
        CYorFile::SetValue(key(strKey), DiaOf(*this, nBar));
    }
    for (int nBar = 1; nBar <= 6; nBar++) {
        strKey.Format("/m_strReinLevel%d", nBar);
        CYorFile::SetValue(key(strKey), GradeOf(*this, nBar));
    }
    for (int nBar = 1; nBar <= 6; nBar++) {
        strKey.Format("/m_nReinN%d", nBar);
        CYorFile::SetValue(key(strKey), SpaceOf(*this, nBar));
    }
    CYorFile::SetValue(key("/m_dSizeB"), m_dSizeB);
    CYorFile::SetValue(key("/m_dSizeB2"), m_dSizeB2);
    CYorFile::SetValue(key("/m_dSizeC1"), m_dSizeC1);
    CYorFile::SetValue(key("/m_dSizeC2"), m_dSizeC2);
    CYorFile::SetValue(key("/m_dSizeH"), m_dSizeH);
    CYorFile::SetValue(key("/m_dSizeH1"), m_dSizeH1);
    CYorFile::SetValue(key("/m_dSizeB1"), m_dSizeB1);
    CYorFile::SetValue(key("/m_dSizeL"), m_dSizeL);
    CYorFile::SetValue(key("/m_dSizeL1"), m_dSizeL1);
    CYorFile::SetValue(key("/m_dSizeL2"), m_dSizeL2);
    CYorFile::SetValue(key("/m_dSizeL3"), m_dSizeL3);
    CYorFile::SetValue(key("/m_nSizeN"), m_nSizeN);
    CYorFile::SetValue(key("/m_nType"), m_nType);
}
