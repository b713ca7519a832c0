#include "host/app/ReportFiles.h"

#include <cctype>
#include <filesystem>

#include "host/ReportRtf.h"
#include "host/ReportText.h"
#include "host/WordObject.h"

namespace qelt::app {
namespace {

std::string StageReport(OutputFiles& files, const std::filesystem::path& folder, const std::string& name,
                        const CWordObject& report) {
    report::RtfDocument document;
    const std::string body = report::ReportRtfBody(report, document);
    std::string error = files.Stage((folder / (name + ".rtf")).string(), document.Document(body));
    if (!error.empty()) return error;
    error = files.Stage((folder / (name + ".txt")).string(), report::ReportText(report));
    if (!error.empty()) return error;
    int picture = 0;
    for (int i = 0; i < report.GetRowCount(); ++i) {
        const CWordRow* row = report.GetRow(i);
        if (row->GetKind() != CWordRow::kindPicture) continue;
        const std::vector<unsigned char>& png = row->GetPng();
        error = files.Stage((folder / (name + "-" + std::to_string(++picture) + ".png")).string(),
                            std::string(png.begin(), png.end()));
        if (!error.empty()) return error;
    }
    return "";
}

}  // namespace

std::string ReportFileStem(const std::string& command) {
    std::string stem = command.compare(0, 2, "C:") == 0 || command.compare(0, 2, "c:") == 0 ? command.substr(2) : command;
    for (char& c : stem) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return stem;
}

std::string MakeOutputFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return ec ? "cannot make the output folder " + folder + ": " + ec.message() : "";
}

std::string StageReportFiles(OutputFiles& files, const std::string& folder, const std::string& stem,
                             const CWordObject& fullReport, const CWordObject& shortReport) {
    std::string error = StageReport(files, folder, stem + "-full", fullReport);
    return error.empty() ? StageReport(files, folder, stem + "-short", shortReport) : error;
}

void RemoveEarlierPictures(const std::string& folder, const std::string& stem, const OutputFiles& files) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        for (const std::string kind : {"-full-", "-short-"}) {
            const std::string prefix = stem + kind;
            if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0 ||
                name.compare(name.size() - 4, 4, ".png") != 0)
                continue;
            const std::string number = name.substr(prefix.size(), name.size() - prefix.size() - 4);
            if (number.find_first_not_of("0123456789") != std::string::npos) continue;
            const std::string path = (std::filesystem::path(folder) / name).string();
            std::error_code gone;
            if (!files.Holds(path)) std::filesystem::remove(path, gone);
        }
    }
}

}  // namespace qelt::app
