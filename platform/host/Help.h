// Help requests. Nothing is launched: each request is recorded, in order, for the host program to
// show. AdsHelp (product, topic, flag) opens a topic of the suite's help ("Qelt", "ZHJMJS", 0) and
// returns 1; an empty topic is the product's contents. HtmlHelp (owner, file, command, data) is the
// platform's HTML help: with HH_DISPLAY_TOPIC the topic is data (a text, may be NULL) or follows "::"
// in the file ("VUSK20.chm::/1/x.htm"); it returns NULL, as there is no help window.
#pragma once

#include <string>
#include <vector>

#include "win/Windows.h"

int AdsHelp(LPCTSTR lpszProduct, LPCTSTR lpszTopic, int nFlag);
HWND HtmlHelp(HWND hwndCaller, LPCTSTR lpszFile, UINT uCommand, DWORD_PTR dwData);

namespace qelt::host {

struct HelpRequest {
    std::string product;  // AdsHelp's product, or the compiled help file of HtmlHelp
    std::string topic;
    int flag = 0;         // AdsHelp's flag, or HtmlHelp's command
};

const std::vector<HelpRequest>& HelpRequests();
void ClearHelpRequests();

}  // namespace qelt::host
