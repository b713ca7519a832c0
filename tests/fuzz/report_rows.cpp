// A report's rows. The whole input is read as a packed text record (and packed again when it
// reads); then each line of it becomes a row, written as the parameter objects write them and
// walked as the report page reads them:
//   I r c         a table of r × c cells
//   S r c text    the text of a cell
//   E             the end of the table
//   anything else a text row with the style numbers of its first bytes
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "host/ReportWalk.h"
#include "host/WordObject.h"

namespace {

class CNullVisitor : public qelt::report::ReportVisitor {
public:
    void OnText(const CWordTextRecord&) override {}
    void OnPicture(const CWordRow&) override {}
    void OnTable(int, int, const std::vector<std::string>&) override {}
};

int Byte(const std::string& line, size_t index) {
    return index < line.size() ? static_cast<signed char>(line[index]) : 0;
}

void WriteRow(CWordObject& report, const std::string& line) {
    std::istringstream words(line.empty() ? std::string() : line.substr(1));
    int first = 0;
    int second = 0;
    switch (line.empty() ? 0 : line[0]) {
    case 'I':
        words >> first >> second;
        report.InsertTable(first, second);
        break;
    case 'S': {
        words >> first >> second;
        std::string text;
        std::getline(words, text);
        report.SetTableCell(first, second, text.c_str());
        break;
    }
    case 'E': report.EndTable(); break;
    default:
        report.WriteText(line.c_str(), Byte(line, 0), Byte(line, 1), Byte(line, 2), Byte(line, 3),
                         Byte(line, 4), Byte(line, 5) / 4.0, line.c_str() + line.size() / 2);
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    CWordTextRecord record;
    if (record.Read(input.data(), static_cast<int>(input.size()))) {
        CString packed;
        record.Pack(packed);
    }

    CWordObject report;
    std::istringstream lines(input);
    std::string line;
    while (std::getline(lines, line)) WriteRow(report, line);
    CNullVisitor visitor;
    qelt::report::WalkReport(report, visitor);
    return 0;
}
