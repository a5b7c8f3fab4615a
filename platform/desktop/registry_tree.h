#pragma once
// The registry's keys and values in memory, and the text file they are kept in. No code outside
// this folder includes it.
#include "platform/desktop/types.h"

#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace desk::detail {

struct RegValue {
    std::string name;
    DWORD type = 0;
    std::string data;
};

// The deepest a key may lie below its root key, as on the platform.
inline constexpr std::size_t kMaxKeyDepth = 512;
// The longest key or value name, in characters (a double-byte character counts one).
inline constexpr std::size_t kMaxNameLength = 255;

struct RegKey {
    std::string name;
    std::vector<RegValue> values;                           // in the order created
    std::map<std::string, std::shared_ptr<RegKey>> subkeys; // by upper-case name
    bool deleted = false;
    std::size_t depth = 0; // names between the root key and this one, itself included
};

struct OpenKey {
    std::shared_ptr<RegKey> key;
    DWORD access = 0;
};

struct Registry {
    std::mutex m;
    std::filesystem::path file;
    std::shared_ptr<RegKey> machine, user, users;
    std::map<std::uint32_t, OpenKey> open;
    bool dirty = false;
};

Registry& TheRegistry();
// Upper-cases the single-byte letters of a code page 932 name.
std::string RegUpper(const std::string& name);
// Whether a key or value name (code page 932) is short enough for the platform.
bool IsNameLengthAllowed(const std::string& name);
// Replaces the keys in memory by those of the file `root`/registry.txt. A file that cannot be
// read, that nests a key deeper than kMaxKeyDepth or that holds a name longer than
// kMaxNameLength is kept aside as registry.txt.bad, or registry.txt.bad.1, .2, ... when that is
// taken (and told on the error stream); a missing file gives a fresh machine's registry.
void LoadRegistry(Registry& r, const std::filesystem::path& root);
// Writes the file (through a temporary file, so a failure leaves the old one); false on failure.
bool SaveRegistry(Registry& r);

} // namespace desk::detail
