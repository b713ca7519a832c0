#include "host/YorWord.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "host/ReportRtf.h"
#include "host/TemporaryFile.h"
#include "host/WordObject.h"

namespace {

std::string& OutputPath() {
    static std::string path;
    return path;
}

std::string& OutputFailure() {
    static std::string failure;
    return failure;
}

// Writes the whole text to a new file beside path (host/TemporaryFile.h), then renames it over
// path. Returns "" or the reason of the failure; on failure the temporary file is removed and path
// is untouched.
std::string ReplaceFile(const std::string& path, const std::string& text) {
    std::string temporary;
    const int fd = qelt::host::MakeTemporaryBeside(path, &temporary);
    if (fd < 0) return "cannot create a temporary file beside " + path + ": " + std::strerror(errno);
    std::string error;
    for (size_t written = 0; written < text.size() && error.empty();) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno != EINTR)
            error = std::string("cannot write ") + temporary + ": " + std::strerror(errno);
        else if (n > 0)
            written += static_cast<size_t>(n);
    }
    if (error.empty() && fsync(fd) != 0) error = "cannot write " + temporary + ": " + std::strerror(errno);
    if (close(fd) != 0 && error.empty()) error = "cannot write " + temporary + ": " + std::strerror(errno);
    if (error.empty() && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = "cannot replace " + path + ": " + std::strerror(errno);
    if (!error.empty()) unlink(temporary.c_str());
    return error;
}

}  // namespace

void CYorWord::SetOutputPath(const char* pszPath) {
    OutputPath() = pszPath ? pszPath : "";
    OutputFailure().clear();
}

std::string CYorWord::GetOutputPath() { return OutputPath(); }

std::string CYorWord::GetOutputFailure() { return OutputFailure(); }

CYorWord::CYorWord(int nConnect, int /*nShow*/) {
    if (nConnect) m_path = OutputPath();
}

CYorWord::~CYorWord() = default;

BOOL CYorWord::BIsEmpty() const { return m_path.empty(); }

BOOL CYorWord::WriteReport(const CWordObject& report) {
    if (BIsEmpty()) return Fail("no Word output is set");
    qelt::report::RtfDocument document = m_document;
    std::string body = m_body;
    if (!body.empty()) body += "\\page\n";
    body += qelt::report::ReportRtfBody(report, document);
    const std::string error = ReplaceFile(m_path, document.Document(body));
    if (!error.empty()) return Fail(error);
    m_document = std::move(document);
    m_body = std::move(body);
    m_error.clear();
    return TRUE;
}

BOOL CYorWord::Fail(const std::string& message) {
    m_error = "the report was not written to Word: " + message;
    OutputFailure() = m_error;
    std::fprintf(stderr, "qelt: %s\n", m_error.c_str());
    return FALSE;
}
