#include "platform/desktop/process.h"

#include "platform/desktop/desktop_state.h"
#include "platform/desktop/files.h"
#include "platform/desktop/paths.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <unistd.h>

namespace desk {

using namespace detail;

namespace {

HANDLE ToHandle(std::uint32_t value) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(value)); }

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

std::string ImageKey(const std::string& path) {
    auto native = Resolve(path.c_str());
    if (!native) return {};
    std::string key = native->string();
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return key;
}

std::shared_ptr<Process> ProcessOfHandle(State& s, HANDLE handle) {
    auto it = s.handles.find(IdOf(handle));
    if (it == s.handles.end()) return nullptr;
    auto p = s.processes.find(it->second.processId);
    return p == s.processes.end() ? nullptr : p->second;
}

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributes(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The executable a command names, looked for as the platform does; empty when none is found.
std::string FindExecutable(std::string module) {
    if (module.empty()) return {};
    const bool hasFolder = module.find_first_of("\\/:") != std::string::npos;
    const std::size_t nameStart = module.find_last_of("\\/:");
    const std::string name = nameStart == std::string::npos ? module : module.substr(nameStart + 1);
    if (name.find('.') == std::string::npos) module += ".EXE";
    if (hasFolder) return IsFile(module) ? module : std::string();
    std::vector<std::string> folders;
    char buffer[MAX_PATH * 8];
    if (GetCurrentDirectory(sizeof buffer, buffer) < sizeof buffer) folders.push_back(buffer);
    folders.push_back("C:\\WINDOWS\\SYSTEM32");
    folders.push_back("C:\\WINDOWS");
    const DWORD n = GetEnvironmentVariable("PATH", buffer, sizeof buffer);
    if (n > 0 && n < sizeof buffer) {
        std::string path = buffer;
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t end = path.find(';', start);
            if (end == std::string::npos) end = path.size();
            std::string entry = path.substr(start, end - start);
            entry.erase(std::remove(entry.begin(), entry.end(), '"'), entry.end());
            if (!entry.empty()) folders.push_back(entry);
            start = end + 1;
        }
    }
    for (auto folder : folders) {
        if (folder.back() != '\\') folder += '\\';
        if (IsFile(folder + module)) return folder + module;
    }
    return {};
}

// The executable a command line starts: a quoted first word, or else the shortest run of
// words up to a blank that names an executable, as the platform tries them.
std::string ExecutableOfCommandLine(const char* commandLine) {
    std::string line = commandLine ? commandLine : "";
    const std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos) return {};
    if (line[i] == '"') {
        const std::size_t end = line.find('"', i + 1);
        return FindExecutable(line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1));
    }
    for (std::size_t blank = line.find_first_of(" \t", i);; blank = line.find_first_of(" \t", blank + 1)) {
        const std::string found =
            FindExecutable(line.substr(i, blank == std::string::npos ? std::string::npos : blank - i));
        if (!found.empty() || blank == std::string::npos) return found;
    }
}

std::vector<std::pair<std::string, std::string>>::iterator FindVariable(Process& p, const std::string& name) {
    return std::find_if(p.environment.begin(), p.environment.end(),
                        [&](const auto& v) { return EqualIgnoringCase(v.first, name); });
}

DWORD CopyOut(const std::string& text, char* buffer, DWORD size) {
    if (!buffer || text.size() + 1 > size) return static_cast<DWORD>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
}

} // namespace

void RegisterProgramImage(const std::string& path, ImageEntry entry) {
    const std::string key = ImageKey(path);
    State& s = S();
    Lock lk(s.m);
    s.images[key] = std::move(entry);
}

