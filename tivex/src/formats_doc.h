// The list of known types as a Markdown document (docs/formats.md), made from the
// type table so that the two never disagree.
#pragma once

#include <string>

namespace tivex {

std::string formatsDocument();

} // namespace tivex
