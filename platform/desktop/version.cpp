#include "platform/desktop/version.h"

#include "platform/desktop/paths.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace desk {

using namespace detail;

namespace {

constexpr DWORD kSignature = 0xFEEF04BD;

std::optional<std::string> ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Where the version block starts in the file's bytes, or npos.
std::size_t FindBlock(const std::string& bytes) {
    const char signature[4] = {static_cast<char>(kSignature & 0xFF), static_cast<char>((kSignature >> 8) & 0xFF),
                               static_cast<char>((kSignature >> 16) & 0xFF), static_cast<char>(kSignature >> 24)};
    for (std::size_t at = bytes.find(std::string(signature, 4)); at != std::string::npos;
         at = bytes.find(std::string(signature, 4), at + 1))
        if (at + sizeof(VS_FIXEDFILEINFO) <= bytes.size()) return at;
    return std::string::npos;
}

std::optional<VS_FIXEDFILEINFO> ReadInfo(const char* path) {
    auto file = path ? Resolve(path) : std::nullopt;
    auto bytes = file ? ReadAll(*file) : std::nullopt;
    if (!bytes) return std::nullopt;
    const std::size_t at = FindBlock(*bytes);
    if (at == std::string::npos) return std::nullopt;
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, bytes->data() + at, sizeof info);
    return info;
}

} // namespace

bool WriteVersionResource(const char* path, const VS_FIXEDFILEINFO& info) {
    auto file = path ? Resolve(path) : std::nullopt;
    if (!file) return false;
    std::string bytes = ReadAll(*file).value_or(std::string());
    VS_FIXEDFILEINFO block = info;
    block.dwSignature = kSignature;
    const std::string data(reinterpret_cast<const char*>(&block), sizeof block);
    const std::size_t at = FindBlock(bytes);
    if (at == std::string::npos) bytes += data;
    else bytes.replace(at, sizeof block, data);
    std::ofstream out(*file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.flush();
    return static_cast<bool>(out);
}

std::optional<VS_FIXEDFILEINFO> ReadVersionResource(const char* path) {
    auto info = ReadInfo(path);
    if (!info) SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return info;
}

} // namespace desk
