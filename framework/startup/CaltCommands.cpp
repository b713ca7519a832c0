#include "framework/startup/CaltCommands.h"

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
    { "C:JZLJS", 1, "井字梁计算", CaltBeamWell, 'J' },
};

void RegisterCaltFuncs()
{
    for (const CALTCOMMAND& command : s_commands) {
        _tagCaltInfo info(command.lpszCommand, command.nFirst, 0, "钢筋混凝土结构", command.lpszTitle,
                          command.pfnCalt, 0xFFFFFFFF, command.chLetter);
        g_VuskMainInfo.AddCaltFunc(info);
    }
}
