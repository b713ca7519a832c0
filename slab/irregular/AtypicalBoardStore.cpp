// The irregular slab's stored parameters: flat keys under the prefix, each appended to it as it is.
#include "framework/ParamExchange.h"
#include "host/VuskSave.h"
#include "slab/irregular/AtypicalBoardParam.h"

namespace {

CString IndexedKey(const CString& strPrefix, LPCTSTR lpszName, int nIndex)
{
    CString strKey;
    strKey.Format("%s%s%d", static_cast<LPCTSTR>(strPrefix), lpszName, nIndex);
    return strKey;
}

// A stored element count, held against the store: the key of the last element must be there
// (found by the probe), so that a damaged count costs one look-up rather than one per element it
// claims. Such a count, or a negative one, reads 0 and marks the store damaged.
template <typename Probe>
int ReadCount(const CString& strKey, Probe lastElementStored, BOOL& bDamaged)
{
    int nCount = 0;
    CVuskSave::GetValue(strKey, nCount, 0);
    if (nCount == 0)
        return 0;
    if (nCount < 0 || !lastElementStored(nCount - 1)) {
        bDamaged = TRUE;
        return 0;
    }
    return nCount;
}

BOOL DoubleStored(const CString& strKey)
{
    double dValue = 0.0;
    return CVuskSave::GetValue(strKey, dValue, 0.0);
}

BOOL IntStored(const CString& strKey)
{
    int nValue = 0;
    return CVuskSave::GetValue(strKey, nValue, 0);
}

}  // namespace

void CAtypicalBoardParam::ExchangeSettings(const CString& strPrefix, BOOL bSave)
{
    CParamExchange px(strPrefix, bSave);
    px.Exchange("/m_nBoardLineType", m_nBoardLineType);
    px.Exchange("/m_nBoardType", m_nBoardType);
    px.Exchange("/m_nLoadType", m_nLoadType);
    px.Exchange("/m_dDefaultLoad", m_dDefaultLoad);
    px.Exchange("/m_dMassLoad", m_dMassLoad);
    px.Exchange("/m_dLocalLoad", m_dLocalLoad);
    px.Exchange("/m_dLineLoad", m_dLineLoad);
    px.Exchange("/m_dTrapLoadP1", m_dTrapLoadP1);
    px.Exchange("/m_dTrapLoadP2", m_dTrapLoadP2);
    px.Exchange("/m_nMassOrPart", m_nMassOrPart);
    px.Exchange("/m_nLineOrTrap", m_nLineOrTrap);
    px.Exchange("/m_bIsAutoCalSelfH", m_bIsAutoCalSelfH);
    px.Exchange("/m_strBoardCode", m_strBoardCode);

    px.Exchange("/m_param.m_dActLoadCoef", m_param.m_dActLoadCoef);
    px.Exchange("/m_param.m_dPreEverCoef", m_param.m_dPreEverCoef);
    px.Exchange("/m_param.m_dProtectWidth", m_param.m_dProtectWidth);
    px.Exchange("/m_param.m_strBoardGrade", m_param.m_strBoardGrade);
    px.Exchange("/m_param.m_strReinGrade", m_param.m_strReinGrade);
    px.Exchange("/m_param.m_dPlusReinCoef", m_param.m_dPlusReinCoef);
    px.Exchange("/m_param.m_dMinusReinCoef", m_param.m_dMinusReinCoef);
    px.Exchange("/m_param.m_dReinMinDia", m_param.m_dReinMinDia);
    px.Exchange("/m_param.m_dReinMaxDis", m_param.m_dReinMaxDis);
    px.Exchange("/m_param.m_dColuReinMinRate", m_param.m_dColuReinMinRate);
    px.Exchange("/m_param.m_strColuReinType", m_param.m_strColuReinType);
    px.Exchange("/m_param.m_dResultantForce", m_param.m_dResultantForce);
    px.Exchange("/m_param.m_dCrackWidth", m_param.m_dCrackWidth);
    px.Exchange("/m_param.m_dNaoDu", m_param.m_dNaoDu);
    px.Exchange("/m_param.m_dLoadZuHe", m_param.m_dLoadZuHe);
    px.Exchange("/m_param.m_dPlusWanJu", m_param.m_dPlusWanJu);
    px.Exchange("/m_param.m_dMinusWanJu", m_param.m_dMinusWanJu);
    px.Exchange("/m_param.m_nPouFenXianType", m_param.m_nPouFenXianType);
    px.Exchange("/m_param.m_dBoxLength", m_param.m_dBoxLength);
    px.Exchange("/m_param.m_dReinDir", m_param.m_dReinDir);
    px.Exchange("/m_param.m_nBoardWidth", m_param.m_nBoardWidth);
    px.Exchange("/m_param.m_EverLoadVal", m_param.m_EverLoadVal);
    px.Exchange("/m_param.m_ActLoadVal", m_param.m_ActLoadVal);
    px.Exchange("/m_param.m_nCloudNum", m_param.m_nCloudNum);
    // The two factors the settings grid edits as well; an older store without them keeps the
    // values the object holds.
    px.Exchange("/m_param.m_dEverLoadCoef", m_param.m_dEverLoadCoef);
    px.Exchange("/m_param.m_dImportCoef", m_param.m_dImportCoef);
}

