#include "host/app/ReportFiles.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "host/ReportRtf.h"
#include "host/ReportText.h"
#include "host/WordObject.h"

namespace qelt::app {
namespace {

std::string WriteFile(const std::filesystem::path& path, const void* data, std::size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (file) file.close();
    if (!file) return "cannot write " + path.string() + ": " + std::strerror(errno);
    return "";
}

std::string WriteReport(const std::filesystem::path& folder, const std::string& name, const CWordObject& report) {
    report::RtfDocument document;
    const std::string body = report::ReportRtfBody(report, document);
    const std::string rtf = document.Document(body);
    std::string error = WriteFile(folder / (name + ".rtf"), rtf.data(), rtf.size());
    if (!error.empty()) return error;
    const std::string text = report::ReportText(report);
    error = WriteFile(folder / (name + ".txt"), text.data(), text.size());
    if (!error.empty()) return error;
    int picture = 0;
    for (int i = 0; i < report.GetRowCount(); ++i) {
        const CWordRow* row = report.GetRow(i);
        if (row->GetKind() != CWordRow::kindPicture) continue;
        const std::vector<unsigned char>& png = row->GetPng();
        error = WriteFile(folder / (name + "-" + std::to_string(++picture) + ".png"), png.data(), png.size());
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

std::string WriteReportFiles(const std::string& folder, const std::string& stem, const CWordObject& fullReport,
                             const CWordObject& shortReport) {
    std::string error = WriteReport(folder, stem + "-full", fullReport);
    return error.empty() ? WriteReport(folder, stem + "-short", shortReport) : error;
}

}  // namespace qelt::app
