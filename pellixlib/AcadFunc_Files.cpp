#include "pellixlib/AcadFunc_Files.h"

#include "pellixlib/AcadFunc_Text.h"
#include "platform/desktop/files.h"
#include "platform/desktop/process.h"
#include "platform/desktop/version.h"
#include "platform/runtime/number_text.h"

#include <vector>

namespace pellix {

namespace {

bool EndsWithBackslash(std::string_view path) { return !path.empty() && IsPathDelimiterAt(path, path.size()); }

bool IsBareDrive(std::string_view path) { return path.size() == 2 && path[1] == ':'; }

std::string FolderString(desk::UINT (*get)(char*, desk::UINT)) {
    char buffer[desk::MAX_PATH] = {};
    const desk::UINT n = get(buffer, desk::MAX_PATH);
    if (n == 0 || n >= desk::MAX_PATH) return {};
    return AddBackslash(std::string(buffer, n));
}

} // namespace

std::string AddBackslash(std::string_view path) {
    std::string out(path);
    if (!EndsWithBackslash(out)) out += '\\';
    return out;
}

std::string RemoveBackslash(std::string_view path) {
    if (IsBareDrive(path)) return std::string(path) + "\\";
    std::string out(path);
    if (EndsWithBackslash(out) && !(out.size() >= 2 && out[out.size() - 2] == ':')) out.pop_back();
    return out;
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    std::size_t dot = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); i += static_cast<std::size_t>(CharByteLen(path, i))) {
        if (path[i] == '.') dot = i;
        if (IsPathDelimiterAt(path, i + 1)) dot = std::string_view::npos;
    }
    return std::string(path.substr(0, dot)) + std::string(extension);
}

std::string ExtractFileDir(std::string_view path) {
    std::size_t slash = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); i += static_cast<std::size_t>(CharByteLen(path, i)))
        if (IsPathDelimiterAt(path, i + 1)) slash = i;
    return slash == std::string_view::npos ? std::string() : RemoveBackslash(path.substr(0, slash + 1));
}

bool FileExistsEx(const std::string& path) {
    if (path.empty() || FindMenuMark(path, "\\") == 0 || !IsValidFileName(path, true)) return false;
    const desk::DWORD attributes = desk::GetFileAttributes(path.c_str());
    return attributes != desk::INVALID_FILE_ATTRIBUTES && !(attributes & desk::FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExpandLongPathName(const std::string& path) {
    // The prefix up to each backslash is looked up in turn; the drive (or "\\server") stays.
    std::string result;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size();) {
        const bool end = i == path.size();
        if (!end && !IsPathDelimiterAt(path, i + 1)) {
            i += static_cast<std::size_t>(CharByteLen(path, i));
            continue;
        }
        const std::string component = path.substr(start, i - start);
        const bool lookUp = !component.empty() && component.find(':') == std::string::npos &&
                            component.find_first_of("*?") == std::string::npos && component != "." && component != "..";
        std::string name = component;
        if (lookUp) {
            desk::WIN32_FIND_DATA data;
            const desk::HANDLE find = desk::FindFirstFile((result + component).c_str(), &data);
            if (find != desk::INVALID_HANDLE_VALUE) {
                name = data.cFileName;
                desk::FindClose(find);
            }
        }
        result += name;
        if (end) break;
        result += '\\';
        start = ++i;
    }
    return result;
}

bool GetExeVersionString(const std::string& path, bool withBuild, std::string& version) {
    const auto info = desk::ReadVersionResource(path.c_str());
    if (!info) return false;
    // Product version fields, each in decimal: major "." minor release ("15.05"), then build.
    const auto field = [](desk::WORD w) { return rt::CStr(static_cast<int>(w)); };
    version = field(desk::HIWORD(info->dwProductVersionMS)) + "." + field(desk::LOWORD(info->dwProductVersionMS)) +
              field(desk::HIWORD(info->dwProductVersionLS));
    if (withBuild) version += "." + field(desk::LOWORD(info->dwProductVersionLS));
    return true;
}

bool ForceDeleteFile(const std::string& path) {
    const desk::DWORD attributes = desk::GetFileAttributes(path.c_str());
    if (attributes == desk::INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & desk::FILE_ATTRIBUTE_DIRECTORY) return false;
    desk::SetFileAttributes(path.c_str(), desk::FILE_ATTRIBUTE_ARCHIVE);
    desk::DeleteFile(path.c_str());
    return desk::GetFileAttributes(path.c_str()) == desk::INVALID_FILE_ATTRIBUTES;
}

std::string GetWindowsDir() { return FolderString(desk::GetWindowsDirectory); }

std::string GetSystemDir() { return FolderString(desk::GetSystemDirectory); }

std::string GetTempDir() {
    char buffer[desk::MAX_PATH] = {};
    const desk::DWORD n = desk::GetTempPath(desk::MAX_PATH, buffer);
    if (n == 0 || n >= desk::MAX_PATH) return {};
    return AddBackslash(std::string(buffer, n));
}

bool SaveTextFile(const std::string& path, std::string_view text) {
    std::string body;
    body.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            body += "\r\n";
        } else {
            body += text[i];
        }
    }
    const desk::HANDLE file =
        desk::CreateFile(path.c_str(), desk::GENERIC_WRITE, 0, nullptr, desk::CREATE_ALWAYS, 0, nullptr);
    if (file == desk::INVALID_HANDLE_VALUE) return false;
    desk::DWORD written = 0;
    const bool ok = desk::WriteFile(file, body.data(), static_cast<desk::DWORD>(body.size()), &written, nullptr) &&
                    written == body.size();
    return desk::CloseHandle(file) && ok;
}

std::int64_t GetFileSizeByName(const std::string& path) {
    const desk::HANDLE file =
        desk::CreateFile(path.c_str(), desk::GENERIC_READ, desk::FILE_SHARE_READ | desk::FILE_SHARE_WRITE, nullptr,
                         desk::OPEN_EXISTING, 0, nullptr);
    if (file == desk::INVALID_HANDLE_VALUE) return -1;
    desk::DWORD high = 0;
    const desk::DWORD low = desk::GetFileSize(file, &high);
    desk::CloseHandle(file);
    if (low == desk::INVALID_FILE_SIZE) return -1;
    return (static_cast<std::int64_t>(high) << 32) | low;
}

std::string GetEnvVar(const std::string& name) {
    std::vector<char> buffer(512);
    desk::DWORD n = desk::GetEnvironmentVariable(name.c_str(), buffer.data(), static_cast<desk::DWORD>(buffer.size()));
    if (n >= buffer.size()) {
        buffer.resize(n);
        n = desk::GetEnvironmentVariable(name.c_str(), buffer.data(), static_cast<desk::DWORD>(buffer.size()));
        if (n >= buffer.size()) return {};
    }
    return std::string(buffer.data(), n);
}

} // namespace pellix