BOOL CAtypicalBoardParam::WriteParam(const CString& strPrefix)
{
    BOOL bResult = CVuskParam::WriteParam(strPrefix);
    ExchangeSettings(strPrefix, TRUE);
    WriteBoardData(strPrefix, m_BoardData);
    return bResult & 1;
}

BOOL CAtypicalBoardParam::ReadParam(const CString& strPrefix)
{
    BOOL bResult = CVuskParam::ReadParam(strPrefix);
    ExchangeSettings(strPrefix, FALSE);
    // The stored slab replaces the one held, rather than adding its holes and loads to it.
    m_BoardData.Reset();
    m_bStoreDamaged = FALSE;
    ReadBoardData(strPrefix, m_BoardData);
    // Results are not stored: a slab read back has none until it is calculated again.
    m_bModified = 1;
    return bResult & 1;
}

void CAtypicalBoardParam::WriteBoardData(const CString& strPrefix, const CBoardData& data)
{
    struct Group {
        LPCTSTR lpszName;
        const CArray<CBoardPolyline, const CBoardPolyline&>& polylines;
    };
    const Group groups[] = {{"m_HoleArray", data.m_HoleArray},
                            {"m_PartLoadArray", data.m_PartLoadArray},
                            {"m_LineLoadArray", data.m_LineLoadArray},
                            {"m_TrapLoadArray", data.m_TrapLoadArray}};
    for (const Group& group : groups) {
        for (int i = 0; i < group.polylines.GetSize(); ++i)
            WritePolyline(IndexedKey(strPrefix, group.lpszName, i), group.polylines[i]);
        CVuskSave::SetValue(strPrefix + group.lpszName + "Size", static_cast<int>(group.polylines.GetSize()));
    }
    WritePolyline(strPrefix + "m_BoardPoly", data.m_BoardPoly);
    CVuskSave::SetValue(strPrefix + "m_HasBoard", data.m_HasBoard);
    for (int i = 0; i < data.m_MassLoadArray.GetSize(); ++i)
        WriteMassLoad(IndexedKey(strPrefix, "m_MassLoadArray", i), data.m_MassLoadArray[i]);
    CVuskSave::SetValue(strPrefix + "m_MassLoadArraySize", static_cast<int>(data.m_MassLoadArray.GetSize()));
}

void CAtypicalBoardParam::ReadBoardData(const CString& strPrefix, CBoardData& data)
{
    CArray<CBoardPolyline, const CBoardPolyline&>* groups[] = {&data.m_HoleArray, &data.m_PartLoadArray,
                                                               &data.m_LineLoadArray, &data.m_TrapLoadArray};
    LPCTSTR names[] = {"m_HoleArray", "m_PartLoadArray", "m_LineLoadArray", "m_TrapLoadArray"};
    for (int g = 0; g < 4; ++g) {
        const int nCount = ReadCount(
            strPrefix + names[g] + "Size",
            [&](int i) { return IntStored(IndexedKey(strPrefix, names[g], i) + "m_StretchPtArraySize"); }, m_bStoreDamaged);
        for (int i = 0; i < nCount; ++i) {
            CBoardPolyline poly;
            ReadPolyline(IndexedKey(strPrefix, names[g], i), poly);
            groups[g]->Add(poly);
        }
    }
    ReadPolyline(strPrefix + "m_BoardPoly", data.m_BoardPoly);
    CVuskSave::GetValue(strPrefix + "m_HasBoard", data.m_HasBoard, 0);
    const int nLoads = ReadCount(
        strPrefix + "m_MassLoadArraySize",
        [&](int i) { return DoubleStored(IndexedKey(strPrefix, "m_MassLoadArray", i) + "m_MassPt/x"); }, m_bStoreDamaged);
    for (int i = 0; i < nLoads; ++i) {
        CMassLoad load;
        ReadMassLoad(IndexedKey(strPrefix, "m_MassLoadArray", i), load);
        data.m_MassLoadArray.Add(load);
    }
}

