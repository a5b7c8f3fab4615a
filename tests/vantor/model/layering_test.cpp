// The program's folders stand in layers, each built as a library of its own. The layers, their
// sources and the libraries each one uses are written once, as the vantor_layer(...) blocks of
// vantor/CMakeLists.txt, lowest first; this test reads them from there. A layer holds the folders
// of its sources. A file may include headers of its own layer and of the layers its library uses
// (directly or through another layer), never of any other, and every source is built into the
// library of its layer. A header of the CAD (cad/) or of the control library (pellixlib/) may be
// included only by a layer that links the library it belongs to (itself, through a layer below,
// or through what that library passes on to its users): the program reaches the control
// through its dispatch interface and the CAD through the command channel.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    std::string library;
    std::vector<std::string> sources; // relative to vantor/
    std::vector<std::string> uses;
};

const fs::path& Root() {
    static const fs::path root = fs::canonical(VANTOR_SOURCE_DIR);
    return root;
}

const fs::path& Program() {
    static const fs::path program = Root() / "vantor";
    return program;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The vantor_layer(name SOURCES ... USES ...) blocks of a CMake text, in the order
// written. Comments are left out first, so that an example in one is not taken for a layer.
std::vector<Layer> ParseLayers(const std::string& cmake) {
    const std::string text = std::regex_replace(cmake, std::regex("#[^\n]*"), "");
    std::vector<Layer> layers;
    const std::regex block(R"(vantor_layer\(\s*(\w+)([^)]*)\))");
    for (std::sregex_iterator it(text.begin(), text.end(), block), end; it != end; ++it) {
        Layer layer{(*it)[1], {}, {}};
        std::istringstream words((*it)[2].str());
        std::vector<std::string>* list = nullptr;
        for (std::string word; words >> word;) {
            if (word == "SOURCES") list = &layer.sources;
            else if (word == "USES") list = &layer.uses;
            else if (list) list->push_back(word);
            else ADD_FAILURE() << layer.library << ": " << word << " stands before SOURCES and USES";
        }
        layers.push_back(layer);
    }
    return layers;
}

const std::vector<Layer>& Layers() {
    static const std::vector<Layer> layers = ParseLayers(ReadFile(Program() / "CMakeLists.txt"));
    return layers;
}

int IndexOf(const std::string& library) {
    for (std::size_t i = 0; i < Layers().size(); ++i)
        if (Layers()[i].library == library) return static_cast<int>(i);
    return -1;
}

// The folder of a listed source, relative to vantor/; "." is the top folder.
std::string FolderOfSource(const std::string& source) {
    const auto slash = source.rfind('/');
    return slash == std::string::npos ? "." : source.substr(0, slash);
}

// The layer holding a folder of the program (relative to vantor/): the one whose sources lie in
// it; for a folder of headers alone, the layer of the folder above it, below the top folder.
// -1 for a folder none holds.
int LayerOfFolder(std::string folder) {
    for (;;) {
        for (std::size_t i = 0; i < Layers().size(); ++i)
            for (const auto& source : Layers()[i].sources)
                if (FolderOfSource(source) == folder) return static_cast<int>(i);
        const auto slash = folder.rfind('/');
        if (slash == std::string::npos) return -1;
        folder.resize(slash);
    }
}

// The program's folder of a file, relative to vantor/; nothing for a file outside the program.
std::optional<std::string> ProgramFolderOf(const fs::path& file) {
    const fs::path relative = file.parent_path().lexically_relative(Program());
    if (relative.empty() || *relative.begin() == "..") return std::nullopt;
    return relative.generic_string();
}

// The libraries of cad/ and pellixlib/ as their CMakeLists.txt files write them: those built in
// each folder, and those each library passes on to its users (linked PUBLIC, INTERFACE or
// without a keyword).
struct OutsideLibraries {
    std::map<fs::path, std::vector<std::string>> builtIn; // folder -> libraries
    std::map<std::string, std::vector<std::string>> passesOn;
};

void ReadLibraries(const fs::path& folder, const std::string& cmake, OutsideLibraries& into) {
    const std::string text = std::regex_replace(cmake, std::regex("#[^\n]*"), "");
    const std::regex library(R"(add_library\(\s*(\w+))");
    for (std::sregex_iterator it(text.begin(), text.end(), library), end; it != end; ++it)
        into.builtIn[folder].push_back((*it)[1]);
    const std::regex links(R"(target_link_libraries\(\s*(\w+)([^)]*)\))");
    for (std::sregex_iterator it(text.begin(), text.end(), links), end; it != end; ++it) {
        std::istringstream words((*it)[2].str());
        bool passed = true;
        for (std::string word; words >> word;) {
            if (word == "PUBLIC" || word == "INTERFACE") passed = true;
            else if (word == "PRIVATE") passed = false;
            else if (passed) into.passesOn[(*it)[1]].push_back(word);
        }
    }
}

const OutsideLibraries& Outside() {
    static const OutsideLibraries outside = [] {
        OutsideLibraries o;
        for (const char* top : {"cad", "pellixlib"})
            for (const auto& entry : fs::recursive_directory_iterator(Root() / top))
                if (entry.path().filename() == "CMakeLists.txt")
                    ReadLibraries(entry.path().parent_path(), ReadFile(entry.path()), o);
        return o;
    }();
    return outside;
}

// The top folder of the tree a file lies in ("cad", "pellixlib", "vantor", ...).
std::string TopFolderOf(const fs::path& file) { return file.lexically_relative(Root()).begin()->string(); }

// The libraries a header of cad/ or pellixlib/ belongs to: those built in its folder or, for a
// folder that builds none, in the nearest folder above it that does.
std::vector<std::string> LibrariesOf(const fs::path& header) {
    for (fs::path folder = header.parent_path(); folder != Root() && folder.has_relative_path();
         folder = folder.parent_path())
        if (const auto it = Outside().builtIn.find(folder); it != Outside().builtIn.end()) return it->second;
    return {};
}

// Each layer with the layers its library reaches through USES, itself included.
const std::vector<std::set<int>>& Reach() {
    static const std::vector<std::set<int>> reach = [] {
        std::vector<std::set<int>> r(Layers().size());
        for (std::size_t i = 0; i < Layers().size(); ++i) {
            r[i].insert(static_cast<int>(i));
            for (const auto& used : Layers()[i].uses) {
                const int j = IndexOf(used);
                if (j >= 0 && j < static_cast<int>(i)) r[i].insert(r[j].begin(), r[j].end());
            }
        }
        return r;
    }();
    return reach;
}

// The file an include line names, found as the compiler finds it: a quoted name first beside the
// including file, then, like a bracketed one, below the root of the tree (the include folder of
// every library). Nothing for a line that is no include or names a file outside the tree.
std::optional<fs::path> IncludedFile(const fs::path& includer, const std::string& line) {
    static const std::regex include(R"re(^\s*#\s*include\s*(["<])([^">]+)[">])re");
    std::smatch m;
    if (!std::regex_search(line, m, include)) return std::nullopt;
    std::vector<fs::path> candidates;
    if (m[1] == "\"") candidates.push_back(includer.parent_path() / m[2].str());
    candidates.push_back(Root() / m[2].str());
    for (const auto& candidate : candidates) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) return fs::weakly_canonical(candidate);
    }
    return std::nullopt;
}

