#pragma once
// The program's first start on a machine: the control library beside the program registers
// itself when the registry does not know the control yet.
#include <filesystem>

namespace 縦断bus {

// Registers the library "libpellixlib.so" of `folder` unless the control is registered;
// true when it is registered (already, or now).
bool RegisterPellixLibrary(const std::filesystem::path& folder);

} // namespace 縦断bus
