// Random bytes typed at the command line, in one piece and split at random, over a drawing
// that holds a block and some entities. Whatever is typed, a cancel leaves it idle.
#include "cad/command/command_line.h"
#include "cad/drawing/extents.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cad::Drawing drawing;
    cad::Polyline shape;
    shape.vertices = {{-3000, -60}, {0, 0}, {3000, -60}};
    drawing.SetBlock(cad::Block{"KEI1", {}, {cad::Entity{shape}, cad::Entity{cad::Arc{{0, 0}, 5, 10, 200}},
                                             cad::Entity{cad::Text{{0, 0}, 2, 30, "測点"}}}});
    drawing.Add(cad::Insert{"KEI1", {100, 100}});
    drawing.Add(cad::Circle{{0, 0}, 50});
    cad::command::CommandLine commandLine(drawing);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte chooses where the input is split into sends.
    const std::size_t step = size ? 1 + data[0] % 64 : 1;
    for (std::size_t at = 0; at < bytes.size(); at += step) commandLine.Type(bytes.substr(at, step));
    commandLine.Type('\x03');
    if (!commandLine.IsIdle()) std::abort();
    cad::DrawingExtents(drawing);
    return 0;
}
