#include "host/app/RunSummary.h"

#include "host/VuskMainInfo.h"
#include "mfc/base/Encoding.h"

namespace qelt::app {
namespace {

// One field of the entry: "label: text", or a text of several lines below its label, indented.
std::string Field(const char* label, const CString& value) {
    std::string text = text::GbkToUtf8ForDisplay(value.Str());
    while (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.find('\n') == std::string::npos) return std::string("  ") + label + ": " + text + "\n";
    std::string out = std::string("  ") + label + ":\n";
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        out += "    " + text.substr(start, end - start) + "\n";
        start = end + 1;
    }
    return out;
}

}  // namespace

std::string RunSummary() {
    const CVuskCmdEntry& entry = g_VuskMainInfo.GetCurCmdEntry();
    std::string out;
    if (entry.strType.IsEmpty() && entry.strNumber.IsEmpty() && entry.strDimInfo.IsEmpty() &&
        entry.strLoadInfo.IsEmpty() && entry.strResultInfo.IsEmpty()) {
        out += "list entry: none (the command did not describe itself for the list)\n";
    } else {
        out += "list entry of " + text::GbkToUtf8ForDisplay(entry.strCommand.Str()) + ":\n";
        out += Field("type", entry.strType);
        out += Field("number", entry.strNumber);
        out += Field("dimensions", entry.strDimInfo);
        out += Field("loads", entry.strLoadInfo);
        out += Field("results", entry.strResultInfo);
    }
    for (const CVuskAcadCommand& command : g_VuskMainInfo.GetAcadCommands()) {
        std::string line = text::GbkToUtf8ForDisplay(command.strCommand.Str());
        while (!line.empty() && line.back() == '\n') line.pop_back();
        out += "CAD command: " + line + "\n";
        for (const CVuskAcadCommand::Parameter& parameter : command.parameters)
            out += "  " + text::GbkToUtf8ForDisplay(parameter.key) + " = " + parameter.value.Describe() + "\n";
    }
    return out;
}

}  // namespace qelt::app
