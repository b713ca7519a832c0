#include "host/VuskApp.h"

#include "host/Help.h"
#include "mfc/base/String.h"

// Without a name, so that message boxes keep the captions they have without an application.
CVuskApp::CVuskApp() : CWinApp(nullptr) {}

void CVuskApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    CString strTopic;
    strTopic.Format("0x%lX", static_cast<unsigned long>(dwData));
    AdsHelp("Qelt", strTopic, static_cast<int>(nCmd));
}
