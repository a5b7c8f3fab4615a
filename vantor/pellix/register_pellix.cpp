#include "vantor/pellix/register_pellix.h"

#include "platform/com/inproc_server.h"
#include "vantor/pellix/pellix_ids.h"

namespace 縦断bus {

bool RegisterPellixLibrary(const std::filesystem::path& folder) {
    com::CLSID clsid;
    if (com::SUCCEEDED(com::CLSIDFromProgID(pellix_ids::kProgId, &clsid))) return true;
    return com::SUCCEEDED(com::RegisterServer(folder / "libpellixlib.so"));
}

} // namespace 縦断bus