bool CreateProcess(const char* applicationName, const char* commandLine, const void*, const void*, bool, DWORD,
                   const char* environment, const char* currentDirectory, const STARTUPINFO* startupInfo,
                   PROCESS_INFORMATION* processInformation) {
    const std::string found = applicationName ? FindExecutable(applicationName) : ExecutableOfCommandLine(commandLine);
    if (found.empty()) return Fail(ERROR_FILE_NOT_FOUND);
    char longPath[MAX_PATH * 4];
    const DWORD n = GetLongPathName(found.c_str(), longPath, sizeof longPath);
    const std::string image = n > 0 && n < sizeof longPath ? std::string(longPath) : found;
    std::string folder;
    if (currentDirectory && *currentDirectory) {
        char full[MAX_PATH * 4];
        const DWORD m = GetLongPathName(currentDirectory, full, sizeof full);
        if (m == 0 || m >= sizeof full || !(GetFileAttributes(full) & FILE_ATTRIBUTE_DIRECTORY))
            return Fail(ERROR_PATH_NOT_FOUND);
        folder = full;
    }
    const std::string key = ImageKey(image);
    State& s = S();
    Lock lk(s.m);
    auto entry = s.images.find(key);
    if (entry == s.images.end()) return Fail(ERROR_BAD_EXE_FORMAT);
    auto caller = CurrentProcess(lk);
    auto p = std::make_shared<Process>();
    auto t = std::make_shared<Thread>();
    p->id = NewId();
    t->id = NewId();
    t->processId = p->id;
    t->hosted = true;
    t->osThread = getpid();
    p->mainThread = t->id;
    p->entry = entry->second;
    p->currentDirectory = folder.empty() ? caller->currentDirectory : folder;
    if (environment) {
        for (const char* v = environment; *v; v += std::strlen(v) + 1) {
            const std::string var = v;
            const std::size_t eq = var.find('=', 1);
            if (eq != std::string::npos) p->environment.emplace_back(var.substr(0, eq), var.substr(eq + 1));
        }
    } else {
        p->environment = caller->environment;
    }
    if (startupInfo) {
        p->startFlags = startupInfo->dwFlags;
        p->showWindow = startupInfo->wShowWindow;
    }
    p->start = ProcessStart{p->id,
                            t->id,
                            image,
                            commandLine ? std::string(commandLine) : "\"" + image + "\"",
                            p->currentDirectory,
                            (p->startFlags & STARTF_USESHOWWINDOW) ? static_cast<int>(p->showWindow) : 10};
    s.processes[p->id] = p;
    s.threads[t->id] = t;
    const std::uint32_t hProcess = NewHandleValue();
    const std::uint32_t hThread = NewHandleValue();
    s.handles[hProcess] = KernelObject{KernelObject::Kind::Process, p->id, t->id};
    s.handles[hThread] = KernelObject{KernelObject::Kind::Thread, p->id, t->id};
    if (processInformation)
        *processInformation = PROCESS_INFORMATION{ToHandle(hProcess), ToHandle(hThread), p->id, t->id};
    Wake(lk, *t);
    return true;
}

void GetStartupInfo(STARTUPINFO* startupInfo) {
    State& s = S();
    Lock lk(s.m);
    auto p = CurrentProcess(lk);
    *startupInfo = STARTUPINFO{sizeof(STARTUPINFO), p->startFlags, p->showWindow};
}

DWORD GetCurrentProcessId() {
    State& s = S();
    Lock lk(s.m);
    return CurrentProcess(lk)->id;
}

DWORD GetCurrentThreadId() {
    State& s = S();
    Lock lk(s.m);
    return CurrentThread(lk)->id;
}

