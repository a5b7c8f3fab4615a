#pragma once
// In-process DDE: a server offers one (application, topic) pair and takes the strings that
// clients execute on it. Names compare without regard to case. Strings are 8-bit bytes
// (code page 932 text), passed on unchanged.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace dde {

using ExecuteHandler = std::function<void(const std::string& command)>;

struct ServerEntry;

// Offers the pair while it lives; links to it close when it goes.
class ServerRegistration {
public:
    // A second server for a pair that is already offered raises error 1004.
    ServerRegistration(std::string application, std::string topic, ExecuteHandler execute);
    ~ServerRegistration();
    ServerRegistration(const ServerRegistration&) = delete;
    ServerRegistration& operator=(const ServerRegistration&) = delete;

private:
    std::shared_ptr<ServerEntry> entry_;
};

// The server offering the pair, or null (the initiate that no application answers).
std::shared_ptr<ServerEntry> FindServer(std::string_view application, std::string_view topic);

// Executes on the entry; raises error 286 when the server has gone, 285 when it refused.
void ExecuteOn(ServerEntry& entry, const std::string& command);
bool IsAlive(const ServerEntry& entry);

} // namespace dde
