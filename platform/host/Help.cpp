#include "host/Help.h"

#include "mfc/base/Diagnostics.h"

namespace {
std::vector<qelt::host::HelpRequest> g_requests;
}

int AdsHelp(LPCTSTR lpszProduct, LPCTSTR lpszTopic, int nFlag) {
    if (!lpszProduct) {
        qelt::ReportMisuse("AdsHelp without a product");
        return 0;
    }
    g_requests.push_back({lpszProduct, lpszTopic ? lpszTopic : "", nFlag});
    return 1;
}

HWND HtmlHelp(HWND, LPCTSTR lpszFile, UINT uCommand, DWORD_PTR dwData) {
    if (!lpszFile) {
        qelt::ReportMisuse("HtmlHelp without a help file");
        return NULL;
    }
    std::string file = lpszFile, topic;
    std::string::size_type separator = file.find("::");
    if (separator != std::string::npos) {
        topic = file.substr(separator + 2);
        file.erase(separator);
    }
    if (uCommand == HH_DISPLAY_TOPIC && dwData) topic = reinterpret_cast<LPCTSTR>(dwData);
    g_requests.push_back({file, topic, static_cast<int>(uCommand)});
    return NULL;
}

namespace qelt::host {

const std::vector<HelpRequest>& HelpRequests() { return g_requests; }

void ClearHelpRequests() { g_requests.clear(); }

}  // namespace qelt::host
