// The main of every test program: the program's temporary files go into a folder of its own,
// removed with everything in it when the program ends, or kept for a look when a test failed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

namespace {

std::filesystem::path& Folder() {
    static std::filesystem::path folder;
    return folder;
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
}

// A new folder under the system's temporary folder, made the temporary folder of this process
// (std::filesystem::temp_directory_path and ::testing::TempDir read it), so that whatever a
// test writes there goes when the program ends. The desktop the program runs in keeps its
// registry and drive C: there too, not in the user's own (VANTOR_DESKTOP_ROOT). Registered
// before anything else runs, its removal comes after the last writes made as the program ends
// (the desktop's registry).
void UseOwnTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return;
    Folder() = pattern;
    ::setenv("TMPDIR", pattern.c_str(), 1);
    ::setenv("TEST_TMPDIR", pattern.c_str(), 1);
    ::setenv("VANTOR_DESKTOP_ROOT", (Folder() / "desktop").c_str(), 1);
    std::atexit(RemoveFolder);
}

// After a failure the folder stays, with the files the failure messages name.
void KeepFolder() {
    if (Folder().empty()) return;
    std::cerr << "The temporary files of this run are kept in " << Folder().string() << "\n";
    Folder().clear();
}

} // namespace

int main(int argc, char** argv) {
    UseOwnTemporaryFolder();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (result != 0) KeepFolder();
    return result;
}
