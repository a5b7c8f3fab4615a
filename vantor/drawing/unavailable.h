#pragma once
// The screens of the drawing part that this version does not have yet: their buttons say so.
#include <string>

namespace 縦断bus {

void TellUnavailable(const std::string& what);

} // namespace 縦断bus
