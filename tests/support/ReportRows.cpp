#include "ReportRows.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "host/MuitByteConvert.h"
#include "mfc/base/Encoding.h"

namespace {

std::string Quoted(const std::string& utf8) {
    std::string line = "\"";
    for (char ch : utf8) {
        switch (ch) {
        case '\t': line += "\\t"; break;
        case '\n': line += "\\n"; break;
        case '"': line += "\\\""; break;
        case '\\': line += "\\\\"; break;
        default: line += ch;
        }
    }
    return line + "\"";
}

}  // namespace

std::string ReportRows(const CWordObject& report) {
    std::string rows;
    for (int i = 0; i < report.GetRowCount(); i++) {
        const CWordRow* row = report.GetRow(i);
        const CString& text = row->GetText();
        if (row->GetKind() == CWordRow::kindText) {
            CWordTextRecord record;
            if (!record.Read(text, text.GetLength())) {
                rows += "<unreadable record>\n";
                continue;
            }
            rows += Quoted(qelt::text::GbkToUtf8ForDisplay(record.m_strText.Str())) + "\n";
        } else if (row->GetKind() == CWordRow::kindPicture) {
            rows += "<picture>\n";
        } else {
            rows += "<table: " + qelt::text::GbkToUtf8ForDisplay(text.Str()) + ">\n";
        }
    }
    return rows;
}

std::string ExpectedReportRows(const std::string& name, const std::string& section) {
    return ExpectedReportRowsIn("checks/flexural", name, section);
}

std::string ExpectedReportRowsIn(const std::string& folder, const std::string& name, const std::string& section) {
    const char* root = std::getenv("QELT_SOURCE_DIR");
    std::string path = std::string(root ? root : ".") + "/tests/" + folder + "/reports/" + name + ".txt";
    std::ifstream file(path);
    if (!file) return "cannot read " + path;
    std::string rows;
    std::string line;
    bool inSection = false;
    while (std::getline(file, line)) {
        if (line.rfind("#", 0) == 0) {
            inSection = line == "# " + section;
            continue;
        }
        if (inSection) rows += line + "\n";
    }
    return rows;
}
