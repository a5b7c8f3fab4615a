#include "platform/dde/dde_server.h"

#include "platform/runtime/error.h"

#include <vector>

namespace dde {

struct ServerEntry {
    std::string application;
    std::string topic;
    ExecuteHandler execute;
    bool alive = true;
};

namespace {

constexpr int kErrDdeRefused = 285; // foreign application won't perform the DDE operation

std::vector<std::shared_ptr<ServerEntry>>& Servers() {
    static std::vector<std::shared_ptr<ServerEntry>> servers;
    return servers;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

} // namespace

ServerRegistration::ServerRegistration(std::string application, std::string topic, ExecuteHandler execute) {
    if (FindServer(application, topic))
        rt::Raise(rt::errApplication, "a DDE server for " + application + "|" + topic + " is already registered");
    entry_ = std::make_shared<ServerEntry>(ServerEntry{std::move(application), std::move(topic), std::move(execute)});
    Servers().push_back(entry_);
}

ServerRegistration::~ServerRegistration() {
    entry_->alive = false;
    auto& all = Servers();
    std::erase(all, entry_);
}

std::shared_ptr<ServerEntry> FindServer(std::string_view application, std::string_view topic) {
    for (const auto& e : Servers())
        if (SameName(e->application, application) && SameName(e->topic, topic)) return e;
    return nullptr;
}

bool IsAlive(const ServerEntry& entry) { return entry.alive; }

void ExecuteOn(ServerEntry& entry, const std::string& command) {
    if (!entry.alive)
        rt::Raise(rt::errDdeLinkClosed, entry.application + "|" + entry.topic + " has closed the conversation");
    try {
        entry.execute(command);
    } catch (const std::exception& e) {
        throw rt::Error(kErrDdeRefused,
                        std::string("Foreign application won't perform DDE method or operation: ") + e.what());
    }
}

} // namespace dde
