// The entry functions of the commands: each runs its command in the entry frame with the objects
// of its run.
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
#include "startup/CaltCommands.h"
#include "startup/CaltEntry.h"
#include "resources/FlexuralResource.h"
#include "resources/MembersResource.h"

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
