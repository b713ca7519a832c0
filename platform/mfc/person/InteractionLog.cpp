#include "mfc/person/InteractionLog.h"

#include "mfc/base/Encoding.h"

namespace qelt {

std::string InteractionEntry::Describe() const {
    auto shown = [](const CString& text) { return text::GbkToUtf8ForDisplay(text.Str()); };
    if (kind == "read") return std::to_string(result) + " " + shown(text);
    if (kind == "controls") {
        std::string lines = shown(text);
        if (!lines.empty() && lines.back() == '\n') lines.pop_back();
        return "controls of \"" + shown(caption) + "\":\n" + lines;
    }
    std::string line = kind + " \"" + shown(caption) + "\": " + shown(text) + " [";
    for (size_t i = 0; i < buttons.size(); ++i) line += (i ? "/" : "") + shown(buttons[i]);
    line += "] -> " + shown(answer) + (byScript ? " (by script)" : " (default");
    if (!byScript) line += note.empty() ? ")" : ": " + note + ")";
    return line;
}

InteractionLog& InteractionLog::Instance() {
    static InteractionLog log;
    return log;
}

void InteractionLog::Add(InteractionEntry entry) {
    entry.byCalculation = m_calculating > 0;
    m_entries.push_back(std::move(entry));
}

std::string InteractionLog::MessagesSince(size_t start, bool withCalculations) const {
    std::string texts;
    for (size_t i = start; i < m_entries.size(); ++i) {
        if (!m_entries[i].IsMessage() || (m_entries[i].byCalculation && !withCalculations)) continue;
        if (!texts.empty()) texts += '\n';
        for (char c : text::GbkToUtf8ForDisplay(m_entries[i].text.Str())) {
            if (c != '\r') texts += c;
        }
    }
    return texts;
}

}  // namespace qelt
