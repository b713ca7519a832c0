#include "host/ReportRtf.h"

#include "host/ReportWalk.h"
#include "host/WordColor.h"

namespace qelt::report {

namespace {

class RtfVisitor : public ReportVisitor {
public:
    explicit RtfVisitor(RtfDocument& document) : m_document(document) {}

    void OnText(const CWordTextRecord& record) override {
        const std::string& text = record.m_strText.Str();
        if (text.empty()) return;
        m_body += m_document.Text(text, record.m_lA, record.m_nB, WordColorToColorRef(record.m_nColor),
                                  record.m_dSize, record.m_strFont.Str());
        m_lineOpen = text.back() != '\n';
    }

    void OnPicture(const CWordRow& row) override {
        EndOpenLine();
        m_body += RtfDocument::Picture(row.GetPng(), row.GetPictureWidth(), row.GetPictureHeight(),
                                       row.IsPictureCentred());
    }

    void OnTable(int rows, int columns, const std::vector<std::string>& cells) override {
        EndOpenLine();
        m_body += m_document.Table(rows, columns, cells);
    }

    std::string& Body() { return m_body; }

private:
    void EndOpenLine() {
        if (m_lineOpen) m_body += "\\par\n";
        m_lineOpen = false;
    }

    RtfDocument& m_document;
    std::string m_body;
    bool m_lineOpen = false;
};

}  // namespace

std::string ReportRtfBody(const CWordObject& report, RtfDocument& document) {
    RtfVisitor visitor(document);
    WalkReport(report, visitor);
    return std::move(visitor.Body());
}

}  // namespace qelt::report