HANDLE OpenProcess(DWORD, bool, DWORD processId) {
    State& s = S();
    Lock lk(s.m);
    if (!s.processes.count(processId)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::uint32_t value = NewHandleValue();
    s.handles[value] = KernelObject{KernelObject::Kind::Process, processId, s.processes.at(processId)->mainThread};
    return ToHandle(value);
}

bool GetExitCodeProcess(HANDLE process, DWORD* exitCode) {
    State& s = S();
    Lock lk(s.m);
    auto p = ProcessOfHandle(s, process);
    if (!p) return Fail(ERROR_INVALID_HANDLE);
    *exitCode = p->exited ? p->exitCode : STILL_ACTIVE;
    return true;
}

bool TerminateProcess(HANDLE process, UINT exitCode) {
    State& s = S();
    Lock lk(s.m);
    auto p = ProcessOfHandle(s, process);
    if (!p || p->host) return Fail(p ? ERROR_ACCESS_DENIED : ERROR_INVALID_HANDLE);
    EndProcess(lk, p->id, exitCode);
    return true;
}

void ExitProcess(UINT exitCode) {
    State& s = S();
    Lock lk(s.m);
    EndProcess(lk, CurrentProcess(lk)->id, exitCode);
}

void AtProcessExit(std::function<void()> action) {
    State& s = S();
    Lock lk(s.m);
    CurrentProcess(lk)->atExit.push_back(std::move(action));
}

HANDLE CreateThread(const void*, std::size_t, THREAD_START_ROUTINE start, DWORD, DWORD* threadId) {
    State& s = S();
    Lock lk(s.m);
    auto t = std::make_shared<Thread>();
    t->id = NewId();
    t->processId = CurrentProcess(lk)->id;
    s.threads[t->id] = t;
    const std::uint32_t value = NewHandleValue();
    s.handles[value] = KernelObject{KernelObject::Kind::Thread, t->processId, t->id};
    if (threadId) *threadId = t->id;
    std::thread([t, start = std::move(start)]() mutable {
        BecomeThread(t->id);
        const DWORD code = start ? start() : 0;
        // The routine's code may live in a library that its host unloads as soon as the thread
        // is seen to have ended: the routine goes first, so nothing of it runs after that.
        start = nullptr;
        State& state = S();
        Lock done(state.m);
        t->exitCode = code;
        t->alive = false;
        state.cv.notify_all();
    }).detach();
    return ToHandle(value);
}

bool GetExitCodeThread(HANDLE thread, DWORD* exitCode) {
    State& s = S();
    Lock lk(s.m);
    auto it = s.handles.find(IdOf(thread));
    if (it == s.handles.end() || it->second.kind != KernelObject::Kind::Thread) return Fail(ERROR_INVALID_HANDLE);
    auto t = s.threads.at(it->second.threadId);
    const auto p = s.processes.at(t->processId);
    *exitCode = t->alive ? STILL_ACTIVE : t->hosted ? p->exitCode : t->exitCode;
    return true;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD timeoutMs) {
    State& s = S();
    Lock lk(s.m);
    auto it = s.handles.find(IdOf(handle));
    if (it == s.handles.end()) {
        lk.unlock();
        if (IsFileHandle(IdOf(handle))) return WAIT_OBJECT_0;
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    if (it->second.kind == KernelObject::Kind::Thread) {
        auto t = s.threads.at(it->second.threadId);
        return WaitUntil(
                   lk, [&] { return !t->alive; }, timeoutMs, false)
                   ? WAIT_OBJECT_0
                   : WAIT_TIMEOUT;
    }
    auto p = s.processes.at(it->second.processId);
    return WaitUntil(
               lk, [&] { return p->exited; }, timeoutMs, false)
               ? WAIT_OBJECT_0
               : WAIT_TIMEOUT;
}

DWORD WaitForInputIdle(HANDLE process, DWORD timeoutMs) {
    State& s = S();
    Lock lk(s.m);
    auto p = ProcessOfHandle(s, process);
    if (!p) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    if (p->host) return WAIT_OBJECT_0;
    auto t = s.threads.at(p->mainThread);
    const bool main = OnMainOsThread();
    Wake(lk, *t);
    auto idle = [&] {
        if (p->exited || !p->started) return p->exited;
        if (main && t->busy > 0) return true; // its code runs below us: it cannot get any idler
        return t->posted.empty() && t->sent.empty() && !t->quit && t->busy == 0;
    };
    if (!WaitUntil(lk, idle, timeoutMs, false)) return WAIT_TIMEOUT;
    return p->exited ? WAIT_FAILED : WAIT_OBJECT_0;
}

bool CloseHandle(HANDLE handle) {
    State& s = S();
    {
        Lock lk(s.m);
        if (s.handles.erase(IdOf(handle))) return true;
    }
    return CloseFileHandle(IdOf(handle)) || Fail(ERROR_INVALID_HANDLE);
}

DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size) {
    if (module || size == 0) return Fail(ERROR_INVALID_PARAMETER), 0;
    State& s = S();
    std::string path;
    {
        Lock lk(s.m);
        path = CurrentProcess(lk)->start.imagePath;
    }
    const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    if (n < path.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    return static_cast<DWORD>(n);
}

DWORD GetEnvironmentVariable(const char* name, char* buffer, DWORD size) {
    State& s = S();
    Lock lk(s.m);
    auto p = CurrentProcess(lk);
    auto it = name ? FindVariable(*p, name) : p->environment.end();
    if (it == p->environment.end()) return Fail(ERROR_ENVVAR_NOT_FOUND), 0;
    return CopyOut(it->second, buffer, size);
}

bool SetEnvironmentVariable(const char* name, const char* value) {
    if (!name || !*name || std::strchr(name, '=')) return Fail(ERROR_INVALID_PARAMETER);
    State& s = S();
    Lock lk(s.m);
    auto p = CurrentProcess(lk);
    auto it = FindVariable(*p, name);
    if (!value) {
        if (it == p->environment.end()) return Fail(ERROR_ENVVAR_NOT_FOUND);
        p->environment.erase(it);
        return true;
    }
    if (it != p->environment.end()) it->second = value;
    else p->environment.emplace_back(name, value);
    return true;
}

} // namespace desk
