#include "cad/app/install.h"

#include "cad/app/instance.h"
#include "cad/app/registry_access.h"
#include "platform/desktop/files.h"
#include "platform/desktop/process.h"
#include "platform/desktop/version.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"

namespace cad::app {

namespace {

constexpr std::string_view kSeedFolder = "C:\\Program Files\\AutoCAD LT 2002";

std::string CurVerName(const Product& p) {
    return std::string(p.index <= 6 ? "ACLT-" : "ACAD-") + rt::CStr(p.index) + "001:411";
}

void CreateFolders(const std::string& folder) {
    for (std::size_t i = folder.find('\\', 3);; i = folder.find('\\', i + 1)) {
        const std::string part = folder.substr(0, i);
        if (desk::GetFileAttributes(part.c_str()) == desk::INVALID_FILE_ATTRIBUTES &&
            !desk::CreateDirectory(part.c_str(), nullptr))
            throw rt::Error(rt::errApplication, "Cannot create the folder " + part);
        if (i == std::string::npos) break;
    }
}

void WriteExecutable(const Product& p, const std::string& path) {
    const desk::HANDLE file =
        desk::CreateFile(path.c_str(), desk::GENERIC_WRITE, 0, nullptr, desk::CREATE_ALWAYS, 0, nullptr);
    if (file == desk::INVALID_HANDLE_VALUE) throw rt::Error(rt::errApplication, "Cannot write " + path);
    const std::string body = "MZ " + std::string(p.name) + "\r\n";
    desk::DWORD written = 0;
    const bool ok = desk::WriteFile(file, body.data(), static_cast<desk::DWORD>(body.size()), &written, nullptr);
    desk::CloseHandle(file);
    desk::VS_FIXEDFILEINFO info;
    info.dwProductVersionMS = info.dwFileVersionMS = (desk::DWORD{p.version.major} << 16) | p.version.minor;
    info.dwProductVersionLS = info.dwFileVersionLS = (desk::DWORD{p.version.release} << 16) | p.version.build;
    if (!ok || !desk::WriteVersionResource(path.c_str(), info))
        throw rt::Error(rt::errApplication, "Cannot write " + path);
}

// Whether the file's product version is the product's (major, minor, release).
bool HasVersionOf(const std::string& path, const Product& p) {
    const auto info = desk::ReadVersionResource(path.c_str());
    return info && info->dwProductVersionMS == ((desk::DWORD{p.version.major} << 16) | p.version.minor) &&
           (info->dwProductVersionLS >> 16) == p.version.release;
}

} // namespace

std::string SettingsKey(const Product& p) {
    const auto curVer = ReadRegString(desk::HKEY_LOCAL_MACHINE, std::string(p.machineKey), "CurVer");
    return curVer ? std::string(p.machineKey) + "\\" + *curVer : std::string();
}

std::string InstallProduct(int index, const std::string& folder) {
    const Product* p = FindProduct(index);
    if (!p) throw rt::Error(rt::errApplication, "No product " + rt::CStr(index));
    CreateFolders(folder);
    const std::string exe = folder + "\\" + std::string(p->exeName);
    WriteExecutable(*p, exe);
    if (IsRegistryProduct(*p)) {
        const std::string machine(p->machineKey);
        const std::string curVer = CurVerName(*p);
        WriteRegString(desk::HKEY_LOCAL_MACHINE, machine, "CurVer", curVer);
        WriteRegString(desk::HKEY_LOCAL_MACHINE, machine + "\\" + curVer, std::string(p->locationValue), folder);
        WriteRegString(desk::HKEY_LOCAL_MACHINE, machine + "\\" + curVer, "ProductName", std::string(p->name));
        const std::string profiles = machine + "\\" + curVer + "\\Profiles";
        WriteRegString(desk::HKEY_CURRENT_USER, profiles, "", std::string(kProfileName));
        if (p->mdi)
            WriteRegDword(desk::HKEY_CURRENT_USER, profiles + "\\" + std::string(kProfileName) + "\\Drawing Window",
                          "SDIMode", 0);
    } else {
        WriteRegString(desk::HKEY_CLASSES_ROOT, std::string(p->classesRootCommand), "", exe);
    }
    RegisterProductImage(*p, exe);
    return exe;
}

std::string InstalledExecutable(const Product& p) {
    std::optional<std::string> exe;
    if (IsRegistryProduct(p)) {
        const std::string key = SettingsKey(p);
        if (key.empty()) return {};
        const auto folder = ReadRegString(desk::HKEY_LOCAL_MACHINE, key, std::string(p.locationValue));
        if (folder) exe = *folder + "\\" + std::string(p.exeName);
    } else {
        exe = ReadRegString(desk::HKEY_CLASSES_ROOT, std::string(p.classesRootCommand), "");
    }
    if (!exe || desk::GetFileAttributes(exe->c_str()) == desk::INVALID_FILE_ATTRIBUTES || !HasVersionOf(*exe, p))
        return {};
    return *exe;
}

bool PrepareDesktop() {
    const Product& lt2002 = *FindProduct(kAutoCadLt2002);
    const bool seed = InstalledExecutable(lt2002).empty();
    if (seed) InstallProduct(kAutoCadLt2002, std::string(kSeedFolder));
    for (int i = 1; i < kProductCount; ++i) {
        const Product& p = *FindProduct(i);
        const std::string exe = InstalledExecutable(p);
        if (!exe.empty()) RegisterProductImage(p, exe);
    }
    return seed;
}

} // namespace cad::app
