// CYorWord: the connection to Word. The host program names a file for the Word output; a
// connection opened on it writes each report handed to it into that file as a complete RTF
// document with its pictures. Every write replaces the file through a temporary file renamed into
// place, so a failed write never leaves a half-written document; the reports written through one
// connection follow one another in the document, each on a new page.
#pragma once

#include <string>

#include "host/RtfDocument.h"
#include "win/WinTypes.h"

class CWordObject;

class CYorWord {
public:
    // The process-wide Word output: a file path (UTF-8); NULL or "" means there is none.
    static void SetOutputPath(const char* pszPath);
    static std::string GetOutputPath();
    // Why the last write through any connection failed (UTF-8); "" when none has failed since the
    // output path was last set.
    static std::string GetOutputFailure();

    // nConnect nonzero connects to the Word output set at this moment; 0 gives an empty connection.
    // nShow has no effect: there is no Word window to show.
    CYorWord(int nConnect, int nShow);
    CYorWord(const CYorWord&) = delete;
    CYorWord& operator=(const CYorWord&) = delete;
    ~CYorWord();

    // Nonzero when the connection has no Word output.
    BOOL BIsEmpty() const;

    // Adds the report to the document and writes the document out. FALSE when the connection is
    // empty or the file could not be written; then the file is as it was before, the report is not
    // kept, and GetErrorMessage tells why (also written to stderr).
    BOOL WriteReport(const CWordObject& report);

    // The path of the connection's document.
    const std::string& GetPath() const { return m_path; }
    // The reason of the last failed write, in UTF-8; empty after a write that succeeded.
    const std::string& GetErrorMessage() const { return m_error; }

private:
    BOOL Fail(const std::string& message);

    std::string m_path;
    qelt::report::RtfDocument m_document;
    std::string m_body;
    std::string m_error;
};
