#pragma once
// Member and key names compare ignoring ASCII case. No code outside this folder includes it.
#include <string_view>

namespace com::detail {

bool SameName(std::string_view a, std::string_view b);

} // namespace com::detail
