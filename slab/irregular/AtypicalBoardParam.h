#pragma once

// CAtypicalBoardParam: the irregular slab's parameter object ("C:YXBJS1"). It owns the slab model,
// the design settings, the drawing tools' state, the default load values, the result rows and the
// report pictures, and stores them under "CAtypicalBoardParam/" as flat keys.

#include "host/VuskParam.h"
#include "mfc/base/Array.h"
#include "mfc/gdi/GdiObjects.h"
#include "slab/irregular/BoardData.h"
#include "slab/irregular/BoardReinResult.h"
#include "slab/irregular/BoardSetting.h"

// The self weight of a slab per mm of thickness, kN/m² (25 kN/m³).
constexpr double kSelfWeightPerMm = 0.025;
// θ of GB 50010-2002 8.2.5 for a slab without compression bars; the settings scale it.
constexpr double kThetaWithoutCompressionBars = 2.0;
constexpr int kBoardReportPictures = 9;

class CAtypicalBoardParam : public CVuskParam {
    DECLARE_DYNAMIC(CAtypicalBoardParam)

public:
    // Sets no defaults: the command calls SetDefaultData right after.
    CAtypicalBoardParam();
    ~CAtypicalBoardParam() override = default;

    BOOL ReadParam(const CString& strPrefix) override;
    BOOL WriteParam(const CString& strPrefix) override;
    // Solves the slab on the analysis server when it changed since the last success: 1 when there
    // was nothing to do or it was solved, 0 when a setting or a load is out of its range, the
    // server refused the slab or could not be asked (with a message that says why; the result rows
    // and lines are then empty and the modified flag stays set).
    int Calculate() override;
    void GetListData() override;
    void InitDefaultParam() override { SetDefaultData(); }

    // The command's defaults; empties the model but keeps the result rows and pictures.
    void SetDefaultData();
    // The slab as read from the store or typed, before any check of its shape: the store whole and
    // every value within its range; FALSE with the message of the first fault.
    BOOL CheckStoredValues(CString& strMessage) const;

    // Draws the nine report pictures of the slab into m_ReportPictures (BoardReportPictures.cpp).
    void DrawReportPictures();
    // The short and the full calculation report (BoardReport.cpp).
    int BuildWordS() override;
    int BuildWordC() override;

    // The flat key scheme, one part at a time, under the prefix given.
    void WriteBoardData(const CString& strPrefix, const CBoardData& data);
    void ReadBoardData(const CString& strPrefix, CBoardData& data);
    void WritePolyline(const CString& strPrefix, const CBoardPolyline& poly);
    void ReadPolyline(const CString& strPrefix, CBoardPolyline& poly);
    void WriteMassLoad(const CString& strPrefix, const CMassLoad& load);
    void ReadMassLoad(const CString& strPrefix, CMassLoad& load);
    void WritePoint(const CString& strPrefix, const AcGePoint3d& point);
    void ReadPoint(const CString& strPrefix, AcGePoint3d& point);

    CString m_strBoardCode;
    int m_nBoardLineType;
    int m_nBoardType;
    int m_nLoadType;
    double m_dDefaultLoad;
    double m_dMassLoad;
    double m_dLocalLoad;
    double m_dLineLoad;
    double m_dTrapLoadP1;
    double m_dTrapLoadP2;
    CBoardSetting m_param;
    CBoardData m_BoardData;
    int m_bModified;
    int m_nMassOrPart;
    int m_nLineOrTrap;
    int m_nCurPage;
    int m_bIsAutoCalSelfH;
    CArray<BoardReinResult, const BoardReinResult&> m_ReinResults;
    CBitmap m_ReportPictures[kBoardReportPictures];
    // Set by ReadParam when a stored count does not match the elements stored (not stored itself).
    BOOL m_bStoreDamaged;

private:
    // The rows of a report; the full one adds the member code, the loads and the edge rows.
    void BuildReport(CWordObject& word, BOOL bFull);
    // One run of the server: the model replaced by the solved one and the rows filled, or 0.
    int SolveOnServer();
    // The scalar and settings keys, read or written in their stored order.
    void ExchangeSettings(const CString& strPrefix, BOOL bSave);
};
