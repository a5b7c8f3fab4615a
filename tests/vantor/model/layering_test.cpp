// The program's folders stand in layers, each built as a library of its own (vantor/CMakeLists.txt).
// A file may include headers of its own layer and of the layers below it, never of one above, and
// every source is built into the library of its layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    std::string library;
    std::vector<std::string> folders;  // relative to vantor/; "" is the top folder
};

// Lowest first.
const std::vector<Layer>& Layers() {
    static const std::vector<Layer> layers = {
        {"vantor_model", {"model", "model/bus", "model/sheets"}},
        {"vantor_channel", {"drawing/channel"}},
        {"vantor_pellix", {"pellix"}},
        {"vantor_geometry",
         {"geometry/alignment", "geometry/coordinates", "geometry/equations", "geometry/graph", "geometry/grid",
          "geometry/profile", "geometry/rows"}},
        {"vantor_drawings", {"drawing/plan", "drawing/profile_sheet"}},
        {"vantor_sections", {"sections", "sections/earthwork", "sections/editors"}},
        {"vantor_shoulder3d", {"shoulder3d/shoulder", "shoulder3d/model3d"}},
        {"vantor_screens", {"drawing", "geometry/ip_input"}},
        {"vantor_shell", {"shell", "shell/lifecycle"}},
        {"vantor_start", {""}},
    };
    return layers;
}

// The layer of a folder, -1 for a folder no layer holds.
int LayerOf(const std::string& folder) {
    for (std::size_t i = 0; i < Layers().size(); ++i)
        for (const auto& f : Layers()[i].folders)
            if (f == folder) return static_cast<int>(i);
    return -1;
}

const fs::path& Program() {
    static const fs::path program = fs::path(VANTOR_SOURCE_DIR) / "vantor";
    return program;
}

std::string FolderOf(const fs::path& file) {
    const std::string folder = fs::relative(file.parent_path(), Program()).generic_string();
    return folder == "." ? "" : folder;
}

std::vector<fs::path> Sources() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(Program())) {
        const auto ext = entry.path().extension();
        if (ext == ".h" || ext == ".cpp") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST(Layering, EveryFolderHasItsLayer) {
    for (const auto& file : Sources())
        EXPECT_GE(LayerOf(FolderOf(file)), 0) << "no layer holds the folder of " << file.string();
}

TEST(Layering, NoFileIncludesALayerAboveItsOwn) {
    const std::regex include(R"re(^\s*#\s*include\s+"vantor/(.*)/[^/]+"|^\s*#\s*include\s+"vantor/([^/]+)")re");
    int arrows = 0;
    for (const auto& file : Sources()) {
        const int own = LayerOf(FolderOf(file));
        std::ifstream in(file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch m;
            if (!std::regex_search(line, m, include)) continue;
            const std::string target = m[1].matched ? m[1].str() : "";
            ++arrows;
            EXPECT_LE(LayerOf(target), own) << file.string() << ":" << number << ": " << line;
        }
    }
    EXPECT_GT(arrows, 0);
}

TEST(Layering, EverySourceIsBuiltIntoTheLibraryOfItsLayer) {
    std::ifstream in(Program() / "CMakeLists.txt");
    std::stringstream text;
    text << in.rdbuf();
    // vantor_layer(name SOURCES ...) blocks, each with its listed sources.
    std::map<std::string, std::string> listed;
    const std::regex block(R"(vantor_layer\((\w+)([^)]*)\))");
    const std::string all = text.str();
    for (std::sregex_iterator it(all.begin(), all.end(), block), end; it != end; ++it) listed[(*it)[1]] = (*it)[2];
    for (const auto& file : Sources()) {
        if (file.extension() != ".cpp" || file.filename() == "main.cpp") continue;
        const int layer = LayerOf(FolderOf(file));
        if (layer < 0) continue;
        const std::string& library = Layers()[layer].library;
        const std::string path = fs::relative(file, Program()).generic_string();
        ASSERT_TRUE(listed.count(library)) << library << " is not a library of vantor/CMakeLists.txt";
        EXPECT_NE(listed[library].find(" " + path), std::string::npos) << path << " is not built into " << library;
    }
}
