// Splits a resource script or a header into tokens. Comments (// and /* */) are dropped; a string
// is "…" with "" or \" for a quote and the escapes \n \r \t \\; a number is decimal or 0x… with an
// optional L or U suffix.
#pragma once

#include <vector>

#include "Token.h"

namespace qelt::rc {

std::vector<Token> Tokenize(const std::string& text, const std::shared_ptr<const std::string>& file);

}  // namespace qelt::rc
