#include "vantor/shell/lifecycle/file_checks.h"

#include "platform/runtime/number_text.h"

#include <filesystem>

namespace 縦断bus {

namespace fs = std::filesystem;

namespace {

// The longest file name (one path element) that file systems take, in bytes.
constexpr std::size_t kLongestFileName = 255;

bool IsExtensionAlone(const std::string& name) {
    if (name.size() != 4 || name[0] != '.') return false;
    std::string lower;
    for (char c : name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == ".xls";
}

bool IsWriteProtected(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return false;
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (status.permissions() & kWrite) == fs::perms::none;
}

} // namespace

std::string WithWorkbookExtension(const std::string& path) {
    fs::path target(path);
    const std::string name = target.filename().string();
    if (name.empty() || name == "." || name == ".." || IsExtensionAlone(name) || target.has_extension()) return path;
    return path + ".xls";
}

std::optional<std::string> OpenRefusal(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return path + " はフォルダです。開くブックのファイル（.xls）を選んでください。";
    if (!fs::exists(path, ec))
        return "ファイル " + path + " が見つかりません。名前と場所を確かめて選び直してください。";
    return std::nullopt;
}

std::optional<std::string> SaveRefusal(const std::string& path) {
    const fs::path target(path);
    const std::string name = target.filename().string();
    if (name.empty() || name == "." || name == ".." || IsExtensionAlone(name))
        return "保存するファイルの名前がありません（" + path + "）。ファイル名を入力してください。";
    std::error_code ec;
    if (fs::is_directory(target, ec)) return path + " はフォルダです。保存するファイルの名前を入力してください。";
    if (name.size() > kLongestFileName)
        return "ファイル名が長すぎます（" + rt::CStr(static_cast<int>(kLongestFileName)) +
               " バイトまで）。短い名前で保存し直してください。";
    if (IsWriteProtected(target))
        return "ファイル " + path + " は書き込みが禁止されているので、上書きできません。別の名前で保存してください。";
    return std::nullopt;
}

} // namespace 縦断bus
