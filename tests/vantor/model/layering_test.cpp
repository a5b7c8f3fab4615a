// The data model and every computation folder stand below the shell: none of their files may
// include a shell header, or the folders would come to depend on each other. The data model,
// with the sheet readers and writers, stands on nothing else of the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

TEST(Layering, NoFolderBelowTheShellIncludesIt) {
    const fs::path program = fs::path(VANTOR_SOURCE_DIR) / "vantor";
    int filesRead = 0;
    for (const char* folder : {"model", "geometry", "drawing", "sections", "shoulder3d"}) {
        if (!fs::exists(program / folder)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(program / folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".h" && ext != ".cpp") continue;
            ++filesRead;
            std::ifstream in(entry.path());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number)
                EXPECT_EQ(line.find("#include \"vantor/shell/"), std::string::npos)
                    << entry.path().string() << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(filesRead, 0);
}

TEST(Layering, TheModelIncludesNothingOfTheProgramOutsideIt) {
    const fs::path model = fs::path(VANTOR_SOURCE_DIR) / "vantor" / "model";
    int filesRead = 0;
    for (const auto& entry : fs::recursive_directory_iterator(model)) {
        const auto ext = entry.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        ++filesRead;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number)
            EXPECT_FALSE(line.starts_with("#include \"vantor/") && !line.starts_with("#include \"vantor/model/"))
                << entry.path().string() << ":" << number << ": " << line;
    }
    EXPECT_GT(filesRead, 0);
}
