#pragma once
// Where a test leaves files for people and for the independent checks: in the test program's
// temporary folder, which is kept when a test fails.
#include <filesystem>
#include <string>

namespace test_support {

// `name` in `folder` (relative to the temporary folder), the folder created when missing.
inline std::string OutputPath(const std::string& folder, const std::string& name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / folder;
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

} // namespace test_support
