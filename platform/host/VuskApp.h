// CVuskApp: the host's application object, which the host program makes for its run. The class
// library's help (CWinApp::WinHelp, which a dialog's help command asks with the dialog's context) is
// the host's: a help request (host/Help.h) of the suite's help "Qelt", the context in hexadecimal as
// its topic ("0x2001F") and the help command as its flag. Its name, the caption of the class
// library's message boxes, is the module's title "QELT构件计算提示您".
#pragma once

#include "mfc/user/WinApp.h"

class CVuskApp : public CWinApp {
public:
    CVuskApp();
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
};
