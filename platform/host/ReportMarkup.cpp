#include "host/ReportMarkup.h"

namespace qelt::report {

size_t GbkCharLength(std::string_view text, size_t index) {
    const unsigned char lead = static_cast<unsigned char>(text[index]);
    return (lead >= 0x81 && lead <= 0xFE && index + 1 < text.size()) ? 2 : 1;
}

namespace {

// The index of the closing marker of a piece opened at `open`, or npos when there is none on the line.
size_t FindClosing(std::string_view text, size_t open) {
    const char marker = text[open];
    for (size_t i = open + 1; i < text.size(); i += GbkCharLength(text, i)) {
        if (text[i] == '\n') return std::string_view::npos;
        if (text[i] == marker) return i > open + 1 ? i : std::string_view::npos;
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<MarkupRun> SplitMarkup(std::string_view text) {
    std::vector<MarkupRun> runs;
    auto appendNormal = [&](size_t begin, size_t end) {
        if (!runs.empty() && runs.back().kind == RunKind::Normal && runs.back().sourceEnd == begin) {
            runs.back().text.append(text.substr(begin, end - begin));
            runs.back().sourceEnd = end;
        } else {
            runs.push_back({RunKind::Normal, std::string(text.substr(begin, end - begin)), begin, end});
        }
    };
    size_t i = 0;
    while (i < text.size()) {
        const size_t width = GbkCharLength(text, i);
        if (width == 1 && (text[i] == '$' || text[i] == '~')) {
            const size_t close = FindClosing(text, i);
            if (close != std::string_view::npos) {
                const RunKind kind = text[i] == '$' ? RunKind::Superscript : RunKind::Subscript;
                runs.push_back({kind, std::string(text.substr(i + 1, close - i - 1)), i, close + 1});
                i = close + 1;
                continue;
            }
        }
        appendNormal(i, i + width);
        i += width;
    }
    return runs;
}

}  // namespace qelt::report
