// The entry functions of the commands: each runs its command in the entry frame with the objects
// of its run.
#include "beam/BeamWellRun.h"
#include "beam/ContinuousBeamRun.h"
#include "checks/flexural/DeepFlexNormalDlg.h"
#include "checks/flexural/DeepFlexNormalParam.h"
#include "checks/flexural/DeepFlexObliqueDlg.h"
#include "checks/flexural/DeepFlexObliqueParam.h"
#include "checks/flexural/FlexNormalDlg.h"
#include "checks/flexural/FlexNormalParam.h"
#include "checks/flexural/FlexObliqueDlg.h"
#include "checks/flexural/FlexObliqueParam.h"
#include "checks/members/DiecuttingDlg.h"
#include "checks/members/DiecuttingParam.h"
#include "checks/members/GeneralDlg.h"
#include "checks/members/GeneralParam.h"
#include "checks/members/LocalPressDlg.h"
#include "checks/members/LocalPressParam.h"
#include "checks/members/PillarDlg.h"
#include "checks/members/PillarParam.h"
#include "embed/PreComDlg.h"
#include "embed/PreComParam.h"
#include "resources/BeamStairResource.h"
#include "resources/FlexuralResource.h"
#include "resources/IrregularSlabResource.h"
#include "resources/MembersResource.h"
#include "resources/RectBoardResource.h"
#include "resources/StairResource.h"
#include "slab/irregular/AtypicalBoardDlg.h"
#include "slab/irregular/AtypicalBoardParam.h"
#include "slab/rect/RectBoardCalParamDlg.h"
#include "slab/rect/RectBoardDlg.h"
#include "slab/rect/RectBoardParam.h"
#include "slab/rect/RectBoardResultDlg.h"
#include "stair/BeamStairBasicDlg.h"
#include "stair/BeamStairDrawDlg.h"
#include "stair/BeamStairParam.h"
#include "stair/BeamStairResultDlg.h"
#include "stair/StairBoardDrawDlg.h"
#include "stair/StairBoardInputDlg.h"
#include "stair/StairBoardOutputDlg.h"
#include "stair/StairBoardParam.h"
#include "startup/CaltCommands.h"
#include "startup/CaltEntry.h"

int CaltFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexNormalDlg, CStlcnFlexNormalParam, IDD_FLEX_NORMAL> >("C:ZHJMJS");
}

int CaltFlexOblique()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnFlexObliqueDlg, CStlcnFlexObliqueParam, IDD_FLEX_OBLIQUE> >("C:XJMJS");
}

int CaltDeepFlexNormal()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnDeepFlexNormalDlg, CStlcnDeepFlexNormalParam, IDD_DEEP_NORMAL> >(
        "C:SHZHJM");
}

int CaltDeepFlexOblique()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnDeepFlexObliqueDlg, CStlcnDeepFlexObliqueParam, IDD_DEEP_OBLIQUE> >(
        "C:SHXJM");
}

int CaltPillar()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnPillarDlg, CStlcnPillarParam, IDD_PILLAR> >("C:ZHXSHY");
}

int CaltGeneral()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnGeneralDlg, CStlcnGeneralParam, IDD_GENERAL> >("C:WJNJS");
}

int CaltDiecutting()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnDiecuttingDlg, CStlcnDiecuttingParam, IDD_DIECUTTING> >("C:CHQJS");
}

int CaltLocalPress()
{
    return CaltRunCommand<CCaltCheckRun<CStlcnLocalPressDlg, CStlcnLocalPressParam, IDD_LOCALPRESS> >("C:JBSHY");
}

// The rectangular slab's run: basic, calculation-parameter and result pages, the report page, the
// parameters, the work dialog.
class CRectBoardRun {
public:
    CRectBoardDlg m_dlgBasic;
    CRectBoardCalParamDlg m_dlgCalParam;
    CRectBoardResultDlg m_dlgResult;
    CCaltReportDlg m_dlgReport;
    CRectBoardParam m_param;
    CCaltWorkDlg m_dlgWork;

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgBasic, CString(CALT_INPUT_TITLE), IDD_RECT_BOARD);
        m_dlgWork.AddPage(&m_dlgCalParam, CString("计算参数"), IDD_RECT_BOARD_CALPARAM);
        m_dlgWork.AddPage(&m_dlgResult, CString("计算结果"), IDD_RECT_BOARD_RESULT);
        m_dlgWork.AddPage(&m_dlgReport, CString(CALT_REPORT_TITLE), IDD_CALT_REPORT);
    }
};

int CaltRectBoard()
{
    return CaltRunCommand<CRectBoardRun>("C:JXBJS");
}

// The plate stair's run: input, result, report and drawing pages, the parameters, the work dialog.
class CStairBoardRun {
public:
    CStairBoardInputDlg m_dlgInput;
    CStairBoardOutputDlg m_dlgResult;
    CCaltReportDlg m_dlgReport;
    CStairBoardDrawDlg m_dlgDraw;
    CStairBoardParam m_param;
    CCaltWorkDlg m_dlgWork;

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgInput, CString(CALT_INPUT_TITLE), IDD_STAIR_BOARD_INPUT);
        m_dlgWork.AddPage(&m_dlgResult, CString("计算结果"), IDD_STAIR_BOARD_OUTPUT);
        m_dlgWork.AddPage(&m_dlgReport, CString(CALT_REPORT_TITLE), IDD_CALT_REPORT);
        m_dlgWork.AddPage(&m_dlgDraw, CString("绘图预览"), IDD_STAIR_BOARD_DRAW);
    }
};

