// Random bytes typed at the command line, in one piece and split at random, over a drawing
// that holds a block and some entities. Whatever is typed, a cancel leaves it idle.
//
// The command line runs in a host whose files all lie in one temporary folder: of any path a
// command names only the last name counts, so OPEN, EXPORT, SAVEAS, QSAVE, DXFOUT, ATTEXT and
// SCRIPT read and write nothing else.
#include "cad/command/command_host.h"
#include "cad/command/command_line.h"
#include "cad/drawing/extents.h"
#include "cad/dxf/dxf_reader.h"
#include "cad/dxf/dxf_writer.h"
#include "platform/runtime/error.h"
#include "temporary_folder.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>

namespace {

class SandboxHost final : public cad::command::CommandHost {
public:
    explicit SandboxHost(const std::filesystem::path& folder) : folder_(folder) {}

    cad::command::SystemVariables& Variables() override { return variables_; }
    void VariableSet(std::string_view) override {}
    bool AsksFileFormat() const override { return true; }
    std::string DrawingPath() const override { return path_; }
    std::string DrawingName() const override { return "Drawing1.dwg"; }
    bool HasUnsavedChanges() const override { return true; }
    bool FileExists(const std::string& path) override {
        std::error_code unreadable;
        return std::filesystem::exists(Inside(path), unreadable);
    }
    void WriteDrawing(const cad::Drawing& drawing, const std::string& path, bool becomesDrawingFile) override {
        cad::dxf::WriteDxf(drawing, Inside(path));
        if (becomesDrawingFile) path_ = path;
    }
    void WriteTextFile(const std::string& path, const std::string& text) override {
        std::ofstream(Inside(path), std::ios::binary) << text;
    }
    std::string ReadTextFile(const std::string& path) override {
        std::ifstream in(Inside(path), std::ios::binary);
        if (!in) throw rt::Error(rt::errApplication, "Cannot read " + path);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::vector<std::string> OpenDrawing(const std::string& path, cad::Drawing& drawing) override {
        std::vector<std::string> warnings = cad::dxf::OpenDxf(Inside(path), drawing);
        path_ = path;
        return warnings;
    }
    // Scripts type on once the input has been taken; a script may run itself, so a few rounds only.
    void TypeLater(std::string text) override { later_ += text; }
    void Quit() override {}
    void StartNewDrawing() override {}

    std::string TakeLater() { return std::exchange(later_, {}); }

private:
    std::string Inside(const std::string& path) const {
        const std::size_t slash = path.find_last_of("/\\:");
        std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        if (name.empty() || name == "." || name == "..") name = "unnamed";
        return (folder_ / name).string();
    }

    std::filesystem::path folder_;
    cad::command::SystemVariables variables_;
    std::string path_;
    std::string later_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TemporaryFolder folder("fuzz_cad_command_");
    cad::Drawing drawing;
    cad::Polyline shape;
    shape.vertices = {{-3000, -60}, {0, 0}, {3000, -60}};
    drawing.SetBlock(cad::Block{"KEI1",
                                {},
                                {cad::Entity{shape}, cad::Entity{cad::Arc{{0, 0}, 5, 10, 200}},
                                 cad::Entity{cad::Text{{0, 0}, 2, 30, "測点"}}}});
    drawing.Add(cad::Insert{"KEI1", {100, 100}});
    drawing.Add(cad::Circle{{0, 0}, 50});
    cad::command::CommandLine commandLine(drawing);
    SandboxHost host(folder.Path());
    cad::command::HostAttachment attachment(commandLine, host);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte chooses where the input is split into sends.
    const std::size_t step = size ? 1 + data[0] % 64 : 1;
    for (std::size_t at = 0; at < bytes.size(); at += step) commandLine.Type(bytes.substr(at, step));
    for (int round = 0; round < 4; ++round) commandLine.Type(host.TakeLater());
    commandLine.Type('\x03');
    if (!commandLine.IsIdle()) std::abort();
    cad::DrawingExtents(drawing);
    return 0;
}
