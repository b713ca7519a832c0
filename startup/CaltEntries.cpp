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
#include "startup/CaltCommands.h"
#include "startup/CaltEntry.h"
#include "resources/FlexuralResource.h"

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