int CaltStairBoard()
{
    return CaltRunCommand<CStairBoardRun>("C:BSHLTJS");
}

// The beam stair's run: input, result, report and drawing pages, the parameters, the work dialog.
class CBeamStairRun {
public:
    CBeamStairBasicDlg m_dlgInput;
    CBeamStairResultDlg m_dlgResult;
    CCaltReportDlg m_dlgReport;
    CBeamStairDrawDlg m_dlgDraw;
    CBeamStairParam m_param;
    CCaltWorkDlg m_dlgWork;

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgInput, CString(CALT_INPUT_TITLE), IDD_BEAM_STAIR_INPUT);
        m_dlgWork.AddPage(&m_dlgResult, CString("计算结果"), IDD_BEAM_STAIR_RESULT);
        m_dlgWork.AddPage(&m_dlgReport, CString(CALT_REPORT_TITLE), IDD_CALT_REPORT);
        m_dlgWork.AddPage(&m_dlgDraw, CString("绘图预览"), IDD_BEAM_STAIR_DRAW);
    }
};

int CaltBeamStair()
{
    return CaltRunCommand<CBeamStairRun>("C:LSHLTJS");
}

int CaltContinuousBeam()
{
    return CaltRunCommand<CContinuousBeamRun>("C:LXLJS");
}

int CaltBeamWell()
{
    return CaltRunCommand<CBeamWellRun>("C:JZLJS");
}

// The embedded part's run: its one page with the anchor-type tree and no report page, the work
// dialog, and a parameter object that only answers help (the page keeps every value itself).
class CPreComRun {
public:
    CPreComDlg m_dlgPage;
    CCaltWorkDlg m_dlgWork;
    CPreComParam m_param;

    // The part is drawn, never listed: "加入列表" (or "计算书") and "刷新列表" stay disabled.
    CPreComRun() { m_dlgWork.m_bEnableList = 0; }

    void AddPages() { m_dlgWork.AddPage(&m_dlgPage, CString(CALT_INPUT_TITLE), IDD_PRECOM); }
};

int CaltPreCom()
{
    return CaltRunCommand<CPreComRun>("C:YMJJS");
}

// Holds g_VuskMainInfo.m_bAtypicalBoardRun at 1 for its lifetime and puts the earlier value back.
class CAtypicalBoardRunFlag {
public:
    CAtypicalBoardRunFlag() : m_bSaved(g_VuskMainInfo.m_bAtypicalBoardRun) { g_VuskMainInfo.m_bAtypicalBoardRun = 1; }
    ~CAtypicalBoardRunFlag() { g_VuskMainInfo.m_bAtypicalBoardRun = m_bSaved; }
    CAtypicalBoardRunFlag(const CAtypicalBoardRunFlag&) = delete;
    CAtypicalBoardRunFlag& operator=(const CAtypicalBoardRunFlag&) = delete;

private:
    int m_bSaved;
};

// The irregular slab's run: the parameter object, with its defaults, shared by five slab pages,
// then the report page and the work dialog.
class CAtypicalBoardRun {
public:
    CAtypicalBoardParam m_param;
    CAtypicalBoardDlg m_dlgEdge{&m_param};
    CAtypicalBoardDlg m_dlgLoad{&m_param};
    CAtypicalBoardDlg m_dlgLineLoad{&m_param};
    CAtypicalBoardDlg m_dlgSettings{&m_param};
    CAtypicalBoardDlg m_dlgResult{&m_param};
    CCaltReportDlg m_dlgReport;
    CCaltWorkDlg m_dlgWork;
    // Raises the host's irregular-slab flag once the run is built, before the mode is asked, and
    // gives it back its value right after the run is closed: the last member, the first to go.
    CAtypicalBoardRunFlag m_flag;

    CAtypicalBoardRun() { m_param.SetDefaultData(); }

    void AddPages()
    {
        m_dlgWork.AddPage(&m_dlgEdge, CString("边界参数"), IDD_ATYPICAL_BOARD);
        m_dlgWork.AddPage(&m_dlgLoad, CString("荷载参数1"), IDD_ATYPICAL_BOARD);
        m_dlgWork.AddPage(&m_dlgLineLoad, CString("荷载参数2"), IDD_ATYPICAL_BOARD);
        m_dlgWork.AddPage(&m_dlgSettings, CString("计算参数"), IDD_ATYPICAL_BOARD);
        m_dlgWork.AddPage(&m_dlgResult, CString("计算结果"), IDD_ATYPICAL_BOARD);
        m_dlgWork.AddPage(&m_dlgReport, CString(CALT_REPORT_TITLE), IDD_CALT_REPORT);
    }
};

int CaltAtypicalBoard()
{
    return CaltRunCommand<CAtypicalBoardRun>("C:YXBJS1");
}
