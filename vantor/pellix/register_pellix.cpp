#include "vantor/pellix/register_pellix.h"

#include "platform/com/inproc_server.h"
#include "vantor/pellix/pellix_ids.h"

namespace 縦断bus {

bool RegisterPellixLibrary() {
    com::CLSID clsid;
    if (com::SUCCEEDED(com::CLSIDFromProgID(pellix_ids::kProgId, &clsid))) return true;
    const auto program = com::ModulePathOf(reinterpret_cast<const void*>(&RegisterPellixLibrary));
    return com::SUCCEEDED(com::RegisterServer(program.parent_path() / "libpellixlib.so"));
}

} // namespace 縦断bus
