#pragma once
// Where a test leaves files for people and for the independent checks: below the build tree.
#include <filesystem>
#include <string>

namespace test_support {

// `name` in `folder` (relative to the build tree), the folder created when missing.
inline std::string OutputPath(const std::string& folder, const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(VANTOR_BINARY_DIR) / folder;
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

} // namespace test_support
