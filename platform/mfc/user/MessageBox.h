// Message boxes. Headless, each is answered by the user script's next action when that is an
// "answer" (mfc/person/UserScript.h), else by its default button (MB_DEFBUTTON1…3), and is logged
// (mfc/person/InteractionLog.h). The buttons are those of the platform's Chinese edition: 确定, 取消, 是,
// 否, 中止, 重试, 忽略. No window appears, so no focus changes.
#pragma once

#include "win/Windows.h"

// The caption is the application's name (AfxGetAppName).
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is the string of that id in the resources.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
