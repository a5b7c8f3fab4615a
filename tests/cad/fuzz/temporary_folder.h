#pragma once
// A folder of the fuzzer's own under the system's temporary folder, removed with everything in
// it when the fuzzer ends.
#include "platform/runtime/number_text.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& prefix)
            : path_(std::filesystem::temp_directory_path() / (prefix + rt::CStr(static_cast<long long>(getpid())))) {
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};