void CAtypicalBoardParam::WritePolyline(const CString& strPrefix, const CBoardPolyline& poly)
{
    for (int j = 0; j < poly.GetCount(); ++j)
        WritePoint(IndexedKey(strPrefix, "m_StretchPtArray", j), poly.m_StretchPtArray[j]);
    WritePoint(strPrefix + "m_ptLeft", poly.m_ptLeft);
    WritePoint(strPrefix + "m_ptRight", poly.m_ptRight);
    CVuskSave::SetValue(strPrefix + "m_StretchPtArraySize", poly.GetCount());
    CVuskSave::SetValue(strPrefix + "/m_BulgeArray", poly.m_BulgeArray);
    CVuskSave::SetValue(strPrefix + "/m_DisArray", poly.m_DisArray);
    CVuskSave::SetValue(strPrefix + "/m_LineDisArray", poly.m_LineDisArray);
    CVuskSave::SetValue(strPrefix + "/m_LineTypeArray", poly.m_LineTypeArray);
    CVuskSave::SetValue(strPrefix + "/m_HasColuArray", poly.m_HasColuArray);
    CVuskSave::SetValue(strPrefix + "/m_BoardType", poly.m_BoardType);
    CVuskSave::SetValue(strPrefix + "/m_LoadType", poly.m_LoadType);
    CVuskSave::SetValue(strPrefix + "/m_LoadValArray", poly.m_LoadValArray);
    CVuskSave::SetValue(strPrefix + "/m_LoadWidth", poly.m_LoadWidth);
    CVuskSave::SetValue(strPrefix + "/m_IsClosed", poly.m_IsClosed);
    CVuskSave::SetValue(strPrefix + "/m_dBottomDis", poly.m_dBottomDis);
    CVuskSave::SetValue(strPrefix + "/m_strXorY", poly.m_strXorY);
    if (poly.m_BoardType == BOARD_HOLE)
        CVuskSave::SetValue(strPrefix + "/m_nHoleSupport", poly.m_nHoleSupport);
}

void CAtypicalBoardParam::ReadPolyline(const CString& strPrefix, CBoardPolyline& poly)
{
    const int nCount = ReadCount(
        strPrefix + "m_StretchPtArraySize",
        [&](int j) { return DoubleStored(IndexedKey(strPrefix, "m_StretchPtArray", j) + "/x"); }, m_bStoreDamaged);
    poly.m_StretchPtArray.removeAll();
    for (int j = 0; j < nCount; ++j) {
        AcGePoint3d point;
        ReadPoint(IndexedKey(strPrefix, "m_StretchPtArray", j), point);
        poly.m_StretchPtArray.append(point);
    }
    ReadPoint(strPrefix + "m_ptLeft", poly.m_ptLeft);
    ReadPoint(strPrefix + "m_ptRight", poly.m_ptRight);
    CVuskSave::GetValue(strPrefix + "/m_BulgeArray", poly.m_BulgeArray);
    CVuskSave::GetValue(strPrefix + "/m_DisArray", poly.m_DisArray);
    CVuskSave::GetValue(strPrefix + "/m_LineDisArray", poly.m_LineDisArray);
    CVuskSave::GetValue(strPrefix + "/m_LineTypeArray", poly.m_LineTypeArray);
    CVuskSave::GetValue(strPrefix + "/m_HasColuArray", poly.m_HasColuArray);
    CVuskSave::GetValue(strPrefix + "/m_BoardType", poly.m_BoardType, 0);
    CVuskSave::GetValue(strPrefix + "/m_LoadType", poly.m_LoadType, 0);
    CVuskSave::GetValue(strPrefix + "/m_LoadValArray", poly.m_LoadValArray);
    CVuskSave::GetValue(strPrefix + "/m_LoadWidth", poly.m_LoadWidth, 0.0);
    CVuskSave::GetValue(strPrefix + "/m_IsClosed", poly.m_IsClosed, 0);
    CVuskSave::GetValue(strPrefix + "/m_dBottomDis", poly.m_dBottomDis, 0.0);
    CVuskSave::GetValue(strPrefix + "/m_strXorY", poly.m_strXorY, "");
    // A hole's support was not stored before the engineer could choose it: those holes were drawn
    // as free openings and read as free.
    if (poly.m_BoardType == BOARD_HOLE)
        CVuskSave::GetValue(strPrefix + "/m_nHoleSupport", poly.m_nHoleSupport, static_cast<int>(EDGE_FREE));
}

void CAtypicalBoardParam::WriteMassLoad(const CString& strPrefix, const CMassLoad& load)
{
    WritePoint(strPrefix + "m_MassPt", load.m_MassPt);
    CVuskSave::SetValue(strPrefix + "m_LaodType", load.m_LaodType);
    CVuskSave::SetValue(strPrefix + "m_LoadVal", load.m_LoadVal);
}

void CAtypicalBoardParam::ReadMassLoad(const CString& strPrefix, CMassLoad& load)
{
    ReadPoint(strPrefix + "m_MassPt", load.m_MassPt);
    CVuskSave::GetValue(strPrefix + "m_LaodType", load.m_LaodType, 0);
    CVuskSave::GetValue(strPrefix + "m_LoadVal", load.m_LoadVal, 0.0);
}

void CAtypicalBoardParam::WritePoint(const CString& strPrefix, const AcGePoint3d& point)
{
    CVuskSave::SetValue(strPrefix + "/x", point.x);
    CVuskSave::SetValue(strPrefix + "/y", point.y);
    CVuskSave::SetValue(strPrefix + "/z", point.z);
}

void CAtypicalBoardParam::ReadPoint(const CString& strPrefix, AcGePoint3d& point)
{
    CVuskSave::GetValue(strPrefix + "/x", point.x, 0.0);
    CVuskSave::GetValue(strPrefix + "/y", point.y, 0.0);
    CVuskSave::GetValue(strPrefix + "/z", point.z, 0.0);
}
