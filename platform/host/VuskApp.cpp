#include "host/VuskApp.h"

#include "host/Help.h"
#include "mfc/base/String.h"

// Named with the module's title, which the class library's message boxes (AfxMessageBox) take as
// their caption, as the module's own boxes and prompts have it.
CVuskApp::CVuskApp() : CWinApp("QELT构件计算提示您") {}

void CVuskApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    CString strTopic;
    strTopic.Format("0x%lX", static_cast<unsigned long>(dwData));
    AdsHelp("Qelt", strTopic, static_cast<int>(nCmd));
}
