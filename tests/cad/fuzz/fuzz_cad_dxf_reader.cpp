// Arbitrary bytes read as a DXF block file: refused with an error or read, never a crash.
#include "cad/dxf/block_library.h"
#include "cad/dxf/dxf_reader.h"
#include "platform/runtime/error.h"
#include "temporary_folder.h"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TemporaryFolder folder("fuzz_cad_dxf_");
    static const std::string path = (folder.Path() / "B.dxf").string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    try {
        cad::Drawing drawing;
        std::vector<std::string> warnings;
        cad::dxf::LoadDrawingAsBlock(path, "B", drawing, warnings);
    } catch (const rt::Error&) {}
    return 0;
}