// Every library layer `layer` links: the USES of the layers it reaches and, in turn, what those
// pass on to their users.
std::set<std::string> LinkedLibraries(int layer) {
    std::vector<std::string> pending;
    for (const int reached : Reach()[layer])
        pending.insert(pending.end(), Layers()[reached].uses.begin(), Layers()[reached].uses.end());
    std::set<std::string> linked;
    while (!pending.empty()) {
        const std::string library = pending.back();
        pending.pop_back();
        if (!linked.insert(library).second) continue;
        if (const auto it = Outside().passesOn.find(library); it != Outside().passesOn.end())
            pending.insert(pending.end(), it->second.begin(), it->second.end());
    }
    return linked;
}

// Why layer `own` may not include `header` of cad/ or pellixlib/; nothing when it links the
// header's library.
std::optional<std::string> OutsideInclude(int own, const fs::path& header) {
    const std::string name = header.lexically_relative(Root()).generic_string();
    const auto libraries = LibrariesOf(header);
    if (libraries.empty()) return "a header no library of cad/ or pellixlib/ builds: " + name;
    const auto linked = LinkedLibraries(own);
    for (const auto& library : libraries)
        if (linked.count(library)) return std::nullopt;
    return Layers()[own].library + " does not link " + libraries.front() + " (" + name + ")";
}

