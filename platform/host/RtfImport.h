// Taking a complete RTF document into the body of another: its font and colour tables are merged
// into the receiving document's tables and every reference to them renumbered, its header words
// (code page, default font, page setup) and its style sheet and information groups dropped; the
// rest, tables and pictures included, is kept as it stands.
#pragma once

#include <string>
#include <string_view>

#include "host/RtfDocument.h"

namespace qelt::report {

// The content of rtf as one group of body for `into`; false, with the reason in error, when rtf is
// not a complete RTF document (it must begin with "{\rtf" and close its groups).
bool ImportRtf(std::string_view rtf, RtfDocument& into, std::string& body, std::string& error);

}  // namespace qelt::report
