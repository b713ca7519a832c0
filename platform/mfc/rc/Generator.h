// Writes the model as the C++ source of the resource tables and their registration.
#pragma once

#include <string>

#include "Model.h"

namespace qelt::rc {

std::string Generate(const Model& model, const std::vector<std::string>& scripts);

}  // namespace qelt::rc
