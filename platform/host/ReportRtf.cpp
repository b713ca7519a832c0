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
        for (size_t start = 0; start < text.size();) {
            const size_t newline = text.find('\n', start);
            const size_t end = newline == std::string::npos ? text.size() : newline + 1;
            std::string row = text.substr(start, end - start);
            start = end;
            if (!m_lineOpen) {
                const size_t tabs = row.find_first_not_of('\t');
                const size_t leading = tabs == std::string::npos ? row.size() : tabs;
                row.erase(0, leading);
                m_indent = static_cast<long>(leading) * RtfDocument::kTabTwips;
            }
            for (size_t at = row.find('\t'); at != std::string::npos; at = row.find('\t', at + 2)) row.insert(at, " ");
            m_body += m_document.Text(row, record.m_lA, record.m_nB, WordColorToColorRef(record.m_nColor),
                                      record.m_dSize, record.m_strFont.Str(), m_indent);
            m_lineOpen = row.empty() || row.back() != '\n';
            m_last = record;
        }
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
    // Ends a row left open in its own paragraph's format.
    void EndOpenLine() {
        if (m_lineOpen) {
            m_body += m_document.Text("\n", m_last.m_lA, m_last.m_nB, WordColorToColorRef(m_last.m_nColor),
                                      m_last.m_dSize, m_last.m_strFont.Str(), m_indent);
        }
        m_lineOpen = false;
    }

    RtfDocument& m_document;
    std::string m_body;
    bool m_lineOpen = false;
    long m_indent = 0;                        // of the paragraph open or last written
    CWordTextRecord m_last;  // the row that wrote last
};

}  // namespace

std::string ReportRtfBody(const CWordObject& report, RtfDocument& document) {
    RtfVisitor visitor(document);
    WalkReport(report, visitor);
    return std::move(visitor.Body());
}

}  // namespace qelt::report
