#include "startup/CaltCommands.h"

#include "host/VuskMainInfo.h"

struct CALTCOMMAND {
    LPCTSTR lpszCommand;
    int nFirst;
    LPCTSTR lpszTitle;
    CALTFUNC pfnCalt;
    char chLetter;
};

// In registration order; the title is the name the host lists the command under.
static const CALTCOMMAND s_commands[] = {
    { "C:ZHJMJS", 1, "受弯构件正截面承载力计算", CaltFlexNormal, 'A' },
    { "C:XJMJS", 1, "受弯构件斜截面承载力计算", CaltFlexOblique, 'X' },
    { "C:ZHXSHY", 1, "轴心受压构件正截面承载力计算", CaltPillar, 'G' },
    { "C:WJNJS", 1, "受扭构件承载力计算", CaltGeneral, 'N' },
    { "C:SHZHJM", 1, "深受弯构件正截面承载力计算", CaltDeepFlexNormal, 'H' },
    { "C:SHXJM", 1, "深受弯构件斜截面承载力计算", CaltDeepFlexOblique, 'M' },
    { "C:CHQJS", 1, "板的冲切承载力验算", CaltDiecutting, 'Z' },
    { "C:JBSHY", 1, "局部受压承载力验算", CaltLocalPress, 'C' },
    { "C:JXBJS", 1, "矩形板计算", CaltRectBoard, 'D' },
    { "C:LXLJS", 1, "连续梁计算", CaltContinuousBeam, 'W' },
    { "C:JZLJS", 1, "井字梁计算", CaltBeamWell, 'J' },
    { "C:LSHLTJS", 1, "梁式楼梯计算", CaltBeamStair, 'L' },
    { "C:BSHLTJS", 1, "板式楼梯计算", CaltStairBoard, 'B' },
    { "C:YMJJS", 0, "埋件计算", CaltPreCom, 'Y' },
    { "C:YXBJS1", 1, "异型板计算", CaltAtypicalBoard, 'Y' },
};

void RegisterCaltFuncs()
{
    for (const CALTCOMMAND& command : s_commands) {
        _tagCaltInfo info(command.lpszCommand, command.nFirst, 0, "钢筋混凝土结构", command.lpszTitle,
                          command.pfnCalt, 0xFFFFFFFF, command.chLetter);
        g_VuskMainInfo.AddCaltFunc(info);
    }
}
