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
constexpr char kBlockMark[4] = {'V', 'E', 'R', '1'};
constexpr DWORD kBlockSize = sizeof(kBlockMark) + sizeof(VS_FIXEDFILEINFO);

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

DWORD GetFileVersionInfoSize(const char* path, DWORD* handle) {
    if (handle) *handle = 0;
    if (!ReadInfo(path)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return 0;
    }
    return kBlockSize;
}

bool GetFileVersionInfo(const char* path, DWORD, DWORD size, void* data) {
    auto info = ReadInfo(path);
    if (!info) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return false;
    }
    if (size < kBlockSize || !data) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return false;
    }
    std::memcpy(data, kBlockMark, sizeof kBlockMark);
    std::memcpy(static_cast<char*>(data) + sizeof kBlockMark, &*info, sizeof *info);
    return true;
}

bool VerQueryValue(const void* block, const char* subBlock, void** buffer, UINT* length) {
    if (!block || !subBlock || std::strcmp(subBlock, "\\") != 0 || std::memcmp(block, kBlockMark, sizeof kBlockMark) != 0) return false;
    *buffer = const_cast<char*>(static_cast<const char*>(block) + sizeof kBlockMark);
    if (length) *length = sizeof(VS_FIXEDFILEINFO);
    return true;
}

} // namespace desk