// Why an include line of `includer` (a file of the program) reaches a layer it may not use or a
// library of cad/ or pellixlib/ it does not link; nothing when it may include what it names.
std::optional<std::string> UpwardInclude(const fs::path& includer, const std::string& line) {
    const auto target = IncludedFile(includer, line);
    if (!target) return std::nullopt;
    const int own = LayerOfFolder(ProgramFolderOf(includer).value_or("?"));
    const auto folder = ProgramFolderOf(*target);
    if (!folder) {
        const std::string top = TopFolderOf(*target);
        if (top != "cad" && top != "pellixlib") return std::nullopt;
        if (own < 0) return "a folder no layer holds: " + includer.string();
        return OutsideInclude(own, *target);
    }
    const int reached = LayerOfFolder(*folder);
    if (own < 0 || reached < 0) return "a folder no layer holds: " + target->string();
    if (Reach()[own].count(reached)) return std::nullopt;
    return Layers()[own].library + " does not use " + Layers()[reached].library + " (" +
           target->lexically_relative(Root()).generic_string() + ")";
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

TEST(Layering, BlocksAreReadAsTheBuildWritesThem) {
    const auto layers = ParseLayers("# vantor_layer(name SOURCES a.cpp USES lower)\n"
                                    "vantor_layer(low SOURCES\n  a/x.cpp\n  a/b/y.cpp\n  USES base)\n"
                                    "vantor_layer( high SOURCES z.cpp # the top\n  USES low other)\n");
    ASSERT_EQ(layers.size(), 2u);
    EXPECT_EQ(layers[0].library, "low");
    EXPECT_EQ(layers[0].sources, (std::vector<std::string>{"a/x.cpp", "a/b/y.cpp"}));
    EXPECT_EQ(layers[0].uses, (std::vector<std::string>{"base"}));
    EXPECT_EQ(layers[1].library, "high");
    EXPECT_EQ(layers[1].sources, (std::vector<std::string>{"z.cpp"}));
    EXPECT_EQ(layers[1].uses, (std::vector<std::string>{"low", "other"}));
    ASSERT_GE(IndexOf("vantor_model"), 0);
    EXPECT_EQ(IndexOf("vantor_model"), 0) << "the lowest layer comes first";
}

// Every include reaches the file the compiler would take, however it is written.
TEST(Layering, IncludesAreJudgedByTheFileTheyReach) {
    struct Case {
        const char* includer; // relative to vantor/; need not exist
        const char* line;
        bool allowed;
    };
    const Case cases[] = {
        {"model/sheets/any.cpp", "#include \"../縦断bus.h\"", true},
        {"geometry/grid/any.cpp", "#include \"vantor/drawing/channel/cad_channel.h\"", true},
        {"sections/any.cpp", "#include \"../geometry/profile/planned_line.h\"", true},
        {"model/any.cpp", "#include <QWidget>", true},
        {"model/any.cpp", "#include \"platform/runtime/number_text.h\"", true},
        {"model/any.cpp", "#include \"../drawing/channel/cad_channel.h\"", false},
        {"model/sheets/any.cpp", "  #  include \"../../shell/親画面.h\" // spaced", false},
        {"model/any.cpp", "#include <vantor/shell/親画面.h>", false},
        {"model/any.cpp", "#include \"../../vantor/sections/section_checks.h\"", false},
        {"drawing/channel/any.cpp", "#include \"../../pellix/point_pick.h\"", false}, // beside, not used
        {"pellix/any.cpp", "#include \"vantor/drawing/channel/cad_channel.h\"", false},
        // The CAD and the control library: only through a library the layer links.
        {"any.cpp", "#include \"cad/app/instance.h\"", true},
        {"any.cpp", "#include <cad/drawing/drawing.h>", true}, // passed on by the CAD's view
        {"any.cpp", "#include \"pellixlib/AcadCtrl.h\"", false},
        {"shell/any.cpp", "#include \"cad/app/instance.h\"", false},
        {"pellix/any.cpp", "#include \"../../pellixlib/AcadCtrl.h\"", false},
        {"pellix/any.cpp", "#include \"pellixlib/com/Pellixlib_TLB.h\"", false},
        {"drawing/channel/any.cpp", "#include \"cad/command/command_line.h\"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(!UpwardInclude(Program() / std::string(c.includer), c.line).has_value(), c.allowed)
            << c.includer << ": " << c.line;
}

TEST(Layering, EachLayerUsesOnlyLayersWrittenBeforeIt) {
    std::set<std::string> seen;
    for (const auto& layer : Layers()) {
        EXPECT_TRUE(seen.insert(layer.library).second) << layer.library << " is written twice";
        for (const auto& used : layer.uses) {
            if (IndexOf(used) < 0) continue; // a library of the platform
            EXPECT_LT(IndexOf(used), IndexOf(layer.library))
                << layer.library << " uses " << used << ", which is written after it";
        }
    }
}

TEST(Layering, EveryFolderHasOneLayer) {
    std::map<std::string, std::string> holder;
    for (const auto& layer : Layers())
        for (const auto& source : layer.sources) {
            const auto [it, added] = holder.emplace(FolderOfSource(source), layer.library);
            EXPECT_TRUE(added || it->second == layer.library)
                << it->first << " holds sources of " << it->second << " and of " << layer.library;
        }
    EXPECT_EQ(LayerOfFolder("model/bus"), IndexOf("vantor_model")) << "a folder of headers alone";
    for (const auto& file : Sources())
        EXPECT_GE(LayerOfFolder(ProgramFolderOf(file).value()), 0) << "no layer holds the folder of " << file.string();
}

TEST(Layering, NoFileIncludesALayerItsLibraryDoesNotUse) {
    int judged = 0;
    for (const auto& file : Sources()) {
        std::ifstream in(file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            const auto target = IncludedFile(file, line);
            if (target && ProgramFolderOf(*target)) ++judged;
            if (const auto why = UpwardInclude(file, line))
                ADD_FAILURE() << file.string() << ":" << number << ": " << line << "\n" << *why;
        }
    }
    EXPECT_GT(judged, 100);
}

TEST(Layering, EverySourceIsBuiltIntoTheLibraryOfItsLayer) {
    for (const auto& file : Sources()) {
        if (file.extension() != ".cpp" || file.filename() == "main.cpp") continue;
        const int layer = LayerOfFolder(ProgramFolderOf(file).value());
        if (layer < 0) continue;
        const auto& sources = Layers()[layer].sources;
        const std::string path = file.lexically_relative(Program()).generic_string();
        EXPECT_NE(std::find(sources.begin(), sources.end(), path), sources.end())
            << path << " is not built into " << Layers()[layer].library;
    }
}
